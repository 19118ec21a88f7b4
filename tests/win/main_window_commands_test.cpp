// "Clear", "Allways on top", the keyboard and closing.
#include <gtest/gtest.h>

#include "res/resource.h"
#include "tests/support/dialog_harness.h"

namespace {

bool IsTopmost(HWND window) {
    return (::GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
}

}  // namespace

TEST(ClearCommand, AnsweredNoKeepsCountSettingsAndClock) {
    DialogHarness harness;
    harness.WriteIni("[setup]\r\ncounter=41\r\n");
    CTallyburnDialog& dialog = harness.Open();
    harness.Fake().Advance(65'000);
    harness.Tick(CTallyburnDialog::ElapsedTimer);
    const std::string before = harness.Ini();

    harness.Fake().Answer(IDNO);
    harness.Click(IDC_CLEAR);

    ASSERT_EQ(harness.Fake().MessageBoxes().size(), 1u);
    const MessageBoxCall& box = harness.Fake().MessageBoxes()[0];
    EXPECT_EQ(box.text, "Clear counter?");
    EXPECT_EQ(box.caption, "Tallyburn");
    EXPECT_EQ(box.type, 0x124u);
    EXPECT_EQ(box.owner, harness.Window());
    EXPECT_EQ(dialog.m_counter, 41);
    EXPECT_STREQ(dialog.m_display.m_text, "041");
    EXPECT_EQ(harness.Ini(), before);
    EXPECT_EQ(harness.ItemText(IDC_ELAPSED), "00:01:05");
    harness.Tick(CTallyburnDialog::ElapsedTimer);
    EXPECT_EQ(harness.ItemText(IDC_ELAPSED), "00:01:05") << "the stopwatch must not restart";
}

TEST(ClearCommand, AnsweredYesClearsCountSettingAndClock) {
    DialogHarness harness;
    harness.WriteIni("[other]\r\nkeep=me\r\n[setup]\r\ncounter=41\r\nontop=0\r\n");
    CTallyburnDialog& dialog = harness.Open();
    harness.Fake().Advance(3'000);
    harness.Tick(CTallyburnDialog::ElapsedTimer);

    harness.Fake().Answer(IDYES);
    harness.Click(IDC_CLEAR);

    EXPECT_EQ(dialog.m_counter, 0);
    EXPECT_EQ(harness.IniInt("counter"), 0);
    EXPECT_NE(harness.Ini().find("keep=me"), std::string::npos) << "other lines are kept";
    EXPECT_STREQ(dialog.m_display.m_text, "000");
    EXPECT_EQ(harness.ItemText(IDC_ELAPSED), "00:00:00");
    harness.Fake().Advance(2'000);
    harness.Tick(CTallyburnDialog::ElapsedTimer);
    EXPECT_EQ(harness.ItemText(IDC_ELAPSED), "00:00:02");
}

TEST(ClearCommand, FailedQuestionBoxClearsNothing) {
    DialogHarness harness;
    harness.WriteIni("[setup]\r\ncounter=9\r\n");
    CTallyburnDialog& dialog = harness.Open();
    harness.Fake().Answer(0);  // MessageBox could not be shown
    harness.Click(IDC_CLEAR);
    EXPECT_EQ(dialog.m_counter, 9);
    EXPECT_EQ(harness.IniInt("counter"), 9);
}

TEST(AlwaysOnTop, TogglingWritesSettingAndChangesTopmostBand) {
    DialogHarness harness;
    harness.Open();
    ASSERT_FALSE(IsTopmost(harness.Window()));

    harness.Click(IDC_ALWAYS_ON_TOP);
    EXPECT_EQ(harness.IniInt("ontop"), 1);
    EXPECT_TRUE(IsTopmost(harness.Window()));

    harness.Click(IDC_ALWAYS_ON_TOP);
    EXPECT_EQ(harness.IniInt("ontop"), 0);
    // Wine keeps WS_EX_TOPMOST after SetWindowPos(HWND_BOTTOM); the setting is what the next start uses.
    harness.Open();
    EXPECT_FALSE(IsTopmost(harness.Window()));
    EXPECT_EQ(::IsDlgButtonChecked(harness.Window(), IDC_ALWAYS_ON_TOP), BST_UNCHECKED);
}

TEST(AlwaysOnTop, RememberedAcrossRestarts) {
    DialogHarness harness;
    harness.Open();
    harness.Click(IDC_ALWAYS_ON_TOP);
    harness.Open();
    EXPECT_EQ(::IsDlgButtonChecked(harness.Window(), IDC_ALWAYS_ON_TOP), BST_CHECKED);
    EXPECT_TRUE(IsTopmost(harness.Window()));
}

TEST(Closing, OnlyTheSystemCloseCommandEndsTheDialog) {
    DialogHarness harness;
    CTallyburnDialog& dialog = harness.Open();

    harness.PressKey(IDC_RUN, VK_ESCAPE);
    harness.PressKey(IDC_CLEAR, VK_ESCAPE);
    ::SendMessageA(harness.Window(), WM_CLOSE, 0, 0);
    ::SendMessageA(harness.Window(), WM_COMMAND, IDOK, 0);
    ::SendMessageA(harness.Window(), WM_COMMAND, IDCANCEL, 0);
    harness.Pump();
    EXPECT_FALSE(dialog.HasEnded());
    EXPECT_TRUE(::IsWindowVisible(harness.Window()));

    ::SendMessageA(harness.Window(), WM_SYSCOMMAND, SC_CLOSE, 0);
    harness.Pump();
    EXPECT_TRUE(dialog.HasEnded());
    EXPECT_EQ(dialog.ModalResult(), 1);
}

TEST(Closing, MinimiseAndRestoreDoNotEndTheDialog) {
    DialogHarness harness;
    CTallyburnDialog& dialog = harness.Open();
    ::SendMessageA(harness.Window(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
    harness.Pump();
    EXPECT_TRUE(::IsIconic(harness.Window()));
    ::SendMessageA(harness.Window(), WM_SYSCOMMAND, SC_RESTORE, 0);
    harness.Pump();
    EXPECT_FALSE(::IsIconic(harness.Window()));
    EXPECT_FALSE(dialog.HasEnded());
    EXPECT_EQ(reinterpret_cast<HICON>(::SendMessageA(harness.Window(), WM_QUERYDRAGICON, 0, 0)), dialog.m_icon);
    EXPECT_EQ(reinterpret_cast<HICON>(::SendMessageA(harness.Window(), WM_GETICON, ICON_BIG, 0)), dialog.m_icon);
}

TEST(RunButton, EnableRunSwitchesTheButtonAndFocusesIt) {
    DialogHarness harness;
    CTallyburnDialog& dialog = harness.Open();
    ::SetFocus(harness.Item(IDC_CLEAR));
    dialog.EnableRun(false);
    EXPECT_FALSE(::IsWindowEnabled(harness.Item(IDC_RUN)));
    dialog.EnableRun(true);
    EXPECT_TRUE(::IsWindowEnabled(harness.Item(IDC_RUN)));
    EXPECT_EQ(::GetFocus(), harness.Item(IDC_RUN));
}

TEST(Sounds, PlayedAsynchronouslyFromTheExecutablesWaveResources) {
    DialogHarness harness;
    CTallyburnDialog& dialog = harness.Open();
    dialog.PlayStartSound();
    dialog.PlayFailureSound();
    ASSERT_EQ(harness.Fake().Sounds().size(), 2u);
    EXPECT_EQ(harness.Fake().Sounds()[0].resource, 129u);
    EXPECT_EQ(harness.Fake().Sounds()[1].resource, 130u);
    for (const SoundCall& call : harness.Fake().Sounds()) {
        EXPECT_EQ(call.flags, 0x40005u);
        EXPECT_EQ(call.module, ::GetModuleHandleA(nullptr));
    }
}
