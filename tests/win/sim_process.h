// JFlashSim.exe as a separate process for the simulator's own tests: started from the directory of the
// test program with a title, a log file and a record of its own, watched from outside with plain Win32 calls.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "tools/remote/process_control.h"

namespace simtest {

const DWORD kTimeoutMs = 20000;

bool WaitGone(HWND hwnd);

// The window's text as the system holds it (GetWindowTextA, no message to the window's owner).
std::string TitleOf(HWND hwnd);
std::string ClassOf(HWND hwnd);
bool StartsWith(const std::string& text, const std::string& prefix);
int Count(const std::string& text, const std::string& needle);

std::vector<HWND> Descendants(HWND parent);
HWND ChildWithText(HWND parent, const std::string& prefix);
HWND ChildOfClass(HWND parent, const std::string& className);
// Top-level: its parent is the desktop (GetParent would give the owner of an owned window).
bool IsTopLevel(HWND hwnd);
void PostKey(HWND hwnd, UINT vk);

// One JFlashSim process with a title of its own, so that tests running side by side do not meet.
// |rawTitle|, when given, is the whole main title.
class Sim {
public:
    explicit Sim(const std::string& args, bool qt = false, const std::string& rawTitle = "");
    ~Sim();
    Sim(const Sim&) = delete;
    Sim& operator=(const Sim&) = delete;

    bool Started() const { return m_started; }
    HWND Main() const { return m_main; }
    const char* MainClass() const { return m_qt ? "QWidget" : "MainWindow"; }
    const char* MessageClass() const { return m_qt ? "QWidget" : "#32770"; }
    std::string MainTitle() const;
    std::string AppTitle() const { return "J-Flash " + m_version; }
    const std::string& Version() const { return m_version; }

    // Starts a programming operation the way the generation takes it (WM_COMMAND 642 or F7).
    void Program() const;
    // Gives the simulator a new outcome list through WM_COPYDATA; the simulator's answer.
    bool SetOutcomes(const std::string& list) const;

    // A visible top-level window of this process with exactly this class and (unless null) title.
    HWND FindOwnWindow(const std::string& className, const char* title) const;
    HWND WaitForWindow(const std::string& title, DWORD timeoutMs = kTimeoutMs) const;
    int VisibleWindowCount() const;

    // Waits for the process to end; its exit code, or STILL_ACTIVE when it still runs.
    DWORD WaitForExit(DWORD timeoutMs = kTimeoutMs) const;

    std::string Log() const;
    // What the simulator recorded for programs (--record).
    std::string Record() const;
    bool WaitForLog(const std::string& needle, DWORD timeoutMs = kTimeoutMs) const;

private:
    std::string RecordPath() const { return m_logPath + ".rec"; }

    bool m_qt;
    std::string m_rawTitle;
    std::string m_version;
    std::string m_logPath;
    bool m_started = false;
    mutable ChildProcess m_process;
    HWND m_main = nullptr;
};

}  // namespace simtest
