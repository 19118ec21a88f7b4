// The main window's start: what it reads from Tallyburn.ini and what it shows.
#include <gtest/gtest.h>

#include "res/resource.h"
#include "tests/support/dialog_harness.h"

namespace {

bool IsTopmost(HWND window) {
    return (::GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
}

}  // namespace

TEST(MainWindowSettings, FirstStartWithoutSettingsFileShowsDefaultsAndWritesNothing) {
    DialogHarness harness;
    CTallyburnDialog& dialog = harness.Open();

    EXPECT_STREQ(dialog.m_display.m_text, "000");
    EXPECT_EQ(harness.ItemText(IDC_ELAPSED), "00:00:00");
    EXPECT_EQ(::IsDlgButtonChecked(harness.Window(), IDC_ALWAYS_ON_TOP), BST_UNCHECKED);
    EXPECT_EQ(::IsDlgButtonChecked(harness.Window(), IDC_ERASE_CHIP), BST_UNCHECKED);
    EXPECT_FALSE(IsTopmost(harness.Window()));
    EXPECT_TRUE(dialog.m_appTitle.IsEmpty());
    EXPECT_STREQ(dialog.m_errorTitle, " Error");
    EXPECT_STREQ(dialog.m_warningTitle, " Warning");
    EXPECT_STREQ(dialog.m_windowClass, "#32770");
    EXPECT_EQ(dialog.m_qtGeneration, 0);
    EXPECT_EQ(dialog.m_programmerWindow, nullptr);
    EXPECT_EQ(dialog.m_endDelay, 350);
    EXPECT_EQ(dialog.m_counter, 0);
    EXPECT_TRUE(::IsWindowEnabled(harness.Item(IDC_RUN)));
    EXPECT_EQ(::GetFocus(), harness.Item(IDC_RUN));

    harness.Close();
    EXPECT_FALSE(FileExists(harness.IniPath())) << "nothing may be written at start or at exit";
}

TEST(MainWindowSettings, ReadsEveryKeyOfTheSetupSection) {
    DialogHarness harness;
    harness.WriteIni("[setup]\r\nAppTitle=SEGGER J-Flash V7.88c\r\nend_delay=1000\r\ncounter=12\r\nontop=1\r\n");
    CTallyburnDialog& dialog = harness.Open();

    // A hand-written title keeps its "SEGGER " while the derived titles drop it.
    EXPECT_STREQ(dialog.m_appTitle, "SEGGER J-Flash V7.88c");
    EXPECT_STREQ(dialog.m_errorTitle, "J-Flash V7.88c Error");
    EXPECT_STREQ(dialog.m_warningTitle, "J-Flash V7.88c Warning");
    EXPECT_EQ(dialog.m_endDelay, 1000);
    EXPECT_EQ(dialog.m_counter, 12);
    EXPECT_STREQ(dialog.m_display.m_text, "012");
    EXPECT_EQ(::IsDlgButtonChecked(harness.Window(), IDC_ALWAYS_ON_TOP), BST_CHECKED);
    EXPECT_TRUE(IsTopmost(harness.Window()));
}

TEST(MainWindowSettings, CountShowsAtLeastThreeDigits) {
    DialogHarness harness;
    harness.WriteIni("[setup]\r\ncounter=1000\r\n");
    EXPECT_STREQ(harness.Open().m_display.m_text, "1000");
    harness.WriteIni("[setup]\r\ncounter=7\r\n");
    EXPECT_STREQ(harness.Open().m_display.m_text, "007");
}

TEST(MainWindowSettings, EndDelayIsNeverNegative) {
    DialogHarness harness;
    for (const char* value : {"-5", "abc", "", "-2147483648", "4294967295"}) {
        harness.WriteIni(std::string("[setup]\r\nend_delay=") + value + "\r\n");
        EXPECT_GE(harness.Open().m_endDelay, 0) << "end_delay=" << value;
    }
    harness.WriteIni("[setup]\r\nend_delay=0\r\n");
    EXPECT_EQ(harness.Open().m_endDelay, 0);
}
