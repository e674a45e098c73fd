#include "Roots.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <string>

#include "Evaluate.h"
#include "Fraction.h"
#include "Fractions.h"
#include "Host.h"
#include "Reduce.h"
#include "TextOps.h"
#include "TextUtils.h"

namespace {

double Horner(const std::vector<double>& c, double x) {
    double v = 0;
    for (int i = static_cast<int>(c.size()) - 1; i >= 0; --i) v = v * x + c[i];
    return v;
}

// Size of the terms at x, the scale against which a value counts as zero.
double Scale(const std::vector<double>& c, double x) {
    double s = 0, power = 1;
    for (double a : c) {
        s += std::fabs(a) * power;
        power *= std::fabs(x);
    }
    return s;
}

int Sign(const std::vector<double>& c, double x) {
    double v = Horner(c, x);
    if (std::fabs(v) <= 1e-11 * Scale(c, x)) return 0;
    return v > 0 ? 1 : -1;
}

// The root in a bracket where the polynomial is monotone, by bisection to
// the precision of a double.
double Bisect(const std::vector<double>& c, double l, double r, int signLeft) {
    for (int i = 0; i < 2200; ++i) {
        double mid = l + (r - l) / 2;
        if (mid <= l || mid >= r) break;
        double v = Horner(c, mid);
        if (v == 0) return mid;
        if ((v > 0) == (signLeft > 0))
            l = mid;
        else
            r = mid;
    }
    return l + (r - l) / 2;
}

std::string NumericRootText(double v) { return RemoveBlanks(ExpressionText(FormatNumber(8, 4, v))).Str(); }

bool IsZeroText(const ExpressionText& t) { return t.Empty() || t == "0"; }

std::int64_t Gcd(std::int64_t a, std::int64_t b) {
    while (b != 0) {
        std::int64_t t = a % b;
        a = b;
        b = t;
    }
    return a;
}

void AddRoot(int& count, TPolyRoots& roots, const ExpressionText& root) {
    if (count < MaxPolyDegree) roots[++count] = root;
}

// Exact test of a candidate, after a cheap numeric one that rules out
// nearly all candidates (and the exact powers of large ones that would
// leave 64 bits).
bool IsRoot(const std::vector<Fraction>& p, const Fraction& x) {
    std::vector<double> c(p.size());
    for (std::size_t i = 0; i < p.size(); ++i) c[i] = p[i].Value();
    double v = x.Value();
    if (std::fabs(Horner(c, v)) > 1e-6 * Scale(c, v)) return false;
    return ValueAt(p, x).IsZero();
}

void Join(ExpressionText& form, const ExpressionText& factor) { form = form.Empty() ? factor : form + "*" + factor; }

}  // namespace

std::vector<RealRoot> RealPolynomialRoots(const std::vector<double>& coefficients) {
    std::vector<double> c = coefficients;
    while (c.size() > 1 && c.back() == 0) c.pop_back();
    const int n = static_cast<int>(c.size()) - 1;
    if (n < 1) return {};
    if (n == 1) return {{-c[0] / c[1], 1}};
    std::vector<double> derivative(n);
    for (int i = 1; i <= n; ++i) derivative[i - 1] = i * c[i];
    std::vector<RealRoot> critical = RealPolynomialRoots(derivative);
    double bound = 0;
    for (int i = 0; i < n; ++i) bound = std::max(bound, std::fabs(c[i] / c[n]));
    bound += 1;  // Cauchy: every root lies strictly inside (-bound, bound)

    std::vector<RealRoot> result;
    std::vector<double> points{-bound};
    for (const RealRoot& r : critical) {
        if (r.value <= -bound || r.value >= bound) continue;
        points.push_back(r.value);
        if (Sign(c, r.value) == 0) result.push_back({r.value, r.multiplicity + 1});
    }
    points.push_back(bound);
    for (std::size_t i = 0; i + 1 < points.size(); ++i) {
        int sl = Sign(c, points[i]), sr = Sign(c, points[i + 1]);
        if (sl * sr < 0) result.push_back({Bisect(c, points[i], points[i + 1], sl), 1});
    }
    std::sort(result.begin(), result.end(), [](const RealRoot& a, const RealRoot& b) { return a.value < b.value; });
    return result;
}

void IntegerDivisors(const ExpressionText& number, int& count, std::vector<ExpressionText>& divisors) {
    count = 0;
    divisors.clear();
    if (!IsDigitText(number.View()) || number.Length() > 10) return;
    std::int64_t n = std::stoll(number.Str());
    if (n <= 0 || n > INT32_MAX) return;
    // Pairs d, n/d with d up to the square root give the same divisors in the
    // same increasing order as trying every number up to n.
    std::vector<std::int64_t> small, large;
    for (std::int64_t d = 1; d * d <= n; ++d)
        if (n % d == 0) {
            small.push_back(d);
            if (d * d != n) large.push_back(n / d);
        }
    for (std::int64_t d : small) divisors.emplace_back(std::to_string(d));
    for (auto it = large.rbegin(); it != large.rend(); ++it) divisors.emplace_back(std::to_string(*it));
    count = static_cast<int>(divisors.size());
}

