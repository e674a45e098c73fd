#include "Confirm.h"

#include <algorithm>
#include <cmath>

#include "CompiledFunction.h"
#include "Host.h"
#include "Minimise.h"
#include "TextUtils.h"

namespace {


// Difference steps scaled to the coordinates.
constexpr double HessianStep = 1e-3, JacobianStep = 1e-5;
// A result stands when a Newton step from it is below this many times n*eps.
constexpr double Slack = 10;

double Step(double relative, double coordinate) { return relative * std::max(1.0, std::fabs(coordinate)); }

std::string Small(double d) { return FormatNumber(12, 8, d); }

// Solves the symmetric system h*s = g by Cholesky; false when h is not
// positive definite.
bool CholeskySolve(int n, Matrix h, const VariableValues& g, VariableValues& s) {
    for (int j = 1; j <= n; ++j) {
        double d = h[j][j];
        for (int k = 1; k < j; ++k) d -= h[j][k] * h[j][k];
        if (!(d > 0)) return false;
        h[j][j] = std::sqrt(d);
        for (int i = j + 1; i <= n; ++i) {
            double v = h[i][j];
            for (int k = 1; k < j; ++k) v -= h[i][k] * h[j][k];
            h[i][j] = v / h[j][j];
        }
    }
    VariableValues z{};
    for (int i = 1; i <= n; ++i) {
        double v = g[i];
        for (int k = 1; k < i; ++k) v -= h[i][k] * z[k];
        z[i] = v / h[i][i];
    }
    s.fill(0);
    for (int i = n; i >= 1; --i) {
        double v = z[i];
        for (int k = i + 1; k <= n; ++k) v -= h[k][i] * s[k];
        s[i] = v / h[i][i];
    }
    return true;
}

}  // namespace

bool ReadsToTheEnd(int n, const ExpressionText& function, const VariableNames& names, const VariableValues& point) {
    SilentScope quiet;
    int stop = 0;
    try {
        EvaluateFunctionN(n, function, names, point, stop);
    } catch (const ArithmeticFault&) {
        return true;
    }
    return ErrorFlag || stop >= function.Length();
}

Confirmation ConfirmMinimum(int n, const ExpressionText& function, const VariableNames& names,
                            const VariableValues& point, double eps) {
    SilentScope quiet;
    const CompiledFunctionN f(n, function, names);
    const std::string cannot = "Kontrol: f kan ikke udregnes omkring punktet; det er ikke bekr\xE6" "ftet som minimum";
    try {
        VariableValues h{}, gradient{}, step{};
        Matrix hessian{};
        for (int i = 1; i <= n; ++i) h[i] = Step(HessianStep, point[i]);
        const double centre = f(point);
        for (int i = 1; i <= n; ++i) {
            VariableValues p = point;
            p[i] = point[i] + h[i];
            const double ahead = f(p);
            p[i] = point[i] - h[i];
            const double back = f(p);
            gradient[i] = CheckedReal((ahead - back) / (2 * h[i]));
            hessian[i][i] = CheckedReal((ahead - 2 * centre + back) / (h[i] * h[i]));
            for (int j = 1; j < i; ++j) {
                auto corner = [&](double si, double sj) {
                    VariableValues q = point;
                    q[i] += si * h[i];
                    q[j] += sj * h[j];
                    return f(q);
                };
                hessian[i][j] = hessian[j][i] = CheckedReal(
                    (corner(1, 1) - corner(1, -1) - corner(-1, 1) + corner(-1, -1)) / (4 * h[i] * h[j]));
            }
        }
        if (ErrorFlag) return {false, cannot};
        const std::string line = "Kontrol: gradientens l\xE6ngde i punktet er " + Small(VectorNorm(n, gradient));
        // A small gradient alone would let a maximum or a saddle pass.
        if (!CholeskySolve(n, hessian, gradient, step))
            return {false, line + ", men f vokser ikke i alle retninger: punktet er ikke et minimum"};
        const double distance = VectorNorm(n, step);
        if (distance >= Slack * n * eps)
            return {false, line + ", for stor: minimum ligger ca. " + Small(distance) + " derfra"};
        return {true, line + "; f vokser i alle retninger: minimum bekr\xE6" "ftet"};
    } catch (const ArithmeticFault&) {
        return {false, cannot};
    }
}

