#pragma once
// The numeric tabs' searches as a whole: the plain method first, then a
// method that converges where it does not, and the check of what was found.
#include <string>
#include <vector>

#include "Confirm.h"
#include "Evaluate.h"
#include "ExpressionText.h"

constexpr int MaxNewtonIterations = 60;

// Newton's method for a minimum from values (in and out): gradient and
// Hessian from differences, the step along the Hessian's eigenvectors with
// |eigenvalue| (so it always goes downhill), longest max(1, |x|) where f is
// not convex, shortened until f decreases. Every fifth iterate is logged.
// True when a step shorter than n*eps ended it; false when f could not be
// evaluated or the iterations ran out. iterations receives the count.
bool NewtonMinimise(int n, const ExpressionText& function, const VariableNames& names, double eps,
                    VariableValues& values, int& iterations);

struct MinimumSearch {
    bool found = false;       // a point that passed its check
    int iterations = 0;       // of both methods together
    std::string method;       // log line: which method found the point
    Confirmation check;       // the last check made
};

// Steepest descent (MinimiseFunction, its log lines and boxes unchanged);
// when it misses the precision or its point fails the check, Newton's method
// from its last point. An evaluation error of the descent ends the search.
MinimumSearch FindMinimum(int n, const ExpressionText& function, const VariableNames& names, double eps,
                          VariableValues& values);

// Levenberg-Marquardt on equations[1..n] from values (in and out): a damped
// Gauss-Newton step on the sum of the squares, the damping lowered after a
// step that lowers the sum and raised after one that does not. True when a
// step shorter than n*eps ended it; false on running out of iterations or an
// evaluation error at the start.
bool LevenbergMarquardt(int n, const ExpressionText equations[], const VariableNames& names, double eps,
                        VariableValues& values, int& iterations);

struct EquationSearch {
    bool found = false;       // a point that passed its check
    bool noSolution = false;  // ended at a minimum of the sum of squares above 0
    double sumOfSquares = 0;
    std::string method;
    Confirmation check;
};

// The tab's chosen method (Newton or the minimum of the sum of squares); when
// Newton meets a singular Jacobian, fails to evaluate or does not converge,
// Levenberg-Marquardt from its last point (or the start). Logs which method found
// the point.
EquationSearch SolveEquations(int n, const ExpressionText equations[], const VariableNames& names, double eps,
                              VariableValues& values, bool leastSquares);

// Every solution of equation = 0 in [low, high]: sign changes and local
// minima of |f| on a grid of 2000 steps, each refined (bisection, golden
// section, Newton) and confirmed; ascending, without repeats. reports gets
// each solution's "Kontrol: " line.
std::vector<double> SolutionsInInterval(const ExpressionText& equation, char name, double low, double high,
                                        double eps, std::vector<std::string>& reports);
