#include "Minimise.h"

#include <cmath>
#include <string>
#include <vector>

#include "CompiledFunction.h"
#include "Host.h"
#include "LinearEquations.h"
#include "TextUtils.h"

namespace {

// A box text cut to 255 characters without counting as a cut result.
ExpressionText Message(const std::string& text) {
    return ExpressionText(std::string_view(text).substr(0, ExpressionText::MaxLength));
}

void CantEvaluate(const ExpressionText& text, double x1) {
    ReportError(Message("Kan ikke udregne udtryk: " + text.Str() + " for x[1] = " + FormatNumber(10, 4, x1)));
}

// Central difference of f along coordinate i at p.
double PartialDerivative(const CompiledFunctionN& f, VariableValues p, int i, double h) {
    const double centre = p[i];
    p[i] = centre + h;
    const double forward = f(p);
    p[i] = centre - h;
    const double backward = f(p);
    return CheckedReal((forward - backward) / (2 * h));
}

}  // namespace

double VectorNorm(int n, const VariableValues& v) {
    double sum = 0;
    for (int i = 1; i <= n; ++i) sum += v[i] * v[i];
    return CheckedReal(std::sqrt(sum));
}

void LogPoint(int n, const VariableValues& p) {
    for (int i = 1; i <= n; ++i) AddLogLine("x[" + std::to_string(i) + "]=" + FormatNumber(10, 4, p[i]) + "   ");
    AddLogLine("");
}

bool MinimiseFunction(int n, const ExpressionText& function, const VariableNames& names, double eps,
                      VariableValues& values, int* iterations) {
    const double h = 10 * eps, bigStep = 10 * h;
    const CompiledFunctionN f(n, function, names);
    VariableValues x = values, xc, gradient{}, direction{}, step{};
    int iter = 0;
    for (;;) {
        ++iter;
        xc = x;
        const double f0 = f(xc);
        for (int i = 1; i <= n; ++i) gradient[i] = PartialDerivative(f, xc, i, h);
        const double g = VectorNorm(n, gradient);
        // A failed evaluation reads as 0 from then on, which looks like a
        // zero gradient: report it rather than end the search there.
        if (ErrorFlag) {
            CantEvaluate(function, xc[1]);
            if (iterations) *iterations = iter;
            return false;
        }
        if (g == 0) {
            x = xc;
            break;
        }
        VariableValues back = xc, ahead = xc;
        for (int i = 1; i <= n; ++i) {
            direction[i] = -gradient[i] / g;
            back[i] = xc[i] - h * direction[i];
            ahead[i] = xc[i] + h * direction[i];
        }
        const double f1 = f(back), f2 = f(ahead);
        if (ErrorFlag) {
            CantEvaluate(function, ahead[1]);
            if (iterations) *iterations = iter;
            return false;
        }
        const double d1 = CheckedReal((f2 - f1) * 0.5 / h);
        const double d2 = CheckedReal(((f2 - f0) / h - (f0 - f1) / h) / h);
        // The vertex of the parabola when it opens upwards, else a long step downhill.
        const double length = d2 > 0 ? CheckedReal(-d1 / d2) : bigStep;
        for (int i = 1; i <= n; ++i) {
            x[i] = CheckedReal(xc[i] + length * direction[i]);
            step[i] = x[i] - xc[i];
        }
        if (iter % 5 == 0) LogPoint(n, x);
        if (VectorNorm(n, step) < n * eps || iter >= MaxIterations) break;
    }
    values = x;
    if (iterations) *iterations = iter;
    return iter < MaxIterations;
}

bool SolveEquationsNewton(int n, const ExpressionText equations[], const VariableNames& names, double eps,
                          VariableValues& values, bool* stalled) {
    if (ErrorFlag) return false;
    // With stalled given, a singular Jacobian or an evaluation error is the
    // caller's to handle: no box, the last good point in values.
    auto stall = [&](const VariableValues& last) {
        *stalled = true;
        values = last;
        ErrorFlag = false;
        return false;
    };
    const double h = eps;
    VariableValues xc = values, dx{}, previous = values;
    std::vector<CompiledFunctionN> g;
    for (int i = 1; i <= n; ++i) g.emplace_back(n, equations[i], names);
    int iter = 0;
    do {
        ++iter;
        Matrix a{};
        for (int i = 1; i <= n; ++i) {
            a[i][n + 1] = -g[i - 1](xc);
            if (ErrorFlag) {
                if (stalled) return stall(previous);
                CantEvaluate(equations[i], xc[1]);
                return false;
            }
            for (int j = 1; j <= n; ++j) a[i][j] = PartialDerivative(g[i - 1], xc, j, h);
        }
        if (!SolveLinearEquation(n, a, dx)) {
            if (stalled) return stall(xc);
            ReportLastingError("Singul\xE6r JacobiMatrix");
            return false;
        }
        previous = xc;
        for (int i = 1; i <= n; ++i) {
            const double next = xc[i] + dx[i];
            if (stalled && !std::isfinite(next)) return stall(previous);
            xc[i] = CheckedReal(next);
        }
        LogPoint(n, xc);
    } while (VectorNorm(n, dx) >= n * eps && iter < MaxIterations);
    // A derivative probe of the last iteration that failed has no later test.
    if (stalled && ErrorFlag) return stall(previous);
    values = xc;
    if (stalled && iter >= MaxIterations) *stalled = true;
    return iter < MaxIterations && !ErrorFlag;
}

bool SumOfSquaresText(int n, const ExpressionText equations[], ExpressionText& sum) {
    std::string text;
    for (int i = 1; i <= n; ++i) text += (i > 1 ? "+(" : "(") + equations[i].Str() + ")^2";
    if (static_cast<int>(text.size()) > ExpressionText::MaxLength) {
        // A cut sum would be another function, or no function at all.
        ReportError(Message("Kvadratsummen af ligningerne er for lang (over 255 tegn): " + text));
        return false;
    }
    sum = ExpressionText(text);
    return true;
}

bool SolveEquationsLeastSquares(int n, const ExpressionText equations[], const VariableNames& names, double eps,
                                VariableValues& values) {
    // As Newton: an error of the caller's (a malformed precision) stops it.
    if (ErrorFlag) return false;
    ExpressionText sum;
    if (!SumOfSquaresText(n, equations, sum)) return false;
    return MinimiseFunction(n, sum, names, eps, values);
}
