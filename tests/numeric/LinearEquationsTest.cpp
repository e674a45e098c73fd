#include <algorithm>
#include <cmath>
#include <sstream>

#include "CaseTable.h"
#include "Confirm.h"
#include "Evaluate.h"
#include "LinearEquations.h"
#include "RecordingHost.h"

namespace {
// "a b c | d e f": the rows of an augmented matrix.
Matrix System(const std::string& text) {
    Matrix a{};
    std::istringstream in(text);
    for (int r = 1, c = 1; in >> std::ws && !in.eof();) {
        if (in.peek() == '|') {
            in.get();
            ++r, c = 1;
        } else {
            in >> a[r][c++];
        }
    }
    return a;
}
}  // namespace

using SolveLinearEquationTest = EngineTest;

TEST_F(SolveLinearEquationTest, SolvesByEliminationWithRowExchange) {
    for (const CaseRow& c : CaseTable("numeric/data/methods.tsv", "Linear")) {
        std::istringstream solution(c[1]);
        std::vector<double> expected;
        for (double v; solution >> v;) expected.push_back(v);
        Vector x;
        ASSERT_TRUE(SolveLinearEquation(static_cast<int>(expected.size()), System(c[0]), x)) << c.where;
        for (std::size_t i = 0; i < expected.size(); ++i) EXPECT_NEAR(x[i + 1], expected[i], 1e-14) << c.where;
    }
    EXPECT_TRUE(host.log.empty());
}

TEST_F(SolveLinearEquationTest, SingularSystemIsLoggedAndGivesZeros) {
    Vector x;
    x.fill(7);
    EXPECT_FALSE(SolveLinearEquation(2, System("1 2 3 | 2 4 6"), x));
    EXPECT_EQ(host.log, Lines{"Singul\xE6r Matrix i SolveLinearEquation"});
    for (double v : x) EXPECT_EQ(v, 0);
    EXPECT_TRUE(host.boxes.empty());
}

using RegressionTest = EngineTest;

// Exact fits are checked against the corpus and through the tab; these are
// the edge cases of the fits.
TEST_F(RegressionTest, FitEdgeCases) {
    RegressionCoefficients p;
    // The point at x = 0 counts in the constant term.
    Vector u{0, -1, 0, 1}, v{0, 1, 0, 1};
    ASSERT_TRUE(PolynomialRegression(3, 2, u, v, p));
    EXPECT_NEAR(p[0], 0, 1e-15);
    EXPECT_NEAR(p[1], 0, 1e-15);
    EXPECT_NEAR(p[2], 1, 1e-15);
    // Degree 5 through 3 points is made with degree 2.
    ASSERT_TRUE(PolynomialRegression(3, 5, u, v, p));
    EXPECT_NEAR(p[2], 1, 1e-15);
    EXPECT_EQ(p[3], 0);
    EXPECT_TRUE(host.log.empty());
    // Points sharing one x have no fit.
    Vector x{0, 0.1, 0.1, 0.1}, y{0, 1, 2, 3};
    double a = 5, b = 5;
    EXPECT_FALSE(LinearRegression(3, x, y, a, b));
    EXPECT_EQ(a, 0);
    EXPECT_FALSE(PolynomialRegression(3, 2, x, y, p));
    EXPECT_EQ(host.log, Lines{"Singul\xE6r Matrix i SolveLinearEquation"});
    // Two distinct x are too few for a parabola.
    Vector two{0, 1, 2, 1};
    host.log.clear();
    EXPECT_FALSE(PolynomialRegression(3, 2, two, y, p));
    EXPECT_EQ(host.log.size(), 1u);
}

// The least-squares fit computed apart from the library: normal equations of
// the abscissae centred and scaled to [-1, 1], in long double, solved by
// Gauss-Jordan elimination, then expanded to powers of x.
std::vector<long double> ReferenceFit(const std::vector<double>& xs, const std::vector<double>& ys, int d) {
    const std::size_t n = xs.size();
    long double c = 0, s = 0;
    for (double x : xs) c += x;
    c /= n;
    for (double x : xs) s = std::max(s, std::fabs(x - c));
    const int m = d + 1;
    std::vector<std::vector<long double>> g(m, std::vector<long double>(m + 1, 0));
    for (std::size_t i = 0; i < n; ++i) {
        const long double t = (xs[i] - c) / s;
        std::vector<long double> power(2 * m, 1);
        for (int k = 1; k < 2 * m; ++k) power[k] = power[k - 1] * t;
        for (int r = 0; r < m; ++r) {
            for (int q = 0; q < m; ++q) g[r][q] += power[r + q];
            g[r][m] += power[r] * ys[i];
        }
    }
    for (int k = 0; k < m; ++k) {
        int p = k;
        for (int r = k + 1; r < m; ++r)
            if (std::fabs(g[r][k]) > std::fabs(g[p][k])) p = r;
        std::swap(g[p], g[k]);
        for (int r = 0; r < m; ++r)
            if (r != k) {
                const long double f = g[r][k] / g[k][k];
                for (int q = k; q <= m; ++q) g[r][q] -= f * g[k][q];
            }
    }
    // sum q_k ((x - c)/s)^k in powers of x
    std::vector<long double> result(m, 0);
    for (int k = m - 1; k >= 0; --k) {
        for (int j = m - 1; j >= 1; --j) result[j] = result[j] * (-c / s) + result[j - 1] / s;
        result[0] = result[0] * (-c / s) + g[k][m] / g[k][k];
    }
    return result;
}

