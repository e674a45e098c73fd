#pragma once
// Integration strategies on the expression tree: the integrand in canonical
// form, linearity, polynomials term by term, elementary integrals of a linear
// inner function, rational functions by partial fractions, trigonometric
// powers and products, substitution f(g(x))*g'(x), integration by parts.
#include <string>
#include <vector>

#include "Tree.h"

// Bounds of one search: recursive calls in all, nesting, and the size of an
// integrand a strategy takes on.
constexpr int MaxTreeSteps = 300;
constexpr int MaxSearchDepth = 14;
constexpr int MaxIntegrandNodes = 200;

// An antiderivative of f in x in canonical form, checked at sample points
// (F' = f), or nullptr. log receives the steps of the way that succeeded,
// each once, in Danish.
Tree IntegrateTree(const Tree& f, std::vector<std::string>& log);
