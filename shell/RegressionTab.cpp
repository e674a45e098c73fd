// The Regression tab: the least-squares line, or polynomial of degree 2 to
// 10, through 3 to 21 points.
#include <string>

#include "Confirm.h"
#include "Handlers.h"
#include "Host.h"
#include "LinearEquations.h"
#include "PointText.h"
#include "HandlerSupport.h"
#include "TextOps.h"
#include "TextUtils.h"

namespace {

// The method and the count fit: at least 3 points for a line, and a degree
// from 2 to below n for a polynomial.
bool Fits(const RegressionTab& tab) {
    const int n = tab.AntalRegressionsPunkterSpinEdit.value;
    if (tab.LineaerRegressionRadioButton.checked) return n >= 3;
    const int degree = tab.PolGradSpinEdit.value;
    return tab.PolynomiaerRegressionRadioButton.checked && 2 <= degree && degree < n;
}

// Brings the tab in line with its method, degree and count at once: the
// degree enabled for a polynomial, the points field enabled when they fit
// (slots added for a raised count, typed points kept), the fits emptied.
void Prepare(Form& form, const char* changed) {
    auto& tab = form.Regression;
    tab.PolGradSpinEdit.enabled = tab.PolynomiaerRegressionRadioButton.checked;
    InputEdited(form, changed);
    if (!Fits(tab)) {
        if (tab.RegressionsPunkterEdit.enabled) AddLogLine("Polynomiumsgrad og Antal Regressions Punkter skal v\xE6lges");
        tab.RegressionsPunkterEdit.enabled = false;
        return;
    }
    tab.RegressionsPunkterEdit.text = WithPoints(tab.RegressionsPunkterEdit.text, tab.AntalRegressionsPunkterSpinEdit.value);
    tab.RegressionsPunkterEdit.enabled = true;
}

std::string Coefficient(double c) { return FormatNumber(10, 4, c); }
std::string SignedCoefficient(double c) { return SignedTerm(ExpressionText(Coefficient(c))).Str(); }

// The fitted line or polynomial as the tab shows it: the leading term
// always, lower terms only when their coefficient is not exactly 0.
std::string PolynomialText(int degree, const RegressionCoefficients& p) {
    auto power = [](int k) { return k >= 2 ? "*x^" + std::to_string(k) : k == 1 ? std::string("*x") : std::string(); };
    std::string text = Coefficient(p[degree]) + power(degree);
    for (int k = degree - 1; k >= 0; --k)
        if (p[k] != 0) text += SignedCoefficient(p[k]) + power(k);
    return text;
}

// Logs the Kontrol line of a fit and shows its equation when it passed.
void Publish(Control& output, const std::string& equation, int degree, const RegressionCoefficients& p, int n,
             const Vector& x, const Vector& y) {
    ExpressionText shown(equation);
    BeforeCheck("regressionsligning", shown);
    const Confirmation check = ConfirmFitText(shown, degree, p, n, x, y);
    AddLogLine(check.report);
    if (check.confirmed) output.text = shown.Str();
}

}  // namespace

void RegressionMethodChange(Form& form) { Prepare(form, "PolynomiaerRegressionRadioButton"); }

void PolGradSpinEditChange(Form& form) { Prepare(form, "PolGradSpinEdit"); }

void AntalRegressionsPunkterSpinEditChange(Form& form) { Prepare(form, "AntalRegressionsPunkterSpinEdit"); }

void AntalRegressionsPunkterSpinEditEnter(Form& form) {
    if (form.Regression.RegressionsPunkterEdit.enabled) form.SetFocus("RegressionsPunkterEdit");
}

// Fits the chosen line or polynomial through the typed points.
void RegressionsPunkterEditExit(Form& form) {
    auto& tab = form.Regression;
    tab.RegressionsLiniensLigningEdit.text.clear();
    tab.RegressionsPolynomietsligningEdit.text.clear();
    // Method, degree and count as the controls show them; the field is
    // disabled when they do not fit.
    if (!Fits(tab) || tab.RegressionsPunkterEdit.text.empty()) return;
    // No separator line: the regression's log starts with its points.
    Computation c({&tab.RegressionsLiniensLigningEdit, &tab.RegressionsPolynomietsligningEdit}, false);
    const int n = tab.AntalRegressionsPunkterSpinEdit.value;
    const int chosenDegree = tab.PolGradSpinEdit.value;
    Vector x{}, y{};
    RegressionCoefficients p{};
    if (!ReadDataPoints(n, ExpressionText(tab.RegressionsPunkterEdit.text), x, y)) return;
    ErrorFlag = false;
    if (tab.LineaerRegressionRadioButton.checked) {
        double a = 0, b = 0;
        if (!LinearRegression(n, x, y, a, b)) {
            AddLogLine("Fejl ved bestemmelse af Regressionslinien: alle punkter har samme x");
            return;
        }
        const std::string equation = Coefficient(a) + "*x" + SignedCoefficient(b);
        AddLogLine("Regressionsliniens ligning: " + equation);
        p[0] = b;
        p[1] = a;
        Publish(tab.RegressionsLiniensLigningEdit, equation, 1, p, n, x, y);
        return;
    }
    if (!PolynomialRegression(n, chosenDegree, x, y, p)) {
        AddLogLine("Fejl ved bestemmelse af Regressionspolynomiet");
        return;
    }
    // The degree the fit was made with, should the degree have been raised
    // after the count was confirmed.
    const int degree = FittedDegree(n, chosenDegree);
    AddLogLine("RegressionsPolynomiets er");
    const std::string equation = PolynomialText(degree, p);
    AddLogLine(equation);
    Publish(tab.RegressionsPolynomietsligningEdit, equation, degree, p, n, x, y);
}
