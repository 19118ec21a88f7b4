// The production log of the main window in the test process: its lines through a CSV reader, a
// writer that blocks, and no trace of it without the key.
#include <windows.h>
// after windows.h
#include <tlhelp32.h>

#include <atomic>
#include <chrono>
#include <memory>
#include <sstream>

#include "app/LogFile.h"
#include "framework/Seams.h"
#include "tests/support/csv_reader.h"
#include "tests/support/cycle_fixture.h"
#include "tests/support/temp_folder.h"

namespace {

using Clock = std::chrono::steady_clock;
const std::string kError = "J-Flash V7.88c Error";
const std::string kWarning = "J-Flash V7.88c Warning";

int ThreadsOfThisProcess() {
    HANDLE snapshot = ::CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0);
    THREADENTRY32 entry{};
    entry.dwSize = sizeof entry;
    int threads = 0;
    for (BOOL more = ::Thread32First(snapshot, &entry); more; more = ::Thread32Next(snapshot, &entry))
        threads += entry.th32OwnerProcessID == ::GetCurrentProcessId() ? 1 : 0;
    ::CloseHandle(snapshot);
    return threads;
}

long long MillisecondsSince(Clock::time_point start) {
    return std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start).count();
}

class ProductionLogTest : public CycleTest {
protected:
    std::string Folder() const { return m_harness.IniPath().substr(0, m_harness.IniPath().rfind('\\')); }
    std::string LogPath() const { return Folder() + "\\production.csv"; }
    void OpenWithLog(const std::string& moreSettings) {
        m_harness.WriteIni("[setup]\r\nlog=" + LogPath() + "\r\n" + moreSettings);
        m_harness.Open();
    }
    // Closes the main window, which ends the log, and reads the log as a spreadsheet would.
    std::vector<CsvRecord> CloseAndReadLog() {
        m_harness.Close();
        return ReadCsv(ReadFile(LogPath()));
    }

    // A pass, a failure, a retry that passes and a Clear, as the operator and J-Flash see them: the
    // timers with their periods, colours, count, sounds and Run after each step, then the waits and
    // the commands.
    std::string RunCycles() {
        const size_t sounds = Sounds().size(), sleeps = Fake().Sleeps().size();
        const size_t commands = Programmer().Commands().size();
        std::ostringstream trace;
        const auto note = [&] {
            for (UINT_PTR id : Timers())
                trace << id << '/' << Fake().TimerPeriod(m_harness.Window(), id) << ' ';
            trace << Unlit() << '/' << Lit() << ' ' << Shown() << ' ' << Sounds().size() - sounds << ' ' << RunEnabled()
                  << '\n';
        };
        const auto cycle = [&](const std::string& title, const char* text) {
            ClickRun();
            note();
            Tick(CTallyburnDialog::StartDelayTimer);
            Programmer().Open(title, {text});
            Fake().onSleep = [&](DWORD) { m_harness.Pump(); };
            Tick(CTallyburnDialog::ResultPollTimer);
            Fake().onSleep = nullptr;
            note();
        };
        cycle(kTitle, kProgramOk);
        cycle(kWarning, "Device mismatch");
        ::SendMessageA(::FindWindowA("#32770", kWarning.c_str()), WM_CLOSE, 0, 0);
        cycle(kError, "Bad JTAG communication: timeout");
        Tick(CTallyburnDialog::StartDelayTimer);
        Programmer().Open(kTitle, {kProgramOk});
        Tick(CTallyburnDialog::ResultPollTimer);
        note();
        Fake().Answer(IDYES);
        m_harness.Click(IDC_CLEAR);
        note();
        for (size_t i = sleeps; i < Fake().Sleeps().size(); ++i)
            trace << Fake().Sleeps()[i] << ' ';
        for (size_t i = commands; i < Programmer().Commands().size(); ++i)
            trace << Programmer().Commands()[i] << ' ';
        return trace.str();
    }
};

}  // namespace

