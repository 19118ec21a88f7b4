#include "simulator_side.h"

#include <map>
#include <vector>

#include "tools/remote/process_control.h"
#include "tools/simulator/outcome_script.h"

namespace soak {

namespace {

struct WindowQuery {
    DWORD processId;
    std::vector<HWND> windows;
};

BOOL CALLBACK CollectWindow(HWND window, LPARAM context) {
    auto* query = reinterpret_cast<WindowQuery*>(context);
    DWORD owner = 0;
    ::GetWindowThreadProcessId(window, &owner);
    if (owner == query->processId && ::IsWindowVisible(window)) {
        query->windows.push_back(window);
    }
    return TRUE;
}

// The visible top-level windows of the process.
std::vector<HWND> WindowsOf(DWORD processId) {
    WindowQuery query{processId, {}};
    ::EnumWindows(&CollectWindow, reinterpret_cast<LPARAM>(&query));
    return query.windows;
}

}  // namespace

bool SimulatorSide::Start(bool qt, const std::string& folder, const std::string& base, int workMs) {
    m_qt = qt;
    m_main = nullptr;
    const std::string args = "--work-ms " + std::to_string(workMs) + " --once --outcomes silent --log \"" + base +
                             ".log\" --record \"" + base + ".rec\"" + (qt ? " --qt" : "");
    if (!m_program.Start(ProgramFolder() + "\\JFlashSim.exe", args, folder)) {
        return false;
    }
    m_main = WaitForProcessWindow(m_program.Id(), qt ? "QWidget" : "MainWindow", nullptr, 30000);
    return m_main != nullptr;
}

void SimulatorSide::Close() {
    if (m_program.Running() && m_main) {
        ::PostMessageA(m_main, WM_CLOSE, 0, 0);
        m_program.WaitForExit(15000);
    }
    m_program.Kill();
}

bool SimulatorSide::SetOutcomes(const std::string& list) const {
    COPYDATASTRUCT data{};
    data.dwData = jflashsim::kSetOutcomesCopyData;
    data.cbData = static_cast<DWORD>(list.size() + 1);
    data.lpData = const_cast<char*>(list.c_str());
    DWORD_PTR answer = 0;
    return ::SendMessageTimeoutA(m_main, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data), SMTO_NORMAL, 5000, &answer) !=
               0 &&
           answer == TRUE;
}

bool SimulatorSide::Idle() const {
    if (!Answers(m_main, 300)) {
        return false;
    }
    for (HWND window : WindowsOf(m_program.Id())) {
        char title[16] = {};
        ::GetWindowTextA(window, title, sizeof title);
        if (std::string(title) == "J-Flash") {
            return false;
        }
    }
    return true;
}

bool SimulatorSide::Settle(DWORD timeoutMs) {
    std::map<HWND, DWORD> asked;  // leftover windows asked to close, and when
    int quiet = 0;                // checks in a row that found it idle and tidy
    const DWORD start = ::GetTickCount();
    while (::GetTickCount() - start < timeoutMs) {
        if (!m_program.Running()) {
            return true;
        }
        bool untidy = true;  // busy, or windows left
        if (Idle()) {
            untidy = false;
            for (HWND window : WindowsOf(m_program.Id())) {
                if (window == m_main) {
                    continue;
                }
                untidy = true;
                // A user's close always closes; ask again only if a window outlives a long pause.
                auto it = asked.find(window);
                if (it == asked.end() || ::GetTickCount() - it->second > 3000) {
                    ::PostMessageA(window, WM_SYSCOMMAND, SC_CLOSE, 0);
                    asked[window] = ::GetTickCount();
                }
            }
        }
        // A thread that has just answered may still have commands of Tallyburn's queued behind the
        // answer; a few quiet checks in a row let them show.
        quiet = untidy ? 0 : quiet + 1;
        if (quiet >= 6) {
            return true;
        }
        ::Sleep(50);
    }
    return false;
}

}  // namespace soak
