// Reading production logs back: what a line must be, the causes as Tallyburn logged them, and times
// with their offsets.
#include <gtest/gtest.h>

#include <string>

#include "app/log_path.h"
#include "tools/report/log_record.h"
#include "tools/report/station_log.h"

namespace {
const std::string kHeader = "time,event,count,seconds,erase,cause\r\n";
}

TEST(LogReader, TakesTallyburnsLinesAndRefusesAnythingElseWithItsReason) {
    const struct {
        const char* name;
        const char* line;
        const char* cause;  // of the line read, or nullptr when it is refused
        const char* why;    // the start of the reason
    } rows[] = {
        {"quoted, with commas and quotes", "2026-12-07T23:41:45+01:00,fail,42,1.4,0,\"A, \"\"B\"\"\"\r\n", "A, \"B\"",
         nullptr},
        {"kept inert", "2026-12-07T23:41:45+01:00,fail,42,1.4,0,'=SUM(A1)\r\n", "=SUM(A1)", nullptr},
        {"an apostrophe of its own", "2026-12-07T23:41:45+01:00,fail,42,1.4,0,''quoted\r\n", "'quoted", nullptr},
        {"line feed alone", "2026-12-07T23:41:45-05:30,start,-3,,,x\n", "x", nullptr},
        {"five fields", "2026-12-07T23:41:45+01:00,pass,42,1.4,0\r\n", nullptr, "6 fields expected, found 5"},
        {"no such day", "2026-02-29T23:41:45+01:00,stop,42,,,\r\n", nullptr, "the time"},
        {"no offset", "2026-12-07T23:41:45Z,stop,42,,,\r\n", nullptr, "the time"},
        {"hour 24", "2026-12-07T24:00:00+01:00,stop,42,,,\r\n", nullptr, "the time"},
        {"unknown event", "2026-12-07T23:41:45+01:00,passed,42,,,\r\n", nullptr, "no such event"},
        {"count", "2026-12-07T23:41:45+01:00,stop,4x,,,\r\n", nullptr, "the count"},
        {"two decimals", "2026-12-07T23:41:45+01:00,pass,42,1.50,0,\r\n", nullptr, "the seconds"},
        {"seconds of a start", "2026-12-07T23:41:45+01:00,start,42,1.5,,\r\n", nullptr, "seconds on a line"},
        {"erase 2", "2026-12-07T23:41:45+01:00,pass,42,1.5,2,\r\n", nullptr, "erase is neither"},
        {"quote inside", "2026-12-07T23:41:45+01:00,fail,42,1.5,0,a\"b\r\n", nullptr, "a quote in the middle"},
        {"quote unclosed", "2026-12-07T23:41:45+01:00,fail,42,1.5,0,\"ab\r\n", nullptr, "a quoted field that"},
        {"unfinished", "2026-12-07T23:41:45+01:00,stop,42,,,", nullptr, "an unfinished last line"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        // The line between two good ones: a bad line spoils neither.
        const std::string good = "2026-12-07T23:40:00+01:00,stop,1,,,\r\n";
        const ParsedLog log = ParseLog(kHeader + good + row.line + (std::string(row.line).back() == '\n' ? good : ""));
        ASSERT_TRUE(log.isLog);
        if (row.cause) {
            ASSERT_EQ(log.records.size(), 3u);
            EXPECT_EQ(log.records[1].cause, row.cause);
            EXPECT_EQ(log.records[2].line, 4);
        } else {
            ASSERT_EQ(log.bad.size(), 1u);
            EXPECT_EQ(log.bad[0].line, 3);
            EXPECT_EQ(log.bad[0].why.find(row.why), 0u) << log.bad[0].why;
        }
    }
    for (const char* notALog : {"", "time,event,count,seconds,erase,cause", "Time,Event\r\n", "\xEF\xBB\xBFtime,ev"})
        EXPECT_FALSE(ParseLog(notALog).isLog) << notALog;
}

TEST(LogReader, TimesCountByTheirInstantAndDateByTheirOwnDay) {
    LogTime before{}, after{};
    // The night daylight-saving time ends in Central Europe: the later line shows the earlier hour.
    ASSERT_TRUE(ParseLogTime("2026-10-25T02:59:00+02:00", before));
    ASSERT_TRUE(ParseLogTime("2026-10-25T02:10:00+01:00", after));
    EXPECT_EQ(after.utc - before.utc, 11 * 60);
    EXPECT_EQ(before.localDay, after.localDay);
    ASSERT_TRUE(ParseLogTime("1970-01-01T05:30:00+05:30", before));
    EXPECT_EQ(before.utc, 0);
    ASSERT_TRUE(ParseLogTime("2000-03-01T00:00:00-00:00", after));
    long long day = 0;
    ASSERT_TRUE(ParseDate("2000-02-29", day));
    EXPECT_EQ(after.localDay, day + 1) << "a leap day of a century divisible by 400";

    EXPECT_EQ(LogNameOfOverflow("Tallyburn-log-20261207-234124.csv"), "Tallyburn-log.csv");
    EXPECT_EQ(LogNameOfOverflow("log-20261207-234124"), "log");
    EXPECT_EQ(LogNameOfOverflow("Tallyburn-log.csv"), "");
    EXPECT_EQ(LogNameOfOverflow("a-2026120x-234124.csv"), "");
}
