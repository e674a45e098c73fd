#pragma once
// Exact factors with square roots for the factorised form of a polynomial.
#include "ExpressionText.h"

// The factorised form with each quadratic factor a*x^2+b*x+c (exact
// coefficients) whose roots are real and irrational written as
// a*(x-r1)*(x-r2) with exact square roots (x^2-2 gives (x-sqrt(2))*(x+sqrt(2))),
// in canonical form; a factor a*x^4+b*x^2+c whose quadratic in x^2 has rational
// roots is first written as a*(x^2-y1)*(x^2-y2). The text itself when no factor
// splits or it cannot be read.
ExpressionText SplitQuadraticFactors(const ExpressionText& factorised);
