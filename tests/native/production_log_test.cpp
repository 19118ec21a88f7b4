// The production log's text and its waiting lines, without the file and the writer thread.
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "app/log_backlog.h"
#include "app/log_merge.h"
#include "app/log_path.h"
#include "app/log_text.h"

// Quoting and causes come back through a CSV reader in the Windows tests; here how causes that a
// spreadsheet would run as formulas are written, and the times of other zones.
TEST(LogText, CausesThatWouldBeFormulasAreQuotedBehindAnApostrophe) {
    const std::pair<const char*, const char*> rows[] = {
        {"=HYPERLINK(\"http://x\")", "\"'=HYPERLINK(\"\"http://x\"\")\""},
        {"- Target voltage too low.", "\"'- Target voltage too low.\""},
        {"+1", "\"'+1\""},
        {"@A1", "\"'@A1\""},
        {"\tcmd", "\"'\tcmd\""},
        {"\rcmd", "\"'\rcmd\""},
        {"'quoted'", "\"''quoted'\""},
        {"a=b -c", "a=b -c"},
        {"", ""},
    };
    for (const auto& row : rows)
        EXPECT_EQ(CsvLine({"t", InertText(row.first), "x"}), std::string("t,") + row.second + ",x\r\n") << row.first;
}

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

    for (const char* name : {"Tallyburn-log-20261207-234124.csv", "TALLYBURN-LOG-20261207-234124.CSV"})
        EXPECT_TRUE(IsOverflowName("Tallyburn-log.csv", name)) << name;
    for (const char* name :
         {"Tallyburn-log-2026120-234124.csv", "Tallyburn-log-2026120x-234124.csv",
          "Tallyburn-log-20261207-234124.csv.bak", "Tallyburn-log.csv", "Other-log-20261207-234124.csv"})
        EXPECT_FALSE(IsOverflowName("Tallyburn-log.csv", name)) << name;
    EXPECT_TRUE(IsOverflowName("log", "log-20261207-234124")) << "no extension";
}

namespace {

// A folder in memory whose log can refuse appends, whose files can be held, and where removing fails
// when asked (as if Tallyburn ended between a merge's append and the removal).
struct MemoryFolder {
    std::map<std::string, std::string> files;
    bool refuse = false, keep = false;
    std::set<std::string> held;
    LogFiles Files() {
        return {[this](const std::string& path, const std::string& header, const std::string& lines) {
                    if (refuse)
                        return false;
                    files[path] += (files[path].empty() ? header : "") + lines;
                    return true;
                },
                [this](const std::string& path) {
                    std::vector<std::string> found;
                    for (const auto& file : files)
                        if (IsOverflowName(path, file.first))
                            found.push_back(file.first);
                    return found;
                },
                [this](const std::string& path, size_t most, std::string& text) {
                    text = files.count(path) ? files[path] : "";
                    text.erase(0, text.size() > most ? text.size() - most : 0);
                    return held.count(path) == 0;
                },
                [this](const std::string& path) { return !keep && files.erase(path) == 1; }};
    }
};

const std::string kHeader = "time,event,count,seconds,erase,cause\r\n";

}  // namespace

TEST(LogBacklog, WaitingLinesGoInTogetherInOrderAfterThoseOfOverflowFilesFollowedByTheirNotes) {
    MemoryFolder folder;
    folder.files = {{"log.csv", kHeader + "old\r\n"},
                    {"log-20261207-234124.csv", kHeader + "s1\r\ns2"},  // cut short
                    {"log-20261130-080000.csv", kHeader + "f1\r\n"},
                    {"log-20261208-000000.csv", kHeader + "h1\r\n"},
                    {"log-notes.csv", "x"}};
    folder.held = {"log-20261208-000000.csv"};
    folder.refuse = true;
    LogBacklog backlog(folder.Files(), "log.csv");
    backlog.Add({4, "b\r\n"});
    EXPECT_FALSE(backlog.Flush(1000, "t1"));
    backlog.Add({5, "c\r\n"});
    EXPECT_FALSE(backlog.Flush(3000, "t2"));
    EXPECT_TRUE(backlog.Waiting());
    EXPECT_EQ(folder.files["log.csv"], kHeader + "old\r\n") << "nothing merged into a log that cannot be written";

    folder.refuse = false;
    backlog.Add({5, "d\r\n"});  // came after the last refusal: it did not wait
    EXPECT_TRUE(backlog.Flush(43400, "t3"));
    backlog.Add({6, "e\r\n"});
    EXPECT_TRUE(backlog.Flush(44000, "t4"));
    EXPECT_EQ(folder.files["log.csv"],
              kHeader +
                  "old\r\nf1\r\nt3,note,4,,,merged 1 lines from log-20261130-080000.csv\r\n"
                  "s1\r\ns2\r\nt3,note,4,,,merged 2 lines from log-20261207-234124.csv\r\n"
                  "b\r\nc\r\nd\r\nt3,note,5,,,\"log unavailable for 42 s, 2 lines waited\"\r\ne\r\n");
    EXPECT_EQ(folder.files.size(), 3u) << "the held file and the one not named as an overflow stay";
    EXPECT_EQ(folder.files.count("log-20261208-000000.csv"), 1u);
}

TEST(LogBacklog, AMergeEndedBeforeItsFilesWereRemovedIsFinishedWithoutALineTwice) {
    MemoryFolder folder;
    folder.files = {{"log.csv", ""}, {"log-20261130-080000.csv", kHeader + "a\r\n"}, {"log-20261207-234124.csv", ""}};
    folder.keep = true;
    LogBacklog first(folder.Files(), "log.csv");
    first.Add({1, "run1\r\n"});
    EXPECT_TRUE(first.Flush(0, "t0"));
    const std::string merged = kHeader +
                               "a\r\nt0,note,1,,,merged 1 lines from log-20261130-080000.csv\r\n"
                               "t0,note,1,,,merged 0 lines from log-20261207-234124.csv\r\nrun1\r\n";
    EXPECT_EQ(folder.files["log.csv"], merged);
    EXPECT_EQ(folder.files.size(), 3u);

    folder.keep = false;
    LogBacklog next(folder.Files(), "log.csv");
    next.Add({1, "run2\r\n"});
    EXPECT_TRUE(next.Flush(1000, "t1"));
    EXPECT_EQ(folder.files["log.csv"], merged + "run2\r\n");
    EXPECT_EQ(folder.files.size(), 1u) << "both overflow files removed";
}
