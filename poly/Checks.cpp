#include "Checks.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "Evaluate.h"
#include "Fraction.h"
#include "Host.h"
#include "Polynomial.h"
#include "Scanner.h"

namespace {

bool Read(const ExpressionText& text, std::vector<Fraction>& values) {
    if (text.Empty()) {
        values = {Fraction{}};
        return true;
    }
    ExpressionText t = text;
    int degree = 0;
    TPolyCoefficients k;
    bool ok = false;
    {
        SilentScope silent;
        ok = ParsePolynomial(t, degree, k);
    }
    if (ok) values = CoefficientValues(degree, k);
    return ok;
}

double Horner(const std::vector<double>& c, double x, double& scale) {
    double v = 0;
    scale = 0;
    for (int i = static_cast<int>(c.size()) - 1; i >= 0; --i) {
        v = v * x + c[i];
        scale = scale * std::fabs(x) + std::fabs(c[i]);
    }
    return v;
}

std::vector<double> Doubles(const std::vector<Fraction>& f) {
    std::vector<double> c;
    for (const Fraction& a : f) c.push_back(a.Value());
    return c;
}

}  // namespace

bool RootMakesZero(const ExpressionText& polynomial, const ExpressionText& root) {
    try {
        std::vector<Fraction> p;
        if (!Read(polynomial, p)) return false;
        if (!root.Contains('.')) {
            std::vector<Fraction> r;
            // A root text reads as a constant polynomial.
            if (!Read(root, r) || r.size() != 1) return false;
            return ValueAt(p, r[0]).IsZero();
        }
        bool error = false;
        std::string_view digits = root.View();
        bool negative = digits[0] == '-';
        if (negative) digits.remove_prefix(1);
        double x = NumberValue(digits, error);
        if (error) return false;
        if (negative) x = -x;
        std::vector<double> c = Doubles(p);
        // A sign change, or a value that is zero to rounding (a root of even
        // multiplicity), within the rounding of the four decimals.
        // Beyond 10^11 a double no longer holds four decimals: its own spacing counts.
        const double halfUnit = std::max(0.00005, std::fabs(x) * 1e-15 * 8);
        // Near 0 the terms are measured at the window's size, so that a
        // value of rounding size next to a root at 0 counts as zero.
        double scale = 0, windowScale = 0;
        double first = Horner(c, x - halfUnit, scale);
        for (int i = 0; i <= 100; ++i) {
            double xi = x - halfUnit + i * (2 * halfUnit / 100);
            double v = Horner(c, xi, scale);
            Horner(c, std::max(std::fabs(xi), halfUnit), windowScale);
            if (std::fabs(v) <= 1e-9 * windowScale || (v > 0) != (first > 0)) return true;
        }
        return false;
    } catch (const ArithmeticFault&) {
        return false;
    }
}

bool DivisionReproduces(const ExpressionText& dividend, const ExpressionText& divisor,
                        const ExpressionText& quotient, const ExpressionText& remainder) {
    try {
        std::vector<Fraction> p, d, q, r;
        if (!Read(dividend, p) || !Read(divisor, d) || !Read(quotient, q) || !Read(remainder, r)) return false;
        std::vector<Fraction> sum(std::max({p.size(), q.size() + d.size(), r.size()}));
        for (std::size_t i = 0; i < q.size(); ++i)
            for (std::size_t j = 0; j < d.size(); ++j) sum[i + j] = sum[i + j] + q[i] * d[j];
        for (std::size_t i = 0; i < r.size(); ++i) sum[i] = sum[i] + r[i];
        for (std::size_t i = 0; i < sum.size(); ++i)
            if (!(sum[i] == (i < p.size() ? p[i] : Fraction{}))) return false;
        // The remainder's degree lies below the divisor's.
        return DegreeOf(r) < DegreeOf(d) || (DegreeOf(d) == 0 && DegreeOf(r) == 0 && r[0].IsZero());
    } catch (const ArithmeticFault&) {
        return false;
    }
}

bool FactorisationReproduces(const ExpressionText& polynomial, const ExpressionText& factorised) {
    try {
        std::vector<Fraction> p;
        if (!Read(polynomial, p)) return false;
        std::vector<Fraction> f;
        if (Read(factorised, f)) return f == p;
        std::vector<double> c = Doubles(p);
        const int points = static_cast<int>(c.size()) + 2;
        for (int i = 0; i < points; ++i) {
            double x = -1.93 + 0.71 * i;
            double scale = 0, value = 0;
            double expected = Horner(c, x, scale);
            if (!TryEvaluate(factorised, x, value)) return false;
            if (std::fabs(value - expected) > 1e-9 * std::max(1.0, scale)) return false;
        }
        return true;
    } catch (const ArithmeticFault&) {
        return false;
    }
}
