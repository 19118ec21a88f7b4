// Tallyburn.ini damaged or not writable: the tool starts, shows what the profile functions read,
// and the next success stores a correct count without losing the file's other lines.
#include <gtest/gtest.h>

#include <climits>
#include <functional>
#include <string>
#include <utility>

#include "framework/Seams.h"
#include "tests/support/cycle_fixture.h"

namespace {

class DamagedSettings : public CycleTest {
protected:
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

TEST_F(DamagedSettings, StartFromWhatCanBeReadAndKeepTheOtherLines) {
    std::string garbage = "\x01\x02garbage\xFF\xFE[\x7F\r\nkeep=1\r\n";
    garbage += std::string(1, '\0') + "\x80\x81 more\r\n";
    const struct {
        const char* name;
        std::string content;
        const char* shown;  // at start
        int stored;         // after one success
        UINT ontop;
    } rows[] = {
        {"binary garbage", garbage, "000", 1, BST_UNCHECKED},
        {"key of another section", "[other]\r\ncounter=50\r\nkeep=1\r\n", "000", 1, BST_UNCHECKED},
        {"not numbers", "[setup]\r\ncounter=abc\r\nontop=x\r\nkeep=1\r\n", "000", 1, BST_UNCHECKED},
        {"negative count, any non-zero ontop", "[setup]\r\ncounter=-5\r\nontop=2\r\nkeep=1\r\n", "-05", -4,
         BST_CHECKED},
        {"largest count stays", "[setup]\r\ncounter=2147483647\r\nkeep=1\r\n", "2147483647", INT_MAX, BST_UNCHECKED},
        {"doubled section", "[setup]\r\ncounter=3\r\n[setup]\r\ncounter=9\r\nkeep=1\r\n", "003", 4, BST_UNCHECKED},
        // The profile functions keep the low 32 bits of 99999999999999.
        {"count beyond 32 bits", "[setup]\r\ncounter=99999999999999\r\nkeep=1\r\n", "276447231", 276447232,
         BST_UNCHECKED},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        OpenWith(row.content);
        EXPECT_EQ(m_harness.DisplayText(), row.shown);
        EXPECT_EQ(::IsDlgButtonChecked(m_harness.Window(), IDC_ALWAYS_ON_TOP), row.ontop);
        Succeed();
        EXPECT_EQ(m_harness.IniInt("counter"), row.stored);
        EXPECT_NE(m_harness.Ini().find("keep=1"), std::string::npos);
    }
}

TEST_F(DamagedSettings, VeryLongAppTitleIsRelearned) {
    OpenWith("[setup]\r\nAppTitle=" + std::string(5000, 'T') + "\r\ncounter=4\r\n");
    Succeed();
    EXPECT_EQ(m_harness.IniString("AppTitle"), kTitle) << "learned again from J-Flash's title";
    EXPECT_EQ(m_harness.IniInt("counter"), 5);
}

// The pause blocks the window: a negative end_delay, or one the profile functions cannot read, is none.
TEST_F(DamagedSettings, EndDelayIsThePauseBeforeTheSuccessWindowCloses) {
    const struct {
        const char* value;
        DWORD pause;
    } rows[] = {{"1000", 1000}, {"-5", 0}, {"abc", 0}, {"-2147483648", 0}, {"4294967295", 0}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.value);
        OpenWith(std::string("[setup]\r\nend_delay=") + row.value + "\r\n");
        Succeed();
        ASSERT_FALSE(Fake().Sleeps().empty());
        EXPECT_EQ(Fake().Sleeps().back(), row.pause);
    }
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
    EXPECT_EQ(m_harness.DisplayText(), "012");
    EXPECT_EQ(m_harness.IniInt("counter"), 10) << "the file could not take the new count";
}

// A write that fails at any of its steps leaves the file as it was and removes its copy; the count
// goes on in memory and the next write stores it. A copy that a Tallyburn ended in the middle of a
// write left beside the file is never read as the settings, and the next write removes it.
TEST_F(DamagedSettings, WriteThatFailsAtAnyStepKeepsTheFileAndTheCountInMemory) {
    const std::string before = "[setup]\r\nAppTitle=J-Flash V7.88c\r\ncounter=10\r\n[other]\r\nkeep=1\r\n";
    const std::string leftover = m_harness.IniPath() + ".4242.tmp";
    const std::pair<const char*, std::function<void(SystemSeams&)>> rows[] = {
        {"copy", [](SystemSeams& seams) { seams.copyFile = [](const char*, const char*) { return FALSE; }; }},
        {"flush", [](SystemSeams& seams) { seams.flushFile = [](HANDLE) { return FALSE; }; }},
        {"replace", [](SystemSeams& seams) { seams.replaceFile = [](const char*, const char*) { return FALSE; }; }},
    };
    for (const auto& [step, fail] : rows) {
        SCOPED_TRACE(step);
        WriteFile(leftover, "[setup]\r\ncounter=500\r\n");
        OpenWith(before);
        const SystemSeams working = Seams();
        fail(Seams());
        Succeed();
        EXPECT_EQ(m_harness.Ini(), before);
        EXPECT_EQ(CountFiles(m_harness.IniPath() + ".*.tmp"), 0);
        Seams() = working;
        Succeed();
        EXPECT_EQ(m_harness.Ini(), "[setup]\r\nAppTitle=J-Flash V7.88c\r\ncounter=12\r\n[other]\r\nkeep=1\r\n");
    }
}
