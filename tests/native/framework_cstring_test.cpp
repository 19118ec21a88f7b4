#include <gtest/gtest.h>

#include "framework/CString.h"

TEST(CStringText, ReplaceRemovesEveryOccurrenceLeftToRight) {
    CString title("SEGGER J-Flash SEGGER V1 SEGGER ");
    EXPECT_EQ(title.Replace("SEGGER ", ""), 3);
    EXPECT_STREQ(title, "J-Flash V1 ");
    CString overlapping("aaaa");
    EXPECT_EQ(overlapping.Replace("aa", "a"), 2);
    EXPECT_STREQ(overlapping, "aa");
    CString none("abc");
    EXPECT_EQ(none.Replace("", "x"), 0);
    EXPECT_STREQ(none, "abc");
}

TEST(CStringText, FindLeftAndReverseFind) {
    CString text("SEGGER J-Flash V1.00 - board - x");
    EXPECT_EQ(text.Find(" - "), 20);
    EXPECT_EQ(text.Find("missing"), -1);
    EXPECT_STREQ(text.Left(20), "SEGGER J-Flash V1.00");
    EXPECT_STREQ(text.Left(1000), text);
    EXPECT_STREQ(text.Left(-1), "");
    EXPECT_EQ(CString("C:\\Tools\\Tallyburn.exe").ReverseFind('\\'), 8);
    EXPECT_EQ(CString("none").ReverseFind('\\'), -1);
}

TEST(CStringText, FormatCompareAndUpperCase) {
    CString text;
    text.Format("%03d", 7);
    EXPECT_STREQ(text, "007");
    text.Format("%03d", 12345);
    EXPECT_STREQ(text, "12345");
    text.Format("%s", std::string(5000, 'x').c_str());
    EXPECT_EQ(text.GetLength(), 5000);
    EXPECT_EQ(CString("abc").Compare("abc"), 0);
    EXPECT_NE(CString("abc").Compare("ABC"), 0) << "case-sensitive";
    CString lower("`az{-1.5");  // the neighbours of 'a' and 'z' stay as they are
    lower.MakeUpper();
    EXPECT_STREQ(lower, "`AZ{-1.5");
    EXPECT_TRUE(CString("x") + "y" == "xy");
}
