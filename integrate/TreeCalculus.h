#pragma once
// Calculus on expression trees for the integration strategies: derivatives,
// replacing a subtree, the antiderivative check. All in the variable x; the
// value of a tree at a point is EvaluateTree in Tree.h.
#include "Tree.h"

// d/dx of t, canonical; nullptr for a function without a derivative here.
Tree DifferentiateTree(const Tree& t);

// t with every subtree equal to part replaced by by (not canonicalised).
Tree ReplaceSubtree(const Tree& t, const Tree& part, const Tree& by);

// True when F'(x) = f(x) at the sample points where both are defined and F
// is smooth (difference quotients of two step sizes agree), and there are at
// least two such points.
bool AntiderivativeHolds(const Tree& f, const Tree& F);
