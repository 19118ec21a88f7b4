// The segment display's text and colours: changes request a repaint, repeats do not.
#include <gtest/gtest.h>

#include "display/SegmentDisplay.h"
#include "display/segment_style.h"

namespace {

class DisplayFixture : public ::testing::Test {
protected:
    void SetUp() override {
        m_window = ::CreateWindowExA(0, "STATIC", "window text", WS_POPUP | WS_VISIBLE, 0, 0, 120, 60, nullptr, nullptr,
                                     nullptr, nullptr);
        ASSERT_TRUE(m_display.SubclassWindow(m_window));
        ::UpdateWindow(m_window);
        Validate();
    }
    void TearDown() override { ::DestroyWindow(m_window); }

    void Validate() { ::ValidateRect(m_window, nullptr); }
    bool RepaintPending() { return ::GetUpdateRect(m_window, nullptr, FALSE) != FALSE; }

    HWND m_window = nullptr;
    CSegmentDisplay m_display;
};

}  // namespace

TEST_F(DisplayFixture, StartsWithTheDefaults) {
    CSegmentDisplay fresh;
    EXPECT_STREQ(fresh.m_text, "?");
    EXPECT_TRUE(fresh.m_stale);
    EXPECT_EQ(fresh.m_unlitColor, 0x003400u);
    EXPECT_EQ(fresh.m_litColor, 0x00FF00u);
    EXPECT_EQ(fresh.m_backgroundColor, 0u);
    EXPECT_EQ(fresh.m_style, 0x14u);
    EXPECT_EQ(fresh.m_style, static_cast<UINT>(SDS_KEEP_ASPECT | SDS_BLEND_OUTLINE));
    EXPECT_FALSE(fresh.m_redrawNow);
    EXPECT_FALSE(fresh.m_regionMode);
}

TEST_F(DisplayFixture, SetTextRepaintsOnlyWhenTheTextChanges) {
    m_display.SetText("007");
    EXPECT_TRUE(RepaintPending());
    EXPECT_TRUE(m_display.m_stale);
    EXPECT_STREQ(m_display.m_text, "007");

    Validate();
    m_display.m_stale = FALSE;
    m_display.SetText("007");
    EXPECT_FALSE(RepaintPending());
    EXPECT_FALSE(m_display.m_stale);

    m_display.SetText("abc");
    EXPECT_STREQ(m_display.m_text, "abc") << "stored as given";
    EXPECT_TRUE(RepaintPending());
}

TEST_F(DisplayFixture, SetColorsRepaintsOnlyWhenThePairChangesAndKeepsTheGlyphs) {
    m_display.m_stale = FALSE;
    m_display.SetColors(0x003400, 0x00FF00);
    EXPECT_FALSE(RepaintPending());

    m_display.SetColors(0x000000, 0xC0C0C0);
    EXPECT_TRUE(RepaintPending());
    EXPECT_EQ(m_display.m_unlitColor, 0u);
    EXPECT_EQ(m_display.m_litColor, 0xC0C0C0u);
    EXPECT_FALSE(m_display.m_stale) << "a colour change does not rebuild the glyphs";

    Validate();
    m_display.SetColors(0x000000, 0x0000FF);  // only one of the two differs
    EXPECT_TRUE(RepaintPending());
}

TEST_F(DisplayFixture, RedrawNowPaintsBeforeSetTextReturns) {
    m_display.m_redrawNow = TRUE;
    m_display.SetText("123");
    EXPECT_FALSE(RepaintPending()) << "the paint has happened already";
}

TEST_F(DisplayFixture, RegionModeRemovesTheWindowShapeBeforeRepainting) {
    m_display.m_regionMode = TRUE;
    ::SetWindowRgn(m_window, ::CreateRectRgn(0, 0, 5, 5), FALSE);
    m_display.SetText("8");
    HRGN probe = ::CreateRectRgn(0, 0, 0, 0);
    EXPECT_EQ(::GetWindowRgn(m_window, probe), ERROR) << "no region: the whole rectangle repaints";
    ::DeleteObject(probe);
}
