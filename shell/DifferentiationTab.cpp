// The Differentiation tab: f'(x) of the typed function, and f(x0).
#include "Differentiate.h"
#include "Fractions.h"
#include "HandlerSupport.h"
#include "Handlers.h"
#include "Host.h"
#include "Reduce.h"
#include "TextUtils.h"
#include "Verify.h"

namespace {

// The derivative is shown only when it agrees with difference quotients of
// the typed function; the log's "Kontrol: " line says how it went.
bool Verified(const ExpressionText& f, const ExpressionText& derivative) {
    DerivativeCheck check = CheckDerivative(f, derivative);
    if (!check.defined) {
        AddLogLine("Kontrol: f(x) kan ikke udregnes i nogen af kontrolpunkterne");
        ReportErrorOK("f(x) kan ikke udregnes for nogen x: " + f);
        return false;
    }
    if (!check.passed) {
        if (check.points == 0)
            AddLogLine("Kontrol: f(x) er ikke defineret omkring nogen af kontrolpunkterne");
        else
            AddLogLine("Kontrol: f'(x) stemmer ikke med differenskvotienten i x = " + FormatNumber(10, 4, check.failedAt));
        ReportErrorOK("Den afledede kunne ikke kontrolleres og vises ikke: " + f);
        return false;
    }
    AddLogLine("Kontrol: f'(x) stemmer med differenskvotienter af f(x) i " + std::to_string(check.points) +
               " punkter");
    return true;
}

// f(x0) of the two fields as they stand; nothing while either is empty.
void ComputeValue(Form& form) {
    auto& tab = form.Differentiation;
    tab.f_value_Edit.text.clear();
    if (tab.fx_Edit.text.empty() || tab.x_Edit.text.empty()) return;
    // f(x0) is computed from the function as typed.
    const ExpressionText f = UserText(tab.fx_Edit.text);
    // A function refused on leaving its field is not reported again here.
    if (!ReadsWhole(f)) return;
    Computation c({&tab.f_value_Edit}, false);
    const double x0 = EvaluateWhole(UserText(tab.x_Edit.text), 0);
    if (ErrorFlag) return;
    const double value = EvaluateWhole(f, x0);
    if (!ErrorFlag) tab.f_value_Edit.text = FormatNumber(10, 4, value);
}

// f'(x) of typed, reduced; empty after an error or a cut text.
ExpressionText Derivative(Computation& c, const ExpressionText& typed) {
    ExpressionText reduced = ReduceExpression(ToFractions(typed));
    if (c.ResultWasCut()) return {};
    AddLogLine("Reduceret f(x) = " + reduced.Str());
    AddLogLine("f(x) = " + reduced.Str());
    ExpressionText derivative = DifferentiateExpression(reduced);
    if (c.ResultWasCut()) return {};
    derivative = ToFractions(derivative);
    AddLogLine("Reduceret f'(x) = " + derivative.Str());
    if (ErrorFlag || c.ResultWasCut()) return {};
    derivative = ToFractions(ReduceExpression(derivative));
    AddLogLine("f'(x) = " + derivative.Str());
    if (ErrorFlag || c.ResultWasCut()) return {};
    return derivative;
}

}  // namespace

void fx_EditExit(Form& form) {
    auto& tab = form.Differentiation;
    tab.df_dx_Edit.text.clear();
    if (tab.fx_Edit.text.empty()) return;
    Computation c({&tab.df_dx_Edit});
    ExpressionText typed = UserText(tab.fx_Edit.text);
    if (!c.Accept(typed)) return;
    ShareFunction(form, tab.fx_Edit);
    ExpressionText derivative = Derivative(c, typed);
    if (derivative.Empty()) return;
    BeforeCheck("f'(x)", derivative);
    if (Verified(typed, derivative)) c.Publish(tab.df_dx_Edit, derivative);
}

void x_EditExit(Form& form) { ComputeValue(form); }
