#include "Search.h"

#include <algorithm>
#include <cmath>

#include "Dense.h"
#include "Host.h"
#include "LinearEquations.h"
#include "Minimise.h"
#include "PointText.h"
#include "TextUtils.h"

namespace {

// Relative step of the differences in Newton's method for a minimum: the
// gradient's error is then of order 1e-8 relative, its rounding 1e-12.
constexpr double NewtonStep = 1e-4;
// Halvings of a step before it counts as making no progress.
constexpr int MaxHalvings = 40;

double Dot(int n, const VariableValues& a, const VariableValues& b) {
    double s = 0;
    for (int i = 1; i <= n; ++i) s += a[i] * b[i];
    return s;
}

// Column k of m as a vector.
VariableValues Column(int n, const Matrix& m, int k) {
    VariableValues v{};
    for (int i = 1; i <= n; ++i) v[i] = m[i][k];
    return v;
}

// The downhill step of Newton's method at a point with gradient g and Hessian
// h: along each eigenvector -(v.g)/|lambda|. Curvatures at the level of the
// differences' noise count as that level; a direction of negative curvature
// is taken when the gradient gives nothing. Not convex: at most radius long.
VariableValues NewtonStepOf(int n, const VariableValues& g, const Matrix& h, double f0, double radius) {
    VariableValues lambda{}, d{};
    Matrix v;
    SymmetricEigen(n, h, lambda, v);
    double scale = 0;
    for (int k = 1; k <= n; ++k) scale = std::max(scale, std::fabs(lambda[k]));
    const double floor = std::max(1e-9 * scale, 1e-8 * std::fabs(f0)) + 1e-300;
    const double slopeNoise = 1e-11 * (1 + std::fabs(f0));
    const bool convex = lambda[1] > floor;
    for (int k = 1; k <= n; ++k) {
        const VariableValues vk = Column(n, v, k);
        const double c = Dot(n, vk, g);
        // Flat and without slope beyond rounding: nothing to gain along it.
        if (std::fabs(lambda[k]) <= floor && std::fabs(c) <= slopeNoise) continue;
        const double length = -c / std::max(std::fabs(lambda[k]), floor);
        for (int i = 1; i <= n; ++i) d[i] += length * vk[i];
    }
    if (convex) return d;
    double norm = VectorNorm(n, d);
    // Where f curves down, its quadratic model holds only nearby: a long
    // step could leap past the nearest minimum.
    radius /= 2;
    if (norm < 1e-3 * radius && lambda[1] < -floor) {
        // A saddle or a maximum: leave it along the most negative curvature.
        const VariableValues v1 = Column(n, v, 1);
        const double sign = Dot(n, v1, g) > 0 ? -1 : 1;
        for (int i = 1; i <= n; ++i) d[i] = sign * radius * v1[i];
        norm = radius;
    }
    if (norm > radius)
        for (int i = 1; i <= n; ++i) d[i] *= radius / norm;
    return d;
}

std::string Named(const std::string& method, int iterations) {
    return "Metode: " + method + " (" + std::to_string(iterations) + " iterationer)";
}

}  // namespace

bool NewtonMinimise(int n, const ExpressionText& function, const VariableNames& names, double eps,
                    VariableValues& values, int& iterations) {
    VariableValues x = values, g{};
    Matrix h;
    iterations = 0;
    for (int iter = 1; iter <= MaxNewtonIterations; ++iter) {
        iterations = iter;
        double f0 = 0;
        if (!DifferenceDerivatives(n, function, names, x, NewtonStep, f0, g, h)) return false;
        const double radius = std::max(1.0, VectorNorm(n, x));
        VariableValues d = NewtonStepOf(n, g, h, f0, radius);
        double slope = Dot(n, g, d);
        if (slope > 0) {
            // Rounding turned the step uphill: go down the gradient.
            for (int i = 1; i <= n; ++i) d[i] = -g[i];
            slope = -Dot(n, g, g);
        }
        if (VectorNorm(n, d) == 0) break;
        // Backtracking until f falls by a fraction of what the slope promises.
        double t = 1;
        bool moved = false;
        VariableValues trial = x;
        for (int halving = 0; halving <= MaxHalvings; ++halving, t /= 2) {
            for (int i = 1; i <= n; ++i) trial[i] = x[i] + t * d[i];
            double f1 = 0;
            if (QuietValue(n, function, names, trial, f1) && f1 <= f0 + 1e-4 * t * slope && f1 <= f0) {
                moved = true;
                break;
            }
        }
        if (!moved) break;  // nowhere lower along the step: as far as it goes
        const double length = t * VectorNorm(n, d);
        x = trial;
        if (iter % 5 == 0) LogPoint(n, x);
        if (length < n * eps) {
            values = x;
            return true;
        }
    }
    values = x;
    // No step possible any more: the check decides whether it is a minimum.
    return iterations < MaxNewtonIterations;
}

