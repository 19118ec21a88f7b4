// Region mode: the window takes the shape of the drawn segments, and the background is not painted.
#include <gtest/gtest.h>

#include <vector>

#include "display/SegmentDisplay.h"
#include "display/row_layout.h"
#include "display/segment_style.h"
#include "tests/win/display_canvas.h"

namespace {

// The window's region, or none (no handle) when the window has no region.
CRgn WindowShape(HWND window) {
    CRgn shape;
    shape.CreateRectRgn(0, 0, 0, 0);
    if (::GetWindowRgn(window, shape) == ERROR)
        shape.DeleteObject();
    return shape;
}

}  // namespace

TEST(DisplayRegion, ShapeIsTheUnionOfTheDrawnOutlinesAndTheBackgroundStays) {
    HWND window =
        ::CreateWindowExA(0, "STATIC", "", WS_POPUP | WS_VISIBLE, 0, 0, 147, 249, nullptr, nullptr, nullptr, nullptr);
    CSegmentDisplay display;
    ASSERT_TRUE(display.SubclassWindow(window));
    display.m_regionMode = TRUE;
    Canvas canvas(147, 249, RGB(1, 2, 3));
    const auto paint = [&](const char* text, UINT style) {
        display.m_text = text;
        display.m_style = style;
        display.m_stale = TRUE;
        display.Paint(canvas.dc, CRect(0, 0, 147, 249));
        return LayOutRow(display.m_glyphs, 147, 249, style);
    };

    // Plain outlines have straight edges only: each segment's area is the polygon of its device points.
    std::vector<GlyphRect> rects = paint("8", SDS_KEEP_ASPECT);
    const CGlyph& eight = display.m_glyphs[0];
    CRgn expected;
    expected.CreateRectRgn(0, 0, 0, 0);
    for (int s = 0; s < 7; ++s) {
        const CSegmentPath& path = eight.GetSegments()[s];
        std::vector<POINT> points;
        for (int i = 0; i < path.GetCount(); ++i)
            points.push_back(MapDesignPoint(eight, path.GetPoints()[i].x, path.GetPoints()[i].y, rects[0]));
        CRgn area;
        area.Attach(::CreatePolygonRgn(points.data(), static_cast<int>(points.size()), ALTERNATE));
        expected.CombineRgn(&expected, &area, RGN_OR);
    }
    EXPECT_TRUE(::EqualRgn(WindowShape(window), expected));
    EXPECT_EQ(canvas.At(0, 0), RGB(1, 2, 3)) << "what the target showed stays around the segments";
    EXPECT_EQ(canvas.At(SegmentCentre(eight, 3, rects[0])), 0x00FF00u);

    // Lit only, rounded: the lit segments of "1" alone.
    ::SetWindowRgn(window, nullptr, FALSE);
    rects = paint("1", SDS_KEEP_ASPECT | SDS_ROUNDED_OUTLINE | SDS_LIT_ONLY);
    const CRgn shape = WindowShape(window);
    for (int s = 0; s < 7; ++s) {
        const POINT centre = SegmentCentre(display.m_glyphs[0], s, rects[0]);
        EXPECT_EQ(::PtInRegion(shape, centre.x, centre.y) != FALSE, s == 2 || s == 5) << "segment " << s;
    }

    // Nothing drawn: no region, the whole rectangle.
    for (const char* text : {" ", ","}) {
        ::SetWindowRgn(window, nullptr, FALSE);
        paint(text, SDS_KEEP_ASPECT | SDS_LIT_ONLY);
        EXPECT_EQ(WindowShape(window).m_hObject, nullptr) << '"' << text << '"';
    }
    ::DestroyWindow(window);
}
