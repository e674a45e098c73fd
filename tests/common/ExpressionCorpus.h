#pragma once
// Expressions in the notation for value checks of the simplifiers: a fixed
// list of school expressions, a seeded random generator over the notation,
// and a comparison of two texts by their values at sample points.
#include <gtest/gtest.h>

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "ExpressionText.h"

namespace corpus {

// Hand-written expressions (more than 200): polynomials, products and
// quotients, powers, brackets, all 15 functions, signs, decimals with point
// and comma, pi and e, and raw texts as the derivative engine writes them.
// Every entry has a value at one sample point at least.
const std::vector<std::string>& SchoolExpressions();

// count random texts of at most maxLength characters from std::mt19937(seed):
// the same seed gives the same texts. Factors repeat and whole numbers share
// divisors so that reduction has something to do.
std::vector<std::string> RandomExpressions(unsigned seed, int count, int maxLength = 120);

inline constexpr std::array<double, 5> SamplePoints = {-2.3, -0.7, 0.4, 1.3, 2.9};

// Value of text at x by EvaluateFunction, or nothing where it raises
// ErrorFlag or ArithmeticFault, gives no finite value, shows a message about
// the text's form, or does not read the text to its end. Error boxes go to a silent host; ErrorFlag and the
// installed host are as before afterwards.
std::optional<double> ValueAt(const ExpressionText& text, double x);

// Number of sample points at which text has a value.
int DefinedPoints(const ExpressionText& text);

// before and after agree to `tolerance` (relative, absolute below 1) at every
// sample point where both have a value. Fails also when after cannot be read
// (a message about its form, or characters left over) at a point where before
// has a value: a broken text is no result.
::testing::AssertionResult SameValue(const ExpressionText& before, const ExpressionText& after,
                                     double tolerance = 1e-9);

// SameValue, and after must have a value wherever before has one. Too strict
// for texts with a base that is exactly 0: the evaluator gives 0^-1 = 0,
// which 1/0 does not.
::testing::AssertionResult SameValueAndDomain(const ExpressionText& before, const ExpressionText& after,
                                              double tolerance = 1e-9);

}  // namespace corpus
