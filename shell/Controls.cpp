// The field table: every control of the nine pages with its initial state.
// Captions are Windows-1252 byte strings.
#include "Form.h"

namespace {
// Initial states
Control Text(const char* s) { return Control{s}; }
Control Disabled(const char* s = "") { Control c{s}; c.enabled = false; return c; }
Control Spin(int minimum, int maximum, int value, bool enabled = true) {
    Control c;
    c.minimum = minimum;
    c.maximum = maximum;
    c.value = value;
    c.enabled = enabled;
    c.text = std::to_string(value);
    return c;
}
Control Radio(const char* caption, bool checked) { Control c{caption}; c.checked = checked; return c; }
}  // namespace

#define ROW(pageName, tab, control, kind, labelName, initial) \
    {{pageName, #control, ControlKind::kind, labelName, [](Form& f) -> Control& { return f.tab.control; }}, initial}

struct InitialRow {
    ControlInfo info;
    Control initial;
};

static const std::vector<InitialRow>& Rows() {
    static const std::vector<InitialRow> rows = {
        // Integration
        ROW(IntegrationTabSheet, Integration, IntegrandLabel, Label, nullptr, Text("f(x) =")),
        ROW(IntegrationTabSheet, Integration, fxEdit, Input, "IntegrandLabel", Text("")),
        ROW(IntegrationTabSheet, Integration, StamfunktionLabel, Label, nullptr, Text("F(x) =")),
        ROW(IntegrationTabSheet, Integration, StamfunktionEdit, Output, "StamfunktionLabel", Text("")),
        ROW(IntegrationTabSheet, Integration, NedreGraenseLabel, Label, nullptr, Text("Nedre Gr\xE6nse")),
        ROW(IntegrationTabSheet, Integration, NedreGraenseEdit, Input, "NedreGraenseLabel", Text("")),
        ROW(IntegrationTabSheet, Integration, OevreGraenseLabel, Label, nullptr, Text("\xD8vre Gr\xE6nse")),
        ROW(IntegrationTabSheet, Integration, OevreGraenseEdit, Input, "OevreGraenseLabel", Text("")),
        ROW(IntegrationTabSheet, Integration, BestemtIntegralLabel, Label, nullptr, Text("Bestemt Integral =")),
        ROW(IntegrationTabSheet, Integration, BestemtIntegralEdit, Output, "BestemtIntegralLabel", Text("")),
        // Differentiation
        ROW(DifferentiationTabSheet, Differentiation, fx_Label, Label, nullptr, Text("f(x) =")),
        ROW(DifferentiationTabSheet, Differentiation, fx_Edit, Input, "fx_Label", Text("")),
        ROW(DifferentiationTabSheet, Differentiation, df_dx_Label, Label, nullptr, Text("f'(x) =")),
        ROW(DifferentiationTabSheet, Differentiation, df_dx_Edit, Output, "df_dx_Label", Text("")),
        ROW(DifferentiationTabSheet, Differentiation, xLabel, Label, nullptr, Text("x0 =")),
        ROW(DifferentiationTabSheet, Differentiation, x_Edit, Input, "xLabel", Text("")),
        ROW(DifferentiationTabSheet, Differentiation, f_value_Label, Label, nullptr, Text("f(x0) =")),
        ROW(DifferentiationTabSheet, Differentiation, f_value_Edit, Output, "f_value_Label", Text("")),
        ROW(DifferentiationTabSheet, Differentiation, df_x0_Label, Label, nullptr, Text("f'(x0) =")),
        ROW(DifferentiationTabSheet, Differentiation, df_x0_Edit, Output, "df_x0_Label", Text("")),
        ROW(DifferentiationTabSheet, Differentiation, TangentLabel, Label, nullptr, Text("Tangent:")),
        ROW(DifferentiationTabSheet, Differentiation, TangentEdit, Output, "TangentLabel", Text("")),
        // Polynomier
        ROW(PolynomierTabSheet, Polynomier, px_Label, Label, nullptr, Text("p(x) =")),
        ROW(PolynomierTabSheet, Polynomier, px_Edit, Input, "px_Label", Text("")),
        ROW(PolynomierTabSheet, Polynomier, RoedderLabel, Label, nullptr, Text("R\xF8" "dder")),
        ROW(PolynomierTabSheet, Polynomier, RoedderEdit, Output, "RoedderLabel", Text("")),
        ROW(PolynomierTabSheet, Polynomier, pxfak_Label, Label, nullptr, Text("Faktoriseret")),
        ROW(PolynomierTabSheet, Polynomier, pxfak_Edit, Output, "pxfak_Label", Text("")),
        ROW(PolynomierTabSheet, Polynomier, DividendLabel, Label, nullptr, Text("p(x) =")),
        ROW(PolynomierTabSheet, Polynomier, DividendEdit, Input, "DividendLabel", Text("")),
        ROW(PolynomierTabSheet, Polynomier, DivisorLabel, Label, nullptr, Text("d(x) =")),
        ROW(PolynomierTabSheet, Polynomier, DivisorEdit, Input, "DivisorLabel", Text("")),
        ROW(PolynomierTabSheet, Polynomier, KvotientLabel, Label, nullptr, Text("q(x) =")),
        ROW(PolynomierTabSheet, Polynomier, KvotientEdit, Output, "KvotientLabel", Text("")),
        ROW(PolynomierTabSheet, Polynomier, RestLabel, Label, nullptr, Text("r(x) =")),
        ROW(PolynomierTabSheet, Polynomier, RestEdit, Output, "RestLabel", Text("")),
        ROW(PolynomierTabSheet, Polynomier, WarningLabel, Label, nullptr, Text("Polynomier skal skrives efter aftagende potens af x")),
        ROW(PolynomierTabSheet, Polynomier, PolBroekLabel, Label, nullptr, Text("f(x) = p(x)/q(x) =")),
        ROW(PolynomierTabSheet, Polynomier, PolBroekEdit, Input, "PolBroekLabel", Text("")),
        ROW(PolynomierTabSheet, Polynomier, ReduceretPolBroekLabel, Label, nullptr, Text("Reduceret p(x)/q(x) =")),
        ROW(PolynomierTabSheet, Polynomier, ReduceretPolBroekEdit, Output, "ReduceretPolBroekLabel", Text("")),
        // Minimum for funktion
        ROW(ExtremumTabSheet, Extremum, AntalVariableLabel, Label, nullptr, Text("Antal Variable")),
        ROW(ExtremumTabSheet, Extremum, AntalVariableSpinEdit, SpinEdit, "AntalVariableLabel", Spin(1, 5, 2)),
        ROW(ExtremumTabSheet, Extremum, fxyzLabel, Label, nullptr, Text("f(x,y) =")),
        ROW(ExtremumTabSheet, Extremum, fxyzEdit, Input, "fxyzLabel", Text("")),
        ROW(ExtremumTabSheet, Extremum, xyz0Label, Label, nullptr, Text("(x0,y0) =")),
        ROW(ExtremumTabSheet, Extremum, xyz0Edit, Input, "xyz0Label", Text("(0,0)")),
        ROW(ExtremumTabSheet, Extremum, Praecision_Label, Label, nullptr, Text("Pr\xE6" "cision")),
        ROW(ExtremumTabSheet, Extremum, Praecision_Edit, Input, "Praecision_Label", Text("0.00001")),
        ROW(ExtremumTabSheet, Extremum, MinKoorLabel, Label, nullptr, Text("L\xF8sning (x,y) =")),
        ROW(ExtremumTabSheet, Extremum, xyzMinEdit, Output, "MinKoorLabel", Text("")),
        ROW(ExtremumTabSheet, Extremum, fminLabel, Label, nullptr, Text("Minf=")),
        ROW(ExtremumTabSheet, Extremum, fminEdit, Output, "fminLabel", Text("")),
        // n-ubekendte Ligninger
        ROW(TrancendenteLigningerTabSheet, TrancendenteLigninger, Label1, Label, nullptr, Text("Antal Ligninger")),
        ROW(TrancendenteLigningerTabSheet, TrancendenteLigninger, AntalLigningerSpinEdit, SpinEdit, "Label1", Spin(1, 5, 2)),
        ROW(TrancendenteLigningerTabSheet, TrancendenteLigninger, Label13, Label, nullptr, Text("1.")),
        ROW(TrancendenteLigningerTabSheet, TrancendenteLigninger, Ligning1Edit, Input, "Label13", Text("")),
        ROW(TrancendenteLigningerTabSheet, TrancendenteLigninger, Label6, Label, nullptr, Text("2.")),
        ROW(TrancendenteLigningerTabSheet, TrancendenteLigninger, Ligning2Edit, Input, "Label6", Text("")),
        ROW(TrancendenteLigningerTabSheet, TrancendenteLigninger, Label14, Label, nullptr, Text("3.")),
        ROW(TrancendenteLigningerTabSheet, TrancendenteLigninger, Ligning3Edit, Input, "Label14", Disabled()),
        ROW(TrancendenteLigningerTabSheet, TrancendenteLigninger, Label15, Label, nullptr, Text("4.")),
        ROW(TrancendenteLigningerTabSheet, TrancendenteLigninger, Ligning4Edit, Input, "Label15", Disabled()),
        ROW(TrancendenteLigningerTabSheet, TrancendenteLigninger, Label16, Label, nullptr, Text("5.")),
        ROW(TrancendenteLigningerTabSheet, TrancendenteLigninger, Ligning5Edit, Input, "Label16", Disabled()),
        ROW(TrancendenteLigningerTabSheet, TrancendenteLigninger, Label11, Label, nullptr, Text("Bem\xE6rk! Alle ligninger er underforst\xE5" "et = 0 . Man skal kun skrive venstre side af ligningerne")),
        ROW(TrancendenteLigningerTabSheet, TrancendenteLigninger, xy0Label, Label, nullptr, Text("(x0,y0) =")),
        ROW(TrancendenteLigningerTabSheet, TrancendenteLigninger, xy0Edit, Input, "xy0Label", Text("(0,0)")),
        ROW(TrancendenteLigningerTabSheet, TrancendenteLigninger, xyzLabel, Label, nullptr, Text("(x,y) =")),
        ROW(TrancendenteLigningerTabSheet, TrancendenteLigninger, LoesningEdit, Output, "xyzLabel", Text("")),
        ROW(TrancendenteLigningerTabSheet, TrancendenteLigninger, Label12, Label, nullptr, Text("L\xF8sningsmetode")),
        ROW(TrancendenteLigningerTabSheet, TrancendenteLigninger, MinimumForKvadratsumRadioButton, RadioButton, nullptr, Radio("Minimum for kvadratsum af ligninger", false)),
        ROW(TrancendenteLigningerTabSheet, TrancendenteLigninger, NewtonRapsonRadioButton, RadioButton, nullptr, Radio("Generaliseret Newton-Raphson", true)),
        ROW(TrancendenteLigningerTabSheet, TrancendenteLigninger, PraecisionLabel, Label, nullptr, Text("Pr\xE6" "cision")),
        ROW(TrancendenteLigningerTabSheet, TrancendenteLigninger, PraecisionEdit, Input, "PraecisionLabel", Text("0.00001")),
        // FaktorReduktion
        ROW(FaktorReduktionTabSheet, FaktorReduktion, FaktorReduktionLabel, Label, nullptr, Text("Skriv et udtryk f(x), s\xE5 vil det blive fors\xF8gt reduceret")),
        ROW(FaktorReduktionTabSheet, FaktorReduktion, fxLabel, Label, nullptr, Text("f(x) =")),
        ROW(FaktorReduktionTabSheet, FaktorReduktion, Factor_fxEdit, Input, "fxLabel", Text("")),
        ROW(FaktorReduktionTabSheet, FaktorReduktion, ReduceretFxLabel, Label, nullptr, Text("Reduceret f(x) =")),
        ROW(FaktorReduktionTabSheet, FaktorReduktion, ReduceretFxEdit, Output, "ReduceretFxLabel", Text("")),
        // y=f(x)
        ROW(FunktionTabSheet, Funktion, Label18, Label, nullptr, Text("Indtast en funktion og et tal, s\xE5 bliver funktionsv\xE6rdien udregnet")),
        ROW(FunktionTabSheet, Funktion, f_x_Label, Label, nullptr, Text("f(x) =")),
        ROW(FunktionTabSheet, Funktion, f_x_Edit, Input, "f_x_Label", Text("")),
        ROW(FunktionTabSheet, Funktion, x0_Label, Label, nullptr, Text("x0 =")),
        ROW(FunktionTabSheet, Funktion, x0Edit, Input, "x0_Label", Text("")),
        ROW(FunktionTabSheet, Funktion, f_x0_Label, Label, nullptr, Text("f(x0) =")),
        ROW(FunktionTabSheet, Funktion, f_x0_Edit, Output, "f_x0_Label", Text("")),
        // Regression
        ROW(RegressionTabSheet, Regression, VaelgRegressionsMetodeLabel, Label, nullptr, Text("V\xE6lg regressionsmetode og indtast punkterne nedenfor")),
        ROW(RegressionTabSheet, Regression, LineaerRegressionRadioButton, RadioButton, nullptr, Radio("&Line\xE6r regression", true)),
        ROW(RegressionTabSheet, Regression, PolynomiaerRegressionRadioButton, RadioButton, nullptr, Radio("Pol&ynomiel regression", false)),
        ROW(RegressionTabSheet, Regression, PolGradLabel, Label, nullptr, Text("Polynomium&sgrad")),
        ROW(RegressionTabSheet, Regression, PolGradSpinEdit, SpinEdit, "PolGradLabel", Spin(2, 10, 2, false)),
        ROW(RegressionTabSheet, Regression, AntalRegressionsPunkterLabel, Label, nullptr, Text("&Antal regressionspunkter")),
        ROW(RegressionTabSheet, Regression, AntalRegressionsPunkterSpinEdit, SpinEdit, "AntalRegressionsPunkterLabel", Spin(3, 21, 5)),
        ROW(RegressionTabSheet, Regression, PunkterLabel, Label, nullptr, Text("(x1,y1),(x2,y2)....(xn,yn)")),
        ROW(RegressionTabSheet, Regression, RegressionsPunkterEdit, Input, "PunkterLabel", Text("")),
        ROW(RegressionTabSheet, Regression, RegressionsLiniensLigningLabel, Label, nullptr, Text("Regressionsliniens Ligning")),
        ROW(RegressionTabSheet, Regression, RegressionsLiniensLigningEdit, Output, "RegressionsLiniensLigningLabel", Text("")),
        ROW(RegressionTabSheet, Regression, RegressionsPolynomietsligningLabel, Label, nullptr, Text("Regressionspolynomiets Ligning")),
        ROW(RegressionTabSheet, Regression, RegressionsPolynomietsligningEdit, Output, "RegressionsPolynomietsligningLabel", Text("")),
        ROW(RegressionTabSheet, Regression, EksponentielRegressionRadioButton, RadioButton, nullptr, Radio("E&ksponentiel regression", false)),
        ROW(RegressionTabSheet, Regression, PotensRegressionRadioButton, RadioButton, nullptr, Radio("Po&tensregression", false)),
        ROW(RegressionTabSheet, Regression, RegressionsligningLabel, Label, nullptr, Text("Regressionsligning")),
        ROW(RegressionTabSheet, Regression, RegressionsligningEdit, Output, "RegressionsligningLabel", Text("")),
        ROW(RegressionTabSheet, Regression, ForklaringsgradLabel, Label, nullptr, Text("Forklaringsgrad R^2 =")),
        ROW(RegressionTabSheet, Regression, ForklaringsgradEdit, Output, "ForklaringsgradLabel", Text("")),
    };
    return rows;
}

const std::vector<ControlInfo> ControlTable = [] {
    std::vector<ControlInfo> table;
    for (const auto& row : Rows()) table.push_back(row.info);
    return table;
}();

const PageInfo Pages[PageCount] = {
    {"IntegrationTabSheet", "Integration"},
    {"DifferentiationTabSheet", "Differentiation"},
    {"PolynomierTabSheet", "Polynomier"},
    {"ExtremumTabSheet", "Minimum for funktion"},
    {"TrancendenteLigningerTabSheet", "n-ubekendte ligninger"},
    {"FaktorReduktionTabSheet", "Faktorreduktion"},
    {"LogTabSheet", "Log"},
    {"FunktionTabSheet", "y=f(x)"},
    {"RegressionTabSheet", "Regression"},
};

const ControlInfo* FindControl(std::string_view name) {
    for (const auto& info : ControlTable)
        if (name == info.name) return &info;
    return nullptr;
}

std::string FieldCaption(Form& form, std::string_view control) {
    const ControlInfo* info = FindControl(control);
    if (!info) return {};
    std::string caption;
    if (info->label) {
        if (const Control* label = form.Find(info->label)) caption = label->text;
    } else if (info->kind == ControlKind::RadioButton) {
        caption = info->get(form).text;
    }
    // Access-key marks and the "=" or ":" that leads to the field are no part of its name.
    std::erase(caption, '&');
    while (!caption.empty() && (caption.back() == ' ' || caption.back() == '=' || caption.back() == ':'))
        caption.pop_back();
    return caption;
}

Form::Form() {
    for (const auto& row : Rows()) row.info.get(*this) = row.initial;
    LogMemo = {"Log over mellemregninger"};
}

Control* Form::Find(std::string_view control) {
    const ControlInfo* info = FindControl(control);
    return info ? &info->get(*this) : nullptr;
}
