// The Regression tab: the least-squares line, polynomial of degree 2 to 10,
// exponential y = b*a^x or power y = b*x^a, through 3 to 21 points.
#include <string>

#include "Canonical.h"
#include "Confirm.h"
#include "Fits.h"
#include "Handlers.h"
#include "Host.h"
#include "LinearEquations.h"
#include "PointText.h"
#include "HandlerSupport.h"
#include "TextOps.h"
#include "TextUtils.h"

namespace {

// The methods with two coefficients (line, exponential, power): 3 points are enough.
bool TwoCoefficients(const RegressionTab& tab) {
    return tab.LineaerRegressionRadioButton.checked || tab.EksponentielRegressionRadioButton.checked ||
           tab.PotensRegressionRadioButton.checked;
}

// Logs each point's residual and the residual spread of the shown equation,
// and shows its R^2 (for the exponential and power fits: of the linear fit of
// ln y, with R^2 on the data themselves in the log).
void ShowQuality(Form& form, const std::string& equation, FitKind kind, int parameters, int n, const Vector& x,
                 const Vector& y) {
    const FitQuality q = AssessFit(ExpressionText(equation), kind, parameters, n, x, y);
    if (!q.readable) return;
    AddLogLine("Residualer r = y - f(x):");
    for (int i = 1; i <= n; ++i)
        AddLogLine("r[" + std::to_string(i) + "] = " + FormatNumber(10, 4, y[i]) + " - " + FormatNumber(10, 4, q.fitted[i]) +
                   " = " + FormatNumber(10, 4, q.residuals[i]));
    AddLogLine("Residualspredning s = kvadratrod(sum r^2/(n-" + std::to_string(parameters) + ")) = " +
               FormatNumber(10, 4, q.spread));
    if (kind == FitKind::Exponential || kind == FitKind::Power) {
        AddLogLine("Forklaringsgrad R^2 = " + FormatNumber(6, 4, q.transformedDetermination) + " beregnet p\xE5 ln(y) mod " +
                   (kind == FitKind::Power ? "ln(x)" : "x") + " (den line\xE6re tilpasning, som i regneark)");
        AddLogLine("Forklaringsgrad R^2 p\xE5 de oprindelige data (y mod f(x)) = " + FormatNumber(6, 4, q.determination));
    }
    form.Regression.ForklaringsgradEdit.text = FormatNumber(6, 4, q.transformedDetermination);
}

// The exponential or power fit through the points, when one of them is chosen.
bool FitTransformed(Form& form, int n, const Vector& x, const Vector& y) {
    auto& tab = form.Regression;
    const FitKind kind = tab.EksponentielRegressionRadioButton.checked ? FitKind::Exponential
                         : tab.PotensRegressionRadioButton.checked     ? FitKind::Power
                                                                       : FitKind::Line;
    if (kind == FitKind::Line) return false;
    double a = 0, b = 0;
    std::string refusal;
    if (!TransformedRegression(kind, n, x, y, a, b, refusal)) {
        AddLogLine(refusal);
        ReportErrorOK(ExpressionText(std::string_view(refusal).substr(0, ExpressionText::MaxLength)));
        return true;
    }
    const std::string equation = TransformedFitText(kind, a, b, n, x);
    AddLogLine((kind == FitKind::Exponential ? "Eksponentiel regression y = b*a^x: " : "Potensregression y = b*x^a: ") +
               equation);
    // Shown in the form a teacher writes (2^x, not 1.0000*2.0000^x), and checked as shown.
    ExpressionText shown = TeacherForm(ExpressionText(equation));
    BeforeCheck("regressionsligning", shown);
    const Confirmation check = ConfirmTransformedFit(shown, kind, a, b, n, x, y);
    AddLogLine(check.report);
    if (!check.confirmed) return true;
    tab.RegressionsligningEdit.text = shown.Str();
    ShowQuality(form, shown.Str(), kind, 2, n, x, y);
    return true;
}

// The method and the count fit: at least 3 points for a line (or another
// fit with two coefficients), and a degree
// from 2 to below n for a polynomial.
bool Fits(const RegressionTab& tab) {
    const int n = tab.AntalRegressionsPunkterSpinEdit.value;
    if (TwoCoefficients(tab)) return n >= 3;
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

// Logs the Kontrol line of a fit and shows its equation when it passed.
// The equation is shown in the form a teacher writes (no 1* or 0* terms).
bool Publish(Control& output, std::string equation, int degree, int n, const Vector& x, const Vector& y) {
    ExpressionText shown = TeacherForm(ExpressionText(equation));
    BeforeCheck("regressionsligning", shown);
    const Confirmation check = ConfirmFitText(shown, degree, n, x, y);
    AddLogLine(check.report);
    if (check.confirmed) output.text = shown.Str();
    return check.confirmed;
}

// The line or polynomial shown, with its residuals and R^2.
void PublishWithQuality(Form& form, Control& output, const std::string& equation, int degree, int n,
                        const Vector& x, const Vector& y) {
    if (Publish(output, equation, degree, n, x, y))
        ShowQuality(form, output.text, degree == 1 ? FitKind::Line : FitKind::Polynomial, degree + 1, n, x, y);
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
    for (Control* output : {&tab.RegressionsLiniensLigningEdit, &tab.RegressionsPolynomietsligningEdit,
                            &tab.RegressionsligningEdit, &tab.ForklaringsgradEdit})
        output->text.clear();
    // Method, degree and count as the controls show them; the field is
    // disabled when they do not fit.
    if (!Fits(tab) || tab.RegressionsPunkterEdit.text.empty()) return;
    // No separator line: the regression's log starts with its points.
    Computation c({&tab.RegressionsLiniensLigningEdit, &tab.RegressionsPolynomietsligningEdit,
                   &tab.RegressionsligningEdit, &tab.ForklaringsgradEdit},
                  false);
    const int n = tab.AntalRegressionsPunkterSpinEdit.value;
    const int chosenDegree = tab.PolGradSpinEdit.value;
    Vector x{}, y{};
    RegressionCoefficients p{};
    if (!ReadDataPoints(n, ExpressionText(tab.RegressionsPunkterEdit.text), x, y)) return;
    ErrorFlag = false;
    if (FitTransformed(form, n, x, y)) return;
    if (tab.LineaerRegressionRadioButton.checked) {
        double a = 0, b = 0;
        if (!LinearRegression(n, x, y, a, b)) {
            AddLogLine("Fejl ved bestemmelse af Regressionslinien: alle punkter har samme x");
            return;
        }
        p[0] = b;
        p[1] = a;
        const std::string equation = FitEquation(1, p, n, x, y);
        AddLogLine("Regressionsliniens ligning: " + equation);
        PublishWithQuality(form, tab.RegressionsLiniensLigningEdit, equation, 1, n, x, y);
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
    const std::string equation = FitEquation(degree, p, n, x, y);
    AddLogLine(equation);
    PublishWithQuality(form, tab.RegressionsPolynomietsligningEdit, equation, degree, n, x, y);
}
