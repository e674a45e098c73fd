#pragma once
// Polynomials in x as exact coefficient texts, one per power: reading,
// writing, long division, quotients of two polynomials.
#include <array>

#include "ExpressionText.h"

constexpr int MaxPolyDegree = 20;
// Degree limit of the written form (PolynomialToText).
constexpr int MaxTextDegree = 10;

// Coefficient texts indexed by the power of x; empty or "0" means zero. A
// coefficient is a whole number or a fraction of whole numbers, lower ones
// carry their sign ("3", "+3", "-1/2").
using TPolyCoefficients = std::array<ExpressionText, MaxPolyDegree + 1>;

// Reads a polynomial written in falling powers of x, with or without "*"
// before x (3x^2-x+5, 3*x^2-1*x+5, 2.5x+1, (x^2-1)). text is normalised in
// place: lower case, decimal coefficients as fractions, one enclosing bracket
// pair removed. degree is the power of the highest non-zero term (0 for a
// constant and for the zero polynomial). False for anything else, silently;
// a power that does not fall (x+x, x^2+x^3) is reported as
// "Fejl i polynomium: " + text. Exponents above 20 are refused.
bool ParsePolynomial(ExpressionText& text, int& degree, TPolyCoefficients& coefficients);

// The polynomial as text in the evaluator's notation (x^2+3*x-2); the zero
// polynomial gives the empty text. A degree above 10 is refused with a message.
ExpressionText PolynomialToText(int degree, const TPolyCoefficients& coefficients);

// Exact long division p = quotient*d + remainder. False (outputs untouched)
// when p or d is not a polynomial or d is the zero polynomial. The zero
// polynomial as a result is the empty text.
bool DividePolynomials(const ExpressionText& p, const ExpressionText& d, ExpressionText& quotient,
                       ExpressionText& remainder);

// True when text is a quotient of two polynomials written (p)/(q), p/(q) or
// (p)/x^n, whose denominator holds x; numerator and denominator come back
// normalised. A text in which the "/" does not divide the whole of both
// sides (2*(x+1)/(x-1), x^2-1/(x+1), (x+1)/2*x) is not such a quotient.
bool IsRationalFunction(const ExpressionText& text, ExpressionText& numerator, ExpressionText& denominator);
