// The integration driver: its fixed cases, the constant factor, the sum
// rule, and the corpus of school integrands with its found/checked counts.
#include <algorithm>
#include <chrono>
#include <cmath>
#include <fstream>
#include <iostream>
#include <string>
#include <tuple>

#include "Differentiate.h"
#include "Evaluate.h"
#include "Fractions.h"
#include "Integrate.h"
#include "RecordingHost.h"
#include "Reduce.h"
#include "Substitution.h"
#include "Verify.h"

namespace {

struct DriverCase {
    const char* f;
    const char* F;
};

class IntegrateExpressionTest : public EngineTest, public ::testing::WithParamInterface<DriverCase> {};

TEST_P(IntegrateExpressionTest, Gives) {
    EXPECT_EQ(IntegrateExpression(GetParam().f).Str(), GetParam().F);
    EXPECT_FALSE(ErrorFlag);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, IntegrateExpressionTest,
    ::testing::Values(DriverCase{"", ""}, DriverCase{"0", "1"}, DriverCase{"5", "5*x"},
                      DriverCase{"2.5", "5/2*x"}, DriverCase{"2-3", "-1*x"},
                      DriverCase{"3*x*exp(x)", "3*(x*exp(x)-exp(x))"},  // factor over the whole F
                      DriverCase{"-sin(x)", "cos(x)"},
                      DriverCase{"2^3*cos(x)", "8*sin(x)"}, DriverCase{"2^-3*cos(x)", "1/8*sin(x)"},
                      DriverCase{"x^2+(-1.5)*sin(x)", "1/3*x^3+3/2*cos(x)"},
                      DriverCase{"X^2", "1/3*x^3"},
                      // The sum rule for a sum the table cannot take whole.
                      DriverCase{"3*x*exp(x)-2*x*sin(x)", "3*(x*exp(x)-exp(x))-2*(-x*cos(x)+sin(x))"},
                      // Beyond the reduction depth: no result rather than a cut one.
                      DriverCase{"x^12*exp(x)", ""}));

struct FactorCase {
    const char* F;
    const char* factor;
    const char* divisor;
    const char* result;
};

class ApplyConstantFactorTest : public EngineTest, public ::testing::WithParamInterface<FactorCase> {};

TEST_P(ApplyConstantFactorTest, Gives) {
    const FactorCase& c = GetParam();
    EXPECT_EQ(ApplyConstantFactor(c.F, c.factor, c.divisor).Str(), c.result);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ApplyConstantFactorTest,
    ::testing::Values(FactorCase{"-cos(x)", "3", "", "-3*cos(x)"}, FactorCase{"-cos(x)", "-3", "", "3*cos(x)"},
                      FactorCase{"/x", "3", "", "3/x"}, FactorCase{"sin(x)", "1", "", "sin(x)"},
                      FactorCase{"x*exp(x)-exp(x)", "3", "", "3*(x*exp(x)-exp(x))"},
                      FactorCase{"1/2*x^2", "3", "", "3/2*x^2"}, FactorCase{"sin(x)", "3", "2", "3/2*sin(x)"},
                      FactorCase{"sin(x)", "", "", "sin(x)"},
                      // -2^x is (-2)^x: its minus is no sign of the term.
                      FactorCase{"-2^x", "3", "", "3*(-2^x)"}, FactorCase{"-x^2", "3", "", "-3*x^2"},
                      // -3^22 would be (-3)^22: a power too large to fold keeps its own brackets.
                      FactorCase{"-cos(x)", "3^22", "", "-(3^22)*cos(x)"},
                      FactorCase{"1/2*x^2", "3^22", "", "3^22*(1/2)*x^2"}));

struct SplitCase {
    const char* term;
    const char* factor;
    const char* rest;
};

class SplitConstantFactorTest : public EngineTest, public ::testing::WithParamInterface<SplitCase> {};

TEST_P(SplitConstantFactorTest, Gives) {
    ExpressionText term = GetParam().term;
    EXPECT_EQ(SplitConstantFactor(term).Str(), GetParam().factor);
    EXPECT_EQ(term.Str(), GetParam().rest);
}

INSTANTIATE_TEST_SUITE_P(Cases, SplitConstantFactorTest,
                         ::testing::Values(SplitCase{"3*x", "3", "x"}, SplitCase{"3/x", "3", "1/x"},
                                           SplitCase{"3/4*x", "3/4", "x"}, SplitCase{"2^3*x", "8", "x"},
                                           SplitCase{"2^x", "", "2^x"}, SplitCase{"sin(x)", "", "sin(x)"},
                                           // 3*-x^2 is 3*(-x)^2: the rest keeps that reading.
                                           SplitCase{"3*-x^2", "3", "(-x)^2"}));

TEST(FindWildcardPatternTest, FindsTheBinding) {
    ExpressionText binding;
    EXPECT_EQ(FindWildcardPattern("1/sqrt(1-x^2)", "1-?^2", binding).Str(), "1-x^2");
    EXPECT_EQ(binding.Str(), "x");
    EXPECT_EQ(FindWildcardPattern("1/(1+(2*x)^2)", "1+?^2", binding).Str(), "1+(2*x)^2");
    EXPECT_EQ(binding.Str(), "(2*x)");
    EXPECT_EQ(FindWildcardPattern("sin(x)", "1-?^2", binding).Str(), "");
    EXPECT_EQ(FindWildcardPattern("x+1", "x+1", binding).Str(), "x+1");
}

// --- The corpus ---------------------------------------------------------

ExpressionText Tidy(const ExpressionText& F) {
    ExpressionText r;
    DecimalsToFractions(F, r);
    if (IsSingleTerm(r)) {
        ExpressionText s;
        DecimalsToFractions(ReduceExpression(r), s);
        r = s;
    }
    return r;
}

// An independent, denser check than the one that decides what is shown:
// difference quotients of F at 60 points of [-9, 9] where f and F are
// smooth; returns the first point where F' differs from f, or NaN.
double DenseMismatch(const ExpressionText& f, const ExpressionText& F) {
    for (int i = 0; i < 60; ++i) {
        double x = -9.03 + 0.3011 * i, fx = 0, a = 0, b = 0, c = 0, d = 0;
        double h = 1e-4 * (1 + std::fabs(x));
        if (!TryEvaluate(f, x, fx) || std::fabs(fx) > 1e6) continue;
        if (!TryEvaluate(F, x - h, a) || !TryEvaluate(F, x + h, b) || !TryEvaluate(F, x - h / 2, c) ||
            !TryEvaluate(F, x + h / 2, d))
            continue;
        double q1 = (b - a) / (2 * h), q2 = (d - c) / h;
        if (std::fabs(q1 - q2) > 1e-3 * (1 + std::fabs(q1))) continue;  // not smooth here
        if (std::fabs(q2 - fx) > 1e-3 * (1 + std::fabs(fx))) return x;
    }
    return NAN;
}

using IntegrationCorpusTest = EngineTest;

TEST_F(IntegrationCorpusTest, ShownAntiderivativesAreRight) {
    std::ifstream in(KVADRIX_INTEGRANDS);
    ASSERT_TRUE(in) << KVADRIX_INTEGRANDS;
    int total = 0, found = 0, caught = 0;
    double slowest = 0, seconds = 0;
    std::string line;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#') continue;
        bool required = line[0] == '!';
        ExpressionText f = required ? line.substr(1) : line;
        ++total;
        ErrorFlag = false;
        auto start = std::chrono::steady_clock::now();
        ExpressionText F = IntegrateExpression(f);
        bool ok = !F.Empty() && !ErrorFlag;
        if (ok) F = Tidy(F);
        ExpressionText dF;
        if (ok) {
            ErrorFlagGuard guard;
            dF = DifferentiateExpression(F);
        }
        bool shown = ok && CheckAntiderivative(f, F, dF).passed;
        double t = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        seconds += t;
        slowest = std::max(slowest, t);
        if (ok) ++found;
        if (ok && !shown) ++caught;
        if (required) {
            EXPECT_TRUE(shown) << f.Str() << " -> " << F.Str();
        }
        if (shown) {
            double at = DenseMismatch(f, F);
            EXPECT_TRUE(std::isnan(at)) << "wrong antiderivative shown: I(" << f.Str() << ")dx = " << F.Str()
                                        << " at x = " << at;
        }
    }
    std::cout << "corpus: " << total << " integrands, " << found << " found, " << caught
              << " caught by the check, mean " << seconds / total * 1e6 << " us, slowest " << slowest * 1e6
              << " us\n";
    EXPECT_GE(total, 100);
    EXPECT_TRUE(host.boxes.empty());
}

}  // namespace