double RegulaFalsi(const ExpressionText& f, double a, double b, double fa, double fb, double eps) {
    double x = a - (b - a) * fa / (fb - fa);
    for (int step = 0; step < MaxFalsePositionSteps; ++step) {
        double xold = x;
        double fx = EvaluateFunction(f, x);
        if (ErrorFlag || fx == 0) break;
        if (fx * fb > 0) {
            b = x;
            fb = fx;
        } else {
            a = x;
            fa = fx;
        }
        if (fb == fa) break;
        x = a - (b - a) * fa / (fb - fa);
        if (std::fabs(xold - x) < eps) break;
    }
    return x;
}

void FindRootsNumerically(const ExpressionText& f, double a, double b, int& count,
                          std::array<double, MaxScanRoots + 1>& roots) {
    count = 0;
    auto add = [&](double r) {
        if (count < MaxScanRoots) roots[++count] = r;
    };
    if (b < a) SwapReals(a, b);
    double eps = (b - a) * 0.00001;
    if (a == b) {
        if (EvaluateFunction(f, a) == 0 && !ErrorFlag) add(a);
        return;
    }
    double h = (b - a) / 2000;
    double fa = EvaluateFunction(f, a);
    if (ErrorFlag) return;
    if (fa == 0) add(a);
    for (int i = 1; i <= 2000; ++i) {
        double x1 = a + h;
        double f1 = EvaluateFunction(f, x1);
        if (f1 == 0)
            add(x1);
        else if (fa * f1 < 0)
            add(RegulaFalsi(f, a, x1, fa, f1, eps));
        a = x1;
        fa = f1;
    }
}

