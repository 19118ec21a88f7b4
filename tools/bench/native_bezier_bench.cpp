#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "display/bezier_fit.h"
#include "display/glyph_outlines.h"

// One fit of each curve run of the rounded outline tables, at design size (the cell 49 x 83 pixels).
namespace {

struct NamedTable {
    const char* name;
    const OutlineTable* table;
};

void FitRun(benchmark::State& state, std::vector<FitPoint> points) {
    const int n = static_cast<int>(points.size()) * 2;
    for (auto _ : state) {
        BezierControls c = FitBezierControls(points.data(), n);
        benchmark::DoNotOptimize(c);
    }
}

const int kRegistered = [] {
    const NamedTable tables[] = {
        {"SevenRoundTop", &SevenRoundTop},
        {"SevenRoundLeft", &SevenRoundLeft},
        {"SevenRoundRight", &SevenRoundRight},
        {"FourteenRoundCentre", &FourteenRoundCentre},
        {"FourteenRoundDiagonal", &FourteenRoundDiagonal},
        {"FourteenRoundSide", &FourteenRoundSide},
        {"FourteenRoundTop", &FourteenRoundTop},
    };
    const double sy = 83 * 0.012048192771084338;
    for (const NamedTable& named : tables) {
        const OutlineTable& t = *named.table;
        for (int i = 1; i < t.count; ++i) {
            if (t.types[i] != kPointCurve || t.types[i - 1] == kPointCurve) {
                continue;
            }
            int k = 0;
            while (i + k < t.count && t.types[i + k] == kPointCurve) {
                ++k;
            }
            std::vector<FitPoint> points;
            for (int j = i - 1; j <= i + k; ++j) {
                points.push_back(FitPoint{t.points[j].x * 1.0, t.points[j].y * sy});
            }
            const std::string name =
                std::string("Fit/") + named.name + "/from" + std::to_string(i) + "/k" + std::to_string(k);
            benchmark::RegisterBenchmark(name.c_str(), FitRun, points);
        }
    }
    return 0;
}();

}  // namespace
