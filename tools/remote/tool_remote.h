#pragma once
// Tallyburn seen from outside, as an operator sees it: its window, the Run button, the colour of the
// count, the message boxes and the count in Tallyburn.ini. Used by the end-to-end tests, the demo,
// the benchmark and the soak, which run Tallyburn.exe as a separate process.
#include <windows.h>

#include <string>

// The caption of Tallyburn's main window.
extern const char kTallyburnCaption[];
// Tallyburn's main window in the process, once it shows; null when it does not in time.
HWND WaitForTallyburn(DWORD processId, DWORD timeoutMs = 20000);

enum class DisplayState { Grey, Green, Red, Unknown };
const char* ToString(DisplayState state);

// The colour state of the count as the screen shows it (the window must not be covered).
DisplayState ReadDisplayState(HWND tallyburn);

// How one press of Run ended.
struct CycleOutcome {
    bool finished = false;       // Run came back on with a red or green count, or J-Flash was missing
    bool missingJFlash = false;  // Run found no J-Flash: "Cann't find J-Flash Window." (answered), no cycle
    int missingBoxes = 0;        // such boxes answered, also those of a restart within the cycle
    DisplayState state = DisplayState::Unknown;
    DWORD milliseconds = 0;  // from the press until the end state
};

class ToolRemote {
public:
    // Watches the Tallyburn window of the process; the settings file is the one given.
    ToolRemote(HWND tallyburn, DWORD processId, std::string iniPath);

    // Presses Run (a click on the button) and waits, up to timeoutMs, for the cycle to end, answering
    // the message box about a missing J-Flash whenever it shows. Sends Tallyburn nothing without a
    // time limit, so a hung Tallyburn only makes the press run out of time.
    CycleOutcome PressRun(DWORD timeoutMs = 60000);

    bool RunEnabled() const;
    // Checks or clears a check box as a click does; false when the box does not take the state
    // (disabled, or Tallyburn does not answer).
    bool SetCheck(int id, bool checked);
    // The "counter" key of the settings file, or fallback when it is not there.
    int StoredCount(int fallback = 0) const;
    // CPU time (kernel + user) the Tallyburn process has used, in milliseconds.
    double CpuMilliseconds() const;
    // CPU time of the thread that runs Tallyburn's window (the cycle's own work), in milliseconds.
    double UiThreadCpuMilliseconds() const;

private:
    // Answers the box about a missing J-Flash if it shows; true when there was one.
    bool AnswerMissingJFlash();

    HWND m_window;
    DWORD m_processId;
    std::string m_iniPath;
};
