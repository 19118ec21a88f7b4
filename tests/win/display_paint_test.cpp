// The segment display's picture on real GDI: colours of lit and unlit segments and their outlines, the
// placement of the row, what an empty or unsupported text shows, and the off-screen surface. Every paint
// selects its objects out before it deletes them.
#include <gtest/gtest.h>

#include <memory>

#include "display/OffscreenDC.h"
#include "display/segment_style.h"
#include "tests/win/display_canvas.h"

namespace {

// Paints text with style (0: the display's own) over a canvas prefilled with kUntouched.
void PaintText(Canvas& canvas, const char* text, UINT style, const CRect& client) {
    CSegmentDisplay display;
    display.m_text = text;
    if (style != 0)
        display.m_style = style;
    EXPECT_EQ(WatchedPaint(display, canvas, client), "") << text;
}

}  // namespace

// "1" with the display's colours: segments 2 and 5 lit, the other five unlit.
TEST(DisplayPaint, SegmentsAreFilledInTheirColourAndOutlinedAQuarterTowardsTheBackground) {
    const struct {
        const char* name;
        UINT style;
        COLORREF litPen, unlitFill, unlitPen;
    } rows[] = {
        {"the display's style blends the outlines", 0, 0x00BF00, 0x003400, 0x002700},
        {"unblended outlines", SDS_KEEP_ASPECT, 0x00FF00, 0x003400, 0x003400},
        {"lit only: unlit segments not drawn", SDS_KEEP_ASPECT | SDS_BLEND_OUTLINE | SDS_LIT_ONLY, 0x00BF00, 0, 0},
    };
    for (const auto& row : rows) {
        Canvas canvas(147, 249, kUntouched);
        PaintText(canvas, "1", row.style, CRect(0, 0, 147, 249));
        for (int s = 0; s < 7; ++s) {
            const bool lit = s == 2 || s == 5;
            SCOPED_TRACE(testing::Message() << row.name << ", segment " << s);
            EXPECT_EQ(canvas.At(kSegmentCentres[s]), lit ? 0x00FF00u : row.unlitFill);
            EXPECT_EQ(canvas.At(kSegmentCorners[s]), lit ? row.litPen : row.unlitPen);
        }
    }
}

// What differs from the black background. 007 at 294 x 100 with its aspect: one scale of 100/83, the row
// 177.1 pixels wide from x = 58.45; stretched: 2 pixels a unit across. The outermost outline points are
// x = 4 of the first cell and x = 44 of the last, y = 4 and 78.
TEST(DisplayPaint, RowIsCentredWithItsAspectOrStretchedAndTheBackgroundFillsTheRest) {
    const struct {
        const char* text;
        UINT style;
        std::array<LONG, 4> extent;
    } rows[] = {
        {"007", 0, {63, 5, 230, 94}},
        {"007", SDS_BLEND_OUTLINE, {8, 5, 284, 94}},
        {"", 0, {294, 100, -1, -1}},
        {",!#=\x80\xff", 0, {294, 100, -1, -1}},
        {" ", SDS_KEEP_ASPECT | SDS_LIT_ONLY, {294, 100, -1, -1}},
    };
    for (const auto& row : rows) {
        Canvas canvas(294, 100, kUntouched);
        PaintText(canvas, row.text, row.style, CRect(0, 0, 294, 100));
        std::array<LONG, 4> extent;
        canvas.Differing(0, &extent);
        EXPECT_EQ(extent, row.extent) << row.text;
        EXPECT_EQ(canvas.Differing(kUntouched), 294 * 100) << "the background covers the whole area";
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
    EXPECT_EQ(target.Differing(kUntouched), 0);

    surface.reset();
    std::array<LONG, 4> extent;
    EXPECT_EQ(target.Differing(kUntouched, &extent), 20 * 20);
    EXPECT_EQ(extent, (std::array<LONG, 4>{10, 5, 29, 24}));
    EXPECT_EQ(target.At({10, 5}), RGB(200, 0, 0));
    EXPECT_EQ(target.At({15, 10}), RGB(0, 0, 200));
}
