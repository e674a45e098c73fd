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

}  // namespace

ExpressionText SplitQuadraticFactors(const ExpressionText& factorised) {
    Tree t = ParseTree(factorised);
    if (!t) return factorised;
    const std::vector<Tree> single{t};
    std::vector<Tree> factors;
    bool split = false;
    for (const Tree& f : t->kind == NodeKind::Product ? t->args : single) {
        const bool power = f->kind == NodeKind::Power && IsNumber(f->args[1]);
        Tree s = SplitQuadratic(power ? f->args[0] : f);
        split = split || s;
        factors.push_back(!s ? f : power ? Pow(s, f->args[1]) : s);
    }
    ExpressionText out;
    if (!split || !PrintTree(Canonical(Mul(std::move(factors))), out)) return factorised;
    return out;
}
