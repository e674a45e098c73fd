#include <algorithm>
#include <cmath>
#include <string>

#include "Evaluate.h"
#include "RecordingHost.h"

constexpr double Pi = 3.141592653589793;
using EvaluateFunctionTest = EngineTest;
using EvaluateFunctionNTest = EngineTest;
using ErrorFunctionTest = EngineTest;

TEST_F(EvaluateFunctionTest, GrammarAndValues) {
    struct Row { const char* expr; double x, value; } rows[] = {
        {"x^2+1", 3, 10},      {"2^3^2", 0, 64},          {"-x^2", 3, -9},
        {"-2^2", 0, 4},        {"(-x)^2", 3, 9},          {"3*-x^2", 3, 27},
        {"-x^2+x", 3, -6},     {"(-x^2)", 3, -9},         {"2-3-4", 0, -5},
        {"8/2/2", 0, 2},       {"2^-1", 0, 0.5},          {"4^0.5", 0, 2},
        {"0^0", 0, 0},         {"0^-1", 0, 0},            {"0^0.5", 0, 0},
        {"2*pi", 0, 6.283185307179586},                   {"e", 0, 2.718281828459045},
        {"pix", 0, Pi},        {"2*e", 0, 2 * 2.718281828459045},
        {"1,5*x", 2, 3},       {"1.5e2", 0, 150},         {"2.5e-1", 0, 0.25},
        {"1.", 0, 1},          {"0.1", 0, 0.1},           {"123456789.25", 0, 123456789.25},
        {"2x", 0, 2},          {"x+1)", 2, 3},            {"x +1", 2, 2},
        {"sqrt(2)*sqrt(2)", 0, 2},                        {"sin(x)^2", 2, std::sin(2) * std::sin(2)},
        {"abs(-3)", 0, 3},     {"sinh(0)", 0, 0},         {"asinh(0)", 0, 0},
        {"asin(1)", 0, Pi / 2}, {"asin(0.5)", 0, Pi / 6}, {"cosh(0)", 0, 1},
        {"acosh(1)", 0, 0},    {"tan(x)", 1, std::tan(1)}, {"atan(1)", 0, Pi / 4},
        {"ln(e)", 0, 1},       {"exp(1)", 0, std::exp(1)}, {"phi(0)", 0, 0.5},
        {"asinh(0-1e10)", 0, std::asinh(-1e10)},          {"sinh(1e-20)", 0, 1e-20},
        {"acosh(1e200)", 0, std::acosh(1e200)},
        {"1^2147483647", 0, 1}, {"(-1)^1e15", 0, 1},      {"0.5^1e10", 0, 0},
        {"x^-2147483648", 1, 1}, {"2^100", 0, 0x1p100},   {"0.5^-100", 0, 0x1p100},
        {"(x^3-2*x+1)/(x^2+1)", 2, 1},
        // Number texts longer than TextToNumber's 32 characters are read whole.
        {"1*456-565*0000000000000000000000000000000000006", 0, -2934},
        {"123456789012345678901234567890123456", 0, 1.23456789012345678e35},
        {"0.0000000000000000000000000000000000001e-300", 0, 0},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.expr);
        ErrorFlag = false;
        EXPECT_DOUBLE_EQ(EvaluateFunction(r.expr, r.x), r.value);
        EXPECT_FALSE(ErrorFlag);
    }
    EXPECT_EQ(host.boxes, Lines{});
}

TEST_F(EvaluateFunctionTest, IdentitiesHoldAtSamplePoints) {
    for (double x : {-2.5, 0.0, 0.7, 3.0, 100.0}) {
        EXPECT_NEAR(EvaluateFunction("sin(x)^2+cos(x)^2", x), 1, 1e-15);
        EXPECT_NEAR(EvaluateFunction("phi(0-x)+phi(x)", x), 1, 1e-15);
    }
}

