#pragma once
// Real roots and factorisation of polynomials: rational roots exactly by the
// rational root theorem and long division, the rest numerically.
#include <array>
#include <vector>

#include "ExpressionText.h"
#include "Polynomial.h"

// Roots indexed from 1, each once per multiplicity.
using TPolyRoots = std::array<ExpressionText, MaxPolyDegree + 1>;

// The real roots of the polynomial text (normalised in place as
// ParsePolynomial does) and its factorised form. Rational roots are exact
// texts ("2", "-1/3"), found in the order of the divisor search, and each
// division is logged ("Division af " ... " med " ..., "Kvotienten er " ...
// " og resten er 0"); the other real roots follow with four decimals, in
// increasing order, a multiple root once per multiplicity. Not a polynomial:
// the outputs are left as they were. The zero polynomial has no listed roots
// and the factorised form "0".
void PolynomialRoots(ExpressionText& text, int& count, TPolyRoots& roots, ExpressionText& factorised);

// The positive divisors of a whole number text, increasing; none for 0, a
// negative number or a number beyond 32 bits.
void IntegerDivisors(const ExpressionText& number, int& count, std::vector<ExpressionText>& divisors);

// Sign-change scan of f over [a, b] in 2000 steps, each bracket refined by
// RegulaFalsi; at most MaxScanRoots roots, in increasing order.
constexpr int MaxScanRoots = 12;
void FindRootsNumerically(const ExpressionText& f, double a, double b, int& count,
                          std::array<double, MaxScanRoots + 1>& roots);

// False position on a bracket [a, b] of f (fa, fb of opposite signs) until
// successive iterates differ by less than eps, at most MaxFalsePositionSteps steps.
constexpr int MaxFalsePositionSteps = 200;
double RegulaFalsi(const ExpressionText& f, double a, double b, double fa, double fb, double eps);

// Every real root of the polynomial with these coefficients (index = power,
// leading one non-zero) with its multiplicity, increasing: the roots of the
// derivative split the line within Cauchy's bound into stretches where the
// polynomial is monotone; a root of the derivative where the polynomial
// vanishes is a multiple root.
struct RealRoot {
    double value;
    int multiplicity;
};
std::vector<RealRoot> RealPolynomialRoots(const std::vector<double>& coefficients);
