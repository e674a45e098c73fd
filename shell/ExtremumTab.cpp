// The Minimum for funktion tab: a minimum of f(x,y,...) of 1 to 5 variables,
// searched from a start point.
#include <algorithm>

#include "Confirm.h"
#include "HandlerSupport.h"
#include "Handlers.h"
#include "Host.h"
#include "Minimise.h"
#include "PointText.h"
#include "Search.h"
#include "TextUtils.h"

void AntalVariableSpinEditChange(Form& form) {
    auto& tab = form.Extremum;
    auto& state = form.State;
    const int n = std::clamp(tab.AntalVariableSpinEdit.value, 1, MaxVariables);
    state.VariableCount = n;
    state.Names = DefaultVariableNames();
    tab.xyz0Label.text = "(" + NameList(n, state.Names, "0") + ")= ";
    tab.xyz0Edit.text = ZeroPoint(n);
    tab.fxyzLabel.text = "f(" + NameList(n, state.Names) + ")= ";
    tab.fxyzEdit.enabled = true;
}

void AntalVariableSpinEditExit(Form& form) {
    AntalVariableSpinEditChange(form);
    form.SetFocus("fxyzEdit");
}

void fxyzEditExit(Form& form) {
    // Without blanks: the evaluator would stop at the first one.
    form.State.MinimumFunctionText = NotationText(ExpressionText(form.Extremum.fxyzEdit.text));
}

void Praecision_EditExit(Form& form) {
    form.State.Precision = ReadNumber(form.Extremum.Praecision_Edit.text, ErrorFlag);
    form.SetFocus("AntalVariableSpinEdit");
}

// Minimises the function from the start point of xyz0Edit; shows the point
// and the value there once the point is confirmed as a minimum, else "Se LogMemo".
void xyz0EditExit(Form& form) {
    auto& tab = form.Extremum;
    auto& state = form.State;
    const ExpressionText& function = state.MinimumFunctionText;
    if (function.Empty()) {
        ReportError("Fejl ved udregning af funktionen " + function);
        return;
    }
    Computation c({&tab.xyzMinEdit, &tab.fminEdit});
    state.PointText = ExpressionText(tab.xyz0Edit.text);
    const int n = state.VariableCount;
    if (!ReadStartPoint(n, state.PointText, state.Names, state.Values)) return;
    if (!ReadsToTheEnd(n, function, state.Names, state.Values)) {
        ReportUnreadable(function);
        return;
    }
    state.Precision = ReadNumber(tab.Praecision_Edit.text, ErrorFlag);
    // Steepest descent first; where it stops short, Newton's method goes on.
    MinimumSearch search;
    if (!ErrorFlag) search = FindMinimum(n, function, state.Names, state.Precision, state.Values);
    const bool found = search.found;
    if (found) {
        AddLogLine(search.method);
        // The count logged is the number of iterations the search made.
        AddLogLine(std::to_string(search.iterations) + " Iterationer");
        AddLogLine("L\xF8sningen er:");
    } else {
        AddLogLine("Ingen l\xF8sning fundet, med den kr\xE6vede n\xF8jagtighed");
        AddLogLine("Sidste v\xE6rdi er:");
    }
    AddLogLine(PointLogLine(n, state.Values));
    if (!search.check.report.empty()) AddLogLine(search.check.report);
    if (found) {
        tab.xyzMinEdit.text = PointText(n, state.Values);
        tab.fminEdit.text = FormatNumber(8, 4, EvaluateFunctionN(n, function, state.Names, state.Values));
        return;
    }
    tab.xyzMinEdit.text = "Se LogMemo";
}
