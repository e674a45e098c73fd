#pragma once
// Shared text utilities and number formats of the engines.
#include <array>
#include <string>
#include <string_view>

#include "ExpressionText.h"
#include "Scanner.h"


// Fixed-point text of x with the given decimals, halves away from zero, cut to
// 20 characters (a dangling point dropped). A value whose integer digits do not
// fit 20 characters is written d.dddde30 instead, with as many mantissa
// decimals (at most 13): 2^100 with 4 decimals is 1.2677e30.
// Throws ArithmeticFault for infinities and NaN.
std::string FormatNumber(int width, int decimals, double x);

// Reads a signed number of any length (surrounding blanks and control
// characters stripped, first comma read as a point). Malformed: error := true, 0.
double TextToNumber(std::string_view s, bool& error);

ExpressionText RemoveBlanks(const ExpressionText& s);
// A-Z and the Danish capitals Æ Ø Å (cp1252) to lower case.
ExpressionText LowerCaseText(const ExpressionText& s);
// Not empty, digits after an optional leading "-" ("-" alone counts).
bool IsIntegerText(std::string_view s);
// Not empty, digits only.
bool IsDigitText(std::string_view s);
void SwapReals(double& a, double& b);
int MinInt(int a, int b);
