#include "HandlerSupport.h"

#include "Evaluate.h"
#include "Host.h"

double EvaluateWhole(const ExpressionText& text, double x) {
    int stop = 0;
    double value = EvaluateFunction(text, x, stop);
    if (!ErrorFlag && stop < text.Length()) ReportUnreadable(text);
    return value;
}

void ReportUnreadable(const ExpressionText& text) {
    ErrorFlag = true;
    ShowError("Fejl i funktionsudtryk: \n\r" + text);
}

bool ResultWasCut(long cutsBefore) {
    if (TextCutCount == cutsBefore) return false;
    ShowErrorOK("Resultatet er for langt til at blive vist (over 255 tegn)");
    return true;
}
