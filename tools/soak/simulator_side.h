// The programmer simulator under soak: started per generation with a log and a record of its own, given each
// cycle's outcomes, and tidied up after a cycle the way an operator tidies up J-Flash: its leftover
// windows are closed as a user closes them. Every wait has a deadline.
#pragma once

#include <windows.h>

#include <string>

#include "tools/remote/process_control.h"

namespace soak {

class SimulatorSide {
public:
    // Starts JFlashSim.exe (from the soak's own folder) in |folder|, with its log in |base|.log and its
    // record in |base|.rec; waits for its main window.
    bool Start(bool qt, const std::string& folder, const std::string& base, int workMs);
    bool Running() const { return m_program.Running(); }
    bool Qt() const { return m_qt; }
    // Closes the main window as a user does; stops the process if it does not end.
    void Close();
    void Kill() { m_program.Kill(); }

    // Gives the simulator the outcomes of the next operations; false when it did not take them.
    bool SetOutcomes(const std::string& list) const;

    // Waits, up to |timeoutMs|, until the simulator has ended or is idle with no window left but its
    // main window, closing leftover windows as a user does once it is idle. Closing one may set off a
    // fault (a hang, an exit), which the wait sees through. False when time ran out.
    bool Settle(DWORD timeoutMs);

private:
    // Answers messages and is not working on an operation (no "J-Flash" window).
    bool Idle() const;

    ChildProcess m_program;
    HWND m_main = nullptr;
    bool m_qt = false;
};

}  // namespace soak
