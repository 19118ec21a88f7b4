#pragma once

#include <memory>

#include "display/design_point.h"
#include "display/glyph_rect.h"
#include "display/value_array.h"

class PathSink;
struct FitDiagnostics;

// One segment's outline in design units: points with one point-type byte each. Owns both arrays; copies
// are deep.
class CSegmentPath {
public:
    CSegmentPath() = default;
    CSegmentPath(const CSegmentPath& other);
    CSegmentPath(CSegmentPath&& other) noexcept;
    CSegmentPath& operator=(const CSegmentPath& other);
    CSegmentPath& operator=(CSegmentPath&& other) noexcept;
    ~CSegmentPath() = default;

    // Replaces the outline with copies of n points and n type bytes.
    void Assign(const DesignPoint* points, const unsigned char* types, int n);

    int GetCount() const { return m_count; }
    const DesignPoint* GetPoints() const { return m_points.get(); }
    const unsigned char* GetTypes() const { return m_types.get(); }

    // Emits the outline, mapped into rect, as one figure; curve runs become fitted Bezier curves.
    // width is the design width of the glyph.
    void AppendToPath(PathSink& sink, const GlyphRect& rect, int width) const;
    void AppendToPath(PathSink& sink, const GlyphRect& rect, int width, FitDiagnostics* diagnostics) const;

private:
    std::unique_ptr<DesignPoint[]> m_points;
    std::unique_ptr<unsigned char[]> m_types;
    int m_count = 0;
};

using CSegmentList = ValueArray<CSegmentPath>;

// Converts to a 32-bit integer toward zero, saturating out-of-range values and mapping NaN to 0.
int TruncateToInt(double value);
