#pragma once
// Event handlers of the main window, named control + event. Each takes the
// whole form model; engines reach the user through the installed Host.
#include "Form.h"

// The f(x) fields of Integration, Differentiation and y=f(x) share their
// function: a function taken in on one of them is written into the others
// that are still empty.
void ShareFunction(Form& form, const Control& source);

// Integration
void fxEditExit(Form& form);
void NedreGraenseEditExit(Form& form);
void OevreGraenseEditExit(Form& form);
// y=f(x)
void f_x_EditExit(Form& form);
void x0EditExit(Form& form);

// Differentiation
void fx_EditExit(Form& form);
void x_EditExit(Form& form);

// Polynomier
void px_EditExit(Form& form);
void DividendEditExit(Form& form);
void DivisorEditExit(Form& form);
void PolBroekEditExit(Form& form);

// FaktorReduktion
void Factor_fxEditExit(Form& form);

// Minimum for funktion
void AntalVariableSpinEditChange(Form& form);
void fxyzEditExit(Form& form);
void xyz0EditExit(Form& form);
void Praecision_EditExit(Form& form);

// n-ubekendte Ligninger
void AntalLigningerSpinEditChange(Form& form);
void LigningEditEnter(Form& form, int k);
void Ligning1EditExit(Form& form);
void Ligning2EditExit(Form& form);
void Ligning3EditExit(Form& form);
void Ligning4EditExit(Form& form);
void Ligning5EditExit(Form& form);
void xy0EditExit(Form& form);
void PraecisionEditExit(Form& form);

// Regression
void RegressionMethodChange(Form& form);
void PolGradSpinEditChange(Form& form);
void AntalRegressionsPunkterSpinEditChange(Form& form);
void AntalRegressionsPunkterSpinEditEnter(Form& form);
void RegressionsPunkterEditExit(Form& form);

// Menu items (printing and closing belong to the window itself)
void FunktionMenuItemClick(Form& form);
void StamfunktionMenuItemClick(Form& form);
void BestemtIntegralMenuItemClick(Form& form);
void DifferentiationMenuItemClick(Form& form);
void ExtremumMenuItemClick(Form& form);
void n_ubekendteligningerMenuItemClick(Form& form);
void PolynomiersRoedderMenuItemClick(Form& form);
void PolynomiersDivisionMenuItemClick(Form& form);
void ReduktionAfPolynomiumsBroekerMenuItemClick(Form& form);
void FaktorReduktionMenuItemClick(Form& form);
void ReggressionMenuItemClick(Form& form);

struct MenuInfo {
    const char* name;
    const char* caption;           // Windows-1252, "&" marks the access key
    const char* parent;            // nullptr: on the menu bar
    void (*click)(Form&);          // nullptr: a submenu, or an action of the window
};
extern const std::vector<MenuInfo> MenuTable;
