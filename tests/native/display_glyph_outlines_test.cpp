#include <gtest/gtest.h>

#include <string>

#include "display/glyph.h"
#include "display/glyph_outlines.h"
#include "display/segment_style.h"

namespace {

std::string Points(const CSegmentPath& path) {
    std::string text;
    for (int i = 0; i < path.GetCount(); ++i) {
        text += (i ? " " : "") + std::to_string(path.GetPoints()[i].x) + ',' + std::to_string(path.GetPoints()[i].y);
    }
    return text;
}

template <typename Glyph>
CSegmentPath Segment(unsigned style, int index) {
    Glyph glyph;
    glyph.SetMask(0, style);
    return glyph.GetSegments()[index];
}

}  // namespace

TEST(GlyphOutlines, Transforms) {
    EXPECT_EQ(MirrorX({5, 4}, 49).x, 43);
    EXPECT_EQ(MirrorX({5, 4}, 49).y, 4);
    EXPECT_EQ(MirrorY({5, 4}).y, 78);
    EXPECT_EQ(ReflectPoint({5, 4}, 49).x, 43);
    EXPECT_EQ(ReflectPoint({5, 4}, 49).y, 78);
    EXPECT_EQ(MirrorX({4, 0}, 18).x, 12);  // cx = 8 for the dot width
}

TEST(GlyphOutlines, MirroredSegments) {
    EXPECT_EQ(Points(Segment<CSevenSegmentGlyph>(0, 5)), "44,76 44,42 37,46 37,69");
    EXPECT_EQ(Points(Segment<CFourteenSegmentGlyph>(0, 2)), "43,5 33,35 28,37 30,25");
    EXPECT_EQ(Points(Segment<CSevenSegmentGlyph>(SDS_ROUNDED_OUTLINE, 5)).substr(0, 17), "37,46 39,44 41,42");
    // Mirroring keeps the type bytes, so the mirrored outline runs in mirrored vertex order.
    const CSegmentPath right = Segment<CSevenSegmentGlyph>(SDS_ROUNDED_OUTLINE, 5);
    for (int i = 0; i < right.GetCount(); ++i) {
        EXPECT_EQ(right.GetTypes()[i], SevenRoundRight.types[i]);
    }
}

// Every stored outline starts with a move, uses only the three point types, and has each curve run (2 to 5
// points) between two other points, inside the design cell.
TEST(GlyphOutlines, TableInvariants) {
    const SegmentRecipe* kinds[] = {SevenSegmentRecipes, FourteenSegmentRecipes, DotSegmentRecipes};
    const int counts[] = {kSevenSegmentCount, kFourteenSegmentCount, kDotSegmentCount};
    const int widths[] = {49, 49, 18};
    for (int kind = 0; kind < 3; ++kind) {
        for (int s = 0; s < counts[kind]; ++s) {
            for (const OutlineTable* table : {kinds[kind][s].plain, kinds[kind][s].rounded}) {
                SCOPED_TRACE(testing::Message() << "kind " << kind << " segment " << s);
                ASSERT_GE(table->count, 4);
                EXPECT_EQ(table->types[0], kPointMoveTo);
                EXPECT_NE(table->types[table->count - 1], kPointCurve);
                int run = 0;
                for (int i = 0; i < table->count; ++i) {
                    const unsigned char type = table->types[i];
                    EXPECT_TRUE(i == 0 || type == kPointLineTo || type == kPointCurve);
                    EXPECT_GE(table->points[i].x, 0);
                    EXPECT_LT(table->points[i].x, widths[kind]);
                    EXPECT_GE(table->points[i].y, 0);
                    EXPECT_LT(table->points[i].y, kCellHeight);
                    if (type == kPointCurve) {
                        ++run;
                    } else if (run != 0) {
                        EXPECT_GE(run, 2);
                        EXPECT_LE(run, 5);
                        run = 0;
                    }
                }
            }
        }
    }
}
