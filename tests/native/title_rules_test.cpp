#include <gtest/gtest.h>

#include "automation/title_rules.h"

TEST(TitleRules, LearnedTitleIsThePartBeforeTheFirstSeparatorWithoutVendor) {
    CString learned("unchanged");
    EXPECT_FALSE(LearnTitle("SEGGER J-Flash V7.88c", learned));
    EXPECT_STREQ(learned, "unchanged");
    EXPECT_TRUE(LearnTitle("SEGGER J-Flash V1.00 - board", learned));
    EXPECT_STREQ(learned, "J-Flash V1.00");
    EXPECT_TRUE(LearnTitle("A - B - C", learned));
    EXPECT_STREQ(learned, "A");
    EXPECT_TRUE(LearnTitle(" - starts with it", learned));
    EXPECT_STREQ(learned, "");
    EXPECT_TRUE(LearnTitle("SEGGER SEGGER J-Flash-SEGGER_X - y", learned));
    EXPECT_STREQ(learned, "J-Flash-SEGGER_X") << "only \"SEGGER \" with its blank is removed";
}

TEST(TitleRules, ErrorAndWarningTitlesDropTheVendor) {
    EXPECT_STREQ(ErrorTitleFor("J-Flash V1.00"), "J-Flash V1.00 Error");
    EXPECT_STREQ(WarningTitleFor("SEGGER J-Flash V1.00"), "J-Flash V1.00 Warning");
    EXPECT_STREQ(ErrorTitleFor(""), " Error");
}

TEST(TitleRules, EmulatorSelectionTitleOfBothGenerations) {
    EXPECT_STREQ(EmulatorSelectionTitle("J-Flash V1.00", false), "SEGGER J-Link V1.00 - Emulator selection");
    EXPECT_STREQ(EmulatorSelectionTitle("J-Flash V1.00", true), "J-Link V1.00 Emulator selection");
    EXPECT_STREQ(EmulatorSelectionTitle("J-Flash ARM V1.00", false), "SEGGER J-Link V1.00 - Emulator selection");
    EXPECT_STREQ(EmulatorSelectionTitle("J-Flash J-Flash ARM", true), "J-Link J-Link Emulator selection");
    EXPECT_STREQ(EmulatorSelectionTitle("%s%d", true), "%s%d Emulator selection") << "the title is data, not a format";
}
