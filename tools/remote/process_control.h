#pragma once
// Other programs, seen from outside: starting them, waiting for their windows, answering their message
// boxes, and stopping them. All waits poll with a generous deadline; none is an assertion itself.
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

// The folder of the running program (where the build puts Tallyburn.exe, the simulator and the tests).
std::string ProgramFolder();

// The whole file, read while other programs may be writing it; empty when it cannot be read.
std::string ReadWholeFile(const std::string& path);

// Polls the condition every 20 ms until it holds or the time is up; returns whether it held.
bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs = 20000);

class ChildProcess {
public:
    ChildProcess() = default;
    ~ChildProcess();  // stops the process if it still runs
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    // Starts "exe" args in the folder; false if it could not be started. Its standard handles lead
    // nowhere, so its output never mixes with ours nor keeps a reader of ours waiting.
    bool Start(const std::string& exe, const std::string& args, const std::string& folder);
    bool Running() const;
    // Waits for the process to end; false if it still runs after the timeout.
    bool WaitForExit(DWORD timeoutMs = 20000);
    // Ends the process at once (TerminateProcess) if it still runs, and forgets it.
    void Kill();
    // Closes the window as a user does (the system Close command) and waits for the process to end;
    // stops it if it does not end in time. Whether it ended by itself.
    bool Close(HWND window, DWORD timeoutMs = 10000);
    DWORD Id() const { return m_info.dwProcessId; }

private:
    PROCESS_INFORMATION m_info{};
};

// The window's title and class as the system holds them (no message to the window's owner, so a
// hung program cannot hold the caller up).
std::string TitleOf(HWND window);
std::string ClassOf(HWND window);

// The visible top-level windows of the process.
std::vector<HWND> ProcessWindows(DWORD processId);
// A visible top-level window of the process with this class and title (null: any), or null.
HWND FindProcessWindow(DWORD processId, const char* windowClass, const char* title);
HWND WaitForProcessWindow(DWORD processId, const char* windowClass, const char* title, DWORD timeoutMs = 20000);

// Whether the window's thread answers a message within the time.
bool Answers(HWND window, UINT timeoutMs);

// The text the window's own procedure answers to WM_GETTEXT (waiting at most 5 s for it).
std::string AnsweredText(HWND window);

// Clicks a button of another process's window as a mouse click would (BM_CLICK, posted).
void ClickButton(HWND window, int id);

// A message box of the process: a dialog captioned caption; waits for it to appear.
HWND WaitForMessageBox(DWORD processId, const char* caption, DWORD timeoutMs = 20000);
// The message box's text (its static child with the message).
std::string MessageBoxText(HWND box);

// Gives the simulator's main window a new outcome list (WM_COPYDATA); whether it took the list.
bool SetSimulatorOutcomes(HWND simulator, const std::string& list);
