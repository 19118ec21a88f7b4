#include "message_window.h"

#include <algorithm>

#include "dialog_template.h"

namespace jflashsim {

namespace {

const UINT_PTR kCloseDelayTimer = 1;
const UINT_PTR kBuildTimer = 2;
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

// Dialog units to a Qt window's pixels, about what a dialog's font makes of them.
RECT QtPixels(const RECT& units) {
    return RECT{MulDiv(units.left, 3, 2), MulDiv(units.top, 13, 8), MulDiv(units.right, 3, 2),
                MulDiv(units.bottom, 13, 8)};
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

bool MessageWindow::Open(HWND owner, const std::vector<Control>& controls, int offset, int buildMs) {
    if (!Create(owner, controls, offset)) {
        return false;
    }
    if (buildMs <= 0) {
        while (BuildStep()) {
        }
        return true;
    }
    m_buildMs = buildMs;
    m_log.Line(Format("building %s hidden: its texts in %d ms, shown in %d ms%s", Describe().c_str(), buildMs / 2,
                      buildMs, Tag().c_str()));
    SetTimer(m_hwnd, kBuildTimer, std::max(buildMs / 2, 1), nullptr);
    return true;
}

bool MessageWindow::Create(HWND owner, const std::vector<Control>& controls, int offset) {
    SIZE size = {0, 0};  // in dialog units, with a margin beyond the controls
    for (const Control& control : controls) {
        size.cx = std::max<LONG>(size.cx, control.x + control.width + 10);
        size.cy = std::max<LONG>(size.cy, control.y + control.height + 8);
    }
    if (!(m_qtGeneration ? CreateQtWindow(owner, size) : CreateDialogWindow(owner, size))) {
        m_log.Line(Format("could not open %s (error %lu)", Describe().c_str(), GetLastError()));
        return false;
    }
    m_controls = controls;
    m_offset = offset;
    // Recorded as it is made: from now on the window can be found, and its number named.
    m_log.Record({"open", std::to_string(m_number), OperationName(m_plan.operation), m_plan.outcome,
                  m_qtGeneration ? "QWidget" : "#32770", m_plan.title});
    return true;
}

bool MessageWindow::BuildStep() {
    if (!m_hwnd || m_shown) {
        return false;
    }
    if (!m_childrenMade) {
        MakeChildren();
        m_childrenMade = true;
    } else {
        Show();
        m_shown = true;
    }
    return true;
}

// The children go into the hidden window, placed in dialog units: a dialog maps them by its font, a
// Qt window (no dialog) at about the size a dialog's are.
void MessageWindow::MakeChildren() {
    const HFONT font = m_qtGeneration ? MessageFont() : reinterpret_cast<HFONT>(SendMessageA(m_hwnd, WM_GETFONT, 0, 0));
    for (const Control& c : m_controls) {
        RECT place = {c.x, c.y, c.x + c.width, c.y + c.height};
        if (m_qtGeneration) {
            place = QtPixels(place);
        } else {
            MapDialogRect(m_hwnd, &place);
        }
        HWND child =
            CreateWindowExA(0, c.className.c_str(), c.text.c_str(), WS_CHILD | WS_VISIBLE | c.style, place.left,
                            place.top, place.right - place.left, place.bottom - place.top, m_hwnd,
                            reinterpret_cast<HMENU>(static_cast<INT_PTR>(c.id)), GetModuleHandleA(nullptr), nullptr);
        SendMessageA(child, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    }
    if (HWND icon = GetDlgItem(m_hwnd, kIconId)) {
        SendMessageA(icon, STM_SETICON, reinterpret_cast<WPARAM>(LoadIconA(nullptr, IconOf(m_plan.role))), 0);
    }
}

void MessageWindow::Show() {
    if (m_offset != 0) {
        RECT rect;
        GetWindowRect(m_hwnd, &rect);
        SetWindowPos(m_hwnd, nullptr, rect.left + m_offset, rect.top + m_offset, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    ShowWindow(m_hwnd, SW_SHOW);
    // A dialog gives its first control that takes the tab (OK) the focus, as the dialog manager does.
    HWND first = m_qtGeneration ? nullptr : GetNextDlgTabItem(m_hwnd, nullptr, FALSE);
    if (first) {
        SendMessageA(m_hwnd, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(first), TRUE);
    }
    m_log.Line(Format("opened %s (%s%s): %s%s", Describe().c_str(), WindowRoleName(m_plan.role),
                      m_plan.estaticChild ? ", ESTATIC_WindowClass child" : "", m_plan.text.c_str(), Tag().c_str()));
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

bool MessageWindow::CreateDialogWindow(HWND owner, SIZE size) {
    DialogTemplate dialog(m_plan.title, WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_CENTER,
                          static_cast<short>(size.cx), static_cast<short>(size.cy));
    return CreateDialogIndirectParamA(GetModuleHandleA(nullptr), dialog.Get(), owner, DialogProc,
                                      reinterpret_cast<LPARAM>(this)) != nullptr;
}

bool MessageWindow::CreateQtWindow(HWND owner, SIZE size) {
    const DWORD style = WS_POPUP | WS_CAPTION | WS_SYSMENU;
    RECT rect = QtPixels({0, 0, size.cx, size.cy});
    AdjustWindowRectEx(&rect, style, FALSE, WS_EX_DLGMODALFRAME);
    RECT area = {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    if (owner) {
        GetWindowRect(owner, &area);
    }
    OffsetRect(&rect, (area.left + area.right - rect.right - rect.left) / 2,
               (area.top + area.bottom - rect.bottom - rect.top) / 2);
    return CreateBound(WS_EX_DLGMODALFRAME, "QWidget", m_plan.title.c_str(), style, rect, owner) != nullptr;
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
            if (wParam == kBuildTimer) {
                KillTimer(m_hwnd, kBuildTimer);
                if (BuildStep() && !m_shown) {
                    SetTimer(m_hwnd, kBuildTimer, std::max(m_buildMs - m_buildMs / 2, 1), nullptr);
                }
                return true;
            }
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
