// The Integration tab: F(x) of the typed integrand, and the definite integral
// between two bounds (from F, or by Simpson's rule when F cannot be used).
#include "Canonical.h"
#include "DefiniteIntegral.h"
#include "Differentiate.h"
#include "Fractions.h"
#include "HandlerSupport.h"
#include "Handlers.h"
#include "Host.h"
#include "Integrate.h"
#include "Reduce.h"
#include "TextUtils.h"
#include "Verify.h"

namespace {

constexpr const char* FailureText = "Kan ikke udregne Integralet. Se log";
constexpr int SimpsonPanels = 21;


// F is shown only when its derivative is f at the sample points; the log's
// "Kontrol: " line says how it went, and why F is not shown otherwise.
bool AntiderivativeVerified(const ExpressionText& f, const ExpressionText& F) {
    ExpressionText dF;
    {
        SilentScope silent;
        dF = DifferentiateExpression(F);
    }
    AntiderivativeCheck check = CheckAntiderivative(f, F, dF);
    if (!check.defined) {
        AddLogLine("Kontrol: f(x) kan ikke udregnes i nogen af kontrolpunkterne; F(x) vises ikke");
        return false;
    }
    if (check.points == 0) {
        AddLogLine("Kontrol: F(x) kan ikke udregnes i nogen af kontrolpunkterne; F(x) vises ikke");
        return false;
    }
    if (!check.passed) {
        AddLogLine("Kontrol: F'(x) stemmer ikke med f(x) i x = " + FormatNumber(10, 4, check.failedAt) +
                   "; F(x) = " + F.Str() + " vises ikke");
        return false;
    }
    AddLogLine("Kontrol: F'(x) = f(x) i " + std::to_string(check.points) + " punkter");
    return true;
}

// A bound as typed (constant expressions such as pi/2 or 2*PI); false after a
// reported error.
bool ReadBound(const std::string& typed, double& value) {
    value = EvaluateWhole(UserText(typed), 0);
    return !ErrorFlag;
}

// The definite integral of the fields as they stand: f(x), the F(x) shown
// beside it (emptied whenever f(x) changes, so it belongs to this f(x)) and
// both bounds. Nothing while a field is empty.
void ComputeIntegral(Form& form) {
    auto& tab = form.Integration;
    tab.BestemtIntegralEdit.text.clear();
    if (tab.fxEdit.text.empty() || tab.NedreGraenseEdit.text.empty() || tab.OevreGraenseEdit.text.empty()) return;
    const ExpressionText f = UserText(tab.fxEdit.text);
    // A function refused on leaving its field is not reported again here.
    if (!ReadsWhole(f)) return;
    Computation c({&tab.BestemtIntegralEdit});
    double a = 0, b = 0;
    if (!ReadBound(tab.NedreGraenseEdit.text, a) || !ReadBound(tab.OevreGraenseEdit.text, b)) return;
    const ExpressionText F(tab.StamfunktionEdit.text == FailureText ? std::string() : tab.StamfunktionEdit.text);
    const DefiniteIntegralResult r = DefiniteIntegral(f, F, a, b, SimpsonPanels);
    if (r.numeric) form.State.SimpsonPanels = r.panels;
    if (!r.shown) {
        if (!r.refusal.empty()) ReportErrorOK(ExpressionText(r.refusal));
        return;
    }
    const ExpressionText text = FormatNumber(10, 4, r.value);
    AddLogLine("Integralet er " + text.Str());
    c.Publish(tab.BestemtIntegralEdit, text);
}

}  // namespace

void fxEditExit(Form& form) {
    auto& tab = form.Integration;
    tab.StamfunktionEdit.text.clear();
    // An empty field computes nothing and leaves the log alone (leaving it
    // on the way to another page is no request).
    if (tab.fxEdit.text.empty()) return;
    Computation c({&tab.StamfunktionEdit});
    ExpressionText typed = UserText(tab.fxEdit.text);
    if (!c.Accept(typed)) return;
    ShareFunction(form, tab.fxEdit);
    ExpressionText F = IntegrateExpression(typed);
    if (ErrorFlag) AddLogLine("Fejl under integration: I_fx_dx = " + F.Str());
    bool found = !F.Empty() && !ErrorFlag && !c.ResultWasCut();
    if (found) {
        F = ToFractions(F);
        if (IsSingleTerm(F)) F = ToFractions(ReduceExpression(F));
        F = TeacherForm(F);
        found = !ErrorFlag && !c.ResultWasCut();
    }
    if (found) {
        AddLogLine("I(" + typed.Str() + ")dx = " + F.Str());
        BeforeCheck("F(x)", F);
        found = AntiderivativeVerified(typed, F);
    }
    if (!found) {
        if (F.Empty()) AddLogLine("Kan ikke udregne Integralet");
        // A failure shows its text, never a partial or unchecked result.
        ErrorFlag = false;
        tab.StamfunktionEdit.text = FailureText;
        return;
    }
    c.Publish(tab.StamfunktionEdit, F);
}

// The bounds are read when the upper one is left.
void NedreGraenseEditExit(Form&) {}

// The integral, with F(x) found first when f(x) has been typed but not yet
// taken in.
void OevreGraenseEditExit(Form& form) {
    auto& tab = form.Integration;
    ErrorFlag = false;
    if (tab.StamfunktionEdit.text.empty() && !tab.fxEdit.text.empty() && ReadsWhole(UserText(tab.fxEdit.text)))
        fxEditExit(form);
    ErrorFlag = false;
    ComputeIntegral(form);
}
