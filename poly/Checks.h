#pragma once
// Independent checks of polynomial results before they are shown. Silent:
// no message, no log line; a number too large for exact arithmetic fails.
#include "ExpressionText.h"

// The root makes the polynomial vanish: exactly for a whole number or
// fraction, and for a decimal root (four decimals) the polynomial has a root
// within half a unit of the last decimal.
bool RootMakesZero(const ExpressionText& polynomial, const ExpressionText& root);

// quotient*divisor + remainder equals the dividend, coefficient by
// coefficient and exactly (empty texts are the zero polynomial).
bool DivisionReproduces(const ExpressionText& dividend, const ExpressionText& divisor,
                        const ExpressionText& quotient, const ExpressionText& remainder);

// The factorised form multiplied out is the polynomial: both agree at more
// points than the degree (to rounding), which for two polynomials of that
// degree is equality.
bool FactorisationReproduces(const ExpressionText& polynomial, const ExpressionText& factorised);
