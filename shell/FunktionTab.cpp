// The y=f(x) tab: f(x0) of the shared function text.
#include "HandlerSupport.h"
#include "Handlers.h"
#include "Host.h"
#include "TextUtils.h"

void f_x_EditExit(Form& form) {
    if (form.Funktion.f_x_Edit.text.empty()) return;
    Computation c({}, false);
    ExpressionText typed = UserText(form.Funktion.f_x_Edit.text);
    // A refused text is not kept: no field computes from it.
    form.State.FunctionText.Clear();
    if (!c.Accept(typed)) return;
    form.State.FunctionText = typed;
    form.SetFocus("x0Edit");
}

void x0EditExit(Form& form) {
    auto& tab = form.Funktion;
    auto& state = form.State;
    Computation c({&tab.f_x0_Edit}, false);
    state.X0Text = UserText(tab.x0Edit.text);
    state.X0 = EvaluateWhole(state.X0Text, 0);
    if (ErrorFlag || state.FunctionText.Empty()) return;
    double value = EvaluateWhole(state.FunctionText, state.X0);
    // A number after an error the user did not Ignore would be meaningless.
    if (!ErrorFlag) tab.f_x0_Edit.text = FormatNumber(10, 4, value);
}
