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
    const int n = std::clamp(tab.AntalVariableSpinEdit.value, 1, MaxVariables);
    const VariableNames names = DefaultVariableNames();
    tab.xyz0Label.text = '(' + NameList(n, names, "0") + ")= ";
    tab.xyz0Edit.text = WithCoordinates(tab.xyz0Edit.text, n);
    tab.fxyzLabel.text = "f(" + NameList(n, names) + ")= ";
    tab.fxyzEdit.enabled = true;
    InputEdited(form, "AntalVariableSpinEdit");
}

void fxyzEditExit(Form&) {}

// The precision is read when the start point is left.
void Praecision_EditExit(Form&) {}

// Minimises the function of fxyzEdit from the start point of xyz0Edit with
// the count of its own spin edit; shows the point and the value there once
// the point is confirmed as a minimum, else "Se fanen Log". Nothing while the
// function is empty.
void xyz0EditExit(Form& form) {
    auto& tab = form.Extremum;
    tab.xyzMinEdit.text.clear();
    tab.fminEdit.text.clear();
    // Without blanks: the evaluator would stop at the first one.
    const ExpressionText function = NotationText(ExpressionText(tab.fxyzEdit.text));
    if (function.Empty()) return;
    Computation c({&tab.xyzMinEdit, &tab.fminEdit});
    const int n = std::clamp(tab.AntalVariableSpinEdit.value, 1, MaxVariables);
    const VariableNames names = DefaultVariableNames();
    VariableValues values{};
    if (!ReadStartPoint(n, ExpressionText(tab.xyz0Edit.text), names, values)) return;
    if (!ReadsToTheEnd(n, function, names, values)) {
        ReportUnreadable(function);
        return;
    }
    const double precision = ReadNumber(tab.Praecision_Edit.text, ErrorFlag);
    // Steepest descent first; where it stops short, Newton's method goes on.
    MinimumSearch search;
    if (!ErrorFlag) search = FindMinimum(n, function, names, precision, values);
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
    AddLogLine(PointLogLine(n, values));
    if (!search.check.report.empty()) AddLogLine(search.check.report);
    if (found) {
        // The point as it is about to be shown passes the check once more.
        BeforeCheck("minimum", values.data() + 1, n);
        if (ConfirmMinimum(n, function, names, values, precision).confirmed) {
            tab.xyzMinEdit.text = PointText(n, values);
            tab.fminEdit.text = FormatNumber(8, 4, EvaluateFunctionN(n, function, names, values));
            return;
        }
        AddLogLine("Kontrol: punktet er ikke et minimum og vises ikke");
    }
    tab.xyzMinEdit.text = SeeLog;
}
