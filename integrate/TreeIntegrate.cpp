#include "TreeIntegrate.h"

#include <algorithm>
#include <cmath>

#include "Canonical.h"
#include "PartialFractions.h"
#include "Scanner.h"
#include "TreeCalculus.h"

namespace {

constexpr int MaxPartsChain = 8;
constexpr int MaxSubstitutionChain = 2;
constexpr int MaxCandidates = 12;
constexpr int MaxReductionPower = 12;

Tree X() { return Sym('x'); }
Tree Y() { return Sym('y'); }

// t >= 0 (strict: t > 0) wherever it is defined, as far as its form shows.
bool NonNegative(const Tree& t, bool strict) {
    switch (t->kind) {
    case NodeKind::Number: return strict ? t->number.Value() > 0 : !t->number.Negative();
    case NodeKind::Constant: return true;
    case NodeKind::Call: return IsCall(t, fnExp) || (!strict && IsCall(t, fnAbs));
    case NodeKind::Power:
        if (IsNumber(t->args[1]) && t->args[1]->number.IsInteger() && t->args[1]->number.num % 2 == 0)
            return !strict;  // an even power may be 0
        return NonNegative(t->args[0], strict);
    case NodeKind::Sum: {
        bool positive = false;
        for (const Tree& a : t->args) {
            if (!NonNegative(a, false)) return false;
            positive = positive || NonNegative(a, true);
        }
        return positive || !strict;
    }
    case NodeKind::Product:
        for (const Tree& a : t->args)
            if (!NonNegative(a, strict)) return false;
        return true;
    default: return false;
    }
}

// ln(abs(u)) as ln(u) where u is positive everywhere (e^x+1, x^2+4).
Tree DropNeedlessAbs(const Tree& t) {
    if (IsCall(t, fnAbs) && NonNegative(t->args[0], true)) return DropNeedlessAbs(t->args[0]);
    return MapChildren(t, DropNeedlessAbs);
}

Tree C(const Tree& t) { return Canonical(t); }
std::string P(const Tree& t) { return PrintTree(t); }

bool Linear(const Tree& u, TreeNumber& a, TreeNumber& b) {
    std::vector<TreeNumber> c;
    if (!PolynomialCoefficients(u, 'x', c, 1) || c.size() != 2 || c[1].IsZero()) return false;
    a = c[1];
    b = c[0];
    return a.exact && b.exact;
}

// How many terms t would have multiplied out (at least), to keep expansion
// away from (x+1)^32*(x-1)^32.
double ExpandedTerms(const Tree& t) {
    switch (t->kind) {
    case NodeKind::Sum: {
        double n = 0;
        for (const Tree& a : t->args) n += ExpandedTerms(a);
        return n;
    }
    case NodeKind::Product: {
        double n = 1;
        for (const Tree& a : t->args) n *= ExpandedTerms(a);
        return n;
    }
    case NodeKind::Power:
        if (IsNumber(t->args[1]) && t->args[1]->number.IsInteger() && !t->args[1]->number.Negative())
            return std::pow(ExpandedTerms(t->args[0]), std::min<double>(64, t->args[1]->number.num));
        return 1;
    default: return 1;
    }
}

bool IsWhole(const Tree& t, std::int64_t& n) {
    if (!IsNumber(t) || !t->number.IsInteger()) return false;
    n = t->number.num;
    return true;
}

// A trigonometric factor sin(u)^n, cos(u)^n or tan(u)^n with n whole.
struct TrigFactor {
    int function = -1;
    Tree argument;
    std::int64_t power = 1;
};

bool AsTrig(const Tree& f, TrigFactor& t) {
    Tree base = f;
    t.power = 1;
    if (f->kind == NodeKind::Power) {
        if (!IsWhole(f->args[1], t.power)) return false;
        base = f->args[0];
    }
    if (!(IsCall(base, fnSin) || IsCall(base, fnCos) || IsCall(base, fnTan))) return false;
    t.function = base->function;
    t.argument = base->args[0];
    return true;
}

int PartsRank(const Tree& f) {
    Tree base = f->kind == NodeKind::Power ? f->args[0] : f;
    if (IsCall(base, fnLn)) return 0;
    if (IsCall(base, fnAtan) || IsCall(base, fnAsin) || IsCall(base, fnAsinh) || IsCall(base, fnAcosh)) return 1;
    std::vector<TreeNumber> c;
    if (PolynomialCoefficients(f, 'x', c, 16) && c.size() >= 2) return 2;
    if (IsCall(base, fnSin) || IsCall(base, fnCos) || IsCall(base, fnSinh) || IsCall(base, fnCosh)) return 3;
    if (IsCall(base, fnExp) || (f->kind == NodeKind::Power && !DependsOn(f->args[0], 'x'))) return 4;
    return 5;
}

class Search {
public:
    explicit Search(std::vector<std::string>& log) : log_(log) {}

