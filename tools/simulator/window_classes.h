// Window classes of the simulator and the binding of a window to the object that handles it.
#pragma once

#include <windows.h>

namespace jflashsim {

extern const char kEstaticClass[];  // "ESTATIC_WindowClass": a static text of the newer programmer versions

// Registers "MainWindow" and "QWidget" (both handled by BoundWindow objects) and "ESTATIC_WindowClass".
bool RegisterSimClasses(HINSTANCE instance);

// The font of message boxes, shared by all the simulator's windows (not owned by the caller).
HFONT MessageFont();

// Base of the objects behind the simulator's "MainWindow" and "QWidget" windows: the object is bound
// to its window at WM_NCCREATE and unbound after WM_NCDESTROY.
class BoundWindow {
public:
    BoundWindow() = default;
    BoundWindow(const BoundWindow&) = delete;
    BoundWindow& operator=(const BoundWindow&) = delete;
    virtual ~BoundWindow() = default;

    HWND Hwnd() const { return m_hwnd; }

    static LRESULT CALLBACK Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) noexcept;

protected:
    // Handles every message of the bound window; unhandled ones go to DefWindowProcA.
    virtual LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) = 0;

    HWND CreateBound(DWORD exStyle,
                     const char* className,
                     const char* title,
                     DWORD style,
                     const RECT& rect,
                     HWND owner);

    HWND m_hwnd = nullptr;
};

}  // namespace jflashsim
