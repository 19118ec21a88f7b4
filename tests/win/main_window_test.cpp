// The main window apart from the cycle: what it reads at start, the clock, "Clear", "Allways on
// top", the sounds and closing.
#include <gtest/gtest.h>

#include "res/resource.h"
#include "tests/support/dialog_harness.h"

namespace {

bool IsTopmost(HWND window) {
    return (::GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
}

}  // namespace

TEST(MainWindowSettings, FirstStartShowsDefaultsAndWritesNothing) {
    DialogHarness harness;
    harness.Open();
    EXPECT_EQ(harness.DisplayText(), "000");
    EXPECT_EQ(harness.ItemText(IDC_ELAPSED), "00:00:00");
    EXPECT_EQ(::IsDlgButtonChecked(harness.Window(), IDC_ALWAYS_ON_TOP), BST_UNCHECKED);
    EXPECT_FALSE(IsTopmost(harness.Window()));
    EXPECT_EQ(::GetFocus(), harness.Item(IDC_RUN));
    // LoadIcon gives the one shared icon of the resource, whoever asks.
    HICON icon = ::LoadIconA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_MAINFRAME));
    ASSERT_NE(icon, nullptr);
    EXPECT_EQ(reinterpret_cast<HICON>(::SendMessageA(harness.Window(), WM_GETICON, ICON_BIG, 0)), icon);
    EXPECT_EQ(reinterpret_cast<HICON>(::SendMessageA(harness.Window(), WM_GETICON, ICON_SMALL, 0)), icon);
    EXPECT_EQ(reinterpret_cast<HICON>(::SendMessageA(harness.Window(), WM_QUERYDRAGICON, 0, 0)), icon);
    harness.Close();
    EXPECT_FALSE(FileExists(harness.IniPath())) << "nothing may be written at start or at exit";
}

// The titles and end_delay show in the cycle (cycle_program_test.cpp, damaged_settings_test.cpp).
TEST(MainWindowSettings, ReadsTheCountAndAlwaysOnTop) {
    DialogHarness harness;
    harness.WriteIni("[setup]\r\ncounter=12\r\nontop=1\r\n");
    harness.Open();
    EXPECT_EQ(harness.DisplayText(), "012");
    EXPECT_EQ(::IsDlgButtonChecked(harness.Window(), IDC_ALWAYS_ON_TOP), BST_CHECKED);
    EXPECT_TRUE(IsTopmost(harness.Window()));
}

TEST(ElapsedTime, FieldCountsWholeSecondBoundariesFromTheStartAtEachTick) {
    DialogHarness harness;
    harness.Fake().SetNowSeconds(500);
    harness.Fake().Advance(999);  // the window opens just before a second boundary
    harness.Open();
    EXPECT_EQ(harness.Fake().TimerPeriod(harness.Window(), CTallyburnDialog::ElapsedTimer), 1000u);
    harness.Fake().Advance(1002);
    ASSERT_TRUE(harness.Tick(CTallyburnDialog::ElapsedTimer));
    EXPECT_EQ(harness.ItemText(IDC_ELAPSED), "00:00:02");
    harness.Fake().SetNowSeconds(500 + 360061);
    harness.Tick(CTallyburnDialog::ElapsedTimer);
    EXPECT_EQ(harness.ItemText(IDC_ELAPSED), "100:01:01");
}

TEST(ClearCommand, OnlyAYesClearsTheCountItsSettingAndTheClock) {
    const struct {
        const char* name;
        int answer;
        bool clears;
    } rows[] = {{"yes", IDYES, true}, {"no", IDNO, false}, {"box that could not be shown", 0, false}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        DialogHarness harness;
        harness.WriteIni("[other]\r\nkeep=me\r\n[setup]\r\ncounter=41\r\n");
        harness.Open();
        harness.Fake().Advance(65'000);
        harness.Tick(CTallyburnDialog::ElapsedTimer);
        const std::string before = harness.Ini();

        harness.Fake().Answer(row.answer);
        harness.Click(IDC_CLEAR);
        ASSERT_EQ(harness.Fake().MessageBoxes().size(), 1u);
        const MessageBoxCall& box = harness.Fake().MessageBoxes()[0];
        EXPECT_EQ(box.text, "Clear counter?");
        EXPECT_EQ(box.caption, "Tallyburn");
        EXPECT_EQ(box.type, 0x124u);
        EXPECT_EQ(box.owner, harness.Window());
        EXPECT_EQ(harness.DisplayText(), row.clears ? "000" : "041");
        EXPECT_EQ(harness.IniInt("counter"), row.clears ? 0 : 41);
        EXPECT_NE(harness.Ini().find("keep=me"), std::string::npos) << "other lines are kept";
        EXPECT_EQ(harness.Ini() == before, !row.clears);
        harness.Fake().Advance(2'000);
        harness.Tick(CTallyburnDialog::ElapsedTimer);
        EXPECT_EQ(harness.ItemText(IDC_ELAPSED), row.clears ? "00:00:02" : "00:01:07");
    }
}

TEST(AlwaysOnTop, TogglingWritesTheSettingAndTheNextStartFollowsIt) {
    DialogHarness harness;
    harness.Open();
    harness.Click(IDC_ALWAYS_ON_TOP);
    EXPECT_EQ(harness.IniInt("ontop"), 1);
    EXPECT_TRUE(IsTopmost(harness.Window()));
    harness.Open();
    EXPECT_EQ(::IsDlgButtonChecked(harness.Window(), IDC_ALWAYS_ON_TOP), BST_CHECKED);
    EXPECT_TRUE(IsTopmost(harness.Window()));

    harness.Click(IDC_ALWAYS_ON_TOP);
    EXPECT_EQ(harness.IniInt("ontop"), 0);
    // Wine keeps WS_EX_TOPMOST after SetWindowPos(HWND_BOTTOM); the setting is what the next start uses.
    harness.Open();
    EXPECT_FALSE(IsTopmost(harness.Window()));
    EXPECT_EQ(::IsDlgButtonChecked(harness.Window(), IDC_ALWAYS_ON_TOP), BST_UNCHECKED);
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

TEST(Closing, OnlyTheSystemCloseCommandEndsTheDialog) {
    DialogHarness harness;
    CTallyburnDialog& dialog = harness.Open();
    harness.PressKey(IDC_RUN, VK_ESCAPE);
    harness.PressKey(IDC_CLEAR, VK_ESCAPE);
    ::SendMessageA(harness.Window(), WM_CLOSE, 0, 0);
    ::SendMessageA(harness.Window(), WM_COMMAND, IDOK, 0);
    ::SendMessageA(harness.Window(), WM_COMMAND, IDCANCEL, 0);
    ::SendMessageA(harness.Window(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
    ::SendMessageA(harness.Window(), WM_SYSCOMMAND, SC_RESTORE, 0);
    harness.Pump();
    EXPECT_FALSE(dialog.HasEnded());
    EXPECT_TRUE(::IsWindowVisible(harness.Window()));

    ::SendMessageA(harness.Window(), WM_SYSCOMMAND, SC_CLOSE, 0);
    harness.Pump();
    EXPECT_TRUE(dialog.HasEnded());
    EXPECT_EQ(dialog.ModalResult(), 1);
}
