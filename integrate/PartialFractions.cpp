#include "PartialFractions.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <utility>

#include "Canonical.h"
#include "Scanner.h"

namespace {

constexpr int MaxDegree = 24;
// Rational root candidates come from the divisors of the end coefficients;
// larger coefficients are not searched (the bound keeps the search short).
constexpr std::int64_t MaxDivisorSearch = 100000000;

void Trim(Poly& p) {
    while (!p.empty() && p.back().IsZero()) p.pop_back();
}

bool Exact(const Poly& p) {
    for (const TreeNumber& c : p)
        if (!c.exact) return false;
    return true;
}

int Degree(const Poly& p) { return static_cast<int>(p.size()) - 1; }

TreeNumber Zero() { return TreeNumber::Fraction(0); }
TreeNumber One() { return TreeNumber::Fraction(1); }

bool Evaluate(const Poly& p, const TreeNumber& x, TreeNumber& v) {
    v = Zero();
    for (std::size_t i = p.size(); i-- > 0;) v = v * x + p[i];
    return v.exact;
}

std::int64_t Gcd(std::int64_t a, std::int64_t b) {
    a = std::llabs(a);
    b = std::llabs(b);
    while (b != 0) {
        std::int64_t t = a % b;
        a = b;
        b = t;
    }
    return a;
}

std::vector<std::int64_t> Divisors(std::int64_t n) {
    std::vector<std::int64_t> d;
    for (std::int64_t i = 1; i * i <= n; ++i)
        if (n % i == 0) {
            d.push_back(i);
            if (i != n / i) d.push_back(n / i);
        }
    return d;
}

// q / (x - r), exactly (r a root of q).
Poly Deflate(const Poly& q, const TreeNumber& r) {
    Poly out(q.size() - 1, Zero());
    TreeNumber carry = Zero();
    for (std::size_t i = q.size(); i-- > 1;) {
        carry = carry * r + q[i];
        out[i - 1] = carry;
    }
    return out;
}

Tree X() { return Sym('x'); }

Tree PolyIntegralTree(const Poly& p) {
    Poly r(p.size() + 1, Zero());
    for (std::size_t i = 0; i < p.size(); ++i) r[i + 1] = p[i] * Inverse(TreeNumber::Fraction(static_cast<std::int64_t>(i) + 1));
    return PolynomialTree(r, 'x');
}

// A monic quadratic x^2 + b*x + c.
struct Quadratic {
    TreeNumber b, c;
};

bool SquareOfQuadratic(const Poly& r, Quadratic& q) {
    // (x^2+b*x+c)^2 = x^4 + 2b x^3 + (b^2+2c) x^2 + 2bc x + c^2
    if (Degree(r) != 4) return false;
    TreeNumber half = TreeNumber::Fraction(1, 2);
    q.b = r[3] * half;
    q.c = (r[2] + -(q.b * q.b)) * half;
    Poly s{q.c, q.b, One()}, s2;
    if (!PolyMultiply(s, s, s2)) return false;
    for (int i = 0; i <= 4; ++i)
        if (CompareNumbers(s2[i], r[i]) != 0 || !s2[i].exact) return false;
    return true;
}

// x^4 + a x^2 + c = (x^2 + u)(x^2 + v) with rational u, v.
bool SplitBiquadratic(const Poly& r, Quadratic& p, Quadratic& q) {
    if (Degree(r) != 4 || !r[1].IsZero() || !r[3].IsZero()) return false;
    TreeNumber d = r[2] * r[2] + -(TreeNumber::Fraction(4) * r[0]);
    if (!d.exact || d.Negative()) return false;
    // sqrt of the fraction d, exactly
    auto root = [](std::int64_t n, std::int64_t& s) {
        s = static_cast<std::int64_t>(std::llround(std::sqrt(static_cast<double>(n))));
        for (std::int64_t c = s > 0 ? s - 1 : 0; c <= s + 1; ++c)
            if (c * c == n) {
                s = c;
                return true;
            }
        return false;
    };
    std::int64_t sn = 0, sd = 0;
    if (!root(d.num, sn) || !root(d.den, sd)) return false;
    TreeNumber s = TreeNumber::Fraction(sn, sd), half = TreeNumber::Fraction(1, 2);
    p = {Zero(), (r[2] + s) * half};
    q = {Zero(), (r[2] + -s) * half};
    return p.c.exact && q.c.exact;
}

// One factor of the denominator: x - root (linear) or x^2 + b x + c.
struct Factor {
    bool linear = true;
    TreeNumber root;
    Quadratic quadratic;
    int multiplicity = 1;
    Poly Polynomial() const {
        if (linear) return {-root, One()};
        return {quadratic.c, quadratic.b, One()};
    }
    Tree TreeForm() const {
        if (linear) return Canonical(Add({X(), Num(-root)}));
        return Canonical(Add({Pow(X(), Num(2)), Mul({Num(quadratic.b), X()}), Num(quadratic.c)}));
    }
};

bool Solve(std::vector<std::vector<TreeNumber>> m, std::vector<TreeNumber>& x) {
    const std::size_t n = m.size();
    for (std::size_t col = 0; col < n; ++col) {
        std::size_t pivot = col;
        while (pivot < n && m[pivot][col].IsZero()) ++pivot;
        if (pivot == n) return false;
        std::swap(m[pivot], m[col]);
        TreeNumber inv = Inverse(m[col][col]);
        for (std::size_t j = col; j <= n; ++j) m[col][j] = m[col][j] * inv;
        for (std::size_t i = 0; i < n; ++i) {
            if (i == col || m[i][col].IsZero()) continue;
            TreeNumber f = m[i][col];
            for (std::size_t j = col; j <= n; ++j) {
                m[i][j] = m[i][j] + -(f * m[col][j]);
                if (!m[i][j].exact) return false;
            }
        }
    }
    x.clear();
    for (std::size_t i = 0; i < n; ++i) x.push_back(m[i][n]);
    return Exact(x);
}

// The integral of D/(x^2+b*x+c)^j with k2 = c - b^2/4 > 0 (the reduction formula).
Tree QuadraticIntegral(const Quadratic& q, const TreeNumber& k2, int j) {
    Tree shifted = Canonical(Add({X(), Num(q.b * TreeNumber::Fraction(1, 2))}));
    Tree Q = Canonical(Add({Pow(X(), Num(2)), Mul({Num(q.b), X()}), Num(q.c)}));
    Tree k = Canonical(Pow(Num(k2), Num(1, 2)));
    Tree J = Mul({Pow(k, Num(-1)), Call(fnAtan, Mul({shifted, Pow(k, Num(-1))}))});
    for (int n = 2; n <= j; ++n) {
        TreeNumber d = Inverse(TreeNumber::Fraction(2 * (n - 1)) * k2);
        J = Add({Mul({Num(d), shifted, Pow(Q, Num(1 - n))}), Mul({Num(d * TreeNumber::Fraction(2 * n - 3)), J})});
    }
    return J;
}

}  // namespace

