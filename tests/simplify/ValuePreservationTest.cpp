// No simplifier may change the value of what it is given: every corpus text
// is compared with its result at the sample points.
#include <random>

#include "Coefficients.h"
#include "ExpressionCorpus.h"
#include "Fractions.h"
#include "RecordingHost.h"
#include "Reduce.h"

namespace {

// Texts aimed at the tidy rules: 0 and 1 next to every operator, unary minus
// after operators and at the start, bracketed x and 1, powers of 1.
struct HazardGenerator {
    std::mt19937 rng{17};
    int Pick(int n) { return static_cast<int>(rng() % static_cast<unsigned>(n)); }
    std::string Sum(int depth = 0) {
        std::string s = Pick(3) == 0 ? "-" : "";
        for (int t = 0, n = 1 + Pick(3); t < n; ++t) {
            if (t > 0) s += Pick(2) ? "+" : "-";
            s += Factor(depth);
            for (int f = 0, m = Pick(3); f < m; ++f) s += std::string(Pick(3) ? "*" : "/") + Factor(depth);
        }
        return s;
    }
    std::string Factor(int depth) {
        static const char* const atoms[] = {"0", "1", "1", "2", "3", "x", "x", "(x)", "(1)", "1^2", "1^-1",
                                            "0.5", "pi", "e", "sin(x)", "sqrt(1)", "11", "10"};
        static const char* const exponents[] = {"2", "1", "0", "-1", "(1)", "x", "(-2)", "3^2", "(2+1)"};
        std::string s = Pick(5) == 0 ? "-" : "";
        s += depth < 2 && Pick(5) == 0 ? "(" + Sum(depth + 1) + ")" : atoms[Pick(18)];
        if (Pick(4) == 0) s += std::string("^") + exponents[Pick(9)];
        return s;
    }
};

// The school texts, 4500 random texts and 4000 aimed at the tidy rules.
const std::vector<std::string>& Texts() {
    static std::vector<std::string> all;
    if (all.empty()) {
        all = corpus::SchoolExpressions();
        for (unsigned seed : {1u, 2u, 3u})
            for (const auto& text : corpus::RandomExpressions(seed, 1500)) all.push_back(text);
        HazardGenerator hazards;
        for (int i = 0; i < 4000; ++i) all.push_back(hazards.Sum());
    }
    return all;
}

bool HasValue(const std::string& text) {
    return std::any_of(std::begin(corpus::SamplePoints), std::end(corpus::SamplePoints),
                       [&text](double x) { return corpus::ValueAt(text, x).has_value(); });
}

// Texts the fractions pass cannot keep in value: x^0 becomes 1 where the
// evaluator's 0^0 is 0, and an ill-conditioned value (the cosine of exp(188))
// moves with the order of rounding.
bool Comparable(const std::string& t) {
    for (auto p = t.find("^0"); p != std::string::npos; p = t.find("^0", p + 1))
        if (p + 2 == t.size() || std::string_view("0123456789.,").find(t[p + 2]) == std::string_view::npos)
            return false;
    for (double x : corpus::SamplePoints) {
        auto a = corpus::ValueAt(t, x), b = corpus::ValueAt(t, x * (1 + 1e-13));
        if (a && b && std::fabs(*a - *b) > 1e-10 * std::max(1.0, std::fabs(*a))) return false;
    }
    return true;
}

}  // namespace

using ValuePreservationTest = EngineTest;

TEST_F(ValuePreservationTest, CorpusAndComparisonAreSound) {
    ASSERT_GE(corpus::SchoolExpressions().size(), 200u);
    for (const auto& text : corpus::SchoolExpressions()) EXPECT_TRUE(HasValue(text)) << text;
    auto texts = corpus::RandomExpressions(7, 500);
    EXPECT_EQ(texts, corpus::RandomExpressions(7, 500));
    EXPECT_GT(std::count_if(texts.begin(), texts.end(), HasValue), 350);
    EXPECT_TRUE(corpus::SameValue("x*x", "x^2"));
    EXPECT_FALSE(corpus::SameValue("-2*2", "-2^2"));
    EXPECT_FALSE(corpus::SameValue("x+1", "x+1)"));  // not read to its end
    EXPECT_FALSE(corpus::SameValue("x^2", "x*^2"));
    EXPECT_TRUE(corpus::SameValue("x", "1/0"));
    EXPECT_FALSE(corpus::SameValue("x", "1/x^2-1/x^2+x/0", true));
}

TEST_F(ValuePreservationTest, ReductionAndCoefficients) {
    for (const auto& text : corpus::SchoolExpressions())
        EXPECT_TRUE(corpus::SameValue(text, ReduceExpression(text), true));
    int reduced = 0, gathered = 0;
    for (const auto& text : Texts()) {
        ExpressionText r = ReduceExpression(text), term = FirstTerm(text);
        EXPECT_TRUE(corpus::SameValue(text, r));
        reduced += r.Str() != text;
        try {
            ExpressionText g = GatherCoefficient(term);
            EXPECT_TRUE(corpus::SameValue(term, g)) << "GatherCoefficient";
            EXPECT_TRUE(corpus::SameValue(term, PullOutBracketNumbers(term))) << "PullOutBracketNumbers";
            gathered += g != term;
        } catch (const ArithmeticFault&) {  // 32-bit overflow of an exact coefficient
        }
        if (term.At(1) == '-') continue;  // ReduceTerm reads no leading minus
        EXPECT_TRUE(corpus::SameValue(term, ReduceTerm(term))) << "ReduceTerm";
    }
    EXPECT_GT(reduced, 1000);
    EXPECT_GT(gathered, 300);
    EXPECT_TRUE(host.boxes.empty());
    EXPECT_FALSE(ErrorFlag);
}

TEST_F(ValuePreservationTest, TidyingAndConvertingDecimals) {
    int converted = 0;
    for (const auto& text : Texts()) {
        if (!Comparable(text)) continue;
        EXPECT_TRUE(corpus::SameValue(text, TidyExpression(text))) << "TidyExpression";
        if (!ReadsAsExpression(text)) continue;
        try {
            ExpressionText result;
            DecimalsToFractions(text, result);
            EXPECT_FALSE(ErrorFlag) << text;
            EXPECT_TRUE(corpus::SameValue(text, result));
            ++converted;
        } catch (const ArithmeticFault&) {  // 32-bit overflow of an exact fraction
        }
    }
    EXPECT_GT(converted, 6000);
    EXPECT_TRUE(host.boxes.empty());
}

TEST_F(ValuePreservationTest, ConstantFoldingMatchesArithmetic) {
    std::mt19937 rng(5);
    auto number = [&rng] {
        std::string s = (rng() % 3 == 0 ? "-" : "") + std::to_string(rng() % 40);
        return rng() % 2 ? s + "/" + std::to_string(1 + rng() % 12) : s;
    };
    for (int i = 0; i < 400; ++i) {
        std::string a = number(), b = number();
        double x = *corpus::ValueAt(a, 0), y = *corpus::ValueAt(b, 0);
        for (char op : {'+', '-', '*', '/'}) {
            if (op == '/' && y == 0) continue;
            ExpressionText r;
            (op == '+' || op == '-' ? AddConstants : MultiplyConstants)(a, b, op, r);
            double expected = op == '+' ? x + y : op == '-' ? x - y : op == '*' ? x * y : x / y;
            double got = corpus::ValueAt(r, 0).value_or(NAN);
            EXPECT_NEAR(got, expected, 1e-12 * std::max(1.0, std::fabs(expected))) << a << op << b << " = " << r.Str();
        }
    }
    EXPECT_TRUE(host.boxes.empty());
}
