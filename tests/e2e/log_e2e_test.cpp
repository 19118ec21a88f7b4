// The production log of the real Tallyburn.exe against the simulator: every event and cause of a
// session, a file held by another program, and a folder that cannot be written.
#include <regex>
#include <utility>

#include "tallyburn_version.h"
#include "tests/e2e/end_to_end.h"
#include "tests/support/csv_reader.h"

namespace {

class LogEndToEnd : public EndToEnd {
protected:
    void Start(const std::string& outcomes, const std::string& logValue) {
        EndToEnd::Start("--outcomes " + outcomes, "[setup]\r\nontop=1\r\nend_delay=0\r\nlog=" + logValue + "\r\n");
    }
    DisplayState PressRun() {
        const CycleOutcome outcome = m_remote->PressRun();
        EXPECT_TRUE(outcome.finished);
        // The operator closes what J-Flash left open before the next board.
        for (const char* title :
             {"J-Flash V7.88c Error", "J-Flash V7.88c Warning", "SEGGER J-Link V7.88c - Emulator selection"}) {
            if (HWND left = ::FindWindowA("#32770", title)) {
                ::PostMessageA(left, WM_SYSCOMMAND, SC_CLOSE, 0);
                EXPECT_TRUE(WaitUntil([&] { return !::IsWindow(left); }));
            }
        }
        return outcome.missingJFlash ? DisplayState::Unknown : outcome.state;
    }
    HANDLE Hold(const std::string& path, DWORD sharing) {
        return ::CreateFileA(path.c_str(), GENERIC_READ, sharing, nullptr, OPEN_EXISTING, 0, nullptr);
    }
    bool LogHas(const std::string& text) {
        return WaitUntil([&] { return ReadFile(Log()).find(text) != std::string::npos; }, 15000);
    }
    std::string Log() const { return m_folder.File("Tallyburn-log.csv"); }
};

// A record's fields after the time, which must be ISO 8601 with the offset.
CsvRecord AfterTime(const CsvRecord& record) {
    static const std::regex iso("\\d{4}-\\d\\d-\\d\\dT\\d\\d:\\d\\d:\\d\\d[+-]\\d\\d:\\d\\d");
    EXPECT_TRUE(std::regex_match(record.at(0), iso)) << record.at(0);
    return CsvRecord(record.begin() + 1, record.end());
}

}  // namespace

