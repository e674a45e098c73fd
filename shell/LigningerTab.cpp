// The n-ubekendte Ligninger tab: 1 to 5 equations f_i(x,y,...) = 0 solved by
// Newton-Raphson or by minimising the sum of their squares.
#include <algorithm>
#include <string>
#include <vector>

#include "Confirm.h"
#include "HandlerSupport.h"
#include "Handlers.h"
#include "Host.h"
#include "Minimise.h"
#include "PointText.h"
#include "Search.h"
#include "TextUtils.h"

namespace {

// One equation in one unknown is solved on [-10, 10], the graph's x range.
constexpr int SolutionInterval = 10;

Control& EquationField(Form& form, int k) {
    static constexpr Control TrancendenteLigningerTab::*fields[] = {
        &TrancendenteLigningerTab::Ligning1Edit, &TrancendenteLigningerTab::Ligning2Edit,
        &TrancendenteLigningerTab::Ligning3Edit, &TrancendenteLigningerTab::Ligning4Edit,
        &TrancendenteLigningerTab::Ligning5Edit};
    return form.TrancendenteLigninger.*fields[k - 1];
}

// Equation k without blanks and with its products written out, "left = right"
// read as "left-(right)", since the methods solve "... = 0".
ExpressionText Equation(const Control& field) {
    ExpressionText equation = NotationText(ExpressionText(field.text));
    const int equals = equation.Find('=');
    if (equals < 0) return equation;
    return ExpressionText(equation.Sub(0, equals).Str() + "-(" + equation.Sub(equals + 1).Str() + ")");
}

int EquationCount(const Form& form) {
    return std::clamp(form.TrancendenteLigninger.AntalLigningerSpinEdit.value, 1, MaxVariables);
}

// One equation in one unknown: every solution in the interval the graph
// shows, each logged with its check, shown as a list. False (nothing shown)
// when there is none there; the method from the start point then goes on.
bool AllSolutionsShown(Form& form, const ExpressionText& equation, char name, double precision) {
    std::vector<std::string> reports;
    const std::vector<double> solutions =
        SolutionsInInterval(equation, name, -SolutionInterval, SolutionInterval, precision, reports);
    const std::string interval = "[" + std::to_string(-SolutionInterval) + ", " + std::to_string(SolutionInterval) + "]";
    if (solutions.empty()) {
        AddLogLine("Ingen l\xF8sning i " + interval + "; der s\xF8ges fra startpunktet");
        return false;
    }
    AddLogLine("Metode: fortegnsskift og minima af |f| p\xE5 et net af 2000 trin i " + interval +
               ", forfinet og kontrolleret hver for sig");
    std::string list = "{";
    for (std::size_t k = 0; k < solutions.size(); ++k) {
        const std::string value = FormatNumber(8, 4, solutions[k]);
        AddLogLine("L\xF8sning " + std::to_string(k + 1) + ": " + name + " = " + value);
        AddLogLine(reports[k]);
        list += (k > 0 ? " , " : "") + value;
    }
    AddLogLine(std::to_string(solutions.size()) + (solutions.size() == 1 ? " l\xF8sning" : " l\xF8sninger") +
               " i " + interval);
    form.TrancendenteLigninger.LoesningEdit.text = list + "}";
    return true;
}

}  // namespace

void AntalLigningerSpinEditChange(Form& form) {
    auto& tab = form.TrancendenteLigninger;
    const int n = EquationCount(form);
    const VariableNames names = DefaultVariableNames();
    // Fields beyond n are disabled, so that nothing typed there looks used;
    // their texts stay for when the count goes up again.
    for (int k = 1; k <= MaxVariables; ++k) EquationField(form, k).enabled = k <= n;
    tab.xy0Label.text = '(' + NameList(n, names, "0") + ")= ";
    tab.xy0Edit.text = WithCoordinates(tab.xy0Edit.text, n);
    tab.xy0Edit.enabled = true;
    tab.xyzLabel.text = '(' + NameList(n, names) + ")= ";
    InputEdited(form, "AntalLigningerSpinEdit");
}

