// The Differentiation tab: f'(x) of the typed function, and f(x0).
#include "Differentiate.h"
#include "Fractions.h"
#include "HandlerSupport.h"
#include "Handlers.h"
#include "Host.h"
#include "Reduce.h"
#include "TextUtils.h"

namespace {
ExpressionText ToFractions(const ExpressionText& text) {
    ExpressionText result;
    DecimalsToFractions(text, result);
    return result;
}
}  // namespace

void fx_EditExit(Form& form) {
    auto& tab = form.Differentiation;
    if (tab.fx_Edit.text.empty()) return;
    auto& state = form.State;
    ErrorFlag = false;
    AddLogLine("");
    tab.df_dx_Edit.text.clear();
    state.FunctionText = ExpressionText(tab.fx_Edit.text);
    // A text the readers would only partly take in (2x^2 read as 2) is
    // reported, not differentiated; f(x0) then reports it too.
    if (!ReadsAsExpression(state.FunctionText)) {
        ReportUnreadable(state.FunctionText);
        return;
    }
    // A text cut at 255 characters is not the derivative: stop at the first cut.
    long cuts = TextCutCount;
    state.FunctionText = ReduceExpression(ToFractions(state.FunctionText));
    AddLogLine("Reduceret f(x) = " + state.FunctionText.Str());
    AddLogLine("f(x) = " + state.FunctionText.Str());
    ExpressionText derivative = DifferentiateExpression(state.FunctionText);
    if (ResultWasCut(cuts)) return;
    derivative = ToFractions(derivative);
    AddLogLine("Reduceret f'(x) = " + derivative.Str());
    if (ErrorFlag) return;
    derivative = ToFractions(ReduceExpression(derivative));
    state.DerivativeText = derivative;
    AddLogLine("f'(x) = " + derivative.Str());
    if (ErrorFlag || ResultWasCut(cuts)) return;
    tab.df_dx_Edit.text = derivative.Str();
}

void x_EditExit(Form& form) {
    auto& tab = form.Differentiation;
    if (tab.x_Edit.text.empty()) return;
    auto& state = form.State;
    // Cleared here too: an error left over from an earlier computation would
    // otherwise stop the evaluator and leave a meaningless 0.
    ErrorFlag = false;
    tab.f_value_Edit.text.clear();
    state.DiffX0Text = ExpressionText(tab.x_Edit.text);
    state.DiffX0 = EvaluateWhole(RemoveBlanks(LowerCaseText(state.DiffX0Text)), 0);
    double value = EvaluateWhole(state.FunctionText, state.DiffX0);
    if (!ErrorFlag) tab.f_value_Edit.text = FormatNumber(10, 4, value);
}
