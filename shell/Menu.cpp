// Menu items that only move between pages and empty fields.
#include "Handlers.h"
#include "Host.h"

void FunktionMenuItemClick(Form& form) {
    form.ActivePage = FunktionTabSheet;
    form.SetFocus("f_x_Edit");
}

void StamfunktionMenuItemClick(Form& form) {
    form.ActivePage = IntegrationTabSheet;
    form.Integration.fxEdit.text.clear();
    form.Integration.StamfunktionEdit.text.clear();
    auto& s = form.State;
    s.FunctionText.Clear();
    s.LowerBoundText.Clear();
    s.UpperBoundText.Clear();
    s.AntiderivativeText.Clear();
    s.IntegralValueText.Clear();
    form.SetFocus("fxEdit");
}

void BestemtIntegralMenuItemClick(Form& form) { StamfunktionMenuItemClick(form); }

void DifferentiationMenuItemClick(Form& form) {
    form.ActivePage = DifferentiationTabSheet;
    auto& d = form.Differentiation;
    d.fx_Edit.text.clear();
    d.df_dx_Edit.text.clear();
    d.x_Edit.text.clear();
    d.f_value_Edit.text.clear();
    form.State.FunctionText.Clear();
    form.SetFocus("fx_Edit");
}

void ExtremumMenuItemClick(Form& form) { form.ActivePage = ExtremumTabSheet; }

void n_ubekendteligningerMenuItemClick(Form& form) {
    form.ActivePage = TrancendenteLigningerTabSheet;
    form.State.MinimumFunctionText.Clear();
    ErrorFlag = false;
}

void PolynomiersRoedderMenuItemClick(Form& form) {
    form.ActivePage = PolynomierTabSheet;
    form.State.PolynomialText.Clear();
    form.Polynomier.px_Edit.text.clear();
    form.Polynomier.RoedderEdit.text.clear();
    form.SetFocus("px_Edit");
}

void PolynomiersDivisionMenuItemClick(Form& form) {
    form.ActivePage = PolynomierTabSheet;
    form.State.PolynomialText.Clear();
    auto& p = form.Polynomier;
    p.DividendEdit.text.clear();
    p.DivisorEdit.text.clear();
    p.KvotientEdit.text.clear();
    p.RestEdit.text.clear();
    form.SetFocus("DividendEdit");
}

void ReduktionAfPolynomiumsBroekerMenuItemClick(Form& form) {
    form.ActivePage = PolynomierTabSheet;
    form.State.FunctionText.Clear();
    form.Polynomier.PolBroekEdit.text.clear();
    form.Polynomier.ReduceretPolBroekEdit.text.clear();
    form.SetFocus("PolBroekEdit");
}

void FaktorReduktionMenuItemClick(Form& form) {
    form.ActivePage = FaktorReduktionTabSheet;
    form.SetFocus("Factor_fxEdit");
}

void ReggressionMenuItemClick(Form& form) { form.ActivePage = RegressionTabSheet; }

const std::vector<MenuInfo> MenuTable = {
    {"ProgramMenuItem", "&Program", nullptr, nullptr},
    {"UdskrivLogMenuItem", "&Udskriv Log", "ProgramMenuItem", nullptr},
    {"DecimalkommaMenuItem", "&Decimalkomma", "ProgramMenuItem", nullptr},
    {"AfslutMenuItem", "&Afslut", "ProgramMenuItem", nullptr},
    {"FunktionMenuItem", "y=&f(x)", nullptr, FunktionMenuItemClick},
    {"IntegrationMenuItem", "&Integration", nullptr, nullptr},
    {"StamfunktionMenuItem", "Stamfunktion", "IntegrationMenuItem", StamfunktionMenuItemClick},
    {"BestemtIntegralMenuItem", "&Bestemt Integral", "IntegrationMenuItem", BestemtIntegralMenuItemClick},
    {"DifferentiationMenuItem", "&Differentiation", nullptr, DifferentiationMenuItemClick},
    {"ExtremumMenuItem", "&Minimum for funktion", nullptr, ExtremumMenuItemClick},
    {"n_ubekendteligningerMenuItem", "&n-ubekendte ligninger", nullptr, n_ubekendteligningerMenuItemClick},
    {"PolynomierMenuItem", "&Polynomier", nullptr, nullptr},
    {"PolynomiersRoedderMenuItem", "Polynomiers &R\xF8" "dder", "PolynomierMenuItem", PolynomiersRoedderMenuItemClick},
    {"PolynomiersDivisionMenuItem", "Polynomiers &Division", "PolynomierMenuItem", PolynomiersDivisionMenuItemClick},
    {"ReduktionAfPolynomiumsBroekerMenuItem", "Reduktion af polynomiumsBr\xF8ker", "PolynomierMenuItem",
     ReduktionAfPolynomiumsBroekerMenuItemClick},
    {"FaktorReduktionMenuItem", "Faktor &Reduktion", nullptr, FaktorReduktionMenuItemClick},
    {"ReggressionMenuItem", "R&eggression", nullptr, ReggressionMenuItemClick},
    {"GrafMenuItem", "&Graf", nullptr, nullptr},
    {"VisGrafMenuItem", "&Vis graf", "GrafMenuItem", nullptr},
};
