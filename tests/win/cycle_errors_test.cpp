// Errors during programming: retryable ones restart the cycle, all others fail it.
#include <algorithm>

#include "tests/support/cycle_fixture.h"

namespace {
const std::string kError = std::string("J-Flash V7.88c") + " Error";
}

TEST_F(CycleTest, RetryableErrorThatClosesRestartsTheCycle) {
    const char* texts[] = {"RAM check failed @ address 0x20000000",
                           "PC of target system has unexpected value after checking target RAM.",
                           "Bad JTAG communication: Timeout reading memory."};
    for (int counted = 0; counted < 3; ++counted) {
        const char* text = texts[counted];
        StartPolling();
        HWND error = Programmer().Open(kError, {text});
        Programmer().SetCloseMode(error, FakeProgrammer::CloseMode::AfterRequests, 1);
        const size_t sleepsBefore = Fake().Sleeps().size();
        int looks = 0;
        Fake().onSleep = [&](DWORD) {
            // The posted close arrives with the third look.
            if (++looks == 3)
                m_harness.Pump();
        };
        Tick(CTallyburnDialog::ResultPollTimer);
        Fake().onSleep = nullptr;

        EXPECT_FALSE(::IsWindow(error)) << text;
        ASSERT_EQ(Fake().Sleeps().size() - sleepsBefore, 3u) << text;
        EXPECT_EQ(Fake().Sleeps().back(), 100u);
        ExpectRunning();
        EXPECT_EQ(Sounds().back(), static_cast<UINT>(IDR_WAVE_START)) << "the restart plays the start sound";
        EXPECT_EQ(Timers(), (std::vector<UINT_PTR>{CTallyburnDialog::ElapsedTimer, CTallyburnDialog::StartDelayTimer}));
        EXPECT_EQ(m_harness.IniInt("counter", 0), counted) << "not counted by the retry";

        // The restarted cycle goes on to succeed, and counts once.
        Tick(CTallyburnDialog::StartDelayTimer);
        Programmer().Open("J-Flash V7.88c", {"Target erased, programmed and verified successfully"});
        Tick(CTallyburnDialog::ResultPollTimer);
        ExpectSucceeded(counted + 1);
    }
    EXPECT_EQ(std::count(Programmer().Commands().begin(), Programmer().Commands().end(), 642u), 2 * 3);
}

TEST_F(CycleTest, RetryableErrorThatStaysFailsAfterNinetyNineLooks) {
    StartPolling();
    HWND error = Programmer().Open(kError, {"Bad JTAG communication: Timeout reading memory."});
    Programmer().SetCloseMode(error, FakeProgrammer::CloseMode::Never);
    Fake().onSleep = [&](DWORD) { m_harness.Pump(); };
    Tick(CTallyburnDialog::ResultPollTimer);
    EXPECT_EQ(Fake().Sleeps(), std::vector<DWORD>(99, 100));
    EXPECT_EQ(Programmer().CloseRequests(error), 1) << "asked once to close";
    EXPECT_TRUE(::IsWindow(error));
    ExpectFailed();
    EXPECT_EQ(Sounds().size(), 2u) << "no restart";
}

TEST_F(CycleTest, ErrorsWithoutARetryableTextFailAtOnceAndStayOpen) {
    StartPolling();
    HWND error = Programmer().Open(kError, {"Target voltage too low.", "RAM check failed"});
    Tick(CTallyburnDialog::ResultPollTimer);
    ExpectFailed();
    EXPECT_EQ(Programmer().CloseRequests(error), 0);
    EXPECT_TRUE(Fake().Sleeps().empty());
}

TEST_F(CycleTest, RestartThatNoLongerFindsJFlashEndsAsAFailure) {
    StartPolling();
    HWND error = Programmer().Open(kError, {"RAM check failed @ address 0x0"});
    Fake().onSleep = [&](DWORD) {
        // J-Flash goes away altogether while the error window is being closed.
        m_harness.Pump();
        Programmer().CloseMain();
    };
    Fake().Answer(IDOK);
    Tick(CTallyburnDialog::ResultPollTimer);
    EXPECT_FALSE(::IsWindow(error));
    ASSERT_EQ(Fake().MessageBoxes().size(), 1u);
    EXPECT_EQ(Fake().MessageBoxes()[0].text, "Cann't find J-Flash Window.");
    ExpectFailed();
    EXPECT_EQ(::GetFocus(), m_harness.Item(IDC_RUN));
    EXPECT_EQ(Programmer().Commands(), std::vector<UINT>{642}) << "nothing posted to the missing window";
}
