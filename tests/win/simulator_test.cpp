// Drives JFlashSim.exe, started as a separate process from the directory of this test program, through
// its windows with plain Win32 calls, the way a controller does, and checks the windows it shows.
// Its faults are tested in simulator_faults_test.cpp.
#include <windows.h>

#include <gtest/gtest.h>

#include <cctype>
#include <cstdio>
#include <memory>
#include <string>

#include "sim_process.h"

using namespace simtest;

TEST(SimulatorMainWindow, FoundByClassAndTitleInBothGenerations) {
    for (bool qt : {false, true}) {
        Sim sim("--work-ms 50", qt);
        ASSERT_TRUE(sim.Started());
        ASSERT_NE(nullptr, sim.Main()) << "qt=" << qt;
        EXPECT_EQ(sim.MainClass(), ClassOf(sim.Main()));
        EXPECT_EQ(sim.MainTitle(), TitleOf(sim.Main()));
        EXPECT_TRUE(IsTopLevel(sim.Main()));
    }
}

TEST(SimulatorMainWindow, RawTitlesNameTheOutcomeWindows) {
    // With two " - " the outcome windows take the part before the first; without one, the whole title.
    const std::string titles[][2] = {{"SEGGER J-Flash ARM Vraw1 - a - b", "J-Flash ARM Vraw1"},
                                     {"SEGGER J-Flash Vraw2", "J-Flash Vraw2"}};
    for (const auto& title : titles) {
        Sim sim("--work-ms 50", false, title[0]);
        ASSERT_NE(nullptr, sim.Main()) << title[0];
        EXPECT_EQ(title[0], TitleOf(sim.Main()));
        sim.Program();
        HWND result = sim.WaitForWindow(title[1]);
        ASSERT_NE(nullptr, result) << title[0];
        SendMessageA(result, WM_CLOSE, 0, 0);
    }
}

TEST(SimulatorCommands, ProgramShowsTheWorkingWindowThenTheResult) {
    Sim sim("--work-ms 1500");
    ASSERT_NE(nullptr, sim.Main());
    PostMessageA(sim.Main(), WM_COMMAND, 642, 0);
    HWND working = sim.WaitForWindow("J-Flash");
    ASSERT_NE(nullptr, working);
    HWND result = sim.WaitForWindow(sim.AppTitle());
    ASSERT_NE(nullptr, result);
    EXPECT_FALSE(IsWindow(working)) << "the working window closes before the outcome shows";
    EXPECT_NE(nullptr, ChildWithText(result, "Target erased, programmed and verified successfully"));
    EXPECT_EQ(result, FindWindowA("#32770", sim.AppTitle().c_str()));

    // A sent WM_CLOSE has closed the result window by the time it returns.
    SendMessageA(result, WM_CLOSE, 0, 0);
    EXPECT_FALSE(IsWindow(result));
    std::string log = sim.Log();
    EXPECT_NE(std::string::npos, log.find("received WM_COMMAND 642 (program)"));
    EXPECT_NE(std::string::npos, log.find("opened #32770 \"J-Flash\" (working)"));
    EXPECT_NE(std::string::npos, log.find("WM_CLOSE 1 to #32770 \"" + sim.AppTitle() + "\": closes"));
}

TEST(SimulatorCommands, EraseAndUnsecureShowTheirTexts) {
    Sim sim("--work-ms 50");
    ASSERT_NE(nullptr, sim.Main());
    const std::pair<WPARAM, const char*> steps[] = {{633, "Erase operation completed successfully"},
                                                    {626, "Chip unsecured successfully"},
                                                    {642, "Target erased, programmed and verified successfully"}};
    for (const auto& step : steps) {
        PostMessageA(sim.Main(), WM_COMMAND, step.first, 0);
        HWND result = sim.WaitForWindow(sim.AppTitle());
        ASSERT_NE(nullptr, result) << step.first;
        EXPECT_NE(nullptr, ChildWithText(result, step.second)) << step.first;
        SendMessageA(result, WM_CLOSE, 0, 0);
        ASSERT_FALSE(IsWindow(result));
    }
    PostMessageA(sim.Main(), WM_COMMAND, 601, 0);
    EXPECT_TRUE(sim.WaitForLog("received WM_COMMAND 601 (end)"));
}

TEST(SimulatorCommands, QtGenerationProgramsOnF7AndIgnoresMenuCommands) {
    Sim sim("--work-ms 50", true);
    ASSERT_NE(nullptr, sim.Main());
    PostMessageA(sim.Main(), WM_COMMAND, 642, 0);
    ASSERT_TRUE(sim.WaitForLog("ignored: the Qt generation takes no menu commands"));
    PostKey(sim.Main(), VK_F7);
    HWND result = sim.WaitForWindow(sim.AppTitle());
    ASSERT_NE(nullptr, result);
    EXPECT_EQ(result, FindWindowA("QWidget", sim.AppTitle().c_str()));
    EXPECT_NE(nullptr, ChildWithText(result, "Target erased, programmed and verified successfully"));
    char keyDown[80];
    snprintf(keyDown, sizeof keyDown, "received WM_KEYDOWN F7 (vk 0x76, lParam 0x%08lX)",
             static_cast<unsigned long>(MapVirtualKeyA(VK_F7, 0) << 16 | 1));
    EXPECT_NE(std::string::npos, sim.Log().find(keyDown));
    EXPECT_TRUE(sim.WaitForLog("received WM_KEYUP F7"));
    EXPECT_EQ(1, Count(sim.Log(), "program starts"));
}

