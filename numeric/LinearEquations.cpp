#include "LinearEquations.h"

#include <algorithm>
#include <cmath>

#include "Host.h"

bool SolveLinearEquation(int n, const Matrix& matrix, Vector& x) {
    x.fill(0);
    n = std::clamp(n, 0, MaxLinearUnknowns);
    if (n == 0) return true;
    Matrix a = matrix;
    bool singular = false;
    for (int k = 1; k < n && !singular; ++k) {
        int p = k;
        for (int r = k + 1; r <= n; ++r)
            if (std::fabs(a[r][k]) > std::fabs(a[p][k])) p = r;
        if (a[p][k] == 0) {
            singular = true;
            break;
        }
        if (p != k)
            for (int j = k; j <= n + 1; ++j) std::swap(a[p][j], a[k][j]);
        const double pivot = a[k][k];
        for (int i = k + 1; i <= n; ++i) {
            const double m = a[i][k];
            for (int j = k; j <= n + 1; ++j) a[i][j] = CheckedReal(a[i][j] - a[k][j] / pivot * m);
        }
    }
    if (singular || a[n][n] == 0) {
        AddLogLine("Singul\xE6r Matrix i SolveLinearEquation");
        return false;
    }
    Vector solution{};
    solution[n] = CheckedReal(a[n][n + 1] / a[n][n]);
    for (int r = n - 1; r >= 1; --r) {
        double s = a[r][n + 1];
        for (int j = r + 1; j <= n; ++j) s -= a[r][j] * solution[j];
        solution[r] = CheckedReal(s / a[r][r]);
    }
    x = solution;
    return true;
}

bool LinearRegression(int n, const Vector& x, const Vector& y, double& a, double& b) {
    a = b = 0;
    n = std::clamp(n, 0, 41);
    // Points that all share one x have no line through them (the slope's
    // denominator is 0, or after rounding a tiny number): no fit.
    bool spread = false;
    for (int i = 2; i <= n; ++i) spread = spread || x[i] != x[1];
    if (!spread) return false;
    // Sxy - Sx*Sy/n and Sxx - Sx^2/n as sums about the means: the same
    // numbers, without the cancellation when x is far from 0.
    double mx = 0, my = 0;
    for (int i = 1; i <= n; ++i) {
        mx += x[i];
        my += y[i];
    }
    mx = CheckedReal(mx) / n;
    my = CheckedReal(my) / n;
    double sxx = 0, sxy = 0;
    for (int i = 1; i <= n; ++i) {
        sxx += (x[i] - mx) * (x[i] - mx);
        sxy += (x[i] - mx) * (y[i] - my);
    }
    a = CheckedReal(CheckedReal(sxy) / CheckedReal(sxx));
    b = CheckedReal(my - a * mx);
    return true;
}

int FittedDegree(int n, int degree) { return std::clamp(std::min(degree, n - 1), 0, MaxRegressionDegree); }

bool PolynomialRegression(int n, int degree, const Vector& x, const Vector& y, RegressionCoefficients& p) {
    p.fill(0);
    n = std::clamp(n, 0, 41);
    const int d = FittedDegree(n, degree);
    const int m = d + 1;  // unknowns
    // The fit is made in t = (x - centre)/scale, which lies in [-1, 1]: powers
    // of x far from 0 or far from 1 would make the system hopelessly
    // ill-conditioned. Householder reflections reduce the n x m system
    // V*q = y (V[i][k] = t_i^k, t^0 = 1 also for t = 0) to the triangular
    // m x m system R*q = Q'y, which SolveLinearEquation solves (and reports
    // singular when the points have fewer than m distinct x).
    double centre = 0, scale = 0;
    for (int i = 1; i <= n; ++i) centre += x[i];
    centre = n > 0 ? CheckedReal(centre) / n : 0;
    for (int i = 1; i <= n; ++i) scale = std::max(scale, std::fabs(x[i] - centre));
    if (scale == 0) scale = 1;
    double v[42][MaxRegressionDegree + 3] = {};  // rows 1..n, columns 1..m, m+1 = y
    for (int i = 1; i <= n; ++i) {
        const double t = (x[i] - centre) / scale;
        v[i][1] = 1;
        for (int k = 2; k <= m; ++k) v[i][k] = v[i][k - 1] * t;
        v[i][m + 1] = y[i];
    }
    for (int k = 1; k <= m && k <= n; ++k) {
        double norm = 0;
        for (int i = k; i <= n; ++i) norm += v[i][k] * v[i][k];
        norm = std::sqrt(CheckedReal(norm));
        if (norm == 0) continue;
        const double alpha = v[k][k] > 0 ? -norm : norm;
        // Reflect with u = column k below the diagonal minus alpha*e_k.
        const double ukk = v[k][k] - alpha;
        const double uu = CheckedReal(norm * norm - v[k][k] * v[k][k] + ukk * ukk);
        v[k][k] = alpha;
        for (int j = k + 1; j <= m + 1; ++j) {
            double dot = ukk * v[k][j];
            for (int i = k + 1; i <= n; ++i) dot += v[i][k] * v[i][j];
            const double f = 2 * dot / uu;
            v[k][j] -= f * ukk;
            for (int i = k + 1; i <= n; ++i) v[i][j] -= f * v[i][k];
        }
        for (int i = k + 1; i <= n; ++i) v[i][k] = 0;
    }
    Matrix a{};
    for (int r = 1; r <= m && r <= n; ++r) {
        for (int q = r; q <= m; ++q) a[r][q] = v[r][q];
        a[r][m + 1] = v[r][m + 1];
    }
    Vector q;
    if (!SolveLinearEquation(m, a, q)) return false;
    // Back to powers of x: sum q_k ((x - c)/s)^k, expanded by Horner's scheme
    // in the polynomial x/s - c/s.
    RegressionCoefficients result{};
    for (int k = m; k >= 1; --k) {
        // result := result * (x/s - c/s) + q_k
        for (int j = m - 1; j >= 1; --j) result[j] = result[j] * (-centre / scale) + result[j - 1] / scale;
        result[0] = result[0] * (-centre / scale) + q[k];
    }
    for (int k = 0; k <= d; ++k) p[k] = CheckedReal(result[k]);
    return true;
}
