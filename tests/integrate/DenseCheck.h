#pragma once
// An independent, denser check than the one that decides what is shown.
#include <cmath>

#include "Evaluate.h"

// Difference quotients of F at 60 points of [-9, 9] where f and F are smooth:
// the first point where F' differs from f, or NaN.
inline double DenseMismatch(const ExpressionText& f, const ExpressionText& F) {
    for (int i = 0; i < 60; ++i) {
        double x = -9.03 + 0.3011 * i, fx = 0, a = 0, b = 0, c = 0, d = 0;
        double h = 1e-4 * (1 + std::fabs(x));
        if (!TryEvaluate(f, x, fx) || std::fabs(fx) > 1e6) continue;
        if (!TryEvaluate(F, x - h, a) || !TryEvaluate(F, x + h, b) || !TryEvaluate(F, x - h / 2, c) ||
            !TryEvaluate(F, x + h / 2, d))
            continue;
        double q1 = (b - a) / (2 * h), q2 = (d - c) / h;
        if (std::fabs(q1 - q2) > 1e-3 * (1 + std::fabs(q1))) continue;  // not smooth here
        if (std::fabs(q2 - fx) > 1e-3 * (1 + std::fabs(fx))) return x;
    }
    return NAN;
}
