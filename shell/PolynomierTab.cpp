// The Polynomier tab: roots and factorised form of p(x), p(x) divided by
// d(x), and the reduced fraction p(x)/q(x). The polynomial fields take the
// written form of the polynomial reader (3x^2-x+5 as well as 3*x^2-x+5).
#include <string>

#include "Canonical.h"
#include "Checks.h"
#include "ExactFactors.h"
#include "Fraction.h"
#include "Fractions.h"
#include "HandlerSupport.h"
#include "Handlers.h"
#include "Host.h"
#include "Polynomial.h"
#include "Reduce.h"
#include "Roots.h"
#include "TextOps.h"
#include "Verify.h"

namespace {

constexpr const char* NotAPolynomial = "Fejl i polynomium: ";

// Reads text as a polynomial; one that is not is reported (unless the reader
// already did), never cut or passed over.
bool ReadPolynomial(const ExpressionText& text, int& degree, TPolyCoefficients& k) {
    ExpressionText copy = text;
    if (ParsePolynomial(copy, degree, k)) return true;
    if (!ErrorFlag) ReportError(NotAPolynomial + text);
    return false;
}

// "{r1 , r2}", or "{}" without roots.
std::string BraceList(int count, const TPolyRoots& roots) {
    std::string list = "{";
    for (int i = 1; i <= count; ++i) list += (i > 1 ? " , " : "") + roots[i].Str();
    return list + "}";
}

// The check of roots and factorised form, as one "Kontrol: " line.
bool RootsVerified(const ExpressionText& p, int count, const TPolyRoots& roots, const ExpressionText& factorised) {
    for (int i = 1; i <= count; ++i)
        if (!RootMakesZero(p, roots[i])) {
            AddLogLine("Kontrol: roden " + roots[i].Str() + " indsat i p(x) giver ikke 0");
            ReportErrorOK("R\xF8" "dderne kunne ikke kontrolleres og vises ikke: " + p);
            return false;
        }
    if (!FactorisationReproduces(p, factorised)) {
        AddLogLine("Kontrol: faktoropl\xF8sningen ganget ud giver ikke p(x)");
        ReportErrorOK("Faktoropl\xF8sningen kunne ikke kontrolleres og vises ikke: " + p);
        return false;
    }
    std::string line = "Kontrol: ";
    if (count > 0) line += "hver rod indsat i p(x) giver 0 (decimaltal p\xE5 4 decimaler), og ";
    AddLogLine(line + "faktoropl\xF8sningen ganget ud giver p(x)");
    return true;
}

// The polynomial in the evaluator's notation, for value checks.
ExpressionText Explicit(const ExpressionText& text) {
    ExpressionText copy = text;
    int degree = 0;
    TPolyCoefficients k;
    if (!ParsePolynomial(copy, degree, k)) return text;
    ExpressionText written = PolynomialToText(degree, k);
    return written.Empty() ? ExpressionText("0") : written;
}

}  // namespace

void px_EditExit(Form& form) {
    auto& tab = form.Polynomier;
    if (tab.px_Edit.text.empty()) return;
    Computation c({&tab.RoedderEdit, &tab.pxfak_Edit});
    ExpressionText p = UserText(tab.px_Edit.text);
    form.State.PolynomialText = p;
    int degree = 0;
    TPolyCoefficients k;
    if (!ReadPolynomial(p, degree, k)) return;
    int count = 0;
    TPolyRoots roots;
    ExpressionText factorised;
    ExpressionText normalised = p;
    PolynomialRoots(normalised, count, roots, factorised);
    if (count > 0 && !ErrorFlag) {
        AddLogLine(count == 1 ? std::string("1 rod er fundet i p(x) = ")
                              : std::to_string(count) + " r\xF8" "dder er fundet i p(x)");
        AddLogLine((count == 1 ? "Roden er " : "R\xF8" "dderne er ") + BraceList(count, roots));
    } else {
        AddLogLine("Ingen r\xF8" "dder er fundet i p(x) = ");
    }
    if (ErrorFlag || c.ResultWasCut()) return;
    // A fractional leading coefficient stays in front as the engine wrote it.
    Fraction leading = CoefficientValue(k[degree]);
    if (leading.IsWhole()) factorised = ReduceExpression(factorised);
    factorised = TeacherForm(SplitQuadraticFactors(factorised));
    AddLogLine("Faktoropl\xF8sningen af p(x) er: " + factorised.Str());
    if (ErrorFlag || c.ResultWasCut() || !RootsVerified(p, count, roots, factorised)) return;
    if (count > 0) c.Publish(tab.RoedderEdit, BraceList(count, roots));
    c.Publish(tab.pxfak_Edit, factorised);
}

void DividendEditExit(Form& form) {
    form.State.PolynomialText = ExpressionText(form.Polynomier.DividendEdit.text);
    form.SetFocus("DivisorEdit");
}

