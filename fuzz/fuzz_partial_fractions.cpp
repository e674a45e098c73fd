// Bytes as two polynomials with small whole coefficients, p of degree < 8 and
// q of degree 1..8: factoring q and integrating p/q ends without a crash, and
// an antiderivative found is right at the sample points.
#include <cstdlib>
#include <string>
#include <vector>

#include "Canonical.h"
#include "PartialFractions.h"
#include "TreeCalculus.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 4) return 0;
    const std::size_t np = data[0] % 8 + 1, nq = data[1] % 8 + 2;
    if (size < 2 + np + nq) return 0;
    Poly p, q;
    for (std::size_t i = 0; i < np; ++i) p.push_back(TreeNumber::Fraction(static_cast<std::int8_t>(data[2 + i]) % 10));
    for (std::size_t i = 0; i < nq; ++i)
        q.push_back(TreeNumber::Fraction(static_cast<std::int8_t>(data[2 + np + i]) % 10));
    RationalFactors factors;
    FactorOverRationals(q, factors);
    std::vector<std::string> log;
    Tree F = IntegrateRational(p, q, log);
    if (!F) return 0;
    Tree f = Canonical(Div(PolynomialTree(p, 'x'), PolynomialTree(q, 'x')));
    if (!AntiderivativeHolds(f, F) && f->size < 60) {
        // The check needs two smooth points; a pole-dense q may leave fewer.
        double v = 0;
        int defined = 0;
        for (double x : {0.3731, 1.1372, 2.7137, -0.8317, -1.9123, 3.3177, 0.0619, -3.4271})
            defined += EvaluateTree(F, x, v);
        if (defined >= 6) std::abort();
    }
    return 0;
}
