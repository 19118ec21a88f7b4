#include "message_window.h"

#include <algorithm>

#include "dialog_template.h"

namespace jflashsim {

namespace {

const UINT_PTR kCloseDelayTimer = 1;
const WORD kIconId = 100;
const WORD kTextId = 101;

LPCSTR IconOf(WindowRole role) {
    switch (role) {
        case WindowRole::Error:
            return IDI_ERROR;
        case WindowRole::Warning:
            return IDI_WARNING;
        case WindowRole::Emulator:
            return IDI_QUESTION;
        default:
            return IDI_INFORMATION;
    }
}

}  // namespace

std::vector<Control> StandardControls(const WindowPlan& plan) {
    std::vector<Control> controls = {
        {"Static", "", SS_ICON, 10, 10, 21, 20, kIconId},
        {plan.estaticChild ? kEstaticClass : "Static", plan.text, SS_LEFT | SS_NOPREFIX, 40, 12, 220, 32, kTextId}};
    if (plan.role != WindowRole::Working) {
        controls.push_back({"Button", "OK", BS_DEFPUSHBUTTON | WS_TABSTOP, 110, 54, 50, 14, IDOK});
    }
    return controls;
}

MessageWindow::MessageWindow(int number,
                             WindowPlan plan,
                             ClosePolicy policy,
                             bool qtGeneration,
                             SimLog& log,
                             std::function<void()> onClosed)
    : m_number(number),
      m_plan(std::move(plan)),
      m_policy(policy),
      m_qtGeneration(qtGeneration),
      m_log(log),
      m_onClosed(std::move(onClosed)) {}

MessageWindow::~MessageWindow() {
    if (m_hwnd) {
        m_onClosed = nullptr;
        Close("simulator ends");
    }
}

std::string MessageWindow::Describe() const {
    return Format("%s \"%s\"", m_qtGeneration ? "QWidget" : "#32770", m_plan.title.c_str());
}

std::string MessageWindow::Tag() const {
    return std::string(" [") + OperationName(m_plan.operation) + " " + m_plan.outcome + "]";
}

bool MessageWindow::Open(HWND owner, const std::vector<Control>& controls, int offset) {
    SIZE size = {0, 0};  // in dialog units, with a margin beyond the controls
    for (const Control& control : controls) {
        size.cx = std::max<LONG>(size.cx, control.x + control.width + 10);
        size.cy = std::max<LONG>(size.cy, control.y + control.height + 8);
    }
    const bool opened = m_qtGeneration ? OpenQtWindow(owner, controls, size) : OpenDialog(owner, controls, size);
    if (!opened) {
        m_log.Line(Format("could not open %s (error %lu)", Describe().c_str(), GetLastError()));
        return false;
    }
    if (HWND icon = GetDlgItem(m_hwnd, kIconId)) {
        SendMessageA(icon, STM_SETICON, reinterpret_cast<WPARAM>(LoadIconA(nullptr, IconOf(m_plan.role))), 0);
    }
    ShowWindow(m_hwnd, SW_SHOW);
    if (offset != 0) {
        RECT rect;
        GetWindowRect(m_hwnd, &rect);
        SetWindowPos(m_hwnd, nullptr, rect.left + offset, rect.top + offset, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    m_log.Line(Format("opened %s (%s%s): %s%s", Describe().c_str(), WindowRoleName(m_plan.role),
                      m_plan.estaticChild ? ", ESTATIC_WindowClass child" : "", m_plan.text.c_str(), Tag().c_str()));
    m_log.Record({"open", std::to_string(m_number), OperationName(m_plan.operation), m_plan.outcome,
                  m_qtGeneration ? "QWidget" : "#32770", m_plan.title});
    return true;
}

void MessageWindow::LogVanishing(const std::string& reason) const {
    if (m_hwnd) {
        m_log.Line(Format("closed %s (%s)%s", Describe().c_str(), reason.c_str(), Tag().c_str()));
        m_log.Record({"closed", std::to_string(m_number), reason});
    }
}

void MessageWindow::Close(const char* reason) {
    if (m_hwnd) {
        m_closeReason = reason;
        DestroyWindow(m_hwnd);
    }
}

bool MessageWindow::OpenDialog(HWND owner, const std::vector<Control>& controls, SIZE size) {
    DialogTemplate dialog(m_plan.title, WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_CENTER,
                          static_cast<short>(size.cx), static_cast<short>(size.cy));
    for (const Control& c : controls) {
        dialog.AddControl(c.className, c.text, c.style, c.x, c.y, c.width, c.height, c.id);
    }
    return CreateDialogIndirectParamA(GetModuleHandleA(nullptr), dialog.Get(), owner, DialogProc,
                                      reinterpret_cast<LPARAM>(this)) != nullptr;
}

// A Qt window is no dialog: its children are placed in pixels, at about the size a dialog's are.
bool MessageWindow::OpenQtWindow(HWND owner, const std::vector<Control>& controls, SIZE size) {
    auto pixels = [](const RECT& units) {
        return RECT{MulDiv(units.left, 3, 2), MulDiv(units.top, 13, 8), MulDiv(units.right, 3, 2),
                    MulDiv(units.bottom, 13, 8)};
    };
    const DWORD style = WS_POPUP | WS_CAPTION | WS_SYSMENU;
    RECT rect = pixels({0, 0, size.cx, size.cy});
    AdjustWindowRectEx(&rect, style, FALSE, WS_EX_DLGMODALFRAME);
    RECT area = {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    if (owner) {
        GetWindowRect(owner, &area);
    }
    OffsetRect(&rect, (area.left + area.right - rect.right - rect.left) / 2,
               (area.top + area.bottom - rect.bottom - rect.top) / 2);
    if (!CreateBound(WS_EX_DLGMODALFRAME, "QWidget", m_plan.title.c_str(), style, rect, owner)) {
        return false;
    }
    for (const Control& c : controls) {
        const RECT place = pixels({c.x, c.y, c.x + c.width, c.y + c.height});
        HWND child =
            CreateWindowExA(0, c.className.c_str(), c.text.c_str(), WS_CHILD | WS_VISIBLE | c.style, place.left,
                            place.top, place.right - place.left, place.bottom - place.top, m_hwnd,
                            reinterpret_cast<HMENU>(static_cast<INT_PTR>(c.id)), GetModuleHandleA(nullptr), nullptr);
        SendMessageA(child, WM_SETFONT, reinterpret_cast<WPARAM>(MessageFont()), FALSE);
    }
    return true;
}

INT_PTR CALLBACK MessageWindow::DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) noexcept {
    if (message == WM_INITDIALOG) {
        auto* self = reinterpret_cast<MessageWindow*>(lParam);
        SetWindowLongPtrA(hwnd, DWLP_USER, lParam);
        self->m_hwnd = hwnd;
        return TRUE;
    }
    auto* self = reinterpret_cast<MessageWindow*>(GetWindowLongPtrA(hwnd, DWLP_USER));
    if (!self) {
        return FALSE;
    }
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrA(hwnd, DWLP_USER, 0);
        self->OnDestroyed();
        return FALSE;
    }
    return self->HandleShared(message, wParam) ? TRUE : FALSE;
}

LRESULT MessageWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCDESTROY) {
        OnDestroyed();
    } else if (HandleShared(message, wParam)) {
        return 0;
    }
    return DefWindowProcA(m_hwnd, message, wParam, lParam);
}

