// The simulator's faults, seen from another process: ending abruptly, closing its main window and
// hanging at the three moments, outcome windows shown twice or with over-long texts, and an outcome
// list given from outside.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "sim_process.h"

using namespace simtest;

namespace {

const char kSuccessText[] = "Target erased, programmed and verified successfully";
const DWORD kAbruptExitCode = 3;

// Sends WM_CLOSE and gives up after |timeoutMs|; true when it was answered in time.
bool SendCloseWithin(HWND window, UINT timeoutMs) {
    DWORD_PTR result = 0;
    return SendMessageTimeoutA(window, WM_CLOSE, 0, 0, SMTO_NORMAL, timeoutMs, &result) != 0;
}

}  // namespace

TEST(SimulatorExit, OnCommandEndsTheProcessBeforeAnyWindow) {
    Sim sim("--work-ms 300 --outcomes success:exit=on-command");
    ASSERT_NE(nullptr, sim.Main());
    sim.Program();
    EXPECT_EQ(kAbruptExitCode, sim.WaitForExit());
    EXPECT_FALSE(IsWindow(sim.Main()));
    const std::string log = sim.Log();
    EXPECT_NE(std::string::npos, log.find("fault exit=on-command as the command arrives: the process ends abruptly"));
    EXPECT_NE(std::string::npos, log.find("simulator ends abruptly (exit code 3)"));
    EXPECT_EQ(0, Count(log, "opened "));
    EXPECT_EQ(std::string::npos, log.find("simulator ends\n")) << "no orderly end";
}

TEST(SimulatorExit, WorkingTakesTheJFlashWindowAlong) {
    Sim sim("--work-ms 1500 --outcomes success:exit=working");
    ASSERT_NE(nullptr, sim.Main());
    sim.Program();
    HWND working = sim.WaitForWindow("J-Flash");
    ASSERT_NE(nullptr, working);
    EXPECT_EQ(kAbruptExitCode, sim.WaitForExit());
    EXPECT_FALSE(IsWindow(working));
    const std::string log = sim.Log();
    EXPECT_NE(std::string::npos, log.find("closed #32770 \"J-Flash\" (process ends abruptly) [program working]"));
    EXPECT_EQ(1, Count(log, "opened ")) << "no outcome window";
}

TEST(SimulatorExit, OutcomeEndsTheProcessWhileASentCloseWaits) {
    Sim sim("--work-ms 50 --outcomes success:exit=outcome");
    ASSERT_NE(nullptr, sim.Main());
    sim.Program();
    HWND result = sim.WaitForWindow(sim.AppTitle());
    ASSERT_NE(nullptr, result);
    ASSERT_NE(nullptr, ChildWithText(result, kSuccessText));
    const DWORD start = GetTickCount();
    SendCloseWithin(result, 15000);
    EXPECT_LT(GetTickCount() - start, 10000u) << "the sender is released when the process ends";
    EXPECT_EQ(kAbruptExitCode, sim.WaitForExit());
    EXPECT_FALSE(IsWindow(result));
    EXPECT_NE(std::string::npos, sim.Log().find("closed #32770 \"" + sim.AppTitle() +
                                                "\" (after WM_CLOSE 1, process ends abruptly) [program success]"));
}

