#pragma once
// Matching integrands against the integral table on their prefix forms, and
// the inverse of a linear inner function.
#include <array>

#include "ExpressionText.h"

// Bindings of the parameter letters, indexed by slot: d g j k m, u v w y z.
using IntegerBindings = std::array<ExpressionText, 5>;
using NumberBindings = std::array<ExpressionText, 5>;

// Antiderivative of f by the table (a sum or difference term by term), or
// empty. Silent: a text the notation cannot read gives empty.
ExpressionText IntegrateByTable(const ExpressionText& f);

// p in prefix form; the antiderivative in ordinary notation, or empty.
ExpressionText LookupIntegral(const ExpressionText& p);

// e and pattern in prefix form. True when the pattern covers all of e, the
// parameters bound to the numbers standing in their places. A number longer
// than a binding holds (5 characters for d g j k m, 12 for u v w y z) does
// not match.
bool MatchPattern(const ExpressionText& e, const ExpressionText& pattern, IntegerBindings& integers,
                  NumberBindings& numbers);

// The template with every bound letter replaced by its binding; a negative
// binding is bracketed, so that "-" before it never gives "--".
ExpressionText InstantiateTemplate(const ExpressionText& tmpl, const IntegerBindings& integers,
                                   const NumberBindings& numbers);
ExpressionText InsertBinding(const ExpressionText& text, char letter, const ExpressionText& binding);

// The two operands of a prefix-form operator, from the text after its "(".
void SplitOperands(const ExpressionText& operands, ExpressionText& left, ExpressionText& right);

// x written in y for a linear inner function t (ordinary notation), or empty.
ExpressionText InvertInnerFunction(const ExpressionText& t);
ExpressionText LookupInverse(const ExpressionText& prefixForm);

// Joins two antiderivatives with op ("+" or "-") so that op applies to the
// whole of right, and the negation of a whole antiderivative.
ExpressionText JoinTerms(const ExpressionText& left, char op, const ExpressionText& right);
ExpressionText NegateWhole(const ExpressionText& f);

// The prefix form with the operands of every sum in one order: a number (or
// a parameter) first, so that x^2+1 meets the pattern 1+x^2. The table's
// patterns and every integrand pass through it.
ExpressionText CanonicalForm(const ExpressionText& form);

// True inside a chain of reduction rows one of whose levels failed: the
// search of every level then stops at once.
bool ReductionAbandoned();

// Whether the row's parameter condition holds for the bindings.
bool ConditionHolds(std::string_view condition, const IntegerBindings& integers, const NumberBindings& numbers);
