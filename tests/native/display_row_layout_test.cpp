#include <gtest/gtest.h>

#include <vector>

#include "display/char_set.h"
#include "display/row_layout.h"
#include "display/segment_style.h"

// The left edge of each glyph and the right edge of the last, and the row's top and bottom.
TEST(RowLayout, GlyphsAbutInARowScaledToTheArea) {
    const unsigned kKeep = SDS_KEEP_ASPECT;
    const struct {
        const char* name;
        const char* text;
        unsigned style;
        int width, height;
        std::vector<double> edges;
        double top, bottom;
    } rows[] = {
        {"kept, height limits: centred across", "007", kKeep, 294, 100, {58.45, 117.48, 176.52, 235.55}, 0, 100},
        {"kept, width limits: centred top to bottom", "007", kKeep, 147, 183, {0, 49, 98, 147}, 50, 133},
        {"stretched: each glyph 98 x 100", "007", SDS_BLEND_OUTLINE, 294, 100, {0, 98, 196, 294}, 0, 100},
        {"1.5 is 49 + 18 + 49 units wide", "1.5", 0, 232, 83, {0, 98, 134, 232}, 0, 83},
        {"no glyphs", "", kKeep, 294, 100, {}, 0, 0},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        std::vector<int> widths;
        for (const char* c = row.text; *c; ++c)
            widths.push_back(CharToGlyph(row.style, *c)->GetWidth());
        const std::vector<GlyphRect> rects = LayOutRow(widths, row.width, row.height, row.style);
        ASSERT_EQ(rects.size() + (rects.empty() ? 0 : 1), row.edges.size());
        for (std::size_t i = 0; i < rects.size(); ++i) {
            EXPECT_NEAR(rects[i].left, row.edges[i], 5e-3);
            EXPECT_NEAR(rects[i].right, row.edges[i + 1], 5e-3);
            EXPECT_NEAR(rects[i].top, row.top, 1e-9);
            EXPECT_NEAR(rects[i].bottom, row.bottom, 1e-9);
        }
    }
}
