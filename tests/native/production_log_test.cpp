// The production log's text and its waiting lines, without the file and the writer thread.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/log_backlog.h"
#include "app/log_path.h"
#include "app/log_text.h"

// Quoting and causes come back through a CSV reader in the Windows tests; here the times of other zones.
TEST(LogText, TimesCarryTheirOffsetAndSecondsOneDecimal) {
    EXPECT_EQ(IsoTime({2026, 12, 7, 23, 41, 24, 60}), "2026-12-07T23:41:24+01:00");
    EXPECT_EQ(IsoTime({2026, 1, 2, 3, 4, 5, -330}), "2026-01-02T03:04:05-05:30");
    const struct {
        long long milliseconds;
        const char* seconds;
    } tenths[] = {{49, "0.0"}, {1250, "1.3"}, {600000, "600.0"}, {-5, "0.0"}};
    for (const auto& row : tenths)
        EXPECT_EQ(Tenths(row.milliseconds), row.seconds) << row.milliseconds;
}

TEST(LogPath, KeyValuesAndTheFileForLinesLeftAtClosing) {
    const struct {
        const char* name;
        const char* value;
        const char* path;
    } rows[] = {
        {"absent", "", ""},
        {"relative", "Tallyburn-log.csv", "C:\\Line\\Tallyburn-log.csv"},
        {"drive, lower case", "d:/quality/a.csv", "d:/quality/a.csv"},
        {"UNC", "\\\\server\\share\\a.csv", "\\\\server\\share\\a.csv"},
        {"root of the drive", "\\logs\\a.csv", "\\logs\\a.csv"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(LogPathFor(row.value, "C:\\Line"), row.path) << row.name;

    const std::string stamp = "20261207-234124";
    EXPECT_EQ(StampedLogPath("C:\\Line\\Tallyburn-log.csv", stamp), "C:\\Line\\Tallyburn-log-20261207-234124.csv");
    EXPECT_EQ(StampedLogPath("C:\\v1.2\\log", stamp), "C:\\v1.2\\log-20261207-234124") << "a dot in a folder";
}

namespace {

// A log file in memory that can be told to refuse every append.
struct MemoryFile {
    bool refuse = false;
    std::vector<std::string> appends;  // "path|header|lines"
    LogAppend Append() {
        return [this](const std::string& path, const std::string& header, const std::string& lines) {
            if (refuse)
                return false;
            appends.push_back(path + "|" + header + "|" + lines);
            return true;
        };
    }
};

const std::string kHeader = "time,event,count,seconds,erase,cause\r\n";

}  // namespace

TEST(LogBacklog, WaitingLinesGoInTogetherInOrderFollowedByTheirNote) {
    MemoryFile file;
    LogBacklog backlog(file.Append(), "log.csv");
    backlog.Add({3, "a\r\n"});
    EXPECT_TRUE(backlog.Flush(0, "t0"));
    EXPECT_FALSE(backlog.Waiting());

    file.refuse = true;
    backlog.Add({4, "b\r\n"});
    EXPECT_FALSE(backlog.Flush(1000, "t1"));
    backlog.Add({5, "c\r\n"});
    EXPECT_FALSE(backlog.Flush(3000, "t2"));
    EXPECT_TRUE(backlog.Waiting());

    file.refuse = false;
    backlog.Add({5, "d\r\n"});  // came after the last refusal: it did not wait
    EXPECT_TRUE(backlog.Flush(43400, "t3"));
    backlog.Add({6, "e\r\n"});
    EXPECT_TRUE(backlog.Flush(44000, "t4"));
    EXPECT_EQ(file.appends,
              (std::vector<std::string>{
                  "log.csv|" + kHeader + "|a\r\n",
                  "log.csv|" + kHeader + "|b\r\nc\r\nd\r\nt3,note,5,,,\"log unavailable for 42 s, 2 lines waited\"\r\n",
                  "log.csv|" + kHeader + "|e\r\n",
              }));
}
