// The real Tallyburn.exe in another process: where its settings go, what it remembers, and how it closes.
#include <gtest/gtest.h>

#include "res/resource.h"
#include "tools/remote/process_control.h"
#include "tests/support/temp_folder.h"

namespace {

constexpr const char* kCaption = "Tallyburn 2.1";

// Tallyburn.exe copied into a fresh folder under the name given, so its settings file is private.
class Tool {
public:
    explicit Tool(const std::string& exeName = "Tallyburn.exe") : m_exe(m_folder.File(exeName)) {
        ::CopyFileA((ProgramFolder() + "\\Tallyburn.exe").c_str(), m_exe.c_str(), FALSE);
    }
    // Starts the tool and waits for its main window.
    HWND Start() {
        if (!m_process.Start(m_exe, "", m_folder.Path()))
            return nullptr;
        m_window = WaitForProcessWindow(m_process.Id(), "#32770", kCaption);
        return m_window;
    }
    bool CloseBySystemCommand() {
        ::PostMessageA(m_window, WM_SYSCOMMAND, SC_CLOSE, 0);
        return m_process.WaitForExit();
    }
    std::string Ini() const { return ReadFile(m_folder.File("Tallyburn.ini")); }
    bool IniExists() const { return FileExists(m_folder.File("Tallyburn.ini")); }
    int IniInt(const char* key) const {
        return static_cast<int>(::GetPrivateProfileIntA("setup", key, -1, m_folder.File("Tallyburn.ini").c_str()));
    }
    void WriteIni(const std::string& content) { WriteFile(m_folder.File("Tallyburn.ini"), content); }
    HWND Window() const { return m_window; }
    ChildProcess& Process() { return m_process; }
    std::string Item(int id) const { return TextOf(::GetDlgItem(m_window, id)); }

private:
    TempFolder m_folder;
    std::string m_exe;
    ChildProcess m_process;
    HWND m_window = nullptr;
};

bool Topmost(HWND window) {
    return (::GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
}

}  // namespace

TEST(ToolProcess, StartsWithSixControlsAndATickingClockWithoutWritingSettings) {
    Tool tool;
    ASSERT_NE(tool.Start(), nullptr);
    EXPECT_EQ(tool.Item(IDC_RUN), "Run");
    EXPECT_EQ(tool.Item(IDC_CLEAR), "Clear");
    EXPECT_EQ(tool.Item(IDC_ALWAYS_ON_TOP), "Allways on top");
    EXPECT_EQ(tool.Item(IDC_ERASE_CHIP), "Erase chip");
    EXPECT_EQ(tool.Item(IDC_COUNTER), "");
    EXPECT_TRUE(WaitUntil([&] { return tool.Item(IDC_ELAPSED) >= "00:00:01"; }))
        << "elapsed: " << tool.Item(IDC_ELAPSED);
    EXPECT_FALSE(Topmost(tool.Window()));
    ASSERT_TRUE(tool.CloseBySystemCommand());
    EXPECT_FALSE(tool.IniExists()) << "nothing is written at start or exit";
}

TEST(ToolProcess, AlwaysOnTopIsRememberedBesideTheExecutableWhateverItsName) {
    Tool tool("Line 3 copy.exe");
    ASSERT_NE(tool.Start(), nullptr);
    ClickButton(tool.Window(), IDC_ALWAYS_ON_TOP);
    ASSERT_TRUE(WaitUntil([&] { return tool.IniInt("ontop") == 1; }));
    EXPECT_TRUE(Topmost(tool.Window()));
    ASSERT_TRUE(tool.CloseBySystemCommand());

    ASSERT_NE(tool.Start(), nullptr);
    EXPECT_EQ(::IsDlgButtonChecked(tool.Window(), IDC_ALWAYS_ON_TOP), static_cast<UINT>(BST_CHECKED));
    EXPECT_TRUE(Topmost(tool.Window()));
    ClickButton(tool.Window(), IDC_ALWAYS_ON_TOP);
    ASSERT_TRUE(WaitUntil([&] { return tool.IniInt("ontop") == 0; }));
    ASSERT_TRUE(tool.CloseBySystemCommand());

    ASSERT_NE(tool.Start(), nullptr);
    EXPECT_FALSE(Topmost(tool.Window()));
    EXPECT_TRUE(tool.CloseBySystemCommand());
}

TEST(ToolProcess, OnlyTheSystemCloseCommandEndsTheProcess) {
    Tool tool;
    ASSERT_NE(tool.Start(), nullptr);
    HWND run = ::GetDlgItem(tool.Window(), IDC_RUN);
    ::PostMessageA(run, WM_KEYDOWN, VK_ESCAPE, 0x00010001);
    ::PostMessageA(tool.Window(), WM_CLOSE, 0, 0);
    ::PostMessageA(tool.Window(), WM_COMMAND, IDOK, 0);
    ::PostMessageA(tool.Window(), WM_COMMAND, IDCANCEL, 0);
    EXPECT_FALSE(tool.Process().WaitForExit(1500)) << "the tool must still run";
    EXPECT_TRUE(::IsWindowVisible(tool.Window()));
    EXPECT_TRUE(tool.CloseBySystemCommand());
}

TEST(ToolProcess, ClearAsksAndClearsOnlyOnYes) {
    Tool tool;
    tool.WriteIni("[setup]\r\ncounter=5\r\n");
    ASSERT_NE(tool.Start(), nullptr);

    ClickButton(tool.Window(), IDC_CLEAR);
    HWND box = WaitForMessageBox(tool.Process().Id(), "Tallyburn");
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(MessageBoxText(box), "Clear counter?");
    ClickButton(box, IDNO);
    ASSERT_TRUE(WaitUntil([&] { return !::IsWindow(box); }));
    EXPECT_EQ(tool.IniInt("counter"), 5);

    ClickButton(tool.Window(), IDC_CLEAR);
    box = WaitForMessageBox(tool.Process().Id(), "Tallyburn");
    ASSERT_NE(box, nullptr);
    ClickButton(box, IDYES);
    EXPECT_TRUE(WaitUntil([&] { return tool.IniInt("counter") == 0; }));
    EXPECT_TRUE(tool.CloseBySystemCommand());
}

TEST(ToolProcess, RunWithoutJFlashSaysSo) {
    Tool tool;
    ASSERT_NE(tool.Start(), nullptr);
    ClickButton(tool.Window(), IDC_RUN);
    HWND box = WaitForMessageBox(tool.Process().Id(), "Tallyburn");
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(MessageBoxText(box), "Cann't find J-Flash Window.");
    ClickButton(box, IDOK);
    EXPECT_TRUE(WaitUntil([&] { return !::IsWindow(box); }));
    EXPECT_TRUE(::IsWindowEnabled(::GetDlgItem(tool.Window(), IDC_RUN)));
    EXPECT_TRUE(tool.CloseBySystemCommand());
}
