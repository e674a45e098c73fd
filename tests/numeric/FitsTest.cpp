#include <cmath>
#include <sstream>

#include "CaseTable.h"
#include "Fits.h"
#include "RecordingHost.h"

namespace {
// Points "x y x y ..." of a row.
int Points(const std::string& text, Vector& x, Vector& y) {
    std::istringstream in(text);
    int n = 0;
    while (n < 21 && in >> x[n + 1] >> y[n + 1]) ++n;
    return n;
}

// The least-squares line through (u, v) from the two normal equations,
// solved by Cramer's rule: independent of the fit under test.
void Line(int n, const Vector& u, const Vector& v, double& slope, double& intercept) {
    double su = 0, sv = 0, suu = 0, suv = 0;
    for (int i = 1; i <= n; ++i) {
        su += u[i];
        sv += v[i];
        suu += u[i] * u[i];
        suv += u[i] * v[i];
    }
    const double det = n * suu - su * su;
    slope = (n * suv - su * sv) / det;
    intercept = (suu * sv - su * suv) / det;
}
}  // namespace

using FitsTest = EngineTest;

// Exponential and power fits against the line through the logarithms worked
// out here, on exact and scattered data; the shown text gives the fit back
// and R^2 is 1 exactly where the data lie on the curve.
TEST_F(FitsTest, TransformedFitsAreTheLinesThroughTheLogarithms) {
    for (const CaseRow& c : CaseTable("numeric/data/fits.tsv", "Fit")) {
        SCOPED_TRACE(c.where);
        const FitKind kind = c[0] == "exponential" ? FitKind::Exponential : FitKind::Power;
        Vector x{}, y{}, u{}, v{};
        const int n = Points(c[1], x, y);
        for (int i = 1; i <= n; ++i) {
            u[i] = kind == FitKind::Power ? std::log(x[i]) : x[i];
            v[i] = std::log(y[i]);
        }
        double slope = 0, intercept = 0, a = 0, b = 0;
        Line(n, u, v, slope, intercept);
        std::string refusal;
        ASSERT_TRUE(TransformedRegression(kind, n, x, y, a, b, refusal)) << refusal;
        EXPECT_NEAR(a, kind == FitKind::Exponential ? std::exp(slope) : slope, 1e-9 * std::fabs(a));
        EXPECT_NEAR(b, std::exp(intercept), 1e-9 * b);
        const std::string text = TransformedFitText(kind, a, b, n, x);
        EXPECT_EQ(text, c[2]);
        const Confirmation check = ConfirmTransformedFit(ExpressionText(text), kind, a, b, n, x, y);
        EXPECT_TRUE(check.confirmed) << check.report;
        // R^2 of the line through the logarithms and on the data, and the
        // spread, from the line worked out here; the shown text is rounded.
        double logResidual = 0, logTotal = 0, residual = 0, total = 0, vMean = 0, yMean = 0;
        for (int i = 1; i <= n; ++i) {
            vMean += v[i] / n;
            yMean += y[i] / n;
        }
        for (int i = 1; i <= n; ++i) {
            const double line = intercept + slope * u[i];
            logResidual += (v[i] - line) * (v[i] - line);
            logTotal += (v[i] - vMean) * (v[i] - vMean);
            residual += (y[i] - std::exp(line)) * (y[i] - std::exp(line));
            total += (y[i] - yMean) * (y[i] - yMean);
        }
        const FitQuality q = AssessFit(ExpressionText(text), kind, 2, n, x, y);
        ASSERT_TRUE(q.readable);
        EXPECT_NEAR(q.transformedDetermination, 1 - logResidual / logTotal, 1e-3);
        EXPECT_NEAR(q.determination, 1 - residual / total, 1e-3);
        EXPECT_NEAR(q.spread, std::sqrt(residual / (n - 2)), 2e-4 * std::sqrt(total));
    }
}

TEST_F(FitsTest, LogarithmsOfNothingAreRefused) {
    Vector x{0, 0, 1, 2}, y{0, 1, 0, 4};
    double a = 0, b = 0;
    std::string refusal;
    EXPECT_FALSE(TransformedRegression(FitKind::Exponential, 3, x, y, a, b, refusal));
    EXPECT_EQ(refusal, "Eksponentiel regression kr\xE6ver y > 0 i alle punkter (ln y skal findes); punkt 2 har y = 0.0000");
    y[2] = 2;
    EXPECT_TRUE(TransformedRegression(FitKind::Exponential, 3, x, y, a, b, refusal));
    EXPECT_FALSE(TransformedRegression(FitKind::Power, 3, x, y, a, b, refusal));
    EXPECT_EQ(refusal, "Potensregression kr\xE6ver x > 0 i alle punkter (ln x skal findes); punkt 1 har x = 0.0000");
    // A text that does not give the fit back is refused.
    x = Vector{0, 1, 2, 3};
    y = Vector{0, 2, 4, 8};
    EXPECT_FALSE(ConfirmTransformedFit("1.0000*2.0010^x", FitKind::Exponential, 2, 1, 3, x, y).confirmed);
    EXPECT_TRUE(ConfirmTransformedFit("1.0000*2.0000^x", FitKind::Exponential, 2, 1, 3, x, y).confirmed);
}
