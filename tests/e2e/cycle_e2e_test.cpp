// Whole programming cycles: the real Tallyburn.exe and the J-Flash simulator as two processes,
// driven from outside as an operator would, checked through Tallyburn.ini, the screen and the
// simulator's log of what it received.
#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <string>

#include "tests/support/temp_folder.h"
#include "tools/remote/process_control.h"
#include "tools/remote/tool_remote.h"

namespace {

class CycleEndToEnd : public ::testing::Test {
protected:
    // Starts the simulator with the outcomes and Tallyburn on top of it, with a fresh settings file.
    void Start(const std::string& simulatorArgs, const std::string& ini = "[setup]\r\nontop=1\r\n") {
        WriteFile(m_folder.File("Tallyburn.ini"), ini);
        ::CopyFileA((ProgramFolder() + "\\Tallyburn.exe").c_str(), m_folder.File("Tallyburn.exe").c_str(), FALSE);
        ASSERT_TRUE(m_simulator.Start(ProgramFolder() + "\\JFlashSim.exe",
                                      "--work-ms 300 --log \"" + Log() + "\" " + simulatorArgs, m_folder.Path()));
        ASSERT_TRUE(WaitUntil([&] { return ReadFile(Log()).find("outcomes:") != std::string::npos; }));
        ASSERT_TRUE(m_tallyburn.Start(m_folder.File("Tallyburn.exe"), "", m_folder.Path()));
        HWND window = WaitForProcessWindow(m_tallyburn.Id(), "#32770", "Tallyburn 2.1");
        ASSERT_NE(window, nullptr);
        m_remote = std::make_unique<ToolRemote>(window, m_tallyburn.Id(), m_folder.File("Tallyburn.ini"));
    }

    std::string Log() const { return m_folder.File("jflashsim.log"); }
    int Occurrences(const std::string& text) const {
        const std::string log = ReadFile(Log());
        int count = 0;
        for (size_t at = log.find(text); at != std::string::npos; at = log.find(text, at + 1))
            ++count;
        return count;
    }
    // Waits for the simulator to have logged the text this many times (its log trails a little).
    bool Logged(const std::string& text, int times = 1) {
        return WaitUntil([&] { return Occurrences(text) >= times; }, 10000);
    }
    void TearDown() override {
        if (HasFailure())
            std::printf("simulator log:\n%s\n", ReadFile(Log()).c_str());
    }

    TempFolder m_folder;
    ChildProcess m_simulator;
    ChildProcess m_tallyburn;
    std::unique_ptr<ToolRemote> m_remote;
};

}  // namespace

TEST_F(CycleEndToEnd, SuccessCountsPersistsAndEndsTheCycle) {
    Start("--outcomes success");
    const CycleOutcome outcome = m_remote->PressRun();
    EXPECT_TRUE(outcome.finished);
    EXPECT_EQ(outcome.state, DisplayState::Green);
    EXPECT_EQ(m_remote->StoredCount(-1), 1);
    EXPECT_TRUE(Logged("received WM_COMMAND 642"));
    EXPECT_TRUE(Logged("(after WM_CLOSE 1)"));
    EXPECT_TRUE(Logged("received WM_COMMAND 601"));
    EXPECT_GE(outcome.milliseconds, 1000u) << "the result poll starts after the start delay";
}

TEST_F(CycleEndToEnd, FiveSuccessesInARowCountFive) {
    Start("--outcomes success", "[setup]\r\nontop=1\r\nend_delay=0\r\ncounter=7\r\n");
    for (int run = 1; run <= 5; ++run) {
        const CycleOutcome outcome = m_remote->PressRun();
        ASSERT_TRUE(outcome.finished) << run;
        EXPECT_EQ(outcome.state, DisplayState::Green) << run;
        EXPECT_EQ(m_remote->StoredCount(), 7 + run);
    }
    EXPECT_EQ(Occurrences("received WM_COMMAND 642"), 5);
}

TEST_F(CycleEndToEnd, ErrorsAndWarningsFailWithoutCounting) {
    Start("--outcomes error-other,warning");
    CycleOutcome outcome = m_remote->PressRun();
    EXPECT_EQ(outcome.state, DisplayState::Red);
    EXPECT_EQ(m_remote->StoredCount(-1), -1) << "nothing written";
    HWND error = ::FindWindowA("#32770", "J-Flash V7.88c Error");
    ASSERT_NE(error, nullptr) << "the error stays open for the operator";
    ::PostMessageA(error, WM_SYSCOMMAND, SC_CLOSE, 0);
    ASSERT_TRUE(WaitUntil([&] { return !::IsWindow(error); }));

    outcome = m_remote->PressRun();
    EXPECT_EQ(outcome.state, DisplayState::Red);
    EXPECT_NE(::FindWindowA("#32770", "J-Flash V7.88c Warning"), nullptr);
    EXPECT_EQ(m_remote->StoredCount(-1), -1);
    EXPECT_TRUE(Logged("received WM_COMMAND 601", 2));
}

