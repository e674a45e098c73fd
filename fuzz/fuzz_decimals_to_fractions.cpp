// DecimalsToFractions and TidyExpression on any text up to 255 bytes,
// answering the error boxes with OK and with Ignore. A text that the reader
// takes whole is converted without an error, and neither the tidied nor the
// converted text changes its value at the sample points.
#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

#include "Coefficients.h"
#include "Evaluate.h"
#include "Fractions.h"
#include "Host.h"

namespace {
class FuzzHost : public Host {
public:
    void AddLogLine(std::string_view) override {}
    bool ErrorBox(std::string_view message, bool withIgnore) override {
        if (message.size() > 255) __builtin_trap();
        ++boxes;
        return withIgnore && ignore;
    }
    bool ignore = false;
    int boxes = 0;
};
FuzzHost host;

constexpr double Points[] = {-1.7, 0.6, 2.3};

// The value of a text read to its end, without a reported error.
std::optional<double> ValueAt(const ExpressionText& text, double x) {
    // Answered with OK: after Ignore the evaluator goes on with a made-up value.
    bool saved = ErrorFlag, ignore = host.ignore;
    int boxes = host.boxes;
    ErrorFlag = false;
    host.ignore = false;
    std::optional<double> result;
    try {
        int stop = 0;
        double v = EvaluateFunction(text, x, stop);
        if (!ErrorFlag && stop == text.Length() && std::isfinite(v)) result = v;
    } catch (const ArithmeticFault&) {
    }
    ErrorFlag = saved;
    host.boxes = boxes;
    host.ignore = ignore;
    return result;
}

// x^0 is 1 but the evaluator's 0^0 is 0: a constant exponent worth 0 makes
// a text incomparable. So does an ill-conditioned value, which moves with
// the order of rounding.
bool Comparable(const ExpressionText& expr) {
    for (int p = expr.Find('^'); p >= 0; p = expr.Find('^', p + 1)) {
        int q = p + 2;
        if (expr.At(q) == '-') ++q;
        int e = OperandEnd(expr, q);
        if (e == 0) continue;
        ExpressionText exponent = expr.Sub(q - 1, e - q);
        if (exponent.Contains('x')) continue;
        auto v = ValueAt(exponent, 0);
        if (v && *v == 0) return false;
    }
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
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const ExpressionText expr(text);
    SetHost(&host);
    host.ignore = false;
    host.boxes = 0;
    try {
        ErrorFlag = false;
        long cuts = TextCutCount;
        ExpressionText tidy = TidyExpression(expr);
        if (TextCutCount != cuts) __builtin_trap();
        bool whole = ReadsAsExpression(expr);
        if (ErrorFlag || host.boxes) __builtin_trap();
        bool comparable = Comparable(expr);
        if (comparable) CheckSameValue(expr, tidy);
        for (bool ignore : {false, true}) {
            host.ignore = ignore;
            host.boxes = 0;
            ErrorFlag = false;
            ExpressionText result;
            long cuts = TextCutCount;
            DecimalsToFractions(expr, result);
            if (whole && (ErrorFlag || host.boxes)) __builtin_trap();
            // A result beyond 255 characters is cut, and counted for the handlers.
            if (whole && comparable && TextCutCount == cuts) CheckSameValue(expr, result);
        }
    } catch (const ArithmeticFault&) {
    }
    ErrorFlag = false;
    host.boxes = 0;
    SetHost(nullptr);
    return 0;
}
