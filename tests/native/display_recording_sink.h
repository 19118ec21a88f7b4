#pragma once

#include <string>

#include "display/glyph.h"
#include "display/path_sink.h"

// Records emitted figures as text, e.g. "M6,4 B4,5 4,8 12,11 L36,11", so a mismatch reads at a glance.
class RecordingSink : public PathSink {
public:
    void MoveTo(int x, int y) override { Append("M", x, y); }
    void LineTo(int x, int y) override { Append("L", x, y); }
    void PolyBezierTo(const PathPoint* points, int count) override {
        for (int i = 0; i < count; ++i)
            Append(i == 0 ? "B" : "", points[i].x, points[i].y);
    }
    std::string text;

private:
    void Append(const char* op, int x, int y) {
        text += (text.empty() ? "" : " ") + (op + std::to_string(x)) + ',' + std::to_string(y);
    }
};

inline std::string EmitSegment(const CGlyph& glyph, int segment, const GlyphRect& rect) {
    RecordingSink sink;
    glyph.GetSegments()[segment].AppendToPath(sink, rect, glyph.GetWidth());
    return sink.text;
}

// Every outline of the glyph, one figure per line.
inline std::string EmitGlyph(const CGlyph& glyph, const GlyphRect& rect) {
    std::string text;
    for (int i = 0; i < glyph.GetSegments().GetSize(); ++i)
        text += EmitSegment(glyph, i, rect) + '\n';
    return text;
}
