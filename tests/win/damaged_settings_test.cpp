// Tallyburn.ini damaged or not writable: the tool starts, shows what the profile functions read,
// and the next success stores a correct count without losing the file's other lines.
#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "tests/support/cycle_fixture.h"

namespace {

class DamagedSettings : public CycleTest {
protected:
    // Opens the main window on the given settings file content.
    void OpenWith(const std::string& content) {
        m_harness.WriteIni(content);
        m_harness.Open();
    }
    void Succeed() {
        StartPolling();
        Programmer().Open(kTitle, {kProgramOk});
        ASSERT_TRUE(Tick(CTallyburnDialog::ResultPollTimer));
    }
};

}  // namespace

TEST_F(DamagedSettings, BinaryGarbageStartsAtZeroAndKeepsItsBytes) {
    std::string garbage = "\x01\x02garbage\xFF\xFE[\x7F\r\nnot=ini\r\n";
    garbage += std::string(1, '\0') + "\x80\x81 more\r\n";
    OpenWith(garbage);
    EXPECT_EQ(Dialog().m_counter, 0);
    EXPECT_STREQ(Dialog().m_display.m_text, "000");
    Succeed();
    EXPECT_EQ(m_harness.IniInt("counter"), 1);
    EXPECT_NE(m_harness.Ini().find("not=ini"), std::string::npos);
}

TEST_F(DamagedSettings, MissingOrDoubledSectionAndOddValues) {
    OpenWith("[other]\r\ncounter=50\r\nkeep=1\r\n");
    EXPECT_EQ(Dialog().m_counter, 0) << "a key of another section does not count";
    Succeed();
    EXPECT_EQ(m_harness.IniInt("counter"), 1);
    EXPECT_NE(m_harness.Ini().find("keep=1"), std::string::npos);

    OpenWith("[setup]\r\ncounter=3\r\nontop=2\r\n[setup]\r\ncounter=9\r\nend_delay=7\r\n");
    const int read = Dialog().m_counter;
    EXPECT_TRUE(read == 3 || read == 9) << read;
    EXPECT_EQ(::IsDlgButtonChecked(m_harness.Window(), IDC_ALWAYS_ON_TOP), BST_CHECKED) << "any non-zero ontop";
    Succeed();
    EXPECT_EQ(m_harness.IniInt("counter"), read + 1);
    EXPECT_EQ(Dialog().m_counter, read + 1);

    OpenWith("[setup]\r\ncounter=abc\r\nontop=x\r\n");
    EXPECT_EQ(Dialog().m_counter, 0);
    EXPECT_EQ(::IsDlgButtonChecked(m_harness.Window(), IDC_ALWAYS_ON_TOP), BST_UNCHECKED);

    OpenWith("[setup]\r\ncounter=-5\r\n");
    EXPECT_STREQ(Dialog().m_display.m_text, "-05");
    Succeed();
    EXPECT_EQ(m_harness.IniInt("counter"), -4);
}

TEST_F(DamagedSettings, HugeCountNeverWrapsAround) {
    OpenWith("[setup]\r\ncounter=99999999999999\r\n");
    const int read = Dialog().m_counter;
    Succeed();
    if (read == INT_MAX)
        EXPECT_EQ(Dialog().m_counter, INT_MAX) << "the count stays at its largest value";
    else
        EXPECT_EQ(Dialog().m_counter, read + 1);
    EXPECT_EQ(m_harness.IniInt("counter"), Dialog().m_counter);

    OpenWith("[setup]\r\ncounter=2147483647\r\n");
    Succeed();
    EXPECT_EQ(Dialog().m_counter, INT_MAX);
    EXPECT_EQ(m_harness.IniString("counter"), "2147483647");
}

TEST_F(DamagedSettings, VeryLongAppTitleIsReadAndRelearned) {
    OpenWith("[setup]\r\nAppTitle=" + std::string(5000, 'T') + "\r\ncounter=4\r\n");
    EXPECT_EQ(Dialog().m_appTitle.GetLength(), 5000);
    Succeed();
    EXPECT_STREQ(Dialog().m_appTitle, kTitle) << "learned again from J-Flash's title";
    EXPECT_EQ(m_harness.IniString("AppTitle"), kTitle);
    EXPECT_EQ(m_harness.IniInt("counter"), 5);
}

TEST_F(DamagedSettings, UnwritableFileCountsInMemory) {
    OpenWith("[setup]\r\ncounter=10\r\n");
    // Another program holds the file without sharing it: every write fails.
    HANDLE held = ::CreateFileA(m_harness.IniPath().c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    Succeed();
    Succeed();
    ::CloseHandle(held);
    EXPECT_EQ(Dialog().m_counter, 12);
    EXPECT_STREQ(Dialog().m_display.m_text, "012");
    EXPECT_EQ(m_harness.IniInt("counter"), 10) << "the file could not take the new count";
}
