#include "window_classes.h"

namespace jflashsim {

const char kEstaticClass[] = "ESTATIC_WindowClass";

namespace {

// A text label that draws its own text with the font its dialog gives it.
LRESULT CALLBACK EstaticProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) noexcept {
    switch (message) {
        case WM_SETFONT:
            SetWindowLongPtrA(hwnd, 0, static_cast<LONG_PTR>(wParam));
            if (LOWORD(lParam)) {
                InvalidateRect(hwnd, nullptr, TRUE);
            }
            return 0;
        case WM_GETFONT:
            return GetWindowLongPtrA(hwnd, 0);
        case WM_SETTEXT: {
            LRESULT result = DefWindowProcA(hwnd, message, wParam, lParam);
            InvalidateRect(hwnd, nullptr, TRUE);
            return result;
        }
        case WM_PAINT: {
            PAINTSTRUCT paint;
            HDC dc = BeginPaint(hwnd, &paint);
            char text[512];
            int length = GetWindowTextA(hwnd, text, sizeof text);
            RECT rect;
            GetClientRect(hwnd, &rect);
            HFONT font = reinterpret_cast<HFONT>(GetWindowLongPtrA(hwnd, 0));
            HGDIOBJ old = SelectObject(dc, font ? font : GetStockObject(DEFAULT_GUI_FONT));
            SetBkMode(dc, TRANSPARENT);
            DrawTextA(dc, text, length, &rect, DT_LEFT | DT_WORDBREAK | DT_NOPREFIX);
            SelectObject(dc, old);
            EndPaint(hwnd, &paint);
            return 0;
        }
    }
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

bool Register(HINSTANCE instance, const char* name, WNDPROC proc, int extraBytes, HBRUSH background) {
    WNDCLASSEXA wc = {};
    wc.cbSize = sizeof wc;
    wc.style = CS_HREDRAW | CS_VREDRAW;
    wc.lpfnWndProc = proc;
    wc.cbWndExtra = extraBytes;
    wc.hInstance = instance;
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.hIcon = LoadIcon(nullptr, IDI_APPLICATION);
    wc.hbrBackground = background;
    wc.lpszClassName = name;
    return RegisterClassExA(&wc) != 0;
}

}  // namespace

bool RegisterSimClasses(HINSTANCE instance) {
    HBRUSH face = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    return Register(instance, "MainWindow", BoundWindow::Proc, 0, face) &&
           Register(instance, "QWidget", BoundWindow::Proc, 0, face) &&
           Register(instance, kEstaticClass, EstaticProc, sizeof(LONG_PTR), nullptr);
}

HFONT MessageFont() {
    static HFONT font = [] {
        NONCLIENTMETRICSA metrics = {};
        metrics.cbSize = sizeof metrics;
        HFONT created = nullptr;
        if (SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0)) {
            created = CreateFontIndirectA(&metrics.lfMessageFont);
        }
        return created ? created : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    }();
    return font;
}

LRESULT CALLBACK BoundWindow::Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) noexcept {
    BoundWindow* self = reinterpret_cast<BoundWindow*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    if (message == WM_NCCREATE) {
        self = static_cast<BoundWindow*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
        if (self) {
            self->m_hwnd = hwnd;
        }
    }
    if (!self) {
        return DefWindowProcA(hwnd, message, wParam, lParam);
    }
    LRESULT result = self->HandleMessage(message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
        self->m_hwnd = nullptr;
    }
    return result;
}

HWND BoundWindow::CreateBound(DWORD exStyle,
                              const char* className,
                              const char* title,
                              DWORD style,
                              const RECT& rect,
                              HWND owner) {
    return CreateWindowExA(exStyle, className, title, style, rect.left, rect.top, rect.right - rect.left,
                           rect.bottom - rect.top, owner, nullptr, GetModuleHandleA(nullptr), this);
}

}  // namespace jflashsim
