#pragma once
// Owning wrappers of GDI objects: each deletes its handle when destroyed. Move-only.
#include <windows.h>

class CDC;

class CGdiObject {
public:
    CGdiObject() = default;
    CGdiObject(const CGdiObject&) = delete;
    CGdiObject& operator=(const CGdiObject&) = delete;
    CGdiObject(CGdiObject&& other) noexcept : m_hObject(other.m_hObject) { other.m_hObject = nullptr; }
    CGdiObject& operator=(CGdiObject&& other) noexcept;
    virtual ~CGdiObject() { DeleteObject(); }

    HGDIOBJ m_hObject = nullptr;

    HGDIOBJ GetSafeHandle() const { return m_hObject; }
    // Takes ownership of a handle (deleting the one held before).
    BOOL Attach(HGDIOBJ object);
    // Gives up ownership without deleting.
    HGDIOBJ Detach();
    BOOL DeleteObject();
};

class CPen : public CGdiObject {
public:
    CPen() = default;
    CPen(int style, int width, COLORREF color) { CreatePen(style, width, color); }
    BOOL CreatePen(int style, int width, COLORREF color);
    operator HPEN() const { return static_cast<HPEN>(m_hObject); }  // NOLINT
};

class CBrush : public CGdiObject {
public:
    CBrush() = default;
    explicit CBrush(COLORREF color) { CreateSolidBrush(color); }
    BOOL CreateSolidBrush(COLORREF color);
    operator HBRUSH() const { return static_cast<HBRUSH>(m_hObject); }  // NOLINT
};

class CBitmap : public CGdiObject {
public:
    BOOL CreateCompatibleBitmap(CDC* dc, int width, int height);
    operator HBITMAP() const { return static_cast<HBITMAP>(m_hObject); }  // NOLINT
};

class CRgn : public CGdiObject {
public:
    BOOL CreateRectRgn(int left, int top, int right, int bottom);
    // The region of the path that is closed in dc (the path is consumed).
    BOOL CreateFromPath(CDC* dc);
    // this = a combined with b by mode (RGN_OR, ...); the result type of CombineRgn.
    int CombineRgn(const CRgn* a, const CRgn* b, int mode);
    operator HRGN() const { return static_cast<HRGN>(m_hObject); }  // NOLINT
};

// CRect: a RECT with the few helpers the drawing code uses.
class CRect : public RECT {
public:
    CRect() : RECT{0, 0, 0, 0} {}
    CRect(int l, int t, int r, int b) : RECT{l, t, r, b} {}
    CRect(const RECT& rect) : RECT(rect) {}  // NOLINT
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    POINT TopLeft() const { return POINT{left, top}; }
};
