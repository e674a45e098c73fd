// Reading, writing and dividing polynomials; quotients of two polynomials.
#include <string>
#include <vector>

#include "Polynomial.h"
#include "RecordingHost.h"

namespace {
struct Read {
    bool ok;
    std::string normalised;
    int degree;
    std::vector<std::string> coefficients;  // index 0 upwards, up to the degree
};
Read Parse(const char* text) {
    ExpressionText t = text;
    int degree = -1;
    TPolyCoefficients k;
    bool ok = ParsePolynomial(t, degree, k);
    Read r{ok, t.Str(), ok ? degree : -1, {}};
    for (int i = 0; ok && i <= degree; ++i) r.coefficients.push_back(k[i].Str());
    return r;
}
using Coefficients = std::vector<std::string>;
}  // namespace

using ParsePolynomialTest = EngineTest;

TEST_F(ParsePolynomialTest, ReadsCoefficientsAtTheirPowers) {
    struct Row {
        const char* text;
        const char* normalised;
        int degree;
        Coefficients coefficients;
    };
    for (const Row& row : std::initializer_list<Row>{
             {"3x^2-x+5", "3x^2-x+5", 2, {"+5", "-1", "3"}},
             {"3*x^2-1*x+5", "3*x^2-1*x+5", 2, {"+5", "-1*", "3*"}},
             {"x^2+x", "x^2+x", 2, {"", "1", "1"}},
             {"(x^2-1)", "x^2-1", 2, {"-1", "", "1"}},
             {"2.5x+1", "5/2x+1", 1, {"+1", "5/2"}},
             {"X^3-6X^2+11X-6", "x^3-6x^2+11x-6", 3, {"-6", "+11", "-6", "1"}},
             {"-x^2+4", "-x^2+4", 2, {"+4", "", "-1"}},
             {"1/2*x^2-1/2", "1/2*x^2-1/2", 2, {"-1/2", "", "1/2"}},
             {"7", "7", 0, {"7"}},
             {"0", "0", 0, {"0"}},
             {"0x^2+x", "0x^2+x", 1, {"", "1"}},  // a zero leading term is no degree
             {"x^20", "x^20", 20, {"", "", "", "", "", "", "", "", "", "", "", "", "", "", "", "", "", "", "", "", "1"}}}) {
        Read r = Parse(row.text);
        EXPECT_TRUE(r.ok) << row.text;
        EXPECT_EQ(r.normalised, row.normalised) << row.text;
        EXPECT_EQ(r.degree, row.degree) << row.text;
        Coefficients expected = row.coefficients;
        for (auto& c : expected)
            if (!c.empty() && c.back() == '*') c.pop_back();  // the "*" is not part of a coefficient
        EXPECT_EQ(r.coefficients, expected) << row.text;
    }
    EXPECT_TRUE(host.boxes.empty());
}

TEST_F(ParsePolynomialTest, RefusesOtherTexts) {
    for (const char* text : {"", "(x+1)*(x-1)", "sin(x)", "x^21+1", "x^100", "5+x", "x^", "2x*", "3/0x", "x^2+",
                             "2**x", "x*2", "xx", "(x^2", "x^2)", "1.2.3x", "2e3x", "y^2", "a", "x^2 +1", "--x"}) {
        EXPECT_FALSE(Parse(text).ok) << text;
        EXPECT_FALSE(ErrorFlag) << text;
    }
    EXPECT_TRUE(host.boxes.empty());
}

// A power that does not fall would otherwise be stored as another
// polynomial (x^2+x^3 became x^2+x).
TEST_F(ParsePolynomialTest, ReportsPowersThatDoNotFall) {
    for (const char* text : {"x+x", "x^2+x^3", "x^2+x^2", "x^0+x"}) {
        host.boxes.clear();
        ErrorFlag = false;
        EXPECT_FALSE(Parse(text).ok) << text;
        EXPECT_TRUE(ErrorFlag) << text;
        EXPECT_EQ(host.boxes, Lines{"Fejl i polynomium: " + std::string(text)});
    }
}

