#pragma once
// CDialog: a dialog from a resource template, run modally by a loop of its own so that
// PreTranslateMessage sees every message for the dialog and its controls before dispatch.
#include "framework/Wnd.h"

class CDialog;

// What DoDataExchange is given: the dialog and the direction of the exchange.
struct CDataExchange {
    BOOL m_bSaveAndValidate;
    CWnd* m_pDlgWnd;
};

// Binds a control object to the dialog item with the given id (once).
void DDX_Control(CDataExchange* exchange, int id, CWnd& control);

class CDialog : public CWnd {
public:
    explicit CDialog(UINT templateId, CWnd* parent = nullptr);

    // Creates the dialog, runs it until EndDialog, destroys it and returns EndDialog's result
    // (-1 when the dialog could not be created).
    virtual INT_PTR DoModal();

    // Creates the dialog without running it: the caller pumps its messages with PumpMessages.
    // Used by tests, which drive the dialog from outside.
    BOOL Create();

    // Routes every waiting message through the dialog's loop step without blocking.
    // Returns false once EndDialog has been called.
    bool PumpMessages();

    void EndDialog(int result);
    bool HasEnded() const { return m_ended; }
    INT_PTR ModalResult() const { return m_result; }

    virtual BOOL OnInitDialog();
    virtual void OnOK();
    virtual void OnCancel();
    BOOL UpdateData(BOOL saveAndValidate = TRUE);

    // Dialog navigation (Tab, arrow keys, Space on buttons, Enter and Escape as IDOK / IDCANCEL).
    BOOL PreTranslateMessage(MSG* message) override;

protected:
    virtual void DoDataExchange(CDataExchange* exchange);
    bool OnUnmappedCommand(WPARAM wParam, LPARAM lParam, LRESULT& result) override;

    DECLARE_MESSAGE_MAP()

private:
    static INT_PTR CALLBACK DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept;
    HWND CreateFromTemplate();
    void Step(MSG& message);

    UINT m_templateId;
    CWnd* m_parent;
    bool m_ended = false;
    INT_PTR m_result = -1;
};
