// The shift report's figures from a small worked example: two stations in other time zones, one across
// the end of daylight-saving time, with a file of lines left at closing that its log has merged and one
// that it has not; and the count's audit for each kind of break.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tools/report/report_csv.h"
#include "tools/report/report_html.h"

namespace {

LogInput Log(const std::string& path, const std::string& lines) {
    return {path, ParseLog("time,event,count,seconds,erase,cause\r\n" + lines)};
}

std::vector<LogInput> WorkedExample() {
    return {
        // Central Europe; at 03:00 on 2026-10-25 the clocks went back to 02:00.
        Log("w/A.csv",
            "2026-10-24T23:40:00+02:00,pass,7,12.0,0,\r\n"  // merged from the file left at closing
            "2026-10-24T23:40:05+02:00,stop,7,,,\r\n"
            "2026-10-24T23:50:00+02:00,note,7,,,merged 2 lines from A-20261024-234005.csv\r\n"
            "2026-10-24T23:50:00+02:00,start,7,,,Tallyburn 2.1.0\r\n"
            "2026-10-24T23:55:00+02:00,pass,8,12.0,0,\r\n"
            "2026-10-25T02:59:00+02:00,fail,8,20.0,1,Target voltage too low. OK\r\n"
            "2026-10-25T02:10:00+01:00,retry,8,3.0,0,\"RAM check failed @ address 0x20000000. Write: 0xAA55AA55, "
            "Read: 0x00000000\"\r\n"
            "2026-10-25T02:10:30+01:00,pass,9,14.0,0,\r\n"
            "2026-10-25T02:20:00+01:00,fail,9,0.0,0,J-Flash not found\r\n"
            "2026-10-25T02:30:00+01:00,note,9,,,\"log unavailable for 42 s, 3 lines waited\"\r\n"
            "2026-10-25T03:00:00+01:00,clear,0,,,was 9\r\n"
            "2026-10-25T03:05:00+01:00,pass,1,16.0,1,\r\n"),
        Log("w/A-20261024-234005.csv",
            "2026-10-24T23:40:00+02:00,pass,7,12.0,0,\r\n2026-10-24T23:40:05+02:00,stop,7,,,\r\n"),
        // Not merged yet: its lines follow the log's last ones in time.
        Log("w/A-20261025-031000.csv",
            "2026-10-25T03:06:00+01:00,fail,1,15.0,0,Target voltage too low.\r\n"
            "2026-10-25T03:10:00+01:00,stop,1,,,\r\n"),
        // Left at closing by a release that did not merge such files: its lines lie between the log's.
        Log("w/B-20261025-085900.csv",
            "2026-10-25T08:58:00+08:00,pass,100,12.0,0,\r\n2026-10-25T08:59:00+08:00,stop,100,,,\r\n"),
        Log("w/B.csv",
            "2026-10-25T07:50:00+08:00,start,99,,,Tallyburn 2.0.0\r\n"
            "2026-10-25T09:00:00+08:00,start,100,,,Tallyburn 2.1.0\r\n"
            "2026-10-25T09:01:00+08:00,pass,101,10.0,0,\r\n"
            "2026-10-25T09:02:00+08:00,fail,101,11.0,0,'=cmd\r\n"
            "2026-10-25T09:03:00+08:00,fail,101,0.0,0,post refused\r\n"),
        Log("w/notes.csv", ""),
    };
}

}  // namespace

