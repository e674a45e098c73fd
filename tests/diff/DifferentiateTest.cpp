#include <string>
#include <vector>

#include "Differentiate.h"
#include "RecordingHost.h"

using DifferentiateExpressionTest = EngineTest;

namespace {
struct Case {
    const char* input;
    const char* derivative;
};

std::string Repeat(const std::string& s, int n) {
    std::string r;
    for (int i = 0; i < n; ++i) r += s;
    return r;
}
}  // namespace

TEST_F(DifferentiateExpressionTest, BuildsTheRawDerivativeByTheRules) {
    const std::vector<Case> cases = {
        // Worked results and edge cases.
        {"x^2", "2*x^(2-1)"},
        {"sin(x)", "cos(x)"},
        {"sin(2*x)", "cos(2*x)*(2)"},
        {"x*sin(x)", "sin(x)+x*(cos(x))"},
        {"-x", "-1"},
        {"(x+1)", "(1+0)"},
        {"7", "0"},
        {"pi", "0"},
        {"2.5e-3*pi", "0"},
        {"x", "1"},
        {"2^x", "2^x*ln(2)"},
        {"x^x", "x^x*(1+ln(x))"},
        {"x/x", "0"},
        {"sin(x)/x/2", "(cos(x)*x-sin(x))/x^2/2"},
        {"2*x*sin(x)", "2*(sin(x)+x*(cos(x)))"},
        {"x^2^3", "3*x^2^(3-1)*2*x^(2-1)"},
        {"tan(x)", "(1+tan(x)^2)"},
        {"atan(x)", "1/(1+x^2)"},
        {"sinh(x)", "cosh(x)"},
        {"asinh(x)", "1/sqrt(1+x^2)"},
        {"SIN( X ) ", "cos(x)"},
        // The other standard functions of x.
        {"abs(x)", "abs(x)/x"},
        {"sqrt(x)", "1/(2*sqrt(x))"},
        {"asin(x)", "1/sqrt(1-x^2)"},
        {"cos(x)", "(-sin(x))"},
        {"cosh(x)", "sinh(x)"},
        {"acosh(x)", "1/sqrt(x^2-1)"},
        {"ln(x)", "1/x"},
        {"exp(x)", "exp(x)"},
        {"erf(x)", "2/sqrt(pi)*exp(-x^2)"},
        {"phi(x)", "1/sqrt(2*pi)*exp(-0.5*x^2)"},
        // Chains keep the user's names inside the argument.
        {"ln(x^2+1)", "1/(x^2+1)*(2*x^(2-1)+0)"},
        {"tan(2*x)", "(1+tan(2*x)^2)*(2)"},
        {"atan(sinh(x))", "1/(1+(sinh(x))^2)*(cosh(x))"},
        {"acosh(cosh(x))", "1/sqrt((cosh(x))^2-1)*(sinh(x))"},
        {"sin(5)", "0"},
        // Product table.
        {"2*x", "2"},
        {"x*3", "3"},
        {"x*x", "2*x"},
        {"3*pi", "0"},
        {"sin(x)*3", "(cos(x))*3"},
        {"sin(x)*x", "cos(x)*x+sin(x)"},
        {"sin(x)*cos(x)", "cos(x)*cos(x)+sin(x)*((-sin(x)))"},
        // Quotient table.
        {"1/x", "(-1/x^2)"},
        {"1/sin(x)", "(-1/(sin(x))^2*cos(x))"},
        {"x/2", "1/2"},
        {"x/sin(x)", "(sin(x)-x*cos(x))/sin(x)^2"},
        {"sin(x)/2", "cos(x)/2"},
        {"(x^2-1)/(x+1)", "((2*x^(2-1)-0)*(x+1)-(x^2-1)*(1+0))/(x+1)^2"},
        {"4/2", "0"},
        // Power table.
        {"2^3", "0"},
        {"2^sin(x)", "2^sin(x)*ln(2)*cos(x)"},
        {"x^sin(x)", "x^sin(x)*(sin(x)/x+ln(x)*cos(x))"},
        {"sin(x)^2", "2*sin(x)^(2-1)*cos(x)"},
        {"sin(x)^x", "sin(x)^x*(ln(sin(x))+x*1/sin(x)*cos(x))"},
        {"sin(x)^cos(x)", "sin(x)^cos(x)*((-sin(x))*ln(sin(x))+cos(x)*1/sin(x)*cos(x))"},
        {"x^-2", "-2*x^(-2-1)"},
        // Sums.
        {"x^2+3*x-5", "2*x^(2-1)+3-0"},
        {"x--x", "1--1"},
        // Regressions: texts that evaluated to a wrong derivative.
        {"-x*sin(x)", "-(sin(x)+x*(cos(x)))"},
        {"1-x*sin(x)", "0-(sin(x)+x*(cos(x)))"},
        // A unary minus belongs to its factor before "^" ((-2)^x); only -x^
        // at the start of an expression negates the term.
        {"-2^x", "-2^x*ln(-2)"},
        {"-2^2*x", "-2^2"},
        {"-x^2", "-2*x^(2-1)"},
        {"1+-x^2", "0+2*(-x)^(2-1)*-1"},
        {"3*-x^2", "3*(2*(-x)^(2-1)*-1)"},
        {"x*-x^3", "(-x)^3+x*(3*(-x)^(3-1)*-1)"},
        {"1+-x^x", "0+(-x)^x*(ln(-x)+x*1/-x*-1)"},
        {"sin(-x^2)", "cos(-x^2)*(-2*x^(2-1))"},
        // Euler's number is a constant factor; exp and erf stay functions.
        {"e", "0"},
        {"e^x", "e^x*ln(e)"},
        {"2*e*x", "2*(e)"},
        {"exp(e*x)", "exp(e*x)*(e)"},
        {"--x", "-(-1)"},
        {"2^2/x", "(-(2^2)/x^2)"},
        {"x/2^2^2", "1/2^2^2"},
        {"sin(x)/x^2^3", "(cos(x)*x^2^3-sin(x)*3*x^2^(3-1)*2*x^(2-1))/x^2^3^2"},
        {"x/-sin(x)", "(-sin(x)-x*-cos(x))/(-sin(x))^2"},
        {"erf(2*x)", "2/sqrt(pi)*exp(-((2*x)^2))*(2)"},
    };
    for (const Case& c : cases) {
        ErrorFlag = false;
        EXPECT_EQ(DifferentiateExpression(c.input), c.derivative) << c.input;
        EXPECT_FALSE(ErrorFlag) << c.input;
    }
    EXPECT_EQ(host.boxes, Lines{});
}

