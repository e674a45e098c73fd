// The FaktorReduktion tab: the reduced form of a typed expression.
#include "Fractions.h"
#include "HandlerSupport.h"
#include "Handlers.h"
#include "Host.h"
#include "Reduce.h"

void Factor_fxEditExit(Form& form) {
    auto& tab = form.FaktorReduktion;
    if (tab.Factor_fxEdit.text.empty()) return;
    auto& state = form.State;
    ErrorFlag = false;
    state.FunctionText = ExpressionText(tab.Factor_fxEdit.text);
    AddLogLine("");
    tab.ReduceretFxEdit.text.clear();
    AddLogLine("f(x) = " + state.FunctionText.Str());
    if (!ReadsAsExpression(state.FunctionText)) {
        ReportUnreadable(state.FunctionText);
        return;
    }
    long cuts = TextCutCount;
    ExpressionText t;
    DecimalsToFractions(state.FunctionText, t);
    if (!(t == state.FunctionText)) AddLogLine("ReduceExpression f(x)= " + t.Str());
    state.FunctionText = t;
    t = ReduceExpression(state.FunctionText);
    if (!(t == state.FunctionText)) AddLogLine("Reduceret br\xF8k f(x)=  " + t.Str());
    if (ErrorFlag || ResultWasCut(cuts)) return;
    tab.ReduceretFxEdit.text = t.Str();
}
