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
    static const UINT_PTR kWorkTimer = 1;

    Simulator(const SimOptions& options, SimLog& log);
    ~Simulator();

    // |mainWindow| owns the message windows and receives the timer; |onStateChanged| is called
    // whenever the status or the outcome list position changes.
    void Attach(HWND mainWindow, std::function<void()> onStateChanged);

    void OnCommand(WPARAM wParam, LPARAM lParam);
    void OnKey(UINT message, WPARAM wParam, LPARAM lParam);
    void OnWorkTimer();
    void ForgetClosedWindows();

    // The outcome of the next operation instead of the list's (the list is not advanced); none
    // clears the choice.
    void ChooseNextOutcome(std::optional<Outcome> outcome);
    bool HasChosenOutcome() const { return m_chosen.has_value(); }

    std::string ScriptText() const { return m_script.Describe(); }
    std::string StatusText() const { return m_status; }

private:
    void Start(Operation operation);
    void Finish();
    void Open(const WindowPlan& plan, const ClosePolicy& policy);
    void SetStatus(std::string status);

    SimOptions m_options;
    SimLog& m_log;
    OutcomeScript m_script;
    std::string m_appTitle;
    HWND m_main = nullptr;
    std::function<void()> m_onStateChanged;

    std::vector<std::unique_ptr<MessageWindow>> m_windows;
    MessageWindow* m_working = nullptr;
    bool m_busy = false;
    Operation m_operation = Operation::Program;
    Outcome m_outcome;
    std::optional<Outcome> m_chosen;
    std::string m_status = "Idle";
};

}  // namespace jflashsim
