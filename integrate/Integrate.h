#pragma once
// The integration driver: strategies tried in a fixed order under counters
// that bound the search.
#include "ExpressionText.h"

// The state of one IntegrateStep call, shared by the strategies it runs.
struct IntegrationState {
    int AttemptCount = 0;       // sub-integrals along the chain of calls (limit 5)
    int SubstitutionCount = 0;  // nested substitutions along the chain
    bool AllowRational = true;
    ExpressionText Integrand;
    ExpressionText Factor;      // numeric factor split off the integrand
    ExpressionText Divisor;     // numeric divisor of the antiderivative
    ExpressionText Result;
    // Passes of the substitution strategy: the transformed integrand by the
    // table, then with linear inner functions inverted, then by rewriting.
    bool TransformedPass = true;
    bool AdvancedPass = true;
};

constexpr int MaxAttempts = 5;

// An antiderivative of f (no constant), or empty when none was found. A
// message of a simplifier during the search is logged as "Fejl under
// integration: " with the message, not shown; the search then gives up with
// ErrorFlag set.
ExpressionText IntegrateExpression(const ExpressionText& f);
// True while the running integration has met such a message.
bool SearchFailed();
ExpressionText IntegrateStep(int attemptCount, int substitutionCount, bool allowRational, const ExpressionText& f);

// The sum rule: the first term and the rest as separate sub-integrals.
ExpressionText IntegrateSum(IntegrationState& state);

// Removes the numeric factor at the front of term ("3", "3/4", "2^3" as "8")
// and returns it; empty (term unchanged) when there is none.
ExpressionText SplitConstantFactor(ExpressionText& term);

// factor*F (divided by divisor), written so that the factor multiplies all of F.
ExpressionText ApplyConstantFactor(const ExpressionText& f, ExpressionText factor, const ExpressionText& divisor);

// The part of text matched by pattern with at most one "?" (binding: what
// "?" stood for), or empty.
ExpressionText FindWildcardPattern(const ExpressionText& text, const ExpressionText& pattern, ExpressionText& binding);

// The last strategy: trigonometric substitutions, then rewriting by the rule
// tables and the integrand term by term.
ExpressionText IntegrateByRewriting(IntegrationState& state, ExpressionText w);

// Announces a sub-integral in the log.
void Announce(const ExpressionText& g);

// text with its first denominator (the bracket after the first "/(") passed
// through rewrite, or the whole text when it has none.
template <class Rewrite>
ExpressionText RewriteFirstDenominator(const ExpressionText& text, Rewrite rewrite);

// Runs step silently: no box, no log line, and ErrorFlag as before. Returns
// false when step raised an error (its results are then not to be used).
template <class Step>
bool Quietly(Step step);

#include "IntegrateTemplates.h"

