#include "program.h"

#include <vector>

namespace soak {

Program::~Program() {
    Kill();
}

bool Program::Start(const std::string& exe, const std::string& args, const std::string& folder) {
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
    if (null != INVALID_HANDLE_VALUE) {
        ::CloseHandle(null);
    }
    if (!started) {
        m_info = PROCESS_INFORMATION{};
    }
    return started;
}

bool Program::Running() const {
    return m_info.hProcess != nullptr && ::WaitForSingleObject(m_info.hProcess, 0) == WAIT_TIMEOUT;
}

bool Program::WaitForExit(DWORD timeoutMs) {
    return m_info.hProcess == nullptr || ::WaitForSingleObject(m_info.hProcess, timeoutMs) == WAIT_OBJECT_0;
}

void Program::Kill() {
    if (m_info.hProcess == nullptr) {
        return;
    }
    if (Running()) {
        ::TerminateProcess(m_info.hProcess, 1);
        ::WaitForSingleObject(m_info.hProcess, 10000);
    }
    Release();
}

void Program::Release() {
    if (m_info.hProcess != nullptr) {
        ::CloseHandle(m_info.hThread);
        ::CloseHandle(m_info.hProcess);
    }
    m_info = PROCESS_INFORMATION{};
}

std::string OwnFolder() {
    char path[MAX_PATH] = {};
    ::GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder = path;
    return folder.substr(0, folder.find_last_of("\\/"));
}

bool Answers(HWND window, UINT timeoutMs) {
    DWORD_PTR result = 0;
    return ::SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_NORMAL, timeoutMs, &result) != 0;
}

}  // namespace soak
