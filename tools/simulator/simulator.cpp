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
               "titled \"%s\", work %d ms",
               m_options.qtGeneration ? "Qt" : "dialog", m_options.MainClass(), m_options.MainTitle().c_str(),
               m_options.MessageClass(), m_appTitle.c_str(), m_options.workMs));
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
    Open(PlanWorkingWindow(operation), ClosePolicy());
    m_working = m_windows.empty() ? nullptr : m_windows.back().get();
    SetTimer(m_main, kWorkTimer, std::max(m_options.workMs, 1), nullptr);
    SetStatus(Format("Working: %s, outcome %s after %d ms", OperationName(operation), FormatOutcome(m_outcome).c_str(),
                     m_options.workMs));
}

void Simulator::OnWorkTimer() {
    KillTimer(m_main, kWorkTimer);
    if (m_busy) {
        Finish();
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
    for (const WindowPlan& plan : plans) {
        Open(plan, m_outcome.close);
    }
    if (m_script.Exhausted() && m_options.scriptEnd == ScriptEnd::Stop && !m_chosen) {
        m_log.Line("outcome list used up: later operations are silent");
    }
    SetStatus(Format("Idle (last: %s, %s)", OperationName(m_operation), FormatOutcome(m_outcome).c_str()));
}

void Simulator::Open(const WindowPlan& plan, const ClosePolicy& policy) {
    HWND main = m_main;
    auto window = std::make_unique<MessageWindow>(plan, policy, m_options.qtGeneration, m_log,
                                                  [main] { PostMessageA(main, kForgetClosedMessage, 0, 0); });
    if (window->Open(m_main)) {
        m_windows.push_back(std::move(window));
    }
}

void Simulator::ForgetClosedWindows() {
    m_windows.erase(std::remove_if(m_windows.begin(), m_windows.end(),
                                   [this](const std::unique_ptr<MessageWindow>& window) {
                                       return !window->IsOpen() && window.get() != m_working;
                                   }),
                    m_windows.end());
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
