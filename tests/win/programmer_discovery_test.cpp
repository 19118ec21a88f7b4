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

// How the title is cut is the portable title rules' business; here only when it is learned and stored.
TEST(TitleLearning, StoredTitleIsKeptWhileItMatchesOrTheTitleHasNoSeparator) {
    const struct {
        const char* mainTitle;
        const char* stored;
        const char* learned;
    } rows[] = {
        {"SEGGER J-Flash V7.88c - [other project]", "J-Flash V7", "J-Flash V7"},  // occurs in the title
        {"SEGGER J-Flash V7.88c", "J-Flash V7.00", "J-Flash V7.00"},
        {"SEGGER J-Flash V7.88c - [board]", "J-Flash V7.00", "J-Flash V7.88c"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.mainTitle);
        DialogHarness harness;
        // Spaced as no write of the profile functions would leave it: any write shows.
        harness.WriteIni(std::string("[setup]\r\nAppTitle = ") + row.stored + "\r\n");
        const std::string before = harness.Ini();
        CTallyburnDialog& dialog = harness.Open();
        FakeProgrammer programmer(Generation::Dialog, row.mainTitle);
        dialog.DiscoverProgrammer();
        EXPECT_EQ(dialog.m_programmerWindow, programmer.Main()) << "attached either way";
        EXPECT_STREQ(dialog.m_appTitle, row.learned);
        EXPECT_STREQ(dialog.m_errorTitle, (std::string(row.learned) + " Error").c_str());
        EXPECT_EQ(harness.IniString("AppTitle"), row.learned);
        EXPECT_EQ(harness.Ini() == before, std::string(row.stored) == row.learned) << "written only when learned";
    }
}
