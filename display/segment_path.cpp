#include "display/segment_path.h"

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

#include "display/bezier_fit.h"
#include "display/path_sink.h"

CSegmentPath::CSegmentPath(const CSegmentPath& other) {
    Assign(other.m_points.get(), other.m_types.get(), other.m_count);
}

CSegmentPath::CSegmentPath(CSegmentPath&& other) noexcept
    : m_points(std::move(other.m_points)),
      m_types(std::move(other.m_types)),
      m_count(std::exchange(other.m_count, 0)) {}

CSegmentPath& CSegmentPath::operator=(const CSegmentPath& other) {
    // Assign copies into new arrays before it releases the old ones, so self-assignment is safe.
    Assign(other.m_points.get(), other.m_types.get(), other.m_count);
    return *this;
}

CSegmentPath& CSegmentPath::operator=(CSegmentPath&& other) noexcept {
    if (this != &other) {
        m_points = std::move(other.m_points);
        m_types = std::move(other.m_types);
        m_count = std::exchange(other.m_count, 0);
    }
    return *this;
}

void CSegmentPath::Assign(const DesignPoint* points, const unsigned char* types, int n) {
    if (n <= 0 || !points || !types) {
        m_points.reset();
        m_types.reset();
        m_count = 0;
        return;
    }
    std::unique_ptr<DesignPoint[]> newPoints(new DesignPoint[static_cast<std::size_t>(n)]);
    std::unique_ptr<unsigned char[]> newTypes(new unsigned char[static_cast<std::size_t>(n)]);
    std::copy(points, points + n, newPoints.get());
    std::copy(types, types + n, newTypes.get());
    m_points = std::move(newPoints);
    m_types = std::move(newTypes);
    m_count = n;
}

int TruncateToInt(double value) {
    if (std::isnan(value)) {
        return 0;
    }
    if (value >= 2147483648.0) {
        return 2147483647;
    }
    if (value <= -2147483649.0) {
        return -2147483647 - 1;
    }
    return static_cast<int>(value);
}

void CSegmentPath::AppendToPath(PathSink& sink, const GlyphRect& rect, int width) const {
    AppendToPath(sink, rect, width, nullptr);
}

// Maps the outline into rect. Straight-edge points are rounded to whole device units; a run of curve points
// is fitted in unrounded device coordinates (the axes may scale differently, so the fit cannot be done once
// in design units) and only the fitted control points are rounded.
void CSegmentPath::AppendToPath(PathSink& sink, const GlyphRect& rect, int width, FitDiagnostics* diagnostics) const {
    const double sx = (rect.right - rect.left) / width;
    const double sy = (rect.bottom - rect.top) * 0.012048192771084338;
    const DesignPoint* points = m_points.get();
    const unsigned char* types = m_types.get();

    std::vector<PathPoint> device(static_cast<std::size_t>(m_count));
    for (int i = 0; i < m_count; ++i) {
        if (types[i] != kPointCurve) {
            device[i].x = TruncateToInt(points[i].x * sx + rect.left + 0.5);
            device[i].y = TruncateToInt(points[i].y * sy + rect.top + 0.5);
        }
    }

    int i = 0;
    while (i < m_count) {
        switch (types[i]) {
            case kPointMoveTo:
                sink.MoveTo(device[i].x, device[i].y);
                ++i;
                break;
            case kPointLineTo:
                sink.LineTo(device[i].x, device[i].y);
                ++i;
                break;
            case kPointCurve: {
                int k = 0;
                while (i + k < m_count && types[i + k] == kPointCurve) {
                    ++k;
                }
                const int end = i + k;
                // A run needs a point before it (the curve's start) and one after it (its end). The outline
                // tables always have both; an outline assigned from elsewhere may not, and such a run is
                // skipped rather than read past the arrays.
                if (i > 0 && end < m_count) {
                    std::vector<FitPoint> run(static_cast<std::size_t>(k + 2));
                    for (int j = 0; j < k + 2; ++j) {
                        const DesignPoint& p = points[i - 1 + j];
                        run[j] = FitPoint{p.x * sx + rect.left, p.y * sy + rect.top};
                    }
                    const BezierControls c = FitBezierControls(run.data(), 2 * k + 4, diagnostics);
                    const PathPoint curve[3] = {
                        {TruncateToInt(c.c1.x + 0.5), TruncateToInt(c.c1.y + 0.5)},
                        {TruncateToInt(c.c2.x + 0.5), TruncateToInt(c.c2.y + 0.5)},
                        device[end],
                    };
                    sink.PolyBezierTo(curve, 3);
                }
                i = end + 1;
                break;
            }
            default:
                ++i;
                break;
        }
    }
}
