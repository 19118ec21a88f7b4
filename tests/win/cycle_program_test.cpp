// The programming path of the cycle: start, start delay, result poll, success and its counting.
#include "tests/support/cycle_fixture.h"

using Generation = FakeProgrammer::Generation;

TEST_F(CycleTest, RunStartsProgrammingAndTheStartDelay) {
    ClickRun();
    ExpectRunning();
    EXPECT_EQ(Programmer().Commands(), std::vector<UINT>{642});
    EXPECT_EQ(Timers(), (std::vector<UINT_PTR>{CTallyburnDialog::ElapsedTimer, CTallyburnDialog::StartDelayTimer}));
    EXPECT_EQ(Fake().TimerPeriod(m_harness.Window(), CTallyburnDialog::StartDelayTimer), 1000u);
    EXPECT_EQ(Sounds(), std::vector<UINT>{IDR_WAVE_START});
    EXPECT_STREQ(Dialog().m_appTitle, kTitle);

    ASSERT_TRUE(Tick(CTallyburnDialog::StartDelayTimer));
    EXPECT_EQ(Timers(), (std::vector<UINT_PTR>{CTallyburnDialog::ResultPollTimer, CTallyburnDialog::ElapsedTimer}));
    EXPECT_EQ(Fake().TimerPeriod(m_harness.Window(), CTallyburnDialog::ResultPollTimer), 100u);
}

TEST_F(CycleTest, SuccessWaitsEndDelayClosesTheWindowCountsAndTurnsGreen) {
    StartPolling();
    ASSERT_TRUE(Tick(CTallyburnDialog::ResultPollTimer));
    HWND result = Programmer().Open(kTitle, {kProgramOk});
    Fake().onSleep = [&](DWORD) { EXPECT_TRUE(::IsWindow(result)) << "closed only after the pause"; };
    ASSERT_TRUE(Tick(CTallyburnDialog::ResultPollTimer));

    EXPECT_EQ(Fake().Sleeps(), std::vector<DWORD>{350});
    EXPECT_FALSE(::IsWindow(result));
    ExpectSucceeded(1);
    EXPECT_STREQ(Dialog().m_display.m_text, "001");
    EXPECT_EQ(Sounds(), std::vector<UINT>{IDR_WAVE_START}) << "a success plays no sound";
    EXPECT_EQ(Programmer().Commands(), (std::vector<UINT>{642, 601}));
    EXPECT_EQ(::GetFocus(), m_harness.Item(IDC_RUN));
}

TEST_F(CycleTest, CountsEverySuccessAndShowsAtLeastThreeDigits) {
    m_harness.WriteIni("[setup]\r\ncounter=6\r\nend_delay=0\r\n");
    m_harness.Open();
    for (int expected : {7, 8}) {
        StartPolling();
        Programmer().Open(kTitle, {kProgramOk});
        ASSERT_TRUE(Tick(CTallyburnDialog::ResultPollTimer));
        ExpectSucceeded(expected);
    }
    EXPECT_STREQ(Dialog().m_display.m_text, "008");
    EXPECT_EQ(Fake().Sleeps(), (std::vector<DWORD>{0, 0}));

    m_harness.WriteIni("[setup]\r\ncounter=999\r\n");
    m_harness.Open();
    StartPolling();
    Programmer().Open(kTitle, {kProgramOk});
    Tick(CTallyburnDialog::ResultPollTimer);
    EXPECT_STREQ(Dialog().m_display.m_text, "1000");
    EXPECT_EQ(m_harness.IniString("counter"), "1000");
}

TEST_F(CycleTest, ResultWithoutTheSuccessTextNeitherSucceedsNorFails) {
    StartPolling();
    HWND result = Programmer().Open(kTitle, {"Programming aborted by user"});
    for (int tick = 0; tick < 10; ++tick)
        Tick(CTallyburnDialog::ResultPollTimer);
    EXPECT_TRUE(::IsWindow(result));
    ExpectRunning();
    EXPECT_EQ(Dialog().m_missingPolls, 10);
}

