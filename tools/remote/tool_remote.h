#pragma once
// Tallyburn seen from outside, as an operator sees it: its window, the Run button, the colour of the
// count, the message boxes and the count in Tallyburn.ini. Used by the end-to-end tests, the demo
// and the benchmark, which run Tallyburn.exe as a separate process.
#include <windows.h>

#include <string>

enum class DisplayState { Grey, Green, Red, Unknown };
const char* ToString(DisplayState state);

// The colour state of the count as the screen shows it (the window must not be covered).
DisplayState ReadDisplayState(HWND tallyburn);

// How one press of Run ended.
struct CycleOutcome {
    bool started = false;        // the Run button went off, or J-Flash was missing
    bool finished = false;       // Run came back on with a red or green count
    bool missingJFlash = false;  // "Cann't find J-Flash Window." was shown (and answered)
    DisplayState state = DisplayState::Unknown;
    DWORD milliseconds = 0;  // from the press until the end state
};

class ToolRemote {
public:
    // Watches the Tallyburn window of the process; the settings file is the one given.
    ToolRemote(HWND tallyburn, DWORD processId, std::string iniPath);

    // Presses Run (a click on the button) and waits, up to timeoutMs, for the cycle to end.
    CycleOutcome PressRun(DWORD timeoutMs = 60000);

    bool RunEnabled() const;
    // The "counter" key of the settings file, or fallback when it is not there.
    int StoredCount(int fallback = 0) const;
    // CPU time (kernel + user) the Tallyburn process has used, in milliseconds.
    double CpuMilliseconds() const;

private:
    HWND m_window;
    DWORD m_processId;
    std::string m_iniPath;
};
