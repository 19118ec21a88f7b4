#include "display/row_layout.h"

#include <algorithm>

#include "display/design_point.h"
#include "display/segment_style.h"

// The vertical scale multiplies by the double nearest 1/83, as the glyphs' own mapping does, so a row that
// fills the height maps design row 83 onto the bottom edge in both places.
RowScale ComputeRowScale(int totalWidth, int clientWidth, int clientHeight, unsigned style) {
    const double width = clientWidth;
    const double height = clientHeight;
    // No glyphs: nothing is laid out, and the horizontal scale is left 0 rather than W / 0.
    double sx = totalWidth != 0 ? width / totalWidth : 0.0;
    double sy = height * 0.012048192771084338;
    double x0 = 0.0;
    double y0 = 0.0;
    if ((style & SDS_KEEP_ASPECT) != 0) {
        const double s = std::min(sx, sy);
        sx = s;
        sy = s;
        x0 = (width - totalWidth * s) * 0.5;
        y0 = (height - kCellHeight * s) * 0.5;
    }
    return RowScale{sx, sy, x0, y0};
}

std::vector<GlyphRect> LayOutRow(const std::vector<int>& widths, int clientWidth, int clientHeight, unsigned style) {
    int total = 0;
    for (int w : widths) {
        total += w;
    }
    const RowScale scale = ComputeRowScale(total, clientWidth, clientHeight, style);
    std::vector<GlyphRect> rects;
    rects.reserve(widths.size());
    double x = scale.x0;
    for (int w : widths) {
        rects.push_back(GlyphRect{x, scale.y0, x + w * scale.sx, scale.y0 + kCellHeight * scale.sy});
        x = x + w * scale.sx;
    }
    return rects;
}

std::vector<GlyphRect> LayOutRow(const CGlyphList& glyphs, int clientWidth, int clientHeight, unsigned style) {
    std::vector<int> widths;
    widths.reserve(static_cast<std::size_t>(glyphs.GetSize()));
    for (const CGlyph& glyph : glyphs) {
        widths.push_back(glyph.GetWidth());
    }
    return LayOutRow(widths, clientWidth, clientHeight, style);
}