bool PolyMultiply(const Poly& a, const Poly& b, Poly& result) {
    Poly r(a.empty() || b.empty() ? 0 : a.size() + b.size() - 1, Zero());  // result may be a or b
    for (std::size_t i = 0; i < a.size(); ++i)
        for (std::size_t j = 0; j < b.size(); ++j) r[i + j] = r[i + j] + a[i] * b[j];
    Trim(r);
    result = std::move(r);
    return Exact(result);
}

bool PolyDivide(const Poly& a, const Poly& b, Poly& quotient, Poly& remainder) {
    Poly d = b;
    Trim(d);
    if (d.empty()) return false;
    remainder = a;
    Trim(remainder);
    quotient.assign(remainder.size() >= d.size() ? remainder.size() - d.size() + 1 : 0, Zero());
    TreeNumber inv = Inverse(d.back());
    while (remainder.size() >= d.size()) {
        std::size_t shift = remainder.size() - d.size();
        TreeNumber c = remainder.back() * inv;
        quotient[shift] = c;
        for (std::size_t i = 0; i < d.size(); ++i) remainder[shift + i] = remainder[shift + i] + -(c * d[i]);
        remainder.pop_back();
        Trim(remainder);
        if (!Exact(remainder)) return false;
    }
    Trim(quotient);
    return Exact(quotient);
}

bool RationalParts(const Tree& f, Poly& p, Poly& q) {
    p = {One()};
    q = {One()};
    TreeList factors = f->kind == NodeKind::Product ? f->args : TreeList{f};
    for (const Tree& g : factors) {
        Poly c;
        if (g->kind == NodeKind::Power && IsNumber(g->args[1]) && g->args[1]->number.IsInteger() &&
            g->args[1]->number.Negative()) {
            std::int64_t n = -g->args[1]->number.num;
            if (n > MaxDegree || !PolynomialCoefficients(g->args[0], 'x', c, MaxDegree)) return false;
            for (std::int64_t i = 0; i < n; ++i)
                if (!PolyMultiply(q, c, q) || Degree(q) > MaxDegree) return false;
        } else {
            if (!PolynomialCoefficients(g, 'x', c, MaxDegree) || !PolyMultiply(p, c, p) || Degree(p) > MaxDegree)
                return false;
        }
    }
    return !q.empty();
}

