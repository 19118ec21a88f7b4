#include "framework/Dialog.h"

#include "framework/WinApp.h"

void DDX_Control(CDataExchange* exchange, int id, CWnd& control) {
    if (control.m_hWnd == nullptr)
        control.SubclassDlgItem(static_cast<UINT>(id), exchange->m_pDlgWnd);
}

BEGIN_MESSAGE_MAP(CDialog, CWnd)
ON_COMMAND(IDOK, OnOK)
ON_COMMAND(IDCANCEL, OnCancel)
END_MESSAGE_MAP()

CDialog::CDialog(UINT templateId, CWnd* parent) : m_templateId(templateId), m_parent(parent) {}

INT_PTR CALLBACK CDialog::DialogProc(HWND window, UINT message, WPARAM, LPARAM lParam) noexcept {
    if (message != WM_INITDIALOG)
        return FALSE;  // everything else reaches the object through its subclass
    auto* dialog = reinterpret_cast<CDialog*>(lParam);
    dialog->SubclassWindow(window);
    return dialog->OnInitDialog();
}

HWND CDialog::CreateFromTemplate() {
    m_ended = false;
    m_result = -1;
    return ::CreateDialogParamA(AfxGetResourceHandle(), MAKEINTRESOURCEA(m_templateId),
                                m_parent ? m_parent->m_hWnd : nullptr, &CDialog::DialogProc,
                                reinterpret_cast<LPARAM>(this));
}

BOOL CDialog::Create() {
    return CreateFromTemplate() != nullptr;
}

void CDialog::Step(MSG& message) {
    const bool ours = message.hwnd == m_hWnd || (m_hWnd != nullptr && ::IsChild(m_hWnd, message.hwnd));
    if (ours && PreTranslateMessage(&message))
        return;
    ::TranslateMessage(&message);
    ::DispatchMessageA(&message);
}

INT_PTR CDialog::DoModal() {
    HWND window = CreateFromTemplate();
    if (window == nullptr)
        return -1;
    HWND parent = m_parent ? m_parent->m_hWnd : nullptr;
    if (parent != nullptr)
        ::EnableWindow(parent, FALSE);
    MSG message;
    while (!m_ended) {
        const BOOL got = ::GetMessageA(&message, nullptr, 0, 0);
        if (got == 0) {
            ::PostQuitMessage(static_cast<int>(message.wParam));
            break;
        }
        if (got == -1)
            break;
        Step(message);
    }
    if (parent != nullptr) {
        ::EnableWindow(parent, TRUE);
        ::SetActiveWindow(parent);
    }
    ::DestroyWindow(window);
    return m_result;
}

bool CDialog::PumpMessages() {
    MSG message;
    while (!m_ended && ::PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            ::PostQuitMessage(static_cast<int>(message.wParam));
            break;
        }
        Step(message);
    }
    return !m_ended;
}

void CDialog::EndDialog(int result) {
    m_result = result;
    m_ended = true;
    if (m_hWnd != nullptr)
        ::PostMessageA(m_hWnd, WM_NULL, 0, 0);  // wakes the loop
}

BOOL CDialog::OnInitDialog() {
    UpdateData(FALSE);
    return TRUE;
}

void CDialog::OnOK() {
    UpdateData(TRUE);
    EndDialog(IDOK);
}

void CDialog::OnCancel() {
    EndDialog(IDCANCEL);
}

BOOL CDialog::UpdateData(BOOL saveAndValidate) {
    CDataExchange exchange{saveAndValidate, this};
    DoDataExchange(&exchange);
    return TRUE;
}

void CDialog::DoDataExchange(CDataExchange*) {}

BOOL CDialog::PreTranslateMessage(MSG* message) {
    return ::IsDialogMessageA(m_hWnd, message);
}

bool CDialog::OnUnmappedCommand(WPARAM wParam, LPARAM lParam, LRESULT& result) {
    // Commands that the dialog does not handle get a last chance at the application's map.
    CWinApp* app = AfxGetApp();
    return app != nullptr && app->DispatchMapped(WM_COMMAND, wParam, lParam, result);
}
