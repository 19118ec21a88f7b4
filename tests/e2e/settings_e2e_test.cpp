// The settings file and the running Tallyburn as separate processes: a writer ended at random
// instants, and a second Tallyburn started beside a running one.
#include <algorithm>
#include <cstdlib>
#include <random>

#include "framework/Handle.h"
#include "tests/e2e/end_to_end.h"

namespace {

// The writer's settings: its two keys, then a few hundred lines of other sections, so that each
// write takes long enough to be hit.
std::string WriterSettings(UINT counter, UINT mark) {
    std::string text = "[setup]\r\ncounter=" + std::to_string(counter) + "\r\nmark=" + std::to_string(mark) + "\r\n";
    for (int line = 0; line < 300; ++line) {
        if (line % 10 == 0)
            text += "[station " + std::to_string(line / 10) + "]\r\n";
        text += "line" + std::to_string(line) + "=a value that another tool keeps here\r\n";
    }
    return text;
}

}  // namespace

// TALLYBURN_KILL_IN_PLACE=1 has the writer use the profile API in place instead, to see that fail.
TEST(SettingsWriteEnded, FileIsWholeWheneverTheWriterIsEnded) {
    const bool inPlace = std::getenv("TALLYBURN_KILL_IN_PLACE") != nullptr;
    TempFolder folder;
    const std::string ini = folder.File("Tallyburn.ini");
    WriteFile(ini, WriterSettings(1, 0));
    const std::string event = "Tallyburn writer " + std::to_string(::GetCurrentProcessId());
    CHandle ready(::CreateEventA(nullptr, FALSE, FALSE, event.c_str()));
    std::mt19937 random(17);
    UINT last = 1;
    int damaged = 0;
    for (int end = 0; end < 200; ++end) {
        ChildProcess writer;
        ASSERT_TRUE(writer.Start(ProgramFolder() + "\\SettingsWriter.exe",
                                 "\"" + ini + "\" \"" + event + "\"" + (inPlace ? " --in-place" : ""), folder.Path()));
        ASSERT_EQ(::WaitForSingleObject(ready.Get(), 20000), WAIT_OBJECT_0);
        ::Sleep(std::uniform_int_distribution<DWORD>(0, 30)(random));
        writer.Kill();
        // Whole: the last or the previous value of each key (they differ by one), no value older than
        // one the file held before, and every other line.
        const std::string text = ReadFile(ini);
        UINT counter = 0, mark = 0;
        if (std::sscanf(text.c_str(), "[setup]\r\ncounter=%u\r\nmark=%u", &counter, &mark) == 2 &&
            text == WriterSettings(counter, mark) && (counter == mark + 1 || mark == counter + 1) &&
            std::max(counter, mark) >= last) {
            last = std::max(counter, mark);
        } else {
            ++damaged;
            last |= 1;
            WriteFile(ini, WriterSettings(last, last - 1));
        }
        EXPECT_LE(CountFiles(ini + ".*.tmp"), 1) << "copies left by ended writers do not pile up";
    }
    std::printf("%d of 200 ends left the file damaged; values reached %u\n", damaged, last);
    EXPECT_EQ(damaged, 0);
}

TEST_F(EndToEnd, SecondStartFromTheSameFolderBringsTheRunningOneToTheFrontAndEnds) {
    Start("--outcomes success", "[setup]\r\ncounter=10\r\nontop=1\r\n");
    ::ShowWindow(m_window, SW_MINIMIZE);
    ASSERT_TRUE(WaitUntil([&] { return ::IsIconic(m_window) != FALSE; }));
    // The same folder by its short name, in capitals, the executable under another name.
    ::CopyFileA(m_exe.c_str(), m_folder.File("Second.exe").c_str(), FALSE);
    char shortFolder[MAX_PATH] = {};
    ASSERT_NE(::GetShortPathNameA(m_folder.Path().c_str(), shortFolder, MAX_PATH), 0u);
    ChildProcess secondStart;
    ASSERT_TRUE(secondStart.Start(::CharUpperA(shortFolder) + std::string("\\SECOND.EXE"), "", m_folder.Path()));
    ASSERT_TRUE(secondStart.WaitForExit(5000)) << "the second start ends";
    ASSERT_TRUE(WaitUntil([&] { return !::IsIconic(m_window) && ::GetForegroundWindow() == m_window; }, 5000));
    for (int board = 0; board < 4; ++board)
        EXPECT_EQ(m_remote->PressRun().state, DisplayState::Green);
    EXPECT_EQ(m_remote->StoredCount(), 14);

    // A copy in another folder is another Tallyburn, with its own count.
    TempFolder otherFolder;
    WriteFile(otherFolder.File("Tallyburn.ini"), "[setup]\r\ncounter=5\r\nontop=1\r\n");
    ::CopyFileA(m_exe.c_str(), otherFolder.File("Tallyburn.exe").c_str(), FALSE);
    ChildProcess other;
    ASSERT_TRUE(other.Start(otherFolder.File("Tallyburn.exe"), "", otherFolder.Path()));
    const HWND otherWindow = WaitForTallyburn(other.Id());
    ASSERT_NE(otherWindow, nullptr);
    ToolRemote otherRemote(otherWindow, other.Id(), otherFolder.File("Tallyburn.ini"));
    EXPECT_EQ(otherRemote.PressRun().state, DisplayState::Green);
    EXPECT_EQ(otherRemote.StoredCount(), 6);
}
