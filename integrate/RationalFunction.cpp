#include "RationalFunction.h"

#include "Fractions.h"
#include "Host.h"
#include "Polynomial.h"
#include "Reduce.h"
#include "Roots.h"
#include "TableLookup.h"
#include "TextOps.h"
#include "TextUtils.h"

namespace {

ExpressionText Coefficient(const TPolyCoefficients& c, int power) {
    ExpressionText t = StripPlus(c[power]);
    return t.Empty() ? ExpressionText("0") : t;
}

ExpressionText Sub(IntegrationState& s, const ExpressionText& g, bool count = true) {
    if (count) {
        if (s.AttemptCount >= MaxAttempts) return {};
        ++s.AttemptCount;
    }
    Announce(g);
    return IntegrateStep(s.AttemptCount, s.SubstitutionCount, s.AllowRational, g);
}

// a*F as one term, with a's sign in front.
ExpressionText Times(const ExpressionText& a, const ExpressionText& F) {
    if (a == "1") return IsSingleTerm(F) ? F : "(" + F + ")";
    return (IsAtomic(a) || a.At(1) == '-' ? a : "(" + a + ")") + "*(" + F + ")";
}

// a/(c2*x^2+c1*x+c0).
ExpressionText Quadratic(const ExpressionText& a, const TPolyCoefficients& qc, ExpressionText q,
                         IntegrationState& s) {
    ExpressionText c2 = Coefficient(qc, 2), c1 = Coefficient(qc, 1), c0 = Coefficient(qc, 0);
    int count = 0;
    TPolyRoots roots;
    ExpressionText factorised;
    if (!Quietly([&] { PolynomialRoots(q, count, roots, factorised); })) return {};
    if (count == 2 && roots[1] == roots[2]) count = 1;
    if (count >= 2) {
        ExpressionText r1 = roots[1], r2 = roots[2];
        // Roots with decimals (not whole or rational) are written with four
        // decimals; the coefficient 1/(c2*(r1-r2)) is then a decimal number
        // too, and the check of the result tells how good that is.
        // Roots that are not fractions (they come with four decimals) are not
        // used: the exact form with the discriminant D follows from the
        // coefficients, a/sqrt(D)*ln(abs((2*c2*x+c1-sqrt(D))/(2*c2*x+c1+sqrt(D)))),
        // which holds on both sides of the roots.
        if (!HasNoDecimalPoint(r1) || !HasNoDecimalPoint(r2)) {
            auto B = [](const ExpressionText& t) { return BracketIfNegative(t); };
            ExpressionText D = FoldConstants(FoldConstants(c1, c1, '*'), FoldConstants("4", FoldConstants(c2, c0, '*'), '*'), '-');
            D = D.Empty() ? "(" + B(c1) + "^2-4*" + B(c2) + "*" + B(c0) + ")" : "(" + D + ")";
            ExpressionText twoC2 = FoldConstants("2", c2, '*');
            if (twoC2.Empty()) twoC2 = "2*" + B(c2);
            ExpressionText u = (twoC2 == "1" ? ExpressionText() : B(twoC2) + "*") + "x" +
                               (c1 == "0" ? ExpressionText() : SignedTerm(c1));
            return B(a) + "/sqrt" + D + "*ln(abs((" + u + "-sqrt" + D + ")/(" + u + "+sqrt" + D + ")))";
        }
        ExpressionText A = FoldConstants(FoldConstants(a, BracketIfNegative(c2), '/'), FoldConstants(r1, r2, '-'), '/');
        if (A.Empty()) return {};
        ExpressionText P1 = "1/(x" + NegateTerm(r1) + ")", P2 = "1/(x" + NegateTerm(r2) + ")";
        ExpressionText I1 = Sub(s, P1);
        if (I1.Empty()) return {};
        ExpressionText I2 = Sub(s, P2);
        if (I2.Empty()) return {};
        return JoinTerms(Times(StripPlus(A), I1), '-', Times(StripPlus(A), I2));
    }
    if (count == 1) {
        ExpressionText F = FoldConstants(a, "(" + c2 + ")", '/');
        if (F.Empty()) return {};
        ExpressionText w = BracketIfNegative(F) + "/(x" + NegateTerm(roots[1]) + ")^2";
        return Sub(s, w);
    }
    auto B = [](const ExpressionText& t) { return BracketIfNegative(t); };
    ExpressionText a1 = B(a);
    if (c1 == "0")
        return a1 + "/sqrt(" + B(c2) + "*" + B(c0) + ")*atan(sqrt(" + B(c2) + "/" + B(c0) + ")*x)";
    ExpressionText K = "(4*" + B(c2) + "*" + B(c0) + "-" + B(c1) + "*" + B(c1) + ")/(4*" + B(c2) + "*" + B(c2) + ")";
    ExpressionText S = B(c1) + "/(2*" + B(c2) + ")";
    return a1 + "/(" + B(c2) + "*sqrt(" + K + "))*atan((x+" + S + ")/sqrt(" + K + "))";
}

ExpressionText Division(const ExpressionText& p, const ExpressionText& q, IntegrationState& s) {
    ExpressionText quotient, remainder;
    bool divided = false;
    if (!Quietly([&] { divided = DividePolynomials(p, q, quotient, remainder); }) || !divided) return {};
    if (s.AttemptCount >= MaxAttempts) return {};
    ++s.AttemptCount;
    ExpressionText iq = quotient.Empty() ? ExpressionText("0") : quotient;
    ExpressionText IQ = quotient.Empty() ? ExpressionText() : Sub(s, iq, false);
    if (remainder.Empty()) {
        if (!IQ.Empty()) return IQ;
        AddLogLine("Integranden er (" + iq.Str() + ")dx");
        AddLogLine("I(" + iq.Str() + ")dx = ");
        return {};
    }
    ExpressionText w2 = "(" + remainder + ")/(" + q + ")";
    // A constant over a quadratic is this strategy's own case; the
    // sub-integral would no longer reach it (the rational strategy runs once).
    ExpressionText IR;
    ExpressionText rr = remainder, qq = q;
    int dr = 0, dq = 0;
    TPolyCoefficients rc, qc;
    bool parsed = false;
    Quietly([&] { parsed = ParsePolynomial(rr, dr, rc) && ParsePolynomial(qq, dq, qc); });
    if (parsed && dr == 0 && dq == 2) {
        Announce(w2);
        IR = Quadratic(Coefficient(rc, 0), qc, qq, s);
    } else {
        IR = Sub(s, w2, false);
    }
    if (!IR.Empty() && (quotient.Empty() || !IQ.Empty())) return quotient.Empty() ? IR : JoinTerms(IQ, '+', IR);
    AddLogLine("Integranden er (" + iq.Str() + "+" + w2.Str() + ")dx");
    AddLogLine("I(" + iq.Str() + ")dx = " + IQ.Str());
    AddLogLine("Kan ikke udregne Integralet");
    AddLogLine("I(" + w2.Str() + ")dx");
    return {};
}

}  // namespace

ExpressionText IntegrateRationalFunction(const ExpressionText&, const ExpressionText& p, const ExpressionText& q,
                                         IntegrationState& s) {
    ExpressionText pp = p, qq = q;
    int dp = 0, dq = 0;
    TPolyCoefficients pc, qc;
    bool parsed = false;
    if (!Quietly([&] { parsed = ParsePolynomial(pp, dp, pc) && ParsePolynomial(qq, dq, qc); }) || !parsed) return {};
    if (dp >= dq) return Division(pp, qq, s);
    if (dp == 0 && dq == 2) return Quadratic(Coefficient(pc, 0), qc, qq, s);
    return {};
}
