#pragma once
// Rational integrands p(x)/q(x): polynomial division, and partial fractions
// or an arctangent for a constant over a quadratic.
#include "ExpressionText.h"
#include "Integrate.h"

// Empty when neither case applies or a part cannot be integrated; the log
// tells the course (sub-integrals announced, and why a division case failed).
ExpressionText IntegrateRationalFunction(const ExpressionText& f, const ExpressionText& p, const ExpressionText& q,
                                         IntegrationState& state);
