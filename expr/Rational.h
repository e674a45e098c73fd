#pragma once
// Exact evaluation of constant expressions of whole numbers as reduced fractions.
#include "ExpressionText.h"

// Writes the reduced fraction ("7", "-3/4") into result; when the text is not
// read to its end, result is left as it was and "Syntaksfejl i udtryk" is shown.
// Throws ArithmeticFault on a zero denominator or 32-bit overflow.
void EvaluateRational(const ExpressionText& expr, ExpressionText& result);

// The same without the fault: false (result untouched) when a numerator or
// denominator would leave 32 bits, so the caller can keep the text unfolded.
bool EvaluateRationalFits(const ExpressionText& expr, ExpressionText& result);
