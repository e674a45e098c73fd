#pragma once
// Changing the variable of integration: substitution of an inner function
// t = g(x), and the trigonometric substitutions for 1-a^2, sqrt(1+a^2), 1+a^2.
// While an integrand is rewritten the new variable is written y; it is x
// again for the recursive integration.
#include "ExpressionText.h"
#include "Integrate.h"

// F in the new variable turned back into x: multiplied by c/k (k the
// constant of t'), divided by d (constant function factors of t'), and t
// put in place of the variable (x stays x when t is empty).
ExpressionText BackSubstitute(const ExpressionText& F, ExpressionText c, const ExpressionText& k,
                              const ExpressionText& t, const ExpressionText& d);

// The inverse of s ("sin(x)", "sinh(x)", "tan(x)", ...) applied to a.
ExpressionText InverseFunction(const ExpressionText& s, const ExpressionText& a);

// Removes the factors name(constant) such as ln(2) from term and returns
// them as one factor text ("ln(2)", "1/ln(2)"); empty when there are none.
ExpressionText SplitConstantFunctionFactors(ExpressionText& term);

// Every variable x in text (not the x of "exp") replaced by replacement.
ExpressionText ReplaceVariable(const ExpressionText& text, char variable, const ExpressionText& replacement);

// Substitution t = g(x) over the candidates of FindInnerFunction; allowNested
// lets a transformed integrand be substituted once more. Empty when no
// candidate leads to an antiderivative.
ExpressionText IntegrateBySubstitution(const ExpressionText& f, bool allowNested, IntegrationState& state);

// Integrates the transformed integrand w (in x) and puts t back.
ExpressionText IntegrateTransformed(ExpressionText w, ExpressionText c, const ExpressionText& t,
                                    const ExpressionText& d, const ExpressionText& k, IntegrationState& state);

// a (linear in x) replaced by s ("sin(x)", "sinh(x)", "tan(x)") with ds its
// derivative; the antiderivative comes back in a through the inverse of s.
ExpressionText IntegrateByTrigSubstitution(ExpressionText w, const ExpressionText& s, const ExpressionText& ds,
                                           const ExpressionText& a, IntegrationState& state);
