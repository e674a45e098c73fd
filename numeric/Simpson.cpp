#include "Simpson.h"

#include "CompiledFunction.h"
#include "Evaluate.h"
#include "Host.h"

#include <cmath>

double SimpsonIntegral(const ExpressionText& text, int n, double a, double b) {
    // No panels would make the step infinite; one panel is the smallest rule.
    if (n < 1) n = 1;
    const CompiledFunction f(text);
    const double h = (b - a) / (2.0 * n);
    double f0 = f(a), sum = 0;
    for (int i = 0; i < n; ++i) {
        double f1 = f(SimpsonPoint(2 * i + 1, n, a, b));
        if (ErrorFlag) return 0;
        double f2 = f(SimpsonPoint(2 * i + 2, n, a, b));
        sum += f0 + 4 * f1 + f2;
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
bool PanelAgrees(const CompiledFunction& F, const CompiledFunction& f, double a, double b, double fa, double fb,
                 double tolerance, int depth, int& budget) {
    if (--budget < 0) return false;
    const double m = (a + b) / 2;
    double fm = 0, Fa = 0, Fb = 0;
    if (!f.TryEvaluate(m, fm) || !F.TryEvaluate(a, Fa) || !F.TryEvaluate(b, Fb)) return false;
    const double simpson = (b - a) / 6 * (fa + 4 * fm + fb);
    const double increase = Fb - Fa;
    if (std::fabs(increase - simpson) <= tolerance) return true;
    if (depth == 0) return false;
    return PanelAgrees(F, f, a, m, fa, fm, tolerance, depth - 1, budget) &&
           PanelAgrees(F, f, m, b, fm, fb, tolerance, depth - 1, budget);
}

}  // namespace

double SimpsonPoint(int i, int n, double a, double b) {
    if (n < 1) n = 1;
    // Computed from a each time, and the last one is b itself: steps added up
    // overshoot (1.0000000000000004 for b = 1), outside asin's domain.
    return i >= 2 * n ? b : a + i * ((b - a) / (2.0 * n));
}

bool DefinedAtSimpsonPoints(const ExpressionText& text, int n, double a, double b) {
    if (n < 1) n = 1;
    const CompiledFunction f(text);
    double v = 0;
    for (int i = 0; i <= 2 * n; ++i)
        if (!f.TryEvaluate(SimpsonPoint(i, n, a, b), v)) return false;
    return true;
}

bool AntiderivativeHoldsOn(const ExpressionText& FText, const ExpressionText& fText, int n, double a, double b) {
    if (n < 1) n = 1;
    const CompiledFunction F(FText), f(fText);
    if (a == b) return true;
    const double h = (b - a) / n;
    double size = 0;
    for (int i = 0; i <= n; ++i) {
        double v = 0;
        if (!F.TryEvaluate(i == n ? b : a + i * h, v)) return false;
        size = std::fmax(size, std::fabs(v));
    }
    const double tolerance = 1e-6 * (1 + size);
    int budget = MaxPanels;
    for (int i = 0; i < n; ++i) {
        const double x0 = a + i * h, x1 = i + 1 == n ? b : a + (i + 1) * h;
        double f0 = 0, f1 = 0;
        if (!f.TryEvaluate(x0, f0) || !f.TryEvaluate(x1, f1)) return false;
        if (!PanelAgrees(F, f, x0, x1, f0, f1, tolerance, MaxRefinements, budget)) return false;
    }
    return true;
}
