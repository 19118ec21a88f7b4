// Attaching to J-Flash's main window of either generation and learning its title.
#include <gtest/gtest.h>

#include "res/resource.h"
#include "tests/support/dialog_harness.h"
#include "tests/support/fake_programmer.h"

using Generation = FakeProgrammer::Generation;

TEST(Discovery, DialogGenerationIsPreferredWhenBothAreOpen) {
    DialogHarness harness;
    CTallyburnDialog& dialog = harness.Open();
    FakeProgrammer qt(Generation::Qt, "SEGGER J-Flash V8.10 - [qt.jflash]");
    HWND dialogMain = ::CreateWindowExA(0, "MainWindow", "SEGGER J-Flash V7.88c - [board.jflash]", WS_POPUP, 0, 0, 10,
                                        10, nullptr, nullptr, nullptr, nullptr);
    dialog.DiscoverProgrammer();
    EXPECT_EQ(dialog.m_programmerWindow, dialogMain);
    EXPECT_EQ(dialog.m_qtGeneration, 0);
    EXPECT_STREQ(dialog.m_windowClass, "#32770");
    EXPECT_STREQ(dialog.m_appTitle, "J-Flash V7.88c");
    ::DestroyWindow(dialogMain);
}

TEST(Discovery, QtGenerationWhenOnlyItIsOpen) {
    DialogHarness harness;
    CTallyburnDialog& dialog = harness.Open();
    FakeProgrammer qt(Generation::Qt, "SEGGER J-Flash V8.10 - [qt.jflash]");
    dialog.DiscoverProgrammer();
    EXPECT_EQ(dialog.m_programmerWindow, qt.Main());
    EXPECT_EQ(dialog.m_qtGeneration, 1);
    EXPECT_STREQ(dialog.m_windowClass, "QWidget");
    EXPECT_STREQ(dialog.m_errorTitle, "J-Flash V8.10 Error");
    EXPECT_STREQ(dialog.m_warningTitle, "J-Flash V8.10 Warning");
    EXPECT_EQ(harness.IniString("AppTitle"), "J-Flash V8.10");
}

TEST(Discovery, AttachmentIsKeptWhileTheWindowLivesAndRenewedAfterItCloses) {
    DialogHarness harness;
    CTallyburnDialog& dialog = harness.Open();
    auto first = std::make_unique<FakeProgrammer>(Generation::Dialog, "SEGGER J-Flash V7.88c - [a.jflash]");
    dialog.DiscoverProgrammer();
    ASSERT_EQ(dialog.m_programmerWindow, first->Main());

    ::SetWindowTextA(first->Main(), "SEGGER J-Flash V9.00 - [another project]");
    dialog.DiscoverProgrammer();
    EXPECT_EQ(dialog.m_programmerWindow, first->Main());
    EXPECT_STREQ(dialog.m_appTitle, "J-Flash V7.88c") << "a living attachment is not looked at again";

    first.reset();
    FakeProgrammer second(Generation::Qt, "SEGGER J-Flash V8.10 - [qt.jflash]");
    dialog.DiscoverProgrammer();
    EXPECT_EQ(dialog.m_programmerWindow, second.Main());
    EXPECT_EQ(dialog.m_qtGeneration, 1);
    EXPECT_STREQ(dialog.m_appTitle, "J-Flash V8.10");

    second.CloseMain();
    dialog.DiscoverProgrammer();
    EXPECT_EQ(dialog.m_programmerWindow, nullptr);
    EXPECT_EQ(dialog.m_qtGeneration, 0);
    EXPECT_STREQ(dialog.m_windowClass, "#32770");
}

