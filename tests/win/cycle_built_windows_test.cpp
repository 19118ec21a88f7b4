// J-Flash's message windows are dialogs: each exists with its title, hidden, while its controls are
// made, and only then shows. The cycle judges a window only once it shows, and then as one shown at once.
#include "tests/support/csv_reader.h"
#include "tests/support/cycle_fixture.h"

namespace {

const char kJtag[] = "Bad JTAG communication: Timeout reading memory.";

struct BuiltRow {
    const char* name;
    bool qt;
    const char* title;
    const char* text;
    bool estaticChild;
    CsvRecord logged;  // the event the window ends in, and its cause in the log
};

const BuiltRow kBuiltRows[] = {
    {"RetryableError", false, "J-Flash V7.88c Error", kJtag, false, {"retry", kJtag}},
    {"Error", false, "J-Flash V7.88c Error", "Target voltage too low.", false, {"fail", "Target voltage too low."}},
    {"QtErrorEvenRetryable", true, "J-Flash V7.88c Error", kJtag, false, {"fail", kJtag}},
    {"Warning", false, "J-Flash V7.88c Warning", "Device mismatch", false, {"fail", "Device mismatch"}},
    {"EmulatorSelection",
     false,
     "SEGGER J-Link V7.88c - Emulator selection",
     "",
     false,
     {"fail", "emulator selection"}},
    {"QtEmulatorSelection", true, "J-Link V7.88c Emulator selection", "", false, {"fail", "emulator selection"}},
    {"Result", false, "J-Flash V7.88c", "Target erased, programmed and verified successfully", false, {"pass", ""}},
    {"AlternativeResult", false, "J-Flash V7.88c ", "Done", true, {"pass", ""}},
    {"QtResult", true, "J-Flash V7.88c", "Done", false, {"pass", ""}},
};

class BuiltWindows : public CycleTest, public ::testing::WithParamInterface<BuiltRow> {};

}  // namespace

TEST_P(BuiltWindows, AreJudgedOnlyOnceShownAndThenAsIfShownAtOnce) {
    const BuiltRow& row = GetParam();
    SCOPED_TRACE(row.name);
    Attach(row.qt ? FakeProgrammer::Generation::Qt : FakeProgrammer::Generation::Dialog);
    const std::string log = m_harness.IniPath() + ".csv";
    m_harness.WriteIni("[setup]\r\nend_delay=0\r\nlog=" + log + "\r\n");
    m_harness.Open();
    StartPolling();

    HWND window = Programmer().Open(row.title, {row.text}, row.estaticChild, true);
    for (const char* step : {"title only", "with its texts"}) {
        SCOPED_TRACE(step);
        Tick(CTallyburnDialog::ResultPollTimer);
        ExpectRunning();
        Programmer().BuildStep(window);
    }
    Fake().onSleep = [&](DWORD) { m_harness.Pump(); };
    Tick(CTallyburnDialog::ResultPollTimer);
    const std::string event = row.logged[0];
    if (event == "fail")
        ExpectFailed();
    else if (event == "pass")
        ExpectSucceeded(1);
    else
        ExpectRunning();  // started again
    EXPECT_EQ(Programmer().CloseRequests(window), event == "fail" ? 0 : 1);
    m_harness.Close();
    const std::vector<CsvRecord> records = ReadCsv(ReadFile(log));
    ASSERT_GE(records.size(), 3u) << "header, start, the outcome";
    EXPECT_EQ((CsvRecord{records[2][1], records[2].back()}), row.logged);
}

INSTANTIATE_TEST_SUITE_P(Rows, BuiltWindows, ::testing::ValuesIn(kBuiltRows));
