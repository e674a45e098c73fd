// Roots and factorisation, the divisor list and the numeric root finders.
#include <string>
#include <vector>

#include "Checks.h"
#include "RecordingHost.h"
#include "Roots.h"

namespace {
struct Found {
    std::vector<std::string> roots;
    std::string factorised;
};
Found Roots(const char* text) {
    ExpressionText t = text, f = "untouched";
    int n = -1;
    TPolyRoots r;
    PolynomialRoots(t, n, r, f);
    Found found{{}, f.Str()};
    for (int i = 1; i <= n; ++i) found.roots.push_back(r[i].Str());
    return found;
}
using List = std::vector<std::string>;
}  // namespace

using PolynomialRootsTest = EngineTest;

TEST_F(PolynomialRootsTest, FindsRationalRootsExactlyAndTheRestNumerically) {
    struct Row {
        const char* text;
        List roots;
        const char* factorised;
    };
    for (const Row& row : std::initializer_list<Row>{
             {"x^3-6x^2+11x-6", {"1", "2", "3"}, "(x-1)*(x-2)*(x-3)"},
             {"x^2-2x+1", {"1", "1"}, "(x-1)*(x-1)"},
             {"x^2-2", {"-1.4142", "1.4142"}, "x^2-2"},
             {"x^2+1", {}, "x^2+1"},
             {"x^3-x", {"0", "1", "-1"}, "x*(x-1)*(x+1)"},
             {"2x-4", {"2"}, "2*(x-2)"},
             {"1/2*x^2-1/2", {"1", "-1"}, "1/2*(x-1)*(x+1)"},
             {"x^3-2", {"1.2599"}, "x^3-2"},
             {"3x^3-x^2-12x+4", {"1/3", "2", "-2"}, "3*(x-1/3)*(x-2)*(x+2)"},
             {"-x^2+1", {"1", "-1"}, "-(x-1)*(x+1)"},
             {"x^10-1", {"1", "-1"}, "(x-1)*(x+1)*(x^8+x^6+x^4+x^2+1)"},
             {"5", {}, "5"},
             {"0", {}, "0"},
             // Missed by a sign-change scan over -100..100: double roots, far roots.
             {"x^4-4*x^2+4", {"-1.4142", "-1.4142", "1.4142", "1.4142"}, "x^4-4*x^2+4"},
             {"x^6-6x^4+12x^2-8", {"-1.4142", "-1.4142", "-1.4142", "1.4142", "1.4142", "1.4142"},
              "x^6-6*x^4+12*x^2-8"},
             {"x^3-20000x", {"0", "-141.4214", "141.4214"}, "x*(x^2-20000)"},
             {"x^4-720720", {"-29.1368", "29.1368"}, "x^4-720720"},
             // 240 divisors on each side: the pairs are narrowed to those near a real root.
             {"720720x^2-519437318401x+720720", {"1/720720", "720720"}, "720720*(x-1/720720)*(x-720720)"},
             {"x^7+x+x^0", {"-0.7965"}, "x^7+x+1"}}) {
        Found f = Roots(row.text);
        EXPECT_EQ(f.roots, row.roots) << row.text;
        EXPECT_EQ(f.factorised, row.factorised) << row.text;
    }
    EXPECT_TRUE(host.boxes.empty());
}

TEST_F(PolynomialRootsTest, LogsEachDivision) {
    Roots("x^3-6x^2+11x-6");
    EXPECT_EQ(host.log, (Lines{"Division af x^3-6x^2+11x-6 med x-1", "Kvotienten er x^2-5*x+6 og resten er 0",
                               "Division af x^2-5*x+6 med x-2", "Kvotienten er x-3 og resten er 0",
                               "Division af x-3 med x-3", "Kvotienten er 1 og resten er 0"}));
}

TEST_F(PolynomialRootsTest, LeavesOutputsOfNonPolynomials) {
    Found f = Roots("sin(x)");
    EXPECT_TRUE(f.roots.empty());
    EXPECT_EQ(f.factorised, "untouched");
}

TEST(IntegerDivisorsTest, ListsEveryDivisorInIncreasingOrder) {
    for (auto [in, out] : std::initializer_list<std::pair<const char*, List>>{
             {"12", {"1", "2", "3", "4", "6", "12"}}, {"1", {"1"}}, {"49", {"1", "7", "49"}}, {"0", {}},
             {"-4", {}}, {"4294967296", {}}}) {
        int count = -1;
        std::vector<ExpressionText> divisors;
        IntegerDivisors(in, count, divisors);
        List texts;
        for (const auto& d : divisors) texts.push_back(d.Str());
        EXPECT_EQ(texts, out) << in;
        EXPECT_EQ(count, static_cast<int>(out.size()));
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
    EXPECT_TRUE(RootMakesZero("x^2-2x+1", "1"));
    EXPECT_FALSE(RootMakesZero("x^2-2x+1", "-1"));
    EXPECT_TRUE(RootMakesZero("3x-1", "1/3"));
    EXPECT_TRUE(RootMakesZero("x^2-2", "1.4142"));
    EXPECT_FALSE(RootMakesZero("x^2-2", "1.4143"));
    EXPECT_TRUE(RootMakesZero("x^4-4x^2+4", "-1.4142"));  // no sign change there
    EXPECT_TRUE(DivisionReproduces("x^3+1", "x^2", "x", "1"));
    EXPECT_FALSE(DivisionReproduces("x^3+1", "x^2", "x", "2"));
    EXPECT_FALSE(DivisionReproduces("x^3+1", "x", "x^2", "1-x"));  // remainder not below the divisor
    EXPECT_TRUE(FactorisationReproduces("x^2-1", "(x-1)*(x+1)"));
    EXPECT_FALSE(FactorisationReproduces("x^2-1", "(x-1)*(x-1)"));
    EXPECT_TRUE(FactorisationReproduces("x^2-2x", "x^2-2*x"));
}
