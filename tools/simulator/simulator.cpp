#include "simulator.h"

#include <algorithm>
#include <cstdio>

namespace jflashsim {

namespace {

const char* KeyName(WPARAM key) {
    static char name[16];
    if (key >= VK_F1 && key <= VK_F24) {
        snprintf(name, sizeof name, "F%u", static_cast<unsigned>(key - VK_F1 + 1));
    } else if ((key >= '0' && key <= '9') || (key >= 'A' && key <= 'Z')) {
        snprintf(name, sizeof name, "%c", static_cast<char>(key));
    } else {
        snprintf(name, sizeof name, "key");
    }
    return name;
}

const char* KeyMessageName(UINT message) {
    switch (message) {
        case WM_KEYDOWN:
            return "WM_KEYDOWN";
        case WM_KEYUP:
            return "WM_KEYUP";
        case WM_SYSKEYDOWN:
            return "WM_SYSKEYDOWN";
        default:
            return "WM_SYSKEYUP";
    }
}

}  // namespace

Simulator::Simulator(const SimOptions& options, SimLog& log)
    : m_options(options), m_log(log), m_script(options.outcomes, options.scriptEnd), m_appTitle(options.AppTitle()) {}

Simulator::~Simulator() {
    m_windows.clear();
}

void Simulator::Attach(HWND mainWindow, std::function<void()> onStateChanged) {
    m_main = mainWindow;
    m_onStateChanged = std::move(onStateChanged);
    m_log.Line(
        Format("started %s generation: main window %s \"%s\", message windows %s, outcome windows "
               "titled \"%s\", work %d ms, build %d ms",
               m_options.qtGeneration ? "Qt" : "dialog", m_options.MainClass(), m_options.MainTitle().c_str(),
               m_options.MessageClass(), m_appTitle.c_str(), m_options.workMs, m_options.buildMs));
    m_log.Line("outcomes: " + m_script.Describe());
}

void Simulator::OnCommand(WPARAM wParam, LPARAM lParam) {
    const unsigned id = LOWORD(wParam);
    std::string text = Format("received WM_COMMAND %u", id);
    if (HIWORD(wParam) != 0 || lParam != 0) {
        text += Format(" (code %u, lParam 0x%llx)", HIWORD(wParam), static_cast<unsigned long long>(lParam));
    }
    const bool starts = id == kEraseCommand || id == kUnsecureCommand || id == kProgramCommand;
    const char* meaning = id == kEraseCommand      ? "erase"
                          : id == kUnsecureCommand ? "unsecure"
                          : id == kProgramCommand  ? "program"
                          : id == kEndCommand      ? "end"
                                                   : "unknown, ignored";
    m_log.Line(text + " (" + meaning + ")");
    if (!starts) {
        return;
    }
    if (m_options.qtGeneration) {
        m_log.Line("ignored: the Qt generation takes no menu commands (programming starts with F7)");
        return;
    }
    Start(id == kEraseCommand ? Operation::Erase : id == kUnsecureCommand ? Operation::Unsecure : Operation::Program);
}

void Simulator::OnKey(UINT message, WPARAM wParam, LPARAM lParam) {
    m_log.Line(Format("received %s %s (vk 0x%02X, lParam 0x%08lX)", KeyMessageName(message), KeyName(wParam),
                      static_cast<unsigned>(wParam), static_cast<unsigned long>(lParam)));
    if (message != WM_KEYDOWN || wParam != kProgramKey) {
        return;
    }
    if (!m_options.qtGeneration) {
        m_log.Line("ignored: the dialog generation programs on WM_COMMAND 642");
        return;
    }
    Start(Operation::Program);
}

void Simulator::Start(Operation operation) {
    if (m_busy) {
        m_log.Line(Format("ignored: busy with %s", OperationName(m_operation)));
        return;
    }
    if (m_closingMain) {
        m_log.Line("ignored: the main window is closing");
        return;
    }
    m_busy = true;
    m_operation = operation;
    std::string source;
    if (m_chosen) {
        m_outcome = *m_chosen;
        m_chosen.reset();
        source = "chosen by hand";
    } else {
        bool exhausted = m_script.Exhausted();
        size_t step = m_script.Position() + 1;
        m_outcome = m_script.Next();
        source = exhausted ? "list used up" : "step " + std::to_string(step) + " of " + std::to_string(m_script.Size());
    }
    m_log.Line(Format("%s starts: outcome %s (%s)", OperationName(operation), FormatOutcome(m_outcome).c_str(),
                      source.c_str()));
    const Fault& fault = m_outcome.fault;
    if (fault.kind != FaultKind::None && fault.moment == FaultMoment::OnCommand &&
        !Strike(fault, "as the command arrives")) {
        return;
    }
    m_working = Open(PlanWorkingWindow(operation), ClosePolicy());
    if (fault.kind != FaultKind::None && fault.moment == FaultMoment::Working) {
        // The fault strikes halfway; the rest of the work time follows it.
        SetTimer(m_main, kFaultTimer, std::max(m_options.workMs / 2, 1), nullptr);
    } else {
        StartWorkTimer(m_options.workMs);
    }
    SetStatus(Format("Working: %s, outcome %s after %d ms", OperationName(operation), FormatOutcome(m_outcome).c_str(),
                     m_options.workMs));
}

void Simulator::StartWorkTimer(int ms) {
    SetTimer(m_main, kWorkTimer, std::max(ms, 1), nullptr);
}

void Simulator::OnWorkTimer() {
    KillTimer(m_main, kWorkTimer);
    if (m_busy) {
        Finish();
    }
}

void Simulator::OnFaultTimer() {
    KillTimer(m_main, kFaultTimer);
    if (m_busy && Strike(m_outcome.fault, "while \"J-Flash\" shows")) {
        StartWorkTimer(m_options.workMs - m_options.workMs / 2);
    }
}

void Simulator::Finish() {
    if (m_working) {
        m_working->Close("work done");
        m_working = nullptr;
    }
    m_busy = false;
    std::vector<WindowPlan> plans = PlanOutcomeWindows(m_outcome, m_operation, m_appTitle, m_options.qtGeneration);
    if (plans.empty()) {
        m_log.Line(Format("%s ends silently: no outcome window", OperationName(m_operation)));
    }
    // A second, identical window is set off a little, so that both can be seen.
    const int kSecondWindowOffset = 30;
    std::vector<MessageWindow*> opened;
    for (size_t i = 0; i < plans.size(); ++i) {
        if (MessageWindow* window = Open(plans[i], m_outcome.close, static_cast<int>(i) * kSecondWindowOffset)) {
            opened.push_back(window);
        }
    }
    if (m_outcome.fault.kind != FaultKind::None && m_outcome.fault.moment == FaultMoment::Outcome) {
        // The first close request to any of the outcome's windows meets the fault, once.
        auto struck = std::make_shared<bool>(false);
        const Fault fault = m_outcome.fault;
        for (MessageWindow* window : opened) {
            window->SetFirstCloseHook([this, fault, struck](MessageWindow& asked, const std::string& how) {
                if (*struck) {
                    return true;
                }
                *struck = true;
                return Strike(fault, "as " + asked.Describe() + " is asked to close (" + how + ")", &asked, how);
            });
        }
    }
    if (m_script.Exhausted() && m_options.scriptEnd == ScriptEnd::Stop && !m_chosen) {
        m_log.Line("outcome list used up: later operations are silent");
    }
    SetStatus(Format("Idle (last: %s, %s)", OperationName(m_operation), FormatOutcome(m_outcome).c_str()));
}

bool Simulator::Strike(const Fault& fault, const std::string& where, MessageWindow* trigger, const std::string& how) {
    if (fault.kind == FaultKind::None) {
        return true;
    }
    const std::string head = "fault " + FormatFault(fault) + " " + where + ": ";
    m_log.Record({"fault", FaultKindName(fault.kind), FaultMomentName(fault.moment),
                  OperationName(trigger ? trigger->Plan().operation : m_operation),
                  std::to_string(trigger ? trigger->Number() : 0)});
    switch (fault.kind) {
        case FaultKind::None:
            return true;
        case FaultKind::Hang:
            // Sleep does not pump: sent messages, posts and timers all wait until it returns.
            m_log.Line(head + Format("stops answering for %d ms", fault.hangMs));
            Sleep(static_cast<DWORD>(fault.hangMs));
            m_log.Line("fault " + FormatFault(fault) + ": answers again");
            return true;
        case FaultKind::CloseMain:
            m_log.Line(head + "the main window closes, the simulator ends");
            if (trigger) {
                trigger->SetCloseReason(how + ", with the main window");
            }
            m_closingMain = true;
            PostMessageA(m_main, kCloseMainMessage, 0, 0);
            return false;
        case FaultKind::Exit:
            // No window procedure runs once the process is terminated, so the log says here which
            // windows go with it.
            m_log.Line(head + "the process ends abruptly");
            for (const std::unique_ptr<MessageWindow>& window : m_windows) {
                window->LogVanishing(window.get() == trigger ? how + ", process ends abruptly"
                                                             : "process ends abruptly");
            }
            m_log.Line(Format("simulator ends abruptly (exit code %u)", kAbruptExitCode));
            TerminateProcess(GetCurrentProcess(), kAbruptExitCode);
            return false;
    }
    return true;
}

MessageWindow* Simulator::Open(const WindowPlan& plan, const ClosePolicy& policy, int offset) {
    HWND main = m_main;
    auto window = std::make_unique<MessageWindow>(++m_windowsOpened, plan, policy, m_options.qtGeneration, m_log,
                                                  [main] { PostMessageA(main, kForgetClosedMessage, 0, 0); });
    if (!window->Open(m_main, StandardControls(plan), offset, m_options.buildMs)) {
        return nullptr;
    }
    m_windows.push_back(std::move(window));
    return m_windows.back().get();
}

void Simulator::ForgetClosedWindows() {
    m_windows.erase(std::remove_if(m_windows.begin(), m_windows.end(),
                                   [this](const std::unique_ptr<MessageWindow>& window) {
                                       return !window->IsOpen() && window.get() != m_working;
                                   }),
                    m_windows.end());
}

bool Simulator::SetOutcomes(const std::string& text) {
    std::vector<Outcome> steps;
    std::string error;
    if (!ParseOutcomeScript(text, steps, error)) {
        m_log.Line("outcome list refused: " + error);
        return false;
    }
    m_script = OutcomeScript(std::move(steps), m_options.scriptEnd);
    m_log.Line("outcome list replaced: " + m_script.Describe());
    SetStatus(m_status);
    return true;
}

void Simulator::ChooseNextOutcome(std::optional<Outcome> outcome) {
    m_chosen = outcome;
    if (outcome) {
        m_log.Line("next outcome chosen by hand: " + FormatOutcome(*outcome));
    }
    SetStatus(m_status);
}

void Simulator::SetStatus(std::string status) {
    m_status = std::move(status);
    if (m_onStateChanged) {
        m_onStateChanged();
    }
}

}  // namespace jflashsim