MinimumSearch FindMinimum(int n, const ExpressionText& function, const VariableNames& names, double eps,
                          VariableValues& values) {
    MinimumSearch search;
    int descent = 0;
    const bool converged = MinimiseFunction(n, function, names, eps, values, &descent);
    search.iterations = descent;
    if (ErrorFlag) return search;  // the descent's box has been shown
    if (converged) {
        search.check = ConfirmMinimum(n, function, names, values, eps);
        if (search.check.confirmed) {
            search.found = true;
            search.method = Named("stejleste nedstigning med parabelskridt", descent);
            return search;
        }
        AddLogLine(search.check.report);
        AddLogLine("Punktet er ikke bekr\xE6" "ftet; Newtons metode forts\xE6tter fra det");
    } else {
        AddLogLine("Stejleste nedstigning n\xE5" "ede ikke pr\xE6" "cisionen p\xE5 " + std::to_string(descent) +
                   " iterationer; Newtons metode forts\xE6tter fra sidste punkt");
    }
    int newton = 0;
    NewtonMinimise(n, function, names, eps, values, newton);
    search.iterations += newton;
    search.check = ConfirmMinimum(n, function, names, values, eps);
    search.found = search.check.confirmed;
    search.method = Named("Newtons metode med Hessematrix af differenskvotienter, efter stejleste nedstigning", newton);
    return search;
}

bool LevenbergMarquardt(int n, const ExpressionText equations[], const VariableNames& names, double eps,
                        VariableValues& values, int& iterations) {
    auto residuals = [&](const VariableValues& p, VariableValues& f, double& sum) {
        sum = 0;
        for (int i = 1; i <= n; ++i) {
            if (!QuietValue(n, equations[i], names, p, f[i])) return false;
            sum += f[i] * f[i];
        }
        return std::isfinite(sum);
    };
    VariableValues x = values, f{}, trialF{};
    double sum = 0;
    iterations = 0;
    if (!residuals(x, f, sum)) return false;
    double damping = -1;
    for (int iter = 1; iter <= 2 * MaxNewtonIterations; ++iter) {
        iterations = iter;
        if (sum == 0) break;
        // Jacobian by central differences.
        Matrix j{};
        for (int c = 1; c <= n; ++c) {
            const double h = 1e-7 * std::max(1.0, std::fabs(x[c]));
            VariableValues ahead = x, back = x, fa{}, fb{};
            ahead[c] += h;
            back[c] -= h;
            double sa = 0, sb = 0;
            if (!residuals(ahead, fa, sa) || !residuals(back, fb, sb)) {
                values = x;
                return false;
            }
            for (int r = 1; r <= n; ++r) j[r][c] = (fa[r] - fb[r]) / (2 * h);
        }
        Matrix normal{};
        VariableValues gradient{};
        double largest = 0;
        for (int a = 1; a <= n; ++a) {
            for (int b = 1; b <= n; ++b)
                for (int r = 1; r <= n; ++r) normal[a][b] += j[r][a] * j[r][b];
            for (int r = 1; r <= n; ++r) gradient[a] += j[r][a] * f[r];
            largest = std::max(largest, normal[a][a]);
        }
        if (largest == 0) break;  // flat: no direction to go
        if (damping < 0) damping = 1e-3 * largest;
        // Raise the damping until a step lowers the sum (bounded).
        bool moved = false;
        double length = 0;
        for (int attempt = 0; attempt < 30 && !moved; ++attempt) {
            Matrix damped = normal;
            for (int a = 1; a <= n; ++a) damped[a][a] += damping;
            VariableValues step{}, minusGradient{};
            for (int a = 1; a <= n; ++a) minusGradient[a] = -gradient[a];
            if (CholeskySolve(n, damped, minusGradient, step)) {
                VariableValues trial = x;
                for (int a = 1; a <= n; ++a) trial[a] += step[a];
                double trialSum = 0;
                if (residuals(trial, trialF, trialSum) && trialSum < sum) {
                    length = VectorNorm(n, step);
                    x = trial;
                    f = trialF;
                    sum = trialSum;
                    damping = std::max(damping / 3, 1e-15 * largest);
                    moved = true;
                    break;
                }
            }
            damping *= 4;
        }
        if (!moved) break;  // no lower sum near x: a minimum of the sum
        if (iter % 5 == 0) LogPoint(n, x);
        if (length < n * eps) {
            values = x;
            return true;
        }
    }
    values = x;
    return iterations < 2 * MaxNewtonIterations;
}

