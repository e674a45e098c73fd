#pragma once
// Numeric coefficients of terms. Positions are 1-based.
#include "ExpressionText.h"

ExpressionText LeadingNumber(const ExpressionText& term, bool strict);
// The first numeric factor after the start of term with its operator
// ("*3", "/(3/4)"); position receives the operator's position (0 when none).
ExpressionText NextNumericFactor(const ExpressionText& term, int& position);
ExpressionText GatherCoefficient(const ExpressionText& term);
ExpressionText PullOutBracketNumbers(const ExpressionText& term);
bool IsFactorOf(const ExpressionText& factor, const ExpressionText& term);
int LastPosition(const ExpressionText& sub, const ExpressionText& text);
ExpressionText EvaluatePowerConstant(const ExpressionText& number);

// Sign helpers shared with the fractions pass. The evaluator binds a unary
// minus tighter than "^" (-2^2 is 4, 3*-x^2 is 3*(-x)^2), except "-x^" at the
// start of an expression, which is -(x^...). Term texts are read as whole
// expressions: a leading "-x^" negates the whole term.

// Position just after the operand (number, x, pi, e, bracket, function call)
// that starts at pos; 0 when none starts there.
int OperandEnd(const ExpressionText& text, int pos);
// True when the "-" at pos negates the whole term after it rather than only
// the base of a power; expressionStart: the "-" opens an expression.
bool MinusNegatesTerm(const ExpressionText& text, int pos, bool expressionStart);
// The negation of a single term, read as a whole expression ("x^2" gives
// "-x^2", "-3*x" gives "3*x", "2^x" gives "-(2^x)").
ExpressionText MinusTerm(const ExpressionText& term);

// 1-based text pieces shared with the fractions pass: characters from..to
// (inclusive), the text from a position to the end, and whether the whole
// text is one bracket pair.
ExpressionText Mid(const ExpressionText& t, int from, int to);
ExpressionText From(const ExpressionText& t, int from);
bool IsFullBracket(const ExpressionText& t);