// Leaving equation k: an equation "left = right" is written "left-(right)"
// in its field, as it is solved.
void LigningEditExit(Form& form, int k) {
    Control& field = EquationField(form, k);
    if (field.text.find('=') == std::string::npos) return;
    field.text = Equation(field).Str();
    InputEdited(form, "Ligning" + std::to_string(k) + "Edit");
}

// Enter in equation k: on to the next equation or, after the last, to the start point.
void LigningEditEnter(Form& form, int k) {
    form.SetFocus(k < EquationCount(form) ? "Ligning" + std::to_string(k + 1) + "Edit" : std::string("xy0Edit"));
}

void Ligning1EditExit(Form& form) { LigningEditExit(form, 1); }
void Ligning2EditExit(Form& form) { LigningEditExit(form, 2); }
void Ligning3EditExit(Form& form) { LigningEditExit(form, 3); }
void Ligning4EditExit(Form& form) { LigningEditExit(form, 4); }
void Ligning5EditExit(Form& form) { LigningEditExit(form, 5); }

// The precision is read when the start point is left.
void PraecisionEditExit(Form&) {}

// Solves the equations of the first n fields (n of the spin edit) from the
// start point of xy0Edit; shows the solution once it is confirmed, else
// "Se fanen Log". Nothing while no equation is typed.
void xy0EditExit(Form& form) {
    auto& tab = form.TrancendenteLigninger;
    tab.LoesningEdit.text.clear();
    const int n = EquationCount(form);
    ExpressionText equations[MaxVariables + 1];
    int missing = 0;
    for (int i = n; i >= 1; --i) {
        equations[i] = Equation(EquationField(form, i));
        if (equations[i].Empty()) missing = i;
    }
    bool any = false;
    for (int i = 1; i <= n; ++i) any = any || !equations[i].Empty();
    if (!any) return;
    Computation c({&tab.LoesningEdit});
    if (missing > 0) {
        ReportError("Ligning " + std::to_string(missing) + " skal udfyldes");
        return;
    }
    const VariableNames names = DefaultVariableNames();
    VariableValues values{};
    if (!ReadStartPoint(n, ExpressionText(tab.xy0Edit.text), names, values)) return;
    for (int i = 1; i <= n; ++i)
        if (!ReadsToTheEnd(n, equations[i], names, values)) {
            ReportUnreadable(equations[i]);
            return;
        }
    ErrorFlag = false;
    // A malformed precision is not reported; it sets ErrorFlag, which stops both methods.
    const double precision = ReadNumber(tab.PraecisionEdit.text, ErrorFlag);
    if (n == 1 && !ErrorFlag && AllSolutionsShown(form, equations[1], names[1], precision)) return;
    EquationSearch search =
        SolveEquations(n, equations, names, precision, values, tab.MinimumForKvadratsumRadioButton.checked);
    const bool found = search.found;
    if (found) AddLogLine(search.method);
    AddLogLine(found ? "En l\xF8sning er fundet" : "En l\xF8sning er ikke fundet. Sidste v\xE6rdi udskrives");
    AddLogLine(PointLogLine(n, values));
    if (!search.check.report.empty()) AddLogLine(search.check.report);
    if (found) {
        // The point as it is about to be shown passes the check once more.
        BeforeCheck("l\xF8sning", values.data() + 1, n);
        if (ConfirmSolution(n, equations, names, values, precision).confirmed) {
            if (search.check.singular)
                AddLogLine("Jacobimatricen er singul\xE6r i l\xF8sningen: ligningerne har uendeligt mange l\xF8sninger "
                           "(eller en flerfoldig) n\xE6r punktet; den viste er \xE9n af dem");
            tab.LoesningEdit.text = PointText(n, values);
            return;
        }
        AddLogLine("Kontrol: punktet er ikke en l\xF8sning og vises ikke");
    }
    if (search.noSolution)
        AddLogLine("Systemet har ingen l\xF8sning n\xE6r startpunktet; mindste kvadratsum " +
                   FormatNumber(12, 8, search.sumOfSquares) + " i " + PointText(n, values));
    tab.LoesningEdit.text = SeeLog;
}
