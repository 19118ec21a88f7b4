// libFuzzer target for the portable geometry of the segment display, one part per input: a text and a style
// through the glyph builder and the row layout, drawn in its own or an arbitrary rectangle; an arbitrary
// outline in an arbitrary rectangle; the curve fit on raw coordinates. Built and run by tools/fuzz.sh display.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <cstdlib>
#include <vector>

#include "display/bezier_fit.h"
#include "display/char_set.h"
#include "display/path_sink.h"
#include "display/row_layout.h"

namespace {

void Require(bool ok) {
    if (!ok)
        std::abort();
}

// Counts the figures' moves; every curve has three points.
class CheckingSink : public PathSink {
public:
    void MoveTo(int, int) override { ++moves; }
    void LineTo(int, int) override {}
    void PolyBezierTo(const PathPoint*, int count) override { Require(count == 3); }
    int moves = 0;
};

GlyphRect AnyRect(FuzzedDataProvider& in) {
    return GlyphRect{in.ConsumeFloatingPoint<double>(), in.ConsumeFloatingPoint<double>(),
                     in.ConsumeFloatingPoint<double>(), in.ConsumeFloatingPoint<double>()};
}

void Glyphs(FuzzedDataProvider& in) {
    const unsigned style = in.ConsumeIntegral<std::uint32_t>();
    const int width = in.ConsumeIntegralInRange(0, 4000);
    const int height = in.ConsumeIntegralInRange(0, 2000);
    const bool anyRect = in.ConsumeBool();
    CGlyphList glyphs;
    for (char c : in.ConsumeRandomLengthString(16))
        if (auto glyph = CharToGlyph(style, c))
            glyphs.Add(*glyph);
    const std::vector<GlyphRect> rects = LayOutRow(glyphs, width, height, style);
    Require(static_cast<int>(rects.size()) == glyphs.GetSize());
    for (int g = 0; g < glyphs.GetSize(); ++g) {
        for (const CSegmentPath& path : glyphs[g].GetSegments()) {
            CheckingSink sink;
            path.AppendToPath(sink, anyRect ? AnyRect(in) : rects[g], glyphs[g].GetWidth());
            Require(sink.moves == 1);  // each outline of the tables is one figure
        }
    }
}

void Outline(FuzzedDataProvider& in) {
    std::vector<DesignPoint> points;
    std::vector<unsigned char> types;
    for (int n = in.ConsumeIntegralInRange(0, 40); n > 0; --n) {
        points.push_back(DesignPoint{in.ConsumeIntegral<int>(), in.ConsumeIntegral<int>()});
        types.push_back(in.ConsumeIntegral<unsigned char>());
    }
    CSegmentPath path;
    path.Assign(points.data(), types.data(), static_cast<int>(points.size()));
    CSegmentPath& self = path;
    path = self;
    CheckingSink sink;
    path.AppendToPath(sink, AnyRect(in), in.ConsumeIntegral<int>());
}

void Fit(FuzzedDataProvider& in) {
    std::vector<FitPoint> run(static_cast<std::size_t>(in.ConsumeIntegralInRange(1, 12) + 2));
    for (FitPoint& p : run)
        p = FitPoint{in.ConsumeFloatingPoint<double>(), in.ConsumeFloatingPoint<double>()};
    FitBezierControls(run.data(), static_cast<int>(run.size()) * 2);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider in(data, size);
    void (*const parts[])(FuzzedDataProvider&) = {Glyphs, Outline, Fit};
    parts[in.ConsumeIntegralInRange(0, 2)](in);
    return 0;
}
