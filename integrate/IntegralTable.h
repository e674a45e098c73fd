#pragma once
// The integral table and the inverse table as constant data, with the prefix
// forms of their patterns computed once on first use.
#include <span>
#include <string_view>

#include "ExpressionText.h"

// One row: integrand pattern, antiderivative template, and the conditions on
// its parameters under which the template is an antiderivative ("" = none).
// Conditions are clauses "a op b" separated by ";", op one of != > , each side
// a parameter letter (optionally negated) or a number: "k!=-1", "k!=-m", "u>0".
struct TableRow {
    std::string_view pattern;
    std::string_view antiderivative;
    std::string_view condition;
};

// The marker of a reduction row: the text after it is integrated recursively.
constexpr char ReductionMarker = '\xA7';

std::span<const TableRow> IntegralTable();
std::span<const TableRow> InverseTable();

// Prefix forms of the patterns, in row order, built once.
std::span<const ExpressionText> IntegralPatternForms();
std::span<const ExpressionText> InversePatternForms();

// The text as table matching reads it: a minus that negates a power x^... at
// the start of an expression (-x^2, exp(-x^2)) is written as -1*x^..., since
// the prefix form writes it like (-x)^2, which the notation reads differently.
ExpressionText MarkNegatedPowers(const ExpressionText& text);
