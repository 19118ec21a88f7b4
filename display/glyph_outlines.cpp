#include "display/glyph_outlines.h"

namespace {

constexpr unsigned char M = kPointMoveTo;
constexpr unsigned char L = kPointLineTo;
constexpr unsigned char C = kPointCurve;

template <int N>
constexpr OutlineTable Table(const DesignPoint (&points)[N], const unsigned char (&types)[N]) {
    return OutlineTable{points, types, N};
}

// Seven-segment outlines. Only one side is stored in the plain set; the rounded set has separate left and
// right verticals because their corners are rounded differently.
const DesignPoint kSevenTopPoints[] = {{5, 4}, {12, 11}, {36, 11}, {43, 4}};
const unsigned char kSevenTopTypes[] = {M, L, L, L};
const DesignPoint kSevenSidePoints[] = {{4, 6}, {4, 40}, {11, 36}, {11, 13}};
const unsigned char kSevenSideTypes[] = {M, L, L, L};
const DesignPoint kSevenMiddlePoints[] = {{6, 41}, {14, 45}, {34, 45}, {42, 41}, {34, 37}, {14, 37}};
const unsigned char kSevenMiddleTypes[] = {M, L, L, L, L, L};
const DesignPoint kSevenRoundTopPoints[] = {{6, 4}, {5, 5}, {5, 6}, {8, 9}, {12, 11}, {36, 11}, {39, 4}};
const unsigned char kSevenRoundTopTypes[] = {M, C, C, C, L, L, L};
const DesignPoint kSevenRoundLeftPoints[] = {{4, 9}, {4, 39}, {6, 40}, {7, 40}, {9, 38}, {11, 36}, {11, 12}};
const unsigned char kSevenRoundLeftTypes[] = {M, L, C, C, C, L, L};
const DesignPoint kSevenRoundRightPoints[] = {{37, 36}, {39, 38}, {41, 40}, {42, 40}, {44, 39},
                                              {44, 6},  {42, 4},  {41, 4},  {39, 8},  {37, 12}};
const unsigned char kSevenRoundRightTypes[] = {M, C, C, L, L, L, C, C, C, L};
const DesignPoint kSevenRoundMiddlePoints[] = {{8, 41}, {12, 45}, {36, 45}, {40, 41}, {36, 37}, {12, 37}};
const unsigned char kSevenRoundMiddleTypes[] = {M, L, L, L, L, L};

// Fourteen-segment outlines.
const DesignPoint kFourteenCentrePoints[] = {{20, 13}, {20, 36}, {24, 40}, {28, 36}, {28, 13}};
const unsigned char kFourteenCentreTypes[] = {M, L, L, L, L};
const DesignPoint kFourteenDiagonalPoints[] = {{5, 5}, {15, 35}, {20, 37}, {18, 25}};
const unsigned char kFourteenDiagonalTypes[] = {M, L, L, L};
const DesignPoint kFourteenHalfBarPoints[] = {{6, 41}, {14, 45}, {18, 45}, {22, 41}, {18, 37}, {14, 37}};
const unsigned char kFourteenHalfBarTypes[] = {M, L, L, L, L, L};
const DesignPoint kFourteenSidePoints[] = {{4, 7}, {4, 40}, {11, 36}, {11, 26}};
const unsigned char kFourteenSideTypes[] = {M, L, L, L};
const DesignPoint kFourteenTopPoints[] = {{6, 4}, {11, 11}, {37, 11}, {42, 4}};
const unsigned char kFourteenTopTypes[] = {M, L, L, L};
const DesignPoint kFourteenRoundCentrePoints[] = {{20, 12}, {20, 25}, {22, 36}, {23, 39}, {24, 40}, {25, 39}, {26, 36},
                                                  {28, 25}, {28, 12}, {26, 10}, {24, 9},  {22, 10}, {20, 12}};
const unsigned char kFourteenRoundCentreTypes[] = {M, L, C, C, C, C, C, L, L, C, C, C, L};
const DesignPoint kFourteenRoundDiagonalPoints[] = {{10, 10}, {10, 13}, {11, 20}, {13, 28}, {21, 38},
                                                    {21, 37}, {19, 26}, {15, 16}, {11, 10}, {10, 10}};
const unsigned char kFourteenRoundDiagonalTypes[] = {M, C, C, C, L, L, C, C, C, L};
const DesignPoint kFourteenRoundHalfBarPoints[] = {{8, 41}, {12, 45}, {16, 45}, {23, 41}, {16, 37}, {12, 37}};
const unsigned char kFourteenRoundHalfBarTypes[] = {M, L, L, L, L, L};
const DesignPoint kFourteenRoundSidePoints[] = {{4, 7},   {4, 39},  {5, 40}, {6, 40}, {9, 37},
                                                {11, 33}, {11, 25}, {9, 14}, {5, 6},  {4, 7}};
const unsigned char kFourteenRoundSideTypes[] = {M, L, C, C, C, C, L, C, C, L};
const DesignPoint kFourteenRoundTopPoints[] = {{8, 4},   {7, 5},  {7, 6},  {9, 8},  {12, 9},  {14, 11},
                                               {19, 11}, {21, 9}, {24, 7}, {27, 9}, {29, 11}, {34, 11},
                                               {36, 9},  {39, 8}, {41, 6}, {41, 5}, {40, 4}};
const unsigned char kFourteenRoundTopTypes[] = {M, C, C, C, C, L, L, C, C, C, L, L, C, C, C, C, L};

// Dot squares, 9 units wide at x 4 to 13.
const DesignPoint kDotUpperPoints[] = {{4, 23}, {4, 32}, {13, 32}, {13, 23}};
const DesignPoint kDotLowerPoints[] = {{4, 50}, {4, 59}, {13, 59}, {13, 50}};
const DesignPoint kDotPointPoints[] = {{4, 68}, {4, 77}, {13, 77}, {13, 68}};
const unsigned char kDotTypes[] = {M, L, L, L};

constexpr OutlineTransform kNone = OutlineTransform::None;
constexpr OutlineTransform kMirrorX = OutlineTransform::MirrorX;
constexpr OutlineTransform kMirrorY = OutlineTransform::MirrorY;
constexpr OutlineTransform kReflect = OutlineTransform::ReflectPoint;

}  // namespace

