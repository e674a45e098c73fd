// The Differentiation tab: f'(x) of the typed function, f(x0), f'(x0) and
// the tangent at x0.
#include <algorithm>
#include <cmath>
#include <string>

#include "Canonical.h"
#include "Confirm.h"
#include "Differentiate.h"
#include "Fractions.h"
#include "HandlerSupport.h"
#include "Handlers.h"
#include "Host.h"
#include "Reduce.h"
#include "TextOps.h"
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
// v as a fraction p/q (q <= 1000) when it is one to within 1e-9 of its
// size ("4", "-3/4"), by continued fractions; empty otherwise.
std::string FractionText(double v) {
    const double tolerance = 1e-9 * std::max(1.0, std::fabs(v));
    long long p0 = 0, q0 = 1, p1 = 1, q1 = 0;
    double rest = std::fabs(v);
    for (int term = 0; term < 20; ++term) {
        const double whole = std::floor(rest);
        if (whole > 1e9) break;
        const long long a = static_cast<long long>(whole);
        const long long p2 = a * p1 + p0, q2 = a * q1 + q0;
        if (q2 > 1000) break;
        if (std::fabs(static_cast<double>(p2) / static_cast<double>(q2) - std::fabs(v)) <= tolerance) {
            const std::string sign = v < 0 && p2 != 0 ? "-" : "";
            std::string text = sign + std::to_string(p2);
            if (q2 != 1) text.append("/").append(std::to_string(q2));
            return text;
        }
        p0 = p1;
        q0 = q1;
        p1 = p2;
        q1 = q2;
        if (rest - whole == 0) break;
        rest = 1 / (rest - whole);
    }
    return {};
}

// The tangent y = a*x+b at x0 with slope a = f'(x0) and b = f(x0) - a*x0:
// as fractions where both are, else with 4 decimals.
std::string TangentText(double x0, double value, double slope) {
    const double intercept = value - slope * x0;
    std::string a = FractionText(slope), b = FractionText(intercept);
    if (a.empty() || b.empty()) {
        a = FormatNumber(10, 4, slope);
        b = FormatNumber(10, 4, intercept);
    } else if (a == "0") {
        return "y = " + b;
    } else if (a == "1" || a == "-1") {
        a.pop_back();  // x, -x
        return "y = " + a + "x" + (b == "0" ? std::string() : SignedTerm(ExpressionText(b)).Str());
    }
    return "y = " + a + "*x" + (b == "0" ? std::string() : SignedTerm(ExpressionText(b)).Str());
}

// f'(x0) and the tangent at x0 from the f'(x) shown (emptied whenever f(x)
// changes, so it belongs to the f(x) shown): f'(x0) is checked against the
// difference quotient of f around x0.
void ShowSlope(Form& form, const ExpressionText& f, double x0, double value) {
    auto& tab = form.Differentiation;
    if (tab.df_dx_Edit.text.empty()) return;
    double slope = 0;
    if (!TryEvaluate(ExpressionText(tab.df_dx_Edit.text), x0, slope)) {
        AddLogLine("f'(x0) kan ikke udregnes i x0 = " + FormatNumber(10, 4, x0));
        return;
    }
    BeforeCheck("f'(x0)", &slope, 1);
    const Confirmation check = ConfirmSlope(f, x0, slope);
    AddLogLine(check.report);
    if (!check.confirmed) return;
    tab.df_x0_Edit.text = FormatNumber(10, 4, slope);
    tab.TangentEdit.text = TangentText(x0, value, slope);
    AddLogLine("f'(x0) = " + tab.df_x0_Edit.text);
    AddLogLine("Tangent: " + tab.TangentEdit.text);
}

// f(x0), f'(x0) and the tangent of the fields as they stand; nothing while
// f(x) or x0 is empty.
void ComputeValue(Form& form) {
    auto& tab = form.Differentiation;
    tab.f_value_Edit.text.clear();
    tab.df_x0_Edit.text.clear();
    tab.TangentEdit.text.clear();
    if (tab.fx_Edit.text.empty() || tab.x_Edit.text.empty()) return;
    // f(x0) is computed from the function as typed.
    const ExpressionText f = UserText(tab.fx_Edit.text);
    // A function refused on leaving its field is not reported again here.
    if (!ReadsWhole(f)) return;
    Computation c({&tab.f_value_Edit, &tab.df_x0_Edit, &tab.TangentEdit}, false);
    const double x0 = EvaluateWhole(UserText(tab.x_Edit.text), 0);
    if (ErrorFlag) return;
    const double value = EvaluateWhole(f, x0);
    if (ErrorFlag) return;
    tab.f_value_Edit.text = FormatNumber(10, 4, value);
    ShowSlope(form, f, x0, value);
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
    // The canonical form collects and cancels what a further reduction would,
    // so the shown form is taken from the derivative as it stands.
    derivative = TeacherForm(derivative);
    AddLogLine("f'(x) = " + derivative.Str());
    if (ErrorFlag || c.ResultWasCut()) return {};
    return derivative;
}

}  // namespace

void fx_EditExit(Form& form) {
    auto& tab = form.Differentiation;
    tab.df_dx_Edit.text.clear();
    if (tab.fx_Edit.text.empty()) return;
    Computation c({&tab.df_dx_Edit, &tab.df_x0_Edit, &tab.TangentEdit});
    ExpressionText typed = UserText(tab.fx_Edit.text);
    if (!c.Accept(typed)) return;
    ShareFunction(form, tab.fx_Edit);
    ExpressionText derivative = Derivative(c, typed);
    if (derivative.Empty()) return;
    BeforeCheck("f'(x)", derivative);
    if (Verified(typed, derivative)) c.Publish(tab.df_dx_Edit, derivative);
}

void x_EditExit(Form& form) { ComputeValue(form); }
