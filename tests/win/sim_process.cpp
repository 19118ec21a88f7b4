#include "sim_process.h"

#include <gtest/gtest.h>

#include <cstdio>

#include "tests/support/temp_folder.h"
#include "tools/simulator/outcome_script.h"

namespace simtest {

bool WaitGone(HWND hwnd) {
    return WaitUntil([&] { return !IsWindow(hwnd); });
}

std::string TitleOf(HWND hwnd) {
    char text[512] = "";
    GetWindowTextA(hwnd, text, sizeof text);
    return text;
}

std::string ClassOf(HWND hwnd) {
    char name[260] = "";
    GetClassNameA(hwnd, name, sizeof name);
    return name;
}

bool StartsWith(const std::string& text, const std::string& prefix) {
    return text.compare(0, prefix.size(), prefix) == 0;
}

int Count(const std::string& text, const std::string& needle) {
    int count = 0;
    for (size_t at = text.find(needle); at != std::string::npos; at = text.find(needle, at + 1)) {
        ++count;
    }
    return count;
}

std::vector<HWND> Descendants(HWND parent) {
    std::vector<HWND> found;
    EnumChildWindows(
        parent,
        [](HWND child, LPARAM list) CALLBACK -> BOOL {
            reinterpret_cast<std::vector<HWND>*>(list)->push_back(child);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&found));
    return found;
}

HWND ChildWithText(HWND parent, const std::string& prefix) {
    for (HWND child : Descendants(parent)) {
        if (StartsWith(TitleOf(child), prefix)) {
            return child;
        }
    }
    return nullptr;
}

HWND ChildOfClass(HWND parent, const std::string& className) {
    for (HWND child : Descendants(parent)) {
        if (ClassOf(child) == className) {
            return child;
        }
    }
    return nullptr;
}

bool IsTopLevel(HWND hwnd) {
    return GetAncestor(hwnd, GA_PARENT) == GetDesktopWindow();
}

void PostKey(HWND hwnd, UINT vk) {
    LPARAM scan = static_cast<LPARAM>(MapVirtualKeyA(vk, 0)) << 16;
    PostMessageA(hwnd, WM_KEYDOWN, vk, scan | 1);
    PostMessageA(hwnd, WM_KEYUP, vk, scan | 0xC0000001);
}

Sim::Sim(const std::string& argsAfter, bool qt, const std::string& rawTitle) : m_qt(qt), m_rawTitle(rawTitle) {
    static int serial = 0;
    m_version = "V" + std::to_string(GetCurrentProcessId()) + "." + std::to_string(++serial) + "t";
    char path[MAX_PATH];
    GetTempPathA(MAX_PATH, path);
    char logPath[MAX_PATH];
    GetTempFileNameA(path, "jfs", 0, logPath);
    m_logPath = logPath;
    const std::string exe = ProgramFolder() + "\\JFlashSim.exe";
    const std::string args = "--version " + m_version + " --log \"" + m_logPath + "\" --record \"" + RecordPath() +
                             "\" " + (qt ? "--qt " : "") +
                             (rawTitle.empty() ? "" : "--title \"" + rawTitle + "\" ") + argsAfter;
    m_started = m_process.Start(exe, args, "");
    if (m_started) {
        WaitUntil([&] { return (m_main = FindWindowA(MainClass(), MainTitle().c_str())) != nullptr; });
    }
}

Sim::~Sim() {
    if (m_started) {
        HWND main = m_main ? m_main : FindOwnWindow(MainClass(), nullptr);
        if (main && IsWindow(main)) {
            PostMessageA(main, WM_CLOSE, 0, 0);
        }
        if (!m_process.WaitForExit(10000)) {
            m_process.Kill();
        }
    }
    if (testing::Test::HasFailure()) {
        printf("JFlashSim log:\n%s\n", Log().c_str());
    }
    DeleteFileA(m_logPath.c_str());
    DeleteFileA(RecordPath().c_str());
}

std::string Sim::MainTitle() const {
    return m_rawTitle.empty() ? "SEGGER J-Flash " + m_version + " - [Production.jflash]" : m_rawTitle;
}

void Sim::Program() const {
    if (m_qt) {
        PostKey(m_main, VK_F7);
    } else {
        PostMessageA(m_main, WM_COMMAND, 642, 0);
    }
}

bool Sim::SetOutcomes(const std::string& list) const {
    COPYDATASTRUCT data = {};
    data.dwData = jflashsim::kSetOutcomesCopyData;
    data.cbData = static_cast<DWORD>(list.size() + 1);
    data.lpData = const_cast<char*>(list.c_str());
    DWORD_PTR answer = 0;
    return SendMessageTimeoutA(m_main, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data), SMTO_NORMAL, 5000, &answer) !=
               0 &&
           answer == TRUE;
}

HWND Sim::FindOwnWindow(const std::string& className, const char* title) const {
    return FindProcessWindow(m_process.Id(), className.c_str(), title);
}

HWND Sim::WaitForWindow(const std::string& title, DWORD timeoutMs) const {
    HWND found = nullptr;
    WaitUntil([&] { return (found = FindOwnWindow(MessageClass(), title.c_str())) != nullptr; }, timeoutMs);
    return found;
}

int Sim::VisibleWindowCount() const {
    std::pair<DWORD, int> count = {m_process.Id(), 0};
    EnumWindows(
        [](HWND hwnd, LPARAM param) CALLBACK -> BOOL {
            auto* c = reinterpret_cast<std::pair<DWORD, int>*>(param);
            DWORD pid = 0;
            GetWindowThreadProcessId(hwnd, &pid);
            c->second += pid == c->first && IsWindowVisible(hwnd);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&count));
    return count.second;
}

DWORD Sim::WaitForExit(DWORD timeoutMs) const {
    return m_started && m_process.WaitForExit(timeoutMs) ? m_process.ExitCode() : STILL_ACTIVE;
}

std::string Sim::Log() const {
    return ReadFile(m_logPath);
}

std::string Sim::Record() const {
    return ReadFile(RecordPath());
}

bool Sim::WaitForLog(const std::string& needle, DWORD timeoutMs) const {
    return WaitUntil([&] { return Log().find(needle) != std::string::npos; }, timeoutMs);
}

}  // namespace simtest
