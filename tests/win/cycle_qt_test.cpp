// The Qt generation: F7 instead of menu commands, no erase, any result window succeeds (its errors
// and emulator selection: cycle_built_windows_test.cpp).
#include "tests/support/cycle_fixture.h"

namespace {
const std::string kTitleText = "J-Flash V7.88c";
}

class QtCycleTest : public CycleTest {
protected:
    void SetUp() override {
        CycleTest::SetUp();
        Attach(FakeProgrammer::Generation::Qt);
    }
};

TEST_F(QtCycleTest, F7StartsProgrammingAndAnyResultWindowSucceeds) {
    ClickRun();
    ExpectRunning();
    EXPECT_TRUE(Programmer().Commands().empty());
    ASSERT_EQ(Programmer().Keys().size(), 2u);
    EXPECT_EQ(Programmer().Keys()[0].second, static_cast<WPARAM>(VK_F7));
    Tick(CTallyburnDialog::StartDelayTimer);

    HWND result = Programmer().Open(kTitleText, {"Whatever J-Flash says"});
    Tick(CTallyburnDialog::ResultPollTimer);
    EXPECT_FALSE(::IsWindow(result));
    ExpectSucceeded(1);
    EXPECT_TRUE(Programmer().Commands().empty()) << "nothing is posted at the end";
    EXPECT_EQ(::GetFocus(), m_harness.Item(IDC_RUN));
}

TEST_F(QtCycleTest, EraseChipIsClearedAndDisabledForGood) {
    CheckErase();
    ClickRun();
    EXPECT_EQ(::IsDlgButtonChecked(m_harness.Window(), IDC_ERASE_CHIP), BST_UNCHECKED);
    EXPECT_FALSE(::IsWindowEnabled(m_harness.Item(IDC_ERASE_CHIP)));
    EXPECT_EQ(Programmer().Keys().size(), 2u) << "programs without erasing";
    EXPECT_TRUE(Fake().TimerRunning(m_harness.Window(), CTallyburnDialog::StartDelayTimer));
    Tick(CTallyburnDialog::StartDelayTimer);
    Programmer().Open(kTitleText);
    Tick(CTallyburnDialog::ResultPollTimer);
    EXPECT_FALSE(::IsWindowEnabled(m_harness.Item(IDC_ERASE_CHIP)));
}

TEST_F(QtCycleTest, UncheckedEraseChipStaysEnabled) {
    ClickRun();
    EXPECT_TRUE(::IsWindowEnabled(m_harness.Item(IDC_ERASE_CHIP)));
}