// A user closes through the caption button or system menu (WM_SYSCOMMAND), the OK button or Escape
// (IDOK, IDCANCEL); those close at once. A bare WM_CLOSE is a request from another program and is
// answered by the policy.
bool MessageWindow::HandleShared(UINT message, WPARAM wParam) {
    switch (message) {
        case WM_CLOSE:
            OnCloseRequest();
            return true;
        case WM_SYSCOMMAND:
            if ((wParam & 0xFFF0) == SC_CLOSE) {
                OnUserClose();
                return true;
            }
            return false;
        case WM_COMMAND:
            if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) {
                OnUserClose();
                return true;
            }
            return false;
        case WM_TIMER:
            if (wParam == kCloseDelayTimer) {
                KillTimer(m_hwnd, kCloseDelayTimer);
                Close(Format("%d ms after WM_CLOSE %d", m_policy.delayMs, m_closeRequests).c_str());
                return true;
            }
            return false;
    }
    return false;
}

bool MessageWindow::PassFirstCloseHook(const std::string& how) {
    if (!m_firstCloseHook) {
        return true;
    }
    FirstCloseHook hook = std::move(m_firstCloseHook);
    m_firstCloseHook = nullptr;
    return hook(*this, how);
}

void MessageWindow::OnUserClose() {
    m_log.Record({"close", std::to_string(m_number), "user"});
    if (PassFirstCloseHook("by the user")) {
        Close("by the user");
    }
}

void MessageWindow::OnCloseRequest() {
    const int request = ++m_closeRequests;
    // Recorded as it arrives: a request that meets a hang is still seen, although its sender may have
    // given up before the answer.
    m_log.Record({"close", std::to_string(m_number), InSendMessage() ? "sent" : "posted"});
    std::string head = Format("WM_CLOSE %d to %s: ", request, Describe().c_str());
    if (!PassFirstCloseHook(Format("after WM_CLOSE %d", request))) {
        m_log.Line(head + "left open");
        return;
    }
    if (m_policy.closingRequest == 0) {
        m_log.Line(head + "stays open (stay)");
    } else if (request < m_policy.closingRequest) {
        m_log.Line(head + Format("stays open until WM_CLOSE %d", m_policy.closingRequest));
    } else if (request > m_policy.closingRequest) {
        m_log.Line(head + "already closing");
    } else if (m_policy.delayMs > 0) {
        m_log.Line(head + Format("closes in %d ms", m_policy.delayMs));
        SetTimer(m_hwnd, kCloseDelayTimer, m_policy.delayMs, nullptr);
    } else {
        m_log.Line(head + "closes");
        Close(Format("after WM_CLOSE %d", request).c_str());
    }
}

void MessageWindow::OnDestroyed() {
    m_log.Line(Format("closed %s (%s)%s", Describe().c_str(), m_closeReason.c_str(), Tag().c_str()));
    m_log.Record({"closed", std::to_string(m_number), m_closeReason});
    m_hwnd = nullptr;
    if (m_onClosed) {
        m_onClosed();
    }
}

}  // namespace jflashsim
