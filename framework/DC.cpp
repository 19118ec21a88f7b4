#include "framework/DC.h"

#include "framework/Wnd.h"

CDC::~CDC() {
    if (m_owned)
        DeleteDC();
}

BOOL CDC::CreateCompatibleDC(CDC* dc) {
    if (m_owned)
        DeleteDC();
    HDC created = ::CreateCompatibleDC(dc ? dc->m_hDC : nullptr);
    if (created == nullptr)
        return FALSE;
    m_hDC = m_hAttribDC = created;
    m_owned = true;
    return TRUE;
}

BOOL CDC::DeleteDC() {
    if (m_hDC == nullptr)
        return FALSE;
    HDC dc = Detach();
    return ::DeleteDC(dc);
}

BOOL CDC::Attach(HDC dc) {
    if (m_owned)
        DeleteDC();
    m_hDC = m_hAttribDC = dc;
    m_owned = false;
    return dc != nullptr;
}

HDC CDC::Detach() {
    HDC dc = m_hDC;
    m_hDC = m_hAttribDC = nullptr;
    m_owned = false;
    return dc;
}

HGDIOBJ CDC::SelectObject(HGDIOBJ object) {
    return object ? ::SelectObject(m_hDC, object) : nullptr;
}

COLORREF CDC::GetBkColor() const {
    return ::GetBkColor(m_hAttribDC);
}

COLORREF CDC::SetBkColor(COLORREF color) {
    return ::SetBkColor(m_hDC, color);
}

int CDC::SetBkMode(int mode) {
    return ::SetBkMode(m_hDC, mode);
}

void CDC::FillSolidRect(const RECT* rect, COLORREF color) {
    // The framework's way: an opaque ExtTextOut of no text fills with the background colour.
    ::SetBkColor(m_hDC, color);
    ::ExtTextOutA(m_hDC, 0, 0, ETO_OPAQUE, rect, nullptr, 0, nullptr);
}

BOOL CDC::BitBlt(int x, int y, int width, int height, CDC* source, int sourceX, int sourceY, DWORD rop) {
    return ::BitBlt(m_hDC, x, y, width, height, source ? source->m_hDC : nullptr, sourceX, sourceY, rop);
}

int CDC::GetMapMode() const {
    return ::GetMapMode(m_hAttribDC);
}

int CDC::SetMapMode(int mode) {
    return ::SetMapMode(m_hDC, mode);
}

void CDC::LPtoDP(LPRECT rect) const {
    ::LPtoDP(m_hAttribDC, reinterpret_cast<LPPOINT>(rect), 2);
}

void CDC::DPtoLP(LPRECT rect) const {
    ::DPtoLP(m_hAttribDC, reinterpret_cast<LPPOINT>(rect), 2);
}

POINT CDC::SetWindowOrg(int x, int y) {
    POINT old{};
    ::SetWindowOrgEx(m_hDC, x, y, &old);
    return old;
}

int CDC::GetClipBox(LPRECT rect) const {
    return ::GetClipBox(m_hDC, rect);
}

POINT CDC::MoveTo(int x, int y) {
    POINT old{};
    ::MoveToEx(m_hDC, x, y, &old);
    return old;
}

BOOL CDC::LineTo(int x, int y) {
    return ::LineTo(m_hDC, x, y);
}

BOOL CDC::PolyBezierTo(const POINT* points, int count) {
    return ::PolyBezierTo(m_hDC, points, static_cast<DWORD>(count));
}

BOOL CDC::BeginPath() {
    return ::BeginPath(m_hDC);
}

BOOL CDC::EndPath() {
    return ::EndPath(m_hDC);
}

BOOL CDC::StrokeAndFillPath() {
    return ::StrokeAndFillPath(m_hDC);
}

BOOL CDC::DrawIcon(int x, int y, HICON icon) {
    return ::DrawIcon(m_hDC, x, y, icon);
}

CPaintDC::CPaintDC(CWnd* window) : m_window(window->m_hWnd) {
    Attach(::BeginPaint(m_window, &m_ps));
}

CPaintDC::~CPaintDC() {
    Detach();
    ::EndPaint(m_window, &m_ps);
}
