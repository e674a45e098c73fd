#include "Confirm.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

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
    for (const VariableValues& d : directions)
        for (double r : {radius, 10 * radius, 100 * radius})
            for (double sign : {-1.0, 1.0}) {
                VariableValues p = point;
                for (int i = 1; i <= n; ++i) p[i] += sign * r * d[i];
                const double value = EvaluateFunctionN(n, function, names, p);
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
    auto f = [&](const VariableValues& p) { return EvaluateFunctionN(n, function, names, p); };
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
            const double value = EvaluateFunctionN(n, equations[i], names, point);
            residual = std::max(residual, std::fabs(value));
            jacobian[i][n + 1] = value;
            for (int j = 1; j <= n; ++j) {
                const double h = Step(JacobianStep, point[j]);
                VariableValues p = point;
                p[j] = point[j] + h;
                const double ahead = EvaluateFunctionN(n, equations[i], names, p);
                p[j] = point[j] - h;
                const double back = EvaluateFunctionN(n, equations[i], names, p);
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
