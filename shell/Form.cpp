#include "Form.h"

#include <exception>

#include "Host.h"

bool RunHandler(Form& form, void (*handler)(Form&)) {
    if (form.Busy || !handler) return true;
    form.Busy = true;
    bool completed = true;
    try {
        handler(form);
    } catch (const ArithmeticFault& fault) {
        completed = false;
        ++form.FaultCount;
        ShowErrorOK(ExpressionText(fault.what()));
    } catch (const std::exception& e) {
        completed = false;
        ++form.FaultCount;
        ShowErrorOK(ExpressionText(std::string("Uventet fejl: ") + e.what()));
    }
    form.Busy = false;
    return completed;
}

void FormActivate(Form& form) {
    ErrorFlag = false;
    form.LogMemo.clear();
    auto& t = form.TrancendenteLigninger;
    form.State.EquationFields = {&t.Ligning1Edit, &t.Ligning2Edit, &t.Ligning3Edit, &t.Ligning4Edit,
                                 &t.Ligning5Edit};
    form.ActivePage = IntegrationTabSheet;
}

void AppendLog(Form& form, std::string_view line) { form.LogMemo.emplace_back(line); }
