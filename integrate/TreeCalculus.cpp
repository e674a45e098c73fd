#include "TreeCalculus.h"

#include <algorithm>
#include <cmath>

#include "Canonical.h"
#include "Scanner.h"

namespace {

Tree Derivative(const Tree& t);

Tree CallDerivative(int f, const Tree& u) {
    switch (f) {
    case fnAbs: return Div(Call(fnAbs, u), u);  // sign(u), away from 0
    case fnSqrt: return Div(Num(1, 2), Sqrt(u));
    case fnSinh: return Call(fnCosh, u);
    case fnCosh: return Call(fnSinh, u);
    case fnAsinh: return Pow(Add({Pow(u, Num(2)), Num(1)}), Num(-1, 2));
    case fnAcosh: return Pow(Add({Pow(u, Num(2)), Num(-1)}), Num(-1, 2));
    case fnSin: return Call(fnCos, u);
    case fnCos: return Neg(Call(fnSin, u));
    case fnTan: return Add({Num(1), Pow(Call(fnTan, u), Num(2))});
    case fnAsin: return Pow(Add({Num(1), Neg(Pow(u, Num(2)))}), Num(-1, 2));
    case fnAtan: return Pow(Add({Num(1), Pow(u, Num(2))}), Num(-1));
    case fnLn: return Pow(u, Num(-1));
    case fnExp: return Exp(u);
    case fnErf: return Mul({Num(2), Pow(ConstPi(), Num(-1, 2)), Exp(Neg(Pow(u, Num(2))))});
    case fnPhi: return Mul({Pow(Mul({Num(2), ConstPi()}), Num(-1, 2)), Exp(Mul({Num(-1, 2), Pow(u, Num(2))}))});
    default: return nullptr;
    }
}

Tree Derivative(const Tree& t) {
    if (!DependsOn(t, 'x')) return Num(0);
    switch (t->kind) {
    case NodeKind::Symbol: return Num(1);
    case NodeKind::Sum: {
        TreeList terms;
        for (const Tree& a : t->args) {
            Tree d = Derivative(a);
            if (!d) return nullptr;
            terms.push_back(d);
        }
        return Add(std::move(terms));
    }
    case NodeKind::Product: {
        TreeList terms;
        for (std::size_t i = 0; i < t->args.size(); ++i) {
            if (!DependsOn(t->args[i], 'x')) continue;
            Tree d = Derivative(t->args[i]);
            if (!d) return nullptr;
            TreeList factors = t->args;
            factors[i] = d;
            terms.push_back(Mul(std::move(factors)));
        }
        return Add(std::move(terms));
    }
    case NodeKind::Power: {
        const Tree &b = t->args[0], &e = t->args[1];
        if (!DependsOn(e, 'x')) {
            Tree db = Derivative(b);
            if (!db) return nullptr;
            return Mul({e, Pow(b, Add({e, Num(-1)})), db});
        }
        Tree de = Derivative(e);
        if (!de) return nullptr;
        if (!DependsOn(b, 'x')) return Mul({t, Call(fnLn, b), de});
        Tree db = Derivative(b);
        if (!db) return nullptr;
        return Mul({t, Add({Mul({de, Call(fnLn, b)}), Mul({e, db, Pow(b, Num(-1))})})});
    }
    case NodeKind::Call: {
        Tree outer = CallDerivative(t->function, t->args[0]);
        Tree inner = Derivative(t->args[0]);
        if (!outer || !inner) return nullptr;
        return Mul({outer, inner});
    }
    default: return Num(0);
    }
}

}  // namespace

Tree DifferentiateTree(const Tree& t) {
    Tree d = Derivative(t);
    return d ? Canonical(d) : nullptr;
}

Tree ReplaceSubtree(const Tree& t, const Tree& part, const Tree& by) {
    if (t->size == part->size && SameTree(t, part)) return by;
    if (t->size <= part->size) return t;
    return MapChildren(t, [&](const Tree& a) { return ReplaceSubtree(a, part, by); });
}

namespace {
// F(x) with every sum taken over its terms' absolute values: the scale of F's
// rounding where large terms cancel (partial fractions give
// 4782969*ln(abs(x))-4782969*ln(abs(x-1/9))).
bool TermMagnitude(const Tree& F, double x, double& magnitude) {
    if (F->kind == NodeKind::Sum || F->kind == NodeKind::Product) {
        const bool sum = F->kind == NodeKind::Sum;
        magnitude = sum ? 0 : 1;
        for (const Tree& child : F->args) {
            double v = 0;
            if (!TermMagnitude(child, x, v)) return false;
            magnitude = sum ? magnitude + v : magnitude * v;
        }
        return true;
    }
    if (!EvaluateTree(F, x, magnitude)) return false;
    magnitude = std::fabs(magnitude);
    return true;
}
}  // namespace

bool AntiderivativeHolds(const Tree& f, const Tree& F) {
    static constexpr double Points[] = {0.3731, 1.1372, 2.7137, -0.8317, -1.9123, 3.3177, 0.0619, -3.4271};
    int agreeing = 0;
    for (double x : Points) {
        double fx = 0, a = 0, b = 0, c = 0, d = 0, scale = 0;
        double h = 1e-4 * (1 + std::fabs(x));
        if (!EvaluateTree(f, x, fx) || std::fabs(fx) > 1e8) continue;
        if (!EvaluateTree(F, x - h, a) || !EvaluateTree(F, x + h, b) || !EvaluateTree(F, x - h / 2, c) ||
            !EvaluateTree(F, x + h / 2, d) || !TermMagnitude(F, x, scale))
            continue;
        // The quotients carry the rounding of F's values over h.
        double noise = 1e-12 * 2 * std::max(scale, std::fabs(a) + std::fabs(b)) / h;
        double q1 = (b - a) / (2 * h), q2 = (d - c) / h;
        // Richardson: the O(h^2) errors of the two quotients cancel.
        double q = (4 * q2 - q1) / 3;
        if (std::fabs(q1 - q2) > 1e-4 * (1 + std::fabs(q2)) + noise) continue;  // not smooth here
        if (std::fabs(q - fx) > 1e-6 * (1 + std::fabs(fx)) + noise) return false;
        ++agreeing;
    }
    return agreeing >= 2;
}
