#include "ExactFactors.h"

#include <vector>

#include "Canonical.h"

namespace {

// a*(x-r1)*(x-r2) for a quadratic factor with a positive discriminant that is
// no square of a fraction; nullptr otherwise.
Tree SplitQuadratic(const Tree& f) {
    std::vector<TreeNumber> c;
    if (!DependsOn(f, 'x') || !PolynomialCoefficients(f, 'x', c, 2) || c.size() != 3) return nullptr;
    const TreeNumber &a = c[2], &b = c[1], &k = c[0];
    const TreeNumber discriminant = b * b + -(TreeNumber::Fraction(4) * a * k);
    if (!discriminant.exact || discriminant.Negative() || discriminant.IsZero()) return nullptr;
    Tree root = Canonical(Sqrt(Num(discriminant)));
    if (IsNumber(root)) return nullptr;  // rational roots: the root search divides them out
    const TreeNumber half = Inverse(TreeNumber::Fraction(2) * a);
    if (!half.exact) return nullptr;
    const Tree centre = Num(-b * half), offset = Mul({Num(half), root});
    const Tree x = Sym('x');
    return Canonical(Mul({Num(a), Sub(x, Add({centre, offset})), Sub(x, Sub(centre, offset))}));
}

// a*(x^2-y1)*(x^2-y2), each quadratic split as above where it splits, for a
// factor a*x^4+b*x^2+c whose quadratic in x^2 has two rational roots
// (x^4-5*x^2+6 gives (x-sqrt(2))*(x+sqrt(2))*(x-sqrt(3))*(x+sqrt(3))); nullptr otherwise.
Tree SplitBiquadratic(const Tree& f) {
    std::vector<TreeNumber> c;
    if (!DependsOn(f, 'x') || !PolynomialCoefficients(f, 'x', c, 4) || c.size() != 5 || !c[3].IsZero() ||
        !c[1].IsZero())
        return nullptr;
    const TreeNumber &a = c[4], &b = c[2], &k = c[0];
    const TreeNumber discriminant = b * b + -(TreeNumber::Fraction(4) * a * k);
    if (!discriminant.exact || discriminant.Negative()) return nullptr;
    Tree root = Canonical(Sqrt(Num(discriminant)));
    if (!IsNumber(root) || !root->number.exact) return nullptr;  // x^2 = irrational: left whole
    const TreeNumber half = Inverse(TreeNumber::Fraction(2) * a);
    if (!half.exact) return nullptr;
    const Tree square = Pow(Sym('x'), Num(2));
    TreeList factors{Num(a)};
    for (const TreeNumber& y : {(-b + root->number) * half, (-b + -root->number) * half}) {
        if (!y.exact) return nullptr;
        Tree q = Canonical(Sub(square, Num(y)));
        Tree split = SplitQuadratic(q);
        factors.push_back(split ? split : q);
    }
    return Canonical(Mul(std::move(factors)));
}

}  // namespace

ExpressionText SplitQuadraticFactors(const ExpressionText& factorised) {
    Tree t = ParseTree(factorised);
    if (!t) return factorised;
    const TreeList single{t};
    TreeList factors;
    bool split = false;
    for (const Tree& f : t->kind == NodeKind::Product ? t->args : single) {
        const bool power = f->kind == NodeKind::Power && IsNumber(f->args[1]);
        const Tree& base = power ? f->args[0] : f;
        Tree s = SplitQuadratic(base);
        if (!s) s = SplitBiquadratic(base);
        split = split || s;
        factors.push_back(!s ? f : power ? Pow(s, f->args[1]) : s);
    }
    ExpressionText out;
    if (!split || !PrintTree(Canonical(Mul(std::move(factors))), out)) return factorised;
    return out;
}
