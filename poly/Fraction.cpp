#include "Fraction.h"

#include <numeric>

#include "Host.h"
#include "Scanner.h"

namespace {

[[noreturn]] void Overflow() {
    throw ArithmeticFault("Tallene i polynomiet er for store til en eksakt udregning");
}

std::int64_t Narrow(__int128 v) {
    if (v > INT64_MAX || v < -static_cast<__int128>(INT64_MAX)) Overflow();
    return static_cast<std::int64_t>(v);
}

__int128 Gcd(__int128 a, __int128 b) {
    if (a < 0) a = -a;
    if (b < 0) b = -b;
    while (b != 0) {
        __int128 t = a % b;
        a = b;
        b = t;
    }
    return a;
}

Fraction Reduced(__int128 n, __int128 d) {
    if (d == 0) throw ArithmeticFault("Division med 0");
    if (d < 0) {
        n = -n;
        d = -d;
    }
    __int128 g = Gcd(n, d);
    if (g > 1) {
        n /= g;
        d /= g;
    }
    Fraction f;
    f.num = Narrow(n);
    f.den = Narrow(d);
    return f;
}

std::int64_t DigitsValue(std::string_view digits) {
    std::int64_t v = 0;
    if (!digits.empty() && !WholeNumberValue(digits, INT64_MAX, v)) Overflow();
    return v;
}

}  // namespace

Fraction Fraction::Of(std::int64_t n, std::int64_t d) { return Reduced(n, d); }

std::string Fraction::Text() const {
    return den == 1 ? std::to_string(num) : std::to_string(num) + "/" + std::to_string(den);
}

Fraction operator+(const Fraction& a, const Fraction& b) {
    return Reduced(static_cast<__int128>(a.num) * b.den + static_cast<__int128>(b.num) * a.den,
                   static_cast<__int128>(a.den) * b.den);
}
Fraction operator-(const Fraction& a, const Fraction& b) { return a + Fraction{-b.num, b.den}; }
Fraction operator*(const Fraction& a, const Fraction& b) {
    return Reduced(static_cast<__int128>(a.num) * b.num, static_cast<__int128>(a.den) * b.den);
}
Fraction operator/(const Fraction& a, const Fraction& b) {
    return Reduced(static_cast<__int128>(a.num) * b.den, static_cast<__int128>(a.den) * b.num);
}

Fraction CoefficientValue(const ExpressionText& text) {
    std::string_view t = text.View();
    bool negative = false;
    if (!t.empty() && (t[0] == '+' || t[0] == '-')) {
        negative = t[0] == '-';
        t.remove_prefix(1);
    }
    if (t.empty()) return Fraction::Of(text.Empty() ? 0 : negative ? -1 : 1);
    std::size_t slash = t.find('/');
    std::int64_t n = DigitsValue(t.substr(0, slash));
    std::int64_t d = slash == std::string_view::npos ? 1 : DigitsValue(t.substr(slash + 1));
    return Reduced(negative ? -static_cast<__int128>(n) : n, d);
}

std::vector<Fraction> CoefficientValues(int degree, const TPolyCoefficients& coefficients) {
    std::vector<Fraction> v(degree + 1);
    for (int i = 0; i <= degree; ++i) v[i] = CoefficientValue(coefficients[i]);
    return v;
}

TPolyCoefficients CoefficientTexts(const std::vector<Fraction>& values) {
    TPolyCoefficients c;
    int top = DegreeOf(values);
    for (int i = 0; i <= top && i <= MaxPolyDegree; ++i) {
        if (values[i].IsZero()) continue;
        std::string t = values[i].Text();
        c[i] = i < top && values[i].num > 0 ? "+" + t : t;
    }
    return c;
}

Fraction ValueAt(const std::vector<Fraction>& coefficients, const Fraction& x) {
    Fraction v;
    for (int i = static_cast<int>(coefficients.size()) - 1; i >= 0; --i) v = v * x + coefficients[i];
    return v;
}

int DegreeOf(const std::vector<Fraction>& coefficients) {
    int d = static_cast<int>(coefficients.size()) - 1;
    while (d > 0 && coefficients[d].IsZero()) --d;
    return d < 0 ? 0 : d;
}
