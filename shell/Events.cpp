// Exit handler and Enter action of every input control.
#include "Handlers.h"

#define FOCUS(control) [](Form& f) { f.SetFocus(#control); }

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
    {"DividendEdit", DividendEditExit, FOCUS(KvotientEdit)},
    {"DivisorEdit", DivisorEditExit, FOCUS(KvotientEdit)},
    {"PolBroekEdit", PolBroekEditExit, FOCUS(ReduceretPolBroekEdit)},
    // Minimum for funktion
    {"fxyzEdit", nullptr, FOCUS(xyz0Edit)},
    {"xyz0Edit", nullptr, FOCUS(xyzMinEdit)},
    {"Praecision_Edit", nullptr, FOCUS(AntalVariableSpinEdit)},
    // n-ubekendte Ligninger
    {"xy0Edit", nullptr, FOCUS(LoesningEdit)},
    {"PraecisionEdit", nullptr, FOCUS(AntalLigningerSpinEdit)},
    // FaktorReduktion
    {"Factor_fxEdit", Factor_fxEditExit, FOCUS(ReduceretFxEdit)},
    // y=f(x)
    {"f_x_Edit", f_x_EditExit, FOCUS(x0Edit)},
    {"x0Edit", x0EditExit, FOCUS(f_x0_Edit)},
    // Regression
    {"PolGradSpinEdit", nullptr, FOCUS(AntalRegressionsPunkterSpinEdit)},
    {"RegressionsPunkterEdit", nullptr,
     [](Form& f) {
         f.SetFocus(f.Regression.LineaerRegressionRadioButton.checked ? "RegressionsLiniensLigningEdit"
                                                                      : "RegressionsPolynomietsligningEdit");
     }},
};

const EventInfo* FindEvents(std::string_view control) {
    for (const auto& e : EventTable)
        if (control == e.control) return &e;
    return nullptr;
}
