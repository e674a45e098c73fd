#include "Simpson.h"

#include "Evaluate.h"
#include "Host.h"

#include <cmath>

double SimpsonIntegral(const ExpressionText& f, int n, double a, double b) {
    // No panels would make the step infinite; one panel is the smallest rule.
    if (n < 1) n = 1;
    const double h = (b - a) / (2.0 * n);
    double x = a, f0 = EvaluateFunction(f, a), sum = 0;
    for (int i = 0; i < n; ++i) {
        double f1 = EvaluateFunction(f, x + h);
        if (ErrorFlag) return 0;
        double f2 = EvaluateFunction(f, x + 2 * h);
        sum += f0 + 4 * f1 + f2;
        x += 2 * h;
        f0 = f2;
    }
    return CheckedReal(h / 3 * sum);
}

namespace {

// Panels are halved where Simpson's rule and F disagree: for a steep but
// smooth f (a narrow peak, x^n for a large n) the two agree once the halves
// are narrow enough; a jump of F never does. Only disagreeing halves are
// halved again, and the number of panels looked at is bounded.
constexpr int MaxRefinements = 45;
constexpr int MaxPanels = 4000;

// Simpson's rule on one panel against the increase of F, refined by halving.
// tolerance: absolute, from the size of F on the whole interval, so that a
// panel at an integrable singularity of f (sqrt(x) at 0) is not taken for a jump.
bool PanelAgrees(const ExpressionText& F, const ExpressionText& f, double a, double b, double fa, double fb,
                 double tolerance, int depth, int& budget) {
    if (--budget < 0) return false;
    const double m = (a + b) / 2;
    double fm = 0, Fa = 0, Fb = 0;
    if (!TryEvaluate(f, m, fm) || !TryEvaluate(F, a, Fa) || !TryEvaluate(F, b, Fb)) return false;
    const double simpson = (b - a) / 6 * (fa + 4 * fm + fb);
    const double increase = Fb - Fa;
    if (std::fabs(increase - simpson) <= tolerance) return true;
    if (depth == 0) return false;
    return PanelAgrees(F, f, a, m, fa, fm, tolerance, depth - 1, budget) &&
           PanelAgrees(F, f, m, b, fm, fb, tolerance, depth - 1, budget);
}

}  // namespace

bool DefinedAtSimpsonPoints(const ExpressionText& f, int n, double a, double b) {
    if (n < 1) n = 1;
    const double h = (b - a) / (2.0 * n);
    double v = 0;
    for (int i = 0; i <= 2 * n; ++i)
        if (!TryEvaluate(f, a + i * h, v)) return false;
    return true;
}

bool AntiderivativeHoldsOn(const ExpressionText& F, const ExpressionText& f, int n, double a, double b) {
    if (n < 1) n = 1;
    if (a == b) return true;
    const double h = (b - a) / n;
    double size = 0;
    for (int i = 0; i <= n; ++i) {
        double v = 0;
        if (!TryEvaluate(F, i == n ? b : a + i * h, v)) return false;
        size = std::fmax(size, std::fabs(v));
    }
    const double tolerance = 1e-6 * (1 + size);
    int budget = MaxPanels;
    for (int i = 0; i < n; ++i) {
        const double x0 = a + i * h, x1 = i + 1 == n ? b : a + (i + 1) * h;
        double f0 = 0, f1 = 0;
        if (!TryEvaluate(f, x0, f0) || !TryEvaluate(f, x1, f1)) return false;
        if (!PanelAgrees(F, f, x0, x1, f0, f1, tolerance, MaxRefinements, budget)) return false;
    }
    return true;
}