TEST(SimulatorCommands, DialogGenerationIgnoresF7AndCommandsWhileBusy) {
    Sim sim("--work-ms 2000 --outcomes success,warning --once");
    ASSERT_NE(nullptr, sim.Main());
    PostKey(sim.Main(), VK_F7);
    ASSERT_TRUE(sim.WaitForLog("ignored: the dialog generation programs on WM_COMMAND 642"));
    PostMessageA(sim.Main(), WM_COMMAND, 642, 0);
    PostMessageA(sim.Main(), WM_COMMAND, 633, 0);
    EXPECT_TRUE(sim.WaitForLog("ignored: busy with program"));
    HWND result = sim.WaitForWindow(sim.AppTitle());
    ASSERT_NE(nullptr, result);
    EXPECT_NE(nullptr, ChildWithText(result, "Target erased, programmed"));
    SendMessageA(result, WM_CLOSE, 0, 0);

    // The ignored erase took no outcome: the next operation gets the second one, the third none.
    PostMessageA(sim.Main(), WM_COMMAND, 642, 0);
    HWND warning = sim.WaitForWindow(sim.AppTitle() + " Warning");
    ASSERT_NE(nullptr, warning);
    PostMessageA(warning, WM_CLOSE, 0, 0);
    ASSERT_TRUE(WaitGone(warning));
    PostMessageA(sim.Main(), WM_COMMAND, 642, 0);
    ASSERT_TRUE(sim.WaitForLog("program ends silently"));
    EXPECT_EQ(1, sim.VisibleWindowCount());
}

struct OutcomeCase {
    const char* outcome;
    bool qt;
    const char* titleSuffix;  // appended to the learned title; null: the emulator-selection title
    const char* childClass;
    const char* childText;  // prefix of the message child's text
};

void PrintTo(const OutcomeCase& c, std::ostream* out) {
    *out << (c.qt ? "Qt " : "dialog ") << c.outcome;
}

class SimulatorOutcomes : public testing::TestWithParam<OutcomeCase> {};

TEST_P(SimulatorOutcomes, ShowExactlyTheirWindow) {
    const OutcomeCase& c = GetParam();
    Sim sim(std::string("--work-ms 50 --outcomes ") + c.outcome, c.qt);
    ASSERT_NE(nullptr, sim.Main());
    std::string title = c.titleSuffix ? sim.AppTitle() + c.titleSuffix
                        : c.qt        ? "J-Link " + sim.Version() + " Emulator selection"
                                      : "SEGGER J-Link " + sim.Version() + " - Emulator selection";
    sim.Program();
    HWND window = sim.WaitForWindow(title);
    ASSERT_NE(nullptr, window) << title;
    EXPECT_EQ(title, TitleOf(window));
    EXPECT_EQ(sim.MessageClass(), ClassOf(window));
    EXPECT_TRUE(IsTopLevel(window));
    HWND child = ChildWithText(window, c.childText);
    ASSERT_NE(nullptr, child) << c.childText;
    EXPECT_EQ(c.childClass, ClassOf(child));
    if (std::string(c.outcome) != "success") {
        EXPECT_EQ(nullptr, ChildWithText(window, "Target erased, programmed and verified successfully"));
    }
    if (std::string(c.outcome) != "success-alt") {
        EXPECT_EQ(nullptr, ChildOfClass(window, "ESTATIC_WindowClass"));
    }
    EXPECT_EQ(2, sim.VisibleWindowCount()) << "the main window and the outcome window, nothing else";
    PostMessageA(window, WM_CLOSE, 0, 0);
    EXPECT_TRUE(WaitGone(window));
}

INSTANTIATE_TEST_SUITE_P(
    Kinds,
    SimulatorOutcomes,
    testing::Values(OutcomeCase{"success", false, "", "Static", "Target erased, programmed and verified successfully"},
                    OutcomeCase{"success-alt", false, " ", "ESTATIC_WindowClass", "Done: program"},
                    OutcomeCase{"error-ram", false, " Error", "Static", "RAM check failed @ address 0x"},
                    OutcomeCase{"error-pc", false, " Error", "Static",
                                "PC of target system has unexpected value after checking target RAM."},
                    OutcomeCase{"error-jtag", false, " Error", "Static", "Bad JTAG communication: Timeout"},
                    OutcomeCase{"error-other", false, " Error", "Static", "Target voltage too low."},
                    OutcomeCase{"warning", false, " Warning", "Static", "The connected device"},
                    OutcomeCase{"emulator", false, nullptr, "Static", "More than one emulator"},
                    OutcomeCase{"wrong-text", false, "", "Static", "Target programmed, verify skipped."},
                    OutcomeCase{"success", true, "", "Static", "Target erased, programmed and verified successfully"},
                    OutcomeCase{"success-alt", true, " ", "ESTATIC_WindowClass", "Done: program"},
                    OutcomeCase{"error-jtag", true, " Error", "Static", "Bad JTAG communication:"},
                    OutcomeCase{"warning", true, " Warning", "Static", "The connected device"},
                    OutcomeCase{"emulator", true, nullptr, "Static", "More than one emulator"}),
    [](const testing::TestParamInfo<OutcomeCase>& info) {
        std::string name = std::string(info.param.qt ? "Qt_" : "Dialog_") + info.param.outcome;
        for (char& ch : name) {
            ch = isalnum(static_cast<unsigned char>(ch)) ? ch : '_';
        }
        return name;
    });

