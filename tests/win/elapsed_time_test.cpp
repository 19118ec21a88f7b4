// The elapsed-time field, driven by the fake clock and timer 3.
#include <gtest/gtest.h>

#include "res/resource.h"
#include "tests/support/dialog_harness.h"

TEST(ElapsedTime, FieldFollowsTheClockAtEachTick) {
    DialogHarness harness;
    harness.Fake().SetNowSeconds(1'000'000);
    harness.Open();
    EXPECT_TRUE(harness.Fake().TimerRunning(harness.Window(), CTallyburnDialog::ElapsedTimer));
    EXPECT_EQ(harness.Fake().TimerPeriod(harness.Window(), CTallyburnDialog::ElapsedTimer), 1000u);

    const struct {
        long long seconds;
        const char* text;
    } cases[] = {{0, "00:00:00"},     {59, "00:00:59"},      {60, "00:01:00"}, {3600, "01:00:00"}, {86399, "23:59:59"},
                 {86400, "24:00:00"}, {360000, "100:00:00"}, {-5, "00:00:-5"}, {-3725, "-1:-2:-5"}};
    for (const auto& c : cases) {
        harness.Fake().SetNowSeconds(1'000'000 + c.seconds);
        ASSERT_TRUE(harness.Tick(CTallyburnDialog::ElapsedTimer));
        EXPECT_EQ(harness.ItemText(IDC_ELAPSED), c.text) << c.seconds << " s";
    }
}

TEST(ElapsedTime, CountsBoundariesOfWholeSeconds) {
    DialogHarness harness;
    harness.Fake().SetNowSeconds(500);
    harness.Fake().Advance(999);  // the window opens just before a second boundary
    harness.Open();
    harness.Fake().Advance(1002);
    harness.Tick(CTallyburnDialog::ElapsedTimer);
    EXPECT_EQ(harness.ItemText(IDC_ELAPSED), "00:00:02");
}
