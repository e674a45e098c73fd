// Simpson's rule and the interval checks of an antiderivative.
#include <cmath>

#include "RecordingHost.h"
#include "Simpson.h"

namespace {

using SimpsonIntegralTest = EngineTest;

struct SimpsonCase {
    const char* f;
    int n;
    double a, b, value;
};

TEST_F(SimpsonIntegralTest, Values) {
    const SimpsonCase cases[] = {
        {"x^2", 21, 0, 3, 9},                 // exact for polynomials up to degree 3
        {"x^3-x", 1, -1, 2, 2.25},
        {"x^2", 21, 3, 0, -9},                // b < a: the negative
        {"sin(x)", 21, 0, 3.141592653589793, 2},
        {"exp(x)", 21, 0, 1, std::exp(1.0) - 1},
        {"x^2", 0, 0, 3, 9},                  // no panels: one panel
    };
    for (const auto& c : cases) {
        ErrorFlag = false;
        EXPECT_NEAR(SimpsonIntegral(c.f, c.n, c.a, c.b), c.value, 1e-6) << c.f << " n=" << c.n;
        EXPECT_FALSE(ErrorFlag);
    }
}

TEST_F(SimpsonIntegralTest, UndefinedAtAPanelMiddleGivesZeroWithTheFlag) {
    EXPECT_EQ(SimpsonIntegral("sqrt(x)", 21, -2, -1), 0);
    EXPECT_TRUE(ErrorFlag);
}

TEST_F(SimpsonIntegralTest, AntiderivativeOnTheInterval) {
    EXPECT_TRUE(AntiderivativeHoldsOn("-cos(x)", "sin(x)", 21, 0, 10));
    EXPECT_TRUE(AntiderivativeHoldsOn("2/3*x*sqrt(x)", "sqrt(x)", 21, 0, 1));  // singular f' at 0
    EXPECT_TRUE(AntiderivativeHoldsOn("exp(10*x)/10", "exp(10*x)", 21, 0, 5));
    // Steep but smooth: a narrow peak and a high power are no jumps of F (the
    // rule's own estimate would be far off there).
    EXPECT_TRUE(AntiderivativeHoldsOn("atan(sqrt(2147483647)*x)/sqrt(2147483647)", "1/(2147483647*x^2+1)", 21, -1, 1));
    EXPECT_TRUE(AntiderivativeHoldsOn("x^(2147483647+1)/(2147483647+1)", "x^2147483647", 21, 0, 1));
    // A jump of F between two sample points, and F outside its domain.
    EXPECT_FALSE(AntiderivativeHoldsOn("-2*sin(x)/sqrt(1-cos(x))", "sqrt(1-cos(x))", 21, -1, 2));
    EXPECT_FALSE(AntiderivativeHoldsOn("ln(x)", "1/x", 21, -2, -1));
    EXPECT_FALSE(AntiderivativeHoldsOn("x", "sin(x)", 21, 0, 1));
    EXPECT_FALSE(ErrorFlag);
    EXPECT_TRUE(host.boxes.empty());
    EXPECT_TRUE(DefinedAtSimpsonPoints("x^2", 21, -1, 1));
    EXPECT_FALSE(DefinedAtSimpsonPoints("1/x", 21, -1, 1));
}

}  // namespace
