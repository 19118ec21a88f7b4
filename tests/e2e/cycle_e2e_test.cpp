// Whole programming cycles and the tool's life as separate processes: what needs the real
// Tallyburn.exe, its modal loop and its settings file, against the real simulator.
#include "tests/e2e/end_to_end.h"

namespace {

bool Topmost(HWND window) {
    return (::GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
}

}  // namespace

TEST_F(EndToEnd, SuccessIsCountedBesideTheExecutableWhateverItsNameAndSurvivesARestart) {
    Start("--outcomes success", "", "Line 3 copy.exe");
    EXPECT_TRUE(
        m_remote->SetCheck(IDC_ALWAYS_ON_TOP, true));  // so the count stays visible above the simulator's windows
    const CycleOutcome outcome = m_remote->PressRun();
    EXPECT_EQ(outcome.state, DisplayState::Green);
    EXPECT_GE(outcome.milliseconds, 1000u) << "the result poll starts after the start delay";
    EXPECT_EQ(m_remote->StoredCount(-1), 1);
    EXPECT_TRUE(Logged("received WM_COMMAND 642"));
    EXPECT_TRUE(Logged("(after WM_CLOSE 1) [program success]"));
    EXPECT_TRUE(Logged("received WM_COMMAND 601"));

    // Escape, WM_CLOSE, OK and Cancel do not end the tool; only the system Close command does.
    ::PostMessageA(::GetDlgItem(m_window, IDC_RUN), WM_KEYDOWN, VK_ESCAPE, 0x00010001);
    for (UINT command : {static_cast<UINT>(IDOK), static_cast<UINT>(IDCANCEL)})
        ::PostMessageA(m_window, WM_COMMAND, command, 0);
    ::PostMessageA(m_window, WM_CLOSE, 0, 0);
    EXPECT_FALSE(m_tallyburn.WaitForExit(1500));
    ASSERT_TRUE(CloseTallyburn());

    StartTallyburn();
    EXPECT_EQ(::IsDlgButtonChecked(m_window, IDC_ALWAYS_ON_TOP), static_cast<UINT>(BST_CHECKED));
    EXPECT_TRUE(Topmost(m_window));
    EXPECT_EQ(m_remote->PressRun().state, DisplayState::Green);
    EXPECT_EQ(m_remote->StoredCount(), 2) << "the count went on from the file";
}

// Each of J-Flash's windows exists hidden with its title for 2.4 s before it shows with its texts
// (halfway), so that the polls after the start delay meet the outcome still being built.
TEST_F(EndToEnd, WindowsBuiltSlowlyAreRetriedCountedAndFailedWithTheirTexts) {
    Start("--build-ms 2400 --outcomes error-jtag:close-delay=300,success,success-alt,error-other",
          "[setup]\r\nontop=1\r\nlog=Tallyburn-log.csv\r\n");
    EXPECT_EQ(m_remote->PressRun().state, DisplayState::Green) << "after a retry";
    EXPECT_EQ(m_remote->PressRun().state, DisplayState::Green);
    EXPECT_EQ(m_remote->PressRun().state, DisplayState::Red);
    EXPECT_EQ(m_remote->StoredCount(), 2);
    ASSERT_TRUE(CloseTallyburn());
    const std::string log = ReadFile(m_folder.File("Tallyburn-log.csv"));
    EXPECT_NE(log.find(",0,Bad JTAG communication: Timeout reading memory.\r\n"), std::string::npos) << log;
    EXPECT_NE(log.find(",0,Target voltage too low."), std::string::npos) << log;
}

TEST_F(EndToEnd, QtGenerationProgramsWithF7WhenEnterIsPressed) {
    Start("--qt --outcomes success", "[setup]\r\nontop=1\r\n");
    // Enter reaches the tool's own message loop, which runs a cycle whichever control has the focus.
    HWND clear = ::GetDlgItem(m_window, IDC_CLEAR);
    ::PostMessageA(clear, WM_KEYDOWN, VK_RETURN, 0x001C0001);
    ASSERT_TRUE(WaitUntil([&] { return !m_remote->RunEnabled(); }));
    EXPECT_TRUE(WaitUntil([&] { return m_remote->RunEnabled() && ReadDisplayState(m_window) == DisplayState::Green; }));
    EXPECT_EQ(m_remote->StoredCount(), 1);
    EXPECT_TRUE(Logged("received WM_KEYDOWN F7"));
    EXPECT_EQ(Occurrences("received WM_COMMAND"), 0) << "no menu commands to the Qt generation";
}

TEST_F(EndToEnd, SuccessWindowLeftOpenByAHangIsNotTakenForTheNextBoard) {
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