const OutlineTable SevenTop = Table(kSevenTopPoints, kSevenTopTypes);
const OutlineTable SevenSide = Table(kSevenSidePoints, kSevenSideTypes);
const OutlineTable SevenMiddle = Table(kSevenMiddlePoints, kSevenMiddleTypes);
const OutlineTable SevenRoundTop = Table(kSevenRoundTopPoints, kSevenRoundTopTypes);
const OutlineTable SevenRoundLeft = Table(kSevenRoundLeftPoints, kSevenRoundLeftTypes);
const OutlineTable SevenRoundRight = Table(kSevenRoundRightPoints, kSevenRoundRightTypes);
const OutlineTable SevenRoundMiddle = Table(kSevenRoundMiddlePoints, kSevenRoundMiddleTypes);
const OutlineTable FourteenCentre = Table(kFourteenCentrePoints, kFourteenCentreTypes);
const OutlineTable FourteenDiagonal = Table(kFourteenDiagonalPoints, kFourteenDiagonalTypes);
const OutlineTable FourteenHalfBar = Table(kFourteenHalfBarPoints, kFourteenHalfBarTypes);
const OutlineTable FourteenSide = Table(kFourteenSidePoints, kFourteenSideTypes);
const OutlineTable FourteenTop = Table(kFourteenTopPoints, kFourteenTopTypes);
const OutlineTable FourteenRoundCentre = Table(kFourteenRoundCentrePoints, kFourteenRoundCentreTypes);
const OutlineTable FourteenRoundDiagonal = Table(kFourteenRoundDiagonalPoints, kFourteenRoundDiagonalTypes);
const OutlineTable FourteenRoundHalfBar = Table(kFourteenRoundHalfBarPoints, kFourteenRoundHalfBarTypes);
const OutlineTable FourteenRoundSide = Table(kFourteenRoundSidePoints, kFourteenRoundSideTypes);
const OutlineTable FourteenRoundTop = Table(kFourteenRoundTopPoints, kFourteenRoundTopTypes);
const OutlineTable DotUpper = Table(kDotUpperPoints, kDotTypes);
const OutlineTable DotLower = Table(kDotLowerPoints, kDotTypes);
const OutlineTable DotPoint = Table(kDotPointPoints, kDotTypes);

