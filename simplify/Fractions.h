#pragma once
// Decimal-to-fraction conversion with exact constant folding and tidying.
#include "ExpressionText.h"

// result := expr with decimals as reduced fractions, numeric operations
// folded exactly, redundant brackets dropped, coefficients gathered.
// Logs "Kovertering af decimalkommatal til brøker: fx = " when a decimal was converted.
void DecimalsToFractions(const ExpressionText& expr, ExpressionText& result);
// a op b folded exactly by AddConstants/MultiplyConstants, keeping an error
// reported before; empty when nothing was folded (a division by 0 is left
// for the evaluator to report).
ExpressionText FoldConstants(const ExpressionText& a, const ExpressionText& b, char op);
// The same as a value: DecimalsToFractions of text.
ExpressionText ToFractions(const ExpressionText& text);
ExpressionText TidyExpression(const ExpressionText& s);
bool IsFractionText(const ExpressionText& text);

// True when DecimalsToFractions reads expr (commas as points, tidied) to its
// very end without an error: the text is one complete expression of the
// notation, so nothing of it would be dropped ("2x", "x)+1", "sin x" give
// false). Shows nothing, logs nothing, leaves ErrorFlag alone.
bool ReadsAsExpression(const ExpressionText& expr);
