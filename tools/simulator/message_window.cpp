#include "message_window.h"

#include "dialog_template.h"

namespace jflashsim {

namespace {

const UINT_PTR kCloseDelayTimer = 1;
const int kIconId = 100;
const int kTextId = 101;

bool HasOkButton(WindowRole role) {
    return role != WindowRole::Working;
}

}  // namespace

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

bool MessageWindow::Open(HWND owner, int offset) {
    bool opened = m_qtGeneration ? OpenQtWindow(owner) : OpenDialog(owner);
    if (!opened) {
        m_log.Line(Format("could not open %s (error %lu)", Describe().c_str(), GetLastError()));
        return false;
    }
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

bool MessageWindow::OpenDialog(HWND owner) {
    const bool ok = HasOkButton(m_plan.role);
    DialogTemplate dialog(m_plan.title, WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_CENTER, 270,
                          ok ? 76 : 48);
    dialog.AddControl(DialogTemplate::kStatic, "", SS_ICON, 10, 10, 21, 20, kIconId);
    const DWORD textStyle = SS_LEFT | SS_NOPREFIX;
    if (m_plan.estaticChild) {
        dialog.AddControl(kEstaticClass, m_plan.text, textStyle, 40, 12, 220, 32, kTextId);
    } else {
        dialog.AddControl(DialogTemplate::kStatic, m_plan.text, textStyle, 40, 12, 220, 32, kTextId);
    }
    if (ok) {
        dialog.AddControl(DialogTemplate::kButton, "OK", BS_DEFPUSHBUTTON | WS_TABSTOP, 110, 54, 50, 14, IDOK);
    }
    HWND hwnd = CreateDialogIndirectParamA(GetModuleHandleA(nullptr), dialog.Get(), owner, DialogProc,
                                           reinterpret_cast<LPARAM>(this));
    if (!hwnd) {
        return false;
    }
    ShowWindow(hwnd, SW_SHOW);
    return true;
}

bool MessageWindow::OpenQtWindow(HWND owner) {
    const bool ok = HasOkButton(m_plan.role);
    const int width = 460;
    const int height = ok ? 150 : 110;
    RECT rect = {0, 0, width, height};
    if (owner) {
        RECT ownerRect;
        GetWindowRect(owner, &ownerRect);
        OffsetRect(&rect, (ownerRect.left + ownerRect.right - width) / 2,
                   (ownerRect.top + ownerRect.bottom - height) / 2);
    }
    if (!CreateBound(WS_EX_DLGMODALFRAME, "QWidget", m_plan.title.c_str(), WS_POPUP | WS_CAPTION | WS_SYSMENU, rect,
                     owner)) {
        return false;
    }
    HINSTANCE instance = GetModuleHandleA(nullptr);
    auto child = [&](const char* className, const char* text, DWORD style, int x, int y, int w, int h, int id) {
        HWND control = CreateWindowExA(0, className, text, WS_CHILD | WS_VISIBLE | style, x, y, w, h, m_hwnd,
                                       reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, nullptr);
        SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(MessageFont()), FALSE);
        return control;
    };
    SetIcon(child("STATIC", "", SS_ICON, 16, 16, 32, 32, kIconId));
    child(m_plan.estaticChild ? kEstaticClass : "STATIC", m_plan.text.c_str(), SS_LEFT | SS_NOPREFIX, 64, 18, 370, 48,
          kTextId);
    if (ok) {
        child("BUTTON", "OK", BS_DEFPUSHBUTTON | WS_TABSTOP, (width - 90) / 2, 76, 90, 28, IDOK);
    }
    ShowWindow(m_hwnd, SW_SHOW);
    return true;
}

void MessageWindow::SetIcon(HWND iconControl) const {
    LPCSTR icon = IDI_INFORMATION;
    switch (m_plan.role) {
        case WindowRole::Error:
            icon = IDI_ERROR;
            break;
        case WindowRole::Warning:
            icon = IDI_WARNING;
            break;
        case WindowRole::Emulator:
            icon = IDI_QUESTION;
            break;
        default:
            break;
    }
    SendMessageA(iconControl, STM_SETICON, reinterpret_cast<WPARAM>(LoadIconA(nullptr, icon)), 0);
}

INT_PTR CALLBACK MessageWindow::DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) noexcept {
    if (message == WM_INITDIALOG) {
        auto* self = reinterpret_cast<MessageWindow*>(lParam);
        SetWindowLongPtrA(hwnd, DWLP_USER, lParam);
        self->m_hwnd = hwnd;
        self->SetIcon(GetDlgItem(hwnd, kIconId));
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
    if (m_policy.stays) {
        m_log.Line(head + "stays open (stay)");
    } else if (request > 1) {
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
