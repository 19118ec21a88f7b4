// Attaching to J-Flash's main window of either generation and learning its title, seen as J-Flash
// sees it: which main window gets the start of the cycle (642, or the key F7 for the Qt generation),
// and the title stored as "AppTitle".
#include <gtest/gtest.h>

#include "res/resource.h"
#include "tests/support/dialog_harness.h"
#include "tests/support/fake_programmer.h"

using Generation = FakeProgrammer::Generation;

namespace {

// Presses Enter, which starts a cycle also while one runs.
void PressRun(DialogHarness& harness) {
    harness.PressKey(IDC_RUN, VK_RETURN);
}

// Whether the cycle's start went to this J-Flash, and only as its generation starts.
bool Started(const FakeProgrammer& programmer, size_t starts = 1) {
    return programmer.Commands().size() + programmer.Keys().size() / 2 == starts;
}

}  // namespace

TEST(Discovery, DialogGenerationIsPreferredWhenBothAreOpen) {
    DialogHarness harness;
    harness.Open();
    FakeProgrammer qt(Generation::Qt, "SEGGER J-Flash V8.10 - [qt.jflash]");
    FakeProgrammer dialog(Generation::Dialog, "SEGGER J-Flash V7.88c - [board.jflash]");
    PressRun(harness);
    EXPECT_EQ(dialog.Commands(), std::vector<UINT>{642});
    EXPECT_TRUE(Started(qt, 0));
    EXPECT_EQ(harness.IniString("AppTitle"), "J-Flash V7.88c");
}

TEST(Discovery, AttachmentIsKeptWhileTheWindowLivesAndRenewedAfterItCloses) {
    DialogHarness harness;
    harness.Open();
    auto first = std::make_unique<FakeProgrammer>(Generation::Dialog, "SEGGER J-Flash V7.88c - [a.jflash]");
    PressRun(harness);
    ASSERT_TRUE(Started(*first));

    ::SetWindowTextA(first->Main(), "SEGGER J-Flash V9.00 - [another project]");
    PressRun(harness);
    EXPECT_TRUE(Started(*first, 2));
    EXPECT_EQ(harness.IniString("AppTitle"), "J-Flash V7.88c") << "a living attachment is not looked at again";

    first.reset();
    FakeProgrammer second(Generation::Qt, "SEGGER J-Flash V8.10 - [qt.jflash]");
    PressRun(harness);
    EXPECT_EQ(second.Keys().size(), 2u) << "F7, down and up";
    EXPECT_TRUE(second.Commands().empty());
    EXPECT_EQ(harness.IniString("AppTitle"), "J-Flash V8.10");

    second.CloseMain();
    FakeProgrammer third(Generation::Dialog, "SEGGER J-Flash V8.10 - [board.jflash]");
    PressRun(harness);
    EXPECT_EQ(third.Commands(), std::vector<UINT>{642}) << "the dialog generation again, not the Qt one";
}

TEST(Discovery, OnlyTheFirstQtWindowIsExamined) {
    DialogHarness harness;
    harness.Open();
    FakeProgrammer qt(Generation::Qt, "SEGGER J-Flash V8.10 - [qt.jflash]");
    HWND other =
        ::CreateWindowExA(0, "QWidget", "Some Qt tool", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    harness.Fake().Answer(IDOK);
    PressRun(harness);
    ASSERT_EQ(harness.Fake().MessageBoxes().size(), 1u);
    EXPECT_EQ(harness.Fake().MessageBoxes()[0].text, "Cann't find J-Flash Window.");
    EXPECT_TRUE(Started(qt, 0));
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
        harness.Open();
        FakeProgrammer programmer(Generation::Dialog, row.mainTitle);
        PressRun(harness);
        EXPECT_TRUE(Started(programmer)) << "attached either way";
        EXPECT_EQ(harness.IniString("AppTitle"), row.learned);
        EXPECT_EQ(harness.Ini() == before, std::string(row.stored) == row.learned) << "written only when learned";
    }
}
