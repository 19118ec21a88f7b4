// The simulated programmer: takes commands and keys, runs one operation at a time (a "J-Flash" window
// for the work time, then the windows of the operation's outcome) and keeps the outcome list.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "message_window.h"
#include "outcome_script.h"
#include "outcome_windows.h"
#include "sim_log.h"
#include "sim_options.h"

namespace jflashsim {

class Simulator {
public:
    // Posted to the main window when a message window has closed, so that it is forgotten outside its
    // own window procedure.
    static const UINT kForgetClosedMessage = WM_APP + 1;
    // Posted to the main window by a close-main fault, so that the main window is destroyed outside the
    // window procedure that met the fault.
    static const UINT kCloseMainMessage = WM_APP + 2;
    static const UINT_PTR kWorkTimer = 1;
    static const UINT_PTR kFaultTimer = 2;
    // The exit code of a process that ends by an exit fault.
    static const UINT kAbruptExitCode = 3;

    Simulator(const SimOptions& options, SimLog& log);
    ~Simulator();

    // |mainWindow| owns the message windows and receives the timer; |onStateChanged| is called
    // whenever the status or the outcome list position changes.
    void Attach(HWND mainWindow, std::function<void()> onStateChanged);

    void OnCommand(WPARAM wParam, LPARAM lParam);
    void OnKey(UINT message, WPARAM wParam, LPARAM lParam);
    void OnWorkTimer();
    void OnFaultTimer();
    void ForgetClosedWindows();

    // Replaces the outcome list (the same syntax as --outcomes; the end behaviour stays as started);
    // false, with the reason logged, when the text is not a valid list.
    bool SetOutcomes(const std::string& text);

    // The outcome of the next operation instead of the list's (the list is not advanced); none
    // clears the choice.
    void ChooseNextOutcome(std::optional<Outcome> outcome);
    bool HasChosenOutcome() const { return m_chosen.has_value(); }

    std::string ScriptText() const { return m_script.Describe(); }
    std::string StatusText() const { return m_status; }

private:
    void Start(Operation operation);
    void Finish();
    MessageWindow* Open(const WindowPlan& plan, const ClosePolicy& policy, int offset = 0);
    void SetStatus(std::string status);
    // Carries out a fault; |where| says when for the log. |trigger| is the window whose first close
    // request met the fault (null otherwise) and |how| how it was asked. Returns false when the
    // simulator is to stop what it is doing (the main window closes); an exit does not return.
    bool Strike(const Fault& fault,
                const std::string& where,
                MessageWindow* trigger = nullptr,
                const std::string& how = std::string());
    void StartWorkTimer(int ms);

    SimOptions m_options;
    SimLog& m_log;
    OutcomeScript m_script;
    std::string m_appTitle;
    HWND m_main = nullptr;
    std::function<void()> m_onStateChanged;

    std::vector<std::unique_ptr<MessageWindow>> m_windows;
    MessageWindow* m_working = nullptr;
    int m_windowsOpened = 0;
    bool m_busy = false;
    bool m_closingMain = false;
    Operation m_operation = Operation::Program;
    Outcome m_outcome;
    std::optional<Outcome> m_chosen;
    std::string m_status = "Idle";
};

}  // namespace jflashsim
