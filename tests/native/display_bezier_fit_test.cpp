#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>
#include <vector>

#include "display/bezier_fit.h"
#include "display/char_set.h"
#include "display/row_layout.h"
#include "display/segment_style.h"
#include "display_recording_sink.h"

// The reference results come out bit for bit; a tolerance of 0 ulps is used on purpose so that any change of
// evaluation order shows up here.
namespace {

double Score(const FitPoint* q, int n, BezierControls c) {
    const int last = n / 2 - 1;
    const double xv[4] = {q[0].x, c.c1.x, c.c2.x, q[last].x};
    const double yv[4] = {q[0].y, c.c1.y, c.c2.y, q[last].y};
    return FitError(xv, yv, q, n);
}

}  // namespace

TEST(BezierFit, SevenRoundTopRunAtDesignScale) {
    const FitPoint q[] = {{6, 4}, {5, 5}, {5, 6}, {8, 9}, {12, 11}};
    const double xv[4] = {6, 4, 4, 12};
    const double yv[4] = {4, 6, 7, 11};
    EXPECT_EQ(FitError(xv, yv, q, 10), 0.04054937841138696);

    FitDiagnostics diagnostics;
    const BezierControls c = FitBezierControls(q, 10, &diagnostics);
    EXPECT_EQ(c.c1.x, 4.037037037037037);
    EXPECT_EQ(c.c1.y, 5.092729124750728);
    EXPECT_EQ(c.c2.x, 4.0);
    EXPECT_EQ(c.c2.y, 7.546639231824417);
    EXPECT_EQ(Score(q, 10, c), 0.0008930197532316461);
    EXPECT_FALSE(diagnostics.boundHit);
}

TEST(BezierFit, SevenRoundTopRunAtScaleTwo) {
    const double sy = 166 * 0.012048192771084338;
    FitPoint q[] = {{6, 4}, {5, 5}, {5, 6}, {8, 9}, {12, 11}};
    for (FitPoint& p : q) {
        p = FitPoint{p.x * 2.0 + 10, p.y * sy + 20};
    }
    const BezierControls c = FitBezierControls(q, 10);
    EXPECT_EQ(c.c1.x, 18.074074074074073);
    EXPECT_EQ(c.c1.y, 30.18545824950145);
    EXPECT_EQ(c.c2.x, 18.0);
    EXPECT_EQ(c.c2.y, 35.093278463648836);
}

TEST(BezierFit, FourteenRoundSideSecondRun) {
    const FitPoint q[] = {{11, 25}, {9, 14}, {5, 6}, {4, 7}};
    const double xv[4] = {11, 7, 6, 4};
    const double yv[4] = {25, 3, 5, 7};
    EXPECT_EQ(FitError(xv, yv, q, 8), 0.03406806073906429);

    const BezierControls c = FitBezierControls(q, 8);
    EXPECT_EQ(c.c1.x, 7.546639231824417);
    EXPECT_EQ(c.c1.y, 3.0);
    EXPECT_EQ(c.c2.x, 5.635802469135803);
    EXPECT_EQ(c.c2.y, 5.0);
    EXPECT_EQ(Score(q, 8, c), 7.354882935882437e-05);
}

TEST(BezierFit, CurvePassesThroughEndsAndDistanceTermsVanishOnIt) {
    const CubicCoefficients x = PowerBasis(1, 5, -2, 7);
    const CubicCoefficients y = PowerBasis(3, 0, 4, -1);
    EXPECT_EQ(DistanceTerms(-1.0, x, y, FitPoint{1, 3}).distanceSq, 0.0);
    EXPECT_EQ(DistanceTerms(1.0, x, y, FitPoint{7, -1}).distanceSq, 0.0);
    const DistanceTerm off = DistanceTerms(1.0, x, y, FitPoint{7, 0});
    EXPECT_EQ(off.distanceSq, 1.0);
    // h = 0, r = -1: the slope term is -y'(1), with y'(1) = 3 * (V3 - V2) / 2 for the parameter range [-1, 1].
    EXPECT_DOUBLE_EQ(off.slope, -(3.0 * (-1 - 4) / 2.0));
}

TEST(BezierFit, PointOnAScanSampleScoresZero) {
    // The straight curve x = 3(t + 1) passes (1.5, 0) and (4.5, 0) at t = -0.5 and 0.5, samples of the
    // scan for k = 2 (dt = 0.25), so both points contribute exactly 0.
    const FitPoint q[] = {{0, 0}, {1.5, 0}, {4.5, 0}, {6, 0}};
    const double xv[4] = {0, 2, 4, 6};
    const double yv[4] = {0, 0, 0, 0};
    EXPECT_EQ(FitError(xv, yv, q, 8), 0.0);
}

