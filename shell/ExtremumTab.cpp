// The Minimum for funktion tab: a minimum of f(x,y,...) of 1 to 5 variables,
// searched from a start point.
#include <algorithm>

#include "Confirm.h"
#include "HandlerSupport.h"
#include "Handlers.h"
#include "Host.h"
#include "Minimise.h"
#include "PointText.h"
#include "TextUtils.h"

void AntalVariableSpinEditChange(Form& form) {
    auto& tab = form.Extremum;
    const int n = std::clamp(tab.AntalVariableSpinEdit.value, 1, MaxVariables);
    const VariableNames names = DefaultVariableNames();
    tab.xyz0Label.text = "(" + NameList(n, names, "0") + ")= ";
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
    const ExpressionText function = RemoveBlanks(ExpressionText(tab.fxyzEdit.text));
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
    int iterations = 0;
    if (!ErrorFlag) ErrorFlag = !MinimiseFunction(n, function, names, precision, values, &iterations);
    const bool found = !ErrorFlag;
    if (found) {
        // The count logged is the number of iterations the search made.
        AddLogLine(std::to_string(iterations) + " Iterationer");
        AddLogLine("L\xF8sningen er:");
    } else {
        AddLogLine("Ingen l\xF8sning fundet, med den kr\xE6vede n\xF8jagtighed");
        AddLogLine("Sidste v\xE6rdi er:");
    }
    AddLogLine(PointLogLine(n, values));
    if (found) {
        BeforeCheck("minimum", values.data() + 1, n);
        const Confirmation check = ConfirmMinimum(n, function, names, values, precision);
        AddLogLine(check.report);
        if (check.confirmed) {
            tab.xyzMinEdit.text = PointText(n, values);
            tab.fminEdit.text = FormatNumber(8, 4, EvaluateFunctionN(n, function, names, values));
            return;
        }
    }
    tab.xyzMinEdit.text = SeeLog;
}
