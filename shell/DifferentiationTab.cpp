// The Differentiation tab: f'(x) of the typed function, and f(x0).
#include "Canonical.h"
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
}  // namespace

void fx_EditExit(Form& form) {
    auto& tab = form.Differentiation;
    if (tab.fx_Edit.text.empty()) return;
    Computation c({&tab.df_dx_Edit});
    ExpressionText typed = UserText(tab.fx_Edit.text);
    form.State.FunctionText.Clear();  // a refused text is not kept
    if (!c.Accept(typed)) return;
    // f(x0) is computed from the function as typed; the reduced form only
    // feeds the differentiation and the log.
    form.State.FunctionText = typed;
    ExpressionText reduced = ReduceExpression(ToFractions(typed));
    if (c.ResultWasCut()) return;
    AddLogLine("Reduceret f(x) = " + reduced.Str());
    AddLogLine("f(x) = " + reduced.Str());
    ExpressionText derivative = DifferentiateExpression(reduced);
    if (c.ResultWasCut()) return;
    derivative = ToFractions(derivative);
    AddLogLine("Reduceret f'(x) = " + derivative.Str());
    if (ErrorFlag || c.ResultWasCut()) return;
    derivative = TeacherForm(ToFractions(ReduceExpression(derivative)));
    form.State.DerivativeText = derivative;
    AddLogLine("f'(x) = " + derivative.Str());
    if (ErrorFlag || c.ResultWasCut() || !Verified(typed, derivative)) return;
    c.Publish(tab.df_dx_Edit, derivative);
}

void x_EditExit(Form& form) {
    auto& tab = form.Differentiation;
    if (tab.x_Edit.text.empty()) return;
    auto& state = form.State;
    Computation c({&tab.f_value_Edit}, false);
    state.DiffX0Text = ExpressionText(tab.x_Edit.text);
    state.DiffX0 = EvaluateWhole(UserText(tab.x_Edit.text), 0);
    if (ErrorFlag || state.FunctionText.Empty()) return;
    double value = EvaluateWhole(state.FunctionText, state.DiffX0);
    if (!ErrorFlag) tab.f_value_Edit.text = FormatNumber(10, 4, value);
}
