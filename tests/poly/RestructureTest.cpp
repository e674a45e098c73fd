#include <string>
#include <vector>

#include "RecordingHost.h"
#include "Restructure.h"

namespace {

struct TextCase {
    const char* input;
    const char* expected;
};

}  // namespace

using ToPrefixFormTest = EngineTest;
using MatchingBracketTest = EngineTest;
using SignHelpersTest = EngineTest;

TEST_F(ToPrefixFormTest, WritesOperatorsInFrontFullyBracketed) {
    const std::vector<TextCase> cases = {
        {"2*x+3", "+(*(2 x) 3)"},
        {"x^k*exp(x)", "*(^(x k) exp(x))"},
        {"sin(2*x)/x", "/(sin(*(2 x)) x)"},
        {"x^0", "1"},
        {"x^2^0", "1"},
        {"x^(2-2)", "^(x -(2 2))"},
        {"-x^2", "^(-x 2)"},
        {"1,5*x", "*(1,5 x)"},
        {"1.5e-3*x", "*(1.5e-3 x)"},
        {"x-1", "-(x 1)"},
        {"x-y-z", "-(-(x y) z)"},
        {"2^3^2", "^(^(2 3) 2)"},
        {"x-(-2)", "-(x -2)"},
        {"-(-x)", "+x"},
        {"-(2*x)", "-*(2 x)"},
        {"((x))", "x"},
        {"pi*x+e^x", "+(*(pi x) ^(e x))"},
        {"sqrt(x)/ln(x)", "/(sqrt(x) ln(x))"},
        {"asinh(x)-sinh(x)", "-(asinh(x) sinh(x))"},
        {"d*g+j*k-m*u+v*w-y*z", "-(+(-(+(*(d g) *(j k)) *(m u)) *(v w)) *(y z))"},
        {"x)", "x"},
    };
    for (const auto& c : cases) EXPECT_EQ(ToPrefixForm(c.input).Str(), c.expected) << c.input;
    EXPECT_TRUE(host.boxes.empty());
    EXPECT_FALSE(ErrorFlag);
}

// A minus before a bracketed sum must not end up in the form of a different
// sum: -(x+1) was written -(x 1), the form of x-1.
TEST_F(ToPrefixFormTest, NegatedSumsKeepTheirOwnForm) {
    const std::vector<TextCase> cases = {
        {"-(x+1)", "*(-1 +(x 1))"},
        {"-(x-1)", "*(-1 -(x 1))"},
        {"exp(-(x+1))", "exp(*(-1 +(x 1)))"},
        {"-(-(x+1))", "-*(-1 +(x 1))"},
    };
    for (const auto& c : cases) EXPECT_EQ(ToPrefixForm(c.input).Str(), c.expected) << c.input;
    EXPECT_NE(ToPrefixForm("-(x+1)").Str(), ToPrefixForm("x-1").Str());
    EXPECT_NE(ToPrefixForm("-(x-1)").Str(), ToPrefixForm("x+1").Str());
}

TEST_F(ToPrefixFormTest, ReportsUnreadableTexts) {
    const std::vector<TextCase> cases = {
        {"a+x", "Fejl i funktionsudtryk: \n\ra+x"},
        {"x+", "Fejl i funktionsudtryk: \n\rx+"},
        {"sinx", "Fejl i funktionsudtryk: \n\rsinx"},
        {"x*+2", "Fejl i funktionsudtryk: \n\rx*+2"},
        {"(x+1", "Mangler \")\" i funktionsudtryk: (x+1"},
        {"sin(x", "Mangler \")\" i funktionsudtryk: sin(x"},
    };
    for (const auto& c : cases) {
        host.boxes.clear();
        ErrorFlag = false;
        ToPrefixForm(c.input);
        EXPECT_TRUE(ErrorFlag) << c.input;
        EXPECT_EQ(host.boxes, Lines{c.expected});
    }
}

TEST_F(ToPrefixFormTest, OkStopsAtTheFirstErrorIgnoreGoesOn) {
    ToPrefixForm("x*(a)+1");
    EXPECT_EQ(host.boxes, Lines{"Fejl i funktionsudtryk: \n\rx*(a)+1"});
    EXPECT_TRUE(ErrorFlag);

    host.boxes.clear();
    ErrorFlag = false;
    host.ignoreAll = true;
    ToPrefixForm("x*(a)+1");
    EXPECT_EQ(host.boxes, (Lines{"Fejl i funktionsudtryk: \n\rx*(a)+1", "Mangler \")\" i funktionsudtryk: x*(a)+1"}));
    EXPECT_FALSE(ErrorFlag);
}

TEST_F(MatchingBracketTest, FindsTheClosingBracket) {
    struct Case {
        const char* text;
        int p;
        int expected;
    };
    const std::vector<Case> cases = {
        {"(x+1)*(x-1)", 1, 5}, {"(x+1)*(x-1)", 7, 11}, {"(x+1", 1, 0},
        {"((x))", 1, 5},       {"((x))", 2, 4},        {"(x+1)", 2, 5},
        {"(x)", 3, 0},         {"(x)", 0, 0},          {"", 0, 0},
        {"(x)", -4, 0},        {"x)", 0, 2},
    };
    for (const auto& c : cases) EXPECT_EQ(MatchingBracket(c.text, c.p), c.expected) << c.text << " " << c.p;
}

TEST_F(SignHelpersTest, PutSwapOrRemoveTheSign) {
    using Helper = ExpressionText (*)(const ExpressionText&);
    struct Case {
        Helper helper;
        const char* input;
        const char* expected;
    };
    const std::vector<Case> cases = {
        {SignedTerm, "3", "+3"},        {SignedTerm, "-0", "+0"},          {SignedTerm, "-2", "-2"},
        {SignedTerm, "", ""},           {SignedTerm, "-0.0000", "+0"},     {SignedTerm, "-0.5000", "-0.5000"},
        {SignedTerm, "+0.00", "+0"},    {SignedTerm, "-0.", "+0"},         {SignedTerm, "-0*x", "-0*x"},
        {SignedTerm, "-00", "-00"},     {SignedTerm, "+5", "+5"},
        {NegateTerm, "-3", "+3"},       {NegateTerm, "+3", "-3"},          {NegateTerm, "3", "-3"},
        {NegateTerm, "", ""},
        {NegateText, "-3", "3"},        {NegateText, "3", "-3"},           {NegateText, "", "-"},
        {BracketIfNegative, "-3", "(-3)"}, {BracketIfNegative, "+3", "3"}, {BracketIfNegative, "3", "3"},
        {StripPlus, "+3", "3"},         {StripPlus, "++3", "+3"},          {StripPlus, "-3", "-3"},
    };
    for (const auto& c : cases) EXPECT_EQ(c.helper(c.input).Str(), c.expected) << c.input;
}

TEST_F(ToPrefixFormTest, DeepBracketsEnd) {
    std::string nested = std::string(127, '(') + "x" + std::string(127, ')');
    EXPECT_EQ(ToPrefixForm(nested).Str(), "x");
    ToPrefixForm(std::string(255, '('));
    EXPECT_TRUE(ErrorFlag);
    EXPECT_EQ(host.boxes.size(), 1u);
}
