#pragma once
// Calculus on expression trees for the integration strategies: values at a
// point, derivatives, and replacing a subtree. All in the variable x.
#include "Tree.h"

// The value of t at x; false where t is undefined (a logarithm of a number
// <= 0, a root of a negative number, a division by zero, a non-finite value).
bool EvaluateTree(const Tree& t, double x, double& value);

// d/dx of t, canonical; nullptr for a function without a derivative here.
Tree DifferentiateTree(const Tree& t);

// t with every subtree equal to part replaced by by (not canonicalised).
Tree ReplaceSubtree(const Tree& t, const Tree& part, const Tree& by);

// True when F'(x) = f(x) at the sample points where both are defined and F
// is smooth (difference quotients of two step sizes agree), and there are at
// least two such points.
bool AntiderivativeHolds(const Tree& f, const Tree& F);
