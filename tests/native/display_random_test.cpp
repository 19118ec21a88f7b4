#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <limits>
#include <random>
#include <vector>

#include "display/bezier_fit.h"
#include "display/char_set.h"
#include "display/path_sink.h"
#include "display/row_layout.h"
#include "display/segment_style.h"

// Long randomised run over texts, styles, client sizes, odd rectangles and arbitrary outlines: it must not
// crash, hang or trip a sanitizer. Set TB_RANDOM_SEED to replay a run.
namespace {

class CountingSink : public PathSink {
public:
    void MoveTo(int, int) override { ++moves; }
    void LineTo(int, int) override { ++lines; }
    void PolyBezierTo(const PathPoint*, int count) override { curves += count == 3 ? 1 : 1000; }
    int moves = 0, lines = 0, curves = 0;
};

double OddValue(std::mt19937& rng) {
    static const double values[] = {0.0,
                                    -0.0,
                                    1e-300,
                                    -1e-300,
                                    1e300,
                                    -1e300,
                                    3e9,
                                    -3e9,
                                    std::numeric_limits<double>::infinity(),
                                    -std::numeric_limits<double>::infinity(),
                                    std::numeric_limits<double>::quiet_NaN()};
    return values[rng() % std::size(values)];
}

double Coordinate(std::mt19937& rng) {
    if (rng() % 16 == 0) {
        return OddValue(rng);
    }
    return std::uniform_real_distribution<double>(-500.0, 3000.0)(rng);
}

}  // namespace

TEST(DisplayRandom, NoCrashNoHang) {
    unsigned seed = std::random_device{}();
    if (const char* env = std::getenv("TB_RANDOM_SEED")) {
        seed = static_cast<unsigned>(std::strtoul(env, nullptr, 10));
    }
    std::printf("display random seed: %u\n", seed);
    RecordProperty("seed", static_cast<int>(seed));
    std::mt19937 rng(seed);

    for (int round = 0; round < 3000; ++round) {
        const unsigned style = rng();
        std::vector<char> text(rng() % 12);
        for (char& c : text) {
            c = static_cast<char>(rng() % 4 == 0 ? rng() : "0123456789ABCZ .:-*/"[rng() % 20]);
        }
        CGlyphList glyphs;
        for (char c : text) {
            if (auto glyph = CharToGlyph(style, c)) {
                glyphs.Add(*glyph);
            }
        }
        const int w = static_cast<int>(rng() % 1200);
        const int h = static_cast<int>(rng() % 400);
        const std::vector<GlyphRect> rects = LayOutRow(glyphs, w, h, style);
        ASSERT_EQ(static_cast<int>(rects.size()), glyphs.GetSize());
        for (int g = 0; g < glyphs.GetSize(); ++g) {
            GlyphRect rect = rects[g];
            if (rng() % 8 == 0) {
                rect = GlyphRect{Coordinate(rng), Coordinate(rng), Coordinate(rng), Coordinate(rng)};
            }
            for (const CSegmentPath& path : glyphs[g].GetSegments()) {
                CountingSink sink;
                FitDiagnostics diagnostics;
                path.AppendToPath(sink, rect, glyphs[g].GetWidth(), &diagnostics);
                ASSERT_EQ(sink.moves, 1);
                ASSERT_LT(sink.curves, 1000);
            }
        }

        // An arbitrary outline with an arbitrary width.
        const int n = static_cast<int>(rng() % 24);
        std::vector<DesignPoint> points(static_cast<std::size_t>(n));
        std::vector<unsigned char> types(static_cast<std::size_t>(n));
        for (int i = 0; i < n; ++i) {
            const bool wild = rng() % 8 == 0;
            points[i] = wild ? DesignPoint{static_cast<int>(rng()), static_cast<int>(rng())}
                             : DesignPoint{static_cast<int>(rng() % 60) - 5, static_cast<int>(rng() % 90) - 5};
            types[i] = rng() % 8 == 0 ? static_cast<unsigned char>(rng()) : "\x06\x02\x04\x04"[rng() % 4];
        }
        CSegmentPath path;
        path.Assign(points.data(), types.data(), n);
        CSegmentPath copy = path;
        CountingSink sink;
        const int width = rng() % 10 == 0 ? static_cast<int>(rng()) : 49;
        copy.AppendToPath(sink, GlyphRect{Coordinate(rng), Coordinate(rng), Coordinate(rng), Coordinate(rng)}, width);
        ASSERT_LT(sink.curves, 1000);
    }
}
