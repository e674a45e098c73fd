#pragma once
// Minimisation of a function of n variables, and n simultaneous equations
// f_i(x) = 0, on the values of EvaluateFunctionN. Progress goes to the log;
// the caller clears ErrorFlag before a call.
#include "Evaluate.h"
#include "ExpressionText.h"

constexpr int MaxIterations = 100;

// Square root of the sum of the squares of v[1..n].
double VectorNorm(int n, const VariableValues& v);

// Steepest descent from values (in and out), with the step along the descent
// taken from a parabola through three probes. Ends when the gradient is 0 or
// a step is shorter than n*eps: true if that happened within 100 iterations;
// values then hold the last point. An evaluation error gives the box
// "Kan ikke udregne udtryk: " and false with values unchanged. iterations,
// when given, receives the number of iterations made.
bool MinimiseFunction(int n, const ExpressionText& function, const VariableNames& names, double eps,
                      VariableValues& values, int* iterations = nullptr);

// Newton-Raphson on equations[1..n] with a central-difference Jacobian.
// True when a step shorter than n*eps ended the iteration within 100
// iterations. A singular Jacobian gives the box "Singulær JacobiMatrix"
// (ErrorFlag set), an evaluation error "Kan ikke udregne udtryk: "; both false.
// With stalled given, neither is shown: *stalled is set, ErrorFlag cleared and
// values hold the last point that could be evaluated (also after 100
// iterations without convergence), for another method to go on from.
bool SolveEquationsNewton(int n, const ExpressionText equations[], const VariableNames& names, double eps,
                          VariableValues& values, bool* stalled = nullptr);

// The sum of the squares of equations[1..n] as one text, or false (with a
// box) when it does not fit in 255 characters.
bool SumOfSquaresText(int n, const ExpressionText equations[], ExpressionText& sum);

// MinimiseFunction of the sum of the squares of equations[1..n].
bool SolveEquationsLeastSquares(int n, const ExpressionText equations[], const VariableNames& names, double eps,
                                VariableValues& values);

// The log lines of a point: "x[i]=" + value + three blanks per coordinate,
// then an empty line.
void LogPoint(int n, const VariableValues& p);