TEST_F(DifferentiateExpressionTest, SeesAnXFarIntoALongOperand) {
    std::string sum = "(" + Repeat("1+", 70) + "x)";
    std::string derivative = "2*((" + Repeat("0+", 70) + "1))";
    EXPECT_EQ(DifferentiateExpression("2*" + sum).Str(), derivative);
}

TEST_F(DifferentiateExpressionTest, UnknownNameIsReportedThreeTimes) {
    EXPECT_EQ(DifferentiateExpression("acos(x)"), "");
    EXPECT_TRUE(ErrorFlag);
    EXPECT_EQ(host.boxes, (Lines{"Fejl i funktionsudtryk: acos(x)", "Fejl i udtryk: acos(x)",
                                 "Fejl i Diff acos(x)"}));
}

TEST_F(DifferentiateExpressionTest, IgnoreClearsTheFlagOnlyAtTheLeftOverReport) {
    host.answers = {true, true, false};
    DifferentiateExpression("acos(x)");
    EXPECT_TRUE(ErrorFlag);
    host.boxes.clear();
    ErrorFlag = false;
    host.answers = {false, false, true};
    DifferentiateExpression("acos(x)");
    EXPECT_EQ(host.boxes.size(), 3u);
    EXPECT_FALSE(ErrorFlag);
}

TEST_F(DifferentiateExpressionTest, LeftOverTextIsReportedWithoutTheFlag) {
    EXPECT_EQ(DifferentiateExpression("2x"), "0");
    EXPECT_FALSE(ErrorFlag);
    EXPECT_EQ(host.boxes, Lines{"Fejl i Diff 2x"});
}