TEST_F(CycleEndToEnd, SuccessWindowLeftOpenByAHangIsNotTakenForTheNextBoard) {
    Start("--outcomes success:hang=outcome/6000,success", "[setup]\r\nontop=1\r\nend_delay=0\r\n");
    CycleOutcome outcome = m_remote->PressRun();
    EXPECT_EQ(outcome.state, DisplayState::Green) << "counted although its close timed out";
    EXPECT_EQ(m_remote->StoredCount(), 1);
    ASSERT_NE(::FindWindowA("#32770", "J-Flash V7.88c"), nullptr) << "J-Flash hangs as it closes";

    outcome = m_remote->PressRun();  // the next board, with the first board's window still open
    EXPECT_EQ(outcome.state, DisplayState::Green);
    EXPECT_EQ(m_remote->StoredCount(), 2);
    EXPECT_TRUE(Logged("(after WM_CLOSE 1) [program success]", 2)) << "the second board's own result was taken";
}

TEST_F(CycleEndToEnd, RetryableErrorThatClearsRestartsAndThenSucceeds) {
    Start("--outcomes error-jtag:close-delay=300,success");
    const CycleOutcome outcome = m_remote->PressRun();
    EXPECT_TRUE(outcome.finished);
    EXPECT_EQ(outcome.state, DisplayState::Green);
    EXPECT_EQ(m_remote->StoredCount(), 1);
    EXPECT_EQ(Occurrences("received WM_COMMAND 642"), 2) << "programming started again";
}

TEST_F(CycleEndToEnd, SilenceFailsAfterAboutFiveSeconds) {
    Start("--outcomes silent");
    const CycleOutcome outcome = m_remote->PressRun();
    EXPECT_EQ(outcome.state, DisplayState::Red);
    // 1 s start delay, the working window (0.3 s), then 50 polls of 100 ms without any awaited window.
    EXPECT_GE(outcome.milliseconds, 5000u);
    EXPECT_LE(outcome.milliseconds, 30000u);
    EXPECT_EQ(m_remote->StoredCount(-1), -1);
}

TEST_F(CycleEndToEnd, QtGenerationProgramsWithF7) {
    Start("--qt --outcomes success");
    const CycleOutcome outcome = m_remote->PressRun();
    EXPECT_EQ(outcome.state, DisplayState::Green);
    EXPECT_EQ(m_remote->StoredCount(), 1);
    EXPECT_TRUE(Logged("received WM_KEYDOWN F7"));
    EXPECT_EQ(Occurrences("received WM_COMMAND"), 0) << "no menu commands to the Qt generation";
}

TEST_F(CycleEndToEnd, EraseChipErasesUnsecuresThenPrograms) {
    Start("--outcomes success");
    ClickButton(::FindWindowA("#32770", "Tallyburn 2.1"), 1006);
    ASSERT_TRUE(
        WaitUntil([&] { return ::IsDlgButtonChecked(::FindWindowA("#32770", "Tallyburn 2.1"), 1006) == BST_CHECKED; }));
    const CycleOutcome outcome = m_remote->PressRun();
    EXPECT_EQ(outcome.state, DisplayState::Green);
    EXPECT_EQ(m_remote->StoredCount(), 1);
    const std::string log = ReadFile(Log());
    const size_t erase = log.find("received WM_COMMAND 633");
    const size_t unsecure = log.find("received WM_COMMAND 626");
    const size_t program = log.find("received WM_COMMAND 642");
    ASSERT_NE(erase, std::string::npos);
    ASSERT_NE(unsecure, std::string::npos);
    ASSERT_NE(program, std::string::npos);
    EXPECT_LT(erase, unsecure);
    EXPECT_LT(unsecure, program);
}

TEST_F(CycleEndToEnd, RunSaysJFlashIsMissingOnlyWhenItIs) {
    Start("--outcomes success");
    CycleOutcome outcome = m_remote->PressRun();
    EXPECT_FALSE(outcome.missingJFlash);
    EXPECT_EQ(outcome.state, DisplayState::Green);

    ::PostMessageA(::FindWindowA("MainWindow", nullptr), WM_SYSCOMMAND, SC_CLOSE, 0);
    ASSERT_TRUE(m_simulator.WaitForExit());
    outcome = m_remote->PressRun();
    EXPECT_TRUE(outcome.missingJFlash);
    EXPECT_EQ(m_remote->StoredCount(), 1);
}
