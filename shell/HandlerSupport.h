#pragma once
// The steps every tab's computation repeats, so that a handler is its
// computation alone: clear the flag and the notes, a separator line in the
// log, clear the outputs, accept the user's text, notice cut results, publish.
#include <initializer_list>
#include <string>

#include "ExpressionText.h"
#include "Form.h"

// A user's expression text as the engines read it: blanks removed, lower
// case, and the implicit products and log written out (ExplicitNotation). A
// text that cannot be written out (ambiguous, or over 255 characters then)
// stays as typed, so that the reader refuses it with its message and hint.
ExpressionText UserText(const std::string& typed);
// The same without the lower case, for the tabs whose variables are named.
ExpressionText NotationText(const ExpressionText& typed);

class Computation {
public:
    // Starts a computation: ErrorFlag and notes cleared, outputs emptied, and
    // (with separator) an empty line in the log.
    Computation(std::initializer_list<Control*> outputs, bool separator = true);

    // True when the f(x) evaluator reads all of text; otherwise the reader's
    // message is shown and the text must not be used. An accepted text with a
    // minus directly before a power base gets a "Bemærk: " line on how it is read.
    bool Accept(const ExpressionText& text);

    // Writes text into field when no error is pending and no text was cut
    // since the start (a cut result is reported instead). Returns whether it did.
    bool Publish(Control& field, const ExpressionText& text);

    // True (and reported) when a text was cut at 255 characters since the start.
    bool ResultWasCut();

private:
    long cuts_;
};

// True when shown has typed's value wherever typed is defined (the log's
// "Kontrol: " line says so); otherwise reported, and the result is not shown.
bool KeepsValue(const ExpressionText& typed, const ExpressionText& shown);

// Reports text as unreadable: "Fejl i funktionsudtryk: " LF CR and the text.
void ReportUnreadable(const ExpressionText& text);

// EvaluateFunction that also reports characters the reader left over, with
// the evaluator's general message (flag first, so Ignore lets the value stand).
double EvaluateWhole(const ExpressionText& text, double x);