void DivisorEditExit(Form& form) {
    auto& tab = form.Polynomier;
    if (tab.DivisorEdit.text.empty()) return;
    Computation c({&tab.KvotientEdit, &tab.RestEdit});
    ExpressionText d = UserText(tab.DivisorEdit.text);
    ExpressionText p = UserText(form.State.PolynomialText.Str());
    form.State.DivisorText = d;
    // Both texts are logged first; only then is one that is no polynomial reported.
    bool polynomial[2];
    int i = 0;
    for (auto [name, text] : {std::pair{"p(x) = ", p}, std::pair{"d(x) = ", d}}) {
        ExpressionText copy = text;
        int degree = 0;
        TPolyCoefficients k;
        {
            SilentScope silent;
            polynomial[i++] = ParsePolynomial(copy, degree, k);
        }
        AddLogLine(name + (polynomial[i - 1] ? Explicit(text).Str() : text.Str() + " er ikke et polynomium"));
        if (ErrorFlag) return;
    }
    int degree = 0;
    TPolyCoefficients k;
    if (!polynomial[0] || !polynomial[1]) {
        ReadPolynomial(polynomial[0] ? d : p, degree, k);
        return;
    }
    ExpressionText q, r;
    if (!DividePolynomials(p, d, q, r)) {
        if (!ErrorFlag) ReportError("Der kan ikke divideres med nulpolynomiet: d(x) = " + d);
        return;
    }
    if (r.Empty()) r = "0";
    if (q.Empty()) q = "0";
    q = TeacherForm(q);
    r = TeacherForm(r);
    AddLogLine("Kvotienten: q(x) = " + q.Str());
    AddLogLine("Resten: r(x) = " + r.Str());
    if (ErrorFlag || c.ResultWasCut()) return;
    if (!DivisionReproduces(p, d, q, r)) {
        AddLogLine("Kontrol: q(x)*d(x)+r(x) giver ikke p(x)");
        ReportErrorOK("Divisionen kunne ikke kontrolleres og vises ikke: " + p);
        return;
    }
    AddLogLine("Kontrol: q(x)*d(x)+r(x) giver p(x)");
    c.Publish(tab.KvotientEdit, q);
    c.Publish(tab.RestEdit, r);
}

void PolBroekEditExit(Form& form) {
    auto& tab = form.Polynomier;
    if (tab.PolBroekEdit.text.empty()) return;
    Computation c({&tab.ReduceretPolBroekEdit});
    ExpressionText typed = UserText(tab.PolBroekEdit.text);
    form.State.FunctionText = typed;
    ExpressionText p, q;
    if (!IsRationalFunction(typed, p, q)) {
        ReportError("Fejl i polynomiumsbr\xF8k " + typed);
        return;
    }
    ExpressionText factorised[2];
    const char* names[2] = {" r\xF8" "dder er fundet i p(x) = ", " r\xF8" "dder er fundet i d(x) = "};
    ExpressionText* parts[2] = {&p, &q};
    for (int side = 0; side < 2; ++side) {
        int count = 0;
        TPolyRoots roots;
        ExpressionText text = *parts[side];
        PolynomialRoots(text, count, roots, factorised[side]);
        if (ErrorFlag) return;
        AddLogLine(std::to_string(count) + names[side] + parts[side]->Str());
        AddLogLine(BraceList(count, roots));
    }
    // The numerator goes in brackets when it is a sum: x^2+1/(x-1) is no quotient.
    ExpressionText top = IsSingleTerm(factorised[0]) ? factorised[0] : "(" + factorised[0] + ")";
    ExpressionText bottom = IsAtomic(factorised[1]) ? factorised[1] : "(" + factorised[1] + ")";
    ExpressionText f = top + "/" + bottom;
    AddLogLine("f(x) = " + f.Str());
    ExpressionText reduced;
    DecimalsToFractions(ReduceExpression(f), reduced);
    if (IsFullBracket(reduced)) reduced = Mid(reduced, 2, reduced.Length() - 1);
    reduced = TeacherForm(reduced);
    AddLogLine("Reduceret f(x) = " + reduced.Str());
    if (ErrorFlag || c.ResultWasCut()) return;
    ExpressionText fraction = "(" + Explicit(p) + ")/(" + Explicit(q) + ")";
    ValueCheck check = CheckSameValues(fraction, reduced);
    if (!check.passed) {
        AddLogLine("Kontrol: den reducerede br\xF8k har ikke br\xF8kens v\xE6rdi");
        ReportErrorOK("Den reducerede br\xF8k kunne ikke kontrolleres og vises ikke: " + typed);
        return;
    }
    AddLogLine("Kontrol: den reducerede br\xF8k har br\xF8kens v\xE6rdi i " + std::to_string(check.points) + " punkter");
    form.SetFocus("ReduceretPolBroekEdit");
    c.Publish(tab.ReduceretPolBroekEdit, reduced);
}
