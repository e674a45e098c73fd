// The prefix form, the bracket matcher and the sign helpers.
#include <string>
#include <tuple>

#include "RecordingHost.h"
#include "PrefixForm.h"
#include "TextOps.h"

using Rows = std::initializer_list<std::pair<const char*, const char*>>;

using RestructureTest = EngineTest;

TEST_F(RestructureTest, ToPrefixFormWritesOperatorsInFrontFullyBracketed) {
    for (auto [in, out] : Rows{
             {"2*x+3", "+(*(2 x) 3)"}, {"x^k*exp(x)", "*(^(x k) exp(x))"}, {"sin(2*x)/x", "/(sin(*(2 x)) x)"},
             {"x^0", "1"}, {"x^2^0", "1"}, {"x^(2-2)", "^(x -(2 2))"}, {"-x^2", "^(-x 2)"}, {"1,5*x", "*(1,5 x)"},
             {"1.5e-3*x", "*(1.5e-3 x)"}, {"x-y-z", "-(-(x y) z)"}, {"2^3^2", "^(^(2 3) 2)"}, {"x-(-2)", "-(x -2)"},
             {"-(-x)", "+x"}, {"-(2*x)", "-*(2 x)"}, {"((x))", "x"}, {"pi*x+e^x", "+(*(pi x) ^(e x))"},
             {"sqrt(x)/ln(x)", "/(sqrt(x) ln(x))"}, {"asinh(x)-sinh(x)", "-(asinh(x) sinh(x))"},
             {"d*g+j*k-m*u+v*w-y*z", "-(+(-(+(*(d g) *(j k)) *(m u)) *(v w)) *(y z))"}, {"x)", "x"},
             // A negated sum keeps its own form: -(x+1) was -(x 1), the form of x-1.
             {"-(x+1)", "*(-1 +(x 1))"}, {"-(x-1)", "*(-1 -(x 1))"}, {"exp(-(x+1))", "exp(*(-1 +(x 1)))"},
             {"-(-(x+1))", "-*(-1 +(x 1))"}})
        EXPECT_EQ(ToPrefixForm(in).Str(), out) << in;
    EXPECT_TRUE(host.boxes.empty());
    EXPECT_FALSE(ErrorFlag);
    std::string nested = std::string(127, '(') + "x" + std::string(127, ')');
    EXPECT_EQ(ToPrefixForm(nested).Str(), "x");
}

TEST_F(RestructureTest, ToPrefixFormReportsUnreadableTexts) {
    for (auto [in, box] : Rows{
             {"a+x", "Fejl i funktionsudtryk: \n\ra+x"}, {"x+", "Fejl i funktionsudtryk: \n\rx+"},
             {"sinx", "Fejl i funktionsudtryk: \n\rsinx"}, {"x*+2", "Fejl i funktionsudtryk: \n\rx*+2"},
             {"(x+1", "Mangler \")\" i funktionsudtryk: (x+1"}, {"sin(x", "Mangler \")\" i funktionsudtryk: sin(x"},
             {"x*(a)+1", "Fejl i funktionsudtryk: \n\rx*(a)+1"}}) {  // OK stops at the first error
        host.boxes.clear();
        ErrorFlag = false;
        ToPrefixForm(in);
        EXPECT_TRUE(ErrorFlag) << in;
        EXPECT_EQ(host.boxes, Lines{box});
    }
    host.boxes.clear();
    ErrorFlag = false;
    ToPrefixForm(std::string(255, '('));
    EXPECT_TRUE(ErrorFlag);
    EXPECT_EQ(host.boxes.size(), 1u);
    host.boxes.clear();
    ErrorFlag = false;
    host.ignoreAll = true;  // Ignore goes on to the next error and clears the flag
    ToPrefixForm("x*(a)+1");
    EXPECT_EQ(host.boxes, (Lines{"Fejl i funktionsudtryk: \n\rx*(a)+1", "Mangler \")\" i funktionsudtryk: x*(a)+1"}));
    EXPECT_FALSE(ErrorFlag);
}

TEST_F(RestructureTest, MatchingBracket) {
    for (auto [text, p, expected] : std::initializer_list<std::tuple<const char*, int, int>>{
             {"(x+1)*(x-1)", 1, 5}, {"(x+1)*(x-1)", 7, 11}, {"(x+1", 1, 0}, {"((x))", 1, 5}, {"((x))", 2, 4},
             {"(x+1)", 2, 5}, {"(x)", 3, 0}, {"(x)", 0, 0}, {"", 0, 0}, {"(x)", -4, 0}, {"x)", 0, 2}})
        EXPECT_EQ(MatchingBracket(text, p), expected) << text << " " << p;
}

TEST_F(RestructureTest, SignHelpersPutSwapOrRemoveTheSign) {
    using Helper = ExpressionText (*)(const ExpressionText&);
    for (auto [helper, in, out] : std::initializer_list<std::tuple<Helper, const char*, const char*>>{
             {SignedTerm, "3", "+3"}, {SignedTerm, "-0", "+0"}, {SignedTerm, "-2", "-2"}, {SignedTerm, "", ""},
             {SignedTerm, "-0.0000", "+0"}, {SignedTerm, "-0.5000", "-0.5000"}, {SignedTerm, "+0.00", "+0"},
             {SignedTerm, "-0.", "+0"}, {SignedTerm, "-0*x", "-0*x"}, {SignedTerm, "-00", "-00"},
             {SignedTerm, "+5", "+5"}, {NegateTerm, "-3", "+3"}, {NegateTerm, "+3", "-3"}, {NegateTerm, "3", "-3"},
             {NegateTerm, "", ""}, {NegateText, "-3", "3"}, {NegateText, "3", "-3"}, {NegateText, "", "-"},
             {BracketIfNegative, "-3", "(-3)"}, {BracketIfNegative, "+3", "3"}, {BracketIfNegative, "3", "3"},
             {StripPlus, "+3", "3"}, {StripPlus, "++3", "+3"}, {StripPlus, "-3", "-3"}})
        EXPECT_EQ(helper(in).Str(), out) << in;
}
