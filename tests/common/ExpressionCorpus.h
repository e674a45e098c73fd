#pragma once
// Expressions in the notation for value checks of the engines: the school
// expressions of school-expressions.txt, seeded random texts, and the
// comparison of two texts by their values at sample points. The evaluation
// part needs no test framework, so the fuzz drivers share it.
#include <algorithm>
#include <cmath>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "Evaluate.h"
#include "Host.h"

namespace testing { class AssertionResult; }

namespace corpus {

// The school expressions, read once: polynomials, products and quotients,
// powers, brackets, all 17 functions, signs, decimals, pi and e, and raw
// derivative texts. Each has a value at one sample point at least.
const std::vector<std::string>& SchoolExpressions();

// count random texts of at most maxLength characters from std::mt19937(seed);
// factors repeat and whole numbers share divisors, so reduction has work.
std::vector<std::string> RandomExpressions(unsigned seed, int count, int maxLength = 120);

inline constexpr double SamplePoints[] = {-2.3, -0.7, 0.4, 1.3, 2.9};

// Value of text at x by EvaluateFunction; none after an error, an
// ArithmeticFault or an infinite value. unreadable: the text showed a message
// about its form or was not read to its end. ErrorFlag and the installed host
// are as before afterwards.
inline std::optional<double> ValueAt(const ExpressionText& text, double x, bool* unreadable = nullptr) {
    struct SilentHost : Host {
        void AddLogLine(std::string_view) override {}
        bool ErrorBox(std::string_view m, bool) override {
            for (std::string_view form : {"Fejl i funktionsudtryk", "Mangler ", "Fejl i tal "})
                formError = formError || m.substr(0, form.size()) == form;
            return false;
        }
        bool formError = false;
    } silent;
    Host* previous = SetHost(&silent);
    bool savedFlag = ErrorFlag;
    ErrorFlag = false;
    std::optional<double> value;
    int stop = 0;
    try {
        double v = EvaluateFunction(text, x, stop);
        if (!ErrorFlag && std::isfinite(v)) value = v;
    } catch (const ArithmeticFault&) {
    }
    bool broken = silent.formError || (value && stop < text.Length());
    if (unreadable) *unreadable = broken;
    ErrorFlag = savedFlag;
    SetHost(previous);
    return broken ? std::nullopt : value;
}

// Empty when after agrees with before (1e-9, relative above 1) at every sample
// point where before has a value, otherwise the first difference. A broken
// after (unreadable there) never agrees; with domain, after must have a value
// there too (too strict where a base is exactly 0: the evaluator's 0^-1 is 0).
inline std::string Disagreement(const ExpressionText& before, const ExpressionText& after, bool domain = false) {
    for (double x : SamplePoints) {
        bool broken = false;
        auto a = ValueAt(before, x), b = ValueAt(after, x, &broken);
        if (!a || (!b && !broken && !domain)) continue;
        std::ostringstream out;
        out.precision(17);
        out << "at x = " << x << ": \"" << before.Str() << "\" = " << *a << ", \"" << after.Str() << "\" ";
        if (broken) return out.str() + "cannot be read";
        if (!b) return out.str() + "has no value";
        if (std::fabs(*a - *b) > 1e-9 * std::max({1.0, std::fabs(*a), std::fabs(*b)})) {
            out << "= " << *b;
            return out.str();
        }
    }
    return {};
}

// False for a text whose value moves with the order of rounding (the cosine
// of a huge number): a tiny change of x changes its value at a sample point.
inline bool WellConditioned(const ExpressionText& text) {
    for (double x : SamplePoints) {
        auto a = ValueAt(text, x), b = ValueAt(text, x * (1 + 1e-13));
        if (a && b && std::fabs(*a - *b) > 1e-10 * std::max(1.0, std::fabs(*a))) return false;
    }
    return true;
}

// Disagreement as a test assertion.
::testing::AssertionResult SameValue(const ExpressionText& before, const ExpressionText& after, bool domain = false);

}  // namespace corpus
