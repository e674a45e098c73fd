#include <string>
#include <vector>

#include "Differentiate.h"
#include "RecordingHost.h"

using DifferentiateExpressionTest = EngineTest;

const auto Repeat = [](const std::string& s, int n) {
    std::string r;
    while (n-- > 0) r += s;
    return r;
};

TEST_F(DifferentiateExpressionTest, BuildsTheRawDerivativeByTheRules) {
    const char* const cases[][2] = {
        // Worked results, edge cases, the standard functions of x, and chains, which keep
        // the user's names inside the argument.
        {"x^2", "2*x^(2-1)"}, {"sin(x)", "cos(x)"}, {"sin(2*x)", "cos(2*x)*(2)"}, {"x*sin(x)", "sin(x)+x*(cos(x))"},
        {"-x", "-1"}, {"(x+1)", "(1+0)"}, {"7", "0"}, {"pi", "0"}, {"2.5e-3*pi", "0"}, {"x", "1"},
        {"2^x", "2^x*ln(2)"}, {"x^x", "x^x*(1+ln(x))"}, {"x/x", "0"}, {"sin(x)/x/2", "(cos(x)*x-sin(x))/x^2/2"},
        {"2*x*sin(x)", "2*(sin(x)+x*(cos(x)))"}, {"x^2^3", "3*x^2^(3-1)*2*x^(2-1)"}, {"SIN( X ) ", "cos(x)"},
        {"tan(x)", "(1+tan(x)^2)"}, {"atan(x)", "1/(1+x^2)"}, {"sinh(x)", "cosh(x)"}, {"asinh(x)", "1/sqrt(1+x^2)"},
        {"abs(x)", "abs(x)/x"}, {"sqrt(x)", "1/(2*sqrt(x))"}, {"asin(x)", "1/sqrt(1-x^2)"}, {"cos(x)", "(-sin(x))"},
        {"cosh(x)", "sinh(x)"}, {"acosh(x)", "1/sqrt(x^2-1)"}, {"ln(x)", "1/x"}, {"exp(x)", "exp(x)"},
        {"erf(x)", "2/sqrt(pi)*exp(-x^2)"}, {"phi(x)", "1/sqrt(2*pi)*exp(-0.5*x^2)"},
        {"ln(x^2+1)", "1/(x^2+1)*(2*x^(2-1)+0)"}, {"tan(2*x)", "(1+tan(2*x)^2)*(2)"}, {"sin(5)", "0"},
        {"atan(sinh(x))", "1/(1+(sinh(x))^2)*(cosh(x))"}, {"acosh(cosh(x))", "1/sqrt((cosh(x))^2-1)*(sinh(x))"},
        // Product, quotient and power tables: const, x and f(x) against each other.
        {"3*pi", "0"}, {"2*x", "2"}, {"x*3", "3"}, {"x*x", "2*x"}, {"sin(x)*3", "(cos(x))*3"},
        {"sin(x)*x", "cos(x)*x+sin(x)"}, {"sin(x)*cos(x)", "cos(x)*cos(x)+sin(x)*((-sin(x)))"}, {"4/2", "0"},
        {"1/x", "(-1/x^2)"}, {"1/sin(x)", "(-1/(sin(x))^2*cos(x))"}, {"x/2", "1/2"},
        {"x/sin(x)", "(sin(x)-x*cos(x))/sin(x)^2"}, {"sin(x)/2", "cos(x)/2"},
        {"(x^2-1)/(x+1)", "((2*x^(2-1)-0)*(x+1)-(x^2-1)*(1+0))/(x+1)^2"}, {"2^3", "0"},
        {"2^sin(x)", "2^sin(x)*ln(2)*cos(x)"}, {"x^sin(x)", "x^sin(x)*(sin(x)/x+ln(x)*cos(x))"},
        {"sin(x)^2", "2*sin(x)^(2-1)*cos(x)"}, {"sin(x)^x", "sin(x)^x*(ln(sin(x))+x*1/sin(x)*cos(x))"},
        {"sin(x)^cos(x)", "sin(x)^cos(x)*((-sin(x))*ln(sin(x))+cos(x)*1/sin(x)*cos(x))"}, {"x^-2", "-2*x^(-2-1)"},
        {"x^2+3*x-5", "2*x^(2-1)+3-0"}, {"x--x", "1--1"},
        // Regressions: texts that evaluated to a wrong derivative. A unary minus belongs to its
        // factor before "^" ((-2)^x); only -x^ at the start of an expression negates the term.
        // Euler's number is a constant factor; exp and erf stay functions.
        {"-x*sin(x)", "-(sin(x)+x*(cos(x)))"}, {"1-x*sin(x)", "0-(sin(x)+x*(cos(x)))"}, {"-2^x", "-2^x*ln(-2)"},
        {"-2^2*x", "-2^2"}, {"-x^2", "-2*x^(2-1)"}, {"1+-x^2", "0+2*(-x)^(2-1)*-1"},
        {"3*-x^2", "3*(2*(-x)^(2-1)*-1)"}, {"x*-x^3", "(-x)^3+x*(3*(-x)^(3-1)*-1)"},
        {"1+-x^x", "0+(-x)^x*(ln(-x)+x*1/-x*-1)"}, {"sin(-x^2)", "cos(-x^2)*(-2*x^(2-1))"}, {"--x", "-(-1)"},
        {"2^2/x", "(-(2^2)/x^2)"}, {"x/2^2^2", "1/2^2^2"}, {"x/-sin(x)", "(-sin(x)-x*-cos(x))/(-sin(x))^2"},
        {"sin(x)/x^2^3", "(cos(x)*x^2^3-sin(x)*3*x^2^(3-1)*2*x^(2-1))/x^2^3^2"},
        {"erf(2*x)", "2/sqrt(pi)*exp(-((2*x)^2))*(2)"}, {"e", "0"}, {"e^x", "e^x*ln(e)"}, {"2*e*x", "2*(e)"},
        {"exp(e*x)", "exp(e*x)*(e)"},
    };
    for (const auto& c : cases) {
        ErrorFlag = false;
        EXPECT_EQ(DifferentiateExpression(c[0]), c[1]) << c[0];
        EXPECT_FALSE(ErrorFlag) << c[0];
    }
    // An x far beyond the 128th character of an operand still makes it f(x).
    EXPECT_EQ(DifferentiateExpression("2*(" + Repeat("1+", 70) + "x)").Str(), "2*((" + Repeat("0+", 70) + "1))");
    // A derivative longer than 255 characters is cut silently.
    ExpressionText d = DifferentiateExpression("x^2" + Repeat("+x^2", 62));
    EXPECT_EQ(d.View(), ("2*x^(2-1)" + Repeat("+2*x^(2-1)", 62)).substr(0, 255));
    EXPECT_GT(TextCutCount, 0);
    EXPECT_FALSE(ErrorFlag);
    EXPECT_EQ(host.boxes, Lines{});
}

