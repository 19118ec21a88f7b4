// The segment display on a window: repaints requested by changes of text and colours only, the window
// text standing in for a text never set, and region mode shaping the window to the drawn segments.
#include <gtest/gtest.h>

#include <functional>
#include <utility>

#include "display/segment_style.h"
#include "tests/win/display_canvas.h"

namespace {

class DisplayWindow : public ::testing::Test {
protected:
    void SetUp() override {
        m_window = ::CreateWindowExA(0, "STATIC", "a1:", WS_POPUP | WS_VISIBLE, 0, 0, 147, 249, nullptr, nullptr,
                                     nullptr, nullptr);
        ASSERT_TRUE(m_display.SubclassWindow(m_window));
    }
    void TearDown() override { ::DestroyWindow(m_window); }

    // Whether a repaint was requested since the last call.
    bool RepaintRequested() {
        const bool pending = ::GetUpdateRect(m_window, nullptr, FALSE) != FALSE;
        ::ValidateRect(m_window, nullptr);
        return pending;
    }

    // A copy of the window's region, or none (no handle) when the window has no region.
    CRgn WindowShape() {
        CRgn shape;
        shape.CreateRectRgn(0, 0, 0, 0);
        return ::GetWindowRgn(m_window, shape) == ERROR ? CRgn() : std::move(shape);
    }

    HWND m_window = nullptr;
    CSegmentDisplay m_display;
};

}  // namespace

TEST_F(DisplayWindow, TextAndColoursRepaintOnlyWhenTheyChangeAndAtOnceWhenAsked) {
    ::UpdateWindow(m_window);
    const struct {
        const char* name;
        std::function<void()> change;
        bool repaints, stale;
    } steps[] = {
        {"a new text", [&] { m_display.SetText("007"); }, true, true},
        {"the same text", [&] { m_display.SetText("007"); }, false, false},
        {"another text", [&] { m_display.SetText("abc"); }, true, true},
        {"the display's own colours", [&] { m_display.SetColors(0x003400, 0x00FF00); }, false, false},
        {"new colours", [&] { m_display.SetColors(0x000000, 0xC0C0C0); }, true, false},
        {"a new lit colour only", [&] { m_display.SetColors(0x000000, 0x0000FF); }, true, false},
    };
    for (const auto& step : steps) {
        m_display.m_stale = FALSE;
        step.change();
        EXPECT_EQ(RepaintRequested(), step.repaints) << step.name;
        EXPECT_EQ(m_display.m_stale != FALSE, step.stale) << step.name;
    }
    EXPECT_STREQ(m_display.m_text, "abc") << "stored as given";
    EXPECT_EQ(m_display.m_unlitColor, 0u);
    EXPECT_EQ(m_display.m_litColor, 0x0000FFu);

    m_display.m_redrawNow = TRUE;
    m_display.SetText("123");
    EXPECT_FALSE(RepaintRequested()) << "the paint has happened already";
    EXPECT_FALSE(m_display.m_stale);
}

// Through a real WM_PAINT, a control whose text was never set shows its window text, upper-cased,
// exactly as Paint draws that text.
TEST_F(DisplayWindow, PlaceholderShowsTheWindowTextAtTheFirstPaint) {
    ::RedrawWindow(m_window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    EXPECT_STREQ(m_display.m_text, "A1:");
    Canvas shown(147, 249, kUntouched), expected(147, 249, kUntouched);
    HDC windowDc = ::GetDC(m_window);
    ::BitBlt(shown.dc.m_hDC, 0, 0, 147, 249, windowDc, 0, 0, SRCCOPY);
    ::ReleaseDC(m_window, windowDc);
    EXPECT_EQ(WatchedPaint(m_display, expected, CRect(0, 0, 147, 249)), "");
    ::BitBlt(shown.dc.m_hDC, 0, 0, 147, 249, expected.dc.m_hDC, 0, 0, SRCINVERT);
    EXPECT_EQ(shown.Differing(0), 0) << "pixels differ";
}

TEST_F(DisplayWindow, RegionModeShapesTheWindowToTheUnionOfTheDrawnOutlines) {
    m_display.m_regionMode = TRUE;
    ::SetWindowRgn(m_window, ::CreateRectRgn(0, 0, 5, 5), FALSE);
    m_display.SetText("8");
    EXPECT_EQ(WindowShape().m_hObject, nullptr) << "a change drops the shape: the whole rectangle repaints";
    const struct {
        const char* text;
        UINT style;
        const char* inside;  // per segment, whether its centre is in the shape; none: no shape at all
    } rows[] = {
        {"8", SDS_KEEP_ASPECT, "1111111"},
        {"1", SDS_KEEP_ASPECT | SDS_ROUNDED_OUTLINE | SDS_LIT_ONLY, "0010010"},
        {" ", SDS_KEEP_ASPECT | SDS_LIT_ONLY, nullptr},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.text);
        ::SetWindowRgn(m_window, nullptr, FALSE);
        Canvas canvas(147, 249, kUntouched);
        m_display.m_text = row.text;
        m_display.m_style = row.style;
        m_display.m_stale = TRUE;
        EXPECT_EQ(WatchedPaint(m_display, canvas, CRect(0, 0, 147, 249)), "");
        const CRgn shape = WindowShape();
        EXPECT_EQ(canvas.At({0, 0}), kUntouched) << "what the target showed stays around the segments";
        EXPECT_EQ(shape.m_hObject == nullptr, row.inside == nullptr);
        for (int s = 0; row.inside != nullptr && s < 7; ++s)
            EXPECT_EQ(::PtInRegion(shape, kSegmentCentres[s].x, kSegmentCentres[s].y) != FALSE, row.inside[s] == '1')
                << "segment " << s;
        EXPECT_FALSE(::PtInRegion(shape, 72, 70)) << "the hole inside the upper half";
    }
}
