#include "tools/remote/process_control.h"

#include "tools/simulator/outcome_script.h"

std::string ProgramFolder() {
    char path[MAX_PATH] = {};
    ::GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder = path;
    return folder.substr(0, folder.find_last_of('\\'));
}

std::string ReadWholeFile(const std::string& path) {
    HANDLE file = ::CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                nullptr, OPEN_EXISTING, 0, nullptr);
    std::string text;
    if (file == INVALID_HANDLE_VALUE)
        return text;
    char buffer[8192];
    DWORD read = 0;
    while (::ReadFile(file, buffer, sizeof buffer, &read, nullptr) && read > 0)
        text.append(buffer, read);
    ::CloseHandle(file);
    return text;
}

bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs) {
    const DWORD start = ::GetTickCount();
    for (;;) {
        if (condition())
            return true;
        if (::GetTickCount() - start > timeoutMs)
            return false;
        ::Sleep(20);
    }
}

ChildProcess::~ChildProcess() {
    Kill();
}

bool ChildProcess::Start(const std::string& exe, const std::string& args, const std::string& folder) {
    Kill();
    SECURITY_ATTRIBUTES inherit = {sizeof inherit, nullptr, TRUE};
    HANDLE null = ::CreateFileA("NUL", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, &inherit,
                                OPEN_EXISTING, 0, nullptr);
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = startup.hStdOutput = startup.hStdError = null;
    std::string command = "\"" + exe + "\"" + (args.empty() ? "" : " " + args);
    std::vector<char> line(command.begin(), command.end());
    line.push_back('\0');
    const bool started = ::CreateProcessA(exe.c_str(), line.data(), nullptr, nullptr, TRUE, 0, nullptr,
                                          folder.empty() ? nullptr : folder.c_str(), &startup, &m_info) != FALSE;
    if (null != INVALID_HANDLE_VALUE)
        ::CloseHandle(null);
    if (!started)
        m_info = PROCESS_INFORMATION{};
    return started;
}

bool ChildProcess::Running() const {
    return m_info.hProcess != nullptr && ::WaitForSingleObject(m_info.hProcess, 0) == WAIT_TIMEOUT;
}

bool ChildProcess::WaitForExit(DWORD timeoutMs) {
    return m_info.hProcess == nullptr || ::WaitForSingleObject(m_info.hProcess, timeoutMs) == WAIT_OBJECT_0;
}

void ChildProcess::Kill() {
    if (m_info.hProcess == nullptr)
        return;
    if (Running()) {
        ::TerminateProcess(m_info.hProcess, 1);
        ::WaitForSingleObject(m_info.hProcess, 10000);
    }
    ::CloseHandle(m_info.hThread);
    ::CloseHandle(m_info.hProcess);
    m_info = PROCESS_INFORMATION{};
}

bool ChildProcess::Close(HWND window, DWORD timeoutMs) {
    const bool ended = !Running() || (::PostMessageA(window, WM_SYSCOMMAND, SC_CLOSE, 0) && WaitForExit(timeoutMs));
    Kill();
    return ended;
}

bool Answers(HWND window, UINT timeoutMs) {
    DWORD_PTR result = 0;
    return ::SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_NORMAL, timeoutMs, &result) != 0;
}

std::string TitleOf(HWND window) {
    char title[512] = {};
    ::GetWindowTextA(window, title, sizeof title);
    return title;
}

std::string ClassOf(HWND window) {
    char name[256] = {};
    ::GetClassNameA(window, name, sizeof name);
    return name;
}

namespace {

struct WindowQuery {
    DWORD processId;
    std::vector<HWND> windows;
};

BOOL CALLBACK CollectWindow(HWND window, LPARAM context) noexcept {
    auto* query = reinterpret_cast<WindowQuery*>(context);
    DWORD owner = 0;
    ::GetWindowThreadProcessId(window, &owner);
    if (owner == query->processId && ::IsWindowVisible(window))
        query->windows.push_back(window);
    return TRUE;
}

}  // namespace

std::vector<HWND> ProcessWindows(DWORD processId) {
    WindowQuery query{processId, {}};
    ::EnumWindows(&CollectWindow, reinterpret_cast<LPARAM>(&query));
    return query.windows;
}

HWND FindProcessWindow(DWORD processId, const char* windowClass, const char* title) {
    for (HWND window : ProcessWindows(processId)) {
        if ((windowClass == nullptr || ClassOf(window) == windowClass) &&
            (title == nullptr || TitleOf(window) == title))
            return window;
    }
    return nullptr;
}

HWND WaitForProcessWindow(DWORD processId, const char* windowClass, const char* title, DWORD timeoutMs) {
    HWND found = nullptr;
    WaitUntil([&] { return (found = FindProcessWindow(processId, windowClass, title)) != nullptr; }, timeoutMs);
    return found;
}

std::string AnsweredText(HWND window) {
    char text[1024] = {};
    ::SendMessageTimeoutA(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, 5000,
                          nullptr);
    return text;
}

void ClickButton(HWND window, int id) {
    ::PostMessageA(::GetDlgItem(window, id), BM_CLICK, 0, 0);
}

HWND WaitForMessageBox(DWORD processId, const char* caption, DWORD timeoutMs) {
    return WaitForProcessWindow(processId, "#32770", caption, timeoutMs);
}

std::string MessageBoxText(HWND box) {
    // The message is the static control with id 0xFFFF in both Windows and Wine message boxes.
    return AnsweredText(::GetDlgItem(box, 0xFFFF));
}

bool SetSimulatorOutcomes(HWND simulator, const std::string& list) {
    COPYDATASTRUCT data{};
    data.dwData = jflashsim::kSetOutcomesCopyData;
    data.cbData = static_cast<DWORD>(list.size() + 1);
    data.lpData = const_cast<char*>(list.c_str());
    DWORD_PTR answer = 0;
    return ::SendMessageTimeoutA(simulator, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data), SMTO_NORMAL, 5000,
                                 &answer) != 0 &&
           answer == TRUE;
}
