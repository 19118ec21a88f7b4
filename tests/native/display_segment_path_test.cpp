#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <limits>

#include "display/glyph.h"
#include "display/segment_style.h"
#include "display_recording_sink.h"

namespace {

const DesignPoint kSquare[] = {{4, 23}, {4, 32}, {13, 32}, {13, 23}};
const unsigned char kSquareTypes[] = {6, 2, 2, 2};

CSegmentPath Square() {
    CSegmentPath path;
    path.Assign(kSquare, kSquareTypes, 4);
    return path;
}

std::string Emit(const CSegmentPath& path, const GlyphRect& rect, int width = 49) {
    RecordingSink sink;
    path.AppendToPath(sink, rect, width);
    return sink.Text();
}

}  // namespace

TEST(SegmentPath, AssignAndCopiesOwnTheirArrays) {
    DesignPoint points[] = {{1, 2}, {3, 4}};
    unsigned char types[] = {6, 2};
    CSegmentPath path;
    EXPECT_EQ(path.GetCount(), 0);
    EXPECT_EQ(path.GetPoints(), nullptr);
    path.Assign(points, types, 2);
    points[0].x = 99;
    types[1] = 4;
    EXPECT_EQ(path.GetPoints()[0].x, 1);
    EXPECT_EQ(path.GetTypes()[1], 2);

    CSegmentPath copy(path);
    EXPECT_NE(copy.GetPoints(), path.GetPoints());
    EXPECT_EQ(Emit(copy, {0, 0, 49, 83}), Emit(path, {0, 0, 49, 83}));

    CSegmentPath& self = copy;
    copy = self;
    EXPECT_EQ(Emit(copy, {0, 0, 49, 83}), "M1,2 L3,4");
    copy = Square();
    EXPECT_EQ(copy.GetCount(), 4);
    EXPECT_EQ(path.GetCount(), 2);
    copy.Assign(points, types, 0);
    EXPECT_EQ(copy.GetCount(), 0);
}

TEST(SegmentPath, MapsWithRounding) {
    EXPECT_EQ(Emit(Square(), {0, 0, 49, 83}), "M4,23 L4,32 L13,32 L13,23");
    // (5,4) in (10, 20, 108, 186): 20.5 and 28.5 truncate to (20, 28).
    const DesignPoint p[] = {{5, 4}};
    const unsigned char t[] = {6};
    CSegmentPath one;
    one.Assign(p, t, 1);
    EXPECT_EQ(Emit(one, {10, 20, 108, 186}), "M20,28");
    // Truncation toward zero after adding 0.5: -0.7 becomes 0, -1.7 becomes -1.
    const DesignPoint origin[] = {{0, 0}};
    one.Assign(origin, t, 1);
    EXPECT_EQ(Emit(one, {-1.2, -2.2, 47.8, 80.8}), "M0,-1");
}

TEST(SegmentPath, TruncateToIntSaturates) {
    EXPECT_EQ(TruncateToInt(-0.7 + 0.5), 0);
    EXPECT_EQ(TruncateToInt(-1.7 + 0.5), -1);
    EXPECT_EQ(TruncateToInt(std::numeric_limits<double>::quiet_NaN()), 0);
    EXPECT_EQ(TruncateToInt(1e10), INT_MAX);
    EXPECT_EQ(TruncateToInt(-1e10), INT_MIN);
    EXPECT_EQ(TruncateToInt(-std::numeric_limits<double>::infinity()), INT_MIN);
    EXPECT_EQ(TruncateToInt(2147483647.9), INT_MAX);
    EXPECT_EQ(TruncateToInt(-2147483648.9), INT_MIN);
}

TEST(SegmentPath, PlainGlyphAtDesignSizeDrawsDesignCoordinates) {
    CSevenSegmentGlyph glyph;
    glyph.SetMask(0, 0);
    for (const CSegmentPath& path : glyph.GetSegments()) {
        std::string expected;
        for (int i = 0; i < path.GetCount(); ++i) {
            expected += std::string(i ? " L" : "M") + std::to_string(path.GetPoints()[i].x) + ',' +
                        std::to_string(path.GetPoints()[i].y);
        }
        EXPECT_EQ(Emit(path, {0, 0, 49, 83}), expected);
    }
}

TEST(SegmentPath, CurveRunsBecomeFittedBeziers) {
    CSevenSegmentGlyph seven;
    seven.SetMask(0, SDS_ROUNDED_OUTLINE);
    EXPECT_EQ(EmitSegment(seven, 0, {0, 0, 49, 83}), "M6,4 B4,5 4,8 12,11 L36,11 L39,4");
    EXPECT_EQ(EmitSegment(seven, 0, {10, 20, 108, 186}), "M22,28 B18,30 18,35 34,42 L82,42 L88,28");

    CFourteenSegmentGlyph fourteen;
    fourteen.SetMask(0, SDS_ROUNDED_OUTLINE);
    const std::string side = EmitSegment(fourteen, 8, {0, 0, 49, 83});
    EXPECT_EQ(side.rfind("M4,7 L4,39 B", 0), 0u) << side;
    EXPECT_EQ(side.substr(side.size() - 13), " B8,3 6,5 4,7") << side;
}

// Outlines assigned from elsewhere may break the table invariants; a run without a start or an end point
// is skipped with its end point, unknown types are ignored, and nothing is read past the arrays.
TEST(SegmentPath, MalformedOutlinesAreSafe) {
    const DesignPoint p[] = {{1, 1}, {2, 2}, {3, 3}, {4, 4}};
    const unsigned char leading[] = {4, 4, 2, 2};
    const unsigned char trailing[] = {6, 2, 4, 4};
    const unsigned char unknown[] = {6, 9, 0, 2};
    CSegmentPath path;
    path.Assign(p, leading, 4);
    EXPECT_EQ(Emit(path, {0, 0, 49, 83}), "L4,4");
    path.Assign(p, trailing, 4);
    EXPECT_EQ(Emit(path, {0, 0, 49, 83}), "M1,1 L2,2");
    path.Assign(p, unknown, 4);
    EXPECT_EQ(Emit(path, {0, 0, 49, 83}), "M1,1 L4,4");
    EXPECT_EQ(Emit(path, {0, 0, 49, 83}, 0).substr(0, 1), "M");  // width 0: saturated, but emitted
}