    Tree Integrate(const Tree& f, int depth) {
        if (!f || ++steps_ > MaxTreeSteps || depth > MaxSearchDepth || f->size > MaxIntegrandNodes ||
            ExpandedTerms(f) > MaxExpandTerms)
            return nullptr;
        if (!DependsOn(f, 'x')) return C(Mul({f, X()}));
        // (a*x+b)^n stays a power, as a teacher writes it.
        if (f->kind == NodeKind::Power)
            if (Tree r = Elementary(f, depth)) return r;
        // x*(x^2+1)^3 by substitution, before it is multiplied out.
        if (f->kind == NodeKind::Product && HasPowerOfSum(f)) {
            std::size_t mark = log_.size();
            if (Tree r = Substitution(f, depth)) return r;
            log_.resize(mark);
        }
        std::vector<TreeNumber> poly;
        if (PolynomialCoefficients(f, 'x', poly, 64)) return PolynomialIntegral(f, poly);
        if (f->kind == NodeKind::Sum) {
            TreeList parts;
            for (const Tree& term : f->args) {
                Tree r = Integrate(term, depth + 1);
                if (!r) return nullptr;
                parts.push_back(r);
            }
            return C(Add(parts));
        }
        if (f->kind == NodeKind::Product) {
            TreeList constant, rest;
            for (const Tree& g : f->args) (DependsOn(g, 'x') ? rest : constant).push_back(g);
            if (!constant.empty()) {
                Tree r = Integrate(C(Mul(rest)), depth);
                if (!r) return nullptr;
                constant.push_back(r);
                return C(Mul(constant));
            }
        }
        using Strategy = Tree (Search::*)(const Tree&, int);
        static constexpr Strategy Strategies[] = {&Search::Elementary,   &Search::Rational,     &Search::Expanded,
                                                  &Search::Trigonometric, &Search::Cyclic,      &Search::Substitution,
                                                  &Search::ByParts};
        for (Strategy s : Strategies) {
            std::size_t mark = log_.size();
            if (Tree r = (this->*s)(f, depth)) return r;
            log_.resize(mark);
            if (steps_ > MaxTreeSteps) return nullptr;
        }
        return nullptr;
    }

private:
    std::vector<std::string>& log_;
    int steps_ = 0;
    int parts_ = 0;
    int substitutions_ = 0;

    static bool HasPowerOfSum(const Tree& f) {
        TreeNumber a, b;
        for (const Tree& g : f->args)
            if (g->kind == NodeKind::Power && g->args[0]->kind == NodeKind::Sum && IsNumber(g->args[1]) &&
                g->args[1]->number.Value() >= 2 && !Linear(g->args[0], a, b))
                return true;
        return false;
    }

    static std::string ReductionLine(const Tree& f, const Tree& first, const TreeNumber& ratio, const Tree& rest) {
        TreeNumber r = ratio.Negative() ? -ratio : ratio;
        return "Reduktionsformel: I(" + P(f) + ")dx = " + P(C(first)) + (ratio.Negative() ? "-" : "+") +
               (r.Is(1) ? "" : P(Num(r)) + "*") + "I(" + P(rest) + ")dx";
    }

    void Log(const std::string& line, std::size_t at) {
        if (std::find(log_.begin(), log_.end(), line) == log_.end())
            log_.insert(log_.begin() + static_cast<std::ptrdiff_t>(std::min(at, log_.size())), line);
    }

    Tree PolynomialIntegral(const Tree& f, const std::vector<TreeNumber>& c) {
        std::vector<TreeNumber> r(c.size() + 1, TreeNumber::Fraction(0));
        for (std::size_t i = 0; i < c.size(); ++i)
            r[i + 1] = c[i] * Inverse(TreeNumber::Fraction(static_cast<std::int64_t>(i) + 1));
        Tree shown = PolynomialTree(c, 'x');
        if (shown->kind == NodeKind::Sum && !SameTree(shown, f))
            Log("Polynomiet integreres led for led: " + P(f) + " = " + P(shown), log_.size());
        for (const TreeNumber& n : r)
            if (!n.exact) return nullptr;
        return PolynomialTree(r, 'x');
    }

