#include "display/bezier_fit.h"

#include <cmath>

#if defined(__clang__)
// The fitted control points depend on every product being rounded on its own (no fused multiply-add).
#pragma STDC FP_CONTRACT OFF
#endif
// Magnitudes come from std::abs: the 32-bit MinGW headers implement fabs with the x87 unit.

namespace {

void NoteSecantSteps(FitDiagnostics* diagnostics, int steps, bool hit) {
    if (!diagnostics) {
        return;
    }
    if (steps > diagnostics->maxSecantSteps) {
        diagnostics->maxSecantSteps = steps;
    }
    diagnostics->boundHit = diagnostics->boundHit || hit;
}

void NoteCoordinateMoves(FitDiagnostics* diagnostics, int moves, bool hit) {
    if (!diagnostics) {
        return;
    }
    if (moves > diagnostics->maxCoordinateMoves) {
        diagnostics->maxCoordinateMoves = moves;
    }
    diagnostics->boundHit = diagnostics->boundHit || hit;
}

// Squared distance from q to the curve near its closest sample, found by scanning t and refining the
// slope term's zero with secant steps. The value at the last parameter evaluated counts, not the smallest
// one seen: the fitted control points depend on exactly this score.
double PointError(const CubicCoefficients& x,
                  const CubicCoefficients& y,
                  FitPoint q,
                  double dt,
                  FitDiagnostics* diagnostics) {
    double bestT = -1.0;
    DistanceTerm best{};
    bool first = true;
    for (double t = -1.0; t <= 1.01; t += dt) {
        const DistanceTerm term = DistanceTerms(t, x, y, q);
        if (term.distanceSq == 0.0) {
            bestT = t;
            best = term;
            break;
        }
        if (first || term.distanceSq < best.distanceSq) {
            bestT = t;
            best = term;
            first = false;
        }
    }
    if (best.distanceSq == 0.0) {
        return 0.0;
    }

    double t0 = bestT;
    double s0 = best.slope;
    double t1 = t0 + dt;
    if (t1 > 1.0) {
        t1 = 1.0 - dt;
    }
    DistanceTerm last = DistanceTerms(t1, x, y, q);
    int steps = 0;
    while (last.distanceSq != 0.0 && last.slope != 0.0) {
        if (steps == kMaxSecantSteps) {
            NoteSecantSteps(diagnostics, steps, true);
            return last.distanceSq;
        }
        const double s1 = last.slope;
        double t2 = s1 != s0 ? (s1 * t0 - t1 * s0) / (s1 - s0) : (t1 + t0) / 2.0;
        if (std::isnan(t2)) {
            break;  // only non-finite coordinates get here; no later step could settle
        }
        if (t2 < -1.0) {
            t2 = -1.0;
        } else if (t2 > 1.0) {
            t2 = 1.0;
        }
        if (std::abs(t2 - t1) < 0.001) {
            break;
        }
        t0 = t1;
        s0 = s1;
        t1 = t2;
        last = DistanceTerms(t1, x, y, q);
        ++steps;
    }
    NoteSecantSteps(diagnostics, steps, false);
    return last.distanceSq;
}

}  // namespace

CubicCoefficients PowerBasis(double v0, double v1, double v2, double v3) {
    CubicCoefficients c;
    c.a3 = ((v1 - v2) * 3.0 + (v3 - v0)) * 0.125;
    c.a2 = ((v0 + v3) - v1 - v2) * 0.375;
    c.a1 = (v3 - v0) * 0.5 - c.a3;
    c.a0 = (v0 + v3) * 0.5 - c.a2;
    return c;
}

DistanceTerm DistanceTerms(double t, const CubicCoefficients& x, const CubicCoefficients& y, FitPoint q) {
    const double h = ((x.a3 * t + x.a2) * t + x.a1) * t + x.a0 - q.x;
    const double r = ((y.a3 * t + y.a2) * t + y.a1) * t + y.a0 - q.y;
    const double xSlope = (2.0 * x.a2 + 3.0 * (x.a3 * t)) * t + x.a1;
    const double ySlope = (2.0 * y.a2 + 3.0 * (y.a3 * t)) * t + y.a1;
    return DistanceTerm{h * xSlope + r * ySlope, h * h + r * r};
}

double FitError(const double xv[4], const double yv[4], const FitPoint* points, int n, FitDiagnostics* diagnostics) {
    if (n < 5) {
        return 0.0;
    }
    const CubicCoefficients x = PowerBasis(xv[0], xv[1], xv[2], xv[3]);
    const CubicCoefficients y = PowerBasis(yv[0], yv[1], yv[2], yv[3]);
    const double dt = 2.0 / n;
    const int count = (n - 3) / 2;
    double score = 0.0;
    for (int i = 1; i <= count; ++i) {
        score += PointError(x, y, points[i], dt, diagnostics);
    }
    return score;
}

namespace {

// Line search along one control coordinate, moving it away from (or, after a reversal, towards) its anchor
// with a shrinking step. A score that is neither equal, lower nor higher (NaN from degenerate input)
// counts as a worse one, so such a search still ends.
void SearchCoordinate(double& v,
                      double anchor,
                      double xv[4],
                      double yv[4],
                      const FitPoint* points,
                      int n,
                      double& best,
                      FitDiagnostics* diagnostics) {
    double step = 0.5;
    double saved = v;
    int moves = 0;
    do {
        if (moves == kMaxCoordinateMoves) {
            v = saved;
            NoteCoordinateMoves(diagnostics, moves, true);
            return;
        }
        v = (v - anchor) * step + v;
        ++moves;
        const double e = FitError(xv, yv, points, n, diagnostics);
        if (e == best) {
            break;
        }
        if (e < best) {
            best = e;
            saved = v;
        } else {
            v = saved;
            step = step * -0.3333333333333333;
        }
    } while (std::abs(step) >= 0.01);
    NoteCoordinateMoves(diagnostics, moves, false);
}

}  // namespace

BezierControls FitBezierControls(const FitPoint* points, int n, FitDiagnostics* diagnostics) {
    if (n < 6) {
        // No curve point between start and end: nothing to fit.
        const FitPoint start = n >= 2 ? points[0] : FitPoint{0.0, 0.0};
        const FitPoint end = n >= 4 ? points[1] : start;
        return BezierControls{start, end};
    }
    const int k = (n - 4) / 2;
    const FitPoint& q0 = points[0];
    const FitPoint& q1 = points[1];
    const FitPoint& qk = points[k];
    const FitPoint& qEnd = points[k + 1];

    // Control values per coordinate: [0] start, [1] C1, [2] C2, [3] end.
    double xv[4] = {q0.x, (q1.x - q0.x) + q1.x, (qk.x - qEnd.x) + qk.x, qEnd.x};
    double yv[4] = {q0.y, (q1.y - q0.y) + q1.y, (qk.y - qEnd.y) + qk.y, qEnd.y};
    double best = FitError(xv, yv, points, n, diagnostics);

    for (int pass = 0; pass < 2; ++pass) {
        SearchCoordinate(xv[1], xv[0], xv, yv, points, n, best, diagnostics);
        SearchCoordinate(yv[1], yv[0], xv, yv, points, n, best, diagnostics);
        SearchCoordinate(xv[2], xv[3], xv, yv, points, n, best, diagnostics);
        SearchCoordinate(yv[2], yv[3], xv, yv, points, n, best, diagnostics);
    }
    return BezierControls{{xv[1], yv[1]}, {xv[2], yv[2]}};
}
