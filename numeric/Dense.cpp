#include "Dense.h"

#include <algorithm>
#include <cmath>

#include "CompiledFunction.h"
#include "Host.h"

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

void SymmetricEigen(int n, Matrix a, VariableValues& values, Matrix& vectors) {
    vectors = Matrix{};
    for (int i = 1; i <= n; ++i) vectors[i][i] = 1;
    // Cyclic Jacobi: a handful of sweeps suffices for n <= 5.
    for (int sweep = 0; sweep < 50; ++sweep) {
        double off = 0, total = 0;
        for (int p = 1; p <= n; ++p)
            for (int q = 1; q <= n; ++q) {
                total += a[p][q] * a[p][q];
                if (p != q) off += a[p][q] * a[p][q];
            }
        if (!(off > 1e-30 * total)) break;
        for (int p = 1; p < n; ++p)
            for (int q = p + 1; q <= n; ++q) {
                if (a[p][q] == 0) continue;
                const double theta = (a[q][q] - a[p][p]) / (2 * a[p][q]);
                const double t = (theta >= 0 ? 1 : -1) / (std::fabs(theta) + std::sqrt(theta * theta + 1));
                const double c = 1 / std::sqrt(t * t + 1), s = t * c;
                for (int k = 1; k <= n; ++k) {
                    const double akp = a[k][p], akq = a[k][q];
                    a[k][p] = c * akp - s * akq;
                    a[k][q] = s * akp + c * akq;
                }
                for (int k = 1; k <= n; ++k) {
                    const double apk = a[p][k], aqk = a[q][k];
                    a[p][k] = c * apk - s * aqk;
                    a[q][k] = s * apk + c * aqk;
                }
                for (int k = 1; k <= n; ++k) {
                    const double vkp = vectors[k][p], vkq = vectors[k][q];
                    vectors[k][p] = c * vkp - s * vkq;
                    vectors[k][q] = s * vkp + c * vkq;
                }
            }
    }
    values.fill(0);
    for (int i = 1; i <= n; ++i) values[i] = a[i][i];
    // Ascending, the vectors along.
    for (int i = 1; i <= n; ++i)
        for (int j = i + 1; j <= n; ++j)
            if (values[j] < values[i]) {
                std::swap(values[i], values[j]);
                for (int k = 1; k <= n; ++k) std::swap(vectors[k][i], vectors[k][j]);
            }
}

bool QuietValue(int n, const ExpressionText& function, const VariableNames& names, const VariableValues& point,
                double& value) {
    SilentScope quiet;
    try {
        value = EvaluateFunctionN(n, function, names, point);
        return !ErrorFlag && std::isfinite(value);
    } catch (const ArithmeticFault&) {
        return false;
    }
}

bool DifferenceDerivatives(int n, const ExpressionText& function, const VariableNames& names,
                           const VariableValues& point, double step, double& centre, VariableValues& gradient,
                           Matrix& hessian) {
    SilentScope quiet;
    try {
        const CompiledFunctionN f(n, function, names);
        VariableValues h{}, ahead{};
        for (int i = 1; i <= n; ++i) h[i] = step * std::max(1.0, std::fabs(point[i]));
        centre = f(point);
        gradient.fill(0);
        hessian = Matrix{};
        for (int i = 1; i <= n; ++i) {
            VariableValues p = point;
            p[i] = point[i] + h[i];
            ahead[i] = f(p);
            p[i] = point[i] - h[i];
            const double back = f(p);
            hessian[i][i] = CheckedReal((ahead[i] - 2 * centre + back) / (h[i] * h[i]));
            // The gradient with a finer step, 1/100 of the Hessian's: its
            // error falls with the square of the step, its rounding grows
            // only with 1/step.
            const double fine = h[i] / 100;
            p[i] = point[i] + fine;
            const double fineAhead = f(p);
            p[i] = point[i] - fine;
            gradient[i] = CheckedReal((fineAhead - f(p)) / (2 * fine));
        }
        for (int i = 1; i <= n; ++i)
            for (int j = 1; j < i; ++j) {
                VariableValues q = point;
                q[i] += h[i];
                q[j] += h[j];
                hessian[i][j] = hessian[j][i] = CheckedReal((f(q) - ahead[i] - ahead[j] + centre) / (h[i] * h[j]));
            }
        return !ErrorFlag && std::isfinite(centre);
    } catch (const ArithmeticFault&) {
        return false;
    }
}
