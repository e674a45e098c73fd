#include <string>
#include <vector>

#include "Host.h"
#include "RecordingHost.h"
#include "Reduce.h"

namespace {

struct TextCase {
    const char* input;
    const char* expected;
};

struct PredicateCase {
    const char* input;
    bool expected;
};

struct FoldCase {
    const char* a;
    const char* b;
    char op;
    const char* expected;
};

}  // namespace

using ReduceExpressionTest = EngineTest;
using ReduceTermTest = EngineTest;
using IsSingleTermTest = EngineTest;
using IsAtomicTest = EngineTest;
using IsNumberExpressionTest = EngineTest;
using FirstTermTest = EngineTest;
using AddConstantsTest = EngineTest;
using MultiplyConstantsTest = EngineTest;

TEST_F(ReduceExpressionTest, CancelsGathersAndDividesOut) {
    const std::vector<TextCase> cases = {
        {"x^3/x", "x^2"},
        {"2*x*y/(4*x)", "y/2"},
        {"x/x", "1"},
        {"(x+1)*(x+1)/(x+1)^3", "1/(x+1)"},
        {"x^-2", "1/x^2"},
        {"a*b/(c*d)", "a*b/(c*d)"},
        {"x*x*x", "x^3"},
        {"x^2*x", "x^3"},
        {"x^3/x^3", "1"},
        {"6/3", "2"},
        {"3/6", "1/2"},
        {"4/6", "4/6"},
        {"12/(2*3)", "6/3"},
        {"-x^2/x", "-x"},
        {"x^2+x/x", "x^2+1"},
        {"(a*b)/c", "a*b/c"},
        {"a/(b*c)*d", "a*d/(b*c)"},
        {"1/(a*b)/(c*d)", "1/(a*b*c*d)"},
        {"a/(x)*b", "a*b/x"},
        {"x^(1/2)*x^(1/2)", "x^(1/2)^2"},
        {"a/(b/c)", "a*c/b"},
        {"2^2/4", "1"},
        {"1/x^-2", "1*x^2"},
        {"(2)*x/(4)", "x/2"},
        {"sin(x)^2/sin(x)", "sin(x)"},
        {"x/1", "x"},
        {"", ""},
    };
    for (const auto& c : cases) EXPECT_EQ(ReduceExpression(c.input).Str(), c.expected) << c.input;
}

// Inputs on which the plain reading rules would change the value or drop
// text: each must come back unchanged (or as noted).
TEST_F(ReduceExpressionTest, KeepsValueWhereTheTextRulesWouldNot) {
    const std::vector<TextCase> cases = {
        {"x--1", "x--1"},                      // the last term's minus was dropped: x-1
        {"x+-1", "x+-1"},                      // x+1
        {"x++1", "x++1"},                      // the rest was dropped: x+
        {"x+", "x+"},                          // the dangling sign was dropped
        {"-2*2", "-2*2"},                      // -2^2 is 4
        {"-sin(x)*sin(x)", "-sin(x)*sin(x)"},  // -sin(x)^2 is (-sin(x))^2
        {"-2^2*x*x", "-2^2*x*x"},              // the minus belongs to the base 2
        {"x*-x", "x*-x"},                      // was split into x and x: x-x
        {"3*-x^2*x+x*x", "3*-x^2*x+x^2"},
        {"x^2^3", "x^2^3"},                    // was x^2
        {"x^2^y", "x^2^y"},                    // was x^2*^y
        {"x^2.5*x", "x^2.5*x"},                // was x^2*.5*x
        {"x^2e1/x", "x^2e1/x"},
        {"x^0*y", "x^0*y"},                    // 0^0 is 0 for the evaluator
        {"((x+1)*2)^2", "((x+1)*2)^2"},        // was (x+1)*2
        {"((x))^2", "((x))^2"},
        {"((x))^y", "((x))^y"},                // was x*^y
        {"2*((x+1))*(x+1)", "2*((x+1))*(x+1)"},  // was 2*(x+1))*(x+1)
        {"a/(x)^2/y", "a/((x)^2*y)"},          // y went to the numerator
        {"a/(x+1)^(x-1)", "a/(x+1)^(x-1)"},    // the divisor was cut at the inner "-"
        {"a/(x+1)^-2*b", "a*(x+1)^2*b"},
        {"1e-2*2/4", "1e-2/2"},                // was split at the exponent's sign: 1e-1
        {"(x+1)(x-1)", "(x+1)(x-1)"},          // was (x-1)
        {"((x))y", "((x))y"},
        {"x**y", "x**y"},
        {"/x", "/x"},
        {"x/0", "x/0"},
        {"0/0", "0/0"},
        {"x^25", "x^25"},                      // more factors than the lists hold
        {"x^99999999999", "x^99999999999"},
        {"x^10*x^10*x", "x^10*x^10*x"},
        {"99999999999/3", "99999999999/3"},
        {"(x+1", "(x+1"},
        {"x)*x", "x)*x"},
        {"x*(x", "x*(x"},
    };
    for (const auto& c : cases) EXPECT_EQ(ReduceExpression(c.input).Str(), c.expected) << c.input;
    EXPECT_FALSE(ErrorFlag);
}