void PolynomialRoots(ExpressionText& text, int& count, TPolyRoots& roots, ExpressionText& factorised) {
    int n = 0;
    TPolyCoefficients k;
    if (!ParsePolynomial(text, n, k)) return;
    const ExpressionText p0 = text;
    count = 0;
    factorised.Clear();
    std::vector<Fraction> a = CoefficientValues(n, k);
    if (a[n].IsZero()) {
        // The zero polynomial: every number is a root, none can be listed.
        AddLogLine("p(x) er nulpolynomiet: alle tal er r\xF8" "dder");
        factorised = "0";
        return;
    }

    // Fractional coefficients are scaled to whole numbers by the product M
    // of their denominators.
    ExpressionText multiplier;
    std::int64_t m = 1;
    for (const Fraction& c : a)
        if (!c.IsWhole()) m = (Fraction::Of(m) * Fraction::Of(c.den)).num;
    ExpressionText p = StripPlus(p0);
    if (m != 1) {
        multiplier = ExpressionText(std::to_string(m));
        for (Fraction& c : a) c = c * Fraction::Of(m);
        p = PolynomialToText(n, CoefficientTexts(a));
        if (ErrorFlag) return;
    }

    int zeroRoots = 0;
    while (n > 0 && a[0].IsZero()) {
        ++zeroRoots;
        AddRoot(count, roots, "0");
        a.erase(a.begin());
        --n;
        Join(factorised, "x");
        p = PolynomialToText(n, CoefficientTexts(a));
        if (ErrorFlag) return;
    }

    auto leading = [&](const Fraction& top) {
        return multiplier.Empty() ? top : top / Fraction::Of(m);
    };

    if (n == 1) {
        Fraction r = Fraction{} - a[0] / a[1];
        Join(factorised, "(x" + SignedTerm(ExpressionText(NegateText(ExpressionText(r.Text())))) + ")");
        AddRoot(count, roots, ExpressionText(r.Text()));
        Fraction top = leading(a[1]);
        if (top == Fraction::Of(-1))
            factorised = "-" + factorised;
        else if (!(top == Fraction::Of(1)))
            factorised = ExpressionText(top.Text()) + "*" + factorised;
        return;
    }

    if (n >= 2) {
        // Candidates u/v of the rational root theorem, u dividing the
        // constant and v the leading coefficient, every divisor kept. Each
        // candidate is tested by exact evaluation first; only a root is then
        // divided out with the logged long division, so the log and results
        // are those of trying every division.
        int uc = 0, vc = 0;  // counts; the lists hold every divisor
        std::vector<ExpressionText> us, vs;
        auto magnitude = [](const Fraction& f) { return std::to_string(f.num < 0 ? -f.num : f.num); };
        IntegerDivisors(ExpressionText(magnitude(a[0])), uc, us);
        IntegerDivisors(ExpressionText(magnitude(a[n])), vc, vs);
        if (uc == 0 || vc == 0) AddNote("Bem\xE6rk: koefficienterne er for store til at s\xF8ge rationale r\xF8" "dder");
        std::vector<Fraction> current = a;
        int degree = n;
        std::vector<std::int64_t> uv, vv;
        for (const auto& t : us) uv.push_back(std::stoll(t.Str()));
        for (const auto& t : vs) vv.push_back(std::stoll(t.Str()));
        // With many divisors on both sides (1600 each below 2^31) the pairs
        // are too many to try one by one: only pairs whose value lies near
        // a real root of p can be roots, so only those are tried, in the
        // same order. The real roots are found to far better than the
        // tolerance, multiple ones included.
        constexpr std::size_t MaxPlainPairs = 20000;
        std::vector<char> near;
        if (uv.size() * vv.size() > MaxPlainPairs) {
            near.assign(uv.size() * vv.size(), 0);
            std::vector<double> c(n + 1);
            for (int t = 0; t <= n; ++t) c[t] = a[t].Value();
            for (const RealRoot& r : RealPolynomialRoots(c)) {
                double size = std::fabs(r.value);
                if (size == 0) continue;
                for (std::size_t i = 0; i < uv.size(); ++i) {
                    double target = static_cast<double>(uv[i]) / size;
                    auto from = std::lower_bound(vv.begin(), vv.end(), target * (1 - 1e-4));
                    for (auto it = from; it != vv.end() && static_cast<double>(*it) <= target * (1 + 1e-4); ++it)
                        near[i * vv.size() + static_cast<std::size_t>(it - vv.begin())] = 1;
                }
            }
        }
        for (std::size_t i = 0; i < uv.size() && count < zeroRoots + n && degree > 0; ++i) {
            for (std::size_t j = 0; j < vv.size() && count < zeroRoots + n && degree > 0; ++j) {
                if (!near.empty() && !near[i * vv.size() + j]) continue;
                std::int64_t u = uv[i], v = vv[j];
                if (Gcd(u, v) != 1) continue;  // the same value as an earlier u/v
                Fraction cand = Fraction::Of(u, v);
                ExpressionText candText(cand.Text());
                for (int sign : {1, -1}) {
                    Fraction root = sign > 0 ? cand : Fraction{} - cand;
                    while (count < zeroRoots + n && degree > 0 && IsRoot(current, root)) {
                        ExpressionText divisor = (sign > 0 ? "x-" : "x+") + candText;
                        ExpressionText q, r;
                        if (!DividePolynomials(p, divisor, q, r) || !IsZeroText(r)) {
                            if (ErrorFlag) return;  // already reported
                            ReportError("Fejl i polynomier p(x)= " + p + " eller d(x) = " + divisor);
                            return;
                        }
                        AddLogLine("Division af " + p.Str() + " med " + divisor.Str());
                        AddLogLine("Kvotienten er " + q.Str() + " og resten er 0");
                        p = q;
                        // Synthetic division keeps the exact coefficients of the quotient.
                        std::vector<Fraction> next(degree);
                        Fraction carry;
                        for (int t = degree; t >= 1; --t) {
                            carry = carry * root + current[t];
                            next[t - 1] = carry;
                        }
                        current = next;
                        --degree;
                        Join(factorised, "(" + divisor + ")");
                        AddRoot(count, roots, sign > 0 ? candText : "-" + candText);
                    }
                }
            }
        }
        a = current;
        n = degree;
    }

    if (!factorised.Empty()) {
        if (!multiplier.Empty()) {
            if (n == 0)
                factorised = ExpressionText((a[0] / Fraction::Of(m)).Text()) + "*" + factorised;
            else
                factorised = "1/" + multiplier + "*" + factorised + "*(" + p + ")";
        } else if (n == 0) {
            // A constant quotient is the leading coefficient: written first.
            if (a[0] == Fraction::Of(-1))
                factorised = "-" + factorised;
            else if (!(a[0] == Fraction::Of(1)))
                factorised = ExpressionText(a[0].Text()) + "*" + factorised;
        } else {
            factorised = factorised + "*(" + p + ")";
        }
        factorised = TidyExpression(factorised);
    } else {
        // Written in the evaluator's notation, so that it can be checked and reduced.
        TPolyCoefficients original;
        int d0 = 0;
        ExpressionText copy = p0;
        ParsePolynomial(copy, d0, original);
        factorised = PolynomialToText(d0, original);
        if (ErrorFlag) return;
    }

    if (n >= 2) {
        std::vector<double> c(n + 1);
        for (int i = 0; i <= n; ++i) c[i] = a[i].Value();
        std::vector<RealRoot> rest;
        if (n == 2) {
            double A = c[2], B = c[1], D = c[0];
            double disc = B * B - 4 * A * D;
            if (disc > 0) {
                // The form without cancellation between -B and the root.
                double q = -(B + std::copysign(std::sqrt(disc), B)) / 2;
                double r1 = q / A, r2 = D / q;
                rest = {{std::min(r1, r2), 1}, {std::max(r1, r2), 1}};
            } else if (disc == 0) {
                rest = {{-B / (2 * A), 2}};
            }
        } else {
            rest = RealPolynomialRoots(c);
        }
        for (const RealRoot& r : rest)
            for (int i = 0; i < r.multiplicity; ++i) AddRoot(count, roots, ExpressionText(NumericRootText(r.value)));
    }
}
