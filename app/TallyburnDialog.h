#pragma once
// CTallyburnDialog: the main window. It shows the count of programmed targets, the time since the
// count was cleared, and runs one programming cycle through J-Flash per press of "Run" or Enter.
// One class in four files: each group of members below starts with the file that defines it.
#include <memory>
#include <string>

#include "app/Stopwatch.h"
#include "automation/TakenWindows.h"
#include "display/SegmentDisplay.h"
#include "framework/AfxWin.h"

class CProductionLog;

class CTallyburnDialog : public CDialog {
public:
    // The window timers, told apart by id.
    enum : UINT_PTR { ResultPollTimer = 1, ErasePollTimer = 2, ElapsedTimer = 3, StartDelayTimer = 4 };

    // ---- app/TallyburnDialog.cpp: the shell (start, settings, clock, Clear, Allways on top, keys,
    // closing, sounds)
    explicit CTallyburnDialog(CWnd* parent = nullptr);
    ~CTallyburnDialog() override;

    BOOL PreTranslateMessage(MSG* message) override;
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;

    // Switches the Run button off for a cycle, or on again (with the focus, window in front).
    void EnableRun(bool enable);
    void PlayFailureSound();
    void PlayStartSound();

protected:
    void DoDataExchange(CDataExchange* exchange) override;

private:
    // Called when the window needs painting: the icon while minimised, else the default.
    void OnPaint();
    // Called when the minimised window is dragged.
    HCURSOR OnQueryDragIcon();
    // Called at every tick of the window's timers.
    void OnTimer(UINT_PTR timerId);
    // Called for system menu commands; Close ends the dialog.
    void OnSysCommand(UINT command, LPARAM position);
    // Called when "Clear" is clicked.
    void OnClear();
    // Called when "Allways on top" is clicked.
    void OnAlwaysOnTop();
    // Called when the window is being destroyed.
    void OnDestroy();

    void ShowCounter();
    void PlaySoundResource(UINT id);
    CWinApp& App() const;

    // ---- automation/ProgrammerDiscovery.cpp: finding J-Flash
public:
    // Finds J-Flash's main window unless the attached one still exists; learns its title.
    void DiscoverProgrammer();

private:
    void LearnAppTitle(HWND window);

    // ---- automation/CycleController.cpp: the programming cycle
public:
    // Starts one programming cycle through J-Flash.
    void Run();

private:
    // Run's work; a restart after a retryable error that no longer finds J-Flash ends as a failure.
    void StartCycle(bool restartAfterError);
    // The cycle's timer ticks.
    void OnResultPoll();
    void OnErasePoll();
    void OnStartDelay();
    // A result window not taken before that shows text (any text when null): under the learned
    // title, or else under the alternative title, where the special child stands for the text.
    HWND FindResultWindow(const char* text) const;
    bool ShowsResult(HWND window, bool alternative, const char* text) const;
    // Closes a retryable error window and restarts the cycle once it is gone; false otherwise, with
    // cause "post refused" when the window refused to be asked to close.
    bool RetryAfterError(HWND error, std::string& cause);
    void CompleteCycle(HWND resultWindow);
    // Ends the cycle as a failure; cause is what decided it, for the production log.
    void FailCycle(const std::string& cause);
    // Ends a failed cycle whose line is already in the log.
    void EndFailedCycle();
    // Ends the cycle, success or failure: stops every timer of the cycle and shows the outcome.
    void FinishCycle(bool failed);

    // ---- app/TallyburnLog.cpp: the production log
    // Opening it from the settings, one line per event, closing it.
    void OpenLog();
    void CloseLog();
    void WriteLogLine(const char* event,
                      const std::string& seconds,
                      const std::string& erase,
                      const std::string& cause);
    // A line without seconds and erase (start, clear, stop).
    void LogEvent(const char* event, const std::string& cause);
    // A line of the cycle (pass, fail, retry): seconds since Run was pressed, and the erase path.
    void LogOutcome(const char* event, const std::string& cause);
    // What a J-Flash window says, read only when the log is on.
    std::string LoggedTexts(HWND window) const;
    std::string LoggedText(HWND window) const;

    // ---- The fields, in their declared order; the comment says which group sets them.
    // What the erase poll waits for. Erase is also the stage outside the erase phases.
    enum class EraseStage { Erase, Unsecure };

    CString m_appTitle;                           // discovery
    CString m_errorTitle;                         // discovery
    CString m_warningTitle;                       // discovery
    bool m_failed = false;                        // cycle: whether the last cycle failed
    bool m_qtGeneration = false;                  // discovery
    CString m_windowClass;                        // discovery
    HWND m_programmerWindow = nullptr;            // discovery
    int m_counter = 0;                            // shell and cycle
    EraseStage m_eraseStage = EraseStage::Erase;  // cycle
    CStopwatch m_stopwatch;                       // shell
    int m_missingPolls = 0;                       // cycle
    int m_endDelay = 0;                           // shell, waited by the cycle
    CSegmentDisplay m_display;                    // shell
    HICON m_icon = nullptr;                       // shell

    TakenWindows m_takenWindows;  // cycle: result windows already acted on, never taken again
    // The production log, when the "log" key names a file; none otherwise.
    std::unique_ptr<CProductionLog> m_log;
    ULONGLONG m_runPressedMs = 0;  // when the operator pressed Run (monotonic clock), for the log
    bool m_cycleErased = false;    // whether the cycle took the erase path, for the log

    // Tests read the display's text and colours through this view (tests/support/dialog_view.h).
    friend struct TallyburnDialogView;

    DECLARE_MESSAGE_MAP()
};
