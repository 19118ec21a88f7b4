// A program the soak starts and may have to stop: its standard handles lead nowhere, so that its
// output never mixes with the soak's own and never keeps a reader of the soak's output waiting.
#pragma once

#include <windows.h>

#include <string>

namespace soak {

class Program {
public:
    Program() = default;
    ~Program();  // stops the process if it still runs
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    // Starts "exe" args in the folder; false if it could not be started.
    bool Start(const std::string& exe, const std::string& args, const std::string& folder);
    bool Running() const;
    DWORD Id() const { return m_info.dwProcessId; }
    // Waits for the process to end; false if it still runs after the timeout.
    bool WaitForExit(DWORD timeoutMs);
    // Ends the process at once (TerminateProcess) and forgets it.
    void Kill();
    // Forgets a process that has ended.
    void Release();

private:
    PROCESS_INFORMATION m_info{};
};

// The folder of the running soak program, where the build puts Tallyburn.exe and JFlashSim.exe.
std::string OwnFolder();

// Whether the window's thread answers a sent WM_NULL within the time.
bool Answers(HWND window, UINT timeoutMs);

}  // namespace soak
