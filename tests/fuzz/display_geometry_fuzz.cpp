// libFuzzer target for the portable geometry of the segment display: texts and styles through the glyph
// builder, row layout and outline mapping; arbitrary outlines and rectangles; the curve fit on raw
// coordinates; and the value arrays. Built and run by tools/fuzz-display.sh.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <cstdlib>
#include <vector>

#include "display/bezier_fit.h"
#include "display/char_set.h"
#include "display/path_sink.h"
#include "display/row_layout.h"

namespace {

// Checks the shape of emitted figures: for the glyph outlines, a move comes first; curves always have three
// points. Arbitrary outlines may begin with a line.
class CheckingSink : public PathSink {
public:
    explicit CheckingSink(bool moveFirst) : m_moveFirst(moveFirst) {}
    void MoveTo(int, int) override { ++moves; }
    void LineTo(int, int) override { Require(!m_moveFirst || moves > 0); }
    void PolyBezierTo(const PathPoint*, int count) override { Require(count == 3 && (!m_moveFirst || moves > 0)); }
    int moves = 0;

    static void Require(bool ok) {
        if (!ok) {
            std::abort();
        }
    }

private:
    bool m_moveFirst;
};

GlyphRect RawRect(FuzzedDataProvider& in) {
    return GlyphRect{in.ConsumeFloatingPoint<double>(), in.ConsumeFloatingPoint<double>(),
                     in.ConsumeFloatingPoint<double>(), in.ConsumeFloatingPoint<double>()};
}

void Glyphs(FuzzedDataProvider& in) {
    const unsigned style = in.ConsumeIntegral<std::uint32_t>();
    const int width = in.ConsumeIntegralInRange(0, 4000);
    const int height = in.ConsumeIntegralInRange(0, 2000);
    const bool raw = in.ConsumeBool();
    const std::string text = in.ConsumeRandomLengthString(16);
    CGlyphList glyphs;
    for (char c : text) {
        if (auto glyph = CharToGlyph(style, c)) {
            glyphs.Add(*glyph);
        }
    }
    CGlyphList copies(glyphs);
    const std::vector<GlyphRect> rects = LayOutRow(copies, width, height, style);
    CheckingSink::Require(static_cast<int>(rects.size()) == glyphs.GetSize());
    for (int g = 0; g < copies.GetSize(); ++g) {
        const GlyphRect rect = raw ? RawRect(in) : rects[g];
        for (const CSegmentPath& path : copies[g].GetSegments()) {
            CheckingSink sink(true);
            path.AppendToPath(sink, rect, copies[g].GetWidth());
            CheckingSink::Require(sink.moves == 1);
        }
    }
}

void Outline(FuzzedDataProvider& in) {
    const int n = in.ConsumeIntegralInRange(0, 40);
    std::vector<DesignPoint> points(static_cast<std::size_t>(n));
    std::vector<unsigned char> types(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i) {
        points[i] = DesignPoint{in.ConsumeIntegral<int>(), in.ConsumeIntegral<int>()};
        types[i] = in.ConsumeIntegral<unsigned char>();
    }
    CSegmentPath path;
    path.Assign(points.data(), types.data(), n);
    CSegmentPath copy;
    copy = path;
    CSegmentPath& self = copy;
    copy = self;
    const int width = in.ConsumeIntegral<int>();
    CheckingSink sink(false);
    copy.AppendToPath(sink, RawRect(in), width);
}

void Fit(FuzzedDataProvider& in) {
    const int k = in.ConsumeIntegralInRange(1, 12);
    std::vector<FitPoint> points(static_cast<std::size_t>(k + 2));
    for (FitPoint& p : points) {
        p = FitPoint{in.ConsumeFloatingPoint<double>(), in.ConsumeFloatingPoint<double>()};
    }
    FitDiagnostics diagnostics;
    FitBezierControls(points.data(), 2 * k + 4, &diagnostics);
    CheckingSink::Require(diagnostics.maxSecantSteps <= kMaxSecantSteps &&
                          diagnostics.maxCoordinateMoves <= kMaxCoordinateMoves);
}

void Arrays(FuzzedDataProvider& in) {
    ValueArray<CSegmentPath> a;
    const DesignPoint p[] = {{1, 2}, {3, 4}};
    const unsigned char t[] = {6, 2};
    for (int op = in.ConsumeIntegralInRange(0, 32); op > 0; --op) {
        switch (in.ConsumeIntegralInRange(0, 3)) {
            case 0:
                a.SetSize(in.ConsumeIntegralInRange(-2, 300), in.ConsumeIntegralInRange(-3, 50));
                break;
            case 1:
                a.Add(a.GetSize() > 0 ? a[in.ConsumeIntegralInRange(0, a.GetSize() - 1)] : CSegmentPath());
                break;
            case 2:
                if (a.GetSize() > 0) {
                    a[in.ConsumeIntegralInRange(0, a.GetSize() - 1)].Assign(p, t, in.ConsumeIntegralInRange(0, 2));
                }
                break;
            default: {
                ValueArray<CSegmentPath> b(a);
                a = b;
                break;
            }
        }
        CheckingSink::Require(a.GetSize() <= a.GetCapacity());
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider in(data, size);
    switch (in.ConsumeIntegralInRange(0, 3)) {
        case 0:
            Glyphs(in);
            break;
        case 1:
            Outline(in);
            break;
        case 2:
            Fit(in);
            break;
        default:
            Arrays(in);
            break;
    }
    return 0;
}
