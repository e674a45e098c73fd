#pragma once
// Small dense linear algebra for the numeric tabs (at most 5 unknowns) and
// derivatives of a function of n variables by differences.
#include "Evaluate.h"
#include "ExpressionText.h"
#include "LinearEquations.h"

// Solves the symmetric system h*s = g by Cholesky; false when h is not
// positive definite.
bool CholeskySolve(int n, Matrix h, const VariableValues& g, VariableValues& s);

// Eigenvalues (ascending) and eigenvectors (the columns of vectors) of the
// symmetric matrix a[1..n][1..n], by Jacobi rotations (bounded sweeps).
void SymmetricEigen(int n, Matrix a, VariableValues& values, Matrix& vectors);

// Gradient and Hessian of function at point by differences with steps
// step*max(1, |x_i|) (the gradient's 1/100 of that): central for the gradient
// and the diagonal, a corner difference for the mixed terms (1 + 4n +
// n(n-1)/2 evaluations). Quiet; false
// when f cannot be evaluated there. centre receives f(point).
bool DifferenceDerivatives(int n, const ExpressionText& function, const VariableNames& names,
                           const VariableValues& point, double step, double& centre, VariableValues& gradient,
                           Matrix& hessian);

// f at point, quietly: false when it cannot be evaluated.
bool QuietValue(int n, const ExpressionText& function, const VariableNames& names, const VariableValues& point,
                double& value);
