// Exit handler, Enter action and change handler of every input control.
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
    {"AntalVariableSpinEdit", AntalVariableSpinEditExit, AntalVariableSpinEditExit, AntalVariableSpinEditChange},
    {"fxyzEdit", fxyzEditExit, FOCUS(xyz0Edit)},
    {"xyz0Edit", xyz0EditExit, FOCUS(xyzMinEdit)},
    {"Praecision_Edit", Praecision_EditExit, FOCUS(AntalVariableSpinEdit)},
    // n-ubekendte Ligninger
    {"AntalLigningerSpinEdit", AntalLigningerSpinEditExit, AntalLigningerSpinEditEnter, AntalLigningerSpinEditChange},
    {"Ligning1Edit", Ligning1EditExit, Ligning1EditExit},
    {"Ligning2Edit", Ligning2EditExit, Ligning2EditExit},
    {"Ligning3Edit", Ligning3EditExit, Ligning3EditExit},
    {"Ligning4Edit", Ligning4EditExit, Ligning4EditExit},
    {"Ligning5Edit", Ligning5EditExit, Ligning5EditExit},
    {"xy0Edit", xy0EditExit, FOCUS(LoesningEdit)},
    {"PraecisionEdit", nullptr, FOCUS(AntalLigningerSpinEdit)},
    // FaktorReduktion
    {"Factor_fxEdit", Factor_fxEditExit, FOCUS(ReduceretFxEdit)},
    // y=f(x)
    {"f_x_Edit", f_x_EditExit, FOCUS(x0Edit)},
    {"x0Edit", x0EditExit, FOCUS(f_x0_Edit)},
    // Regression
    {"PolynomiaerRegressionRadioButton", nullptr, nullptr, PolynomiaerRegressionRadioButtonClick},
    {"PolGradSpinEdit", PolGradSpinEditExit, FOCUS(AntalRegressionsPunkterSpinEdit)},
    {"AntalRegressionsPunkterSpinEdit", AntalRegressionsPunkterSpinEditExit, AntalRegressionsPunkterSpinEditEnter,
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