Confirmation ConfirmSolution(int n, const ExpressionText equations[], const VariableNames& names,
                             const VariableValues& point, double eps) {
    SilentScope quiet;
    const std::string cannot = "Kontrol: ligningerne kan ikke udregnes omkring punktet; det er ikke bekr\xE6" "ftet som l\xF8sning";
    try {
        Matrix jacobian{};
        double residual = 0;
        for (int i = 1; i <= n; ++i) {
            const CompiledFunctionN g(n, equations[i], names);
            const double value = g(point);
            residual = std::max(residual, std::fabs(value));
            jacobian[i][n + 1] = value;
            for (int j = 1; j <= n; ++j) {
                const double h = Step(JacobianStep, point[j]);
                VariableValues p = point;
                p[j] = point[j] + h;
                const double ahead = g(p);
                p[j] = point[j] - h;
                const double back = g(p);
                jacobian[i][j] = CheckedReal((ahead - back) / (2 * h));
            }
        }
        if (ErrorFlag) return {false, cannot};
        const std::string line = "Kontrol: st\xF8rste |f_i| i punktet er " + Small(residual);
        if (residual == 0) return {true, line + ": l\xF8sning bekr\xE6" "ftet"};
        // How far the residuals are from 0 in x: the length of one Newton step.
        VariableValues step;
        if (!SolveLinearEquation(n, jacobian, step))
            return {false, line + ", og Jacobimatricen er singul\xE6r: punktet er ikke bekr\xE6" "ftet som l\xF8sning"};
        const double distance = VectorNorm(n, step);
        if (distance >= Slack * n * eps)
            return {false, line + ", for stor: en l\xF8sning ligger ca. " + Small(distance) + " derfra"};
        return {true, line + ": l\xF8sning bekr\xE6" "ftet"};
    } catch (const ArithmeticFault&) {
        return {false, cannot};
    }
}

Confirmation ConfirmFitText(const ExpressionText& text, int degree, const RegressionCoefficients& p, int n,
                            const Vector& x, const Vector& y) {
    SilentScope quiet;
    try {
        double mean = 0;
        for (int i = 1; i <= n; ++i) mean += y[i];
        mean /= n;
        double residual = 0, total = 0;
        for (int i = 1; i <= n; ++i) {
            double fitted = 0, bound = 0, size = 0;
            for (int k = degree; k >= 0; --k) {
                const double power = k == 0 ? 1 : IntPower(k, std::fabs(x[i]));
                fitted = fitted * x[i] + p[k];
                // Each shown coefficient is within half a unit of its 4th decimal.
                if (p[k] != 0 || k == degree) bound += 0.00005 * power;
                size += std::fabs(p[k]) * power;
            }
            int stop = 0;
            const double shown = EvaluateFunction(text, x[i], stop);
            if (ErrorFlag || stop < text.Length())
                return {false, "Kontrol: ligningen kan ikke l\xE6ses tilbage"};
            if (std::fabs(shown - fitted) > bound + 1e-9 * size)
                return {false, "Kontrol: ligningen giver ikke de beregnede v\xE6rdier (i x = " +
                                   FormatNumber(10, 4, x[i]) + ")"};
            residual = CheckedReal(residual + (y[i] - fitted) * (y[i] - fitted));
            total = CheckedReal(total + (y[i] - mean) * (y[i] - mean));
        }
        // Points that all share one y are fitted exactly by the constant: R^2 = 1.
        const double determination = total == 0 ? 1 : 1 - residual / total;
        return {true, "Kontrol: Forklaringsgrad R^2 = " + FormatNumber(6, 4, determination)};
    } catch (const ArithmeticFault&) {
        return {false, "Kontrol: ligningen kan ikke l\xE6ses tilbage"};
    }
}
