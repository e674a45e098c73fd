#include "Verify.h"

#include <array>
#include <cmath>

#include "CompiledFunction.h"
#include "Evaluate.h"

namespace {
// Irregular points of several scales, clear of 0, the integers and the poles
// of tan, where kinks and jumps of school functions lie.
constexpr std::array<double, 16> SamplePoints = {0.3183, 0.7071, 1.2346, 2.1714, 3.3019, 5.8377, -0.4142, -0.9273,
                                                 -1.7320, -2.6458, -4.1231, 0.0417, -0.0833, 9.4868, -12.3693, 27.1828};
constexpr int WantedPoints = 6;

// Central difference quotient of f at x with a step that balances truncation
// against rounding for smooth f; false where f is undefined on either side.
bool DifferenceQuotient(const CompiledFunction& f, double x, double& quotient, double& right) {
    const double h = 1e-5 * (1 + std::fabs(x));
    double left = 0;
    if (!f.TryEvaluate(x - h, left) || !f.TryEvaluate(x + h, right)) return false;
    quotient = (right - left) / (2 * h);
    return true;
}
}  // namespace

DerivativeCheck CheckDerivative(const ExpressionText& fText, const ExpressionText& dfText) {
    const CompiledFunction f(fText), df(dfText);
    DerivativeCheck r;
    for (double x : SamplePoints) {
        double fx = 0;
        if (!f.TryEvaluate(x, fx)) continue;
        r.defined = true;
        double numeric = 0, right = 0, d = 0;
        if (!DifferenceQuotient(f, x, numeric, right)) continue;
        const double scale = 1 + std::fabs(numeric) + std::fabs(fx) * 1e-3;
        // Where f is defined on both sides the derivative must be too.
        if (!df.TryEvaluate(x, d) || std::fabs(d - numeric) > 1e-4 * scale) {
            r.failedAt = x;
            r.passed = false;
            ++r.points;
            return r;
        }
        if (++r.points == WantedPoints) break;
    }
    r.passed = r.points > 0;
    return r;
}

ValueCheck CheckSameValues(const ExpressionText& aText, const ExpressionText& bText) {
    const CompiledFunction a(aText), b(bText);
    ValueCheck r;
    for (double x : SamplePoints) {
        double va = 0, vb = 0;
        if (!a.TryEvaluate(x, va)) continue;
        r.defined = true;
        ++r.points;
        if (!b.TryEvaluate(x, vb) || std::fabs(va - vb) > 1e-9 * (1 + std::fabs(va))) {
            r.failedAt = x;
            return r;
        }
        if (r.points == WantedPoints) break;
    }
    r.passed = r.points > 0;
    return r;
}

AntiderivativeCheck CheckAntiderivative(const ExpressionText& fText, const ExpressionText& FText,
                                        const ExpressionText& dFText) {
    const CompiledFunction f(fText), F(FText), dF(dFText);
    AntiderivativeCheck r;
    for (double x : SamplePoints) {
        double fx = 0;
        if (!f.TryEvaluate(x, fx)) continue;
        r.defined = true;
        double numeric = 0, right = 0, d = 0;
        // Outside F's domain (ln(x) for 1/x at x < 0) there is nothing to compare.
        if (!DifferenceQuotient(F, x, numeric, right)) continue;
        const double scale = 1 + std::fabs(fx);
        ++r.points;
        if (!dF.TryEvaluate(x, d) || std::fabs(d - fx) > 1e-7 * scale ||
            std::fabs(numeric - fx) > 1e-4 * (scale + std::fabs(right) * 1e-3)) {
            r.failedAt = x;
            return r;
        }
        if (r.points == WantedPoints) break;
    }
    r.passed = r.points > 0;
    return r;
}
