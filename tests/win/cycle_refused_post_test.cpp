// J-Flash running elevated denies Tallyburn's posts: the cycle fails at once instead of retrying.
#include "framework/Seams.h"
#include "tests/support/cycle_fixture.h"

namespace {

struct RefusedRow {
    const char* name;  // where the refusal strikes
    FakeProgrammer::Generation generation;
    bool erase;
    UINT message;  // the one message J-Flash's window refuses
    WPARAM wParam;
    bool startSound;  // the cycle had started before the refusal
};

void PrintTo(const RefusedRow& row, std::ostream* out) {
    *out << row.name;
}

const RefusedRow kRefusedRows[] = {
    {"ProgramCommandAtRun", FakeProgrammer::Generation::Dialog, false, WM_COMMAND, 642, false},
    {"F7AtRun", FakeProgrammer::Generation::Qt, false, WM_KEYDOWN, VK_F7, false},
    {"EraseCommandAtRun", FakeProgrammer::Generation::Dialog, true, WM_COMMAND, 633, false},
    {"UnsecureCommandAfterErasing", FakeProgrammer::Generation::Dialog, true, WM_COMMAND, 626, true},
    {"ProgramCommandAfterUnsecuring", FakeProgrammer::Generation::Dialog, true, WM_COMMAND, 642, true},
    {"CloseOfARetryableError", FakeProgrammer::Generation::Dialog, false, WM_CLOSE, 0, true},
};

class RefusedPost : public CycleTest, public ::testing::WithParamInterface<RefusedRow> {};

}  // namespace

TEST_P(RefusedPost, FailsTheCycleAtOnce) {
    const RefusedRow& row = GetParam();
    Attach(row.generation);
    int refusals = 0;
    Seams().postMessage = [&](HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        if (message == row.message && wParam == row.wParam) {
            ++refusals;
            ::SetLastError(ERROR_ACCESS_DENIED);
            return FALSE;
        }
        return ::PostMessageA(window, message, wParam, lParam);
    };
    if (row.erase)
        CheckErase();
    ClickRun();
    if (row.erase && row.message == WM_COMMAND && row.wParam != 633) {
        Programmer().Open(kTitle, {kEraseOk});
        Tick(CTallyburnDialog::ErasePollTimer);
        if (row.wParam == 642) {
            Programmer().Open(kTitle, {kUnsecureOk});
            Tick(CTallyburnDialog::ErasePollTimer);
        }
    }
    if (row.message == WM_CLOSE) {
        Tick(CTallyburnDialog::StartDelayTimer);
        Programmer().Open(std::string(kTitle) + " Error", {"Bad JTAG communication: Timeout reading memory."});
        Tick(CTallyburnDialog::ResultPollTimer);
    }

    ExpectFailed();  // red, Run on, the failure sound last, no timer of the cycle left
    EXPECT_EQ(refusals, 1) << "not retried";
    EXPECT_TRUE(Fake().Sleeps().empty()) << "no retry waits, no looks for a closing error window";
    EXPECT_EQ(Sounds().size(), row.startSound ? 2u : 1u);
    EXPECT_EQ(Shown(), "000");
}

INSTANTIATE_TEST_SUITE_P(Rows,
                         RefusedPost,
                         ::testing::ValuesIn(kRefusedRows),
                         [](const ::testing::TestParamInfo<RefusedRow>& info) { return std::string(info.param.name); });
