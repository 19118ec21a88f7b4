// Tallyburn under soak, driven from outside as an operator drives it: Run, the "Erase chip" box, the
// message box about a missing J-Flash, the colour of the count, and the count in Tallyburn.ini. Every
// wait has a deadline and nothing here sends Tallyburn a message without a time limit.
#pragma once

#include <windows.h>

#include <string>

#include "tools/remote/process_control.h"
#include "tools/remote/tool_remote.h"

namespace soak {

// How one press of Run ended.
struct CycleResult {
    bool ended = false;         // Run came back on with a red or green count (or J-Flash was missing)
    bool missingAtRun = false;  // Run found no J-Flash: the message box, and no cycle
    bool toolEnded = false;     // the Tallyburn process ended during the cycle
    int missingBoxes = 0;       // "Cann't find J-Flash Window." boxes answered
    DisplayState state = DisplayState::Unknown;
    bool runEnabled = false;
    DWORD milliseconds = 0;
};

class TallyburnSide {
public:
    // Tallyburn.exe in |folder|, with its Tallyburn.ini there.
    explicit TallyburnSide(std::string folder);

    // Starts it and waits for its window; false if it does not come.
    bool Start();
    bool Running() const { return m_program.Running(); }
    void Kill() { m_program.Kill(); }
    // Closes it as a user does (the system Close command); stops it if it does not end.
    void Close();

    HWND Window() const { return m_window; }
    bool Answers(UINT timeoutMs) const { return ::Answers(m_window, timeoutMs); }
    int StoredCount() const;

    // Checks or clears "Erase chip"; false when the box cannot be set (disabled, or no answer).
    bool SetEraseChip(bool checked);

    // Presses Run and waits, up to |stuckMs|, for the cycle to end, answering the message box about a
    // missing J-Flash whenever it shows.
    CycleResult RunCycle(DWORD stuckMs);

private:
    bool RunEnabled() const;
    // Answers a message box of Tallyburn's if one shows; true when there was one.
    bool AnswerMessageBox(CycleResult& result, bool runWasOff);

    std::string m_folder;
    std::string m_ini;
    ChildProcess m_program;
    HWND m_window = nullptr;
};

}  // namespace soak
