// The programming path of the cycle: start, start delay, result poll, success and its counting.
#include "tests/support/cycle_fixture.h"

TEST_F(CycleTest, SuccessAfterTheStartDelayWaitsEndDelayClosesCountsAndTurnsGreen) {
    ClickRun();
    ExpectRunning();
    EXPECT_EQ(Programmer().Commands(), std::vector<UINT>{642});
    EXPECT_EQ(Timers(), (std::vector<UINT_PTR>{CTallyburnDialog::ElapsedTimer, CTallyburnDialog::StartDelayTimer}));
    EXPECT_EQ(Fake().TimerPeriod(m_harness.Window(), CTallyburnDialog::StartDelayTimer), 1000u);
    EXPECT_EQ(m_harness.IniString("AppTitle"), kTitle) << "learned from J-Flash's title";
    ASSERT_TRUE(Tick(CTallyburnDialog::StartDelayTimer));
    EXPECT_EQ(Timers(), (std::vector<UINT_PTR>{CTallyburnDialog::ResultPollTimer, CTallyburnDialog::ElapsedTimer}));
    EXPECT_EQ(Fake().TimerPeriod(m_harness.Window(), CTallyburnDialog::ResultPollTimer), 100u);

    HWND result = Programmer().Open(kTitle, {kProgramOk});
    Fake().onSleep = [&](DWORD) { EXPECT_TRUE(::IsWindow(result)) << "closed only after the pause"; };
    ASSERT_TRUE(Tick(CTallyburnDialog::ResultPollTimer));
    EXPECT_EQ(Fake().Sleeps(), std::vector<DWORD>{350});
    EXPECT_FALSE(::IsWindow(result));
    ExpectSucceeded(1);
    EXPECT_EQ(Shown(), "001");
    EXPECT_EQ(Sounds(), std::vector<UINT>{IDR_WAVE_START}) << "a success plays no sound";
    EXPECT_EQ(Programmer().Commands(), (std::vector<UINT>{642, 601}));
    EXPECT_EQ(::GetFocus(), m_harness.Item(IDC_RUN));
}

TEST_F(CycleTest, CountsEverySuccessAndShowsAtLeastThreeDigits) {
    m_harness.WriteIni("[setup]\r\ncounter=998\r\nend_delay=0\r\n");
    m_harness.Open();
    for (const char* shown : {"999", "1000"}) {
        StartPolling();
        Programmer().Open(kTitle, {kProgramOk});
        ASSERT_TRUE(Tick(CTallyburnDialog::ResultPollTimer));
        EXPECT_EQ(Shown(), shown);
        EXPECT_EQ(m_harness.IniString("counter"), shown);
    }
    EXPECT_EQ(Fake().Sleeps(), (std::vector<DWORD>{0, 0}));
}

// With the special child it counts too (cycle_built_windows_test.cpp), but only there.
TEST_F(CycleTest, ResultUnderTheAlternativeTitleCountsWithTheText) {
    StartPolling();
    HWND plain = Programmer().Open(std::string(kTitle) + " ", {"anything at all"});
    HWND learned = Programmer().Open(kTitle, {"anything at all"}, true);
    Tick(CTallyburnDialog::ResultPollTimer);
    EXPECT_TRUE(::IsWindow(plain)) << "neither the text nor the special child";
    EXPECT_TRUE(::IsWindow(learned)) << "the special child under the learned title";
    HWND text = Programmer().Open(std::string(kTitle) + " ", {kProgramOk});
    Tick(CTallyburnDialog::ResultPollTimer);
    EXPECT_FALSE(::IsWindow(text));
    ExpectSucceeded(1);
}

// A hand-written title that J-Flash's title contains is kept with its "SEGGER ", while the error and
// warning titles are formed without it.
TEST_F(CycleTest, HandWrittenTitleKeepsItsVendorWhileTheErrorAndWarningTitlesDropIt) {
    m_harness.WriteIni("[setup]\r\nAppTitle=SEGGER J-Flash V7.88c\r\nend_delay=0\r\n");
    m_harness.Open();
    for (const char* title : {"J-Flash V7.88c Error", "J-Flash V7.88c Warning"}) {
        StartPolling();
        HWND window = Programmer().Open(title, {"Target voltage too low."});
        Tick(CTallyburnDialog::ResultPollTimer);
        ExpectFailed();
        ::DestroyWindow(window);
    }
    StartPolling();
    Programmer().Open("SEGGER J-Flash V7.88c", {kProgramOk});
    Tick(CTallyburnDialog::ResultPollTimer);
    ExpectSucceeded(1);
    EXPECT_EQ(m_harness.IniString("AppTitle"), "SEGGER J-Flash V7.88c");
}