// In the rounded set the right verticals have their own outline, so segment 2 takes it as stored and
// segment 5 only mirrors it top to bottom.
const SegmentRecipe SevenSegmentRecipes[kSevenSegmentCount] = {
    {&SevenTop, kNone, &SevenRoundTop, kNone},           // 0 top
    {&SevenSide, kNone, &SevenRoundLeft, kNone},         // 1 upper left
    {&SevenSide, kMirrorX, &SevenRoundRight, kNone},     // 2 upper right
    {&SevenMiddle, kNone, &SevenRoundMiddle, kNone},     // 3 middle
    {&SevenSide, kMirrorY, &SevenRoundLeft, kMirrorY},   // 4 lower left
    {&SevenSide, kReflect, &SevenRoundRight, kMirrorY},  // 5 lower right
    {&SevenTop, kMirrorY, &SevenRoundTop, kMirrorY},     // 6 bottom
};

const SegmentRecipe FourteenSegmentRecipes[kFourteenSegmentCount] = {
    {&FourteenCentre, kNone, &FourteenRoundCentre, kNone},            // 0 upper centre vertical
    {&FourteenDiagonal, kNone, &FourteenRoundDiagonal, kNone},        // 1 upper-left diagonal
    {&FourteenDiagonal, kMirrorX, &FourteenRoundDiagonal, kMirrorX},  // 2 upper-right diagonal
    {&FourteenDiagonal, kMirrorY, &FourteenRoundDiagonal, kMirrorY},  // 3 lower-left diagonal
    {&FourteenDiagonal, kReflect, &FourteenRoundDiagonal, kReflect},  // 4 lower-right diagonal
    {&FourteenCentre, kMirrorY, &FourteenRoundCentre, kMirrorY},      // 5 lower centre vertical
    {&FourteenHalfBar, kNone, &FourteenRoundHalfBar, kNone},          // 6 middle bar, left half
    {&FourteenHalfBar, kMirrorX, &FourteenRoundHalfBar, kMirrorX},    // 7 middle bar, right half
    {&FourteenSide, kNone, &FourteenRoundSide, kNone},                // 8 upper left vertical
    {&FourteenSide, kMirrorY, &FourteenRoundSide, kMirrorY},          // 9 lower left vertical
    {&FourteenTop, kMirrorY, &FourteenRoundTop, kMirrorY},            // 10 bottom
    {&FourteenSide, kReflect, &FourteenRoundSide, kReflect},          // 11 lower right vertical
    {&FourteenSide, kMirrorX, &FourteenRoundSide, kMirrorX},          // 12 upper right vertical
    {&FourteenTop, kNone, &FourteenRoundTop, kNone},                  // 13 top
};

const SegmentRecipe DotSegmentRecipes[kDotSegmentCount] = {
    {&DotUpper, kNone, &DotUpper, kNone},  // 0 upper colon dot
    {&DotLower, kNone, &DotLower, kNone},  // 1 lower colon dot
    {&DotPoint, kNone, &DotPoint, kNone},  // 2 decimal point
};

DesignPoint MirrorX(DesignPoint p, int width) {
    const int cx = (width - 1) / 2;
    return DesignPoint{2 * cx - p.x, p.y};
}

DesignPoint MirrorY(DesignPoint p) {
    return DesignPoint{p.x, 2 * kCellCentreRow - p.y};
}

DesignPoint ReflectPoint(DesignPoint p, int width) {
    const int cx = (width - 1) / 2;
    return DesignPoint{2 * cx - p.x, 2 * kCellCentreRow - p.y};
}

DesignPoint TransformPoint(DesignPoint p, OutlineTransform transform, int width) {
    switch (transform) {
        case OutlineTransform::MirrorX:
            return MirrorX(p, width);
        case OutlineTransform::MirrorY:
            return MirrorY(p);
        case OutlineTransform::ReflectPoint:
            return ReflectPoint(p, width);
        case OutlineTransform::None:
            break;
    }
    return p;
}
