// The derivative text, evaluated, against central difference quotients of the
// function: a table of functions, then random sums of products of powers.
#include <algorithm>
#include <cmath>
#include <random>
#include <string>
#include <vector>

#include "CaseTable.h"
#include "Differentiate.h"
#include "ExpressionCorpus.h"
#include "RecordingHost.h"

namespace {
// Random sums of products of powers, with a unary minus (one at most) before
// factors and exponents: every place where the minus's reach matters.
std::string RandomText(std::mt19937& rng, int depth) {
    static const char* const atoms[] = {"x", "x", "x", "2", "3", "0.5", "e", "pi"};
    static const char* const functions[] = {"sin", "cos", "exp", "ln", "sqrt", "atan", "sinh", "abs"};
    static const char* const exponents[] = {"2", "3", "-1", "-2", "x", "-x", "(1/2)", "e", "(x/2)"};
    static const char* const operators[] = {"+", "-", "*", "*", "/"};
    auto pick = [&rng](int n) { return static_cast<int>(rng() % static_cast<unsigned>(n)); };
    std::string s;
    for (int i = 0, n = 1 + pick(5); i < n; ++i) {
        if (i > 0) s += operators[pick(5)];
        if (pick(3) == 0) s += "-";
        int kind = pick(depth < 2 ? 10 : 8);
        if (kind < 8) s += atoms[kind];
        if (kind == 9) s += functions[pick(8)];
        if (kind >= 8) s += '(' + RandomText(rng, depth + 1) + ')';
        for (int p = 0, m = pick(4) == 0 ? 1 + pick(2) : 0; p < m; ++p) s += std::string("^") + exponents[pick(9)];
    }
    return s;
}

// Value of the whole text at x; NaN where it is undefined, overflows or is not read to its end.
double Value(const ExpressionText& text, double x) { return corpus::ValueAt(text, x).value_or(std::nan("")); }

// Compares d = f' with central differences at the points where f has a value and the
// quotients of two step widths agree (none near a pole or a kink), allowing for the
// rounding of a large f; returns how many points were compared.
int CompareWithQuotients(const std::string& f, const ExpressionText& d, double tolerance) {
    int checked = 0;
    for (double x : {-1.7, -0.7, -0.3, 0.3, 0.7, 1.3, 2.1, 2.9}) {
        const double steps[] = {1e-5, -1e-5, 2e-5, -2e-5};
        double y[4], size = 0;
        for (int i = 0; i < 4; ++i) y[i] = Value(f, x + steps[i]);
        for (double v : y) size = std::max(size, std::abs(v));
        double quotient = (y[0] - y[1]) / 2e-5, scale = tolerance * std::max(1.0, std::abs(quotient)) + 1e-9 * size;
        if (!(std::abs(quotient - (y[2] - y[3]) / 4e-5) <= scale)) continue;  // also where f is undefined (NaN)
        EXPECT_NEAR(Value(d, x), quotient, scale) << f << "' = " << d.Str() << " at x = " << x;
        ++checked;
    }
    return checked;
}

}  // namespace

using DerivativeValueTest = EngineTest;

TEST_F(DerivativeValueTest, MatchesTheDifferenceQuotient) {
    std::vector<std::string> texts;
    for (const CaseRow& row : CaseTable("diff/data/derivative-values.tsv", "Value")) texts.push_back(row[0]);
    // A fixed seed: other seeds also meet degenerate texts such as abs(x-x)^2,
    // whose derivative text divides by the 0 that the function only multiplies.
    const std::size_t fixed = texts.size();
    std::mt19937 rng(2024);
    for (int drawn = 0; drawn < 4000 && texts.size() < fixed + 400; ++drawn)
        if (std::string f = RandomText(rng, 0); f.size() <= 60) texts.push_back(f);
    int compared = 0;
    for (std::size_t i = 0; i < texts.size(); ++i) {
        const std::string& f = texts[i];
        TextCutCount = 0;
        ExpressionText d = DifferentiateExpression(f);
        ASSERT_FALSE(ErrorFlag) << f;
        ASSERT_EQ(host.boxes, Lines{}) << f;
        // erf and phi are Simpson sums of few points: their quotient is only close to the exact derivative.
        double tolerance = f.find("erf") != std::string::npos || f.find("phi") != std::string::npos ? 1e-3 : 1e-6;
        if (i < fixed)
            EXPECT_GE(CompareWithQuotients(f, d, tolerance), 2) << f << "' = " << d.Str();
        else if (TextCutCount == 0)
            compared += CompareWithQuotients(f, d, tolerance) > 0;
        host.boxes.clear();
    }
    EXPECT_GT(compared, 200);
}
