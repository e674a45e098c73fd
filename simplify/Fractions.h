#pragma once
// Decimal-to-fraction conversion with exact constant folding and tidying.
#include "ExpressionText.h"

// result := expr with decimals as reduced fractions, numeric operations
// folded exactly, redundant brackets dropped, coefficients gathered.
// Logs "Kovertering af decimalkommatal til brøker: fx = " when a decimal was converted.
void DecimalsToFractions(const ExpressionText& expr, ExpressionText& result);
ExpressionText TidyExpression(const ExpressionText& s);
bool IsFractionText(const ExpressionText& text);

// True when the DecimalsToFractions reader takes in all of expr (after the
// same preparation) without an error: expr is one complete expression of the
// notation. No messages, no log lines, ErrorFlag unchanged.
bool ReadsAsExpression(const ExpressionText& expr);
