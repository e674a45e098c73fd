// The decimal-to-fraction pass, the tidy rules and the text predicates beside them.
#include <string>

#include "ExpressionCorpus.h"
#include "Fractions.h"
#include "RecordingHost.h"

using Rows = std::initializer_list<std::pair<const char*, const char*>>;
using Texts = std::initializer_list<const char*>;

static ExpressionText Convert(const ExpressionText& text) {
    ExpressionText result;
    DecimalsToFractions(text, result);
    return result;
}

using FractionsTest = EngineTest;

TEST_F(FractionsTest, DecimalsToFractionsConvertsFoldsAndTidies) {
    for (auto [in, out] : Rows{
             {"0.25*x", "1/4*x"}, {"2,5", "5/2"}, {"x^(3*2)", "x^6"}, {"x^(2+3)", "x^5"}, {"x^(-3*2)", "x^(-6)"},
             {"x^-2", "x^(-2)"}, {"2*x+2*1", "2*x+2"}, {"x*1", "x"}, {"x^1", "x"}, {"0+x", "x"}, {"0-x", "-x"},
             {"x*(2*x)", "2*x*x"}, {"(x+1)*2", "2*(x+1)"}, {"x/(2*x)", "x/(2*x)"}, {"sin((x+1))", "sin(x+1)"},
             {"2x", "2"}, {"x)+1", "x"}, {"1/2+1/3", "5/6"}, {"X + 0,5", "x+1/2"}, {"x/(0.5)", "2*x"},
             {"2*(-3*x)", "-6*x"}, {"x^0", "1"}, {"2.50*x", "5/2*x"}, {"pi*e^x", "pi*e^x"}, {"\xA7x+1", "x+1"},
             {"3*2-1/0", "6-1/0"}, {"0.5/0*x", "1/2/0*x"},  // a division by 0 is left to the evaluator
             // The evaluator's reading of signs and powers is kept.
             {"-x^2", "-x^2"}, {"1+-x^2", "1+(-x)^2"}, {"1--x^2", "1-(-x)^2"}, {"-2^2", "-2^2"},
             {"3*-x^2", "3*(-x)^2"}, {"2*(-x^2)", "-2*x^2"}, {"3*2^2", "12"}, {"1.5^2", "(3/2)^2"},
             {"2^(x^2)", "2^(x^2)"}, {"x^2^3", "x^2^3"}, {"x^0.5", "x^(1/2)"}, {"sin(x)^(1/2)", "sin(x)^(1/2)"},
             {"sin((x)^(0.5))", "sin(x^(1/2))"}}) {
        EXPECT_EQ(Convert(in).Str(), out) << in;
        EXPECT_FALSE(ErrorFlag) << in;
    }
    EXPECT_TRUE(host.boxes.empty());
}

TEST_F(FractionsTest, DecimalsToFractionsLogsOnlyWhenADecimalWasConverted) {
    Convert("0.25*x");
    Convert("2*x*3+x*1");
    Convert("");
    EXPECT_EQ(host.log, Lines{"Kovertering af decimalkommatal til br\xF8ker: fx = 1/4*x"});
}

// Fuzz and value-check findings: each result had another value.
TEST_F(FractionsTest, DecimalsToFractionsRegressions) {
    for (const char* text : Texts{
             "51.^2./02/2./0,2",        // 2601/2/02 folded again was read as 2601/2/(02/(1/5))
             "-1--2^3/-1/2^3",          // -1/-1 went to the folder and gave a syntax error
             "e^4*-(1/1*x)*x",          // the pulled-out sign stood before e^4: (-e)^4
             "pi^4/(-(x*x))*sin(x)", "(acosh(x)^0/x)^-2/x/-(x*x)",
             "x*12^-1*1,5"}) {          // "*1" before a decimal comma was taken for *1
        EXPECT_TRUE(corpus::SameValue(text, Convert(text))) << text;
        EXPECT_FALSE(ErrorFlag) << text;
    }
    std::string decimals = "0.51*x";
    while (decimals.size() < 240) decimals += "+0.51*x";
    EXPECT_EQ(Convert(decimals).Length(), 255);
    EXPECT_GT(TextCutCount, 0);  // a cut result is counted for the handlers
    EXPECT_TRUE(host.boxes.empty());
}