    // Integrals of one function of a linear inner function a*x+b.
    Tree Elementary(const Tree& f, int) {
        TreeNumber a, b;
        if (f->kind == NodeKind::Power) {
            const Tree &base = f->args[0], &e = f->args[1];
            if (!DependsOn(e, 'x')) {
                if (Linear(base, a, b)) {
                    if (IsNumber(e, -1)) return C(Mul({Num(Inverse(a)), Call(fnLn, Call(fnAbs, base))}));
                    Tree e1 = C(Add({e, Num(1)}));
                    return C(Mul({Pow(base, e1), Pow(Mul({Num(a), e1}), Num(-1))}));
                }
                std::int64_t n = 0;
                if (IsWhole(e, n) && n == -2 && (IsCall(base, fnCos) || IsCall(base, fnSin)) &&
                    Linear(base->args[0], a, b)) {
                    const Tree& u = base->args[0];
                    if (IsCall(base, fnCos)) return C(Mul({Num(Inverse(a)), Call(fnTan, u)}));
                    return C(Mul({Num(-Inverse(a)), Call(fnCos, u), Pow(Call(fnSin, u), Num(-1))}));
                }
                return RootOfQuadratic(base, e);
            }
            double v = 0;
            if (!DependsOn(base, 'x') && Linear(e, a, b) && EvaluateTree(base, 0, v) && v > 0 && v != 1)
                return C(Mul({f, Pow(Mul({Num(a), Call(fnLn, base)}), Num(-1))}));
            return nullptr;
        }
        if (f->kind != NodeKind::Call) return nullptr;
        const Tree& u = f->args[0];
        if (IsCall(f, fnLn) && IsCall(u, fnAbs) && Linear(u->args[0], a, b))
            return C(Add({Mul({Num(Inverse(a)), u->args[0], f}), Neg(X())}));
        if (!Linear(u, a, b)) return nullptr;
        Tree k = Num(Inverse(a));
        switch (f->function) {
        case fnExp: return C(Mul({k, f}));
        case fnSin: return C(Mul({Neg(k), Call(fnCos, u)}));
        case fnCos: return C(Mul({k, Call(fnSin, u)}));
        case fnTan: return C(Mul({Neg(k), Call(fnLn, Call(fnAbs, Call(fnCos, u)))}));
        case fnSinh: return C(Mul({k, Call(fnCosh, u)}));
        case fnCosh: return C(Mul({k, Call(fnSinh, u)}));
        case fnLn: return C(Add({Mul({k, u, f}), Neg(X())}));
        case fnAbs: return C(Mul({Num(Inverse(a) * TreeNumber::Fraction(1, 2)), u, f}));
        default: return nullptr;
        }
    }

    // (a*x^2+c)^(1/2) and (a*x^2+c)^(-1/2).
    Tree RootOfQuadratic(const Tree& base, const Tree& e) {
        std::vector<TreeNumber> q;
        if (!(IsNumber(e) && e->number.exact && e->number.den == 2 && (e->number.num == 1 || e->number.num == -1)))
            return nullptr;
        if (!PolynomialCoefficients(base, 'x', q, 2) || q.size() != 3) return nullptr;
        if (!q[1].IsZero()) {
            // a*x^2+b*x+c = a*(x+h)^2 + c - a*h^2 with h = b/(2a): the integral in x+h.
            TreeNumber h = q[1] * Inverse(TreeNumber::Fraction(2) * q[2]);
            TreeNumber c = q[0] + -(q[2] * h * h);
            if (!h.exact || !c.exact || c.IsZero()) return nullptr;
            Tree shifted = RootOfQuadratic(C(Add({Mul({Num(q[2]), Pow(X(), Num(2))}), Num(c)})), e);
            return shifted ? C(Substitute(shifted, 'x', Add({X(), Num(h)}))) : nullptr;
        }
        if (q[0].IsZero()) return nullptr;
        const TreeNumber a = q[2], c = q[0];
        if (a.Negative() && c.Negative()) return nullptr;
        Tree inverse;  // the integral of base^(-1/2)
        if (a.Negative()) {
            Tree s = C(Pow(Num(-a), Num(1, 2)));
            inverse = Mul({Pow(s, Num(-1)), Call(fnAsin, Mul({Pow(Num(-a * Inverse(c)), Num(1, 2)), X()}))});
        } else if (!c.Negative()) {
            Tree s = C(Pow(Num(a), Num(1, 2)));
            inverse = Mul({Pow(s, Num(-1)), Call(fnAsinh, Mul({Pow(Num(a * Inverse(c)), Num(1, 2)), X()}))});
        } else {
            Tree s = C(Pow(Num(a), Num(1, 2)));
            inverse = Mul({Pow(s, Num(-1)), Call(fnLn, Call(fnAbs, Add({Mul({s, X()}), Pow(base, Num(1, 2))})))});
        }
        if (e->number.num == -1) return C(inverse);
        return C(Add({Mul({Num(1, 2), X(), Pow(base, Num(1, 2))}), Mul({Num(c * TreeNumber::Fraction(1, 2)), inverse})}));
    }