// result nullptr: a partial text that nothing relies on. One message per
// text: after the first, the reading only unwinds.
TEST_F(DifferentiateExpressionTest, ErrorsAndTheirMessages) {
    const Lines acos = {"Fejl i funktionsudtryk: acos(x)"};
    struct Row { const char* input; const char* result; Lines boxes; } rows[] = {
        {"acos(x)", "", acos}, {"2x", "0", {"Fejl i Diff 2x"}},
        {"exp", "", {"Fejl i funktionsudtryk: exp"}},                 // no constant e
        {"tan(x)x", "(1+tan(x)^2)", {"Fejl i Diff ftg(x)x"}},        // the working text has internal names
        {"x\r+1", "1", {"Fejl i Diff x\r+1"}},                        // a carriage return is no end
        {"sin(x", nullptr, {"Mangler \")\" i funktionsudtryk: sin(x"}},
        {"(x+1", "", {"Mangler \")\" i funktionsudtryk: (x+1"}},
        {"x+", "1+", {"Fejl i funktionsudtryk: x+"}},
        {"()+x", nullptr, {"Fejl i funktionsudtryk: ()+x"}},
        {"sin(acos(x))*ln(acos(x))", nullptr, acos},  // nested calls stop once the flag is set
    };
    for (const Row& r : rows) {
        ErrorFlag = false;
        host.boxes.clear();
        ExpressionText d = DifferentiateExpression(r.input);
        if (r.result) { EXPECT_EQ(d, r.result) << r.input; }
        EXPECT_TRUE(ErrorFlag) << r.input;
        EXPECT_EQ(host.boxes, r.boxes) << r.input;
    }
    // A reading error outlasts an Ignore; text left over may be Ignored.
    ErrorFlag = false;
    host.answers = {true};
    DifferentiateExpression("acos(x)");
    EXPECT_TRUE(ErrorFlag);
    ErrorFlag = false;
    host.answers = {true};
    DifferentiateExpression("2x");
    EXPECT_FALSE(ErrorFlag);
}

// Regression: fuzzing found 92 unclosed brackets overflowing the stack when the
// rules built their texts from many temporaries. Deep nesting of every kind ends.
TEST_F(DifferentiateExpressionTest, DeepNestingIsBounded) {
    auto nested = [](const std::string& open, int n) { return Repeat(open, n) + "x" + Repeat(")", n); };
    for (const std::string& t : {nested("(", 127), nested("sin(", 50), nested("x*(", 63), nested("x^(", 63),
                                 nested("-(", 126), "x" + Repeat("^x", 127), "x" + Repeat("/x", 127),
                                 "x" + Repeat("*x", 127), Repeat("sin(", 63) + "x*x", Repeat("(", 254) + '\0',
                                 Repeat("(-", 127)}) {
        ErrorFlag = false;
        DifferentiateExpression(t);
    }
}

