#pragma once
// Text operations of the engines: replacing, bracket matching, slicing,
// operand and term boundaries, and the negation family.
//
// Positions are 1-based: the first character of a text is at 1, and 0 means
// "none" (as in Scanner.h). ExpressionText's own members (Sub, Find, []) are
// 0-based like std::string; the engines' scans use these helpers instead.
//
// The sign reading of the notation: a unary minus binds tighter than "^"
// (-2^2 is 4, 3*-x^2 is 3*(-x)^2), except "-x^" at the start of an
// expression, which is -(x^...).
#include <string_view>

#include "ExpressionText.h"
#include "Scanner.h"

// Replaces every occurrence of pattern by replacement, restarting the search
// from the beginning after each one; the result is cut at 255 characters. A
// replacement that contains the pattern is applied in one left-to-right pass.
ExpressionText ReplaceAll(const ExpressionText& text, const ExpressionText& pattern,
                          const ExpressionText& replacement);

inline bool IsOneOf(char c, std::string_view set) {
    return c != '\0' && c != EndOfText && set.find(c) != std::string_view::npos;
}

// Characters from..to (inclusive), and the text from a position to the end.
ExpressionText Mid(const ExpressionText& t, int from, int to);
ExpressionText From(const ExpressionText& t, int from);
// Position of the first occurrence of pattern at or after from, or 0.
int Position(const ExpressionText& text, std::string_view pattern, int from = 1);
// Removes count characters starting at pos; inserts s before pos.
void EraseAt(ExpressionText& text, int pos, int count = 1);
void InsertAt(ExpressionText& text, int pos, std::string_view s);
// Position of the last occurrence of sub in text, or 0.
int LastPosition(const ExpressionText& sub, const ExpressionText& text);

// Position of the ")" closing the "(" at p, or 0.
int MatchingBracket(const ExpressionText& text, int p);
bool BracketsBalanced(const ExpressionText& s);
// The whole text is one bracket pair.
bool IsFullBracket(const ExpressionText& t);

// Position just after the operand (number, x, pi, e, bracket, function call)
// that starts at pos; 0 when none starts there.
int OperandEnd(const ExpressionText& text, int pos);
// A "+" or "-" at p that separates two terms: not after "(" "^" "*" "/",
// and not the sign of a number's exponent.
bool IsTermSign(const ExpressionText& s, int p);
// No term sign outside brackets (a leading sign allowed); false for
// unbalanced brackets.
bool IsSingleTerm(const ExpressionText& expr);
// The first top-level term, with its leading sign.
ExpressionText FirstTerm(const ExpressionText& expr);
// A single operand: a number, name, bracket or call, maybe signed, maybe
// with a chain of powers of such operands.
bool IsAtomic(const ExpressionText& text);

// True when the "-" at pos negates the whole term after it rather than only
// the base of a power; expressionStart: the "-" opens an expression.
bool MinusNegatesTerm(const ExpressionText& text, int pos, bool expressionStart);
// The negation of a single term, read as a whole expression ("x^2" gives
// "-x^2", "-3*x" gives "3*x", "2^x" gives "-(2^x)").
ExpressionText MinusTerm(const ExpressionText& term);
// The term with an explicit sign ("+" added; any signed zero becomes "+0").
ExpressionText SignedTerm(const ExpressionText& text);
// Swaps a leading "+" and "-", or puts "-" in front.
ExpressionText NegateTerm(const ExpressionText& text);
// Drops a leading "-", or puts one in front.
ExpressionText NegateText(const ExpressionText& text);
// (-a) for a negative text, a without its "+" otherwise.
ExpressionText BracketIfNegative(const ExpressionText& text);
ExpressionText StripPlus(const ExpressionText& text);

// "Bemærk: -e^x læses som (-e)^x; skriv -(e^x) for minus e^x" for the first
// unary minus directly before a power base (other than -x^ where an
// expression starts), or an empty text when there is none.
ExpressionText MinusBeforePowerNote(const ExpressionText& text);
