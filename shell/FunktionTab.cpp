// The y=f(x) tab: f(x0) of the function in f_x_Edit.
#include "HandlerSupport.h"
#include "Handlers.h"
#include "Host.h"
#include "TextUtils.h"

namespace {

// f(x0) of the two fields as they stand; nothing while either is empty.
void ComputeValue(Form& form) {
    auto& tab = form.Funktion;
    tab.f_x0_Edit.text.clear();
    if (tab.f_x_Edit.text.empty() || tab.x0Edit.text.empty()) return;
    const ExpressionText f = UserText(tab.f_x_Edit.text);
    // A function refused on leaving its field is not reported again here.
    if (!ReadsWhole(f)) return;
    Computation c({&tab.f_x0_Edit}, false);
    const double x0 = EvaluateWhole(UserText(tab.x0Edit.text), 0);
    if (ErrorFlag) return;
    const double value = EvaluateWhole(f, x0);
    // A number after an error the user did not Ignore would be meaningless.
    if (!ErrorFlag) tab.f_x0_Edit.text = FormatNumber(10, 4, value);
}

}  // namespace

// The function is taken in (or refused) here; f(x0) follows on leaving x0.
void f_x_EditExit(Form& form) {
    auto& tab = form.Funktion;
    if (tab.f_x_Edit.text.empty()) return;
    Computation c({}, false);
    if (c.Accept(UserText(tab.f_x_Edit.text))) ShareFunction(form, tab.f_x_Edit);
}

void x0EditExit(Form& form) { ComputeValue(form); }
