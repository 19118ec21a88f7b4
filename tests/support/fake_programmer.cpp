#include "tests/support/fake_programmer.h"

#include <algorithm>

#include "tools/simulator/message_window.h"

using namespace jflashsim;

// J-Flash's main window: records what it receives and otherwise behaves as any window.
class FakeProgrammer::MainWindow : public BoundWindow {
public:
    MainWindow(bool qt, const char* title) {
        CreateBound(0, qt ? "QWidget" : "MainWindow", title, WS_OVERLAPPEDWINDOW | WS_VISIBLE, {300, 200, 700, 500},
                    nullptr);
    }
    ~MainWindow() override {
        if (m_hwnd)
            ::DestroyWindow(m_hwnd);
    }

    std::vector<UINT> commands;
    std::vector<std::pair<UINT, WPARAM>> keys;
    std::vector<std::pair<UINT, LPARAM>> keyParams;

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_COMMAND)
            commands.push_back(LOWORD(wParam));
        if (message == WM_KEYDOWN || message == WM_KEYUP) {
            keys.push_back({message, wParam});
            keyParams.push_back({message, lParam});
        }
        return ::DefWindowProcA(m_hwnd, message, wParam, lParam);
    }
};

FakeProgrammer::FakeProgrammer(Generation generation, const char* title)
    : m_generation(generation), m_log(std::make_unique<SimLog>(false)) {
    static const bool registered = RegisterSimClasses(::GetModuleHandleA(nullptr));
    (void)registered;
    m_mainWindow = std::make_unique<MainWindow>(generation == Generation::Qt, title);
    m_main = m_mainWindow->Hwnd();
}

FakeProgrammer::~FakeProgrammer() = default;

const std::vector<UINT>& FakeProgrammer::Commands() const {
    return m_mainWindow->commands;
}

const std::vector<std::pair<UINT, WPARAM>>& FakeProgrammer::Keys() const {
    return m_mainWindow->keys;
}

std::vector<std::pair<UINT, LPARAM>> FakeProgrammer::KeyParams() const {
    return m_mainWindow->keyParams;
}

HWND FakeProgrammer::Open(const std::string& title, const Texts& texts, bool estaticChild, bool hidden) {
    std::vector<Control> controls;
    short y = 4;
    for (const std::string& text : texts) {
        controls.push_back({"Static", text, SS_LEFT | SS_NOPREFIX, 4, y, 180, 10, 0});
        y += 12;
    }
    if (estaticChild)
        controls.push_back({kEstaticClass, "", SS_LEFT, 4, y, 180, 10, 0});
    WindowPlan plan;
    plan.title = title;
    auto window = std::make_unique<MessageWindow>(static_cast<int>(m_windows.size()) + 1, plan, ClosePolicy(),
                                                  m_generation == Generation::Qt, *m_log, nullptr);
    if (!(hidden ? window->Create(nullptr, controls) : window->Open(nullptr, controls)))
        return nullptr;
    HWND hwnd = window->Hwnd();
    m_windows[hwnd] = std::move(window);
    return hwnd;
}

void FakeProgrammer::BuildStep(HWND window) {
    m_windows.at(window)->BuildStep();
}

void FakeProgrammer::SetCloseMode(HWND window, CloseMode mode, int requests) {
    ClosePolicy policy;
    policy.closingRequest = mode == CloseMode::Never ? 0 : mode == CloseMode::AfterRequests ? std::max(requests, 1) : 1;
    m_windows.at(window)->SetPolicy(policy);
}

int FakeProgrammer::CloseRequests(HWND window) const {
    auto found = m_windows.find(window);
    return found == m_windows.end() ? 0 : found->second->CloseRequests();
}

void FakeProgrammer::CloseMain() {
    ::DestroyWindow(m_main);
}