TEST_F(CycleTest, FiftyPollsWithoutAnAwaitedWindowFailTheShownWorkingWindowAndOtherTextsDoNot) {
    StartPolling();
    HWND other = Programmer().Open(kTitle, {"Programming aborted by user"});  // neither success nor failure
    for (int tick = 0; tick < 49; ++tick)
        Tick(CTallyburnDialog::ResultPollTimer);
    ExpectRunning();
    HWND working = Programmer().Open("J-Flash", {}, false, true);
    Programmer().BuildStep(working);
    Programmer().BuildStep(working);
    // Another, still being built and in front of it, keeps nothing alive, now or later.
    Programmer().Open("J-Flash", {}, false, true);
    Tick(CTallyburnDialog::ResultPollTimer);  // the working window, once shown, starts the count again
    ::DestroyWindow(working);
    for (int tick = 0; tick < 49; ++tick)
        Tick(CTallyburnDialog::ResultPollTimer);
    ExpectRunning();
    Tick(CTallyburnDialog::ResultPollTimer);
    ExpectFailed();
    EXPECT_TRUE(::IsWindow(other));
    EXPECT_EQ(Shown(), "000");
    EXPECT_EQ(Programmer().Commands(), (std::vector<UINT>{642, 601}));
}

TEST_F(CycleTest, ChecksRunInOrderErrorWarningResultEmulatorAndWhatFailsStaysOpen) {
    StartPolling();
    HWND error = Programmer().Open(std::string(kTitle) + " Error", {"Target voltage too low."});
    HWND warning = Programmer().Open(std::string(kTitle) + " Warning", {"Check the target."});
    HWND result = Programmer().Open(kTitle, {kProgramOk});
    HWND emulator = Programmer().Open(kEmulatorTitle);
    // The failure sound comes after the display has turned red and Run is on.
    Fake().onSound = [&](UINT id) {
        if (id == IDR_WAVE_FAILURE) {
            EXPECT_EQ(Lit(), 0x0000FFu);
            EXPECT_TRUE(RunEnabled());
        }
    };
    Tick(CTallyburnDialog::ResultPollTimer);
    ExpectFailed();
    EXPECT_EQ(Sounds(), (std::vector<UINT>{IDR_WAVE_START, IDR_WAVE_FAILURE}));
    EXPECT_TRUE(::IsWindow(error)) << "error windows stay open for the operator";
    EXPECT_EQ(Programmer().CloseRequests(error), 0);

    ::DestroyWindow(error);
    StartPolling();
    Tick(CTallyburnDialog::ResultPollTimer);
    ExpectFailed();
    EXPECT_TRUE(::IsWindow(warning));
    EXPECT_TRUE(::IsWindow(result)) << "the warning decided before the result was looked at";

    ::DestroyWindow(warning);
    StartPolling();
    Tick(CTallyburnDialog::ResultPollTimer);
    ExpectSucceeded(1);

    StartPolling();
    Tick(CTallyburnDialog::ResultPollTimer);
    ExpectFailed();
    EXPECT_TRUE(::IsWindow(emulator)) << "the emulator selection stays open";
    EXPECT_EQ(m_harness.IniInt("counter"), 1);
}

TEST_F(CycleTest, EnterStartsACycleFromAnyControlEvenWhileOneRuns) {
    m_harness.PressKey(IDC_ALWAYS_ON_TOP, VK_RETURN);
    ExpectRunning();
    m_harness.PressKey(IDC_CLEAR, VK_RETURN);
    EXPECT_EQ(Programmer().Commands(), (std::vector<UINT>{642, 642}));
    EXPECT_EQ(Sounds(), (std::vector<UINT>{IDR_WAVE_START, IDR_WAVE_START}));
}

TEST_F(CycleTest, RunWithoutJFlashShowsTheMessageAndLeavesARunningCycleAlone) {
    Programmer().CloseMain();
    Fake().Answer(IDOK);
    ClickRun();
    ASSERT_EQ(Fake().MessageBoxes().size(), 1u);
    EXPECT_EQ(Fake().MessageBoxes()[0].text, "Cann't find J-Flash Window.");
    EXPECT_EQ(Fake().MessageBoxes()[0].type, static_cast<UINT>(MB_OK | MB_ICONEXCLAMATION));
    EXPECT_TRUE(RunEnabled());
    EXPECT_EQ(Lit(), 0x00FF00u);
    EXPECT_EQ(Timers(), std::vector<UINT_PTR>{CTallyburnDialog::ElapsedTimer});
    EXPECT_TRUE(Sounds().empty());

    Attach(FakeProgrammer::Generation::Dialog);
    StartPolling();
    Programmer().CloseMain();
    Fake().Answer(IDOK);
    m_harness.PressKey(IDC_RUN, VK_RETURN);
    EXPECT_EQ(Fake().MessageBoxes().size(), 2u);
    ExpectRunning();
    EXPECT_TRUE(Fake().TimerRunning(m_harness.Window(), CTallyburnDialog::ResultPollTimer));
}
