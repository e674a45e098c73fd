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

// Takes in equation k without blanks. An equation "left = right" becomes
// "left-(right)", also in its field, since the method solves "... = 0". An
// empty equation is an error; otherwise the focus goes to the next equation
// or, after the last, to the start point.
void LigningEditExit(Form& form, int k) {
    auto& state = form.State;
    ErrorFlag = false;
    Control& field = EquationField(form, k);
    ExpressionText equation = NotationText(ExpressionText(field.text));
    const int equals = equation.Find('=');
    if (equals >= 0) {
        const std::string moved = equation.Sub(0, equals).Str() + "-(" + equation.Sub(equals + 1).Str() + ")";
        equation = ExpressionText(moved);
        field.text = moved;
    }
    state.EquationTexts[k] = equation;
    if (state.EquationTexts[k].Empty()) {
        ReportError("Ligning " + std::to_string(k) + " skal udfyldes");
        return;
    }
    if (k >= state.VariableCount) {
        form.TrancendenteLigninger.xy0Edit.enabled = true;
        form.SetFocus("xy0Edit");
    } else {
        form.SetFocus("Ligning" + std::to_string(k + 1) + "Edit");
    }
}

// One equation in one unknown: every solution in the interval the graph
// shows, each logged with its check, shown as a list. False (nothing shown)
// when there is none there; the method from the start point then goes on.
bool AllSolutionsShown(Form& form) {
    auto& state = form.State;
    std::vector<std::string> reports;
    const std::vector<double> solutions = SolutionsInInterval(
        state.EquationTexts[1], state.Names[1], -SolutionInterval, SolutionInterval, state.Precision, reports);
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
        AddLogLine("L\xF8sning " + std::to_string(k + 1) + ": " + state.Names[1] + " = " + value);
        AddLogLine(reports[k]);
        list += (k > 0 ? " , " : "") + value;
    }
    AddLogLine(std::to_string(solutions.size()) + (solutions.size() == 1 ? " l\xF8sning" : " l\xF8sninger") +
               " i " + interval);
    state.Values[1] = solutions.front();
    form.TrancendenteLigninger.LoesningEdit.text = list + "}";
    return true;
}

}  // namespace

void AntalLigningerSpinEditChange(Form& form) {
    auto& tab = form.TrancendenteLigninger;
    auto& state = form.State;
    const int n = std::clamp(tab.AntalLigningerSpinEdit.value, 1, MaxVariables);
    state.VariableCount = n;
    state.Names = DefaultVariableNames();
    // Fields beyond n are disabled, so that nothing typed there looks used;
    // their texts stay for when the count goes up again.
    for (int k = 1; k <= MaxVariables; ++k) EquationField(form, k).enabled = k <= n;
    tab.xy0Label.text = "(" + NameList(n, state.Names, "0") + ")= ";
    tab.xy0Edit.text = ZeroPoint(n);
    tab.xyzLabel.text = "(" + NameList(n, state.Names) + ")= ";
}

void AntalLigningerSpinEditExit(Form& form) {
    AntalLigningerSpinEditChange(form);
    form.SetFocus("Ligning1Edit");
}

void AntalLigningerSpinEditEnter(Form& form) {
    form.TrancendenteLigninger.Ligning1Edit.enabled = true;
    form.SetFocus("Ligning1Edit");
}

void Ligning1EditExit(Form& form) { LigningEditExit(form, 1); }
void Ligning2EditExit(Form& form) { LigningEditExit(form, 2); }
void Ligning3EditExit(Form& form) { LigningEditExit(form, 3); }
void Ligning4EditExit(Form& form) { LigningEditExit(form, 4); }
void Ligning5EditExit(Form& form) { LigningEditExit(form, 5); }

// Solves the equations from the start point of xy0Edit; shows the solution
// once it is confirmed, else "Se log Page".
void xy0EditExit(Form& form) {
    auto& tab = form.TrancendenteLigninger;
    auto& state = form.State;
    Computation c({&tab.LoesningEdit});
    state.PointText = ExpressionText(tab.xy0Edit.text);
    const int n = state.VariableCount;
    if (!ReadStartPoint(n, state.PointText, state.Names, state.Values)) return;
    for (int i = 1; i <= n; ++i) {
        // An equation never taken in (the count was raised afterwards).
        if (state.EquationTexts[i].Empty()) {
            ReportError("Ligning " + std::to_string(i) + " skal udfyldes");
            return;
        }
        if (!ReadsToTheEnd(n, state.EquationTexts[i], state.Names, state.Values)) {
            ReportUnreadable(state.EquationTexts[i]);
            return;
        }
    }
    ErrorFlag = false;
    // A malformed precision is not reported; it sets ErrorFlag, which stops both methods.
    state.Precision = ReadNumber(tab.PraecisionEdit.text, ErrorFlag);
    if (n == 1 && !ErrorFlag && AllSolutionsShown(form)) return;
    EquationSearch search = SolveEquations(n, state.EquationTexts, state.Names, state.Precision, state.Values,
                                           tab.MinimumForKvadratsumRadioButton.checked);
    const bool found = search.found;
    if (found) AddLogLine(search.method);
    AddLogLine(found ? "En l\xF8sning er fundet" : "En l\xF8sning er ikke fundet. Sidste v\xE6rdi udskrives");
    AddLogLine(PointLogLine(n, state.Values));
    if (!search.check.report.empty()) AddLogLine(search.check.report);
    if (found) {
        if (search.check.singular)
            AddLogLine("Jacobimatricen er singul\xE6r i l\xF8sningen: ligningerne har uendeligt mange l\xF8sninger "
                       "(eller en flerfoldig) n\xE6r punktet; den viste er \xE9n af dem");
        tab.LoesningEdit.text = PointText(n, state.Values);
        return;
    }
    if (search.noSolution)
        AddLogLine("Systemet har ingen l\xF8sning n\xE6r startpunktet; mindste kvadratsum " +
                   FormatNumber(12, 8, search.sumOfSquares) + " i " + PointText(n, state.Values));
    tab.LoesningEdit.text = "Se log Page";
}