TEST_F(RegressionTest, AgreesWithAnIndependentFitOnTheCorpus) {
    int count = 0;
    for (const CaseRow& row : CaseTable("numeric/regression-points.txt", "Fit")) {
        SCOPED_TRACE(row.where + " " + row[0]);
        const int degree = row.Int(1);
        std::string points = row[2];
        std::vector<double> xs, ys;
        for (std::size_t open; (open = points.find('(')) != std::string::npos;) {
            const std::size_t comma = points.find(',', open), close = points.find(')', comma);
            xs.push_back(std::stod(points.substr(open + 1, comma - open - 1)));
            ys.push_back(std::stod(points.substr(comma + 1, close - comma - 1)));
            points.erase(0, close + 1);
        }
        const int n = static_cast<int>(xs.size());
        Vector x{}, y{};
        for (int i = 0; i < n; ++i) {
            x[i + 1] = xs[i];
            y[i + 1] = ys[i];
        }
        RegressionCoefficients p{};
        if (degree == 1) {
            ASSERT_TRUE(LinearRegression(n, x, y, p[1], p[0]));
        } else {
            ASSERT_TRUE(PolynomialRegression(n, degree, x, y, p));
        }
        // Relative to the size of the polynomial over the points: each
        // coefficient's error times the largest |x|^k.
        const std::vector<long double> reference = ReferenceFit(xs, ys, degree);
        long double span = 0, size = 0;
        for (double v : xs) span = std::max<long double>(span, std::fabs(v));
        for (int k = 0; k <= degree; ++k) size += std::fabs(reference[k]) * std::pow(span, k);
        for (int k = 0; k <= degree; ++k)
            EXPECT_LE(std::fabs(p[k] - reference[k]) * std::pow(span, k), 1e-9 * size) << "x^" << k;
        // The shown equation, read back, reproduces the fit; through n = degree+1
        // points that is the data itself.
        const std::string shown = FitEquation(degree, p, n, x, y);
        const Confirmation check = ConfirmFitText(shown, degree, n, x, y);
        EXPECT_TRUE(check.confirmed) << shown << ": " << check.report;
        const double range = *std::max_element(ys.begin(), ys.end()) - *std::min_element(ys.begin(), ys.end());
        if (n == degree + 1) {
            for (int i = 1; i <= n; ++i) EXPECT_NEAR(EvaluateFunction(shown, x[i]), y[i], 1e-6 * range) << shown;
        }
        ++count;
    }
    EXPECT_GE(count, 15);
}

// Exact four-decimal coefficients keep their form; others get the digits they need.
TEST_F(RegressionTest, ShownEquationForms) {
    Vector x{0, 0, 1, 2}, y{0, 1, 3, 5};
    RegressionCoefficients p{};
    p[0] = 1, p[1] = 2;
    EXPECT_EQ(FitEquation(1, p, 3, x, y), "2.0000*x+1.0000");
    y = {0, 2, 3.1, 4};
    ASSERT_TRUE(LinearRegression(3, x, y, p[1], p[0]));
    EXPECT_EQ(FitEquation(1, p, 3, x, y), "1*x+2.033333");
    // A text that misses the fit by more than 1e-6 of the data's range fails.
    EXPECT_FALSE(ConfirmFitText("1*x+2.0333", 1, 3, x, y).confirmed);
    Vector years{0, 2010, 2011, 2012, 2013}, values{0, 1, 4, 9, 16.5};
    ASSERT_TRUE(PolynomialRegression(4, 3, years, values, p));
    EXPECT_EQ(FitEquation(3, p, 4, years, values).rfind("0.0833333*(x-2012)^3", 0), 0u) << FitEquation(3, p, 4, years, values);
}