EquationSearch SolveEquations(int n, const ExpressionText equations[], const VariableNames& names, double eps,
                              VariableValues& values, bool leastSquares) {
    EquationSearch search;
    if (ErrorFlag) return search;  // a malformed precision stops both methods
    const VariableValues start = values;
    bool first = false, stalled = false;
    if (leastSquares) {
        ExpressionText sum;
        if (!SumOfSquaresText(n, equations, sum)) return search;
        const MinimumSearch minimum = FindMinimum(n, sum, names, eps, values);
        if (ErrorFlag) return search;
        first = true;  // the sum's minimum is checked as a solution below
        search.method = minimum.method;
    } else {
        try {
            first = SolveEquationsNewton(n, equations, names, eps, values, &stalled);
        } catch (const ArithmeticFault&) {
            stalled = true;
            values = start;
        }
        if (ErrorFlag) return search;
        search.method = "Metode: generaliseret NewtonRapson";
        if (!first || !ConfirmSolution(n, equations, names, values, eps).confirmed) {
            AddLogLine("NewtonRapson gav ingen bekr\xE6" "ftet l\xF8sning; Levenberg-Marquardt forts\xE6tter fra " +
                       PointText(n, values));
            int iterations = 0;
            LevenbergMarquardt(n, equations, names, eps, values, iterations);
            search.method = Named("Levenberg-Marquardt (d\xE6mpet Gauss-Newton), efter NewtonRapson", iterations);
            first = true;
            ExpressionText sum;
            if (!ConfirmSolution(n, equations, names, values, eps).confirmed && SumOfSquaresText(n, equations, sum)) {
                // Stuck where the sum of squares is flat but no minimum (x^2-1
                // at x = 0): Newton's method on the sum leaves along its
                // negative curvature.
                AddLogLine("Levenberg-Marquardt gav ingen bekr\xE6" "ftet l\xF8sning; Newtons metode p\xE5 "
                           "kvadratsummen forts\xE6tter fra " + PointText(n, values));
                NewtonMinimise(n, sum, names, eps, values, iterations);
                search.method = Named("Newtons metode p\xE5 kvadratsummen, efter NewtonRapson og Levenberg-Marquardt",
                                      iterations);
            }
        }
    }
    search.check = ConfirmSolution(n, equations, names, values, eps);
    search.found = first && search.check.confirmed;
    if (!search.found) {
        // At a minimum of the sum of squares above 0 there is no solution nearby.
        double sum = 0, value = 0;
        bool ok = true;
        for (int i = 1; i <= n && ok; ++i) {
            ok = QuietValue(n, equations[i], names, values, value);
            sum += value * value;
        }
        ExpressionText sumText;
        if (ok && sum > 0) {
            SilentScope quiet;
            if (SumOfSquaresText(n, equations, sumText)) {
                double centre = 0;
                VariableValues g{};
                Matrix h;
                if (DifferenceDerivatives(n, sumText, names, values, 1e-4, centre, g, h)) {
                    VariableValues lambda{};
                    Matrix v;
                    SymmetricEigen(n, h, lambda, v);
                    // Stationary: the gradient is small against the sum itself.
                    search.noSolution = lambda[1] > -1e-6 * std::max(1.0, std::fabs(lambda[n])) &&
                                        VectorNorm(n, g) <= 1e-3 * std::sqrt(sum) + 1e-9;
                    search.sumOfSquares = sum;
                }
            }
        }
    }
    return search;
}

