#pragma once
// Reduction of terms and exact constant folding.
#include "ExpressionText.h"
#include "TextOps.h"

// Each top-level term reduced as a product/quotient of factors; logs
// "Reduktion: " once when something changed.
ExpressionText ReduceExpression(const ExpressionText& expr);
ExpressionText ReduceTerm(const ExpressionText& term);
bool IsNumberExpression(const ExpressionText& text);
bool HasNoDecimalPoint(const ExpressionText& text);
// op "+"/"-" (AddConstants), "*"/"/" (MultiplyConstants); exact for whole
// numbers, 3 decimals otherwise. Other operators leave result as passed.
void AddConstants(const ExpressionText& a, const ExpressionText& b, char op, ExpressionText& result);
void MultiplyConstants(const ExpressionText& a, const ExpressionText& b, char op, ExpressionText& result);
