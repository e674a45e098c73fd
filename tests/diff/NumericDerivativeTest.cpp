// The derivative text, evaluated, against a central difference quotient of
// the function at points where both are defined.
#include <cmath>
#include <string>
#include <vector>

#include "Differentiate.h"
#include "Evaluate.h"
#include "RecordingHost.h"

using DerivativeValueTest = EngineTest;

namespace {
struct Row {
    const char* f;
    double tolerance = 1e-6;
};

// Value of the whole text at x; false where it is undefined or not fully read.
bool Value(const ExpressionText& text, double x, double& value) {
    ErrorFlag = false;
    int stop = -1;
    try {
        value = EvaluateFunction(text, x, stop);
    } catch (const ArithmeticFault&) {
        return false;
    }
    bool ok = !ErrorFlag && stop == text.Length() && std::isfinite(value);
    ErrorFlag = false;
    return ok;
}
}  // namespace

TEST_F(DerivativeValueTest, MatchesTheDifferenceQuotient) {
    const std::vector<Row> rows = {
        {"3*x^2"}, {"2*x^3-4*x+1"}, {"x^5-3*x^4+x^2-7"}, {"(x+1)^3"}, {"(2*x-1)^4"},
        {"x^-2"}, {"(x^2+1)^(1/2)"}, {"x^2^3"}, {"x^2*sin(x)"}, {"x^3*sin(x)"},
        {"x*exp(x)"}, {"exp(x)*cos(x)"}, {"sin(x)*cos(x)"}, {"x*ln(x)"},
        {"3*x^2*ln(x)/(x+1)"}, {"2*x*sin(x)"}, {"(x^2-1)/(x+1)"}, {"1/x"},
        {"1/(x^2+1)"}, {"x/(x^2+1)"}, {"sin(x)/x"}, {"sin(x)/x/2"}, {"1/sin(x)"},
        {"2^x"}, {"x^x"}, {"x^sin(x)"}, {"sin(x)^x"}, {"sin(x)^cos(x)"},
        {"2^(x^2)"}, {"exp(-x^2/2)"}, {"ln(x^2+1)"}, {"sqrt(1-x^2)"}, {"sqrt(x)"},
        {"abs(x)"}, {"abs(x^2-2)"}, {"sinh(2*x)"}, {"asinh(x^2)"}, {"asin(x/2)"},
        {"asin(x)"}, {"cosh(x)^2"}, {"acosh(x^2+1)"}, {"acosh(x+1)"}, {"cos(x^2)"},
        {"tan(x/2)"}, {"atan(2*x+1)"}, {"ln(sin(x)+2)"}, {"exp(sin(x))"},
        {"sin(cos(tan(x)))"}, {"sin(x)^2+cos(x)^2"}, {"x-x/2"},
        // erf and phi are Simpson sums with few points: their difference
        // quotient is only close to the exact derivative.
        {"erf(x)", 1e-3}, {"erf(2*x)", 1e-3}, {"phi(x)", 1e-3}, {"phi(x^2)", 1e-3},
        // Texts that once gave a wrong value.
        {"x-x*sin(x)"}, {"-x*exp(x)"}, {"2^2/x"}, {"x/2^2^2"}, {"sin(x)/x^2^3"},
        {"1-2*x/sin(x)"}, {"x/-sin(x)"},
    };
    const double points[] = {-1.7, -0.7, -0.3, 0.3, 0.7, 1.3, 2.1, 2.9};
    for (const Row& row : rows) {
        ErrorFlag = false;
        ExpressionText d = DifferentiateExpression(row.f);
        ASSERT_FALSE(ErrorFlag) << row.f;
        int checked = 0;
        for (double x : points) {
            double h = 1e-5, above, below, slope;
            if (!Value(row.f, x + h, above) || !Value(row.f, x - h, below) || !Value(d, x, slope)) continue;
            double quotient = (above - below) / (2 * h);
            EXPECT_NEAR(slope, quotient, row.tolerance * std::max(1.0, std::abs(quotient)))
                << row.f << "' = " << d.Str() << " at x = " << x;
            ++checked;
        }
        EXPECT_GE(checked, 2) << row.f << "' = " << d.Str();
    }
}