TEST_F(CycleTest, AlternativeTitleWithTheSpecialChildIsASuccessWhateverItSays) {
    StartPolling();
    HWND result = Programmer().Open(std::string(kTitle) + " ", {"anything at all"}, true);
    Tick(CTallyburnDialog::ResultPollTimer);
    EXPECT_FALSE(::IsWindow(result));
    ExpectSucceeded(1);

    StartPolling();
    HWND plain = Programmer().Open(std::string(kTitle) + " ", {kProgramOk});
    Tick(CTallyburnDialog::ResultPollTimer);
    EXPECT_FALSE(::IsWindow(plain)) << "the success text counts under the alternative title too";
    ExpectSucceeded(2);
}

TEST_F(CycleTest, FiftyPollsWithoutAnyAwaitedWindowFailTheWorkingWindowResetsTheCount) {
    StartPolling();
    for (int tick = 0; tick < 49; ++tick)
        Tick(CTallyburnDialog::ResultPollTimer);
    ExpectRunning();
    HWND working = Programmer().Open("J-Flash");
    Tick(CTallyburnDialog::ResultPollTimer);
    EXPECT_EQ(Dialog().m_missingPolls, 0);
    ::DestroyWindow(working);
    for (int tick = 0; tick < 49; ++tick)
        Tick(CTallyburnDialog::ResultPollTimer);
    ExpectRunning();
    Tick(CTallyburnDialog::ResultPollTimer);
    ExpectFailed();
    EXPECT_EQ(Dialog().m_counter, 0);
    EXPECT_EQ(Programmer().Commands(), (std::vector<UINT>{642, 601}));
}

TEST_F(CycleTest, ChecksRunInOrderErrorWarningResultEmulator) {
    StartPolling();
    HWND error = Programmer().Open(std::string(kTitle) + " Error", {"Target voltage too low."});
    HWND warning = Programmer().Open(std::string(kTitle) + " Warning", {"Check the target."});
    HWND result = Programmer().Open(kTitle, {kProgramOk});
    HWND emulator = Programmer().Open(kEmulatorTitle);
    Tick(CTallyburnDialog::ResultPollTimer);
    ExpectFailed();
    EXPECT_TRUE(::IsWindow(error)) << "error windows stay open for the operator";

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
    EXPECT_TRUE(::IsWindow(emulator));

    StartPolling();
    Tick(CTallyburnDialog::ResultPollTimer);
    ExpectFailed();
    EXPECT_TRUE(::IsWindow(emulator)) << "the emulator selection stays open";
    EXPECT_EQ(Dialog().m_counter, 1);
}

TEST_F(CycleTest, FailureSoundFollowsTheRedDisplayAndTheEnabledButton) {
    StartPolling();
    Programmer().Open(std::string(kTitle) + " Warning");
    bool checked = false;
    Fake().onSound = [&](UINT id) {
        if (id != IDR_WAVE_FAILURE)
            return;
        checked = true;
        EXPECT_EQ(Lit(), 0x0000FFu);
        EXPECT_TRUE(RunEnabled());
    };
    Tick(CTallyburnDialog::ResultPollTimer);
    EXPECT_TRUE(checked);
    EXPECT_EQ(Sounds(), (std::vector<UINT>{IDR_WAVE_START, IDR_WAVE_FAILURE}));
}

TEST_F(CycleTest, EnterStartsACycleFromAnyControl) {
    m_harness.PressKey(IDC_ALWAYS_ON_TOP, VK_RETURN);
    ExpectRunning();
    EXPECT_EQ(Programmer().Commands(), std::vector<UINT>{642});
    // Enter again while the cycle runs starts it again: nothing stops a second press.
    m_harness.PressKey(IDC_CLEAR, VK_RETURN);
    EXPECT_EQ(Programmer().Commands(), (std::vector<UINT>{642, 642}));
    EXPECT_EQ(Sounds(), (std::vector<UINT>{IDR_WAVE_START, IDR_WAVE_START}));
}

TEST_F(CycleTest, RunWhileJFlashIsMissingLeavesARunningCycleAlone) {
    StartPolling();
    Programmer().CloseMain();
    Fake().Answer(IDOK);
    Dialog().Run();
    EXPECT_EQ(Fake().MessageBoxes().size(), 1u);
    ExpectRunning();
    EXPECT_TRUE(Fake().TimerRunning(m_harness.Window(), CTallyburnDialog::ResultPollTimer));
}
