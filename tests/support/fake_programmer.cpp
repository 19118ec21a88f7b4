#include "tests/support/fake_programmer.h"

#include <map>

namespace {

struct WindowState {
    FakeProgrammer::CloseMode mode = FakeProgrammer::CloseMode::OnRequest;
    int closeAfter = 0;
    int requests = 0;
};

// One fake J-Flash at a time; its window procedures find their records here.
struct FakeState {
    HWND main = nullptr;
    std::vector<UINT> commands;
    std::vector<std::pair<UINT, WPARAM>> keys;
    std::vector<std::pair<UINT, LPARAM>> keyParams;
    std::map<HWND, WindowState> windows;
    std::vector<HWND> created;
};
FakeState* g_state = nullptr;

// Answers a close request as the window's mode says; true when the window is to be destroyed.
bool ShouldClose(HWND window) {
    if (g_state == nullptr)
        return true;
    WindowState& state = g_state->windows[window];
    ++state.requests;
    switch (state.mode) {
        case FakeProgrammer::CloseMode::OnRequest:
            return true;
        case FakeProgrammer::CloseMode::Never:
            return false;
        case FakeProgrammer::CloseMode::AfterRequests:
            return state.requests >= state.closeAfter;
    }
    return true;
}

void Record(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (g_state == nullptr || window != g_state->main)
        return;
    if (message == WM_COMMAND)
        g_state->commands.push_back(LOWORD(wParam));
    if (message == WM_KEYDOWN || message == WM_KEYUP) {
        g_state->keys.push_back({message, wParam});
        g_state->keyParams.push_back({message, lParam});
    }
}

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    Record(window, message, wParam, lParam);
    if (message == WM_CLOSE) {
        if (ShouldClose(window))
            ::DestroyWindow(window);
        return 0;
    }
    return ::DefWindowProcA(window, message, wParam, lParam);
}

INT_PTR CALLBACK DialogProc(HWND window, UINT message, WPARAM, LPARAM) {
    if (message == WM_CLOSE) {
        if (ShouldClose(window))
            ::DestroyWindow(window);
        return TRUE;
    }
    return message == WM_INITDIALOG;
}

void RegisterClasses() {
    static bool done = false;
    if (done)
        return;
    done = true;
    for (const char* name : {"MainWindow", "QWidget", "ESTATIC_WindowClass"}) {
        WNDCLASSA windowClass{};
        windowClass.lpfnWndProc = &WindowProc;
        windowClass.hInstance = ::GetModuleHandleA(nullptr);
        windowClass.lpszClassName = name;
        windowClass.hCursor = ::LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));
        windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
        ::RegisterClassA(&windowClass);
    }
}

HWND CreateDialogWindow(const std::string& title) {
    // An empty dialog template: the window is a real dialog of class "#32770".
    struct {
        DLGTEMPLATE header;
        WORD menu, windowClass, title;
    } blank{};
    blank.header.style = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_VISIBLE;
    blank.header.cx = 180;
    blank.header.cy = 60;
    HWND window = ::CreateDialogIndirectParamA(::GetModuleHandleA(nullptr), &blank.header, nullptr, &DialogProc, 0);
    ::SetWindowTextA(window, title.c_str());
    return window;
}

}  // namespace

FakeProgrammer::FakeProgrammer(Generation generation, const char* title) : m_generation(generation) {
    RegisterClasses();
    g_state = new FakeState;
    const char* mainClass = generation == Generation::Qt ? "QWidget" : "MainWindow";
    m_main = ::CreateWindowExA(0, mainClass, title, WS_OVERLAPPEDWINDOW | WS_VISIBLE, 300, 200, 400, 300, nullptr,
                               nullptr, ::GetModuleHandleA(nullptr), nullptr);
    g_state->main = m_main;
    g_state->created.push_back(m_main);
}

FakeProgrammer::~FakeProgrammer() {
    for (HWND window : g_state->created) {
        if (::IsWindow(window))
            ::DestroyWindow(window);
    }
    delete g_state;
    g_state = nullptr;
}

const std::vector<UINT>& FakeProgrammer::Commands() const {
    return g_state->commands;
}

const std::vector<std::pair<UINT, WPARAM>>& FakeProgrammer::Keys() const {
    return g_state->keys;
}

std::vector<std::pair<UINT, LPARAM>> FakeProgrammer::KeyParams() const {
    return g_state->keyParams;
}

HWND FakeProgrammer::Open(const std::string& title, const std::vector<std::string>& childTexts, bool estaticChild) {
    HWND window = m_generation == Generation::Qt
                      ? ::CreateWindowExA(0, "QWidget", title.c_str(), WS_POPUP | WS_CAPTION | WS_VISIBLE, 320, 240,
                                          300, 120, nullptr, nullptr, ::GetModuleHandleA(nullptr), nullptr)
                      : CreateDialogWindow(title);
    int y = 4;
    for (const std::string& text : childTexts) {
        ::CreateWindowExA(0, "Static", text.c_str(), WS_CHILD | WS_VISIBLE, 4, y, 280, 16, window, nullptr,
                          ::GetModuleHandleA(nullptr), nullptr);
        y += 18;
    }
    if (estaticChild) {
        ::CreateWindowExA(0, "ESTATIC_WindowClass", "", WS_CHILD | WS_VISIBLE, 4, y, 280, 16, window, nullptr,
                          ::GetModuleHandleA(nullptr), nullptr);
    }
    g_state->windows[window] = WindowState{};
    g_state->created.push_back(window);
    return window;
}

void FakeProgrammer::SetCloseMode(HWND window, CloseMode mode, int requests) {
    WindowState& state = g_state->windows[window];
    state.mode = mode;
    state.closeAfter = requests;
}

int FakeProgrammer::CloseRequests(HWND window) const {
    auto found = g_state->windows.find(window);
    return found == g_state->windows.end() ? 0 : found->second.requests;
}

void FakeProgrammer::CloseMain() {
    ::DestroyWindow(m_main);
}