    Tree Rational(const Tree& f, int) {
        Poly p, q;
        if (!RationalParts(f, p, q) || q.size() < 2) return nullptr;
        return IntegrateRational(p, q, log_);
    }

    Tree Expanded(const Tree& f, int depth) {
        Tree e = Expand(f);
        if (!e || e->kind != NodeKind::Sum || SameTree(e, f)) return nullptr;
        std::size_t mark = log_.size();
        Tree r = Integrate(e, depth + 1);
        if (r) Log("Ganges ud: " + P(f) + " = " + P(e), mark);
        return r;
    }

    Tree Trigonometric(const Tree& f, int depth) {
        TreeList factors = f->kind == NodeKind::Product ? f->args : TreeList{f};
        if (factors.size() > 2) return nullptr;
        TrigFactor s, t;
        if (!AsTrig(factors[0], s) || (factors.size() == 2 && !AsTrig(factors[1], t))) return nullptr;
        TreeNumber a, b;
        if (!Linear(s.argument, a, b)) return nullptr;
        const Tree& u = s.argument;
        const Tree k = Num(Inverse(a));
        std::size_t mark = log_.size();
        if (factors.size() == 1) {
            std::int64_t n = s.power;
            if (n < 2 || n > MaxReductionPower) return nullptr;
            Tree fn = Call(s.function, u);
            Tree rest = C(Pow(fn, Num(n - 2)));
            Tree first;
            TreeNumber ratio = TreeNumber::Fraction(n - 1, n);
            if (s.function == fnSin)
                first = Mul({Num(-Inverse(TreeNumber::Fraction(n))), k, Pow(fn, Num(n - 1)), Call(fnCos, u)});
            else if (s.function == fnCos)
                first = Mul({Num(Inverse(TreeNumber::Fraction(n))), k, Pow(fn, Num(n - 1)), Call(fnSin, u)});
            else {
                first = Mul({Num(Inverse(TreeNumber::Fraction(n - 1))), k, Pow(fn, Num(n - 1))});
                ratio = TreeNumber::Fraction(-1);
            }
            Tree I = Integrate(rest, depth + 1);
            if (!I) return nullptr;
            Log(ReductionLine(f, first, ratio, rest), mark);
            return C(Add({first, Mul({Num(ratio), I})}));
        }
        TreeNumber c, d;
        if (!Linear(t.argument, c, d) || s.function == fnTan || t.function == fnTan) return nullptr;
        if (s.function == fnCos && t.function == fnSin) std::swap(s, t);
        if (SameTree(s.argument, t.argument)) {
            // sin(u)^m*cos(u)^n
            if (s.function == t.function || s.power < 1 || t.power < 1 || s.power + t.power > MaxReductionPower)
                return nullptr;
            const std::int64_t m = s.power, n = t.power;
            Tree sn = Call(fnSin, u), cs = Call(fnCos, u);
            if (m == 1 || n == 1) return nullptr;  // a substitution
            Tree first, rest;
            TreeNumber ratio;
            if (m >= n) {
                first = Mul({Num(-Inverse(TreeNumber::Fraction(m + n))), k, Pow(sn, Num(m - 1)), Pow(cs, Num(n + 1))});
                rest = C(Mul({Pow(sn, Num(m - 2)), Pow(cs, Num(n))}));
                ratio = TreeNumber::Fraction(m - 1, m + n);
            } else {
                first = Mul({Num(Inverse(TreeNumber::Fraction(m + n))), k, Pow(sn, Num(m + 1)), Pow(cs, Num(n - 1))});
                rest = C(Mul({Pow(sn, Num(m)), Pow(cs, Num(n - 2))}));
                ratio = TreeNumber::Fraction(n - 1, m + n);
            }
            Tree I = Integrate(rest, depth + 1);
            if (!I) return nullptr;
            Log(ReductionLine(f, first, ratio, rest), mark);
            return C(Add({first, Mul({Num(ratio), I})}));
        }
        if (s.power != 1 || t.power != 1) return nullptr;
        // Product to sum.
        Tree A = s.argument, B = t.argument;
        Tree plus = C(Add({A, B})), minus = C(Sub(A, B));
        // sin(-u) = -sin(u), cos(-u) = cos(u): the difference with a positive slope.
        TreeNumber slope, shift;
        int sign = 1;
        if (Linear(minus, slope, shift) && slope.Negative()) {
            minus = C(Sub(B, A));
            sign = -1;
        }
        Tree sum;
        if (s.function == fnSin && t.function == fnCos)
            sum = Mul({Num(1, 2), Add({Call(fnSin, plus), Mul({Num(sign), Call(fnSin, minus)})})});
        else if (s.function == fnSin)
            sum = Mul({Num(1, 2), Add({Call(fnCos, minus), Neg(Call(fnCos, plus))})});
        else
            sum = Mul({Num(1, 2), Add({Call(fnCos, minus), Call(fnCos, plus)})});
        Tree expanded = Expand(C(sum));
        if (!expanded) return nullptr;
        Tree I = Integrate(expanded, depth + 1);
        if (I) Log("Produkt til sum: " + P(f) + " = " + P(expanded), mark);
        return I;
    }