TEST_F(DifferentiateExpressionTest, FunctionNameWithoutBracketIsNoConstantE) {
    EXPECT_EQ(DifferentiateExpression("exp"), "");
    EXPECT_TRUE(ErrorFlag);
    EXPECT_EQ(host.boxes, (Lines{"Fejl i funktionsudtryk: exp", "Fejl i udtryk: exp", "Fejl i Diff exp"}));
}

TEST_F(DifferentiateExpressionTest, WorkingTextOfTheMessageHasInternalNames) {
    DifferentiateExpression("tan(x)x");
    EXPECT_EQ(host.boxes, Lines{"Fejl i Diff ftg(x)x"});
}

TEST_F(DifferentiateExpressionTest, CarriageReturnInsideTheTextIsNoEnd) {
    EXPECT_EQ(DifferentiateExpression("x\r+1"), "1");
    EXPECT_EQ(host.boxes, Lines{"Fejl i Diff x\r+1"});
}

TEST_F(DifferentiateExpressionTest, OpenBracketAtTheEndSetsTheFlagSilently) {
    EXPECT_EQ(DifferentiateExpression("sin(x"), "cos(x)");
    EXPECT_TRUE(ErrorFlag);
    EXPECT_EQ(host.boxes, Lines{});
}

TEST_F(DifferentiateExpressionTest, BracketWithoutCloseIsAnExpressionError) {
    EXPECT_EQ(DifferentiateExpression("(x+1"), "");
    EXPECT_TRUE(ErrorFlag);
    EXPECT_EQ(host.boxes, Lines{"Fejl i udtryk: (x+1"});
}

TEST_F(DifferentiateExpressionTest, MissingOperandIsReportedWhileReadingAndDifferentiating) {
    EXPECT_EQ(DifferentiateExpression("x+"), "1+");
    EXPECT_TRUE(ErrorFlag);
    EXPECT_EQ(host.boxes, (Lines{"Fejl i funktionsudtryk: x+", "Fejl i udtryk: x+"}));
}

TEST_F(DifferentiateExpressionTest, EmptyBracketsRunToTheEndAndSetTheFlag) {
    DifferentiateExpression("()+x");
    EXPECT_TRUE(ErrorFlag);
}

TEST_F(DifferentiateExpressionTest, NestedCallsStopOnceTheFlagIsSet) {
    // Both operands fail; the second is not differentiated after the first error.
    DifferentiateExpression("sin(acos(x))*ln(acos(x))");
    EXPECT_TRUE(ErrorFlag);
    EXPECT_EQ(host.boxes, (Lines{"Fejl i funktionsudtryk: acos(x)", "Fejl i udtryk: acos(x)",
                                 "Fejl i Diff acos(x)"}));
}

TEST_F(DifferentiateExpressionTest, LongDerivativeIsCutSilently) {
    std::string sum = "x^2" + Repeat("+x^2", 62);
    ExpressionText d = DifferentiateExpression(sum);
    EXPECT_EQ(d.Length(), 255);
    EXPECT_EQ(d.View(), ("2*x^(2-1)" + Repeat("+2*x^(2-1)", 62)).substr(0, 255));
    EXPECT_GT(TextCutCount, 0);
    EXPECT_FALSE(ErrorFlag);
    EXPECT_EQ(host.boxes, Lines{});
}

// Deep nesting of every kind stays within the stack and finishes at once.
// Fuzzing found 92 unclosed brackets overflowing the stack when the rules
// built their texts from many temporaries.
TEST_F(DifferentiateExpressionTest, DeepNestingIsBounded) {
    const std::vector<std::string> texts = {
        Repeat("(", 127) + "x" + Repeat(")", 127),
        Repeat("sin(", 50) + "x" + Repeat(")", 50),
        Repeat("x*(", 63) + "x" + Repeat(")", 63),
        Repeat("x^(", 63) + "x" + Repeat(")", 63),
        Repeat("-(", 126) + "x" + Repeat(")", 126),
        "x" + Repeat("^x", 127),
        "x" + Repeat("/x", 127),
        "x" + Repeat("*x", 127),
        Repeat("sin(", 63) + "x*x",
        Repeat("(", 254) + std::string(1, '\0'),
        Repeat("(-", 127),
    };
    for (const std::string& t : texts) {
        ErrorFlag = false;
        DifferentiateExpression(t);
    }
}
