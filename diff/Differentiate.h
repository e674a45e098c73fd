#pragma once
// Symbolic differentiation of expression texts in x.
#include "ExpressionText.h"

// The derivative of text (any letter case, blanks allowed), unreduced, in the
// user's notation. Errors go through ShowError/ErrorFlag; a text is always returned.
ExpressionText DifferentiateExpression(const ExpressionText& text);

// Replaces every occurrence of pattern by replacement, restarting the search
// from the beginning after each one; the result is cut at 255 characters.
// The replacement must not contain the pattern.
ExpressionText ReplaceAll(const ExpressionText& text, const ExpressionText& pattern,
                          const ExpressionText& replacement);
