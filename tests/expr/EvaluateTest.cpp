#include <cmath>
#include <string>

#include "Evaluate.h"
#include "RecordingHost.h"

constexpr double Pi = 3.141592653589793;
using EvaluateFunctionTest = EngineTest;
using EvaluateFunctionNTest = EngineTest;

TEST_F(EvaluateFunctionTest, GrammarAndValues) {
    // stop: where reading ends when characters are left over (default: the whole text).
    struct Row { const char* expr; double x, value; int stop = -1; } rows[] = {
        {"x^2+1", 3, 10}, {"2^3^2", 0, 64}, {"-x^2", 3, -9}, {"-2^2", 0, 4}, {"(-x)^2", 3, 9}, {"3*-x^2", 3, 27},
        {"-x^2+x", 3, -6}, {"(-x^2)", 3, -9}, {"2-3-4", 0, -5}, {"8/2/2", 0, 2}, {"2^-1", 0, 0.5}, {"4^0.5", 0, 2},
        {"0^0", 0, 0}, {"0^-1", 0, 0}, {"0^0.5", 0, 0}, {"2*pi", 0, 6.283185307179586}, {"e", 0, 2.718281828459045},
        {"pix", 0, Pi, 2}, {"1,5*x", 2, 3}, {"1.5e2", 0, 150}, {"2.5e-1", 0, 0.25}, {"123456789.25", 0, 123456789.25},
        {"2x", 0, 2, 1}, {"x+1)", 2, 3, 3}, {"x +1", 2, 2, 1}, {"x\r+1", 2, 2, 1}, {"sqrt(2)*sqrt(2)", 0, 2},
        {"sin(x)^2+cos(x)^2", 0.7, 1}, {"abs(x)", -0.5, 0.5}, {"sinh(x)", 0.5, std::sinh(0.5)},
        {"asinh(x)", 0.5, std::asinh(0.5)}, {"sin(x)", 0.5, std::sin(0.5)}, {"asin(x)", 0.5, Pi / 6},
        {"asin(1)", 0, Pi / 2}, {"cosh(x)", 0.5, std::cosh(0.5)}, {"acosh(x)", 1.5, std::acosh(1.5)},
        {"cos(x)", 0.5, std::cos(0.5)}, {"tan(x)", 0.5, std::tan(0.5)}, {"atan(x)", 0.5, std::atan(0.5)},
        {"ln(x)", 0.5, std::log(0.5)}, {"exp(x)", 0.5, std::exp(0.5)}, {"phi(0)", 0, 0.5},
        // Where the textbook hyperbolic formulas cancel or overflow; exponents beyond int or too
        // long for a plain loop; number texts longer than TextToNumber's 32 characters, read whole.
        {"sinh(1e-20)", 0, 1e-20}, {"asinh(0-1e10)", 0, std::asinh(-1e10)}, {"acosh(1e200)", 0, std::acosh(1e200)},
        {"1^2147483647", 0, 1}, {"x^-2147483648", 1, 1}, {"(-1)^1e15", 0, 1}, {"0.5^-100", 0, 0x1p100},
        {"1*456-565*0000000000000000000000000000000000006", 0, -2934},
        {"0.0000000000000000000000000000000000001e-300", 0, 0},
    };
    for (const Row& r : rows) {
        int stop = -1;
        EXPECT_DOUBLE_EQ(EvaluateFunction(r.expr, r.x, stop), r.value) << r.expr;
        EXPECT_EQ(stop, r.stop < 0 ? static_cast<int>(std::string(r.expr).size()) : r.stop) << r.expr;
    }
    EXPECT_FALSE(ErrorFlag);
    EXPECT_EQ(host.boxes, Lines{});
}

// Every message, whether its box is OK-only, and ErrorFlag after Ignore (OK leaves it set).
struct MessageRow { const char* expr; const char* box; bool okOnly, flagAfterIgnore; };

template <class Evaluate>
void CheckMessages(RecordingHost& host, std::initializer_list<MessageRow> rows, Evaluate evaluate) {
    for (bool ignore : {false, true})
        for (const MessageRow& r : rows) {
            SCOPED_TRACE(std::string(r.expr) + (ignore ? " Ignore" : " OK"));
            host = RecordingHost();
            host.ignoreAll = ignore;
            ErrorFlag = false;
            evaluate(r.expr);
            EXPECT_EQ(host.boxes, Lines{r.box});
            EXPECT_EQ(host.okOnly, std::vector<bool>{r.okOnly});
            EXPECT_EQ(ErrorFlag, ignore ? r.flagAfterIgnore : true);
        }
}

