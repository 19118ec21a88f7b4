#include "display/SegmentDisplay.h"

#include "display/segment_style.h"

BEGIN_MESSAGE_MAP(CSegmentDisplay, CStatic)
ON_WM_PAINT()
ON_WM_ERASEBKGND()
END_MESSAGE_MAP()

CSegmentDisplay::CSegmentDisplay()
    : m_text("?"),
      m_stale(TRUE),
      m_unlitColor(RGB(0, 52, 0)),
      m_litColor(RGB(0, 255, 0)),
      m_backgroundColor(RGB(0, 0, 0)),
      m_style(SDS_KEEP_ASPECT | SDS_BLEND_OUTLINE),
      m_redrawNow(FALSE),
      m_regionMode(FALSE) {}

CSegmentDisplay::~CSegmentDisplay() {
    m_glyphs.SetSize(0, -1);
}

void CSegmentDisplay::SetText(const char* text) {
    if (m_text.Compare(text) == 0)
        return;
    m_text = text;
    m_stale = TRUE;
    Refresh();
}

void CSegmentDisplay::SetColors(COLORREF unlitColor, COLORREF litColor) {
    if (litColor == m_litColor && unlitColor == m_unlitColor)
        return;
    m_litColor = litColor;
    m_unlitColor = unlitColor;
    Refresh();
}

void CSegmentDisplay::Refresh() {
    if (m_regionMode)
        SetWindowRgn(nullptr, TRUE);
    if (m_redrawNow)
        RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_NOERASE);
    else
        Invalidate(TRUE);
}

BOOL CSegmentDisplay::OnEraseBkgnd(CDC*) {
    return FALSE;  // the paint draws the background itself, off-screen
}
