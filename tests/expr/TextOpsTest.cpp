// The prefix form, the bracket matcher and ReplaceAll.
#include <string>
#include <tuple>

#include "RecordingHost.h"
#include "PrefixForm.h"
#include "TextOps.h"
#include "TextOps.h"

using Rows = std::initializer_list<std::pair<const char*, const char*>>;

using TextOpsTest = EngineTest;

TEST_F(TextOpsTest, ToPrefixFormWritesOperatorsInFrontFullyBracketed) {
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

TEST_F(TextOpsTest, ToPrefixFormReportsUnreadableTexts) {
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

TEST_F(TextOpsTest, MatchingBracket) {
    for (auto [text, p, expected] : std::initializer_list<std::tuple<const char*, int, int>>{
             {"(x+1)*(x-1)", 1, 5}, {"(x+1)*(x-1)", 7, 11}, {"(x+1", 1, 0}, {"((x))", 1, 5}, {"((x))", 2, 4},
             {"(x+1)", 2, 5}, {"(x)", 3, 0}, {"(x)", 0, 0}, {"", 0, 0}, {"(x)", -4, 0}, {"x)", 0, 2}})
        EXPECT_EQ(MatchingBracket(text, p), expected) << text << " " << p;
}

TEST_F(TextOpsTest, ReplacesEveryOccurrenceRestartingFromTheBeginning) {
    // "aab": a single left-to-right pass would leave "ab"; "(x)": a replacement that holds the pattern ends.
    const char* const cases[][4] = {{"sin(x)+sin(2*x)", "sin", "cos", "cos(x)+cos(2*x)"}, {"a b  c", " ", "", "abc"},
                                    {"x+1", "", "z", "x+1"}, {"aab", "ab", "b", "b"}, {"x+x", "x", "(x)", "(x)+(x)"}};
    for (const auto& c : cases) EXPECT_EQ(ReplaceAll(c[0], c[1], c[2]), c[3]) << c[0];
    EXPECT_EQ(ReplaceAll(std::string(255, 'x'), "x", "xx").Str(), std::string(255, 'x'));
    EXPECT_EQ(ReplaceAll(std::string(200, 'a'), "a", "bb").Str(), std::string(255, 'b'));
    EXPECT_GT(TextCutCount, 0);
}
