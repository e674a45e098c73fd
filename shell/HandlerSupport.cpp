#include "HandlerSupport.h"

#include "Evaluate.h"
#include "ExplicitNotation.h"
#include "Host.h"
#include "TextOps.h"
#include "TextUtils.h"
#include "Verify.h"

ExpressionText UserText(const std::string& typed) { return NotationText(LowerCaseText(ExpressionText(typed))); }

ExpressionText NotationText(const ExpressionText& typed) { return ExplicitNotation(RemoveBlanks(typed)).text; }

Computation::Computation(std::initializer_list<Control*> outputs, bool separator) : cuts_(TextCutCount) {
    ErrorFlag = false;
    ClearNotes();
    if (separator) AddLogLine("");
    for (Control* c : outputs) c->text.clear();
}

bool Computation::Accept(const ExpressionText& text) {
    if (!CheckExpressionSyntax(text)) {
        // Refused whatever the answer: nothing is computed from a text that
        // was not read to its end.
        ErrorFlag = true;
        return false;
    }
    ExpressionText note = MinusBeforePowerNote(text);
    if (!note.Empty()) AddNote(note);
    return true;
}

bool Computation::ResultWasCut() {
    if (TextCutCount == cuts_) return false;
    ReportErrorOK("Resultatet er for langt til at blive vist (over 255 tegn)");
    return true;
}

bool Computation::Publish(Control& field, const ExpressionText& text) {
    if (ErrorFlag || ResultWasCut()) return false;
    field.text = text.Str();
    return true;
}

void ReportUnreadable(const ExpressionText& text) { ReportError("Fejl i funktionsudtryk: \n\r" + text); }

double EvaluateWhole(const ExpressionText& text, double x) {
    int stop = 0;
    double value = EvaluateFunction(text, x, stop);
    if (!ErrorFlag && stop < text.Length()) ReportError(WithHint("Fejl i funktionsudtryk: \n\r", text, stop + 1));
    return value;
}

bool KeepsValue(const ExpressionText& typed, const ExpressionText& shown) {
    ValueCheck check = CheckSameValues(typed, shown);
    if (!check.defined) {
        AddLogLine("Kontrol: f(x) kan ikke udregnes i nogen af kontrolpunkterne");
        ReportErrorOK("f(x) kan ikke udregnes for nogen x: " + typed);
        return false;
    }
    if (!check.passed) {
        AddLogLine("Kontrol: resultatet har ikke f(x)'s v\xE6rdi i x = " + FormatNumber(10, 4, check.failedAt));
        ReportErrorOK("Resultatet kunne ikke kontrolleres og vises ikke: " + typed);
        return false;
    }
    AddLogLine("Kontrol: resultatet har f(x)'s v\xE6rdi i " + std::to_string(check.points) + " punkter");
    return true;
}
