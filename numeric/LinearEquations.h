#pragma once
// Gaussian elimination and least-squares regression in double precision.
// Vectors and matrices are 1-based as the methods number their unknowns.
#include <array>

// Elements 1..41 (element 0 unused).
using Vector = std::array<double, 42>;
// Rows 1..41, columns 1..41: n equations stored augmented, the right-hand
// side in column n+1 (n at most 40).
using Matrix = std::array<Vector, 42>;
// Element k is the coefficient of x^k, k = 0..40.
using RegressionCoefficients = std::array<double, 41>;

constexpr int MaxLinearUnknowns = 40;
constexpr int MaxRegressionDegree = 10;

// Solves the augmented n x n system a by elimination with partial pivoting
// (on a copy). x is all zeros first; false, with the log line
// "Singulær Matrix i SolveLinearEquation", when a pivot is exactly 0.
// Throws ArithmeticFault when a value overflows.
bool SolveLinearEquation(int n, const Matrix& a, Vector& x);

// The least-squares line y = a*x + b through the points (x[i], y[i]),
// i = 1..n. False (a = b = 0) when all x are equal: no line fits.
bool LinearRegression(int n, const Vector& x, const Vector& y, double& a, double& b);

// The degree a polynomial fit through n points is made with: min(degree, n-1, 10).
int FittedDegree(int n, int degree);

// The least-squares polynomial of degree FittedDegree(n, degree) through the
// points, from the normal equations. False when they are singular; the
// coefficients are then 0. Coefficients above the degree are 0.
bool PolynomialRegression(int n, int degree, const Vector& x, const Vector& y, RegressionCoefficients& p);
