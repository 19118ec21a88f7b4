// Painting the segment display: the glyphs of the text, scaled to the client area, drawn with the
// background off-screen and shown in one copy.
#include <vector>

#include "display/OffscreenDC.h"
#include "display/SegmentDisplay.h"
#include "display/char_set.h"
#include "display/color_blend.h"
#include "display/row_layout.h"
#include "display/segment_style.h"

void CSegmentDisplay::BuildGlyphs() {
    if (!m_stale)
        return;
    m_glyphs.SetSize(0, -1);
    // The placeholder "?" stands for the control's own window text, taken once.
    if (m_text.Compare("?") == 0)
        GetWindowText(m_text);
    m_text.MakeUpper();
    const std::string& bytes = m_text.str();
    for (char c : bytes) {
        std::unique_ptr<CGlyph> glyph = CharToGlyph(m_style, c);
        if (glyph)
            m_glyphs.Add(*glyph);
    }
    m_stale = FALSE;
}

void CSegmentDisplay::OnPaint() {
    CRect client;
    GetClientRect(&client);
    CPaintDC dc(this);
    Paint(dc, client);
}

void CSegmentDisplay::Paint(CDC& dc, const CRect& client) {
    dc.SetBkColor(m_backgroundColor);
    COffscreenDC surface(&dc, &client);

    if (m_regionMode) {
        surface.SetBkMode(TRANSPARENT);
        surface.BitBlt(client.left, client.top, client.Width(), client.Height(), &dc, 0, 0, SRCCOPY);
    } else {
        surface.SetBkMode(OPAQUE);
        surface.FillSolidRect(&client, m_backgroundColor);
    }

    const bool blend = (m_style & SDS_BLEND_OUTLINE) != 0;
    CBrush unlitBrush(m_unlitColor);
    CBrush litBrush(m_litColor);
    CPen unlitPen(PS_SOLID, 1, blend ? BlendColor(m_backgroundColor, m_unlitColor) : m_unlitColor);
    CPen litPen(PS_SOLID, 1, blend ? BlendColor(m_backgroundColor, m_litColor) : m_litColor);
    {
        // Declared after the pens and brushes: the old objects are back before those are deleted.
        ScopedSelect brushSelection(surface, litBrush);
        ScopedSelect penSelection(surface, unlitPen);

        BuildGlyphs();
        const std::vector<GlyphRect> rects = LayOutRow(m_glyphs, client.Width(), client.Height(), m_style);
        CRgn region;
        for (int i = 0; i < m_glyphs.GetSize(); ++i) {
            m_glyphs[i].Draw(surface, rects[static_cast<size_t>(i)], unlitPen, litPen, unlitBrush, litBrush,
                             m_regionMode ? &region : nullptr);
        }
        // The window owns the region from here on; without any drawn segment it keeps no region.
        if (m_regionMode && region.m_hObject != nullptr)
            SetWindowRgn(static_cast<HRGN>(region.Detach()), FALSE);
    }
}
