#include "Canonical.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "Scanner.h"

namespace {

// A stable sort without the temporary buffer of std::stable_sort: sums and
// products have a handful of entries, where an insertion sort is cheapest.
template <class List, class Less>
void StableSort(List& v, Less less) {
    using T = typename List::value_type;
    if (v.size() > 32) {
        std::stable_sort(v.begin(), v.end(), less);
        return;
    }
    for (std::size_t i = 1; i < v.size(); ++i) {
        T x = std::move(v[i]);
        std::size_t j = i;
        for (; j > 0 && less(x, v[j - 1]); --j) v[j] = std::move(v[j - 1]);
        v[j] = std::move(x);
    }
}

Tree CanonSum(TreeList&& terms, const Tree* original = nullptr);
Tree CanonProduct(TreeList&& factors, const Tree* original = nullptr);
Tree CanonPow(const Tree& base, const Tree& exponent);

// ---- numbers under roots -------------------------------------------------

// n = s^2 * r with r free of small square factors (primes below 1000, and a
// remaining exact square).
void SplitSquare(std::int64_t n, std::int64_t& s, std::int64_t& r) {
    s = 1;
    for (std::int64_t p = 2; p < 1000 && p * p <= n; ++p)
        while (n % (p * p) == 0) {
            n /= p * p;
            s *= p;
        }
    std::int64_t q = static_cast<std::int64_t>(std::llround(std::sqrt(static_cast<double>(n))));
    for (std::int64_t c = q > 1 ? q - 1 : 1; c <= q + 1; ++c)
        if (c > 1 && c * c == n) {
            s *= c;
            n = 1;
            break;
        }
    r = n;
}

// b^(k/2) for an exact positive b and odd k, with the square factors of b
// taken out of the root; nullptr when a part would not fit.
Tree RootOfNumber(const TreeNumber& b, std::int64_t k) {
    const std::int64_t m = (k - 1) / 2;  // k is odd: b^(k/2) = b^m * sqrt(b)
    TreeNumber whole;
    if (!IntegerPower(b, m, whole)) return nullptr;
    // sqrt(p/q) = sqrt(p*q)/q
    const __int128 pq = static_cast<__int128>(b.num) * b.den;
    if (pq > INT64_MAX) return nullptr;
    std::int64_t s = 1, r = 1;
    SplitSquare(static_cast<std::int64_t>(pq), s, r);
    TreeNumber c = whole * TreeNumber::Fraction(s, b.den);
    if (!c.exact) return nullptr;
    if (r == 1) return Num(c);
    Tree root = Pow(Num(r), Num(1, 2));
    return c.Is(1) ? root : Mul({Num(c), root});
}

// ---- calls ---------------------------------------------------------------

Tree CanonCall(int f, const Tree& a) {
    switch (f) {
    case fnExp:
        if (IsNumber(a, 0)) return Num(1);
        if (IsNumber(a, 1)) return ConstE();
        break;
    case fnLn:
        if (a->kind == NodeKind::Constant && a->name == 'e') return Num(1);
        if (IsNumber(a, 1)) return Num(0);
        if (IsCall(a, fnExp)) return a->args[0];
        break;
    case fnSqrt:
        return CanonPow(a, Num(1, 2));
    case fnAbs:
        if (IsNumber(a)) return Num(a->number.Negative() ? -a->number : a->number);
        if (IsCall(a, fnExp)) return a;
        break;
    case fnSin:
    case fnTan:
    case fnAtan:
    case fnSinh:
    case fnAsinh:
    case fnAsin:
        if (IsNumber(a, 0)) return Num(0);
        break;
    case fnCos:
    case fnCosh:
        if (IsNumber(a, 0)) return Num(1);
        break;
    default:
        break;
    }
    return Call(f, a);
}

// ---- powers --------------------------------------------------------------

Tree CanonPow(const Tree& b, const Tree& e) {
    if (IsNumber(e, 1)) return b;
    // The evaluator's 0^0 is 1, and 0^n is 0 for every other whole n.
    if (IsNumber(b, 0) && IsNumber(e) && e->number.IsInteger()) return Num(e->number.IsZero() ? 1 : 0);
    if (IsNumber(e, 0)) return Num(1);
    if (IsNumber(b, 1)) return Num(1);
    if (b->kind == NodeKind::Constant && b->name == 'e') return CanonCall(fnExp, e);
    // e^u is positive, so (e^u)^v = e^(u*v) for every v.
    if (IsCall(b, fnExp)) return CanonCall(fnExp, CanonProduct({b->args[0], e}));
    if (IsNumber(e)) {
        const TreeNumber& n = e->number;
        if (IsNumber(b)) {
            const TreeNumber& base = b->number;
            TreeNumber r;
            if (n.IsInteger() && IntegerPower(base, n.num, r)) return Num(r);
            if (base.IsZero() && !n.Negative()) return Num(0);
            if (n.exact && n.den == 2 && base.exact && !base.Negative() && !base.IsZero() && std::llabs(n.num) <= 64)
                if (Tree root = RootOfNumber(base, n.num)) return root;
        }
        if (n.IsInteger()) {
            // (u^a)^n = u^(a*n) and (a*b)^n = a^n*b^n for a whole n.
            if (b->kind == NodeKind::Power) return CanonPow(b->args[0], CanonProduct({b->args[1], e}));
            if (b->kind == NodeKind::Product) {
                TreeList factors;
                for (const Tree& f : b->args) factors.push_back(CanonPow(f, e));
                return CanonProduct(std::move(factors));
            }
        }
    }
    return Pow(b, e);
}

// ---- products ------------------------------------------------------------

// Factor order: pi, e and numeric roots; powers of symbols; sums; the rest.
int FactorRank(const Tree& f) {
    const Tree& base = f->kind == NodeKind::Power ? f->args[0] : f;
    const bool numericExponent = f->kind != NodeKind::Power || IsNumber(f->args[1]);
    if (base->kind == NodeKind::Constant || (IsNumber(base) && numericExponent)) return 1;
    if (base->kind == NodeKind::Symbol && numericExponent) return 2;
    if (base->kind == NodeKind::Sum && numericExponent) return 3;
    return 4;
}

bool HasSymbol(const Tree& t) {
    if (t->kind == NodeKind::Symbol) return true;
    for (const Tree& a : t->args)
        if (HasSymbol(a)) return true;
    return false;
}

// Sums as factors in the order of their roots: (x-1)*(x+1)*(x-2) and
// (x-sqrt(2))*(x+sqrt(2))*(x-sqrt(3)), by the terms with symbols, then the
// size of the constant beside them, a negative one first.
int CompareSumFactors(const Tree& a, const Tree& b) {
    // The terms with symbols, without copies where it can: one such term is
    // the rest itself, and a sum without constants is its own rest.
    auto rest = [](const Tree& s) {
        int symbolic = 0;
        const Tree* single = nullptr;
        for (const Tree& t : s->args)
            if (HasSymbol(t)) ++symbolic, single = &t;
        if (symbolic == 1) return *single;
        if (symbolic == static_cast<int>(s->args.size())) return s;
        TreeList others;
        for (const Tree& t : s->args)
            if (HasSymbol(t)) others.push_back(t);
        return Add(std::move(others));
    };
    if (int c = CompareTrees(rest(a), rest(b))) return c;
    // The constant beside them; 0 when a part has no value.
    auto constant = [](const Tree& s) {
        double c = 0;
        for (const Tree& t : s->args) {
            double v = 0;
            if (HasSymbol(t)) continue;
            if (!EvaluateTree(t, 0, v)) return 0.0;
            c += v;
        }
        return c;
    };
    const double ca = constant(a), cb = constant(b);
    const double ma = std::fabs(ca), mb = std::fabs(cb);
    if (ma != mb) return ma < mb ? -1 : 1;
    return (ca < 0) == (cb < 0) ? 0 : ca < 0 ? -1 : 1;
}

bool FactorBefore(const Tree& a, const Tree& b) {
    int ra = FactorRank(a), rb = FactorRank(b);
    if (ra != rb) return ra < rb;
    if (ra == 3) {
        const Tree& sa = a->kind == NodeKind::Power ? a->args[0] : a;
        const Tree& sb = b->kind == NodeKind::Power ? b->args[0] : b;
        if (int c = CompareSumFactors(sa, sb)) return c < 0;
    }
    return CompareTrees(a, b) < 0;
}

// The base of a factor: e and e^u have the base e.
const Tree& BaseOf(const Tree& f) {
    if (IsCall(f, fnExp)) {
        thread_local const Tree e = ConstE();
        return e;
    }
    return f->kind == NodeKind::Power ? f->args[0] : f;
}

// A factor as base^exponent.
void SplitPower(const Tree& f, Tree& base, Tree& exponent) {
    base = BaseOf(f);
    exponent = IsCall(f, fnExp) ? f->args[0] : f->kind == NodeKind::Power ? f->args[1] : Num(1);
}

// A sum or product over children: the original node when they are its own
// children, so that a canonical tree comes back as it was, without copies.
Tree Rebuilt(const Tree* original, TreeList&& children, NodeKind kind) {
    if (original && (*original)->kind == kind && (*original)->args.size() == children.size() &&
        std::equal(children.begin(), children.end(), (*original)->args.begin(),
                   [](const Tree& a, const Tree& b) { return a.get() == b.get(); }))
        return *original;
    return kind == NodeKind::Sum ? Add(std::move(children)) : Mul(std::move(children));
}

// Canonical factors in canonical order already: a leading number other than
// 0 and 1, then factors that are neither numbers nor products, with distinct
// bases (nothing to merge), each in order after the one before.
bool CanonicalFactors(const TreeList& factors) {
    std::size_t start = 0;
    if (!factors.empty() && IsNumber(factors[0])) {
        if (factors[0]->number.IsZero() || factors[0]->number.Is(1)) return false;
        start = 1;
    }
    if (factors.size() < 2) return false;
    for (std::size_t i = start; i < factors.size(); ++i) {
        const Tree& f = factors[i];
        if (IsNumber(f) || f->kind == NodeKind::Product) return false;
        for (std::size_t j = start; j < i; ++j)
            if (SameTree(BaseOf(factors[j]), BaseOf(f))) return false;
        if (i > start && FactorBefore(f, factors[i - 1])) return false;
    }
    return true;
}

Tree CanonProduct(TreeList&& factors, const Tree* original) {
    // The common case of a product that is canonical already: the full pass
    // below would give the same factors in the same order.
    if (CanonicalFactors(factors)) return Rebuilt(original, std::move(factors), NodeKind::Product);
    TreeNumber coefficient = TreeNumber::Fraction(1);
    TreeList rest;
    rest.reserve(factors.size());
    // Flattening, numbers into the coefficient.
    for (std::size_t i = 0; i < factors.size(); ++i) {
        const Tree& f = factors[i];
        if (f->kind == NodeKind::Product) {
            for (const Tree& g : f->args) {
                if (IsNumber(g)) coefficient = coefficient * g->number;
                else rest.push_back(g);
            }
        } else if (IsNumber(f)) {
            coefficient = coefficient * f->number;
        } else {
            rest.push_back(f);
        }
    }
    // Like factors: one base, exponents added. A merged power may give a
    // number, a product or a power of another base again (sqrt(2)*sqrt(8)),
    // so a few rounds.
    for (int round = 0; round < 3 && rest.size() > 1; ++round) {
        struct Split {
            Tree base, exponent, factor;
        };
        SmallVector<Split, 8> powers;
        powers.reserve(rest.size());
        for (const Tree& f : rest) {
            Tree b, e;
            SplitPower(f, b, e);
            powers.push_back({std::move(b), std::move(e), f});
        }
        StableSort(powers, [](const Split& a, const Split& b) { return CompareTrees(a.base, b.base) < 0; });
        TreeList merged;
        merged.reserve(powers.size());
        bool again = false;
        for (std::size_t i = 0; i < powers.size();) {
            std::size_t j = i + 1;
            while (j < powers.size() && SameTree(powers[j].base, powers[i].base)) ++j;
            if (j == i + 1) {
                // A factor without like factors is canonical already and keeps its node.
                merged.push_back(powers[i].factor);
                i = j;
                continue;
            }
            TreeList exponents;
            for (std::size_t k = i; k < j; ++k) exponents.push_back(powers[k].exponent);
            Tree f = CanonPow(powers[i].base, CanonSum(std::move(exponents)));
            if (IsNumber(f)) {
                coefficient = coefficient * f->number;
            } else if (f->kind == NodeKind::Product) {
                again = true;
                for (const Tree& g : f->args) {
                    if (IsNumber(g)) coefficient = coefficient * g->number;
                    else merged.push_back(g);
                }
            } else {
                // A power of a power comes out on a new base: (x^2)^(1/2)*x^(1/2)
                // gives x, which meets x^(1/2) in the next round.
                again = again || !SameTree(BaseOf(f), powers[i].base);
                merged.push_back(f);
            }
            i = j;
        }
        rest = std::move(merged);
        if (!again) break;
    }
    if (coefficient.IsZero()) return Num(0);
    StableSort(rest, FactorBefore);
    if (rest.empty()) return Num(coefficient);
    if (coefficient.Is(1) && rest.size() == 1) return rest[0];
    if (!coefficient.Is(1)) rest.insert(rest.begin(), Num(coefficient));
    return Rebuilt(original, std::move(rest), NodeKind::Product);
}

// ---- sums ----------------------------------------------------------------

// A term as coefficient times the rest (nullptr for a number).
void SplitTerm(const Tree& t, TreeNumber& c, Tree& rest) {
    if (IsNumber(t)) {
        c = t->number;
        rest = nullptr;
    } else if (t->kind == NodeKind::Product && IsNumber(t->args[0])) {
        c = t->args[0]->number;
        rest = t->args.size() == 2 ? t->args[1] : Mul(TreeList(t->args.begin() + 1, t->args.end()));
    } else {
        c = TreeNumber::Fraction(1);
        rest = t;
    }
}

Tree JoinTerm(const TreeNumber& c, const Tree& rest) {
    if (!rest) return Num(c);
    if (c.Is(1)) return rest;
    TreeList factors{Num(c)};
    if (rest->kind == NodeKind::Product) factors.insert(factors.end(), rest->args.begin(), rest->args.end());
    else factors.push_back(rest);
    return Mul(std::move(factors));
}

// The whole power of x in a factor (1/x: -1), or 0.
int DegreeOfFactor(const Tree& f) {
    if (IsSymbol(f, 'x')) return 1;
    if (f->kind == NodeKind::Power && IsSymbol(f->args[0], 'x') && IsNumber(f->args[1]) &&
        f->args[1]->number.IsInteger() && std::llabs(f->args[1]->number.num) < 1000)
        return static_cast<int>(f->args[1]->number.num);
    return 0;
}

// Sort key of a term: its power of x and the other factors.
struct TermKey {
    int group;    // 0: c*x^n with x-free c; 1: other terms with x; 2: the number; 3: other constants
    int degree;
    Tree other;   // the factors beside x^n (nullptr: none)
};

TermKey KeyOf(const Tree& rest) {
    if (!rest) return {2, 0, nullptr};
    if (!DependsOn(rest, 'x')) return {3, 0, rest};
    if (rest->kind != NodeKind::Product) {
        const int d = DegreeOfFactor(rest);
        if (d != 0) return {d > 0 ? 0 : 1, d, nullptr};
        return {1, 0, rest};
    }
    TreeList others;
    int degree = 0;
    for (const Tree& f : rest->args) {
        int d = DegreeOfFactor(f);
        if (d != 0 && degree == 0) degree = d;
        else others.push_back(f);
    }
    Tree other = others.empty() ? nullptr : Mul(std::move(others));
    const bool polynomial = degree > 0 && (!other || !DependsOn(other, 'x'));
    return {polynomial ? 0 : 1, degree, other};
}

int CompareOptional(const Tree& a, const Tree& b) {
    if (!a || !b) return a ? 1 : b ? -1 : 0;
    return CompareTrees(a, b);
}

bool TermBefore(const std::pair<TermKey, Tree>& a, const std::pair<TermKey, Tree>& b) {
    const TermKey &x = a.first, &y = b.first;
    if (x.group != y.group) return x.group < y.group;
    if (x.group == 0) {
        if (x.degree != y.degree) return x.degree > y.degree;
        return CompareOptional(x.other, y.other) < 0;
    }
    // By the other factors, then by falling degree: x*e^x+e^x, 1/x+1/x^2.
    if (int c = CompareOptional(x.other, y.other)) return c < 0;
    return x.degree > y.degree;
}

// A number times a sum among terms is spread: 2*(x+3)-6 is 2*x.
bool SpreadsInSum(const Tree& t) {
    return t->kind == NodeKind::Product && t->args.size() == 2 && IsNumber(t->args[0]) &&
           t->args[1]->kind == NodeKind::Sum;
}

// Terms that are canonical already and in canonical order: none is zero,
// and each comes strictly after the one before (so no two are like terms:
// like terms have the same key).
bool CanonicalTerms(const TreeList& terms) {
    if (terms.size() < 2) return false;
    std::pair<TermKey, Tree> before{};
    for (std::size_t i = 0; i < terms.size(); ++i) {
        TreeNumber c;
        Tree rest;
        SplitTerm(terms[i], c, rest);
        if (c.IsZero()) return false;
        std::pair<TermKey, Tree> key{KeyOf(rest), nullptr};
        if (i > 0 && !TermBefore(before, key)) return false;
        before = std::move(key);
    }
    return true;
}

// No term is a sum or a number times a sum: nothing to flatten or spread.
bool FlatTerms(const TreeList& terms) {
    return std::none_of(terms.begin(), terms.end(),
                        [](const Tree& t) { return t->kind == NodeKind::Sum || SpreadsInSum(t); });
}

Tree CanonSum(TreeList&& terms, const Tree* original) {
    const bool flatAlready = FlatTerms(terms);
    // The common case of a short sum (a bracket inside a formula) that is
    // canonical already: the full pass below would give the same terms in the
    // same order. Long sums seldom are, and the test would be work lost.
    if (flatAlready && terms.size() <= 4 && CanonicalTerms(terms)) return Rebuilt(original, std::move(terms), NodeKind::Sum);
    TreeList flat;
    if (flatAlready) {
        flat = std::move(terms);
    } else {
        flat.reserve(terms.size());
        for (const Tree& t : terms) {
            if (t->kind == NodeKind::Sum)
                flat.insert(flat.end(), t->args.begin(), t->args.end());
            else if (SpreadsInSum(t))
                for (const Tree& s : t->args[1]->args) flat.push_back(CanonProduct({t->args[0], s}));
            else
                flat.push_back(t);
        }
    }
    struct Split {
        Tree rest;
        TreeNumber c;
        Tree term;
    };
    SmallVector<Split, 8> split;
    split.reserve(flat.size());
    for (const Tree& t : flat) {
        TreeNumber c;
        Tree rest;
        SplitTerm(t, c, rest);
        split.push_back({rest, c, t});
    }
    StableSort(split, [](const Split& a, const Split& b) { return CompareOptional(a.rest, b.rest) < 0; });
    SmallVector<std::pair<TermKey, Tree>, 8> collected;
    collected.reserve(split.size());
    for (std::size_t i = 0; i < split.size();) {
        TreeNumber c = split[i].c;
        std::size_t j = i + 1;
        while (j < split.size() && CompareOptional(split[j].rest, split[i].rest) == 0) c = c + split[j++].c;
        // A term without like terms keeps its node.
        if (!c.IsZero())
            collected.emplace_back(KeyOf(split[i].rest), j == i + 1 ? split[i].term : JoinTerm(c, split[i].rest));
        i = j;
    }
    StableSort(collected, TermBefore);
    TreeList out;
    out.reserve(collected.size());
    for (auto& k : collected) out.push_back(std::move(k.second));
    if (out.size() < 2) return Add(std::move(out));
    return Rebuilt(original, std::move(out), NodeKind::Sum);
}

Tree CanonNode(const Tree& t) {
    switch (t->kind) {
    case NodeKind::Number:
    case NodeKind::Symbol:
    case NodeKind::Constant:
        return t;
    case NodeKind::Call: {
        Tree a = CanonNode(t->args[0]);
        // A call folds only on a number, e, e^u or as sqrt: otherwise it keeps its node.
        if (a == t->args[0] && t->function != fnSqrt && !IsNumber(a) && a->kind != NodeKind::Constant &&
            !IsCall(a, fnExp))
            return t;
        Tree c = CanonCall(t->function, a);
        // An unchanged call keeps its node.
        return c->kind == NodeKind::Call && c->function == t->function && c->args[0] == t->args[0] ? t : c;
    }
    case NodeKind::Power: {
        Tree b = CanonNode(t->args[0]), e = CanonNode(t->args[1]);
        // A symbol, sum or call (not e^u) to a number other than 0 and 1 stays as it is.
        if (b == t->args[0] && e == t->args[1] && IsNumber(e) && !IsNumber(e, 0) && !IsNumber(e, 1) &&
            (b->kind == NodeKind::Symbol || b->kind == NodeKind::Sum || (b->kind == NodeKind::Call && !IsCall(b, fnExp))))
            return t;
        Tree p = CanonPow(b, e);
        return p->kind == NodeKind::Power && p->args[0] == t->args[0] && p->args[1] == t->args[1] ? t : p;
    }
    case NodeKind::Sum:
    case NodeKind::Product: {
        TreeList args;
        args.reserve(t->args.size());
        for (const Tree& a : t->args) args.push_back(CanonNode(a));
        return t->kind == NodeKind::Sum ? CanonSum(std::move(args), &t) : CanonProduct(std::move(args), &t);
    }
    }
    return t;
}

bool AllFinite(const Tree& t) {
    if (IsNumber(t)) return t->number.exact || std::isfinite(t->number.real);
    for (const Tree& a : t->args)
        if (!AllFinite(a)) return false;
    return true;
}

// ---- expansion -----------------------------------------------------------

// The terms of a canonical tree.
TreeList TermsOf(const Tree& t) {
    if (t->kind == NodeKind::Sum) return t->args;
    return {t};
}

// Products of the terms of a and b; false past the term bound.
bool MultiplyOut(const TreeList& a, const TreeList& b, TreeList& out) {
    if (a.size() * b.size() > static_cast<std::size_t>(MaxExpandTerms)) return false;
    out.clear();
    for (const Tree& x : a)
        for (const Tree& y : b) out.push_back(CanonProduct({x, y}));
    return true;
}

Tree ExpandNode(const Tree& t) {
    switch (t->kind) {
    case NodeKind::Sum: {
        TreeList terms;
        for (const Tree& a : t->args) {
            Tree e = ExpandNode(a);
            if (!e) return nullptr;
            terms.push_back(e);
        }
        Tree s = CanonSum(std::move(terms));
        return s->kind == NodeKind::Sum && static_cast<int>(s->args.size()) > MaxExpandTerms ? nullptr : s;
    }
    case NodeKind::Product: {
        TreeList acc{Num(1)}, next;
        for (const Tree& f : t->args) {
            Tree e = ExpandNode(f);
            if (!e || !MultiplyOut(acc, TermsOf(e), next)) return nullptr;
            Tree product = CanonSum(std::move(next));
            if (product->size > MaxExpandNodes) return nullptr;
            acc = TermsOf(product);
        }
        return CanonSum(std::move(acc));
    }
    case NodeKind::Power: {
        Tree base = ExpandNode(t->args[0]);
        if (!base) return nullptr;
        const Tree& e = t->args[1];
        if (base->kind == NodeKind::Sum && IsNumber(e) && e->number.IsInteger() && e->number.num >= 2 &&
            e->number.num <= MaxExpandPower) {
            TreeList acc{Num(1)}, next;
            for (std::int64_t i = 0; i < e->number.num; ++i) {
                if (!MultiplyOut(acc, base->args, next)) return nullptr;
                Tree power = CanonSum(std::move(next));
                if (power->size > MaxExpandNodes) return nullptr;
                acc = TermsOf(power);
            }
            return CanonSum(std::move(acc));
        }
        return CanonPow(base, e);
    }
    default:
        return t;
    }
}

}  // namespace