TEST_F(EvaluateFunctionTest, StopPosition) {
    struct Row { const char* expr; int stop; } rows[] = {{"x^2+1", 5}, {"", 0}, {"x+1)", 3}, {"2x", 1}, {"x +1", 1}, {"pix", 2},
                {"sin x", 3}, {"SIN(x)", 0}, {"x\r+1", 1}};
    for (const Row& r : rows) {
        SCOPED_TRACE(r.expr);
        int stop = -1;
        ErrorFlag = false;
        EvaluateFunction(r.expr, 1, stop);
        EXPECT_EQ(stop, r.stop);
    }
}

// Every message, its box kind, and whether Ignore lets the evaluation go on.
struct MessageRow { const char* expr; const char* box; bool okOnly, flagAfterIgnore; };

void CheckMessages(RecordingHost& host, const MessageRow* rows, std::size_t count,
                   double (*evaluate)(const char*)) {
    for (bool ignore : {false, true}) {
        for (std::size_t i = 0; i < count; ++i) {
            const MessageRow& r = rows[i];
            SCOPED_TRACE(std::string(r.expr) + (ignore ? " Ignore" : " OK"));
            host.boxes.clear();
            host.okOnly.clear();
            host.ignoreAll = ignore;
            ErrorFlag = false;
            evaluate(r.expr);
            EXPECT_EQ(host.boxes, Lines{r.box});
            EXPECT_EQ(host.okOnly, std::vector<bool>{r.okOnly});
            EXPECT_EQ(ErrorFlag, ignore ? r.flagAfterIgnore : true);
        }
    }
}

TEST_F(EvaluateFunctionTest, MessagesAndIgnore) {
    const MessageRow rows[] = {
        {"1/(x-1)", "Division med 0 i funktionsudtryk: \n\r1/(x-1)", false, false},
        {"(-8)^(1/3)", "Illegal negativ rod til exponentialfunktion i funktionsudtryk:\n\r(-8)^(1/3)", false, false},
        {"0^(0-0.5)", "Illegal negativ rod til exponentialfunktion i funktionsudtryk:\n\r0^(0-0.5)", false, false},
        {"1.2.3", "Fejl i tal \"1.2.3\" i funktionsudtryk!", false, true},
        {"2e", "Fejl i tal \"2e\" i funktionsudtryk!", false, true},
        {"1e400", "Fejl i tal \"1e400\" i funktionsudtryk!", false, true},
        {"0*(x+1", "Mangler \")\" i funktionsudtryk: 0*(x+1", false, false},
        {"sin x", "Mangler \"(\" i funktionsudtryk:\n\rsin x", false, false},
        {"SIN(x)", "Fejl i funktionsudtryk: \n\rSIN(x)", false, false},
        {".5", "Fejl i funktionsudtryk: \n\r.5", false, false},
        {"--x", "Fejl i funktionsudtryk: \n\r--x", false, false},
        {"sqrt(0-1)", "Negativt tal i Kvadratrod i funktionsudtryk: sqrt(0-1)", false, true},
        {"ln(0-1)", "Illegalt argument til ln(x) i funktionsudtryk:\n\rln(0-1)", false, false},
        {"ln(0)", " x<=0 i ln(x)!", true, true},
        {"acosh(0.5)", "Ilegalt argument til acosh", false, true},
        {"asin(0-1.5)", "-1.50 er illegalt argument til asin(x)!", true, true},
    };
    CheckMessages(host, rows, std::size(rows), [](const char* e) { return EvaluateFunction(e, 1); });
}

TEST_F(EvaluateFunctionTest, IgnoreGoesOnWithZeroOkStopsFurtherOperands) {
    host.answers = {true};
    EXPECT_EQ(EvaluateFunction("1/(x-1)+5", 1), 5);
    EXPECT_FALSE(ErrorFlag);
    EvaluateFunction("sqrt(0-1)+ln(0)+1/0", 1);
    EXPECT_TRUE(ErrorFlag);
    EXPECT_EQ(host.boxes.size(), 2u);
}

