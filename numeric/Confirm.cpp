#include "Confirm.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>
#include <vector>

#include "CompiledFunction.h"
#include "Dense.h"
#include "Host.h"
#include "Minimise.h"
#include "TextUtils.h"

namespace {


// Difference steps scaled to the coordinates.
constexpr double HessianStep = 1e-3, GradientStep = 1e-6, JacobianStep = 1e-5;
// Curvatures below this fraction of the largest count as flat.
constexpr double FlatCurvature = 1e-4;
// A result stands when a Newton step from it is below this many times n*eps.
constexpr double Slack = 10;

double Step(double relative, double coordinate) { return relative * std::max(1.0, std::fabs(coordinate)); }

std::string Small(double d) { return FormatNumber(12, 8, d); }

// The length of the step to the nearest zero of the linearisation
// j*s = f, from the eigenvectors of j'j whose eigenvalues stand out of the
// rounding; residual receives |f - j*s| (0 when f lies in j's range).
double PseudoStep(int n, const Matrix& j, const VariableValues& f, double& residual) {
    Matrix normal{};
    VariableValues jf{}, lambda{}, s{};
    for (int a = 1; a <= n; ++a) {
        for (int b = 1; b <= n; ++b)
            for (int r = 1; r <= n; ++r) normal[a][b] += j[r][a] * j[r][b];
        for (int r = 1; r <= n; ++r) jf[a] += j[r][a] * f[r];
    }
    Matrix v;
    SymmetricEigen(n, normal, lambda, v);
    const double tolerance = 1e-10 * std::max(std::fabs(lambda[n]), 1e-300);
    for (int k = 1; k <= n; ++k) {
        if (lambda[k] <= tolerance) continue;
        double c = 0;
        for (int i = 1; i <= n; ++i) c += v[i][k] * jf[i];
        for (int i = 1; i <= n; ++i) s[i] += c / lambda[k] * v[i][k];
    }
    double sum = 0;
    for (int r = 1; r <= n; ++r) {
        double js = 0;
        for (int c = 1; c <= n; ++c) js += j[r][c] * s[c];
        sum += (f[r] - js) * (f[r] - js);
    }
    residual = std::sqrt(sum);
    return VectorNorm(n, s);
}

// The Newton step within
// its clearly positive eigenvectors is shorter than Slack*n*eps, and f is
// nowhere lower at distances Slack*n*eps, 10 and 100 times that, along the
// eigenvectors, the axes and the gradient (both ways).
bool SemiDefiniteMinimum(int n, const ExpressionText& function, const VariableNames& names,
                         const VariableValues& point, double eps, double centre, const VariableValues& gradient,
                         const Matrix& hessian) {
    VariableValues lambda{}, step{};
    Matrix v;
    SymmetricEigen(n, hessian, lambda, v);
    const double scale = std::max(std::fabs(lambda[1]), std::fabs(lambda[n]));
    const double flat = FlatCurvature * std::max(1.0, scale);
    for (int k = 1; k <= n; ++k) {
        if (lambda[k] <= flat) continue;
        double c = 0;
        for (int i = 1; i <= n; ++i) c += v[i][k] * gradient[i];
        for (int i = 1; i <= n; ++i) step[i] += c / lambda[k] * v[i][k];
    }
    const double radius = Slack * n * eps;
    if (VectorNorm(n, step) >= radius) return false;
    std::vector<VariableValues> directions;
    for (int k = 1; k <= n; ++k) {
        VariableValues axis{}, eigen{};
        axis[k] = 1;
        for (int i = 1; i <= n; ++i) eigen[i] = v[i][k];
        directions.push_back(axis);
        directions.push_back(eigen);
    }
    const double g = VectorNorm(n, gradient);
    if (g > 0) {
        VariableValues down{};
        for (int i = 1; i <= n; ++i) down[i] = gradient[i] / g;
        directions.push_back(down);
    }
    const double tolerance = 4 * std::numeric_limits<double>::epsilon() * std::fabs(centre);
    const CompiledFunctionN f(n, function, names);
    for (const VariableValues& d : directions)
        for (double r : {radius, 10 * radius, 100 * radius})
            for (double sign : {-1.0, 1.0}) {
                VariableValues p = point;
                for (int i = 1; i <= n; ++i) p[i] += sign * r * d[i];
                const double value = f(p);
                if (!ErrorFlag && value < centre - tolerance) return false;
                ErrorFlag = false;
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
            hessian[i][i] = CheckedReal((ahead - 2 * centre + back) / (h[i] * h[i]));
            // The gradient with a finer step: with the Hessian's, its error
            // (h^2/6 times the third derivative) alone would move a steep
            // valley's minimum (by 4e-4 for 100*(y-x^2)^2+(1-x)^2).
            const double fine = Step(GradientStep, point[i]);
            p[i] = point[i] + fine;
            const double fineAhead = f(p);
            p[i] = point[i] - fine;
            gradient[i] = CheckedReal((fineAhead - f(p)) / (2 * fine));
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
        // A curvature far below the largest is flat within the differences'
        // accuracy: the Newton step along it says nothing.
        VariableValues lambda{};
        Matrix vectors;
        SymmetricEigen(n, hessian, lambda, vectors);
        const bool definite = lambda[1] > FlatCurvature * std::max(1.0, std::fabs(lambda[n])) &&
                              CholeskySolve(n, hessian, gradient, step);
        const double distance = definite ? VectorNorm(n, step) : 0;
        if (definite && distance < Slack * n * eps)
            return {true, line + "; f vokser i alle retninger: minimum bekr\xE6" "ftet"};
        // A Hessian that is only semi-definite (a flat direction, as in
        // (x-2)^4): a minimum when f is lowered nowhere around the point.
        if (SemiDefiniteMinimum(n, function, names, point, eps, centre, gradient, hessian))
            return {true, line + "; Hessematricen er kun positiv semidefinit, men f kan ikke g\xF8res mindre "
                                 "omkring punktet: minimum bekr\xE6" "ftet"};
        if (!definite)
            return {false, line + ", men f vokser ikke i alle retninger: punktet er ikke et minimum"};
        return {false, line + ", for stor: minimum ligger ca. " + Small(distance) + " derfra"};
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
        if (!SolveLinearEquation(n, jacobian, step)) {
            // Singular: a solution all the same when the residuals lie in the
            // Jacobian's range and the shortest step to their zero is short.
            VariableValues f{};
            Matrix j = jacobian;
            for (int i = 1; i <= n; ++i) f[i] = jacobian[i][n + 1];
            double left = 0;
            const double shortest = PseudoStep(n, j, f, left);
            if (shortest < Slack * n * eps && left <= 1e-10 + 1e-3 * residual)
                return {true, line + ", og Jacobimatricen er singul\xE6r: l\xF8sning bekr\xE6" "ftet, men den er "
                                     "ikke enkel (flerfoldig, eller \xE9n af uendeligt mange)", true};
            return {false, line + ", og Jacobimatricen er singul\xE6r: punktet er ikke bekr\xE6" "ftet som l\xF8sning"};
        }
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

Confirmation ConfirmSlope(const ExpressionText& f, double x0, double slope) {
    const double h = 1e-5 * std::max(1.0, std::fabs(x0));
    double ahead = 0, back = 0;
    if (!TryEvaluate(f, x0 + h, ahead) || !TryEvaluate(f, x0 - h, back))
        return {false, "Kontrol: f(x) kan ikke udregnes omkring x0; f'(x0) vises ikke"};
    const double quotient = (ahead - back) / (2 * h);
    if (!(std::fabs(quotient - slope) <= 1e-5 * (1 + std::fabs(slope))))
        return {false, "Kontrol: f'(x0) = " + Small(slope) + " stemmer ikke med differenskvotienten " + Small(quotient) +
                           "; f'(x0) vises ikke"};
    return {true, "Kontrol: f'(x0) = " + Small(slope) + " stemmer med differenskvotienten " + Small(quotient)};
}
