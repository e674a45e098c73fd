#pragma once
// The canonical form of expression trees, expansion, substitution and
// polynomial extraction (trees and their printing are in Tree.h).
//
// Canonical form, as a teacher writes a result:
//   - sums and products flattened; numbers folded exactly (a double only
//     where a part leaves 64 bits); a number times a sum inside a sum is
//     distributed (2*(x+3)-6 is 2*x), elsewhere kept (2*(x+3));
//   - like terms collected (x+x is 2*x) and like factors collected by adding
//     exponents (x*x^2 is x^3, 2^x*2^x is 2^(2*x)); 0*u and +0 dropped, 1*u is u;
//   - terms ordered: powers of x with whole positive exponents by falling
//     degree, then the other terms with x (x*e^x before e^x, 1/x before
//     1/x^2), then the number, then other constants (x+1/2-1/2*sqrt(3));
//     the printer puts a positive term first where a negative one would
//     need a bracket (x*e^x-e^x);
//     factors: the number first, then pi and numeric roots, powers of
//     symbols, and the rest in CompareTrees order;
//   - u^1 is u, u^0 is 1, (u^a)^n is u^(a*n) and (a*b)^n is a^n*b^n for a whole n;
//     whole powers of numbers folded (|n| <= 64);
//   - e^u and exp(u) are one node (Call fnExp); (e^u)^v is e^(u*v);
//     ln(e) is 1, ln(1) is 0, ln(e^u) is u;
//   - sqrt(u) is u^(1/2); roots of numbers lose their square factors
//     (sqrt(4) is 2, sqrt(8) is 2*sqrt(2), sqrt(1/2) is 1/2*sqrt(2)).
// Canonical never changes a value where the tree is defined. It may define a
// value where the tree has none: x/x is 1, 0*ln(x) is 0. The shown results'
// checks compare with the typed function where that is defined, so these
// folds are what a teacher writes. x^0 is 1 everywhere: the evaluator's 0^0
// is 1, and 0^n is 0 for every other whole n.
#include <vector>

#include "Tree.h"

Tree Canonical(const Tree& t);

// The canonical form with products of sums and whole powers (2..MaxExpandPower)
// of sums multiplied out; nullptr when the result would pass MaxExpandTerms
// terms or, written out, MaxExpandNodes nodes.
constexpr int MaxExpandPower = 32;
constexpr int MaxExpandTerms = 400;
constexpr int MaxExpandNodes = 20000;
Tree Expand(const Tree& t);

// t with every occurrence of the symbol replaced by value (not canonicalised).
Tree Substitute(const Tree& t, char symbol, const Tree& value);

// The coefficients of t as a polynomial in the symbol, exactly, lowest degree
// first (c[0] + c[1]*x + ...), after Expand; false when t is no polynomial in
// the symbol with exact fraction coefficients or its degree passes maxDegree.
bool PolynomialCoefficients(const Tree& t, char symbol, std::vector<TreeNumber>& coefficients,
                            int maxDegree = 64);
// The polynomial sum_i c[i]*x^i in canonical form.
Tree PolynomialTree(const std::vector<TreeNumber>& coefficients, char symbol);

// A shown result in the form a teacher writes: parsed, canonical, printed.
// Decimal numbers stay decimals (the engines turn into fractions what they
// can; a measured or rounded value stays as written, 2.0000 as 2). The text
// itself when it is not one whole expression or the printed form would pass
// 255 characters.
ExpressionText TeacherForm(const ExpressionText& text);