TEST_F(EvaluateFunctionTest, MessagesAndIgnore) {
    const std::string root = "Illegal negativ rod til exponentialfunktion i funktionsudtryk:\n\r";
    CheckMessages(host, {
        {"1/(x-1)", "Division med 0 i funktionsudtryk: \n\r1/(x-1)", false, false},
        {"(-8)^(1/3)", (root + "(-8)^(1/3)").c_str(), false, false},
        {"0^(0-0.5)", (root + "0^(0-0.5)").c_str(), false, false},
        {"1.2.3", "Fejl i tal \"1.2.3\" i funktionsudtryk!", false, true},
        {"2e", "Fejl i tal \"2e\" i funktionsudtryk!", false, true},
        {"0*(x+1", "Mangler \")\" i funktionsudtryk: 0*(x+1", false, false},
        {"sin x", "Mangler \"(\" i funktionsudtryk:\n\rsin x", false, false},
        {"SIN(x)", "Fejl i funktionsudtryk: \n\rSIN(x)", false, false},
        {".5", "Fejl i funktionsudtryk: \n\r.5", false, false},
        {"--x", "Fejl i funktionsudtryk: \n\r--x", false, false},
        {"sqrt(0-1)", "Negativt tal i Kvadratrod i funktionsudtryk: sqrt(0-1)", false, true},
        {"ln(0-1)", "Illegalt argument til ln(x) i funktionsudtryk:\n\rln(0-1)", false, false},
        {"ln(0)", " x<=0 i ln(x)!", true, true}, {"acosh(0.5)", "Ilegalt argument til acosh", false, true},
        {"asin(0-1.5)", "-1.50 er illegalt argument til asin(x)!", true, true},
    }, [](const char* e) { return EvaluateFunction(e, 1); });
}

TEST_F(EvaluateFunctionTest, IgnoreGoesOnWithZeroOkStopsLongMessageIsCut) {
    host.answers = {true};
    EXPECT_EQ(EvaluateFunction("1/(x-1)+5", 1), 5);
    EXPECT_FALSE(ErrorFlag);
    EvaluateFunction("sqrt(0-1)+ln(0)+1/0", 1);
    EXPECT_TRUE(ErrorFlag);
    ErrorFlag = false;
    EvaluateFunction("SIN" + std::string(250, '1'), 0);
    ASSERT_EQ(host.boxes.size(), 3u);
    EXPECT_EQ(host.boxes[2].size(), 255u);
    EXPECT_EQ(TextCutCount, 0);
}

TEST_F(EvaluateFunctionTest, OverflowIsAnArithmeticFaultAndLimits) {
    for (const char* expr : {"exp(1000)", "1e200^2", "sinh(1000)", "cosh(0-1000)", "10^400.5", "2^1e10",
                             "1e308+1e308", "1e308*10", "1e308/0.1", "1.5^2000"})
        EXPECT_THROW(EvaluateFunction(expr, 0), ArithmeticFault) << expr;
    EXPECT_THROW(EvaluateFunction("x", std::nan("")), ArithmeticFault);
    // The limits of ErrorFunction's table and of IntPower's exponent.
    for (double x : {0.0, 1.0, -1.0, 2.5}) EXPECT_NEAR(ErrorFunction(x), std::erf(x), 1e-5) << x;  // 11 points
    EXPECT_NEAR(ErrorFunction(511.4), 1, 1e-4);  // the largest table: 1023 points, h = 0.5
    EXPECT_EQ(ErrorFunction(511.5), 1);
    EXPECT_EQ(ErrorFunction(-1e300), -1);
    EXPECT_DOUBLE_EQ(NormalDistribution(-1), 1 - NormalDistribution(1));
    EXPECT_EQ(IntPower(3, -2), -8);
    EXPECT_EQ(IntPower(-2147483647 - 1, 2), 0);
}

TEST_F(EvaluateFunctionNTest, NamedVariablesAndMessages) {
    const VariableNames names{0, 'x', 'y', 'z', 'u', 'v'};
    struct Row { int n; const char* expr; VariableValues values; double value; } rows[] = {
        {2, "x^2+y^2", {0, 3, 4}, 25}, {2, "x*y-y", {0, 2, 5}, 5}, {2, "-x^2+y", {0, 3, 1}, -8},
        {1, "pi*x", {0, 1}, Pi}, {5, "x+y*z-u/v", {0, 1, 2, 3, 8, 4}, 5},
    };
    for (const Row& r : rows) EXPECT_DOUBLE_EQ(EvaluateFunctionN(r.n, r.expr, names, r.values), r.value) << r.expr;
    EXPECT_EQ(host.boxes, Lines{});
    // Unlike f(x): no constant e, and Ignore clears the number and root errors.
    CheckMessages(host, {
        {"x*z", "Fejl i funktionsudtryk: \n\rx*z", false, false},
        {"e*x", "Fejl i funktionsudtryk: \n\re*x", false, false},
        {"1.2.3*x", "Fejl i tal \"1.2.3\" i funktionsudtryk!", false, false},
        {"sqrt(0-y)", "Negativt tal i Kvadratrod i funktionsudtryk: sqrt(0-y)", false, false},
    }, [&names](const char* e) { return EvaluateFunctionN(2, e, names, VariableValues{0, 1, 2}); });
}
