#pragma once
// Definite integrals by the composite Simpson rule.
#include "ExpressionText.h"

// Integral of f from a to b with n panels (2n subintervals), f evaluated by
// EvaluateFunction (from one reading of f). The caller clears ErrorFlag before and reads it after:
// an error at a panel's middle returns 0 with the flag set. n < 1 is taken as
// one panel.
double SimpsonIntegral(const ExpressionText& f, int n, double a, double b);

// Whether F(b)-F(a) may stand for the integral of f from a to b: F and f are
// defined at the 2n+1 points of the Simpson rule and, on each panel, the
// increase of F agrees with the integral of f (panels refined where they do
// not, so that a jump or a pole of F between two points is found). Silent.
bool AntiderivativeHoldsOn(const ExpressionText& F, const ExpressionText& f, int n, double a, double b);

// Point i (0..2n) of the rule with n panels on [a, b]: a + i*(b-a)/(2n), the
// last exactly b.
double SimpsonPoint(int i, int n, double a, double b);

// f is defined at the 2n+1 points of the Simpson rule on [a, b]. Silent.
bool DefinedAtSimpsonPoints(const ExpressionText& f, int n, double a, double b);
