// Drawing a glyph's outlines into a device context: each segment is a closed path, filled with the
// segment's brush and outlined with its pen, and optionally added to a region.
#include "display/glyph.h"

#include <vector>

#include "display/path_sink.h"
#include "framework/DC.h"

namespace {

// Replays an emitted outline into the path that is open in a device context.
class DcPathSink : public PathSink {
public:
    explicit DcPathSink(CDC& dc) : m_dc(dc) {}
    void MoveTo(int x, int y) override { m_dc.MoveTo(x, y); }
    void LineTo(int x, int y) override { m_dc.LineTo(x, y); }
    void PolyBezierTo(const PathPoint* points, int count) override {
        std::vector<POINT> device(static_cast<size_t>(count));
        for (int i = 0; i < count; ++i)
            device[static_cast<size_t>(i)] = POINT{points[i].x, points[i].y};
        m_dc.PolyBezierTo(device.data(), count);
    }

private:
    CDC& m_dc;
};

// Unites the area of one closed outline into region; the first outline gives it its handle.
void AddToRegion(CDC& dc,
                 DcPathSink& sink,
                 const CSegmentPath& outline,
                 const GlyphRect& rect,
                 int width,
                 CRgn& region) {
    dc.BeginPath();
    outline.AppendToPath(sink, rect, width);
    dc.EndPath();
    CRgn area;
    if (!area.CreateFromPath(&dc))
        return;
    if (region.m_hObject == nullptr)
        region.Attach(area.Detach());
    else
        region.CombineRgn(&region, &area, RGN_OR);
}

}  // namespace

void CGlyph::Draw(CDC& dc,
                  const GlyphRect& rect,
                  CPen& unlitPen,
                  CPen& litPen,
                  CBrush& unlitBrush,
                  CBrush& litBrush,
                  CRgn* region) const {
    DcPathSink sink(dc);
    for (int i = 0; i < m_segments.GetSize(); ++i) {
        const bool lit = IsSegmentLit(i);
        dc.SelectObject(lit ? &litBrush : &unlitBrush);
        dc.SelectObject(lit ? &litPen : &unlitPen);
        if (m_litOnly == 1 && !lit)
            continue;
        // The stroke-and-fill consumes the path, so the region takes its own emission of the outline.
        if (region != nullptr)
            AddToRegion(dc, sink, m_segments[i], rect, m_width, *region);
        dc.BeginPath();
        m_segments[i].AppendToPath(sink, rect, m_width);
        dc.EndPath();
        dc.StrokeAndFillPath();
    }
}