Tree Canonical(const Tree& t) {
    Tree c = CanonNode(t);
    return AllFinite(c) ? c : t;
}

Tree Expand(const Tree& t) {
    Tree e = ExpandNode(Canonical(t));
    // Terms that share big factors are few but long written out, and every
    // walk over them (this one first) pays for each copy.
    return e && e->size <= MaxExpandNodes && AllFinite(e) ? e : nullptr;
}

Tree Substitute(const Tree& t, char symbol, const Tree& value) {
    if (t->kind == NodeKind::Symbol) return t->name == symbol ? value : t;
    if (!DependsOn(t, symbol)) return t;
    return MapChildren(t, [&](const Tree& a) { return Substitute(a, symbol, value); });
}

bool PolynomialCoefficients(const Tree& t, char symbol, std::vector<TreeNumber>& coefficients, int maxDegree) {
    Tree e = Expand(t);
    if (!e) return false;
    std::vector<TreeNumber> c;
    for (const Tree& term : TermsOf(e)) {
        TreeNumber k;
        Tree rest;
        SplitTerm(term, k, rest);
        if (!k.exact) return false;
        std::int64_t degree = 0;
        if (!rest) {
            degree = 0;
        } else if (IsSymbol(rest, symbol)) {
            degree = 1;
        } else if (rest->kind == NodeKind::Power && IsSymbol(rest->args[0], symbol) && IsNumber(rest->args[1]) &&
                   rest->args[1]->number.IsInteger() && rest->args[1]->number.num > 0) {
            degree = rest->args[1]->number.num;
        } else {
            return false;
        }
        if (degree > maxDegree) return false;
        if (c.size() <= static_cast<std::size_t>(degree)) c.resize(degree + 1, TreeNumber{});
        c[degree] = c[degree] + k;
    }
    if (c.empty()) c.push_back(TreeNumber{});
    coefficients = std::move(c);
    return true;
}

Tree PolynomialTree(const std::vector<TreeNumber>& coefficients, char symbol) {
    TreeList terms;
    for (std::size_t i = 0; i < coefficients.size(); ++i) {
        if (coefficients[i].IsZero()) continue;
        Tree power = i == 0 ? nullptr : i == 1 ? Sym(symbol) : Pow(Sym(symbol), Num(static_cast<std::int64_t>(i)));
        terms.push_back(power ? JoinTerm(coefficients[i], power) : Num(coefficients[i]));
    }
    return CanonSum(std::move(terms));
}

ExpressionText TeacherForm(const ExpressionText& text) {
    ParseOptions options;
    options.decimals = true;
    Tree t = ParseTree(text, options);
    if (!t) return text;
    ExpressionText out;
    return PrintTree(Canonical(t), out) ? out : text;
}