namespace {

struct BackCase {
    const char* F;
    const char* c;
    const char* k;
    const char* t;
    const char* d;
    const char* result;
};

class BackSubstituteTest : public EngineTest, public ::testing::WithParamInterface<BackCase> {};

TEST_P(BackSubstituteTest, Gives) {
    const BackCase& b = GetParam();
    EXPECT_EQ(BackSubstitute(b.F, b.c, b.k, b.t, b.d).Str(), b.result);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, BackSubstituteTest,
    ::testing::Values(BackCase{"sin(x)", "", "2", "x^2", "", "1/2*sin(x^2)"},
                      BackCase{"sin(x)", "", "-2", "x^2", "", "-1/2*sin(x^2)"},
                      BackCase{"sin(x)", "", "3/4", "x^2", "", "4/3*sin(x^2)"},
                      BackCase{"exp(x)", "3", "", "x^2", "", "3*exp(x^2)"},
                      // t replaces the variable as a whole, never the x of exp.
                      BackCase{"x^2", "", "", "2*x+1", "", "(2*x+1)^2"},
                      BackCase{"x^2", "", "", "-x", "", "(-x)^2"},
                      // A constant function factor of t' divides the result.
                      BackCase{"x", "", "", "2^x", "ln(2)", "1/ln(2)*2^x"},
                      BackCase{"x", "", "", "2^x", "1/ln(2)", "1/(1/ln(2))*2^x"},
                      BackCase{"exp(x)", "", "", "", "", "exp(x)"}));

TEST(InverseFunctionTest, PairsEachFunctionWithItsInverse) {
    EXPECT_EQ(InverseFunction("sinh(x)", "2*x").Str(), "asinh(2*x)");
    EXPECT_EQ(InverseFunction("sin(x)", "x").Str(), "asin(x)");
    EXPECT_EQ(InverseFunction("tan(x)", "x/2").Str(), "atan(x/2)");
    EXPECT_EQ(InverseFunction("asin(x)", "x").Str(), "sin(x)");
    EXPECT_EQ(InverseFunction("erf(x)", "x").Str(), "");
}

TEST(SplitConstantFunctionFactorsTest, TakesConstantFactorsOnly) {
    const std::tuple<const char*, const char*, const char*> cases[] = {
        {"2^x*ln(2)", "ln(2)", "2^x"},
        {"ln(2)*2^x", "ln(2)", "2^x"},
        {"2^x/ln(2)", "1/ln(2)", "2^x"},
        {"ln(2)/x", "ln(2)", "1/x"},
        {"sin(2)*cos(x)*exp(1)", "sin(2)*exp(1)", "cos(x)"},
        {"asin(1)*x", "asin(1)", "x"},
        {"ln(x)*2", "", "ln(x)*2"},
        {"ln(2)+x", "", "ln(2)+x"},  // not a factor of the whole
    };
    for (auto [term, factors, rest] : cases) {
        ExpressionText t = term;
        EXPECT_EQ(SplitConstantFunctionFactors(t).Str(), factors) << term;
        EXPECT_EQ(t.Str(), rest) << term;
    }
}

}  // namespace

