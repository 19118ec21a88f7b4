#include "tests/support/cycle_fixture.h"

void CycleTest::SetUp() {
    m_harness.Open();
    Attach(FakeProgrammer::Generation::Dialog);
}

void CycleTest::Attach(FakeProgrammer::Generation generation) {
    m_programmer.reset();
    m_programmer = std::make_unique<FakeProgrammer>(generation, generation == FakeProgrammer::Generation::Qt
                                                                    ? "SEGGER J-Flash V7.88c - [qt.jflash]"
                                                                    : "SEGGER J-Flash V7.88c - [board.jflash]");
}

void CycleTest::StartPolling() {
    ClickRun();
    ASSERT_TRUE(Tick(CTallyburnDialog::StartDelayTimer));
}

bool CycleTest::Tick(UINT_PTR id) {
    const bool ticked = m_harness.Tick(id);
    m_harness.Pump();
    return ticked;
}

void CycleTest::ExpectFailed() {
    EXPECT_EQ(Unlit(), 0x000034u);
    EXPECT_EQ(Lit(), 0x0000FFu);
    EXPECT_TRUE(RunEnabled());
    ASSERT_FALSE(Sounds().empty());
    EXPECT_EQ(Sounds().back(), static_cast<UINT>(IDR_WAVE_FAILURE));
    EXPECT_EQ(Timers(), std::vector<UINT_PTR>{CTallyburnDialog::ElapsedTimer});
}

void CycleTest::ExpectSucceeded(int counter) {
    EXPECT_EQ(Unlit(), 0x003400u);
    EXPECT_EQ(Lit(), 0x00FF00u);
    EXPECT_TRUE(RunEnabled());
    ASSERT_FALSE(Sounds().empty());
    EXPECT_EQ(Sounds().back(), static_cast<UINT>(IDR_WAVE_START)) << "a success plays no sound of its own";
    EXPECT_EQ(m_harness.IniInt("counter"), counter);
    EXPECT_EQ(Timers(), std::vector<UINT_PTR>{CTallyburnDialog::ElapsedTimer});
}

void CycleTest::ExpectRunning() {
    EXPECT_EQ(Unlit(), 0x000000u);
    EXPECT_EQ(Lit(), 0xC0C0C0u);
    EXPECT_FALSE(RunEnabled());
}
