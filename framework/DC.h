#pragma once
// CDC: a device context with separate output and attribute handles (the same for screens;
// a printer's may differ). A context made by CreateCompatibleDC is owned and deleted with the
// object; an attached one is borrowed. CPaintDC brackets a WM_PAINT with BeginPaint/EndPaint.
#include <windows.h>

#include "framework/Gdi.h"

class CWnd;

class CDC {
public:
    CDC() = default;
    CDC(const CDC&) = delete;
    CDC& operator=(const CDC&) = delete;
    virtual ~CDC();

    HDC m_hDC = nullptr;        // output
    HDC m_hAttribDC = nullptr;  // attribute queries (mapping mode, coordinate conversion)
    BOOL m_bPrinting = FALSE;

    HDC GetSafeHdc() const { return m_hDC; }
    BOOL IsPrinting() const { return m_bPrinting; }

    BOOL CreateCompatibleDC(CDC* dc);
    BOOL DeleteDC();
    // Borrows a context: it is not deleted by this object.
    BOOL Attach(HDC dc);
    HDC Detach();

    // Selects the object and returns the one it replaced.
    HGDIOBJ SelectObject(HGDIOBJ object);
    HGDIOBJ SelectObject(const CGdiObject* object) { return SelectObject(object->m_hObject); }

    COLORREF GetBkColor() const;
    COLORREF SetBkColor(COLORREF color);
    int SetBkMode(int mode);
    void FillSolidRect(const RECT* rect, COLORREF color);
    BOOL BitBlt(int x, int y, int width, int height, CDC* source, int sourceX, int sourceY, DWORD rop);
    int GetMapMode() const;
    int SetMapMode(int mode);
    void LPtoDP(LPRECT rect) const;
    void DPtoLP(LPRECT rect) const;
    POINT SetWindowOrg(int x, int y);
    int GetClipBox(LPRECT rect) const;
    POINT MoveTo(int x, int y);
    BOOL LineTo(int x, int y);
    BOOL PolyBezierTo(const POINT* points, int count);
    BOOL BeginPath();
    BOOL EndPath();
    BOOL StrokeAndFillPath();
    BOOL DrawIcon(int x, int y, HICON icon);

private:
    bool m_owned = false;
};

class CPaintDC : public CDC {
public:
    explicit CPaintDC(CWnd* window);
    ~CPaintDC() override;

    PAINTSTRUCT m_ps{};

private:
    HWND m_window;
};

// Selects an object into a context for the life of this guard, then puts the old one back.
// Declare it after the object it selects, so the old object is back before the new one is deleted.
class ScopedSelect {
public:
    ScopedSelect(CDC& dc, HGDIOBJ object) : m_dc(dc), m_old(dc.SelectObject(object)) {}
    ScopedSelect(CDC& dc, const CGdiObject& object) : ScopedSelect(dc, object.m_hObject) {}
    ScopedSelect(const ScopedSelect&) = delete;
    ScopedSelect& operator=(const ScopedSelect&) = delete;
    ~ScopedSelect() { m_dc.SelectObject(m_old); }

private:
    CDC& m_dc;
    HGDIOBJ m_old;
};
