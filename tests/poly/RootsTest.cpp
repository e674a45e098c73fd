// Roots and factorisation, the divisor list and the numeric root finders.
#include <string>
#include <vector>

#include "CaseTable.h"
#include "Checks.h"
#include "RecordingHost.h"
#include "Roots.h"

namespace {
const char* const Cases = "poly/data/polynomials.tsv";
using List = std::vector<std::string>;
// The roots found, then the factorised form ("untouched" when not written).
List Roots(const std::string& text) {
    ExpressionText t = text, f = "untouched";
    int n = -1;
    TPolyRoots r;
    PolynomialRoots(t, n, r, f);
    List found;
    for (int i = 1; i <= n; ++i) found.push_back(r[i].Str());
    found.push_back(f.Str());
    return found;
}
}  // namespace

using PolynomialRootsTest = EngineTest;

TEST_F(PolynomialRootsTest, FindsRationalRootsExactlyAndTheRestNumerically) {
    for (const CaseRow& row : CaseTable(Cases, "Roots")) {
        List expected(row.begin() + 2, row.end());
        expected.push_back(row[1]);
        EXPECT_EQ(Roots(row[0]), expected) << row.where;
    }
    EXPECT_TRUE(host.boxes.empty());
}

TEST_F(PolynomialRootsTest, LogsEachDivision) {
    Roots("x^3-6x^2+11x-6");
    EXPECT_EQ(host.log, (Lines{"Division af x^3-6x^2+11x-6 med x-1", "Kvotienten er x^2-5*x+6 og resten er 0",
                               "Division af x^2-5*x+6 med x-2", "Kvotienten er x-3 og resten er 0",
                               "Division af x-3 med x-3", "Kvotienten er 1 og resten er 0"}));
}

TEST_F(PolynomialRootsTest, LeavesOutputsOfNonPolynomials) { EXPECT_EQ(Roots("sin(x)"), List{"untouched"}); }

TEST(IntegerDivisorsTest, ListsEveryDivisorInIncreasingOrder) {
    for (const CaseRow& row : CaseTable(Cases, "Divisors")) {
        int count = -1;
        std::vector<ExpressionText> divisors;
        IntegerDivisors(row[0], count, divisors);
        List texts;
        for (const auto& d : divisors) texts.push_back(d.Str());
        EXPECT_EQ(texts, List(row.begin() + 1, row.end())) << row.where;
        EXPECT_EQ(count, static_cast<int>(texts.size())) << row.where;
    }
    int count = 0;
    std::vector<ExpressionText> divisors;
    IntegerDivisors("720720", count, divisors);
    EXPECT_EQ(count, 240);  // every one of them, no cap
}

TEST(RealPolynomialRootsTest, FindsEveryRealRootWithItsMultiplicity) {
    auto roots = RealPolynomialRoots({4, 0, -4, 0, 1});  // (x^2-2)^2
    ASSERT_EQ(roots.size(), 2u);
    EXPECT_NEAR(roots[0].value, -1.41421356, 1e-7);
    EXPECT_EQ(roots[0].multiplicity, 2);
    roots = RealPolynomialRoots({-1e6, 0, 1});  // beyond -100..100
    ASSERT_EQ(roots.size(), 2u);
    EXPECT_NEAR(roots[1].value, 1000, 1e-9);
    EXPECT_TRUE(RealPolynomialRoots({1, 0, 1}).empty());
}

using FindRootsNumericallyTest = EngineTest;

TEST_F(FindRootsNumericallyTest, ScansSignChanges) {
    int count = 0;
    std::array<double, MaxScanRoots + 1> roots{};
    FindRootsNumerically("x^3-2", -100, 100, count, roots);
    ASSERT_EQ(count, 1);
    EXPECT_NEAR(roots[1], 1.259921, 1e-4);
    FindRootsNumerically("sin(x)", 20, -20, count, roots);  // ends exchanged; 13 roots, 12 kept
    EXPECT_EQ(count, MaxScanRoots);
    // A bracket whose end stays fixed converges slowly: the step bound ends it.
    double r = RegulaFalsi("x^10-1", 0, 1.5, -1, 56.665, 1e-300);
    EXPECT_NEAR(r, 1, 1e-3);
}

TEST(ChecksTest, RecogniseWrongResults) {
    for (const CaseRow& row : CaseTable(Cases, "Check")) {
        const bool passes = row[0] == "root"       ? RootMakesZero(row[1], row[2])
                            : row[0] == "division" ? DivisionReproduces(row[1], row[2], row[3], row[4])
                                                   : FactorisationReproduces(row[1], row[2]);
        EXPECT_EQ(passes, row.back() == "1") << row.where;
    }
}
