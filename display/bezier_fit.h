#pragma once

// Fitting the two inner control points of a cubic Bezier curve to a run of outline points, in device space.

struct FitPoint {
    double x;
    double y;
};

struct BezierControls {
    FitPoint c1;
    FitPoint c2;
};

// Power-basis coefficients of one coordinate of the curve on the parameter t in [-1, 1].
struct CubicCoefficients {
    double a0;
    double a1;
    double a2;
    double a3;
};

struct DistanceTerm {
    double slope;       // half the derivative of the squared distance with respect to t
    double distanceSq;  // squared distance from the curve point at t to q
};

// Safety bounds, so that no input can keep a paint waiting. The secant refinement can wander without
// settling when the axes are scaled very differently; with equal scales it settled within 2000 steps on
// every outline at 60,000 cell sizes tried.
constexpr int kMaxSecantSteps = 4096;      // secant steps refining one point's parameter
constexpr int kMaxCoordinateMoves = 1000;  // moves of one coordinate search

// Optional counters of one fit, for tests and diagnostics.
struct FitDiagnostics {
    int maxSecantSteps = 0;      // most secant steps taken for one point
    int maxCoordinateMoves = 0;  // most moves taken by one coordinate search
    bool boundHit = false;       // a safety bound ended a loop
};

CubicCoefficients PowerBasis(double v0, double v1, double v2, double v3);

DistanceTerm DistanceTerms(double t, const CubicCoefficients& x, const CubicCoefficients& y, FitPoint q);

// Score of a candidate curve: the sum over the run's points of the squared distance to the curve.
// points holds n / 2 points (start, run, end); xv and yv are the four control values per coordinate.
double FitError(const double xv[4],
                const double yv[4],
                const FitPoint* points,
                int n,
                FitDiagnostics* diagnostics = nullptr);

// Fits C1 and C2 for the k + 2 points Q0 ... Qk+1, n = 2k + 4.
BezierControls FitBezierControls(const FitPoint* points, int n, FitDiagnostics* diagnostics = nullptr);
