#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <climits>
#include <limits>

#include "display/char_set.h"
#include "display/glyph_outlines.h"
#include "display/segment_style.h"
#include "display_recording_sink.h"

namespace {

std::string Emit(const CSegmentPath& path, const GlyphRect& rect = {0, 0, 49, 83}) {
    RecordingSink sink;
    path.AppendToPath(sink, rect, 49);
    return sink.text;
}

}  // namespace

// Mirrored segments, the mapping into a rectangle with its rounding, and curve runs emitted as fitted
// Beziers, on the worked examples of the segment outlines (M move, L line, B Bezier's three points).
TEST(SegmentPath, SegmentsAreMappedIntoTheirRectangle) {
    const auto sevenPlain = CharToGlyph(0, '8'), sevenRounded = CharToGlyph(SDS_ROUNDED_OUTLINE, '8');
    const auto fourteenPlain = CharToGlyph(0, 'W'), fourteenRounded = CharToGlyph(SDS_ROUNDED_OUTLINE, 'W');
    const GlyphRect design{0, 0, 49, 83};
    const GlyphRect scaleTwo{10, 20, 108, 186};
    const struct {
        const char* name;
        const CGlyph& glyph;
        int segment;
        GlyphRect rect;
        const char* pattern;
    } rows[] = {
        {"plain lower right is the side reflected through the centre", *sevenPlain, 5, design,
         "M44,76 L44,42 L37,46 L37,69"},
        {"plain upper right diagonal is the diagonal mirrored", *fourteenPlain, 2, design,
         "M43,5 L33,35 L28,37 L30,25"},
        {"rounded lower right is the right vertical mirrored top to bottom", *sevenRounded, 5, design, "M37,46 B.*"},
        {"(5,4) at scale two is (20.5, 28.5), truncated", *sevenPlain, 0, scaleTwo, "M20,28 L34,42 L82,42 L96,28"},
        {"-0.7 truncates to 0 and -1.7 to -1", *sevenPlain, 0, {-6.2, -6.2, 42.8, 76.8}, "M0,-1 L.*"},
        {"a curve run becomes one fitted Bezier", *sevenRounded, 0, design, "M6,4 B4,5 4,8 12,11 L36,11 L39,4"},
        {"the same at scale two", *sevenRounded, 0, scaleTwo, "M22,28 B18,30 18,35 34,42 L82,42 L88,28"},
        {"a run of two curve points", *fourteenRounded, 8, design, "M4,7 L4,39 B.* B8,3 6,5 4,7"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_THAT(EmitSegment(row.glyph, row.segment, row.rect), testing::MatchesRegex(row.pattern));
    }
}

// Outlines assigned from elsewhere may break the tables' rules: a run without a start or an end point is
// skipped with its end point, unknown types are ignored, and nothing is read past the arrays.
TEST(SegmentPath, MalformedOutlinesAreSafe) {
    const DesignPoint p[] = {{1, 1}, {2, 2}, {3, 3}, {4, 4}};
    const struct {
        unsigned char types[4];
        const char* emitted;
    } rows[] = {
        {{4, 4, 2, 2}, "L4,4"},
        {{6, 2, 4, 4}, "M1,1 L2,2"},
        {{6, 9, 0, 2}, "M1,1 L4,4"},
    };
    for (const auto& row : rows) {
        CSegmentPath path;
        path.Assign(p, row.types, 4);
        EXPECT_EQ(Emit(path), row.emitted);
    }
    EXPECT_EQ(TruncateToInt(std::numeric_limits<double>::quiet_NaN()), 0);
    EXPECT_EQ(TruncateToInt(1e10), INT_MAX);
    EXPECT_EQ(TruncateToInt(-1e10), INT_MIN);
}

// Every stored outline starts with a move, then has lines and runs of 2 to 5 curve points each ended by a
// line, and lies inside its cell.
TEST(SegmentPath, EveryStoredOutlineKeepsTheTableRules) {
    const struct {
        const SegmentRecipe* recipes;
        int count, width;
    } kinds[] = {{SevenSegmentRecipes, 7, 49}, {FourteenSegmentRecipes, 14, 49}, {DotSegmentRecipes, 3, 18}};
    for (const auto& kind : kinds) {
        for (int s = 0; s < kind.count * 2; ++s) {
            const OutlineTable& table = s % 2 ? *kind.recipes[s / 2].rounded : *kind.recipes[s / 2].plain;
            std::string types;
            for (int i = 0; i < table.count; ++i) {
                const DesignPoint p = table.points[i];
                types += table.types[i] < 7 ? "??L?C?M"[table.types[i]] : '?';  // by the type's value
                EXPECT_TRUE(p.x >= 0 && p.x < kind.width && p.y >= 0 && p.y < 83) << p.x << ',' << p.y;
            }
            EXPECT_THAT(types, testing::MatchesRegex("M(L|C{2,5}L)+")) << "width " << kind.width << ", " << s;
        }
    }
}