TEST(SimulatorExit, AUsersCloseMeetsAnOutcomeFaultToo) {
    Sim sim("--work-ms 50 --outcomes warning:twice:exit=outcome");
    ASSERT_NE(nullptr, sim.Main());
    sim.Program();
    HWND warning = sim.WaitForWindow(sim.AppTitle() + " Warning");
    ASSERT_NE(nullptr, warning);
    PostMessageA(warning, WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_EQ(kAbruptExitCode, sim.WaitForExit());
    const std::string log = sim.Log();
    EXPECT_EQ(1, Count(log, "(by the user, process ends abruptly) [program warning]"));
    EXPECT_EQ(1, Count(log, "(process ends abruptly) [program warning]")) << "the twin goes with the process";
}

TEST(SimulatorCloseMain, WorkingClosesEveryWindowAndEndsNormally) {
    Sim sim("--work-ms 1500 --outcomes success:close-main=working");
    ASSERT_NE(nullptr, sim.Main());
    sim.Program();
    HWND working = sim.WaitForWindow("J-Flash");
    ASSERT_NE(nullptr, working);
    EXPECT_EQ(0u, sim.WaitForExit());
    EXPECT_FALSE(IsWindow(working));
    const std::string log = sim.Log();
    EXPECT_NE(std::string::npos, log.find("fault close-main=working while \"J-Flash\" shows: the main window closes"));
    EXPECT_NE(std::string::npos, log.find("closed #32770 \"J-Flash\" (with the main window) [program working]"));
    EXPECT_NE(std::string::npos, log.find("simulator ends"));
}

TEST(SimulatorCloseMain, OnCommandOfASilentOutcomeOpensNothing) {
    Sim sim("--work-ms 50 --outcomes silent:close-main=on-command", true);
    ASSERT_NE(nullptr, sim.Main());
    sim.Program();
    EXPECT_EQ(0u, sim.WaitForExit());
    EXPECT_EQ(0, Count(sim.Log(), "opened "));
}

TEST(SimulatorCloseMain, OutcomeAnswersTheCloseThenGoesWithTheMainWindow) {
    Sim sim("--work-ms 50 --outcomes success:close-main=outcome");
    ASSERT_NE(nullptr, sim.Main());
    sim.Program();
    HWND result = sim.WaitForWindow(sim.AppTitle());
    ASSERT_NE(nullptr, result);
    EXPECT_TRUE(SendCloseWithin(result, 10000));
    EXPECT_EQ(0u, sim.WaitForExit());
    EXPECT_FALSE(IsWindow(result));
    const std::string log = sim.Log();
    EXPECT_NE(std::string::npos, log.find("WM_CLOSE 1 to #32770 \"" + sim.AppTitle() + "\": left open"));
    EXPECT_NE(std::string::npos, log.find("closed #32770 \"" + sim.AppTitle() +
                                          "\" (after WM_CLOSE 1, with the main window) [program success]"));
}

TEST(SimulatorHang, OutcomeLeavesASentCloseUnansweredThenCloses) {
    Sim sim("--work-ms 50 --outcomes success:hang=outcome/3000");
    ASSERT_NE(nullptr, sim.Main());
    sim.Program();
    HWND result = sim.WaitForWindow(sim.AppTitle());
    ASSERT_NE(nullptr, result);
    EXPECT_FALSE(SendCloseWithin(result, 300));
    EXPECT_FALSE(Answers(sim.Main(), 300)) << "the whole thread sleeps";
    EXPECT_TRUE(IsWindow(result));
    EXPECT_TRUE(WaitGone(result)) << "the close is answered after the hang";
    EXPECT_EQ(static_cast<DWORD>(STILL_ACTIVE), sim.WaitForExit(0));
    const std::string log = sim.Log();
    EXPECT_NE(std::string::npos, log.find("(after WM_CLOSE 1): stops answering for 3000 ms"));
    EXPECT_NE(std::string::npos, log.find("fault hang=outcome/3000: answers again"));
    EXPECT_NE(std::string::npos,
              log.find("closed #32770 \"" + sim.AppTitle() + "\" (after WM_CLOSE 1) [program success]"));
}

TEST(SimulatorHang, OnCommandDelaysTheWholeOperation) {
    Sim sim("--work-ms 50 --outcomes warning:hang=on-command/3000");
    ASSERT_NE(nullptr, sim.Main());
    sim.Program();
    ASSERT_TRUE(sim.WaitForLog("stops answering for 3000 ms"));
    EXPECT_FALSE(Answers(sim.Main(), 300));
    EXPECT_EQ(nullptr, sim.FindOwnWindow(sim.MessageClass(), "J-Flash"));
    EXPECT_NE(nullptr, sim.WaitForWindow(sim.AppTitle() + " Warning"));
    const std::string log = sim.Log();
    EXPECT_LT(log.find("answers again"), log.find("opened #32770 \"J-Flash\""));
}

TEST(SimulatorHang, WorkingKeepsTheJFlashWindowShowing) {
    Sim sim("--work-ms 400 --outcomes success:hang=working/3000", true);
    ASSERT_NE(nullptr, sim.Main());
    sim.Program();
    HWND working = sim.WaitForWindow("J-Flash");
    ASSERT_NE(nullptr, working);
    ASSERT_TRUE(sim.WaitForLog("fault hang=working/3000 while \"J-Flash\" shows: stops answering"));
    EXPECT_FALSE(Answers(sim.Main(), 300));
    EXPECT_TRUE(IsWindow(working));
    EXPECT_NE(nullptr, sim.WaitForWindow(sim.AppTitle()));
    EXPECT_FALSE(IsWindow(working));
}

TEST(SimulatorTwice, TwoIdenticalWindowsCloseOneByOne) {
    Sim sim("--work-ms 50 --outcomes success:twice");
    ASSERT_NE(nullptr, sim.Main());
    sim.Program();
    ASSERT_TRUE(WaitUntil([&] { return sim.VisibleWindowCount() == 3; }));
    HWND first = FindWindowA("#32770", sim.AppTitle().c_str());
    ASSERT_NE(nullptr, first);
    EXPECT_NE(nullptr, ChildWithText(first, kSuccessText));
    EXPECT_TRUE(SendCloseWithin(first, 10000));
    EXPECT_FALSE(IsWindow(first));
    HWND second = FindWindowA("#32770", sim.AppTitle().c_str());
    ASSERT_NE(nullptr, second) << "the twin stays";
    EXPECT_NE(nullptr, ChildWithText(second, kSuccessText));
    PostMessageA(second, WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_TRUE(WaitGone(second));
    const std::string log = sim.Log();
    EXPECT_EQ(2, Count(log, "(result): Target erased, programmed and verified successfully [program success]"));
    EXPECT_EQ(1, Count(log, "(after WM_CLOSE 1) [program success]"));
    EXPECT_EQ(1, Count(log, "(by the user) [program success]"));
}

TEST(SimulatorLongWindows, TitleAndTextGoPast259Characters) {
    Sim sim("--work-ms 50 --outcomes success:long-title:long-text");
    ASSERT_NE(nullptr, sim.Main());
    sim.Program();
    HWND result = nullptr;
    ASSERT_TRUE(WaitUntil([&] {
        result = sim.FindOwnWindow("#32770", nullptr);
        return result && StartsWith(TitleOf(result), sim.AppTitle());
    }));
    const std::string title = TitleOf(result);
    EXPECT_EQ(300u, title.size());
    EXPECT_TRUE(StartsWith(title, sim.AppTitle() + " ")) << title;
    EXPECT_EQ(nullptr, FindWindowA("#32770", sim.AppTitle().c_str())) << "no window under the plain title";
    HWND text = ChildWithText(result, kSuccessText);
    ASSERT_NE(nullptr, text);
    EXPECT_EQ(300u, TitleOf(text).size());
    PostMessageA(result, WM_CLOSE, 0, 0);
    EXPECT_TRUE(WaitGone(result));
}

TEST(SimulatorOutcomeList, ReplacedByAnotherProgram) {
    Sim sim("--work-ms 50 --outcomes success --once");
    ASSERT_NE(nullptr, sim.Main());
    EXPECT_FALSE(sim.SetOutcomes("success,bogus"));
    ASSERT_TRUE(sim.WaitForLog("outcome list refused: unknown outcome \"bogus\""));
    ASSERT_TRUE(sim.SetOutcomes("warning,error-pc"));
    sim.Program();
    HWND warning = sim.WaitForWindow(sim.AppTitle() + " Warning");
    ASSERT_NE(nullptr, warning);
    PostMessageA(warning, WM_CLOSE, 0, 0);
    ASSERT_TRUE(WaitGone(warning));
    sim.Program();
    HWND error = sim.WaitForWindow(sim.AppTitle() + " Error");
    ASSERT_NE(nullptr, error);
    EXPECT_NE(nullptr, ChildWithText(error, "PC of target system"));
    PostMessageA(error, WM_CLOSE, 0, 0);
    ASSERT_TRUE(WaitGone(error));
    sim.Program();
    EXPECT_TRUE(sim.WaitForLog("program ends silently")) << "the list given ends as --once says";
}