TEST_F(EvaluateFunctionTest, LongMessageIsCutButNoResultCut) {
    std::string expr = "SIN" + std::string(250, '1');
    EvaluateFunction(expr, 0);
    ASSERT_EQ(host.boxes.size(), 1u);
    EXPECT_EQ(host.boxes[0].size(), 255u);
    EXPECT_EQ(TextCutCount, 0);
}

TEST_F(EvaluateFunctionTest, OverflowIsAnArithmeticFault) {
    for (const char* expr : {"exp(1000)", "1e200^2", "sinh(1000)", "cosh(0-1000)", "10^400", "2^1e10",
                             "1e308+1e308", "1e308*10", "1e308/0.1", "1.5^2000", "0.5^(0-2000)"}) {
        SCOPED_TRACE(expr);
        EXPECT_THROW(EvaluateFunction(expr, 0), ArithmeticFault);
    }
    EXPECT_THROW(EvaluateFunction("x", std::nan("")), ArithmeticFault);
}

TEST_F(ErrorFunctionTest, SimpsonValuesAndLimits) {
    EXPECT_EQ(ErrorFunction(0), 0);
    EXPECT_NEAR(ErrorFunction(1), 0.8427, 1e-4);
    EXPECT_NEAR(ErrorFunction(-1), -0.8427, 1e-4);
    EXPECT_NEAR(ErrorFunction(2.5), std::erf(2.5), 1e-5);  // 11 points, h = 0.25
    EXPECT_NEAR(ErrorFunction(511.4), 1, 1e-4);  // the largest table: 1023 points, h = 0.5
    EXPECT_EQ(ErrorFunction(511.5), 1);
    EXPECT_EQ(ErrorFunction(-1e300), -1);
    EXPECT_DOUBLE_EQ(NormalDistribution(-1), 1 - NormalDistribution(1));
    EXPECT_EQ(IntPower(-3, 0), 0);
    EXPECT_EQ(IntPower(-2, 2), 0.25);
    EXPECT_EQ(IntPower(3, -2), -8);
    EXPECT_EQ(IntPower(-2147483647 - 1, 2), 0);
}

namespace {
const VariableNames Names{0, 'x', 'y', 'z', 'u', 'v'};
VariableValues Values(std::initializer_list<double> list) {
    VariableValues values{};
    std::copy(list.begin(), list.end(), values.begin() + 1);
    return values;
}
}  // namespace

TEST_F(EvaluateFunctionNTest, NamedVariables) {
    struct Row { int n; const char* expr; std::initializer_list<double> values; double value; } rows[] = {
        {2, "x^2+y^2", {3, 4}, 25}, {2, "x*y-y", {2, 5}, 5},    {2, "-x^2+y", {3, 1}, -8},
        {1, "pi*x", {1}, Pi},       {5, "x+y*z-u/v", {1, 2, 3, 8, 4}, 5},
        {3, "sin(z)+exp(y)", {0, 0, 0}, 1},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.expr);
        EXPECT_DOUBLE_EQ(EvaluateFunctionN(r.n, r.expr, Names, Values(r.values)), r.value);
        EXPECT_FALSE(ErrorFlag);
    }
    EXPECT_EQ(host.boxes, Lines{});
}

TEST_F(EvaluateFunctionNTest, MessagesAndIgnore) {
    // Unlike f(x): no constant e, and Ignore clears the number and root errors.
    const MessageRow rows[] = {
        {"x*z", "Fejl i funktionsudtryk: \n\rx*z", false, false},
        {"e*x", "Fejl i funktionsudtryk: \n\re*x", false, false},
        {"1.2.3*x", "Fejl i tal \"1.2.3\" i funktionsudtryk!", false, false},
        {"sqrt(0-y)", "Negativt tal i Kvadratrod i funktionsudtryk: sqrt(0-y)", false, false},
        {"ln(x-1)", " x<=0 i ln(x)!", true, true},
    };
    CheckMessages(host, rows, std::size(rows),
                  [](const char* e) { return EvaluateFunctionN(2, e, Names, Values({1, 2})); });
}