TEST_F(ReduceExpressionTest, LogsOnceWithoutTheLeadingMinus) {
    EXPECT_EQ(ReduceExpression("-x^2/x").Str(), "-x");
    EXPECT_EQ(host.log, Lines{"Reduktion: x^2/x -> x"});
    host.log.clear();
    EXPECT_EQ(ReduceExpression("x*x+x*x*x").Str(), "x^2+x^3");
    EXPECT_EQ(host.log, Lines{"Reduktion: x*x+x*x*x -> x^2+x^3"});
}

TEST_F(ReduceExpressionTest, LogsNothingWhenNothingChanged) {
    for (const char* text : {"2*x+1", "a*b/(c*d)", "4/6", "x++1", "-2*2", "(x+1"}) {
        ReduceExpression(text);
        EXPECT_TRUE(host.log.empty()) << text;
    }
    EXPECT_TRUE(host.boxes.empty());
}

TEST_F(ReduceTermTest, ReturnsUnreadableTermsUnchanged) {
    const std::vector<TextCase> cases = {
        {"2*x+1", "2*x+1"},
        {"-x*x", "-x*x"},
        {"x*x", "x^2"},
        {"(x+1)/2", "(x+1)/2"},
        {"(2*x)", "2*x"},
        {"x/(x+1)*(x+1)", "x"},
    };
    for (const auto& c : cases) EXPECT_EQ(ReduceTerm(c.input).Str(), c.expected) << c.input;
}

TEST_F(IsSingleTermTest, AcceptsOnlyUnaryTopLevelSigns) {
    const std::vector<PredicateCase> cases = {
        {"-2*x", true}, {"x^-2", true}, {"(a+b)*c", true}, {"sin(-x)", true}, {"", true},
        {"a-b", false}, {"2*x+1", false}, {"+x", false}, {"--x", false},
        {"3*-x^2", true}, {"x/-2", true}, {"2e-3*x", true}, {"2*e-3", false},
        {"(x+1", false}, {"x)+1", false},
    };
    for (const auto& c : cases) EXPECT_EQ(IsSingleTerm(c.input), c.expected) << c.input;
}

TEST_F(IsAtomicTest, AcceptsFactorsWithoutOperators) {
    const std::vector<PredicateCase> cases = {
        {"x^2", true}, {"sin(x+1)", true}, {"x^(1+y)", false}, {"2*x", false}, {"", false},
        {"(x+1)", true}, {"(x+1)^2", true}, {"(x+1)^(2*x)", true}, {"(x+1)*2", false},
        {"(x+1)^2*x", false}, {"-x", true}, {"exp(x)*x", false}, {"pi", true},
        {"(x", false}, {"sin(x", false}, {"x^(1", false}, {"abs(x-1)^2", true},
    };
    for (const auto& c : cases) EXPECT_EQ(IsAtomic(c.input), c.expected) << c.input;
}

TEST_F(IsNumberExpressionTest, AcceptsNumberCharactersOnly) {
    const std::vector<PredicateCase> numbers = {
        {"1/2", true}, {"(3-4)*2.5", true}, {"-7", true}, {"2^3", false}, {"1,5", false},
        {"", false}, {"x", false},
    };
    for (const auto& c : numbers) EXPECT_EQ(IsNumberExpression(c.input), c.expected) << c.input;
    EXPECT_TRUE(HasNoDecimalPoint("3/4"));
    EXPECT_TRUE(HasNoDecimalPoint("1,5"));
    EXPECT_FALSE(HasNoDecimalPoint("0.25"));
}

TEST_F(FirstTermTest, SplitsAtTheFirstTopLevelSign) {
    const std::vector<TextCase> cases = {
        {"2*x+1", "2*x"}, {"-x+1", "-x"}, {"-x", "x"}, {"(a+b)*c-d", "(a+b)*c"},
        {"x^-2+1", "x^-2"}, {"sin(-x)-1", "sin(-x)"}, {"", ""}, {"+x", ""},
        {"(x+1", "(x+1"}, {"x*-2+1", "x*-2"}, {"1e-3+x", "1e-3"},
    };
    for (const auto& c : cases) EXPECT_EQ(FirstTerm(c.input).Str(), c.expected) << c.input;
}

