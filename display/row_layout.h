#pragma once

#include <vector>

#include "display/glyph.h"
#include "display/glyph_rect.h"

// Scales and origin of the glyph row in a client area of W x H pixels.
struct RowScale {
    double sx;
    double sy;
    double x0;
    double y0;
};

// For glyphs of total design width totalWidth; SDS_KEEP_ASPECT in style selects one scale and centring.
RowScale ComputeRowScale(int totalWidth, int clientWidth, int clientHeight, unsigned style);

// The rectangle of each glyph, left to right, abutting.
std::vector<GlyphRect> LayOutRow(const std::vector<int>& widths, int clientWidth, int clientHeight, unsigned style);
std::vector<GlyphRect> LayOutRow(const CGlyphList& glyphs, int clientWidth, int clientHeight, unsigned style);
