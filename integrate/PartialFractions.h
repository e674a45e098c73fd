#pragma once
// Rational integrands p(x)/q(x) with exact rational coefficients: polynomial
// division, the factors of q over the rationals, partial fractions and their
// integrals.
#include <string>
#include <vector>

#include "Tree.h"

using Poly = std::vector<TreeNumber>;  // coefficients, lowest degree first

// Splits f into a numerator and denominator polynomial in x; false when f is
// no quotient of polynomials with exact coefficients (or the degrees pass 24).
bool RationalParts(const Tree& f, Poly& p, Poly& q);

// An antiderivative of p/q (canonical), or nullptr; the steps are appended
// to log ("Polynomiers division: ...", "Partialbr\xF8ker: ...").
Tree IntegrateRational(const Poly& p, const Poly& q, std::vector<std::string>& log);

// Exact polynomial arithmetic; false when a coefficient leaves the exact fractions.
bool PolyMultiply(const Poly& a, const Poly& b, Poly& r);
bool PolyDivide(const Poly& a, const Poly& b, Poly& quotient, Poly& remainder);
// The rational roots of q with their multiplicities, and what is left of q
// (monic) after dividing them out.
struct RationalFactors {
    TreeNumber lead;
    std::vector<std::pair<TreeNumber, int>> roots;
    Poly rest;
};
bool FactorOverRationals(const Poly& q, RationalFactors& factors);
