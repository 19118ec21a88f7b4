#pragma once

// The rectangle, in drawing-surface coordinates, that one glyph cell is drawn into.
struct GlyphRect {
    double left;
    double top;
    double right;
    double bottom;
};