TEST(ShiftReport, WorkedExampleGivesEveryFigure) {
    std::vector<LogInput> logs = WorkedExample();
    logs.back().log.isLog = false;
    const ShiftReport report = MakeReport(logs, {}, DayRange(), "", "");
    EXPECT_EQ(StationsCsv(report),
              "station,passed,failed,yield %,retries,J-Flash not found,post refused,first line,last line,"
              "log unavailable s,pass median s,pass 90 % s,count breaks\r\n"
              "A,4,2,66.7,1,1,0,2026-10-24T23:40:00+02:00,2026-10-25T03:10:00+01:00,42,13.00,15.40,0\r\n"
              "B,2,1,66.7,0,0,1,2026-10-25T07:50:00+08:00,2026-10-25T09:03:00+08:00,0,11.00,11.80,0\r\n"
              "Total,6,3,66.7,1,1,1,2026-10-24T23:40:00+02:00,2026-10-25T03:10:00+01:00,42,12.00,15.00,0\r\n");
    EXPECT_EQ(CausesCsv(report),
              "station,cause,failures\r\nA,Target voltage too low.,2\r\nB,\"'=cmd\",1\r\n"
              "Total,Target voltage too low.,2\r\nTotal,\"'=cmd\",1\r\n");
    EXPECT_EQ(report.merged, std::vector<std::string>{"w/A-20261024-234005.csv"});
    ASSERT_EQ(report.skipped.size(), 1u);
    EXPECT_EQ(report.skipped[0].path, "w/notes.csv");
    EXPECT_EQ(report.Status(), 1) << "a file skipped, no break";

    const std::string html = ReportHtml(report);
    for (const char* figure : {"<b>6</b><span>boards passed", "<b>66.7 %</b>", "The count has no break",
                               "<td>Target voltage too low.</td><td class=\"n\">2</td>", ">=cmd<", "42 s", "13.00 s",
                               "Skipped</span> w/notes.csv"})
        EXPECT_NE(html.find(figure), std::string::npos) << figure;

    // The local date of each line decides: B (from 23:50 UTC on Saturday) and the lines of A after midnight.
    long long day = 0;
    ASSERT_TRUE(ParseDate("2026-10-25", day));
    const ShiftReport sunday = MakeReport(WorkedExample(), {}, DayRange{day, day}, "2026-10-25", "");
    EXPECT_EQ(sunday.stations[0].passed, 2);
    EXPECT_EQ(sunday.stations[0].firstTime, "2026-10-25T02:59:00+02:00");
    EXPECT_EQ(sunday.stations[1].firstTime, "2026-10-25T07:50:00+08:00");
    EXPECT_EQ(sunday.total.passed, 4);
}

TEST(ShiftReport, TheSameLogNameInTwoFoldersIsTwoStations) {
    const ShiftReport report = MakeReport({Log("x/L.csv", "2026-01-05T08:00:00+01:00,start,5,,,\r\n"),
                                           Log("y\\L.csv", "2026-01-05T08:01:00+01:00,start,0,,,\r\n")},
                                          {}, DayRange(), "", "");
    ASSERT_EQ(report.stations.size(), 2u);
    EXPECT_EQ(report.stations[0].name, "x/L");
    EXPECT_EQ(report.Status(), 0);
}

TEST(CountAudit, FindsEachKindOfBreakAndPassesACleanLog) {
    const struct {
        const char* name;
        const char* events;  // event:count[:cause] | ...
        const char* what;    // the break's words, or "" for none
        long long before;
    } rows[] = {
        {"clean", "start:5 | pass:6 | fail:6 | retry:6 | stop:6 | start:6 | clear:0:was 6 | pass:1 | note:1", "", 0},
        {"a pass adds two", "start:5 | pass:7", "a pass did not add one", 5},
        {"settings file lost", "stop:6 | start:0", "lower at start than when last logged", 6},
        {"settings file edited", "stop:6 | start:9", "higher at start", 6},
        {"clear not to 0", "pass:6 | clear:3:was 6", "a clear did not set the count to 0", 6},
        {"cleared another count", "pass:6 | clear:0:was 9", "the clear says it cleared 9", 6},
        {"0 without a clear", "pass:6 | fail:0", "the count fell to 0 without a clear", 6},
        {"changed at a stop", "pass:6 | stop:7", "the count changed at a stop", 6},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        std::string lines;
        int minute = 10;
        std::string events = row.events;
        for (size_t at = 0; at < events.size();) {
            const size_t end = std::min(events.find(" | ", at), events.size());
            std::string event = events.substr(at, end - at);
            at = end + 3;
            const size_t colon = event.find(':'), cause = event.find(':', colon + 1);
            const std::string name = event.substr(0, colon);
            const bool cycle = name == "pass" || name == "fail" || name == "retry";
            lines += "2026-03-02T09:" + std::to_string(minute++) + ":00+01:00," + name + "," +
                     event.substr(colon + 1, cause - colon - 1) + (cycle ? ",9.0,0," : ",,,") +
                     (cause == std::string::npos ? "" : event.substr(cause + 1)) + "\r\n";
        }
        const ShiftReport report = MakeReport({Log("S.csv", lines)}, {}, DayRange(), "", "");
        ASSERT_EQ(report.badLines, 0);
        const std::vector<CountBreak>& breaks = report.total.breaks;
        ASSERT_EQ(breaks.size(), row.what[0] ? 1u : 0u);
        if (!breaks.empty()) {
            EXPECT_EQ(breaks[0].what.find(row.what), 0u) << breaks[0].what;
            EXPECT_EQ(breaks[0].before.count, row.before);
            EXPECT_EQ(report.Status(), 2);
        }
    }
}
