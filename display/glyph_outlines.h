#pragma once

#include "display/design_point.h"

// A constant outline of the design grid: points with one point-type byte each.
struct OutlineTable {
    const DesignPoint* points;
    const unsigned char* types;
    int count;
};

// How a segment is made from a stored outline. The type bytes are kept, so a mirrored outline runs in
// mirrored vertex order.
enum class OutlineTransform { None, MirrorX, MirrorY, ReflectPoint };

// Mirror images about the vertical centre line x = (width - 1) / 2 and the horizontal centre row 41.
DesignPoint MirrorX(DesignPoint p, int width);
DesignPoint MirrorY(DesignPoint p);
DesignPoint ReflectPoint(DesignPoint p, int width);
DesignPoint TransformPoint(DesignPoint p, OutlineTransform transform, int width);

// One segment of a glyph kind: its outline and transform in the plain and in the rounded outline set.
struct SegmentRecipe {
    const OutlineTable* plain;
    OutlineTransform plainTransform;
    const OutlineTable* rounded;
    OutlineTransform roundedTransform;
};

extern const OutlineTable SevenTop, SevenSide, SevenMiddle;
extern const OutlineTable SevenRoundTop, SevenRoundLeft, SevenRoundRight, SevenRoundMiddle;
extern const OutlineTable FourteenCentre, FourteenDiagonal, FourteenHalfBar, FourteenSide, FourteenTop;
extern const OutlineTable FourteenRoundCentre, FourteenRoundDiagonal, FourteenRoundHalfBar, FourteenRoundSide,
    FourteenRoundTop;
extern const OutlineTable DotUpper, DotLower, DotPoint;

constexpr int kSevenSegmentCount = 7;
constexpr int kFourteenSegmentCount = 14;
constexpr int kDotSegmentCount = 3;

// Index = segment number. The dot kind has one set only (plain and rounded are the same).
extern const SegmentRecipe SevenSegmentRecipes[kSevenSegmentCount];
extern const SegmentRecipe FourteenSegmentRecipes[kFourteenSegmentCount];
extern const SegmentRecipe DotSegmentRecipes[kDotSegmentCount];
