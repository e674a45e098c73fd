#include <cmath>

#include "Evaluate.h"
#include "FormFixture.h"

using DifferentiationTabTest = FormTest;

TEST_F(DifferentiationTabTest, ShowsTheTidiedDerivativeAndLogsEachStep) {
    Leave("fx_Edit", "x^2");
    EXPECT_EQ(form.Differentiation.df_dx_Edit.text, "2*x");
    EXPECT_EQ(host.log[0], "");
    EXPECT_EQ(host.log[1], "Reduceret f(x) = x^2");
    EXPECT_EQ(host.log[2], "f(x) = x^2");
    EXPECT_EQ(host.log.back(), "f'(x) = 2*x");
    Leave("x_Edit", "2");
    EXPECT_EQ(form.Differentiation.f_value_Edit.text, "4.0000");  // f, not f'
    EXPECT_TRUE(host.boxes.empty());
}

// The shown derivative must be the derivative: compare it with a central
// difference of the typed function.
TEST_F(DifferentiationTabTest, ShownDerivativeMatchesDifferenceQuotient) {
    const char* functions[] = {
        "x^3*sin(x)", "ln(x^2+1)", "exp(-x^2/2)", "(x^2-1)/(x+1)", "sqrt(1+x^2)", "sin(2*x)",
        "0.5*x^2-1,5*x", "x*exp(x)", "1/x", "cos(x)^2", "tan(x)/x", "atan(2*x)+asinh(x)",
        "2^x", "x^x", "3*x^4-2*x^3+x-7", "sinh(x)*cosh(x)", "x/(x^2+1)", "-x^2+4",
    };
    const double xs[] = {0.7, 1.3, 2.1};
    for (const char* f : functions) {
        SCOPED_TRACE(f);
        host.boxes.clear();
        Leave("fx_Edit", f);
        ASSERT_TRUE(host.boxes.empty());
        ExpressionText shown(form.Differentiation.df_dx_Edit.text);
        ASSERT_FALSE(shown.Empty());
        for (double x : xs) {
            ErrorFlag = false;
            const double h = 1e-5;
            double quotient = (EvaluateFunction(f, x + h) - EvaluateFunction(f, x - h)) / (2 * h);
            double value = EvaluateFunction(shown, x);
            ASSERT_FALSE(ErrorFlag) << shown.Str();
            EXPECT_NEAR(value, quotient, 1e-5 * (1 + std::fabs(quotient))) << shown.Str() << " at " << x;
        }
    }
}

TEST_F(DifferentiationTabTest, UnreadableTextIsReportedNotCut) {
    Leave("fx_Edit", "2x^2");
    EXPECT_EQ(host.boxes, Lines{"Fejl i funktionsudtryk: \n\r2x^2"});
    EXPECT_EQ(form.Differentiation.df_dx_Edit.text, "");
    EXPECT_EQ(host.log, Lines{""});  // nothing was computed from it
    host.boxes.clear();
    Leave("x_Edit", "1");  // f(x0) of it is refused as well
    EXPECT_EQ(form.Differentiation.f_value_Edit.text, "");
    EXPECT_EQ(host.boxes.size(), 1u);
}

TEST_F(DifferentiationTabTest, DerivativeLongerThanATextIsNotShownCut) {
    std::string f = "sin(x^2+1)*cos(x^3+2)*tan(x^4+3)*exp(x^5+4)*ln(x^6+5)*atan(x^7+6)";
    Leave("fx_Edit", f);
    EXPECT_EQ(form.Differentiation.df_dx_Edit.text, "");
    EXPECT_EQ(host.boxes, Lines{"Resultatet er for langt til at blive vist (over 255 tegn)"});
}

TEST_F(DifferentiationTabTest, EmptyFieldsComputeNothing) {
    Leave("fx_Edit", "");
    Leave("x_Edit", "");
    EXPECT_TRUE(host.log.empty());
    EXPECT_TRUE(host.boxes.empty());
}

using FaktorReduktionTabTest = FormTest;

struct ReduceCase {
    const char* typed;
    const char* shown;
    Lines log;
};

TEST_F(FaktorReduktionTabTest, ShowsTheReducedFormWithItsLogLines) {
    const std::vector<ReduceCase> cases = {
        {"x^3/x", "x^2", {"", "f(x) = x^3/x", "Reduktion: x^3/x -> x^2", "Reduceret br\xF8k f(x)=  x^2"}},
        {"0.25*x", "x/4",
         {"", "f(x) = 0.25*x", "Kovertering af decimalkommatal til br\xF8ker: fx = 1/4*x",
          "ReduceExpression f(x)= 1/4*x", "Reduktion: 1/4*x -> x/4", "Reduceret br\xF8k f(x)=  x/4"}},
        {"x+1", "x+1", {"", "f(x) = x+1"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        host.log.clear();
        Leave("Factor_fxEdit", c.typed);
        EXPECT_EQ(form.FaktorReduktion.ReduceretFxEdit.text, c.shown);
        EXPECT_EQ(host.log, c.log);
    }
    EXPECT_TRUE(host.boxes.empty());
}

TEST_F(FaktorReduktionTabTest, UnreadableTextIsReportedNotCut) {
    Leave("Factor_fxEdit", "2x+1");
    EXPECT_EQ(host.boxes, Lines{"Fejl i funktionsudtryk: \n\r2x+1"});
    EXPECT_EQ(form.FaktorReduktion.ReduceretFxEdit.text, "");
}
