#pragma once
// Shared text utilities and number formats of the engines.
#include <array>
#include <string>
#include <string_view>

#include "ExpressionText.h"

// The 15 function names of the notation, in the order scanners try them
// (sinh before sin, asinh before asin, cosh before cos).
extern const std::array<std::string_view, 15> FunctionNames;
enum FunctionIndex { fnAbs, fnSqrt, fnSinh, fnAsinh, fnSin, fnAsin, fnCosh, fnAcosh,
                     fnCos, fnTan, fnAtan, fnLn, fnExp, fnErf, fnPhi };

// Index of the first name of FunctionNames that starts text at pos (0-based), or -1.
int MatchFunctionName(std::string_view text, int pos);

// Fixed-point text of x with the given decimals, halves away from zero, cut to
// 20 characters (a dangling point dropped). A value whose integer digits do not
// fit 20 characters is written d.dddde30 instead, with as many mantissa
// decimals (at most 13): 2^100 with 4 decimals is 1.2677e30.
// Throws ArithmeticFault for infinities and NaN.
std::string FormatNumber(int width, int decimals, double x);

// Reads a number (first 32 characters, surrounding blanks and control
// characters stripped, first comma read as a point). Malformed: error := true, 0.
double TextToNumber(std::string_view s, bool& error);

ExpressionText RemoveBlanks(const ExpressionText& s);
// A-Z and the Danish capitals Æ Ø Å (cp1252) to lower case.
ExpressionText LowerCaseText(const ExpressionText& s);
// Not empty, digits after an optional leading "-" ("-" alone counts).
bool IsIntegerText(std::string_view s);
inline bool IsDigit(char c) { return c >= '0' && c <= '9'; }
// Not empty, digits only.
bool IsDigitText(std::string_view s);
void SwapReals(double& a, double& b);
int MinInt(int a, int b);
