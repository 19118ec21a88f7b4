#include <gtest/gtest.h>

#include <vector>

#include "display/bezier_fit.h"
#include "display/char_set.h"
#include "display/row_layout.h"
#include "display/segment_style.h"
#include "display_recording_sink.h"

namespace {

double Score(const std::vector<FitPoint>& q, FitPoint c1, FitPoint c2) {
    const double xv[4] = {q.front().x, c1.x, c2.x, q.back().x};
    const double yv[4] = {q.front().y, c1.y, c2.y, q.back().y};
    return FitError(xv, yv, q.data(), static_cast<int>(q.size()) * 2);
}

// Every rounded outline of both kinds drawn in rect; returns the fit counters.
FitDiagnostics DrawRounded(const GlyphRect& rect) {
    FitDiagnostics diagnostics;
    for (const char c : {'8', 'W'}) {
        const auto glyph = CharToGlyph(SDS_ROUNDED_OUTLINE, c);
        for (const CSegmentPath& path : glyph->GetSegments()) {
            RecordingSink sink;
            path.AppendToPath(sink, rect, 49, &diagnostics);
        }
    }
    return diagnostics;
}

}  // namespace

// The worked examples, compared bit for bit, so that any change of evaluation order shows.
TEST(BezierFit, WorkedExamples) {
    const struct {
        const char* name;
        std::vector<FitPoint> q;
        double start[5];   // starting C1 and C2 and their score
        double fitted[5];  // fitted C1 and C2 and their score
    } rows[] = {
        {"run of SevenRoundTop at design size",
         {{6, 4}, {5, 5}, {5, 6}, {8, 9}, {12, 11}},
         {4, 6, 4, 7, 0.04054937841138696},
         {4.037037037037037, 5.092729124750728, 4.0, 7.546639231824417, 0.0008930197532316461}},
        {"second run of FourteenRoundSide",
         {{11, 25}, {9, 14}, {5, 6}, {4, 7}},
         {7, 3, 6, 5, 0.03406806073906429},
         {7.546639231824417, 3.0, 5.635802469135803, 5.0, 7.354882935882437e-05}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(Score(row.q, {row.start[0], row.start[1]}, {row.start[2], row.start[3]}), row.start[4]);
        FitDiagnostics diagnostics;
        const BezierControls c = FitBezierControls(row.q.data(), static_cast<int>(row.q.size()) * 2, &diagnostics);
        const double fitted[5] = {c.c1.x, c.c1.y, c.c2.x, c.c2.y, Score(row.q, c.c1, c.c2)};
        for (int i = 0; i < 5; ++i)
            EXPECT_EQ(fitted[i], row.fitted[i]) << "value " << i;
        EXPECT_FALSE(diagnostics.boundHit);
    }
}

// The safety bounds are for degenerate input: rounded outlines in keep-aspect rows over a spread of
// client sizes never reach them, while a cell stretched very unequally needs the secant bound (its
// diagonals' refinement does not settle).
TEST(BezierFit, SafetyBoundsEndOnlyDegenerateFits) {
    for (int w = 20; w <= 1600; w += 395) {
        for (int h = 10; h <= 800; h += 131) {
            SCOPED_TRACE(testing::Message() << w << " x " << h);
            const FitDiagnostics d = DrawRounded(LayOutRow(std::vector<int>{49}, w, h, SDS_KEEP_ASPECT)[0]);
            EXPECT_FALSE(d.boundHit);
        }
    }
    EXPECT_EQ(DrawRounded(GlyphRect{0, 0, 828, 10}).maxSecantSteps, kMaxSecantSteps);
}
