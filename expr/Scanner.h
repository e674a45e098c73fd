#pragma once
// Lexing shared by every reader of the notation: numbers, function names,
// character classes and the end of a text. Each reader keeps its own grammar
// and takes its tokens from here.
//
// Positions are 1-based: the first character of a text is at 1, and 0 means
// "none". Reading at a position past the end gives EndOfText.
#include <array>
#include <cstdint>
#include <string_view>

#include "ExpressionText.h"

// Stands for every position past the end of a text.
constexpr char EndOfText = '\r';

inline bool IsDigit(char c) { return c >= '0' && c <= '9'; }
inline bool IsLowerLetter(char c) { return c >= 'a' && c <= 'z'; }
// A digit or a decimal separator (point, or the comma typed by Danish users).
inline bool IsNumberChar(char c) { return IsDigit(c) || c == '.' || c == ','; }

// The character at pos, or EndOfText past either end.
inline char CharAt(const ExpressionText& t, int pos) {
    return pos >= 1 && pos <= t.Length() ? t.At(pos) : EndOfText;
}

// One number as the readers see it: digits and separators, then an exponent
// mark "e" with an optional sign and digits (2e5, 1.5e-3, 2,5).
struct NumberToken {
    int end = 0;          // position just after the number
    int separators = 0;   // "." and "," among the digits
    bool exponent = false;
    int Length(int start) const { return end - start; }
};

// The number starting at pos (a digit there), read greedily; an "e" right
// after the digits always belongs to the number, so 2e is a malformed number
// rather than 2 times e. Without a digit at pos, end is pos.
NumberToken ScanNumber(const ExpressionText& t, int pos);

// A number without exponent and with at most one separator and maxDigits
// digits (at most 18) as mantissa/scale, scale a power of ten: 2.25 is 225/100.
// False for any other number.
bool ExactDigits(std::string_view digits, const NumberToken& token, int maxDigits, std::int64_t& mantissa,
                 std::int64_t& scale);

// The value of a text of digits only (no sign, no separator) when it is at
// most limit; false for an empty text, another character, or a larger value.
bool WholeNumberValue(std::string_view digits, std::int64_t limit, std::int64_t& value);

// Position just after the run of digits starting at pos (pos when none).
int DigitsEnd(const ExpressionText& t, int pos);

// The value of a number text as ScanNumber delimits it, of any length: the
// first separator is the point, underflow gives 0; two separators, an empty
// exponent or a value beyond double set error and give 0.
double NumberValue(std::string_view number, bool& error);

// True when the "e" at pos is a number's exponent mark (2e5).
bool IsExponentMark(const ExpressionText& t, int pos);
// True when the "+" or "-" at pos is the sign of a number's exponent (1.5e-3),
// not an operator.
bool IsExponentSign(const ExpressionText& t, int pos);

// The 17 function names of the notation, in the order readers try them
// (sinh before sin, asinh before asin, cosh before cos, acosh before acos,
// tanh before tan).
extern const std::array<std::string_view, 17> FunctionNames;
enum FunctionIndex { fnAbs, fnSqrt, fnSinh, fnAsinh, fnSin, fnAsin, fnCosh, fnAcosh,
                     fnAcos, fnCos, fnTanh, fnTan, fnAtan, fnLn, fnExp, fnErf, fnPhi };

// Index of the first name of FunctionNames that starts at pos, or -1.
int FunctionAt(const ExpressionText& t, int pos);
int MatchFunctionName(std::string_view text, int offset);  // 0-based offset into a plain view
// Letters that begin, and letters that end, some function name.
bool IsFunctionInitial(char c);
bool IsFunctionFinal(char c);
