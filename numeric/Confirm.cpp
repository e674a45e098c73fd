#include "Confirm.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

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

namespace {

// Data centred on a round number c near their mean, when they lie far from 0
// (years): the fit in powers of x - c is well conditioned. False when x is
// not far from 0.
bool RoundCentre(int n, const Vector& x, double& c) {
    double mean = 0, spread = 0;
    for (int i = 1; i <= n; ++i) mean += x[i];
    mean /= n;
    for (int i = 1; i <= n; ++i) spread = std::max(spread, std::fabs(x[i] - mean));
    if (!(std::fabs(mean) > 2 * spread) || spread == 0) return false;
    const double step = std::pow(10.0, std::floor(std::log10(spread)));
    c = std::round(mean / step) * step;
    return c != 0;
}

// The least-squares values at the data points, from the fit in powers of
// x - c (c = 0 where x is not far from 0): without the cancellation of
// powers of x itself.
bool FittedValues(int degree, int n, const Vector& x, const Vector& y, Vector& fitted) {
    double c = 0;
    RoundCentre(n, x, c);
    Vector shifted{};
    for (int i = 1; i <= n; ++i) shifted[i] = x[i] - c;
    RegressionCoefficients q{};
    if (!PolynomialRegression(n, degree, shifted, y, q)) return false;
    const int d = FittedDegree(n, degree);
    for (int i = 1; i <= n; ++i) {
        double v = 0;
        for (int k = d; k >= 0; --k) v = v * shifted[i] + q[k];
        fitted[i] = v;
    }
    return true;
}

// A coefficient with four decimals (digits 0), or with that many significant digits.
std::string CoefficientText(double c, int digits) {
    if (digits == 0) return FormatNumber(10, 4, c);
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.*g", digits, c);
    std::string s = buf;
    // 1e+21 -> 1e21, 1e-05 -> 1e-5
    const std::size_t e = s.find('e');
    if (e != std::string::npos) {
        std::string mantissa = s.substr(0, e), exponent = s.substr(e + 1);
        const bool negative = exponent[0] == '-';
        exponent.erase(0, exponent.find_first_not_of("+-0"));
        s = mantissa + "e" + (negative ? "-" : "") + exponent;
    }
    return s;
}

// sum p[k]*base^k, highest power first; base "x" or "(x-2014)".
std::string PolynomialText(int degree, const RegressionCoefficients& p, const std::string& base, int digits) {
    auto power = [&](int k) { return k >= 2 ? "*" + base + "^" + std::to_string(k) : k == 1 ? "*" + base : std::string(); };
    std::string text = CoefficientText(p[degree], digits) + power(degree);
    for (int k = degree - 1; k >= 0; --k) {
        if (p[k] == 0) continue;
        const std::string c = CoefficientText(p[k], digits);
        text += (c[0] == '-' ? "" : "+") + c + power(k);
    }
    return text;
}

// The fewest significant digits (from 5) with which the text passes; 0 for none.
int DigitsNeeded(int degree, const RegressionCoefficients& p, const std::string& base, int n, const Vector& x,
                 const Vector& y) {
    for (int digits = 5; digits <= 17; ++digits)
        if (ConfirmFitText(ExpressionText(PolynomialText(degree, p, base, digits)), degree, n, x, y).confirmed)
            return digits;
    return 0;
}

}  // namespace

std::string FitEquation(int degree, const RegressionCoefficients& p, int n, const Vector& x, const Vector& y) {
    degree = FittedDegree(n, degree);
    const std::string plain = PolynomialText(degree, p, "x", 0);
    if (n < 1 || ConfirmFitText(ExpressionText(plain), degree, n, x, y).confirmed) return plain;
    double c = 0;
    RegressionCoefficients q{};
    std::string base;
    if (RoundCentre(n, x, c)) {
        Vector shifted{};
        for (int i = 1; i <= n; ++i) shifted[i] = x[i] - c;
        if (PolynomialRegression(n, degree, shifted, y, q)) {
            const std::string centre = CoefficientText(std::fabs(c), 17);
            base = c > 0 ? "(x-" + centre + ")" : "(x+" + centre + ")";
            const std::string centred = PolynomialText(degree, q, base, 0);
            if (ConfirmFitText(ExpressionText(centred), degree, n, x, y).confirmed) return centred;
        }
    }
    const int powersOfX = DigitsNeeded(degree, p, "x", n, x, y);
    const int centred = base.empty() ? 0 : DigitsNeeded(degree, q, base, n, x, y);
    if (centred != 0 && (powersOfX == 0 || centred < powersOfX)) return PolynomialText(degree, q, base, centred);
    // With 17 digits the text still shows the fit; the check then says it misses.
    return PolynomialText(degree, p, "x", powersOfX != 0 ? powersOfX : 17);
}

Confirmation ConfirmFitText(const ExpressionText& text, int degree, int n, const Vector& x, const Vector& y) {
    SilentScope quiet;
    const Confirmation unreadable{false, "Kontrol: ligningen kan ikke l\xE6ses tilbage"};
    try {
        Vector fitted{};
        if (n < 1 || !FittedValues(degree, n, x, y, fitted)) return unreadable;
        double mean = 0, low = y[1], high = y[1];
        for (int i = 1; i <= n; ++i) {
            mean += y[i];
            low = std::min(low, y[i]);
            high = std::max(high, y[i]);
        }
        mean /= n;
        // Within a millionth of the data's range (of their size where all y are equal).
        const double tolerance = 1e-6 * (high > low ? high - low : std::max(1.0, std::fabs(high)));
        const CompiledFunction shown(text);
        double residual = 0, total = 0;
        for (int i = 1; i <= n; ++i) {
            int stop = 0;
            const double value = shown.Evaluate(x[i], stop);
            if (ErrorFlag || stop < text.Length()) return unreadable;
            if (std::fabs(value - fitted[i]) > tolerance)
                return {false, "Kontrol: ligningen giver ikke de beregnede v\xE6rdier (i x = " +
                                   FormatNumber(10, 4, x[i]) + ")"};
            residual = CheckedReal(residual + (y[i] - value) * (y[i] - value));
            total = CheckedReal(total + (y[i] - mean) * (y[i] - mean));
        }
        // Points that all share one y are fitted exactly by the constant: R^2 = 1.
        const double determination = total == 0 ? 1 : 1 - residual / total;
        return {true, "Kontrol: Forklaringsgrad R^2 = " + FormatNumber(6, 4, determination)};
    } catch (const ArithmeticFault&) {
        return unreadable;
    }
}
