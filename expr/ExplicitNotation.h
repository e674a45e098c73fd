#pragma once
// The notation as students type it, made explicit for the engines' readers.
//
// Every reader keeps its grammar: a typed text is rewritten once, where it
// enters the program, into the explicit notation all of them read:
//   - implicit products get their "*": a number before a letter or "("
//     (2x, 3sin(x), 2pi, 2e, 2(x+1)), and ")" before a letter or "("
//     ((x+1)(x-1), (x+1)x);
//   - log(u), the base-10 logarithm, becomes (ln(u)/ln(10)).
// The rewriting only touches places where every reader stops (a number or a
// ")" directly followed by an operand, and the name log, which no reader
// knows), so a text the readers already read keeps its meaning to the letter.
//
// An "e" right after a number is the exponent mark when a digit, or a sign
// and a digit, follows (2e3, 1.5e-2, 2e+1 as before); otherwise it is the
// constant e (2e, 2ex, 2e^x, 2e-x, 2exp(x)).
//
// An implicit product directly after "^" or "/" is refused as ambiguous:
// e^2x may mean e^(2*x) or e^2*x, 1/2x may mean 1/(2*x) or 1/2*x; the
// reader's message then shows both ways of writing it.
#include <string>
#include <string_view>

#include "ExpressionText.h"

struct NotationResult {
    enum Outcome { Read, Ambiguous, TooLong };
    Outcome outcome = Read;
    // The explicit text (Read); otherwise the typed text unchanged, so the
    // readers refuse it where it is unclear.
    ExpressionText text;
    // Ambiguous: the 1-based position of the operand after the unclear product.
    int position = 0;
};

// The explicit form of a typed text (blanks already removed, lower case where
// the tab reads lower case). A result longer than 255 characters is
// TooLong, never cut.
NotationResult ExplicitNotation(const ExpressionText& typed);

// What is wrong at the 1-based position pos of a text a reader refused,
// and how to write it instead, in words for the user ("der mangler noget
// efter ^"); empty when there is nothing more to say than the reader's message.
std::string ReadingHint(const ExpressionText& text, int pos);

// The reader's message for text with the hint at pos after a long dash.
ExpressionText WithHint(std::string_view message, const ExpressionText& text, int pos);
