// Reduction and constant folding must never change the value of an
// expression: every corpus text is compared with its result at sample points.
#include <algorithm>
#include <cmath>
#include <random>
#include <string>

#include "ExpressionCorpus.h"
#include "RecordingHost.h"
#include "Reduce.h"

namespace {

constexpr unsigned RandomSeeds[] = {1, 2, 3, 2024};
constexpr int RandomPerSeed = 1500;

}  // namespace

using ValuePreservationTest = EngineTest;

TEST_F(ValuePreservationTest, CorpusTextsHaveValues) {
    const auto& school = corpus::SchoolExpressions();
    EXPECT_GE(school.size(), 200u);
    for (const auto& text : school) EXPECT_GT(corpus::DefinedPoints(text), 0) << text;

    auto texts = corpus::RandomExpressions(7, 500);
    EXPECT_EQ(texts, corpus::RandomExpressions(7, 500));
    int readable = 0;
    for (const auto& text : texts) {
        EXPECT_LE(text.size(), 120u);
        readable += corpus::DefinedPoints(text) > 0;
    }
    EXPECT_GT(readable, 350);
    EXPECT_TRUE(host.boxes.empty());
    EXPECT_FALSE(ErrorFlag);
}

TEST_F(ValuePreservationTest, SameValueTellsDifferentValuesApart) {
    EXPECT_TRUE(corpus::SameValue("x*x", "x^2"));
    EXPECT_TRUE(corpus::SameValue("sqrt(x)", "x^(1/2)"));
    EXPECT_FALSE(corpus::SameValue("-2*2", "-2^2"));
    EXPECT_FALSE(corpus::SameValue("x+1", "x+1)"));   // not read to its end
    EXPECT_FALSE(corpus::SameValue("x^2", "x*^2"));   // no expression
    EXPECT_TRUE(corpus::SameValue("x", "1/0"));       // no value: nothing to compare
    EXPECT_FALSE(corpus::SameValueAndDomain("x", "1/x^2-1/x^2+x/0"));
    EXPECT_TRUE(corpus::SameValueAndDomain("1/0", "x"));
}

TEST_F(ValuePreservationTest, ReduceExpressionKeepsSchoolValues) {
    int changed = 0;
    for (const auto& text : corpus::SchoolExpressions()) {
        ExpressionText reduced = ReduceExpression(text);
        EXPECT_TRUE(corpus::SameValueAndDomain(text, reduced));
        changed += reduced.Str() != text;
    }
    EXPECT_GT(changed, 60);
    EXPECT_TRUE(host.boxes.empty());
    EXPECT_FALSE(ErrorFlag);
}

TEST_F(ValuePreservationTest, ReduceExpressionKeepsRandomValues) {
    int changed = 0;
    for (unsigned seed : RandomSeeds) {
        for (const auto& text : corpus::RandomExpressions(seed, RandomPerSeed)) {
            ExpressionText reduced = ReduceExpression(text);
            EXPECT_TRUE(corpus::SameValue(text, reduced)) << "seed " << seed;
            changed += reduced.Str() != text;
        }
    }
    EXPECT_GT(changed, 1000);
    EXPECT_TRUE(host.boxes.empty());
}

TEST_F(ValuePreservationTest, ReduceTermKeepsValuesOfSingleTerms) {
    auto texts = corpus::RandomExpressions(11, RandomPerSeed);
    texts.insert(texts.end(), corpus::SchoolExpressions().begin(), corpus::SchoolExpressions().end());
    for (const auto& text : texts) {
        ExpressionText term = FirstTerm(text);
        if (term.Empty() || term.At(1) == '-') continue;
        EXPECT_TRUE(corpus::SameValue(term, ReduceTerm(term)));
    }
}

TEST_F(ValuePreservationTest, ConstantFoldingMatchesArithmetic) {
    std::mt19937 rng(5);
    auto number = [&rng] {
        std::string s = rng() % 3 == 0 ? "-" : "";
        s += std::to_string(rng() % 40);
        if (rng() % 2) s += "/" + std::to_string(1 + rng() % 12);
        return s;
    };
    auto value = [](const std::string& s) { return *corpus::ValueAt(ExpressionText(s), 0); };
    for (int i = 0; i < 400; ++i) {
        std::string a = number(), b = number();
        for (char op : {'+', '-', '*', '/'}) {
            if (op == '/' && value(b) == 0) continue;
            ExpressionText r;
            if (op == '+' || op == '-')
                AddConstants(a, b, op, r);
            else
                MultiplyConstants(a, b, op, r);
            double expected = op == '+' ? value(a) + value(b)
                            : op == '-' ? value(a) - value(b)
                            : op == '*' ? value(a) * value(b)
                                        : value(a) / value(b);
            auto got = corpus::ValueAt(r, 0);
            ASSERT_TRUE(got.has_value()) << a << op << b << " gave " << r.Str();
            EXPECT_NEAR(*got, expected, 1e-12 * std::max(1.0, std::fabs(expected))) << a << op << b;
        }
    }
    EXPECT_TRUE(host.boxes.empty());
}