std::vector<double> SolutionsInInterval(const ExpressionText& equation, char name, double low, double high,
                                        double eps, std::vector<std::string>& reports) {
    constexpr int Steps = 2000;
    VariableNames names{};
    names[1] = name;
    const ExpressionText equations[] = {"", equation};
    auto f = [&](double x, double& value) {
        VariableValues p{};
        p[1] = x;
        return QuietValue(1, equation, names, p, value);
    };
    std::vector<double> xs(Steps + 1), fs(Steps + 1);
    std::vector<bool> defined(Steps + 1);
    for (int k = 0; k <= Steps; ++k) {
        xs[k] = low + (high - low) * k / Steps;
        defined[k] = f(xs[k], fs[k]);
    }
    std::vector<double> candidates;
    for (int k = 0; k < Steps; ++k) {
        if (!defined[k] || !defined[k + 1]) continue;
        if (fs[k] == 0) candidates.push_back(xs[k]);
        if ((fs[k] < 0) == (fs[k + 1] < 0) || fs[k] == 0 || fs[k + 1] == 0) continue;
        // Bisection. A pole ends here too; its check refuses it (the
        // difference quotient across it is no derivative).
        double a = xs[k], b = xs[k + 1], fa = fs[k];
        bool ok = true;
        for (int i = 0; i < 80 && ok; ++i) {
            const double m = (a + b) / 2;
            double fm = 0;
            if (m <= a || m >= b) break;
            ok = f(m, fm);
            if (!ok) break;
            if ((fm < 0) == (fa < 0)) {
                a = m;
                fa = fm;
            } else {
                b = m;
            }
        }
        if (ok) candidates.push_back(a);
    }
    if (defined[Steps] && fs[Steps] == 0) candidates.push_back(xs[Steps]);
    // Touching zeros: local minima of |f| without a sign change, refined by golden section.
    for (int k = 1; k < Steps; ++k) {
        if (!defined[k - 1] || !defined[k] || !defined[k + 1]) continue;
        const double here = std::fabs(fs[k]);
        if (here == 0 || here > std::fabs(fs[k - 1]) || here > std::fabs(fs[k + 1])) continue;
        if ((fs[k - 1] < 0) != (fs[k] < 0) || (fs[k + 1] < 0) != (fs[k] < 0)) continue;
        double a = xs[k - 1], b = xs[k + 1];
        const double r = (std::sqrt(5.0) - 1) / 2;
        double c = b - r * (b - a), d = a + r * (b - a), fc = 0, fd = 0;
        bool ok = f(c, fc) && f(d, fd);
        for (int i = 0; i < 100 && ok && b - a > 1e-15 * std::max(1.0, std::fabs(a)); ++i) {
            if (std::fabs(fc) < std::fabs(fd)) {
                b = d;
                d = c;
                fd = fc;
                c = b - r * (b - a);
                ok = f(c, fc);
            } else {
                a = c;
                c = d;
                fc = fd;
                d = a + r * (b - a);
                ok = f(d, fd);
            }
        }
        if (ok) candidates.push_back(std::fabs(fc) < std::fabs(fd) ? c : d);
    }
    std::sort(candidates.begin(), candidates.end());
    std::vector<double> solutions;
    for (double x : candidates) {
        if (!solutions.empty() && std::fabs(x - solutions.back()) <= 1e-6 * std::max(1.0, std::fabs(x))) continue;
        VariableValues p{};
        p[1] = x;
        const Confirmation check = ConfirmSolution(1, equations, names, p, eps);
        if (!check.confirmed) continue;
        solutions.push_back(x);
        reports.push_back(check.report);
    }
    return solutions;
}
