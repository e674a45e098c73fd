#pragma once
// Definitions of the driver's small templates (included by Integrate.h).
#include "Host.h"
#include "TextOps.h"

template <class Rewrite>
ExpressionText RewriteFirstDenominator(const ExpressionText& text, Rewrite rewrite) {
    int p = text.Find("/(") + 2;  // 1-based position of the "("
    if (p < 2) return rewrite(text);
    int close = MatchingBracket(text, p);
    if (close == 0) return text;
    return Mid(text, 1, p) + rewrite(Mid(text, p + 1, close - 1)) + From(text, close);
}

template <class Step>
bool Quietly(Step step) {
    ErrorFlagGuard guard;
    Host* previous = SetHost(nullptr);
    ErrorFlag = false;
    bool ok = true;
    try {
        step();
        ok = !ErrorFlag;
    } catch (const ArithmeticFault&) {
        ok = false;
    }
    SetHost(previous);
    return ok;
}
