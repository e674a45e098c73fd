// EvaluateRational on any text up to 255 bytes. A written result is a reduced
// fraction of 32-bit integers; when the text was read without any message,
// the floating-point evaluator agrees with its value.
#include <charconv>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "Evaluate.h"
#include "Host.h"
#include "Rational.h"

namespace {
class FuzzHost : public Host {
public:
    void AddLogLine(std::string_view) override {}
    bool ErrorBox(std::string_view message, bool) override {
        if (message.size() > 255) __builtin_trap();
        ++boxes;
        return false;
    }
    int boxes = 0;
};
FuzzHost host;

// Parses "n" or "n/d"; traps on anything else.
double FractionValue(std::string_view s, long long& n, long long& d) {
    auto slash = s.find('/');
    std::string_view a = s.substr(0, slash);
    auto r = std::from_chars(a.data(), a.data() + a.size(), n);
    if (r.ec != std::errc() || r.ptr != a.data() + a.size()) __builtin_trap();
    d = 1;
    if (slash != std::string_view::npos) {
        std::string_view b = s.substr(slash + 1);
        r = std::from_chars(b.data(), b.data() + b.size(), d);
        if (r.ec != std::errc() || r.ptr != b.data() + b.size() || d == 0 || d == 1) __builtin_trap();
    }
    return static_cast<double>(n) / static_cast<double>(d);
}

// "/digits/": a divisor that is itself a fraction literal, a/b/c/d being
// (a/b)/(c/d), where the floating-point reader goes from left to right.
bool HasFractionDivisor(std::string_view s) {
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (s[i] != '/') continue;
        std::size_t j = i + 1;
        while (j < s.size() && s[j] >= '0' && s[j] <= '9') ++j;
        if (j > i + 1 && j < s.size() && s[j] == '/') return true;
    }
    return false;
}

long long Gcd(long long a, long long b) {
    a = a < 0 ? -a : a;
    b = b < 0 ? -b : b;
    while (b) {
        long long r = a % b;
        a = b;
        b = r;
    }
    return a;
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size > 255) size = 255;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const ExpressionText expr(text);
    SetHost(&host);
    host.boxes = 0;
    ErrorFlag = false;
    try {
        ExpressionText result("?");
        EvaluateRational(expr, result);
        if (ErrorFlag) __builtin_trap();  // the flag is neither read nor written
        if (!(result == "?")) {
            long long n = 0, d = 1;
            double exact = FractionValue(result.View(), n, d);
            if (n < INT32_MIN || n > INT32_MAX || d < INT32_MIN || d > INT32_MAX) __builtin_trap();
            if (n != 0 && Gcd(n, d) != 1) __builtin_trap();
            if (host.boxes == 0 && text.find(' ') == std::string_view::npos && !HasFractionDivisor(text)) {
                int stop = 0;
                double value = EvaluateFunction(expr, 0, stop);
                if (!ErrorFlag && stop == expr.Length() &&
                    std::fabs(value - exact) > 1e-9 * (1 + std::fabs(exact)))
                    __builtin_trap();
            }
        }
    } catch (const ArithmeticFault&) {
    }
    ErrorFlag = false;
    SetHost(nullptr);
    return 0;
}
