#pragma once
// Exact fractions of 64-bit whole numbers for coefficient arithmetic. A
// result that leaves 64 bits throws ArithmeticFault.
#include <cstdint>
#include <string>
#include <vector>

#include "ExpressionText.h"
#include "Polynomial.h"

struct Fraction {
    std::int64_t num = 0, den = 1;  // reduced, den > 0

    static Fraction Of(std::int64_t n, std::int64_t d = 1);
    bool IsZero() const { return num == 0; }
    bool IsWhole() const { return den == 1; }
    // "3", "-3/4"
    std::string Text() const;
    double Value() const { return static_cast<double>(num) / static_cast<double>(den); }
    friend bool operator==(const Fraction&, const Fraction&) = default;
};

Fraction operator+(const Fraction& a, const Fraction& b);
Fraction operator-(const Fraction& a, const Fraction& b);
Fraction operator*(const Fraction& a, const Fraction& b);
Fraction operator/(const Fraction& a, const Fraction& b);  // b not zero

// A coefficient text ("", "+", "-", "3", "+3/4", "-1") as a fraction; an
// empty text is 0, a lone sign is 1 or -1. Throws ArithmeticFault beyond 64 bits.
Fraction CoefficientValue(const ExpressionText& text);

// Coefficients 0..degree as fractions, and back as texts in the reader's
// form (highest without "+", lower ones signed, zeros empty).
std::vector<Fraction> CoefficientValues(int degree, const TPolyCoefficients& coefficients);
TPolyCoefficients CoefficientTexts(const std::vector<Fraction>& values);

// The polynomial of these coefficients (index = power) at x, exactly.
Fraction ValueAt(const std::vector<Fraction>& coefficients, const Fraction& x);
// Degree of the highest non-zero coefficient (0 for the zero polynomial).
int DegreeOf(const std::vector<Fraction>& coefficients);