TEST_F(ProductionLogTest, CausesWithFormulaStartCommaQuotesAndLineBreakAndRefusedPostsComeBackThroughACsvReader) {
    OpenWithLog("counter=4\r\n");
    ClickRun();
    Fake().Advance(1000);
    Tick(CTallyburnDialog::StartDelayTimer);
    Fake().Advance(100);
    Programmer().Open(kError, {"- Target \"B1\", not found", "line 1\r\nline 2"});
    Tick(CTallyburnDialog::ResultPollTimer);

    // J-Flash refuses the program command, then the close of a retryable error.
    UINT refused = 642;
    Seams().postMessage = [&](HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        if (message == WM_COMMAND ? wParam == refused : message == refused) {
            ::SetLastError(ERROR_ACCESS_DENIED);
            return FALSE;
        }
        return ::PostMessageA(window, message, wParam, lParam);
    };
    ClickRun();
    refused = WM_CLOSE;
    StartPolling();
    Programmer().Open(kError, {"Bad JTAG communication: timeout"});
    Tick(CTallyburnDialog::ResultPollTimer);

    const std::vector<CsvRecord> rows = CloseAndReadLog();
    ASSERT_EQ(rows.size(), 6u) << "header, start, three failures, stop";
    // Seconds on the fake clock: 1 s of start delay and one poll.
    EXPECT_EQ(CsvRecord(rows[2].begin() + 1, rows[2].end()),
              (CsvRecord{"fail", "4", "1.1", "0", "'- Target \"B1\", not found line 1 line 2"}))
        << "no formula for a spreadsheet";
    EXPECT_EQ(CsvRecord(rows[3].begin() + 1, rows[3].end()), (CsvRecord{"fail", "4", "0.0", "0", "post refused"}));
    EXPECT_EQ(CsvRecord(rows[4].begin() + 1, rows[4].end()), (CsvRecord{"fail", "4", "0.0", "0", "post refused"}));
}

TEST_F(ProductionLogTest, AWriterThatBlocksForFiveSecondsMovesNothingInTheCycle) {
    const std::string withoutLog = RunCycles();

    auto writes = std::make_shared<std::atomic<int>>(0);
    LogFileAppend() = [writes](const std::string&, const std::string&, const std::string&) {
        ++*writes;
        ::Sleep(5000);
        return true;
    };
    OpenWithLog("");
    LogFileAppend() = AppendToLogFile;  // the open log keeps the one that blocks
    const Clock::time_point start = Clock::now();
    EXPECT_EQ(RunCycles(), withoutLog);
    EXPECT_LT(MillisecondsSince(start), 5000) << "the cycle waited for the log";

    const Clock::time_point closing = Clock::now();
    m_harness.Close();
    EXPECT_LT(MillisecondsSince(closing), 5000) << "closing waited for a write that hangs";
    EXPECT_GE(writes->load(), 1);
}

TEST_F(ProductionLogTest, WithoutTheKeyNoThreadStartsAndNoFileAppears) {
    m_harness.Close();
    const int threads = ThreadsOfThisProcess();
    m_harness.Open();
    StartPolling();
    Programmer().Open(kTitle, {kProgramOk});
    Tick(CTallyburnDialog::ResultPollTimer);
    EXPECT_EQ(ThreadsOfThisProcess(), threads);
    m_harness.Close();
    WIN32_FIND_DATAA entry;
    HANDLE find = ::FindFirstFileA((Folder() + "\\*").c_str(), &entry);
    std::vector<std::string> files;
    do {
        if (!(entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
            files.push_back(entry.cFileName);
    } while (::FindNextFileA(find, &entry));
    ::FindClose(find);
    EXPECT_EQ(files, std::vector<std::string>{"Tallyburn.ini"});

    OpenWithLog("");
    EXPECT_EQ(ThreadsOfThisProcess(), threads + 1) << "the count sees the log's thread";
}

TEST(LogFile, TheHeaderStartsAnEmptyFileALineLeftUnfinishedStaysApartAndOverflowFilesAreFoundOldestFirst) {
    const struct {
        const char* name;
        const char* before;
        const char* after;
    } rows[] = {
        {"new file", nullptr, "h\r\na\r\n"},
        {"empty file", "", "h\r\na\r\n"},
        {"whole lines", "h\r\nx\r\n", "h\r\nx\r\na\r\n"},
        // A write cut short and never taken back (a share that went away), or an edit without a final break.
        {"unfinished line", "h\r\nx", "h\r\nx\r\na\r\n"},
    };
    TempFolder folder;
    for (const auto& row : rows) {
        const std::string path = folder.File(std::string(row.name) + ".csv");
        if (row.before)
            WriteFile(path, row.before);
        EXPECT_TRUE(AppendToLogFile(path, "h\r\n", "a\r\n")) << row.name;
        EXPECT_EQ(ReadFile(path), row.after) << row.name;
    }

    for (const char* name :
         {"b-20261207-234124.csv", "B-20261130-080000.CSV", "b-old.csv", "b-20261201-000000.csv.bak"})
        WriteFile(folder.File(name), "h\r\nline\r\n");
    const LogFiles files = LogFilesOnDisk(AppendToLogFile);
    EXPECT_EQ(files.overflowFiles(folder.File("b.csv")),
              (std::vector<std::string>{folder.File("B-20261130-080000.CSV"), folder.File("b-20261207-234124.csv")}));
    std::string text = "x";
    EXPECT_TRUE(files.readEnd(folder.File("b-old.csv"), 6, text));
    EXPECT_EQ(text, "line\r\n");
    EXPECT_TRUE(files.readEnd(folder.File("missing.csv"), 6, text) && text.empty());
}