TEST(BezierFit, SingleCurvePointRun) {
    const FitPoint q[] = {{0, 0}, {1, 2}, {4, 0}};
    FitDiagnostics diagnostics;
    const BezierControls c = FitBezierControls(q, 6, &diagnostics);
    EXPECT_LT(Score(q, 6, c), 1e-3);
    EXPECT_FALSE(diagnostics.boundHit);
}

TEST(BezierFit, CoordinateEqualToItsAnchorStaysPut) {
    // Q1.x == Q0.x: the starting C1.x equals its anchor, every move is zero and the value is kept.
    const FitPoint q[] = {{4, 0}, {4, 5}, {8, 9}, {12, 10}};
    const BezierControls c = FitBezierControls(q, 8);
    EXPECT_EQ(c.c1.x, 4.0);
}

// Degenerate coordinates must end the fit (bounded loops), whatever comes out.
TEST(BezierFit, NonFiniteInputEnds) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    const FitPoint bad[][4] = {
        {{0, 0}, {nan, 1}, {2, 2}, {3, 3}},
        {{0, 0}, {1, 1}, {inf, 2}, {3, 3}},
        {{-inf, 0}, {1, 1}, {2, 2}, {inf, 3}},
        {{1e300, 0}, {-1e300, 1e300}, {1e300, -1e300}, {0, 0}},
    };
    for (const auto& q : bad) {
        FitDiagnostics diagnostics;
        FitBezierControls(q, 8, &diagnostics);
        EXPECT_LE(diagnostics.maxSecantSteps, kMaxSecantSteps);
        EXPECT_LE(diagnostics.maxCoordinateMoves, kMaxCoordinateMoves);
    }
}

namespace {

// Draws every outline of the rounded glyphs for text in rect, collecting the fit counters.
int DrawRounded(const char* text, unsigned style, const GlyphRect& rect, FitDiagnostics& all) {
    int curves = 0;
    for (const char* c = text; *c; ++c) {
        const auto glyph = CharToGlyph(style | SDS_ROUNDED_OUTLINE, *c);
        for (const CSegmentPath& path : glyph->GetSegments()) {
            RecordingSink sink;
            path.AppendToPath(sink, rect, glyph->GetWidth(), &all);
            curves += static_cast<int>(std::count(sink.Text().begin(), sink.Text().end(), 'B'));
        }
    }
    return curves;
}

}  // namespace

// The safety bounds are for degenerate input: every rounded outline drawn at design size, at scale 2, and in
// keep-aspect rows over a spread of client sizes never reaches them.
TEST(BezierFit, BoundsNeverReachedOnOutlineTables) {
    FitDiagnostics all;
    int curves = 0;
    const char* const texts[] = {"0123456789- ", "ABCDEFGHIJKLMNOPQRSTUVWXYZ", "*+()\\/'", ".:"};
    for (const GlyphRect& rect : {GlyphRect{0, 0, 49, 83}, GlyphRect{10, 20, 108, 186}}) {
        for (const char* text : texts) {
            curves += DrawRounded(text, 0, rect, all);
            curves += DrawRounded(text, SDS_SEGMENT14_DIGITS, rect, all);
        }
    }
    for (int w = 20; w <= 1600; w += 79) {
        for (int h = 10; h <= 800; h += 53) {
            for (const GlyphRect& rect : LayOutRow(std::vector<int>{49, 49, 49}, w, h, SDS_KEEP_ASPECT)) {
                curves += DrawRounded("8A", 0, rect, all);
            }
        }
    }
    EXPECT_GT(curves, 30000);
    EXPECT_FALSE(all.boundHit);
    EXPECT_LT(all.maxSecantSteps, kMaxSecantSteps);
    EXPECT_LT(all.maxCoordinateMoves, kMaxCoordinateMoves);
    std::printf("outline tables: %d curves, at most %d secant steps and %d coordinate moves\n", curves,
                all.maxSecantSteps, all.maxCoordinateMoves);
}

// Stretched very unequally, the diagonals' refinement does not settle; the bound ends it and the curve is
// still emitted.
TEST(BezierFit, StretchedCellNeedsTheBound) {
    FitDiagnostics all;
    EXPECT_GT(DrawRounded("X", 0, GlyphRect{0, 0, 828, 10}, all), 0);
    EXPECT_TRUE(all.boundHit);
    EXPECT_EQ(all.maxSecantSteps, kMaxSecantSteps);
}
