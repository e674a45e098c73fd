#pragma once
// Numeric coefficients of terms. Positions are 1-based.
#include "ExpressionText.h"
#include "TextOps.h"

ExpressionText LeadingNumber(const ExpressionText& term, bool strict);
// The first numeric factor after the start of term with its operator
// ("*3", "/(3/4)"); position receives the operator's position (0 when none).
ExpressionText NextNumericFactor(const ExpressionText& term, int& position);
ExpressionText GatherCoefficient(const ExpressionText& term);
ExpressionText PullOutBracketNumbers(const ExpressionText& term);
bool IsFactorOf(const ExpressionText& factor, const ExpressionText& term);
ExpressionText EvaluatePowerConstant(const ExpressionText& number);
