#pragma once
// CWnd: a window of ours or a borrowed handle. A CWnd bound to a window (SubclassWindow) receives
// that window's messages through its message map; what no map handles goes to the window's
// original procedure (Default).
#include <windows.h>

#include <map>
#include <memory>

#include "framework/CString.h"
#include "framework/CmdTarget.h"

class CWnd : public CCmdTarget {
public:
    CWnd() = default;
    explicit CWnd(HWND window) : m_hWnd(window) {}
    ~CWnd() override;

    // Special insert-after values for SetWindowPos, as the framework names them.
    static const CWnd wndTop;
    static const CWnd wndBottom;
    static const CWnd wndTopMost;
    static const CWnd wndNoTopMost;

    HWND m_hWnd = nullptr;

    operator HWND() const { return m_hWnd; }  // NOLINT: the framework's implicit handle conversion
    HWND GetSafeHwnd() const { return m_hWnd; }

    // Binds this object to an existing window: its messages go through this object's map.
    BOOL SubclassWindow(HWND window);
    BOOL SubclassDlgItem(UINT id, CWnd* parent);

    // Called by the dialog loop for every message to this window or its children, before dispatch.
    // Returns TRUE when the message has been handled and must not be dispatched.
    virtual BOOL PreTranslateMessage(MSG* message);

    // Hands the message being handled to the window's original procedure.
    LRESULT Default();

    // A non-owning wrapper of a child control; valid while this object lives.
    CWnd* GetDlgItem(int id) const;

    void SetDlgItemText(int id, const char* text);
    void CheckDlgButton(int id, UINT check);
    UINT IsDlgButtonChecked(int id) const;
    void GetWindowText(CString& text) const;
    void SetWindowText(const char* text);
    BOOL EnableWindow(BOOL enable = TRUE);
    BOOL IsWindowEnabled() const;
    CWnd* SetFocus();
    BOOL SetForegroundWindow();
    void BringWindowToTop();
    CWnd* SetActiveWindow();
    BOOL SetWindowPos(const CWnd* insertAfter, int x, int y, int cx, int cy, UINT flags);
    BOOL IsIconic() const;
    void GetClientRect(LPRECT rect) const;
    HICON SetIcon(HICON icon, BOOL big);
    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
    BOOL PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
    void Invalidate(BOOL erase = TRUE);
    void InvalidateRect(LPCRECT rect, BOOL erase = TRUE);
    BOOL RedrawWindow(LPCRECT update = nullptr,
                      HRGN region = nullptr,
                      UINT flags = RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE);
    int SetWindowRgn(HRGN region, BOOL redraw);
    BOOL DestroyWindow();

    // Window timers go through the seams so that tests can drive the ticks.
    UINT_PTR SetTimer(UINT_PTR id, UINT milliseconds);
    BOOL KillTimer(UINT_PTR id);

protected:
    // Every message of a bound window arrives here; the map first, then Default.
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    // The window's original procedure.
    virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    // A WM_COMMAND that no map of this window lists; the dialog passes it on to the application.
    virtual bool OnUnmappedCommand(WPARAM wParam, LPARAM lParam, LRESULT& result);

private:
    static LRESULT CALLBACK
    SubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id, DWORD_PTR self) noexcept;
    void Unsubclass();

    struct CurrentMessage {
        UINT message = 0;
        WPARAM wParam = 0;
        LPARAM lParam = 0;
    };
    CurrentMessage m_current;
    bool m_subclassed = false;
    mutable std::map<int, std::unique_ptr<CWnd>> m_items;
};
