// Reading, writing and dividing polynomials; quotients of two polynomials.
// The cases are in data/polynomials.tsv.
#include <string>
#include <vector>

#include "CaseTable.h"
#include "Polynomial.h"
#include "RecordingHost.h"

namespace {
const char* const Cases = "poly/data/polynomials.tsv";
}  // namespace

using PolynomialTest = EngineTest;

TEST_F(PolynomialTest, ReadsCoefficientsAtTheirPowersAndRefusesOtherTexts) {
    for (const CaseRow& row : CaseTable(Cases, "Parse")) {
        ExpressionText t = row[0];
        int degree = -1;
        TPolyCoefficients k;
        ASSERT_TRUE(ParsePolynomial(t, degree, k)) << row.where;
        EXPECT_EQ(t.Str(), row[1]) << row.where;
        EXPECT_EQ(degree, row.Int(2)) << row.where;
        std::vector<std::string> read;
        for (int i = 0; i <= degree; ++i) read.push_back(k[i].Str());
        EXPECT_EQ(read, std::vector<std::string>(row.begin() + 3, row.end())) << row.where;
    }
    for (const CaseRow& row : CaseTable(Cases, "NoPolynomial")) {
        ExpressionText t = row[0];
        int degree = -1;
        TPolyCoefficients k;
        EXPECT_FALSE(ParsePolynomial(t, degree, k)) << row.where;
        EXPECT_FALSE(ErrorFlag) << row.where;
    }
    EXPECT_TRUE(host.boxes.empty());
    // A power that does not fall would otherwise be stored as another polynomial.
    for (const CaseRow& row : CaseTable(Cases, "PowersNotFalling")) {
        host.boxes.clear();
        ErrorFlag = false;
        ExpressionText t = row[0];
        int degree = -1;
        TPolyCoefficients k;
        EXPECT_FALSE(ParsePolynomial(t, degree, k)) << row.where;
        EXPECT_TRUE(ErrorFlag) << row.where;
        EXPECT_EQ(host.boxes, Lines{"Fejl i polynomium: " + row[0]}) << row.where;
    }
}

TEST_F(PolynomialTest, WritesTheEvaluatorsNotation) {
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

TEST_F(PolynomialTest, DividesExactlyOrLeavesTheOutputs) {
    for (const CaseRow& row : CaseTable(Cases, "Divide")) {
        ExpressionText q = "old", r = "old";
        EXPECT_TRUE(DividePolynomials(row[0], row[1], q, r)) << row.where;
        EXPECT_EQ(q.Str(), row[2]) << row.where;
        EXPECT_EQ(r.Str(), row[3]) << row.where;
    }
    for (const CaseRow& row : CaseTable(Cases, "NoDivision")) {
        ExpressionText q = "old", r = "old";
        EXPECT_FALSE(DividePolynomials(row[0], row[1], q, r)) << row.where;
        EXPECT_EQ(q.Str() + r.Str(), "oldold") << row.where;
    }
}

TEST_F(PolynomialTest, SplitsOnlyWholeQuotients) {
    for (const CaseRow& row : CaseTable(Cases, "Rational")) {
        ExpressionText num, den;
        EXPECT_EQ(IsRationalFunction(row[0], num, den), row[1] == "1") << row.where;
        EXPECT_EQ(num.Str(), row[2]) << row.where;
        EXPECT_EQ(den.Str(), row[3]) << row.where;
    }
}