TEST_F(LogEndToEnd, ASessionLogsEveryEventWithItsCountSecondsEraseAndCause) {
    Start(
        "success,error-other,warning,emulator,error-ram:close-delay=300,success,silent,success*3,"
        "success:close-main=working",
        "Tallyburn-log.csv");
    EXPECT_EQ(PressRun(), DisplayState::Green);
    for (int failure = 0; failure < 3; ++failure)
        EXPECT_EQ(PressRun(), DisplayState::Red);
    EXPECT_EQ(PressRun(), DisplayState::Green) << "after a retry";
    EXPECT_EQ(PressRun(), DisplayState::Red) << "silence";
    ClickButton(m_window, IDC_CLEAR);
    HWND box = WaitForMessageBox(m_tallyburn.Id(), "Tallyburn");
    ASSERT_NE(box, nullptr);
    ClickButton(box, IDYES);
    ASSERT_TRUE(WaitUntil([&] { return m_remote->StoredCount(-1) == 0; }));
    EXPECT_TRUE(m_remote->SetCheck(IDC_ERASE_CHIP, true));
    EXPECT_EQ(PressRun(), DisplayState::Green);
    EXPECT_TRUE(m_remote->SetCheck(IDC_ERASE_CHIP, false));
    EXPECT_EQ(PressRun(), DisplayState::Red) << "J-Flash closed while it worked";
    EXPECT_EQ(PressRun(), DisplayState::Unknown) << "J-Flash is gone";
    ASSERT_TRUE(CloseTallyburn());

    // The seconds of each line, checked apart: at least so many, or none (-1).
    const std::pair<CsvRecord, double> expected[] = {
        {{"start", "0", "", "Tallyburn " TALLYBURN_VERSION}, -1},
        {{"pass", "1", "0", ""}, 1.0},
        {{"fail", "1", "0", "Target voltage too low."}, 1.0},
        {{"fail", "1", "0", "The connected device does not match the device selected in the project."}, 1.0},
        {{"fail", "1", "0", "emulator selection"}, 1.0},
        {{"retry", "1", "0", "RAM check failed @ address 0x20000000. Write: 0xAA55AA55, Read: 0x00000000"}, 1.0},
        {{"pass", "2", "0", ""}, 2.0},
        {{"fail", "2", "0", "no result"}, 6.0},
        {{"clear", "0", "", "was 2"}, -1},
        {{"pass", "1", "1", ""}, 1.5},
        {{"fail", "1", "0", "J-Flash closed"}, 6.0},
        {{"fail", "1", "0", "J-Flash not found"}, 0.0},
        {{"stop", "1", "", ""}, -1},
    };
    const std::vector<CsvRecord> rows = ReadCsv(ReadFile(Log()));
    ASSERT_EQ(rows.size(), 1 + std::size(expected)) << ReadFile(Log());
    EXPECT_EQ(rows[0], (CsvRecord{"time", "event", "count", "seconds", "erase", "cause"}));
    for (size_t i = 0; i < std::size(expected); ++i) {
        CsvRecord got = AfterTime(rows[i + 1]);
        ASSERT_EQ(got.size(), 5u);
        const std::string seconds = got[2];
        got.erase(got.begin() + 2);
        EXPECT_EQ(got, expected[i].first) << i + 1;
        if (expected[i].second < 0) {
            EXPECT_EQ(seconds, "") << i + 1;
        } else {
            EXPECT_TRUE(std::regex_match(seconds, std::regex("\\d\\d?\\.\\d"))) << i + 1 << ": " << seconds;
            EXPECT_GE(std::atof(seconds.c_str()), expected[i].second) << i + 1;
        }
    }

    // The shift report of the session: passed, failed, yield, retries, without J-Flash, refused, log
    // unavailable, count breaks.
    ChildProcess report;
    ASSERT_TRUE(report.Start(ProgramFolder() + "\\TallyburnReport.exe", "--csv Tallyburn-log.csv", m_folder.Path()));
    ASSERT_TRUE(report.WaitForExit());
    const std::vector<CsvRecord> table = ReadCsv(ReadFile(m_folder.File("report.csv")));
    ASSERT_EQ(table.size(), 3u) << "the header, the station, the total";
    const CsvRecord& row = table[1];
    EXPECT_EQ(CsvRecord(row.begin(), row.begin() + 7), (CsvRecord{"Tallyburn-log", "3", "5", "37.5", "1", "1", "0"}));
    EXPECT_EQ(row[9] + " " + row[12], "0 0");
}

