#pragma once
// Structural text helpers shared by the polynomial, integration and
// simplification engines. Positions are 1-based, as the engines count.
#include "ExpressionText.h"

// Fully bracketed prefix form: 2*x+3 gives +(*(2 x) 3).
ExpressionText ToPrefixForm(const ExpressionText& text);
// Position of the ")" closing the bracket level open at p, or 0.
int MatchingBracket(const ExpressionText& text, int p);
ExpressionText SignedTerm(const ExpressionText& text);
ExpressionText NegateTerm(const ExpressionText& text);
ExpressionText NegateText(const ExpressionText& text);
ExpressionText BracketIfNegative(const ExpressionText& text);
ExpressionText StripPlus(const ExpressionText& text);
