// GatherCoefficient, LeadingNumber, NextNumericFactor and
// PullOutBracketNumbers on any text up to 255 bytes: nothing is shown, the
// found numbers lie where they are said to, and a single term keeps its value.
#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

#include "Coefficients.h"
#include "Evaluate.h"
#include "Host.h"
#include "Reduce.h"

namespace {
class FuzzHost : public Host {
public:
    void AddLogLine(std::string_view) override { ++lines; }
    bool ErrorBox(std::string_view, bool) override {
        ++boxes;
        return false;
    }
    int boxes = 0;
    int lines = 0;
};
FuzzHost host;

constexpr double Points[] = {-1.7, 0.6, 2.3};

std::optional<double> ValueAt(const ExpressionText& text, double x) {
    ErrorFlag = false;
    std::optional<double> result;
    try {
        int stop = 0;
        double v = EvaluateFunction(text, x, stop);
        if (!ErrorFlag && stop == text.Length() && std::isfinite(v)) result = v;
    } catch (const ArithmeticFault&) {
    }
    ErrorFlag = false;
    return result;
}

bool WellConditioned(const ExpressionText& expr) {
    for (double x : Points) {
        auto a = ValueAt(expr, x), b = ValueAt(expr, x * (1 + 1e-13));
        if (a && b && std::fabs(*a - *b) > 1e-10 * std::max(1.0, std::fabs(*a))) return false;
    }
    return true;
}

void CheckSameValue(const ExpressionText& before, const ExpressionText& after) {
    for (double x : Points) {
        auto a = ValueAt(before, x);
        if (!a) continue;
        auto b = ValueAt(after, x);
        if (!b) continue;
        if (std::fabs(*a - *b) > 1e-9 * std::max({1.0, std::fabs(*a), std::fabs(*b)})) __builtin_trap();
    }
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size > 255) size = 255;
    const ExpressionText term(std::string_view(reinterpret_cast<const char*>(data), size));
    SetHost(&host);
    host.boxes = host.lines = 0;
    try {
        ErrorFlag = false;
        for (bool strict : {false, true}) {
            ExpressionText n = LeadingNumber(term, strict);
            if (!n.Empty() && n.At(1) != '(' && !term.StartsWith(n.View())) __builtin_trap();
        }
        int position = -1;
        ExpressionText f = NextNumericFactor(term, position);
        if (f.Empty() ? position != 0 : !term.Sub(position - 1).StartsWith(f.View())) __builtin_trap();
        long cuts = TextCutCount;
        ExpressionText gathered = GatherCoefficient(term);
        ExpressionText pulled = PullOutBracketNumbers(term);
        if (ErrorFlag || host.boxes || host.lines) __builtin_trap();
        // A longer result cut at 255 characters is counted for the handlers.
        if (TextCutCount == cuts && IsSingleTerm(term) && WellConditioned(term)) {
            CheckSameValue(term, gathered);
            CheckSameValue(term, pulled);
        }
    } catch (const ArithmeticFault&) {
    }
    ErrorFlag = false;
    SetHost(nullptr);
    return 0;
}