bool FactorOverRationals(const Poly& q0, RationalFactors& out) {
    Poly q = q0;
    Trim(q);
    if (q.empty() || !Exact(q)) return false;
    out.lead = q.back();
    out.roots.clear();
    TreeNumber inv = Inverse(out.lead);
    for (TreeNumber& c : q) c = c * inv;
    if (!Exact(q)) return false;
    auto addRoot = [&](const TreeNumber& r) {
        int m = 0;
        TreeNumber v;
        while (Degree(q) >= 1 && Evaluate(q, r, v) && v.IsZero()) {
            q = Deflate(q, r);
            ++m;
        }
        if (m > 0) out.roots.emplace_back(r, m);
    };
    addRoot(Zero());
    if (Degree(q) >= 1) {
        // Whole coefficients: q times the common denominator.
        std::int64_t L = 1;
        for (const TreeNumber& c : q) {
            std::int64_t g = Gcd(L, c.den);
            __int128 l = static_cast<__int128>(L / g) * c.den;
            if (l > MaxDivisorSearch) return out.rest = q, true;
            L = static_cast<std::int64_t>(l);
        }
        __int128 a0 = static_cast<__int128>(q[0].num) * (L / q[0].den);
        if (a0 < 0) a0 = -a0;
        if (a0 <= MaxDivisorSearch && a0 > 0) {
            std::vector<std::int64_t> ps = Divisors(static_cast<std::int64_t>(a0)), ss = Divisors(L);
            for (std::int64_t pn : ps)
                for (std::int64_t sd : ss) {
                    if (Gcd(pn, sd) != 1 || Degree(q) < 1) continue;
                    addRoot(TreeNumber::Fraction(pn, sd));
                    if (Degree(q) >= 1) addRoot(TreeNumber::Fraction(-pn, sd));
                }
        }
    }
    out.rest = q;
    return true;
}