    // exp(a*x+b)*sin(c*x+d) and exp(a*x+b)*cos(c*x+d): integrating by parts
    // twice gives I again, an equation for I.
    Tree Cyclic(const Tree& f, int) {
        if (f->kind != NodeKind::Product || f->args.size() != 2) return nullptr;
        Tree e = f->args[0], t = f->args[1];
        if (!IsCall(e, fnExp)) std::swap(e, t);
        if (!IsCall(e, fnExp) || !(IsCall(t, fnSin) || IsCall(t, fnCos))) return nullptr;
        TreeNumber a, b, c, d;
        if (!Linear(e->args[0], a, b) || !Linear(t->args[0], c, d)) return nullptr;
        const Tree& v = t->args[0];
        Tree sn = Call(fnSin, v), cs = Call(fnCos, v);
        bool sine = IsCall(t, fnSin);
        // I = e*T/a - (c/a)*J and J = e*T'/a + (c/a)*I (T' the other function)
        TreeNumber p = Inverse(a), r = sine ? -(c * Inverse(a * a)) : c * Inverse(a * a);
        Tree first = sine ? Add({Mul({Num(p), e, sn}), Mul({Num(r), e, cs})})
                          : Add({Mul({Num(p), e, cs}), Mul({Num(r), e, sn})});
        TreeNumber q = c * c * Inverse(a * a);
        TreeNumber scale = Inverse(TreeNumber::Fraction(1) + q);
        if (!scale.exact || !(p * scale).exact || !(r * scale).exact) return nullptr;
        Log("Partiel integration to gange: I = " + P(C(first)) + "-" + P(Num(q)) + "*I", log_.size());
        return sine ? C(Add({Mul({Num(p * scale), e, sn}), Mul({Num(r * scale), e, cs})}))
                    : C(Add({Mul({Num(p * scale), e, cs}), Mul({Num(r * scale), e, sn})}));
    }

    Tree Substitution(const Tree& f, int depth) {
        if (substitutions_ >= MaxSubstitutionChain) return nullptr;
        // Inner functions (arguments, bases, exponents) before whole calls
        // and powers, the larger first: t = -x^2 in x*exp(-x^2).
        TreeList inner, whole;
        Collect(f, inner, whole);
        auto larger = [](const Tree& a, const Tree& b) { return a->size > b->size; };
        std::stable_sort(inner.begin(), inner.end(), larger);
        std::stable_sort(whole.begin(), whole.end(), larger);
        TreeList candidates = inner;
        for (const Tree& g : whole)
            if (std::none_of(inner.begin(), inner.end(), [&](const Tree& h) { return SameTree(g, h); }))
                candidates.push_back(g);
        int tried = 0;
        for (const Tree& g : candidates) {
            if (++tried > MaxCandidates) break;
            Tree dg = DifferentiateTree(g);
            if (!dg || IsNumber(dg, 0)) continue;
            Tree h = C(ReplaceSubtree(C(Mul({f, Pow(dg, Num(-1))})), g, Y()));
            if (DependsOn(h, 'x')) h = SolvedForX(g, h);
            if (!h) continue;
            if (DependsOn(h, 'x')) continue;
            Tree hx = C(Substitute(h, 'y', X()));
            if (SameTree(hx, f)) continue;
            std::size_t mark = log_.size();
            ++substitutions_;
            Tree R = Integrate(hx, depth + 1);
            --substitutions_;
            if (!R) {
                log_.resize(mark);
                continue;
            }
            Log("Substitution: t = " + P(g) + ", dt = " + P(dg) + " dx, I(" + P(C(Substitute(h, 'y', Sym('t')))) +
                    ")dt",
                mark);
            return C(Substitute(R, 'x', g));
        }
        return nullptr;
    }

