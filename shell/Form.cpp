#include "Form.h"

#include <exception>
#include <string>
#include <vector>

#include "Host.h"

bool RunHandler(Form& form, void (*handler)(Form&)) {
    if (form.Busy || !handler) return true;
    form.Busy = true;
    bool completed = true;
    // The handler writes engine texts; those it wrote are shown with the
    // decimal comma when the setting is on.
    std::vector<std::string> before;
    if (form.DecimalComma)
        for (const ControlInfo& info : ControlTable)
            if (info.kind == ControlKind::Output) before.push_back(info.get(form).text);
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
    if (form.DecimalComma) {
        std::size_t i = 0;
        for (const ControlInfo& info : ControlTable) {
            if (info.kind != ControlKind::Output) continue;
            std::string& text = info.get(form).text;
            if (text != before[i++]) text = WithDecimalComma(text);
        }
    }
    form.Busy = false;
    return completed;
}

void FormActivate(Form& form) {
    ErrorFlag = false;
    form.State.LowerBoundText.Clear();
    form.State.UpperBoundText.Clear();
    form.State.AntiderivativeText.Clear();
    form.State.IntegralValueText.Clear();
    form.LogMemo.clear();
    auto& t = form.TrancendenteLigninger;
    form.State.EquationFields = {&t.Ligning1Edit, &t.Ligning2Edit, &t.Ligning3Edit, &t.Ligning4Edit,
                                 &t.Ligning5Edit};
    form.ActivePage = IntegrationTabSheet;
}

void AppendLog(Form& form, std::string_view line) {
    form.LogMemo.push_back(form.DecimalComma ? WithDecimalComma(line) : std::string(line));
}
