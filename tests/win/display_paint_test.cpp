// The segment display's picture on real GDI: colours of lit and unlit segments and their outlines, the
// placement of the row, what an empty or unsupported text shows, the off-screen surface, and the window
// text standing in for a text never set.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "display/OffscreenDC.h"
#include "display/SegmentDisplay.h"
#include "display/row_layout.h"
#include "display/segment_style.h"
#include "tests/win/display_canvas.h"

namespace {

constexpr COLORREF kUntouched = RGB(1, 2, 3);  // a colour no paint of these tests produces
constexpr UINT kDefaultStyle = SDS_KEEP_ASPECT | SDS_BLEND_OUTLINE;

// A display showing text with style, painted over a canvas prefilled with kUntouched.
struct PaintedText {
    PaintedText(const char* text, UINT style, int width, int height, const CRect* client = nullptr)
        : canvas(width, height, kUntouched) {
        display.m_text = text;
        display.m_style = style;
        display.Paint(canvas.dc, client ? *client : CRect(0, 0, width, height));
        rects = LayOutRow(display.m_glyphs, width, height, style);
    }
    COLORREF Centre(int segment) const { return canvas.At(SegmentCentre(display.m_glyphs[0], segment, rects[0])); }
    COLORREF Corner(int segment) const { return canvas.At(SegmentCorner(display.m_glyphs[0], segment, rects[0])); }

    CSegmentDisplay display;
    Canvas canvas;
    std::vector<GlyphRect> rects;
};

}  // namespace

// "1" at three pixels per design unit: segments 2 and 5 lit, the other five unlit.
TEST(DisplayPaint, SegmentsAreFilledInTheirColourAndOutlinedAQuarterTowardsTheBackground) {
    const struct {
        UINT style;
        COLORREF litPen, unlitFill, unlitPen;
    } cases[] = {
        {kDefaultStyle, 0x00BF00, 0x003400, 0x002700},
        {SDS_KEEP_ASPECT, 0x00FF00, 0x003400, 0x003400},
        {kDefaultStyle | SDS_LIT_ONLY, 0x00BF00, 0, 0},  // unlit segments leave the background
    };
    for (const auto& c : cases) {
        PaintedText one("1", c.style, 147, 249);
        for (int s = 0; s < 7; ++s) {
            const bool lit = s == 2 || s == 5;
            SCOPED_TRACE(testing::Message() << "style " << c.style << ", segment " << s);
            EXPECT_EQ(one.Centre(s), lit ? 0x00FF00u : c.unlitFill);
            EXPECT_EQ(one.Corner(s), lit ? c.litPen : c.unlitPen);
        }
        EXPECT_EQ(one.canvas.At(0, 0), 0u);
    }
}

// 007 at 294 x 100: one scale of 100/83, the row 177.1 pixels wide from x = 58.45. The outermost outline
// points are x = 4 of the first cell and x = 44 of the last, y = 4 and 78.
TEST(DisplayPaint, RowIsCentredWithItsAspectOrStretchedToTheArea) {
    PaintedText kept("007", kDefaultStyle, 294, 100);
    const RECT k = kept.canvas.Extent(0);
    EXPECT_EQ(k.left, 63);    // 58.45 + 4 * 1.2048
    EXPECT_EQ(k.right, 230);  // 58.45 + (98 + 44) * 1.2048
    EXPECT_EQ(k.top, 5);
    EXPECT_EQ(k.bottom, 94);
    EXPECT_EQ(kept.canvas.Count(kUntouched), 0) << "the background covers the whole area";

    PaintedText stretched("007", SDS_BLEND_OUTLINE, 294, 100);
    const RECT s = stretched.canvas.Extent(0);
    EXPECT_EQ(s.left, 8);     // 4 * 2
    EXPECT_EQ(s.right, 284);  // (98 + 44) * 2
    EXPECT_EQ(s.top, 5);
    EXPECT_EQ(s.bottom, 94);
}

TEST(DisplayPaint, WithoutGlyphsOrAreaNothingButTheBackgroundIsDrawn) {
    for (const char* text : {"", ",!#=", "\x80\xff", " "}) {
        CSegmentDisplay display;
        display.m_text = text;
        display.m_style = kDefaultStyle | (text[0] == ' ' ? SDS_LIT_ONLY : 0);
        display.m_backgroundColor = RGB(10, 20, 30);
        Canvas canvas(60, 40, kUntouched);
        display.Paint(canvas.dc, CRect(0, 0, 60, 40));
        EXPECT_EQ(canvas.Count(RGB(10, 20, 30)), 60 * 40) << '"' << text << '"';
    }
    for (const CRect& client : {CRect(0, 0, 0, 40), CRect(0, 0, 60, 0)}) {
        PaintedText none("88", kDefaultStyle, 60, 40, &client);
        EXPECT_EQ(none.canvas.Count(kUntouched), 60 * 40) << "an empty area changes no pixel";
    }
}

// The target keeps its pixels until the surface is destroyed, then shows the picture at the same place.
TEST(DisplayPaint, OffscreenSurfaceReachesTheTargetOnlyWhenDestroyed) {
    Canvas target(40, 30, kUntouched);
    const CRect area(10, 5, 30, 25);
    const CRect inner(15, 10, 20, 15);
    auto surface = std::make_unique<COffscreenDC>(&target.dc, &area);
    surface->FillSolidRect(&area, RGB(200, 0, 0));
    surface->FillSolidRect(&inner, RGB(0, 0, 200));
    EXPECT_EQ(target.Count(kUntouched), 40 * 30);

    surface.reset();
    EXPECT_EQ(target.At(10, 5), RGB(200, 0, 0));
    EXPECT_EQ(target.At(15, 10), RGB(0, 0, 200));
    EXPECT_EQ(target.Count(RGB(200, 0, 0)) + target.Count(RGB(0, 0, 200)), 20 * 20);
    EXPECT_EQ(target.Count(kUntouched), 40 * 30 - 20 * 20);
}

// Through a real WM_PAINT, a control whose text was never set shows its window text, upper-cased,
// exactly as Paint draws that text.
TEST(DisplayPaint, PlaceholderShowsTheWindowTextAtTheFirstPaint) {
    HWND window =
        ::CreateWindowExA(0, "STATIC", "a1:", WS_POPUP | WS_VISIBLE, 0, 0, 116, 83, nullptr, nullptr, nullptr, nullptr);
    CSegmentDisplay display;
    ASSERT_TRUE(display.SubclassWindow(window));
    ::RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    EXPECT_STREQ(display.m_text, "A1:");

    Canvas shown(116, 83, kUntouched);
    HDC windowDc = ::GetDC(window);
    ::BitBlt(shown.dc.m_hDC, 0, 0, 116, 83, windowDc, 0, 0, SRCCOPY);
    ::ReleaseDC(window, windowDc);
    PaintedText expected("A1:", kDefaultStyle, 116, 83);
    int differing = 0;
    for (int y = 0; y < 83; ++y)
        for (int x = 0; x < 116; ++x)
            differing += shown.At(x, y) != expected.canvas.At(x, y) ? 1 : 0;
    EXPECT_EQ(differing, 0);
    ::DestroyWindow(window);
}
