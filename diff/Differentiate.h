#pragma once
// Symbolic differentiation of expression texts in x.
#include "ExpressionText.h"
#include "TextOps.h"

// The derivative of text (any letter case, blanks allowed), unreduced, in the
// user's notation. Errors go through ShowError/ErrorFlag; a text is always returned.
ExpressionText DifferentiateExpression(const ExpressionText& text);