TEST_F(FractionsTest, DecimalsToFractionsReportsReadingErrors) {
    for (auto [in, box] : Rows{
             {"(x+1", "Mangler \")\" i funktionsudtryk: (x+1"}, {"y+1", "Fejl i funktionsudtryk: \n\ry+1"},
             {"a*b", "Fejl i funktionsudtryk: \n\ra*b"},
             {"sin x", "Fejl i funktionsudtryk: \n\rsinx"},            // a name needs its bracket
             {"(y+1)", "Fejl i funktionsudtryk: \n\r(y+1)"},           // one error, one box
             {"2*3+y+2*3", "Fejl i funktionsudtryk: \n\r2*3+y+2*3"}}) {  // later folding cleared the flag
        host.boxes.clear();
        ErrorFlag = false;
        Convert(in);
        EXPECT_TRUE(ErrorFlag) << in;
        EXPECT_EQ(host.boxes, Lines{box});
    }
    ErrorFlag = false;
    Convert(std::string(200, '(') + "x");  // deeper than any balanced text
    EXPECT_TRUE(ErrorFlag);
    host.ignoreAll = true;  // Ignore clears the flag
    ErrorFlag = false;
    Convert("(x+1");
    EXPECT_FALSE(ErrorFlag);
}

TEST_F(FractionsTest, TidyExpressionAppliesTheRulesWhereTheyKeepTheValue) {
    for (auto [in, out] : Rows{
             {"x+0", "x"}, {"0+x", "x"}, {"x-0", "x"}, {"0-x", "-x"}, {"x/1", "x"}, {"x*1", "x"}, {"-1*x", "-x"},
             {"1*x", "x"}, {"x*(1)", "x"}, {"sqrt(1)+x", "1+x"}, {"(1)*x", "x"}, {"x^1", "x"}, {"x^(1)", "x"},
             {"1^5*x", "x"}, {"1^-2/x", "1/x"}, {"((x+1)+2)", "(x+1+2)"}, {"sin((x))", "sin(x)"}, {"(x)^2", "x^2"},
             {"x+(2*x-1)", "x+2*x-1"}, {"x+(-x+1)", "x-x+1"}, {"2*-x", "2*(-x)"}, {"S I N ( X )", "sin(x)"},
             // Where the plain rule would change the value it is applied only in part.
             {"x-0+1", "x+1"}, {"x/1^2", "x/1"}, {"x/1*x", "x*x"}, {"1*-x^2", "1*(-x)^2"}, {"2^1*15", "2*15"},
             {"x+1^2", "x+1"}, {"2*-x+1", "2*(-x)+1"}, {"2*-x^2", "2*(-x)^2"}, {"2*e+0", "2*e"}})
        EXPECT_EQ(TidyExpression(in).Str(), out) << in;
    // ... or not at all; 2e-1 and 1e+0 are numbers in exponent form.
    for (const char* text : Texts{"x+0.5-0.25", "x^10*1.5", "x+0*5", "x*0+1", "x*0-1", "0-2^2", "2/-1*x", "-1*2^2",
                                  "2^-1*x", "x/(1)*x", "ln(1)*x", "11*13", "-1^2", "x^-1^2", "1^x", "-(x)^2",
                                  "x+(x+1)*2", "x+(-2^2)", "2+-x^2", "2e-1*x", "1e+0+x", "2e+1*7", "2e+1^2"})
        EXPECT_EQ(TidyExpression(text).Str(), text);
    std::string stars;
    while (stars.size() < 255) stars += "x*-x";
    ExpressionText full(stars), tidy = TidyExpression(full);  // no room for the brackets of "*-"
    EXPECT_TRUE(corpus::SameValue(full, tidy));
}

TEST_F(FractionsTest, FractionTextsAndCompleteExpressions) {
    for (const char* yes : Texts{"1/2", "-3/4", "12/345"}) EXPECT_TRUE(IsFractionText(yes)) << yes;
    for (const char* no : Texts{"", "1/", "/2", "123", "-12", "1/2/3", "1.5/2", "a/b", "1/2x"})
        EXPECT_FALSE(IsFractionText(no)) << no;
    std::string balanced = std::string(120, '(') + "x" + std::string(120, ')');
    EXPECT_EQ(Convert(balanced).Str(), "x");
    for (const char* yes : Texts{"x", "2,5*x", "sin(x)^2+e^x-pi", "-x^2", "X + 1", "2*-x", "2e5", balanced.c_str()})
        EXPECT_TRUE(ReadsAsExpression(yes)) << yes;
    for (const char* no : Texts{"", "2x", "2x^2", "x)+1", "sin x", "(x+1", "y", "x+", "1.2.3", "--x", "2e"})
        EXPECT_FALSE(ReadsAsExpression(no)) << no;
    EXPECT_FALSE(ReadsAsExpression(std::string(200, '(') + "x"));
    ErrorFlag = true;
    EXPECT_TRUE(ReadsAsExpression("x+1"));
    EXPECT_TRUE(ErrorFlag);
    EXPECT_TRUE(host.boxes.empty());
    EXPECT_TRUE(host.log.empty());
}
