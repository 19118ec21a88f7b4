// A J-Flash that vanishes, hangs or refuses messages never leaves Tallyburn stuck.
#include <gtest/gtest.h>

#include <chrono>

#include "automation/WindowProbe.h"
#include "framework/Seams.h"
#include "tests/support/cycle_fixture.h"
#include "tests/support/temp_folder.h"
#include "tools/remote/process_control.h"

namespace {

template <class Call>
long long MillisecondsOf(Call call) {
    const auto start = std::chrono::steady_clock::now();
    call();
    return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start).count();
}

}  // namespace

// Wine waits for the whole hang when WM_GETTEXTLENGTH goes to another process's hung window, so this
// needs a real second process: the simulator, hung as it takes a command.
TEST(HungProgrammer, ReadingAndClosingAnotherProcesssHungWindowAreBounded) {
    TempFolder folder;
    ChildProcess simulator;
    ASSERT_TRUE(simulator.Start(ProgramFolder() + "\\JFlashSim.exe", "--outcomes success:hang=on-command/20000",
                                folder.Path()));
    HWND main = WaitForProcessWindow(simulator.Id(), "MainWindow", nullptr);
    ASSERT_NE(main, nullptr);
    CString text;
    EXPECT_NE(std::string(ReadWindowText(main, text)).find("SEGGER J-Flash "), std::string::npos) << "it answers";

    ::PostMessageA(main, WM_COMMAND, 642, 0);
    ASSERT_TRUE(WaitUntil([&] { return !Answers(main, 100); }, 5000));
    EXPECT_LT(MillisecondsOf([&] { ReadWindowText(main, text); }), 10000) << "not the whole 20 s hang";
    EXPECT_STREQ(text, "") << "an unanswered read gives an empty text";
    EXPECT_LT(MillisecondsOf([&] { EXPECT_EQ(SendClose(main), 0); }), 10000);
    EXPECT_TRUE(::IsWindow(main));
}

TEST(RefusingQueue, FullQueueIsRetriedForAboutFiveSecondsDeniedAccessNotAtAll) {
    FakeSeams fake;
    FakeProgrammer programmer;
    int refusals = 0;
    DWORD error = ERROR_NOT_ENOUGH_QUOTA;
    Seams().postMessage = [&](HWND, UINT, WPARAM, LPARAM) {
        ++refusals;
        ::SetLastError(error);
        return FALSE;
    };
    EXPECT_EQ(PostCommand(programmer.Main(), 642), PostResult::Gone);
    EXPECT_EQ(refusals, 100);
    EXPECT_EQ(fake.Sleeps(), std::vector<DWORD>(99, 50)) << "about 5 s of retries, then given up";

    refusals = 0;
    error = ERROR_ACCESS_DENIED;
    EXPECT_EQ(PressKey(programmer.Main(), VK_F7), PostResult::Refused);
    EXPECT_EQ(PostClose(programmer.Main()), PostResult::Refused);
    EXPECT_EQ(refusals, 2) << "one attempt each, and no key-up after a refused key-down";
    EXPECT_EQ(fake.Sleeps().size(), 99u) << "a denied post is not retried";

    refusals = 0;
    Seams().postMessage = [&](HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        ::SetLastError(ERROR_NOT_ENOUGH_QUOTA);
        return ++refusals <= 3 ? FALSE : ::PostMessageA(window, message, wParam, lParam);
    };
    EXPECT_EQ(PressKey(programmer.Main(), VK_F7), PostResult::Posted) << "a queue that takes the message again";
    EXPECT_EQ(refusals, 5);
}

TEST_F(CycleTest, EraseAndUnsecurePollsWaitWithoutLimitButFailOnceJFlashIsGone) {
    for (int stage : {0, 1}) {
        SCOPED_TRACE(stage);
        Attach(FakeProgrammer::Generation::Dialog);
        CheckErase();
        ClickRun();
        if (stage == 1)
            Programmer().Open(kTitle, {kEraseOk});
        for (int tick = 0; tick < 200; ++tick)
            Tick(CTallyburnDialog::ErasePollTimer);
        ExpectRunning();
        Programmer().CloseMain();
        Tick(CTallyburnDialog::ErasePollTimer);
        ExpectFailed();
        EXPECT_EQ(Programmer().Commands().size(), stage + 1u) << "nothing posted to the missing window";
    }
}

TEST_F(CycleTest, ProgrammingWithoutJFlashFailsAfterFiftyPollsWithoutPostingTheEnd) {
    StartPolling();
    Programmer().CloseMain();
    for (int tick = 0; tick < 50; ++tick)
        Tick(CTallyburnDialog::ResultPollTimer);
    ExpectFailed();
    EXPECT_EQ(Programmer().Commands(), std::vector<UINT>{642});
}
