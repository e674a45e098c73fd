// The FaktorReduktion tab: the reduced form of a typed expression.
#include "Canonical.h"
#include "Fractions.h"
#include "HandlerSupport.h"
#include "Handlers.h"
#include "Host.h"
#include "Reduce.h"

void Factor_fxEditExit(Form& form) {
    auto& tab = form.FaktorReduktion;
    if (tab.Factor_fxEdit.text.empty()) return;
    Computation c({&tab.ReduceretFxEdit});
    ExpressionText typed = UserText(tab.Factor_fxEdit.text);
    AddLogLine("f(x) = " + typed.Str());
    form.State.FunctionText.Clear();  // a refused text is not kept
    if (!c.Accept(typed)) return;
    form.State.FunctionText = typed;
    ExpressionText t;
    DecimalsToFractions(typed, t);
    if (!(t == typed)) AddLogLine("ReduceExpression f(x)= " + t.Str());
    ExpressionText reduced = ReduceExpression(t);
    if (!(reduced == t)) AddLogLine("Reduceret br\xF8k f(x)=  " + reduced.Str());
    if (ErrorFlag || c.ResultWasCut()) return;
    reduced = TeacherForm(reduced);
    // The reduced form must keep the value wherever the typed text has one.
    if (!KeepsValue(typed, reduced)) return;
    c.Publish(tab.ReduceretFxEdit, reduced);
}
