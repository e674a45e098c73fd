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
bool ReadBound(const std::string& typed, ExpressionText& text, double& value) {
    text = ExpressionText(typed);
    value = EvaluateWhole(UserText(typed), 0);
    return !ErrorFlag;
}

}  // namespace

void fxEditExit(Form& form) {
    auto& tab = form.Integration;
    auto& state = form.State;
    state.AntiderivativeText.Clear();
    state.FunctionText = ExpressionText(tab.fxEdit.text);
    // An empty field computes nothing and leaves the log alone (leaving it
    // on the way to another page is no request).
    if (tab.fxEdit.text.empty()) {
        tab.StamfunktionEdit.text.clear();
        return;
    }
    Computation c({&tab.StamfunktionEdit});
    ExpressionText typed = UserText(tab.fxEdit.text);
    if (!c.Accept(typed)) {
        state.FunctionText.Clear();  // a refused text is not kept
        return;
    }
    state.FunctionText = typed;
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
        found = AntiderivativeVerified(typed, F);
    }
    if (!found) {
        if (F.Empty()) AddLogLine("Kan ikke udregne Integralet");
        // A failure shows its text, never a partial or unchecked result.
        ErrorFlag = false;
        state.AntiderivativeText = FailureText;
        tab.StamfunktionEdit.text = FailureText;
        return;
    }
    state.AntiderivativeText = F;
    c.Publish(tab.StamfunktionEdit, F);
}

void NedreGraenseEditExit(Form& form) {
    auto& state = form.State;
    state.BoundsGiven = !form.Integration.NedreGraenseEdit.text.empty();
    if (state.BoundsGiven) state.LowerBoundText = ExpressionText(form.Integration.NedreGraenseEdit.text);
}

void OevreGraenseEditExit(Form& form) {
    auto& tab = form.Integration;
    auto& state = form.State;
    state.BoundsGiven = state.BoundsGiven && !tab.OevreGraenseEdit.text.empty();
    ErrorFlag = false;
    if (!state.BoundsGiven) return;
    Computation c({&tab.BestemtIntegralEdit});
    double a = 0, b = 0;
    if (!ReadBound(tab.NedreGraenseEdit.text, state.LowerBoundText, a) ||
        !ReadBound(tab.OevreGraenseEdit.text, state.UpperBoundText, b))
        return;
    const ExpressionText& f = state.FunctionText;
    const ExpressionText& F = state.AntiderivativeText;
    if (f.Empty()) return;
    const DefiniteIntegralResult r =
        DefiniteIntegral(f, F == FailureText ? ExpressionText() : F, a, b, SimpsonPanels);
    if (r.numeric) state.SimpsonPanels = r.panels;
    if (!r.shown) {
        if (!r.refusal.empty()) ReportErrorOK(ExpressionText(r.refusal));
        return;
    }
    state.IntegralValue = r.value;
    state.IntegralValueText = FormatNumber(10, 4, state.IntegralValue);
    AddLogLine("Integralet er " + state.IntegralValueText.Str());
    c.Publish(tab.BestemtIntegralEdit, state.IntegralValueText);
}
