#pragma once
// Checks the handlers share so that no tab shows a number or formula the
// readers did not fully understand.
#include "ExpressionText.h"

// EvaluateFunction that also reports characters the reader left over, with
// the evaluator's general message (flag first, so Ignore lets the value stand).
double EvaluateWhole(const ExpressionText& text, double x);

// Reports text as unreadable: ErrorFlag, then "Fejl i funktionsudtryk: " + LF CR + text.
void ReportUnreadable(const ExpressionText& text);

// True (and a box) when a text was cut at 255 characters since cutsBefore.
bool ResultWasCut(long cutsBefore);
