#pragma once
// CSegmentDisplay: a static control that shows a short text as segment-style glyphs, lit segments
// in the lit colour and unlit ones in the unlit colour over a background colour.
#include "display/glyph.h"
#include "framework/AfxWin.h"

class CSegmentDisplay : public CStatic {
public:
    CSegmentDisplay();
    ~CSegmentDisplay() override;

    // Stores a new text and requests a repaint; the same text again changes nothing.
    void SetText(const char* text);
    // Stores a new colour pair and requests a repaint; the same pair again changes nothing.
    void SetColors(COLORREF unlitColor, COLORREF litColor);
    // Asks for a repaint of the whole control.
    void Refresh();

    // Draws the whole client area (of the given size) into dc, off-screen, as a paint does.
    void Paint(CDC& dc, const CRect& client);

    CString m_text;
    BOOL m_stale;
    CGlyphList m_glyphs;
    COLORREF m_unlitColor;
    COLORREF m_litColor;
    COLORREF m_backgroundColor;
    UINT m_style;
    BOOL m_redrawNow;
    BOOL m_regionMode;

protected:
    // Called when the control must be painted.
    void OnPaint();
    // Called when the background would be erased: the paint draws it, so nothing is erased here.
    BOOL OnEraseBkgnd(CDC* dc);

    // Rebuilds m_glyphs from m_text when the text has changed since the last paint.
    void BuildGlyphs();

    DECLARE_MESSAGE_MAP()
};
