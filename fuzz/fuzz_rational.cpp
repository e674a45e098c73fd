// EvaluateRational on any text up to 255 bytes; a written result is a reduced
// fraction of 32-bit integers.
#include <charconv>
#include <numeric>

#include "FuzzHost.h"
#include "Rational.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    ExpressionText result("?");
    Guarded([&] {
        EvaluateRational(FuzzText(data, size), result);
    });
    if (result == "?") return 0;
    const char *s = result.Data(), *end = s + result.Length();
    std::int32_t n = 0, d = 1;
    auto r = std::from_chars(s, end, n);
    if (r.ptr != end && *r.ptr == '/') r = std::from_chars(r.ptr + 1, end, d);
    if (r.ec != std::errc() || r.ptr != end || d == 0 || std::gcd(n * 1LL, d * 1LL) != 1) __builtin_trap();
    return 0;
}
