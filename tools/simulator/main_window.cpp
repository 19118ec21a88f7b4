#include "main_window.h"

namespace jflashsim {

namespace {

// Control ids start above the programmer's command ids, so that a command is never taken for a control.
const int kNextId = 1001;
const int kClearId = 1002;
const int kLogId = 1003;
const int kMaxLogLines = 5000;
const int kMargin = 10;

}  // namespace

MainWindow::MainWindow(const SimOptions& options, Simulator& simulator, SimLog& log)
    : m_options(options), m_simulator(simulator), m_log(log) {}

MainWindow::~MainWindow() {
    m_log.SetViewSink(nullptr);
    if (m_hwnd) {
        DestroyWindow(m_hwnd);
    }
    if (m_logFont) {
        DeleteObject(m_logFont);
    }
}

bool MainWindow::Create(int showCommand) {
    RECT rect = {40, 40, 40 + 860, 40 + 560};
    if (!CreateBound(0, m_options.MainClass(), m_options.MainTitle().c_str(), WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN,
                     rect, nullptr)) {
        return false;
    }
    CreateControls();
    m_log.SetViewSink([this](const std::string& line) { AppendLog(line); });
    m_simulator.Attach(m_hwnd, [this] { ShowState(); });
    ShowWindow(m_hwnd, showCommand);
    UpdateWindow(m_hwnd);
    return true;
}

void MainWindow::CreateControls() {
    HINSTANCE instance = GetModuleHandleA(nullptr);
    auto control = [&](DWORD exStyle, const char* className, const char* text, DWORD style, int id) {
        HWND hwnd = CreateWindowExA(exStyle, className, text, WS_CHILD | WS_VISIBLE | style, 0, 0, 10, 10, m_hwnd,
                                    reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, nullptr);
        SendMessageA(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(MessageFont()), FALSE);
        return hwnd;
    };
    const std::string title = m_options.AppTitle();
    std::string about =
        m_options.qtGeneration
            ? "Qt generation: \"QWidget\" main and message windows; the key F7 programs."
            : "Dialog generation: \"MainWindow\" with \"#32770\" message windows; WM_COMMAND 642 programs, 633 "
              "erases, 626 unsecures.";
    about += Format("\r\nOutcome windows \"%s\", \"%s Error\", \"%s Warning\"; each operation works %d ms.",
                    title.c_str(), title.c_str(), title.c_str(), m_options.workMs);
    m_about = control(0, "STATIC", about.c_str(), SS_LEFT | SS_NOPREFIX, 0);
    m_script = control(0, "STATIC", "", SS_LEFT | SS_NOPREFIX | SS_ENDELLIPSIS, 0);
    m_status = control(0, "STATIC", "", SS_LEFT | SS_NOPREFIX | SS_ENDELLIPSIS, 0);
    m_nextLabel = control(0, "STATIC", "Next outcome:", SS_LEFT, 0);
    m_next = control(0, "COMBOBOX", "", CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, kNextId);
    SendMessageA(m_next, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>("from the outcome list"));
    for (const OutcomeKindInfo& info : OutcomeKinds()) {
        SendMessageA(m_next, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(info.name));
    }
    SendMessageA(m_next, CB_SETCURSEL, 0, 0);
    m_clear = control(0, "BUTTON", "Clear log", BS_PUSHBUTTON | WS_TABSTOP, kClearId);
    m_logList = control(WS_EX_CLIENTEDGE, "LISTBOX", "",
                        WS_VSCROLL | WS_HSCROLL | LBS_NOINTEGRALHEIGHT | LBS_NOSEL | WS_TABSTOP, kLogId);
    m_logFont = CreateFontA(-13, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                            CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, FIXED_PITCH | FF_MODERN, "Courier New");
    if (m_logFont) {
        SendMessageA(m_logList, WM_SETFONT, reinterpret_cast<WPARAM>(m_logFont), FALSE);
    }
    SendMessageA(m_logList, LB_SETHORIZONTALEXTENT, 2000, 0);
    RECT client;
    GetClientRect(m_hwnd, &client);
    Layout(client.right, client.bottom);
}

void MainWindow::Layout(int width, int height) {
    if (!m_logList) {
        return;
    }
    const int inner = width - 2 * kMargin;
    int y = kMargin;
    MoveWindow(m_about, kMargin, y, inner, 34, TRUE);
    y += 40;
    MoveWindow(m_script, kMargin, y, inner, 18, TRUE);
    y += 22;
    MoveWindow(m_status, kMargin, y, inner, 18, TRUE);
    y += 26;
    MoveWindow(m_nextLabel, kMargin, y + 4, 90, 18, TRUE);
    MoveWindow(m_next, kMargin + 94, y, 200, 300, TRUE);
    MoveWindow(m_clear, width - kMargin - 90, y - 1, 90, 26, TRUE);
    y += 34;
    MoveWindow(m_logList, kMargin, y, inner, height - y - kMargin > 40 ? height - y - kMargin : 40, TRUE);
}

void MainWindow::ShowState() {
    SetWindowTextA(m_script, ("Outcome list: " + m_simulator.ScriptText()).c_str());
    SetWindowTextA(m_status, ("Status: " + m_simulator.StatusText()).c_str());
    if (!m_simulator.HasChosenOutcome()) {
        SendMessageA(m_next, CB_SETCURSEL, 0, 0);
    }
}

void MainWindow::AppendLog(const std::string& line) {
    if (!m_logList) {
        return;
    }
    if (SendMessageA(m_logList, LB_GETCOUNT, 0, 0) >= kMaxLogLines) {
        SendMessageA(m_logList, LB_DELETESTRING, 0, 0);
    }
    LRESULT index = SendMessageA(m_logList, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(line.c_str()));
    SendMessageA(m_logList, LB_SETTOPINDEX, index, 0);
}

void MainWindow::OnNextOutcomeChosen() {
    LRESULT index = SendMessageA(m_next, CB_GETCURSEL, 0, 0);
    if (index <= 0 || static_cast<size_t>(index) > OutcomeKinds().size()) {
        m_simulator.ChooseNextOutcome(std::nullopt);
        return;
    }
    Outcome outcome;
    outcome.kind = OutcomeKinds()[index - 1].kind;
    m_simulator.ChooseNextOutcome(outcome);
}

LRESULT MainWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_COMMAND: {
            HWND from = reinterpret_cast<HWND>(lParam);
            if (from && from == m_next) {
                if (HIWORD(wParam) == CBN_SELCHANGE) {
                    OnNextOutcomeChosen();
                }
                return 0;
            }
            if (from && from == m_clear) {
                SendMessageA(m_logList, LB_RESETCONTENT, 0, 0);
                return 0;
            }
            if (from && from == m_logList) {
                return 0;
            }
            m_simulator.OnCommand(wParam, lParam);
            return 0;
        }
        case WM_KEYDOWN:
        case WM_KEYUP:
        case WM_SYSKEYDOWN:
        case WM_SYSKEYUP:
            m_simulator.OnKey(message, wParam, lParam);
            break;
        case WM_TIMER:
            if (wParam == Simulator::kWorkTimer) {
                m_simulator.OnWorkTimer();
                return 0;
            }
            if (wParam == Simulator::kFaultTimer) {
                m_simulator.OnFaultTimer();
                return 0;
            }
            break;
        case Simulator::kForgetClosedMessage:
            m_simulator.ForgetClosedWindows();
            return 0;
        case Simulator::kCloseMainMessage:
            // Destroying the main window destroys the message windows it owns, then ends the loop.
            DestroyWindow(m_hwnd);
            return 0;
        case WM_COPYDATA: {
            const auto* data = reinterpret_cast<const COPYDATASTRUCT*>(lParam);
            if (!data || data->dwData != kSetOutcomesCopyData || (data->cbData > 0 && !data->lpData)) {
                return FALSE;
            }
            std::string text(static_cast<const char*>(data->lpData), data->cbData);
            text = text.substr(0, text.find('\0'));
            return m_simulator.SetOutcomes(text) ? TRUE : FALSE;
        }
        case WM_SIZE:
            Layout(LOWORD(lParam), HIWORD(lParam));
            return 0;
        case WM_GETMINMAXINFO:
            reinterpret_cast<MINMAXINFO*>(lParam)->ptMinTrackSize = {480, 320};
            return 0;
        case WM_CLOSE:
            m_log.Line("received WM_CLOSE: main window closes, simulator ends");
            DestroyWindow(m_hwnd);
            return 0;
        case WM_DESTROY:
            m_log.SetViewSink(nullptr);
            m_logList = nullptr;
            PostQuitMessage(0);
            return 0;
    }
    return DefWindowProcA(m_hwnd, message, wParam, lParam);
}

}  // namespace jflashsim
