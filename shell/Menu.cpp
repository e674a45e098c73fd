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
    InputEdited(form, "fxEdit");
    form.SetFocus("fxEdit");
}

void BestemtIntegralMenuItemClick(Form& form) { StamfunktionMenuItemClick(form); }

void DifferentiationMenuItemClick(Form& form) {
    form.ActivePage = DifferentiationTabSheet;
    auto& d = form.Differentiation;
    d.fx_Edit.text.clear();
    d.x_Edit.text.clear();
    InputEdited(form, "fx_Edit");
    form.SetFocus("fx_Edit");
}

void ExtremumMenuItemClick(Form& form) { form.ActivePage = ExtremumTabSheet; }

void n_ubekendteligningerMenuItemClick(Form& form) {
    form.ActivePage = TrancendenteLigningerTabSheet;
    ErrorFlag = false;
}

void PolynomiersRoedderMenuItemClick(Form& form) {
    form.ActivePage = PolynomierTabSheet;
    form.Polynomier.px_Edit.text.clear();
    InputEdited(form, "px_Edit");
    form.SetFocus("px_Edit");
}

void PolynomiersDivisionMenuItemClick(Form& form) {
    form.ActivePage = PolynomierTabSheet;
    auto& p = form.Polynomier;
    p.DividendEdit.text.clear();
    p.DivisorEdit.text.clear();
    p.KvotientEdit.text.clear();
    p.RestEdit.text.clear();
    form.SetFocus("DividendEdit");
}

void ReduktionAfPolynomiumsBroekerMenuItemClick(Form& form) {
    form.ActivePage = PolynomierTabSheet;
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
    {"UdskrivLogMenuItem", "&Udskriv log...", "ProgramMenuItem", nullptr},
    {"GemLogPdfMenuItem", "Gem log som &PDF...", "ProgramMenuItem", nullptr},
    {"GemLogTekstMenuItem", "Gem log som &tekst...", "ProgramMenuItem", nullptr},
    {"DecimalkommaMenuItem", "&Decimalkomma", "ProgramMenuItem", nullptr},
    {"AfslutMenuItem", "&Afslut", "ProgramMenuItem", nullptr},
    {"FunktionMenuItem", "y=&f(x)", nullptr, FunktionMenuItemClick},
    {"IntegrationMenuItem", "&Integration", nullptr, nullptr},
    {"StamfunktionMenuItem", "Stamfunktion", "IntegrationMenuItem", StamfunktionMenuItemClick},
    {"BestemtIntegralMenuItem", "&Bestemt integral", "IntegrationMenuItem", BestemtIntegralMenuItemClick},
    {"DifferentiationMenuItem", "&Differentiation", nullptr, DifferentiationMenuItemClick},
    {"ExtremumMenuItem", "&Minimum for funktion", nullptr, ExtremumMenuItemClick},
    {"n_ubekendteligningerMenuItem", "&n-ubekendte ligninger", nullptr, n_ubekendteligningerMenuItemClick},
    {"PolynomierMenuItem", "P&olynomier", nullptr, nullptr},
    {"PolynomiersRoedderMenuItem", "Polynomiers &R\xF8" "dder", "PolynomierMenuItem", PolynomiersRoedderMenuItemClick},
    {"PolynomiersDivisionMenuItem", "Polynomiers &Division", "PolynomierMenuItem", PolynomiersDivisionMenuItemClick},
    {"ReduktionAfPolynomiumsBroekerMenuItem", "Reduktion af polynomiums&br\xF8ker", "PolynomierMenuItem",
     ReduktionAfPolynomiumsBroekerMenuItemClick},
    {"FaktorReduktionMenuItem", "Faktor&reduktion", nullptr, FaktorReduktionMenuItemClick},
    {"ReggressionMenuItem", "R&egression", nullptr, ReggressionMenuItemClick},
    {"GrafMenuItem", "&Graf", nullptr, nullptr},
    {"VisGrafMenuItem", "&Vis graf", "GrafMenuItem", nullptr},
    {"HjaelpMenuItem", "&Hj\xE6lp", nullptr, nullptr},
    {"NotationMenuItem", "&Notation", "HjaelpMenuItem", nullptr},
    {"OmKvadrixMenuItem", "&Om Kvadrix", "HjaelpMenuItem", nullptr},
};
