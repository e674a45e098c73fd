#pragma once
// Checks of the numeric tabs' results, made apart from the methods that found
// them. Each gives the tab's "Kontrol: " log line and whether the result may
// be shown. They evaluate quietly: no boxes, no log lines, ErrorFlag as before.
#include <string>

#include "Evaluate.h"
#include "ExpressionText.h"
#include "LinearEquations.h"

struct Confirmation {
    bool confirmed = false;
    std::string report;  // "Kontrol: ..."
    bool singular = false;  // a solution where the Jacobian is singular
};

// True unless function, evaluated at point, reads without an error but stops
// before its end (as "2x" stops after the 2). Errors are left to the methods.
bool ReadsToTheEnd(int n, const ExpressionText& function, const VariableNames& names, const VariableValues& point);

// point is a local minimum of function to within 10*n*eps: the Hessian there
// (central differences) is positive definite and one Newton step from point
// is shorter than 10*n*eps; or, where the Hessian is only semi-definite, f is
// lower nowhere around point. Reports the length of the gradient.
Confirmation ConfirmMinimum(int n, const ExpressionText& function, const VariableNames& names,
                            const VariableValues& point, double eps);

// point solves equations[1..n] = 0 to within 10*n*eps: every residual is 0,
// or the Jacobian there is regular and one Newton step from point is shorter
// than 10*n*eps; where it is singular, the residuals lie in its range and the
// shortest step to their zero is that short (singular set). Reports the
// largest residual.
Confirmation ConfirmSolution(int n, const ExpressionText equations[], const VariableNames& names,
                             const VariableValues& point, double eps);

// The least-squares fit of degree FittedDegree(n, degree) as the tab shows
// it, in the first form that passes ConfirmFitText: in powers of x with four
// decimals (2.0000*x+1.0000); otherwise with as few significant digits as
// pass, in powers of x or, for x far from 0 (years), of x minus a round centre
// (-0.5*(x-2014)^2+...), whichever needs fewer. p: the fit in powers of x.
// Lower terms whose coefficient is exactly 0 are left out.
std::string FitEquation(int degree, const RegressionCoefficients& p, int n, const Vector& x, const Vector& y);

// The shown equation text of a fit, read back as a function of x, gives the
// least-squares values at the n data points x[1..n] to within 1e-6 of the
// range of y[1..n]. Reports the coefficient of determination R^2 of the shown
// equation to the data.
Confirmation ConfirmFitText(const ExpressionText& text, int degree, int n, const Vector& x, const Vector& y);

// slope is f'(x0) of f (a function of x) to within 1e-5 of its size: the
// central difference quotient of f around x0 agrees.
Confirmation ConfirmSlope(const ExpressionText& f, double x0, double slope);
