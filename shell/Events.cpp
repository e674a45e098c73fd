// Exit handler, Enter action and change handler of every input control, and
// which outputs each input feeds.
#include <algorithm>

#include "Handlers.h"

#define FOCUS(control) [](Form& f) { f.SetFocus(#control); }
#define EDITED(control) [](Form& f) { InputEdited(f, #control); }

const std::vector<EventInfo> EventTable = {
    // Integration
    {"fxEdit", fxEditExit, FOCUS(StamfunktionEdit)},
    {"NedreGraenseEdit", NedreGraenseEditExit, FOCUS(OevreGraenseEdit)},
    {"OevreGraenseEdit", OevreGraenseEditExit, FOCUS(BestemtIntegralEdit)},
    // Differentiation
    {"fx_Edit", fx_EditExit, FOCUS(df_dx_Edit)},
    {"x_Edit", x_EditExit, FOCUS(f_value_Edit)},
    // Polynomier
    {"px_Edit", px_EditExit, FOCUS(RoedderEdit)},
    {"DividendEdit", DividendEditExit, FOCUS(DivisorEdit)},
    {"DivisorEdit", DivisorEditExit, FOCUS(KvotientEdit)},
    {"PolBroekEdit", PolBroekEditExit, FOCUS(ReduceretPolBroekEdit)},
    // Minimum for funktion
    {"AntalVariableSpinEdit", nullptr, FOCUS(fxyzEdit), AntalVariableSpinEditChange},
    {"fxyzEdit", fxyzEditExit, FOCUS(xyz0Edit)},
    {"xyz0Edit", xyz0EditExit, FOCUS(xyzMinEdit)},
    {"Praecision_Edit", Praecision_EditExit, FOCUS(xyzMinEdit)},
    // n-ubekendte Ligninger
    {"AntalLigningerSpinEdit", nullptr, FOCUS(Ligning1Edit), AntalLigningerSpinEditChange},
    {"Ligning1Edit", Ligning1EditExit, [](Form& f) { LigningEditEnter(f, 1); }},
    {"Ligning2Edit", Ligning2EditExit, [](Form& f) { LigningEditEnter(f, 2); }},
    {"Ligning3Edit", Ligning3EditExit, [](Form& f) { LigningEditEnter(f, 3); }},
    {"Ligning4Edit", Ligning4EditExit, [](Form& f) { LigningEditEnter(f, 4); }},
    {"Ligning5Edit", Ligning5EditExit, [](Form& f) { LigningEditEnter(f, 5); }},
    {"xy0Edit", xy0EditExit, FOCUS(LoesningEdit)},
    {"PraecisionEdit", PraecisionEditExit, FOCUS(LoesningEdit)},
    {"MinimumForKvadratsumRadioButton", nullptr, nullptr, EDITED(MinimumForKvadratsumRadioButton)},
    {"NewtonRapsonRadioButton", nullptr, nullptr, EDITED(NewtonRapsonRadioButton)},
    // FaktorReduktion
    {"Factor_fxEdit", Factor_fxEditExit, FOCUS(ReduceretFxEdit)},
    // y=f(x)
    {"f_x_Edit", f_x_EditExit, FOCUS(x0Edit)},
    {"x0Edit", x0EditExit, FOCUS(f_x0_Edit)},
    // Regression
    {"LineaerRegressionRadioButton", nullptr, nullptr, RegressionMethodChange},
    {"PolynomiaerRegressionRadioButton", nullptr, nullptr, RegressionMethodChange},
    {"EksponentielRegressionRadioButton", nullptr, nullptr, RegressionMethodChange},
    {"PotensRegressionRadioButton", nullptr, nullptr, RegressionMethodChange},
    {"PolGradSpinEdit", nullptr, FOCUS(AntalRegressionsPunkterSpinEdit), PolGradSpinEditChange},
    {"AntalRegressionsPunkterSpinEdit", nullptr, AntalRegressionsPunkterSpinEditEnter,
     AntalRegressionsPunkterSpinEditChange},
    {"RegressionsPunkterEdit", RegressionsPunkterEditExit,
     [](Form& f) {
         const auto& tab = f.Regression;
         f.SetFocus(tab.LineaerRegressionRadioButton.checked       ? "RegressionsLiniensLigningEdit"
                    : tab.PolynomiaerRegressionRadioButton.checked ? "RegressionsPolynomietsligningEdit"
                                                                   : "RegressionsligningEdit");
     }},
};

const EventInfo* FindEvents(std::string_view control) {
    for (const auto& e : EventTable)
        if (control == e.control) return &e;
    return nullptr;
}

namespace {

// The inputs of a computation and the outputs it fills.
struct OutputGroup {
    std::vector<const char*> inputs, outputs;
};

const std::vector<OutputGroup>& Groups() {
    static const std::vector<OutputGroup> groups = {
        {{"fxEdit"}, {"StamfunktionEdit", "BestemtIntegralEdit"}},
        {{"NedreGraenseEdit", "OevreGraenseEdit"}, {"BestemtIntegralEdit"}},
        {{"fx_Edit"}, {"df_dx_Edit", "f_value_Edit", "df_x0_Edit", "TangentEdit"}},
        {{"x_Edit"}, {"f_value_Edit", "df_x0_Edit", "TangentEdit"}},
        {{"px_Edit"}, {"RoedderEdit", "pxfak_Edit"}},
        {{"DividendEdit", "DivisorEdit"}, {"KvotientEdit", "RestEdit"}},
        {{"PolBroekEdit"}, {"ReduceretPolBroekEdit"}},
        {{"AntalVariableSpinEdit", "fxyzEdit", "xyz0Edit", "Praecision_Edit"}, {"xyzMinEdit", "fminEdit"}},
        {{"AntalLigningerSpinEdit", "Ligning1Edit", "Ligning2Edit", "Ligning3Edit", "Ligning4Edit", "Ligning5Edit",
          "xy0Edit", "PraecisionEdit", "MinimumForKvadratsumRadioButton", "NewtonRapsonRadioButton"},
         {"LoesningEdit"}},
        {{"Factor_fxEdit"}, {"ReduceretFxEdit"}},
        {{"f_x_Edit", "x0Edit"}, {"f_x0_Edit"}},
        {{"LineaerRegressionRadioButton", "PolynomiaerRegressionRadioButton", "EksponentielRegressionRadioButton",
          "PotensRegressionRadioButton", "PolGradSpinEdit", "AntalRegressionsPunkterSpinEdit", "RegressionsPunkterEdit"},
         {"RegressionsLiniensLigningEdit", "RegressionsPolynomietsligningEdit", "RegressionsligningEdit",
          "ForklaringsgradEdit"}},
    };
    return groups;
}

}  // namespace

std::vector<const char*> DependentOutputs(std::string_view control) {
    std::vector<const char*> outputs;
    for (const OutputGroup& group : Groups())
        if (std::find(group.inputs.begin(), group.inputs.end(), control) != group.inputs.end())
            outputs.insert(outputs.end(), group.outputs.begin(), group.outputs.end());
    return outputs;
}

void InputEdited(Form& form, std::string_view control) {
    for (const char* output : DependentOutputs(control))
        if (Control* c = form.Find(output)) c->text.clear();
}
