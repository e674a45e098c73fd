// The y=f(x) tab: f(x0) of the shared function text.
#include "HandlerSupport.h"
#include "Handlers.h"
#include "Host.h"
#include "TextUtils.h"

void f_x_EditExit(Form& form) {
    form.State.FunctionText = ExpressionText(form.Funktion.f_x_Edit.text);
    if (!form.State.FunctionText.Empty()) form.SetFocus("x0Edit");
}

void x0EditExit(Form& form) {
    auto& tab = form.Funktion;
    auto& state = form.State;
    ErrorFlag = false;
    tab.f_x0_Edit.text.clear();
    state.X0Text = RemoveBlanks(ExpressionText(tab.x0Edit.text));
    state.X0 = EvaluateWhole(state.X0Text, 0);
    // Blanks are removed from f(x) too: the evaluator would stop at the first one.
    double value = EvaluateWhole(RemoveBlanks(state.FunctionText), state.X0);
    // A number after an error the user did not Ignore would be meaningless.
    if (!ErrorFlag) tab.f_x0_Edit.text = FormatNumber(10, 4, value);
}
