// DividePolynomials on two texts (split at the first "|") of any bytes: no
// crash, and quotient*divisor + remainder is the dividend whenever it divides.
#include <algorithm>

#include "Checks.h"
#include "FuzzHost.h"
#include "Host.h"
#include "Polynomial.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view all(reinterpret_cast<const char*>(data), std::min<std::size_t>(size, 511));
    std::size_t bar = all.find('|');
    if (bar == std::string_view::npos) return 0;
    const ExpressionText p(all.substr(0, std::min<std::size_t>(bar, 255))), d(all.substr(bar + 1, 255));
    SetHost(nullptr);
    ErrorFlag = false;
    Guarded([&] {  // coefficients beyond 64-bit fractions
        ExpressionText q, r;
        long cuts = TextCutCount;  // a result cut at 255 characters is reported by the tab, not checked
        if (DividePolynomials(p, d, q, r) && !ErrorFlag && cuts == TextCutCount && !DivisionReproduces(p, d, q, r))
            __builtin_trap();
    });
    return 0;
}