Tree IntegrateRational(const Poly& p0, const Poly& q0, std::vector<std::string>& log) {
    Poly p = p0, q = q0;
    Trim(p);
    Trim(q);
    if (q.empty() || !Exact(p) || !Exact(q)) return nullptr;
    if (p.empty()) return Num(0);
    TreeList parts;
    Tree fraction = Canonical(Div(PolynomialTree(p, 'x'), PolynomialTree(q, 'x')));
    if (Degree(q) == 0) return Canonical(Mul({Num(Inverse(q[0])), PolyIntegralTree(p)}));
    Poly quotient, remainder;
    if (Degree(p) >= Degree(q)) {
        if (!PolyDivide(p, q, quotient, remainder)) return nullptr;
        Tree qt = PolynomialTree(quotient, 'x');
        Tree rest = remainder.empty() ? Num(0) : Canonical(Div(PolynomialTree(remainder, 'x'), PolynomialTree(q, 'x')));
        log.push_back("Polynomiers division: " + PrintTree(fraction) + " = " + PrintTree(Canonical(Add({qt, rest}))));
        parts.push_back(PolyIntegralTree(quotient));
        p = remainder;
        if (p.empty()) return Canonical(Add(parts));
    }
    RationalFactors rf;
    if (!FactorOverRationals(q, rf)) return nullptr;
    std::vector<Factor> factors;
    for (const auto& [r, m] : rf.roots) {
        Factor f;
        f.root = r;
        f.multiplicity = m;
        factors.push_back(f);
    }
    Quadratic a, b;
    switch (Degree(rf.rest)) {
    case 0: break;
    case 2: {
        Factor f;
        f.linear = false;
        f.quadratic = {rf.rest[1], rf.rest[0]};
        factors.push_back(f);
        break;
    }
    case 4:
        if (SquareOfQuadratic(rf.rest, a)) {
            Factor f;
            f.linear = false;
            f.quadratic = a;
            f.multiplicity = 2;
            factors.push_back(f);
        } else if (SplitBiquadratic(rf.rest, a, b)) {
            Factor f;
            f.linear = false;
            f.quadratic = a;
            factors.push_back(f);
            f.quadratic = b;
            factors.push_back(f);
        } else {
            return nullptr;
        }
        break;
    default: return nullptr;
    }
    // The monic denominator as the product of its factors; one unknown per
    // power of a linear factor, two per power of a quadratic one.
    Poly monic{One()};
    for (const Factor& f : factors)
        for (int j = 0; j < f.multiplicity; ++j)
            if (!PolyMultiply(monic, f.Polynomial(), monic)) return nullptr;
    const int n = Degree(monic);
    if (n != Degree(q)) return nullptr;
    struct Unknown {
        std::size_t factor;
        int power, shift;
    };
    std::vector<Unknown> unknowns;
    std::vector<Poly> columns;
    for (std::size_t i = 0; i < factors.size(); ++i)
        for (int j = 1; j <= factors[i].multiplicity; ++j) {
            Poly denominator{One()}, column, rest;
            for (int k = 0; k < j; ++k)
                if (!PolyMultiply(denominator, factors[i].Polynomial(), denominator)) return nullptr;
            if (!PolyDivide(monic, denominator, column, rest) || !rest.empty()) return nullptr;
            for (int shift = 0; shift < (factors[i].linear ? 1 : 2); ++shift) {
                Poly c = column;
                if (shift == 1) c.insert(c.begin(), Zero());
                unknowns.push_back({i, j, shift});
                columns.push_back(c);
            }
        }
    if (static_cast<int>(unknowns.size()) != n) return nullptr;
    TreeNumber invLead = Inverse(rf.lead);
    std::vector<std::vector<TreeNumber>> system(n, std::vector<TreeNumber>(n + 1, Zero()));
    for (int row = 0; row < n; ++row) {
        for (int col = 0; col < n; ++col)
            system[row][col] = row < static_cast<int>(columns[col].size()) ? columns[col][row] : Zero();
        system[row][n] = row < static_cast<int>(p.size()) ? p[row] * invLead : Zero();
    }
    std::vector<TreeNumber> c;
    if (!Solve(system, c)) return nullptr;

    TreeList terms;
    for (std::size_t u = 0; u < unknowns.size(); ++u) {
        const Factor& f = factors[unknowns[u].factor];
        int j = unknowns[u].power;
        if (f.linear) {
            if (c[u].IsZero()) continue;
            Tree base = f.TreeForm();
            terms.push_back(Mul({Num(c[u]), Pow(base, Num(-j))}));
            if (j == 1)
                parts.push_back(Mul({Num(c[u]), Call(fnLn, Call(fnAbs, base))}));
            else
                parts.push_back(Mul({Num(c[u] * Inverse(TreeNumber::Fraction(1 - j))), Pow(base, Num(1 - j))}));
            continue;
        }
        if (unknowns[u].shift == 1) continue;  // taken with its constant partner
        TreeNumber C = c[u], B = c[u + 1];
        if (C.IsZero() && B.IsZero()) continue;
        Tree Q = f.TreeForm();
        terms.push_back(Mul({Add({Mul({Num(B), X()}), Num(C)}), Pow(Q, Num(-j))}));
        TreeNumber h = f.quadratic.b * TreeNumber::Fraction(1, 2);
        TreeNumber k2 = f.quadratic.c + -(h * h);
        if (!k2.exact || k2.IsZero()) return nullptr;
        // (Bx+C) = B/2*(2x+b) + (C - B*h)
        TreeNumber half = B * TreeNumber::Fraction(1, 2), D = C + -(B * h);
        if (!half.IsZero()) {
            if (j == 1)
                parts.push_back(Mul({Num(half), Call(fnLn, k2.Negative() ? Call(fnAbs, Q) : Q)}));
            else
                parts.push_back(Mul({Num(half * Inverse(TreeNumber::Fraction(1 - j))), Pow(Q, Num(1 - j))}));
        }
        if (D.IsZero()) continue;
        if (!k2.Negative()) {
            parts.push_back(Mul({Num(D), QuadraticIntegral(f.quadratic, k2, j)}));
        } else {
            if (j != 1) return nullptr;
            // Real roots -h +- s with s = sqrt(-k2) irrational.
            Tree s = Canonical(Pow(Num(-k2), Num(1, 2)));
            Tree shifted = Add({X(), Num(h)});
            Tree ratio = Mul({Add({shifted, Neg(s)}), Pow(Add({shifted, s}), Num(-1))});
            parts.push_back(Mul({Num(D * TreeNumber::Fraction(1, 2)), Pow(s, Num(-1)), Call(fnLn, Call(fnAbs, ratio))}));
        }
    }
    if (terms.size() > 1)
        log.push_back("Partialbr\xF8ker: " + PrintTree(Canonical(Div(PolynomialTree(p, 'x'), PolynomialTree(q, 'x')))) +
                      " = " + PrintTree(Canonical(Add(terms))));
    return Canonical(Add(parts));
}
