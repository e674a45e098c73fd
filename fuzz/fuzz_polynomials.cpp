// The polynomial reader, writer and root finder on any text up to 255
// bytes: no crash, no hang, and every result passes its check (each root
// makes p vanish, the factorised form is p).
#include "Checks.h"
#include "FuzzHost.h"
#include "Host.h"
#include "Polynomial.h"
#include "Roots.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const ExpressionText text(FuzzText(data, size));
    SetHost(nullptr);
    ErrorFlag = false;
    Guarded([&] {  // coefficients beyond 64-bit fractions
        ExpressionText t = text;
        int degree = 0;
        TPolyCoefficients k;
        if (!ParsePolynomial(t, degree, k)) return;
        PolynomialToText(degree, k);
        ErrorFlag = false;
        ExpressionText p = text, factorised;
        int count = 0;
        TPolyRoots roots;
        long cuts = TextCutCount;  // a result cut at 255 characters is reported by the tab, not checked
        PolynomialRoots(p, count, roots, factorised);
        if (ErrorFlag || degree > MaxTextDegree || cuts != TextCutCount) return;
        if (count > degree) __builtin_trap();
        // A root beyond 10^14 has no room for four decimals in a number text;
        // its check fails and the tab does not show it.
        for (int i = 1; i <= count; ++i)
            if (roots[i].Length() < 19 && !RootMakesZero(text, roots[i])) __builtin_trap();
        if (!FactorisationReproduces(text, factorised)) __builtin_trap();
    });
    return 0;
}