namespace {

struct StrategyCase {
    const char* f;
    const char* F;
    Lines logged;  // lines that must appear in the log, in this order
};

class StrategyTest : public EngineTest, public ::testing::WithParamInterface<StrategyCase> {};

TEST_P(StrategyTest, FindsAndLogs) {
    const StrategyCase& c = GetParam();
    ExpressionText F = IntegrateExpression(c.f);
    EXPECT_EQ(F.Str(), c.F);
    EXPECT_FALSE(ErrorFlag);
    ExpressionText dF;
    {
        ErrorFlagGuard guard;
        dF = DifferentiateExpression(F);
    }
    EXPECT_TRUE(CheckAntiderivative(c.f, F, dF).passed) << F.Str();
    auto at = host.log.begin();
    for (const auto& line : c.logged) {
        at = std::find(at, host.log.end(), line);
        EXPECT_NE(at, host.log.end()) << line;
    }
    EXPECT_TRUE(host.boxes.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Substitution, StrategyTest,
    ::testing::Values(
        StrategyCase{"cos(x^2)*x", "1/2*sin(x^2)", {"F(x) = I(cos(t))dt ; t=x^2 ; dt=2*(x)dx"}},
        // A linear inner function inside another: substituted twice.
        StrategyCase{"sin(2*x+1)",
                     "-1/2*cos(2*x+1)",
                     {"F(x) = I(sin(t))dt ; t=x+1 ; dt=1*dx", "F(x) = I(sin(t+1))dt ; t=2*x ; dt=2*dx"}},
        StrategyCase{"exp(x^2)*x", "1/2*exp(x^2)", {}},
        StrategyCase{"x*exp(-x^2)", "-1/2*exp(-x^2)", {}},
        StrategyCase{"x/(x^2+1)", "1/2*ln(x^2+1)", {"F(x) = I(1/(t+1))dt ; t=x^2 ; dt=2*(x)dx"}},
        // The x beside a linear inner function is written in the new variable.
        StrategyCase{"x*(x^2+1)^3", "1/8*(x^2+1)^4", {}},
        // t = sqrt(x): x = t^2, dx = 2*t*dt.
        StrategyCase{"exp(sqrt(x))", "2*(sqrt(x)*exp(sqrt(x))-exp(sqrt(x)))",
                     {"F(x) = I(2*t*(exp(t)))dt ; t=sqrt(x) ; dt=1/(2*sqrt(x))dx"}},
        StrategyCase{"x*sqrt(x+1)", "2/5*(x+1)^(5/2)-2/3*(x+1)*sqrt(x+1)",
                     {"F(x) = I((t-1)*sqrt(t))dt ; t=x+1 ; dt=1*dx"}},
        StrategyCase{"sqrt(1-x^2)", "1/2*(asin(x)+1/2*sin(2*asin(x)))",
                     {"Fors\xF8ger at udregne: I(cos(x)^2)dx"}}));

INSTANTIATE_TEST_SUITE_P(
    RationalFunctions, StrategyTest,
    ::testing::Values(
        StrategyCase{"(x^2+1)/x", "1/2*x^2+ln(x)", {"Fors\xF8ger at udregne: I(x)dx", "Fors\xF8ger at udregne: I((1)/(x))dx"}},
        StrategyCase{"1/(x^2-1)",
                     "(1/2)*(ln(x-1))-(1/2)*(ln(x+1))",
                     {"Fors\xF8ger at udregne: I(1/(x-1))dx", "Fors\xF8ger at udregne: I(1/(x+1))dx"}},
        StrategyCase{"1/(x^2+2*x+1)", "-1/(x+1)", {"Fors\xF8ger at udregne: I(1/(x+1)^2)dx"}},
        StrategyCase{"3/(2*x^2+2)", "3/sqrt(2*2)*atan(sqrt(2/2)*x)", {}},
        StrategyCase{"1/(x^2+2*x+5)",
                     "1/(1*sqrt((4*1*5-2*2)/(4*1*1)))*atan((x+2/(2*1))/sqrt((4*1*5-2*2)/(4*1*1)))", {}},
        // Roots that are no fractions: the exact logarithm form.
        StrategyCase{"1/(x^2-2)", "1/sqrt(8)*ln(abs((2*x-sqrt(8))/(2*x+sqrt(8))))", {}},
        // The constant over a quadratic left by a division.
        StrategyCase{"(x^3+x+1)/(x^2+1)", "1/2*x^2+1/sqrt(1*1)*atan(sqrt(1/1)*x)", {}}));

}  // namespace
