#pragma once
// The two ordered tables of rewriting rules with wildcards, their matchers and
// the text substitutions they use. Positions are 1-based.
//
// In a pattern "?", "&" and "$" each stand for a piece of the expression (the
// binding); in a replacement for the binding of the same wildcard. A match is
// always a whole operand, factor run or term of the expression: the operators
// around it must not bind tighter than the pattern's own top-level operator,
// and each binding must be a whole operand where its wildcard stands (the "?"
// of "(?^&)^$" is a base, so 2*x never binds there). Bindings are put into a
// replacement in brackets wherever the replacement's operators would otherwise
// split them, and a replacement goes in brackets where its surroundings need it.
#include <array>
#include <string_view>

#include "ExpressionText.h"

// Which matcher a rule of the function table uses.
enum class RuleMatcher { Literal, OneWildcard, TwoWildcards };

// Conditions on the bindings of a rule of the function table.
enum class BindingKind {
    Any,
    Number,           // "?" is a number expression
    FirstNumber,      // two wildcards: "?" is a number expression
    BothNumbers,
    BothAtomic,
    BothPositive,     // both are number expressions with a positive value
    PositiveBase,     // both numbers, and "?" (a base) is positive
    WholeExponent     // both numbers, and "&" (an outer exponent) is a whole number
};

struct AlgebraRule {
    std::string_view pattern, replacement;
    bool digitsOnly;   // a trailing "$" binds a run of digits only
};

struct FunctionRule {
    std::string_view pattern, replacement;
    RuleMatcher matcher;
    BindingKind kind;
};

extern const std::array<AlgebraRule, 24> AlgebraRules;
extern const std::array<FunctionRule, 72> FunctionRules;

// First table (power laws, the distributive law): one applied rule per sweep,
// sweeps until nothing changes, then DecimalsToFractions. Each change is
// logged as "Algebraisk omformning: " before " -> " after. Result is written
// only when ErrorFlag is clear at the end.
void ApplyAlgebraRules(const ExpressionText& expr, ExpressionText& result);

// Second table (identities of the functions): every rule once per sweep, in
// order; sweeps until nothing changes, then DecimalsToFractions.
void ApplyFunctionRules(const ExpressionText& expr, ExpressionText& result);

// One rule of the first table; expr unchanged when it does not apply.
ExpressionText MatchRule(const ExpressionText& expr, const ExpressionText& pattern,
                         const ExpressionText& replacement, bool digitsOnly);

// One rule of the second table with one wildcard ("?"), or a literal rule.
ExpressionText ReplaceOneWildcard(BindingKind kind, const ExpressionText& expr, const ExpressionText& pattern,
                                  const ExpressionText& replacement);
// One rule of the second table with "?" and "&", or with "?" twice (both
// places must then bind the same text).
ExpressionText ReplaceTwoWildcards(BindingKind kind, const ExpressionText& expr, const ExpressionText& pattern,
                                   const ExpressionText& replacement);

// Every occurrence of old that stands as a whole unit in text replaced by
// new (in brackets where needed); one left-to-right pass, so a new that
// contains old is not replaced again.
ExpressionText ReplaceLiteral(const ExpressionText& text, const ExpressionText& oldText,
                              const ExpressionText& newText);

// Every occurrence of the variable name (not inside a function name or pi)
// replaced by value, in brackets where the operators around it need them; one
// left-to-right pass, so a value that contains the name is not replaced again.
ExpressionText SubstituteVariable(const ExpressionText& text, const ExpressionText& name,
                                  const ExpressionText& value);

// The first of FunctionNames, in table order, that occurs anywhere in text;
// empty when none does.
ExpressionText FindFunctionName(const ExpressionText& text);

// Precedence of a text's loosest top-level operator: 1 sum (or a leading
// sign), 2 product or quotient, 3 power, 4 a single operand; 0 for
// unbalanced brackets.
int TextPrecedence(const ExpressionText& text);
