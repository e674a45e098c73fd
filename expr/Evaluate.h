#pragma once
// Numeric evaluators: f(x) and f(x1..xN), read from the text on every call.
#include <array>

#include "ExpressionText.h"

// Value of expr at x. The caller clears ErrorFlag before and reads it after;
// with ErrorFlag set the value is meaningless. Left-over characters after the
// expression are ignored (CheckExpressionSyntax refuses them). Throws ArithmeticFault on overflow.
double EvaluateFunction(const ExpressionText& expr, double x);

// The same, also giving the 0-based position where reading stopped
// (expr.Length() when the whole text was read).
double EvaluateFunction(const ExpressionText& expr, double x, int& stopPosition);

// Reads expr as EvaluateFunction does without computing anything: true when
// the whole text is one expression of the notation. Otherwise ErrorFlag is
// set and the reader's own message shown ("Mangler \")\" ...", "Fejl i tal
// ..."), or for a text that stops early (2x, x)+1) "Fejl i funktionsudtryk: "
// LF CR and the text. Clears ErrorFlag on entry.
bool CheckExpressionSyntax(const ExpressionText& expr);
// The same check without a message; ErrorFlag is left as it was.
bool ReadsWhole(const ExpressionText& expr);

// base^n by repeated multiplication; 0^0 is 1, 0^n is 0 for every other n.
double IntPower(int n, double base);
double ErrorFunction(double x);
double NormalDistribution(double x);

// Variable names and values, 1-based as the tabs number them (x[1]..x[5]).
using VariableNames = std::array<char, 22>;     // names[1..21]
using VariableValues = std::array<double, 42>;  // values[1..41]

// Value of expr with the variables names[1..n] at values[1..n].
double EvaluateFunctionN(int n, const ExpressionText& expr, const VariableNames& names,
                         const VariableValues& values);
// The same, also giving the 0-based position where reading stopped.
double EvaluateFunctionN(int n, const ExpressionText& expr, const VariableNames& names,
                         const VariableValues& values, int& stopPosition);

// f(x) without any message, log line or fault: false where f is undefined,
// overflows or is not read to its end. ErrorFlag is left as it was.
bool TryEvaluate(const ExpressionText& expr, double x, double& value);
