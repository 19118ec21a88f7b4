#pragma once

// A point of the glyph design grid: integer units, x to the right, y downward, cells 83 units high.
struct DesignPoint {
    int x;
    int y;
};

// Point type bytes of an outline (the values of the Windows path point types). A run of curve points
// is a list of points one fitted curve passes close to, not a list of Bezier control points.
constexpr unsigned char kPointMoveTo = 6;
constexpr unsigned char kPointLineTo = 2;
constexpr unsigned char kPointCurve = 4;

// Height of the design cell and the row that vertical mirroring reflects about.
constexpr int kCellHeight = 83;
constexpr int kCellCentreRow = 41;