    // h in t = g with the x left over written in t: x = (t-b)/a for
    // g = a*x+b (b != 0), x^(j*k) = ((t-b)/a)^j for g = a*x^k+b (k >= 2);
    // nullptr when g is neither.
    static Tree SolvedForX(const Tree& g, const Tree& h) {
        std::vector<TreeNumber> c;
        if (!PolynomialCoefficients(g, 'x', c, 8) || c.size() < 2) return nullptr;
        const std::int64_t k = static_cast<std::int64_t>(c.size()) - 1;
        if (k == 1 && c[0].IsZero()) return nullptr;  // t = a*x: nothing to gain
        for (std::int64_t i = 1; i < k; ++i)
            if (!c[i].IsZero()) return nullptr;
        Tree power = C(Mul({Num(Inverse(c[k])), Add({Y(), Num(-c[0])})}));
        if (k == 1) return C(Substitute(h, 'x', power));
        Tree r = h;
        for (std::int64_t j = 1; j * k <= 16; ++j) r = ReplaceSubtree(r, Pow(X(), Num(j * k)), C(Pow(power, Num(j))));
        return C(r);
    }

    static void Collect(const Tree& t, TreeList& inner, TreeList& whole) {
        if (!DependsOn(t, 'x') || t->kind == NodeKind::Symbol || inner.size() + whole.size() > 32) return;
        auto add = [](TreeList& out, const Tree& g) {
            if (!DependsOn(g, 'x') || g->kind == NodeKind::Symbol) return;
            for (const Tree& h : out)
                if (SameTree(h, g)) return;
            out.push_back(g);
        };
        if (t->kind == NodeKind::Call) {
            add(whole, t);
            add(inner, t->args[0]);
        } else if (t->kind == NodeKind::Power) {
            add(inner, t->args[0]);
            add(inner, t->args[1]);
            if (!IsNumber(t->args[1]) || !t->args[1]->number.IsInteger()) add(whole, t);
        }
        for (const Tree& a : t->args) Collect(a, inner, whole);
    }

    Tree ByParts(const Tree& f, int depth) {
        if (parts_ >= MaxPartsChain) return nullptr;
        TreeList factors = f->kind == NodeKind::Product ? f->args : TreeList{f};
        std::size_t best = 0;
        for (std::size_t i = 1; i < factors.size(); ++i)
            if (PartsRank(factors[i]) < PartsRank(factors[best])) best = i;
        int rank = PartsRank(factors[best]);
        if (rank > 2 || (rank == 2 && factors.size() == 1)) return nullptr;
        Tree u = factors[best];
        factors.erase(factors.begin() + static_cast<std::ptrdiff_t>(best));
        Tree dv = C(Mul(factors));
        std::size_t mark = log_.size();
        ++parts_;
        Tree v = Integrate(dv, depth + 1);
        Tree du = v ? DifferentiateTree(u) : nullptr;
        Tree rest = du ? Expand(C(Mul({v, du}))) : nullptr;
        Tree I = rest ? Integrate(rest, depth + 1) : nullptr;
        --parts_;
        if (!I) return nullptr;
        Log("Partiel integration: u = " + P(u) + ", v' = " + P(dv), mark);
        return C(Sub(Mul({u, v}), I));
    }
};

}  // namespace

Tree IntegrateTree(const Tree& f, std::vector<std::string>& log) {
    if (!f) return nullptr;
    Tree g = C(f);
    std::vector<std::string> steps;
    Search search(steps);
    Tree F = search.Integrate(g, 0);
    if (!F) return nullptr;
    F = Canonical(DropNeedlessAbs(F));
    if (!AntiderivativeHolds(f, F)) return nullptr;  // against f as typed, where it is defined
    log.insert(log.end(), steps.begin(), steps.end());
    return F;
}