using PolynomialToTextTest = EngineTest;

TEST_F(PolynomialToTextTest, WritesTheEvaluatorsNotation) {
    TPolyCoefficients k;
    k[0] = "-2"; k[1] = "+3"; k[2] = "1";
    EXPECT_EQ(PolynomialToText(2, k).Str(), "x^2+3*x-2");
    TPolyCoefficients m;
    m[0] = "+5"; m[2] = "-1";
    EXPECT_EQ(PolynomialToText(2, m).Str(), "-1*x^2+5");
    EXPECT_EQ(PolynomialToText(3, TPolyCoefficients{}).Str(), "");
    EXPECT_FALSE(ErrorFlag);
    EXPECT_EQ(PolynomialToText(11, TPolyCoefficients{}).Str(), "");
    EXPECT_TRUE(ErrorFlag);
    EXPECT_EQ(host.boxes, Lines{"Fejl ved fors\xF8g p\xE5 at finde koefficienter til \"polynomium\""});
}

using DividePolynomialsTest = EngineTest;

TEST_F(DividePolynomialsTest, DividesExactly) {
    struct Row {
        const char *p, *d, *q, *r;
    };
    for (const Row& row : std::initializer_list<Row>{{"x^2-1", "x-1", "x+1", ""},
                                                      {"x^3+1", "x^2", "x", "1"},
                                                      {"x+1", "x^2", "", "x+1"},
                                                      {"2x^3-3x+1", "2x-1", "x^2+1/2*x-5/4", "-1/4"},
                                                      {"x^4", "x^2+1", "x^2-1", "1"},
                                                      {"6x^2+4", "2", "3*x^2+2", ""},
                                                      {"x^3-6x^2+11x-6", "x-1", "x^2-5*x+6", ""}}) {
        ExpressionText q = "old", r = "old";
        EXPECT_TRUE(DividePolynomials(row.p, row.d, q, r)) << row.p;
        EXPECT_EQ(q.Str(), row.q) << row.p << " / " << row.d;
        EXPECT_EQ(r.Str(), row.r) << row.p << " / " << row.d;
    }
}

TEST_F(DividePolynomialsTest, RefusesNonPolynomialsAndTheZeroDivisor) {
    for (auto [p, d] : std::initializer_list<std::pair<const char*, const char*>>{
             {"sin(x)", "x"}, {"x^2", "x+"}, {"x^2+1", "0"}, {"x^2+1", "0x"}}) {
        ExpressionText q = "old", r = "old";
        EXPECT_FALSE(DividePolynomials(p, d, q, r)) << p << " / " << d;
        EXPECT_EQ(q.Str() + r.Str(), "oldold");
    }
}

using IsRationalFunctionTest = EngineTest;

TEST_F(IsRationalFunctionTest, SplitsOnlyWholeQuotients) {
    struct Row {
        const char* text;
        bool ok;
        const char *num, *den;
    };
    for (const Row& row : std::initializer_list<Row>{
             {"(x+1)/(x-1)", true, "x+1", "x-1"},
             {"1/(x^2+1)", true, "1", "x^2+1"},
             {"(x^2+1)/x", true, "x^2+1", "x"},
             {"(x^2-1)/(2x+2)", true, "x^2-1", "2x+2"},
             {"sin(x)/x", false, "", ""},
             {"(x+1)/(2)", false, "", ""},
             // The "/" divides only part of each of these.
             {"2*(x+1)/(x-1)", false, "", ""},
             {"x^2-1/(x+1)", false, "", ""},
             {"(x+1)/2*x", false, "", ""},
             {"(x+1)/x+1", false, "", ""},
             {"(x+1)/(x-1)+1", false, "", ""}}) {
        ExpressionText num, den;
        EXPECT_EQ(IsRationalFunction(row.text, num, den), row.ok) << row.text;
        EXPECT_EQ(num.Str(), row.num) << row.text;
        EXPECT_EQ(den.Str(), row.den) << row.text;
    }
}