TEST_F(LogEndToEnd, LinesWaitWhileAProgramHoldsTheFileGoToAFileOfTheirOwnAtClosingAndComeHomeAtTheNextStart) {
    Start("success", "Tallyburn-log.csv");
    ASSERT_TRUE(LogHas(",start,0,"));
    // Readers and copies share reading and writing: no obstacle.
    HANDLE reader = Hold(Log(), FILE_SHARE_READ | FILE_SHARE_WRITE);
    ASSERT_NE(reader, INVALID_HANDLE_VALUE);
    EXPECT_EQ(PressRun(), DisplayState::Green);
    EXPECT_TRUE(LogHas(",pass,1,"));
    ::CloseHandle(reader);

    // A spreadsheet denies write sharing: the lines wait, and nothing of them reaches the file.
    HANDLE holder = Hold(Log(), FILE_SHARE_READ);
    ASSERT_NE(holder, INVALID_HANDLE_VALUE);
    const std::string before = ReadFile(Log());
    for (int run = 0; run < 3; ++run)
        EXPECT_EQ(PressRun(), DisplayState::Green);
    EXPECT_EQ(m_remote->StoredCount(), 4) << "the count does not wait for the log";
    EXPECT_EQ(ReadFile(Log()), before);
    ::CloseHandle(holder);
    EXPECT_TRUE(LogHas(",note,")) << "let go: the lines go in without another event";

    // Held again while Tallyburn closes: the stop line goes beside the log, named after the time.
    holder = Hold(Log(), FILE_SHARE_READ);
    ASSERT_TRUE(CloseTallyburn());
    ::CloseHandle(holder);

    const std::vector<CsvRecord> rows = ReadCsv(ReadFile(Log()));
    ASSERT_EQ(rows.size(), 7u) << ReadFile(Log());
    const char* events[] = {"start", "pass", "pass", "pass", "pass"};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(AfterTime(rows[i + 1])[0], events[i]);
        EXPECT_EQ(AfterTime(rows[i + 1])[1], std::to_string(i));
    }
    const CsvRecord note = AfterTime(rows[6]);
    EXPECT_EQ(note[0], "note");
    EXPECT_EQ(note[1], "4");
    EXPECT_TRUE(std::regex_match(note[4], std::regex("log unavailable for \\d+ s, 3 lines waited"))) << note[4];

    WIN32_FIND_DATAA found;
    HANDLE find = ::FindFirstFileA(m_folder.File("Tallyburn-log-*.csv").c_str(), &found);
    ASSERT_NE(find, INVALID_HANDLE_VALUE) << "no file for the lines left at closing";
    ::FindClose(find);
    EXPECT_TRUE(std::regex_match(found.cFileName, std::regex("Tallyburn-log-\\d{8}-\\d{6}\\.csv"))) << found.cFileName;
    const std::vector<CsvRecord> left = ReadCsv(ReadFile(m_folder.File(found.cFileName)));
    ASSERT_EQ(left.size(), 2u);
    EXPECT_EQ(left[0][0], "time");
    EXPECT_EQ(AfterTime(left[1]), (CsvRecord{"stop", "4", "", "", ""}));

    // The next start brings that line home before its own, and removes the file.
    StartTallyburn();
    ASSERT_TRUE(CloseTallyburn());
    const std::vector<CsvRecord> home = ReadCsv(ReadFile(Log()));
    ASSERT_EQ(home.size(), 11u) << ReadFile(Log());
    EXPECT_EQ(home[7], left[1]);
    EXPECT_EQ(AfterTime(home[8]),
              (CsvRecord{"note", "4", "", "", std::string("merged 1 lines from ") + found.cFileName}));
    EXPECT_EQ(AfterTime(home[9])[0], "start");
    EXPECT_EQ(::GetFileAttributesA(m_folder.File(found.cFileName).c_str()), INVALID_FILE_ATTRIBUTES);
}

TEST_F(LogEndToEnd, AFolderThatCannotBeWrittenCostsNoBoardNoCountAndNoMessage) {
    // sysfs, which Wine shows as Z:\sys, refuses new files even to root.
    const std::string log = "Z:\\sys\\Tallyburn-log.csv";
    HANDLE probe = ::CreateFileA(log.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_ALWAYS, 0, nullptr);
    if (probe != INVALID_HANDLE_VALUE) {
        ::CloseHandle(probe);
        ::DeleteFileA(log.c_str());
        GTEST_SKIP() << log << " can be written on this machine";
    }
    Start("success", log);
    EXPECT_EQ(PressRun(), DisplayState::Green);
    EXPECT_EQ(m_remote->StoredCount(), 1);
    EXPECT_EQ(FindProcessWindow(m_tallyburn.Id(), "#32770", "Tallyburn"), nullptr) << "no message box";
    EXPECT_TRUE(CloseTallyburn()) << "closes, with nowhere to put its lines";
}
