#include "sim_process.h"

#include <gtest/gtest.h>

#include <cstdio>

#include "tools/simulator/outcome_script.h"

namespace simtest {

bool WaitFor(const std::function<bool()>& condition, DWORD timeoutMs) {
    const DWORD start = GetTickCount();
    for (;;) {
        if (condition()) {
            return true;
        }
        if (GetTickCount() - start > timeoutMs) {
            return false;
        }
        Sleep(20);
    }
}

bool WaitGone(HWND hwnd) {
    return WaitFor([&] { return !IsWindow(hwnd); });
}

std::string TextOf(HWND hwnd) {
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
        [](HWND child, LPARAM list) -> BOOL {
            reinterpret_cast<std::vector<HWND>*>(list)->push_back(child);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&found));
    return found;
}

HWND ChildWithText(HWND parent, const std::string& prefix) {
    for (HWND child : Descendants(parent)) {
        if (StartsWith(TextOf(child), prefix)) {
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

bool Answers(HWND hwnd, UINT timeoutMs) {
    DWORD_PTR result = 0;
    return SendMessageTimeoutA(hwnd, WM_NULL, 0, 0, SMTO_NORMAL, timeoutMs, &result) != 0;
}

Sim::Sim(const std::string& args, bool qt, const std::string& rawTitle) : m_qt(qt), m_rawTitle(rawTitle) {
    static int serial = 0;
    m_version = "V" + std::to_string(GetCurrentProcessId()) + "." + std::to_string(++serial) + "t";
    char path[MAX_PATH];
    GetTempPathA(MAX_PATH, path);
    char logPath[MAX_PATH];
    GetTempFileNameA(path, "jfs", 0, logPath);
    m_logPath = logPath;
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string exe = path;
    exe = exe.substr(0, exe.find_last_of("\\/") + 1) + "JFlashSim.exe";
    std::string command = "\"" + exe + "\" --version " + m_version + " --log \"" + m_logPath + "\" " +
                          (qt ? "--qt " : "") + (rawTitle.empty() ? "" : "--title \"" + rawTitle + "\" ") + args;
    // The simulator's stdout would mix with the test output; its log file says the same.
    SECURITY_ATTRIBUTES inherit = {sizeof inherit, nullptr, TRUE};
    HANDLE null = CreateFileA("NUL", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, &inherit,
                              OPEN_EXISTING, 0, nullptr);
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = startup.hStdOutput = startup.hStdError = null;
    std::vector<char> line(command.begin(), command.end());
    line.push_back('\0');
    m_started = CreateProcessA(exe.c_str(), line.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup,
                               &m_process) != 0;
    CloseHandle(null);
    if (m_started) {
        WaitFor([&] { return (m_main = FindWindowA(MainClass(), MainTitle().c_str())) != nullptr; });
    }
}

Sim::~Sim() {
    if (m_started) {
        HWND main = m_main ? m_main : FindOwnWindow(MainClass(), nullptr);
        if (main && IsWindow(main)) {
            PostMessageA(main, WM_CLOSE, 0, 0);
        }
        if (WaitForSingleObject(m_process.hProcess, 10000) != WAIT_OBJECT_0) {
            TerminateProcess(m_process.hProcess, 1);
        }
        CloseHandle(m_process.hThread);
        CloseHandle(m_process.hProcess);
    }
    if (testing::Test::HasFailure()) {
        printf("JFlashSim log:\n%s\n", Log().c_str());
    }
    DeleteFileA(m_logPath.c_str());
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
    struct Search {
        DWORD pid;
        std::string className;
        const char* title;
        HWND found;
    } search = {m_process.dwProcessId, className, title, nullptr};
    EnumWindows(
        [](HWND hwnd, LPARAM param) -> BOOL {
            auto* s = reinterpret_cast<Search*>(param);
            DWORD pid = 0;
            GetWindowThreadProcessId(hwnd, &pid);
            if (pid == s->pid && IsWindowVisible(hwnd) && ClassOf(hwnd) == s->className &&
                (!s->title || TextOf(hwnd) == s->title)) {
                s->found = hwnd;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND Sim::WaitForWindow(const std::string& title, DWORD timeoutMs) const {
    HWND found = nullptr;
    WaitFor([&] { return (found = FindOwnWindow(MessageClass(), title.c_str())) != nullptr; }, timeoutMs);
    return found;
}

int Sim::VisibleWindowCount() const {
    std::pair<DWORD, int> count = {m_process.dwProcessId, 0};
    EnumWindows(
        [](HWND hwnd, LPARAM param) -> BOOL {
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
    DWORD code = STILL_ACTIVE;
    if (m_started && WaitForSingleObject(m_process.hProcess, timeoutMs) == WAIT_OBJECT_0) {
        GetExitCodeProcess(m_process.hProcess, &code);
    }
    return code;
}

std::string Sim::Log() const {
    HANDLE file = CreateFileA(m_logPath.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              OPEN_EXISTING, 0, nullptr);
    std::string text;
    if (file != INVALID_HANDLE_VALUE) {
        char buffer[4096];
        DWORD read = 0;
        while (ReadFile(file, buffer, sizeof buffer, &read, nullptr) && read > 0) {
            text.append(buffer, read);
        }
        CloseHandle(file);
    }
    return text;
}

bool Sim::WaitForLog(const std::string& needle, DWORD timeoutMs) const {
    return WaitFor([&] { return Log().find(needle) != std::string::npos; }, timeoutMs);
}

}  // namespace simtest
