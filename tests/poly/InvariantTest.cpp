// The invariants of every polynomial result over the school polynomials and
// generated ones: each root makes p vanish, the factorised form is p,
// quotient*divisor + remainder is the dividend, the reduced fraction has the
// value of the fraction.
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "Checks.h"
#include "ExpressionCorpus.h"
#include "Polynomial.h"
#include "RecordingHost.h"
#include "Roots.h"

namespace {

const std::vector<std::string>& SchoolPolynomials() {
    static std::vector<std::string> all;
    if (all.empty()) {
        std::ifstream in(KVADRIX_SCHOOL_POLYNOMIALS);
        for (std::string line; std::getline(in, line);)
            if (!line.empty() && line[0] != '#') all.push_back(line);
    }
    return all;
}

// Random polynomials of degree 1 to 10 with small whole and fractional
// coefficients, often with rational roots built in.
std::vector<std::string> GeneratedPolynomials(int count) {
    std::mt19937 rng(23);
    auto pick = [&](int n) { return static_cast<int>(rng() % static_cast<unsigned>(n)); };
    std::vector<std::string> all;
    while (static_cast<int>(all.size()) < count) {
        std::vector<long long> c{1};
        int roots = pick(5);
        for (int i = 0; i < roots; ++i) {  // times (x - r)
            long long r = pick(7) - 3;
            std::vector<long long> next(c.size() + 1, 0);
            for (std::size_t j = 0; j < c.size(); ++j) {
                next[j + 1] += c[j];
                next[j] -= r * c[j];
            }
            c = next;
        }
        int extra = 1 + pick(4);
        std::vector<long long> rest(extra + 1);
        for (auto& a : rest) a = pick(9) - 4;
        rest[extra] = 1 + pick(3);
        std::vector<long long> p(c.size() + rest.size() - 1, 0);
        for (std::size_t i = 0; i < c.size(); ++i)
            for (std::size_t j = 0; j < rest.size(); ++j) p[i + j] += c[i] * rest[j];
        if (p.size() - 1 > 10) continue;
        std::string text;
        for (int i = static_cast<int>(p.size()) - 1; i >= 0; --i) {
            if (p[i] == 0) continue;
            text += p[i] < 0 ? "-" : text.empty() ? "" : "+";
            text += std::to_string(p[i] < 0 ? -p[i] : p[i]);
            if (i > 0) text += i == 1 ? "*x" : "*x^" + std::to_string(i);
        }
        if (!text.empty()) all.push_back(text);
    }
    return all;
}

std::vector<std::string> AllPolynomials() {
    std::vector<std::string> all = SchoolPolynomials();
    for (const auto& p : GeneratedPolynomials(300)) all.push_back(p);
    return all;
}

}  // namespace

using PolynomialInvariantTest = EngineTest;

TEST_F(PolynomialInvariantTest, CorpusIsLargeEnough) { EXPECT_GE(SchoolPolynomials().size(), 100u); }

TEST_F(PolynomialInvariantTest, RootsVanishAndFactorisationMultipliesOut) {
    int withRoots = 0;
    for (const auto& text : AllPolynomials()) {
        ExpressionText t = text, f;
        int n = 0;
        TPolyRoots roots;
        PolynomialRoots(t, n, roots, f);
        ASSERT_FALSE(ErrorFlag) << text;
        int degree = 0;
        TPolyCoefficients k;
        ExpressionText copy = text;
        ASSERT_TRUE(ParsePolynomial(copy, degree, k)) << text;
        EXPECT_LE(n, degree) << text;
        for (int i = 1; i <= n; ++i) EXPECT_TRUE(RootMakesZero(text, roots[i])) << text << " root " << roots[i].Str();
        EXPECT_TRUE(FactorisationReproduces(text, f)) << text << " = " << f.Str();
        // Odd degree: at least one real root is always there.
        if (degree % 2 == 1) {
            EXPECT_GE(n, 1) << text;
        }
        withRoots += n > 0;
    }
    EXPECT_GT(withRoots, 300);
    EXPECT_TRUE(host.boxes.empty());
}

TEST_F(PolynomialInvariantTest, DivisionReproducesTheDividend) {
    auto all = AllPolynomials();
    int divided = 0;
    for (std::size_t i = 0; i + 1 < all.size(); i += 2) {
        for (auto [p, d] : {std::pair{all[i], all[i + 1]}, std::pair{all[i + 1], all[i]}}) {
            ExpressionText q, r;
            ASSERT_TRUE(DividePolynomials(p, d, q, r)) << p << " / " << d;
            EXPECT_TRUE(DivisionReproduces(p, d, q, r)) << p << " / " << d << " = " << q.Str() << " rest " << r.Str();
            ++divided;
        }
    }
    EXPECT_GT(divided, 400);
}
