// The erase path of the dialog generation: erase, unsecure, then program.
#include "tests/support/cycle_fixture.h"

namespace {
const std::string kTitleText = "J-Flash V7.88c";
}

TEST_F(CycleTest, EraseUnsecureProgramSucceeds) {
    CheckErase();
    ClickRun();
    ExpectRunning();
    EXPECT_EQ(Programmer().Commands(), std::vector<UINT>{633});
    EXPECT_EQ(Timers(), (std::vector<UINT_PTR>{CTallyburnDialog::ErasePollTimer, CTallyburnDialog::ElapsedTimer}));
    EXPECT_EQ(Fake().TimerPeriod(m_harness.Window(), CTallyburnDialog::ErasePollTimer), 100u);

    Tick(CTallyburnDialog::ErasePollTimer);      // nothing yet: the poll goes on without limit
    Programmer().Open(kTitleText + " Warning");  // not looked for while erasing
    HWND erased = Programmer().Open(kTitleText, {kEraseOk});
    Tick(CTallyburnDialog::ErasePollTimer);
    EXPECT_FALSE(::IsWindow(erased));
    EXPECT_EQ(Programmer().Commands(), (std::vector<UINT>{633, 626}));

    HWND error = Programmer().Open(kTitleText + " Error", {"anything"});  // not looked for while unsecuring
    Programmer().Open(kEmulatorTitle);
    Tick(CTallyburnDialog::ErasePollTimer);
    ExpectRunning();
    ::DestroyWindow(error);
    ::DestroyWindow(::FindWindowA("#32770", kEmulatorTitle));
    ::DestroyWindow(::FindWindowA("#32770", (kTitleText + " Warning").c_str()));

    HWND unsecured = Programmer().Open(kTitleText, {kUnsecureOk});
    Tick(CTallyburnDialog::ErasePollTimer);
    EXPECT_FALSE(::IsWindow(unsecured));
    EXPECT_EQ(Programmer().Commands(), (std::vector<UINT>{633, 626, 642}));
    EXPECT_EQ(Timers(), (std::vector<UINT_PTR>{CTallyburnDialog::ElapsedTimer, CTallyburnDialog::StartDelayTimer}));

    Tick(CTallyburnDialog::StartDelayTimer);
    Programmer().Open(kTitleText, {kProgramOk});
    Tick(CTallyburnDialog::ResultPollTimer);
    ExpectSucceeded(1);
    EXPECT_EQ(Programmer().Commands(), (std::vector<UINT>{633, 626, 642, 601}));
    EXPECT_EQ(Sounds(), std::vector<UINT>{IDR_WAVE_START});
}

TEST_F(CycleTest, ErrorOrEmulatorSelectionWhileErasingFails) {
    CheckErase();
    ClickRun();
    Programmer().Open(kTitleText + " Error", {"Bad JTAG communication: x"});
    Tick(CTallyburnDialog::ErasePollTimer);
    ExpectFailed();
    EXPECT_EQ(Programmer().Commands(), (std::vector<UINT>{633, 601}));
    ::DestroyWindow(::FindWindowA("#32770", (kTitleText + " Error").c_str()));

    ClickRun();
    Programmer().Open(kEmulatorTitle);
    Tick(CTallyburnDialog::ErasePollTimer);
    ExpectFailed();
}

TEST_F(CycleTest, EraseResultAndEmulatorSelectionTogetherUnsecureThenFail) {
    CheckErase();
    ClickRun();
    HWND erased = Programmer().Open(kTitleText, {kEraseOk});
    Programmer().Open(kEmulatorTitle);
    Tick(CTallyburnDialog::ErasePollTimer);
    EXPECT_FALSE(::IsWindow(erased));
    EXPECT_EQ(Programmer().Commands(), (std::vector<UINT>{633, 626, 601}));
    ExpectFailed();
}

// Enter starts a cycle over a running one: a timer of the first keeps running until the cycle ends.
TEST_F(CycleTest, StaleStartDelayDuringErasingIsIgnoredAndTheEndStopsIt) {
    ClickRun();  // programming path: timer 4 runs
    CheckErase();
    m_harness.PressKey(IDC_RUN, VK_RETURN);  // erase path: timer 4 of the first cycle keeps running
    EXPECT_TRUE(Fake().TimerRunning(m_harness.Window(), CTallyburnDialog::StartDelayTimer));
    Programmer().Open(kTitleText, {kEraseOk});
    Tick(CTallyburnDialog::ErasePollTimer);
    ASSERT_EQ(Programmer().Commands(), (std::vector<UINT>{642, 633, 626}));

    Tick(CTallyburnDialog::StartDelayTimer);  // starts timer 1 beside timer 2
    EXPECT_TRUE(Fake().TimerRunning(m_harness.Window(), CTallyburnDialog::ResultPollTimer));
    HWND warning = Programmer().Open(kTitleText + " Warning");
    for (int tick = 0; tick < 60; ++tick)
        Tick(CTallyburnDialog::ResultPollTimer);
    ExpectRunning();  // ignored while unsecuring: neither the warning nor 50 polls without a window

    // The unsecure result starts the delay of this cycle while timer 1 still runs: success stops both.
    ::DestroyWindow(warning);
    Programmer().Open(kTitleText, {kUnsecureOk});
    Tick(CTallyburnDialog::ErasePollTimer);
    Programmer().Open(kTitleText, {kProgramOk});
    Tick(CTallyburnDialog::ResultPollTimer);
    ExpectSucceeded(1);
}