TEST_F(AddConstantsTest, FoldsExactlyAndWithThreeDecimals) {
    const std::vector<FoldCase> cases = {
        {"-3", "5", '+', "2"},     {"1.5", "2", '+', "3.500"}, {"-3", "-5", '+', "-8"},
        {"-3", "-5", '-', "2"},    {"-3", "5", '-', "-8"},     {"3", "-5", '+', "-2"},
        {"3", "-5", '-', "8"},     {"3", "5", '-', "-2"},      {"1/2", "1/3", '+', "5/6"},
        {"-1/2", "-1/2", '+', "-1"}, {"3", "3", '-', "0"},     {"-0", "0", '-', "0"},
        {"1-5", "2", '+', "-2"},   {"-1-5", "2", '+', "-4"},  {"2.5", "-0.25", '-', "2.750"},
    };
    for (const auto& c : cases) {
        ExpressionText r("old");
        AddConstants(c.a, c.b, c.op, r);
        EXPECT_EQ(r.Str(), c.expected) << c.a << c.op << c.b;
    }
    EXPECT_TRUE(host.boxes.empty());
}

TEST_F(AddConstantsTest, OtherOperatorsAndBadDecimalsKeepTheResult) {
    ExpressionText r("old");
    AddConstants("1", "2", '*', r);
    EXPECT_EQ(r.Str(), "old");
    AddConstants("1.5", "x", '+', r);
    EXPECT_EQ(r.Str(), "old");
    EXPECT_TRUE(ErrorFlag);
    EXPECT_EQ(host.boxes, Lines{"Fejl ved udregning af talkonstant 1.5 eller x"});
}

TEST_F(MultiplyConstantsTest, FoldsExactlyAndWithThreeDecimals) {
    const std::vector<FoldCase> cases = {
        {"(-2)", "3", '*', "-6"},  {"2", "3/4", '*', "3/2"},   {"-2", "-3", '*', "6"},
        {"6", "2*3", '/', "1"},    {"1", "(3/4)", '/', "4/3"}, {"1/2", "3", '/', "1/6"},
        {"0", "-5", '*', "0"},     {"-(-2)", "3", '*', "6"},   {"1+2", "3", '*', "9"},
        {"1.5", "2", '*', "3.000"}, {"-1.5", "0.5", '/', "-3.000"},
    };
    for (const auto& c : cases) {
        ExpressionText r("old");
        MultiplyConstants(c.a, c.b, c.op, r);
        EXPECT_EQ(r.Str(), c.expected) << c.a << c.op << c.b;
    }
}

TEST_F(MultiplyConstantsTest, UnwrittenResultIsNotNegated) {
    ExpressionText r("7");
    MultiplyConstants("-2", "3)", '*', r);  // not read to its end: nothing written
    EXPECT_EQ(r.Str(), "7");
    EXPECT_FALSE(host.boxes.empty());
}

TEST_F(MultiplyConstantsTest, DecimalDivisionByZeroIsAnArithmeticFault) {
    ExpressionText r("old");
    EXPECT_THROW(MultiplyConstants("1.5", "0", '/', r), ArithmeticFault);
    EXPECT_THROW(MultiplyConstants("1", "0", '/', r), ArithmeticFault);
    EXPECT_EQ(r.Str(), "old");
}

TEST_F(ReduceExpressionTest, DeepBracketsAndLongTextsEnd) {
    std::string nested = std::string(127, '(') + "x" + std::string(127, ')');
    EXPECT_EQ(ReduceExpression(nested).Str(), "x");
    std::string open = std::string(254, '(') + "x";
    EXPECT_EQ(ReduceExpression(open).Str(), open);
    EXPECT_FALSE(IsAtomic(open));
    std::string product;
    while (product.size() < 250) product += "x*";
    product += "x";
    EXPECT_EQ(ReduceExpression(product).Str(), ExpressionText(product).Str());  // 126 factors: too many
}

// Fuzz finding: a result longer than 255 characters was cut, losing the end
// of the last term.
TEST_F(ReduceExpressionTest, KeepsTextsWhoseResultWouldBeCut) {
    std::string terms = "y/a/b";
    while (terms.size() < 255) terms = "1+" + terms;
    EXPECT_EQ(ReduceExpression(terms).Str(), terms);
    std::string factor = "sin(12+";
    while (factor.size() < 247) factor += "1+";
    factor += "x)*y/a/b";
    ASSERT_EQ(factor.size(), 255u);
    EXPECT_EQ(ReduceTerm(factor).Str(), factor);
    EXPECT_EQ(ReduceExpression(factor).Str(), factor);
    EXPECT_TRUE(host.log.empty());
    EXPECT_EQ(ReduceExpression(terms.substr(4)).Str(), terms.substr(4, 246) + "y/(a*b)");
}
