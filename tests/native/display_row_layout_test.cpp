#include <gtest/gtest.h>

#include "display/char_set.h"
#include "display/row_layout.h"
#include "display/segment_style.h"

namespace {

// The glyph list the display builds for a text: bytes without a glyph are skipped, leaving no gap.
CGlyphList Glyphs(const char* text, unsigned style) {
    CGlyphList list;
    for (const char* c = text; *c; ++c) {
        if (auto glyph = CharToGlyph(style, *c)) {
            list.Add(*glyph);
        }
    }
    return list;
}

constexpr unsigned kDefaultStyle = SDS_KEEP_ASPECT | SDS_BLEND_OUTLINE;

}  // namespace

TEST(RowLayout, KeepAspectCentresTheRow) {
    const std::vector<GlyphRect> rects = LayOutRow(Glyphs("007", kDefaultStyle), 294, 100, kDefaultStyle);
    ASSERT_EQ(rects.size(), 3u);
    const double s = 100 * 0.012048192771084338;
    EXPECT_EQ(rects[0].left, (294 - 147 * s) * 0.5);
    EXPECT_NEAR(rects[0].left, 58.4458, 1e-4);
    EXPECT_NEAR(rects[0].top, 0.0, 1e-12);
    EXPECT_NEAR(rects[0].bottom, 100.0, 1e-12);
    EXPECT_EQ(rects[1].left, rects[0].right);
    EXPECT_NEAR(rects[2].right - rects[0].left, 177.108, 1e-3);

    // Width-limited: the row spans the width and is centred vertically.
    const RowScale narrow = ComputeRowScale(147, 100, 100, kDefaultStyle);
    EXPECT_EQ(narrow.sx, 100.0 / 147);
    EXPECT_EQ(narrow.sy, narrow.sx);
    EXPECT_EQ(narrow.x0, 0.0);
    EXPECT_GT(narrow.y0, 0.0);
}

TEST(RowLayout, WithoutKeepAspectTheRowFillsTheArea) {
    const std::vector<GlyphRect> rects = LayOutRow(Glyphs("007", SDS_BLEND_OUTLINE), 294, 100, SDS_BLEND_OUTLINE);
    ASSERT_EQ(rects.size(), 3u);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(rects[i].left, 98.0 * i);
        EXPECT_EQ(rects[i].right, 98.0 * (i + 1));
        EXPECT_EQ(rects[i].top, 0.0);
        EXPECT_DOUBLE_EQ(rects[i].bottom, 100.0);
    }
}

TEST(RowLayout, MixedWidthsAndSkippedCharacters) {
    const CGlyphList glyphs = Glyphs("1.5", 0);
    ASSERT_EQ(glyphs.GetSize(), 3);
    const std::vector<GlyphRect> rects = LayOutRow(glyphs, 232, 83, 0);
    EXPECT_EQ(rects[1].left, 98.0);
    EXPECT_EQ(rects[1].right, 134.0);  // 116 units over 232 pixels: the dot cell is 18 * 2
    EXPECT_EQ(rects[2].right, 232.0);

    EXPECT_EQ(Glyphs("1,5", 0).GetSize(), 2);
    EXPECT_TRUE(LayOutRow(Glyphs("?,!", kDefaultStyle), 294, 100, kDefaultStyle).empty());
    EXPECT_TRUE(LayOutRow(CGlyphList(), 0, 0, kDefaultStyle).empty());
}
