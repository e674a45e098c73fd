#include "PageLayout.h"

namespace {

// Rows left empty separate the groups of a page.
constexpr GridCell Integration[] = {
    {"IntegrandLabel", 0, 0, 1},       {"fxEdit", 0, 1, 3},
    {"StamfunktionLabel", 1, 0, 1},    {"StamfunktionEdit", 1, 1, 3},
    {"NedreGraenseLabel", 3, 0, 1},    {"NedreGraenseEdit", 3, 1, 1},
    {"OevreGraenseLabel", 3, 2, 1},    {"OevreGraenseEdit", 3, 3, 1},
    {"BestemtIntegralLabel", 4, 0, 1}, {"BestemtIntegralEdit", 4, 1, 1},
};

constexpr GridCell Differentiation[] = {
    {"fx_Label", 0, 0, 1},    {"fx_Edit", 0, 1, 3},
    {"df_dx_Label", 1, 0, 1}, {"df_dx_Edit", 1, 1, 3},
    {"xLabel", 3, 0, 1},      {"x_Edit", 3, 1, 1},
    {"f_value_Label", 3, 2, 1}, {"f_value_Edit", 3, 3, 1},
    {"df_x0_Label", 4, 2, 1},   {"df_x0_Edit", 4, 3, 1},
    {"TangentLabel", 5, 0, 1},  {"TangentEdit", 5, 1, 3},
};

constexpr GridCell Polynomier[] = {
    {"WarningLabel", 0, 0, 4},
    {"px_Label", 1, 0, 1},       {"px_Edit", 1, 1, 3},
    {"RoedderLabel", 2, 0, 1},   {"RoedderEdit", 2, 1, 3},
    {"pxfak_Label", 3, 0, 1},    {"pxfak_Edit", 3, 1, 3},
    {"DividendLabel", 5, 0, 1},  {"DividendEdit", 5, 1, 1},
    {"DivisorLabel", 5, 2, 1},   {"DivisorEdit", 5, 3, 1},
    {"KvotientLabel", 6, 0, 1},  {"KvotientEdit", 6, 1, 1},
    {"RestLabel", 6, 2, 1},      {"RestEdit", 6, 3, 1},
    {"PolBroekLabel", 8, 0, 1},  {"PolBroekEdit", 8, 1, 3},
    {"ReduceretPolBroekLabel", 9, 0, 1}, {"ReduceretPolBroekEdit", 9, 1, 3},
};

constexpr GridCell Extremum[] = {
    {"AntalVariableLabel", 0, 0, 1}, {"AntalVariableSpinEdit", 0, 1, 1},
    {"fxyzLabel", 1, 0, 1},          {"fxyzEdit", 1, 1, 3},
    {"xyz0Label", 2, 0, 1},          {"xyz0Edit", 2, 1, 1},
    {"Praecision_Label", 2, 2, 1},   {"Praecision_Edit", 2, 3, 1},
    {"MinKoorLabel", 4, 0, 1},       {"xyzMinEdit", 4, 1, 1},
    {"fminLabel", 4, 2, 1},          {"fminEdit", 4, 3, 1},
};

constexpr GridCell TrancendenteLigninger[] = {
    {"Label1", 0, 0, 1},          {"AntalLigningerSpinEdit", 0, 1, 1},
    {"PraecisionLabel", 0, 2, 1}, {"PraecisionEdit", 0, 3, 1},
    {"Label11", 1, 0, 4},
    {"Label13", 2, 0, 1}, {"Ligning1Edit", 2, 1, 3},
    {"Label6", 3, 0, 1},  {"Ligning2Edit", 3, 1, 3},
    {"Label14", 4, 0, 1}, {"Ligning3Edit", 4, 1, 3},
    {"Label15", 5, 0, 1}, {"Ligning4Edit", 5, 1, 3},
    {"Label16", 6, 0, 1}, {"Ligning5Edit", 6, 1, 3},
    {"xy0Label", 7, 0, 1},        {"xy0Edit", 7, 1, 1},
    {"Label12", 7, 2, 1},         {"NewtonRapsonRadioButton", 7, 3, 1},
    {"xyzLabel", 8, 0, 1},        {"LoesningEdit", 8, 1, 1},
    {"MinimumForKvadratsumRadioButton", 8, 3, 1},
};

constexpr GridCell FaktorReduktion[] = {
    {"FaktorReduktionLabel", 0, 0, 4},
    {"fxLabel", 1, 0, 1},          {"Factor_fxEdit", 1, 1, 3},
    {"ReduceretFxLabel", 2, 0, 1}, {"ReduceretFxEdit", 2, 1, 3},
};

constexpr GridCell Funktion[] = {
    {"Label18", 0, 0, 4},
    {"f_x_Label", 1, 0, 1},  {"f_x_Edit", 1, 1, 3},
    {"x0_Label", 2, 0, 1},   {"x0Edit", 2, 1, 1},
    {"f_x0_Label", 2, 2, 1}, {"f_x0_Edit", 2, 3, 1},
};

constexpr GridCell Regression[] = {
    {"VaelgRegressionsMetodeLabel", 0, 0, 4},
    {"LineaerRegressionRadioButton", 1, 0, 2},
    {"AntalRegressionsPunkterLabel", 1, 2, 1}, {"AntalRegressionsPunkterSpinEdit", 1, 3, 1},
    {"PolynomiaerRegressionRadioButton", 2, 0, 2},
    {"PolGradLabel", 2, 2, 1},                 {"PolGradSpinEdit", 2, 3, 1},
    {"PunkterLabel", 4, 0, 1},                 {"RegressionsPunkterEdit", 4, 1, 3},
    {"RegressionsLiniensLigningLabel", 5, 0, 1},     {"RegressionsLiniensLigningEdit", 5, 1, 3},
    {"RegressionsPolynomietsligningLabel", 6, 0, 1}, {"RegressionsPolynomietsligningEdit", 6, 1, 3},
    {"EksponentielRegressionRadioButton", 3, 0, 1}, {"PotensRegressionRadioButton", 3, 1, 1},
    {"RegressionsligningLabel", 7, 0, 1},      {"RegressionsligningEdit", 7, 1, 3},
    {"ForklaringsgradLabel", 8, 0, 1},         {"ForklaringsgradEdit", 8, 1, 1},
};

}  // namespace

std::span<const GridCell> PageGrid(Page page) {
    switch (page) {
    case IntegrationTabSheet: return Integration;
    case DifferentiationTabSheet: return Differentiation;
    case PolynomierTabSheet: return Polynomier;
    case ExtremumTabSheet: return Extremum;
    case TrancendenteLigningerTabSheet: return TrancendenteLigninger;
    case FaktorReduktionTabSheet: return FaktorReduktion;
    case FunktionTabSheet: return Funktion;
    case RegressionTabSheet: return Regression;
    case LogTabSheet:
    case PageCount: break;
    }
    return {};
}
