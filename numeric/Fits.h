#pragma once
// The exponential and power fits of the Regression tab (linear fits of ln y),
// and how well a shown regression equation fits the data.
#include <string>

#include "Confirm.h"
#include "ExpressionText.h"
#include "LinearEquations.h"

enum class FitKind { Line, Polynomial, Exponential, Power };

// y = b*a^x by the line through (x, ln y), or y = b*x^a by the line through
// (ln x, ln y). False, with refusal set (Windows-1252), when a y <= 0 (or,
// for the power fit, an x <= 0) has no logarithm, or all the (transformed)
// x are equal.
bool TransformedRegression(FitKind kind, int n, const Vector& x, const Vector& y, double& a, double& b,
                           std::string& refusal);

// The equation text "b*a^x" or "b*x^a": the coefficients with 4 decimals, or
// more (up to 12) where 4 would move a value at the data by over 1e-4 of it.
std::string TransformedFitText(FitKind kind, double a, double b, int n, const Vector& x);

// The shown equation text of an exponential or power fit, read back as a
// function of x, gives b*a^x (b*x^a) at the data points within 2e-4 relative.
// Reports R^2 of the linear fit of ln y that it came from.
Confirmation ConfirmTransformedFit(const ExpressionText& text, FitKind kind, double a, double b, int n,
                                   const Vector& x, const Vector& y);

struct FitQuality {
    bool readable = false;   // the text gave a value at every point
    Vector fitted{}, residuals{};
    double determination = 0;             // R^2 of the text on the data
    double transformedDetermination = 0;  // exponential, power: R^2 of ln y on ln of the text
    double spread = 0;                    // residualspredning: sqrt(sum r^2/(n - parameters))
};

// How the equation text (a function of x) fits the points; parameters is the
// number of fitted coefficients (2 for a line).
FitQuality AssessFit(const ExpressionText& text, FitKind kind, int parameters, int n, const Vector& x,
                     const Vector& y);
