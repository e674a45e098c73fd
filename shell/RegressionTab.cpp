// The Regression tab: the least-squares line, or polynomial of degree 2 to
// 10, through 3 to 21 points.
#include <string>

#include "Canonical.h"
#include "Confirm.h"
#include "Handlers.h"
#include "Host.h"
#include "LinearEquations.h"
#include "PointText.h"
#include "HandlerSupport.h"
#include "TextOps.h"
#include "TextUtils.h"

namespace {

// Presets the points field with n points (0,0) and enables it, when the
// method and the count fit: at least 3 points for a line, and a degree from
// 2 to below n for a polynomial. Otherwise, logged if asked, false.
bool PreparePointsField(Form& form, bool logUnfit) {
    auto& tab = form.Regression;
    auto& state = form.State;
    const int n = tab.AntalRegressionsPunkterSpinEdit.value;
    state.RegressionPointCount = n;
    const int degree = state.RegressionDegree;
    const bool fits = tab.LineaerRegressionRadioButton.checked && n >= 3 ? true : 2 <= degree && degree < n;
    if (!fits) {
        if (logUnfit) AddLogLine("Polynomiumsgrad og Antal Regressions Punkter skal v\xE6lges");
        return false;
    }
    std::string points;
    for (int i = 1; i < n; ++i) points += "(0,0); ";
    tab.RegressionsPunkterEdit.text = points + "(0,0)";
    tab.RegressionsPunkterEdit.enabled = true;
    return true;
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
void Publish(Control& output, std::string equation, int degree, const RegressionCoefficients& p, int n,
             const Vector& x, const Vector& y) {
    equation = TeacherForm(ExpressionText(equation)).Str();
    const Confirmation check = ConfirmFitText(ExpressionText(equation), degree, p, n, x, y);
    AddLogLine(check.report);
    if (check.confirmed) output.text = equation;
}

}  // namespace

void PolynomiaerRegressionRadioButtonClick(Form& form) { form.Regression.PolGradSpinEdit.enabled = true; }

void PolGradSpinEditExit(Form& form) { form.State.RegressionDegree = form.Regression.PolGradSpinEdit.value; }

void AntalRegressionsPunkterSpinEditChange(Form& form) { PreparePointsField(form, false); }

void AntalRegressionsPunkterSpinEditExit(Form& form) {
    if (PreparePointsField(form, true)) form.SetFocus("RegressionsPunkterEdit");
}

void AntalRegressionsPunkterSpinEditEnter(Form& form) {
    form.Regression.RegressionsPunkterEdit.enabled = true;
    form.SetFocus("RegressionsPunkterEdit");
}

// Fits the chosen line or polynomial through the typed points.
void RegressionsPunkterEditExit(Form& form) {
    auto& tab = form.Regression;
    auto& state = form.State;
    // No separator line: the regression's log starts with its points.
    Computation c({&tab.RegressionsLiniensLigningEdit, &tab.RegressionsPolynomietsligningEdit}, false);
    const int n = state.RegressionPointCount;
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
    if (!PolynomialRegression(n, state.RegressionDegree, x, y, p)) {
        AddLogLine("Fejl ved bestemmelse af Regressionspolynomiet");
        return;
    }
    // The degree the fit was made with, should the degree have been raised
    // after the count was confirmed.
    const int degree = FittedDegree(n, state.RegressionDegree);
    AddLogLine("RegressionsPolynomiets er");
    const std::string equation = PolynomialText(degree, p);
    AddLogLine(equation);
    Publish(tab.RegressionsPolynomietsligningEdit, equation, degree, p, n, x, y);
}