TEST(SimulatorOutcomesSilent, ShowsOnlyTheWorkingWindow) {
    Sim sim("--work-ms 300 --outcomes silent");
    ASSERT_NE(nullptr, sim.Main());
    sim.Program();
    HWND working = sim.WaitForWindow("J-Flash");
    ASSERT_NE(nullptr, working);
    ASSERT_TRUE(sim.WaitForLog("program ends silently"));
    EXPECT_FALSE(IsWindow(working));
    EXPECT_EQ(1, sim.VisibleWindowCount());
}

class SimulatorClose : public testing::Test {
protected:
    // Starts a simulator whose first program operation ends in |outcome|, and shows its error window.
    HWND OpenError(const std::string& outcome) {
        m_sim.reset(new Sim("--work-ms 50 --outcomes " + outcome));
        if (!m_sim->Main()) {
            return nullptr;
        }
        m_sim->Program();
        return m_sim->WaitForWindow(m_sim->AppTitle() + " Error");
    }
    std::string Request(int n) const { return "WM_CLOSE " + std::to_string(n) + " to #32770 \""; }

    std::unique_ptr<Sim> m_sim;
};

TEST_F(SimulatorClose, RetryableErrorClosesAtTheFirstRequestByDefault) {
    HWND error = OpenError("error-jtag");
    ASSERT_NE(nullptr, error);
    PostMessageA(error, WM_CLOSE, 0, 0);
    EXPECT_TRUE(WaitGone(error));
}

TEST_F(SimulatorClose, StayIgnoresRequestsButNotTheUser) {
    HWND error = OpenError("error-jtag:stay");
    ASSERT_NE(nullptr, error);
    PostMessageA(error, WM_CLOSE, 0, 0);
    SendMessageA(error, WM_CLOSE, 0, 0);
    ASSERT_TRUE(m_sim->WaitForLog(Request(2)));
    EXPECT_TRUE(IsWindow(error));
    EXPECT_NE(std::string::npos, m_sim->Log().find("stays open (stay)"));
    PostMessageA(error, WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_TRUE(WaitGone(error));
    EXPECT_TRUE(m_sim->WaitForLog("(by the user)"));
}

TEST_F(SimulatorClose, CloseDelayClosesLater) {
    HWND error = OpenError("error-pc:close-delay=1500");
    ASSERT_NE(nullptr, error);
    SendMessageA(error, WM_CLOSE, 0, 0);
    EXPECT_TRUE(IsWindow(error)) << "still open when the request returns";
    EXPECT_TRUE(WaitGone(error));
    EXPECT_TRUE(m_sim->WaitForLog("(1500 ms after WM_CLOSE 1)"));
}

TEST(SimulatorRecord, TellsEveryWindowItsCloseRequestsByKindAndTheFaults) {
    Sim sim("--work-ms 50 --outcomes success:stay,warning:hang=outcome/300");
    ASSERT_NE(nullptr, sim.Main());
    sim.Program();
    HWND result = sim.WaitForWindow(sim.AppTitle());
    ASSERT_NE(nullptr, result);
    SendMessageA(result, WM_CLOSE, 0, 0);
    PostMessageA(result, WM_CLOSE, 0, 0);
    PostMessageA(result, WM_SYSCOMMAND, SC_CLOSE, 0);
    ASSERT_TRUE(WaitGone(result));
    sim.Program();
    HWND warning = sim.WaitForWindow(sim.AppTitle() + " Warning");
    ASSERT_NE(nullptr, warning);
    PostMessageA(warning, WM_COMMAND, IDOK, 0);
    ASSERT_TRUE(WaitGone(warning));
    const std::string t = sim.AppTitle();
    EXPECT_EQ("open\t1\tprogram\tworking\t#32770\tJ-Flash\nclosed\t1\twork done\n"
              "open\t2\tprogram\tsuccess\t#32770\t" + t + "\n"
              "close\t2\tsent\nclose\t2\tposted\nclose\t2\tuser\nclosed\t2\tby the user\n"
              "open\t3\tprogram\tworking\t#32770\tJ-Flash\nclosed\t3\twork done\n"
              "open\t4\tprogram\twarning\t#32770\t" + t + " Warning\n"
              "close\t4\tuser\nfault\thang\toutcome\tprogram\t4\nclosed\t4\tby the user\n",
              sim.Record());
}