TEST(Discovery, OnlyTheFirstQtWindowIsExamined) {
    DialogHarness harness;
    CTallyburnDialog& dialog = harness.Open();
    FakeProgrammer qt(Generation::Qt, "SEGGER J-Flash V8.10 - [qt.jflash]");
    HWND other =
        ::CreateWindowExA(0, "QWidget", "Some Qt tool", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    dialog.DiscoverProgrammer();
    EXPECT_EQ(dialog.m_programmerWindow, nullptr);
    ::DestroyWindow(other);
}

TEST(TitleLearning, CutsAtTheFirstSeparatorAndDropsEveryVendorWord) {
    const struct {
        const char* title;
        const char* learned;
    } cases[] = {
        {"SEGGER J-Flash V1.00 - board", "J-Flash V1.00"},
        {"SEGGER J-Flash V1.00 - board - copy", "J-Flash V1.00"},
        {"SEGGER J-Flash SEGGER V1.00 SEGGER  - x", "J-Flash V1.00 "},
        {"SEGGER J-Flash ARM V4.20 - [x]", "J-Flash ARM V4.20"},
    };
    for (const auto& c : cases) {
        DialogHarness harness;
        CTallyburnDialog& dialog = harness.Open();
        FakeProgrammer programmer(Generation::Dialog, c.title);
        dialog.DiscoverProgrammer();
        EXPECT_STREQ(dialog.m_appTitle, c.learned) << c.title;
        EXPECT_EQ(dialog.m_errorTitle, dialog.m_appTitle + " Error");
        EXPECT_EQ(dialog.m_warningTitle, dialog.m_appTitle + " Warning");
        EXPECT_EQ(harness.IniString("AppTitle"),
                  std::string(c.learned).substr(0, std::string(c.learned).find_last_not_of(' ') + 1))
            << "the profile functions drop trailing blanks";
    }
}

TEST(TitleLearning, TitleWithoutSeparatorChangesNothingButStillAttaches) {
    DialogHarness harness;
    harness.WriteIni("[setup]\r\nAppTitle=J-Flash V7.00\r\n");
    CTallyburnDialog& dialog = harness.Open();
    const std::string before = harness.Ini();
    FakeProgrammer programmer(Generation::Dialog, "SEGGER J-Flash V7.88c");
    dialog.DiscoverProgrammer();
    EXPECT_EQ(dialog.m_programmerWindow, programmer.Main());
    EXPECT_STREQ(dialog.m_appTitle, "J-Flash V7.00");
    EXPECT_STREQ(dialog.m_errorTitle, "J-Flash V7.00 Error");
    EXPECT_EQ(harness.Ini(), before);
}

TEST(TitleLearning, StoredTitleThatStillMatchesIsKeptAndNothingIsWritten) {
    DialogHarness harness;
    harness.WriteIni("[setup]\r\nAppTitle=J-Flash V7.88c\r\n");
    CTallyburnDialog& dialog = harness.Open();
    const std::string before = harness.Ini();
    FakeProgrammer programmer(Generation::Dialog, "SEGGER J-Flash V7.88c - [other project]");
    dialog.DiscoverProgrammer();
    EXPECT_EQ(dialog.m_programmerWindow, programmer.Main());
    EXPECT_EQ(harness.Ini(), before);
}

TEST(RunWithoutProgrammer, ShowsTheMessageAndChangesNothingElse) {
    DialogHarness harness;
    CTallyburnDialog& dialog = harness.Open();
    harness.Fake().Answer(IDOK);
    harness.Click(IDC_RUN);
    ASSERT_EQ(harness.Fake().MessageBoxes().size(), 1u);
    EXPECT_EQ(harness.Fake().MessageBoxes()[0].text, "Cann't find J-Flash Window.");
    EXPECT_EQ(harness.Fake().MessageBoxes()[0].type, static_cast<UINT>(MB_OK | MB_ICONEXCLAMATION));
    EXPECT_EQ(harness.Fake().MessageBoxes()[0].caption, "Tallyburn");
    EXPECT_TRUE(::IsWindowEnabled(harness.Item(IDC_RUN)));
    EXPECT_EQ(dialog.m_display.m_litColor, 0x00FF00u);
    EXPECT_EQ(harness.Fake().RunningTimers(harness.Window()), std::vector<UINT_PTR>{CTallyburnDialog::ElapsedTimer});
    EXPECT_TRUE(harness.Fake().Sounds().empty());

    harness.Fake().Answer(IDOK);
    harness.PressKey(IDC_CLEAR, VK_RETURN);  // Enter runs whichever control has the focus
    EXPECT_EQ(harness.Fake().MessageBoxes().size(), 2u);
}
