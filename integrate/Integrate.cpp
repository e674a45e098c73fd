#include "Integrate.h"

#include "Canonical.h"
#include "Coefficients.h"
#include "Fractions.h"
#include "Host.h"
#include "Polynomial.h"
#include "RationalFunction.h"
#include "Reduce.h"
#include "Rules.h"
#include "Substitution.h"
#include "Scanner.h"
#include "TableLookup.h"
#include "TextOps.h"
#include "TextUtils.h"
#include "Tree.h"
#include "TreeIntegrate.h"

#include <string>
#include <vector>

namespace {


// What is left of a term after its leading number and the "*" after it were
// taken away: -x^... there was (-x)^..., which must stay so at the front.
ExpressionText KeepPowerSign(const ExpressionText& rest) {
    if (rest.StartsWith("-x^")) return "(-x)" + From(rest, 3);
    return rest;
}

// Removes n from term at its first occurrence with the "*" that joined it.
ExpressionText RemoveNumber(const ExpressionText& term, const ExpressionText& n) {
    int p = term.Find(n.View()) + 1;
    ExpressionText t = Mid(term, 1, p - 1) + From(term, p + n.Length());
    if (t.At(p) == '*')
        t = Mid(t, 1, p - 1) + From(t, p + 1);
    else if (p >= 2 && t.At(p - 1) == '*')
        t = Mid(t, 1, p - 2) + From(t, p);
    if (t.At(1) == '/') t = "1" + t;
    if (t.Empty()) t = "1";
    return KeepPowerSign(t);
}

ExpressionText Multiply(const ExpressionText& a, const ExpressionText& b) {
    if (a.Empty()) return b;
    if (b.Empty()) return a;
    // A power too large to fold (3^22) stays a power: the product as text.
    if (a.Contains('^') || b.Contains('^')) return a + "*" + (IsAtomic(b) && b.At(1) != '-' ? b : "(" + b + ")");
    ExpressionText r;
    bool wasSet = ErrorFlag;
    MultiplyConstants(a, b, '*', r);
    if (wasSet) ErrorFlag = true;
    return r;
}

// A first factor 2^(-3), as the fraction pass writes 2^-3, which LeadingNumber
// does not take: folded by EvaluatePowerConstant like 2^-3.
ExpressionText SplitConstantPower(ExpressionText& term) {
    int p = DigitsEnd(term, 1);
    if (p == 1 || term.At(p) != '^' || term.At(p + 1) != '(') return {};
    int close = MatchingBracket(term, p + 1);
    ExpressionText exponent = Mid(term, p + 2, close - 1);
    if (close == 0 || term.At(close + 1) != '*' || !IsIntegerText(exponent.View())) return {};
    ExpressionText value = EvaluatePowerConstant(Mid(term, 1, p) + exponent);
    if (value.Empty() || value.Contains('^')) return {};
    term = KeepPowerSign(From(term, close + 2));
    return value;
}

}  // namespace

void Announce(const ExpressionText& g) { AddLogLine("Fors\xF8ger at udregne: I(" + g.Str() + ")dx"); }

ExpressionText SplitConstantFactor(ExpressionText& term) {
    ExpressionText k = LeadingNumber(term, true);
    if (k.Empty()) return SplitConstantPower(term);
    term = RemoveNumber(term, k);
    return EvaluatePowerConstant(k);
}

ExpressionText ApplyConstantFactor(const ExpressionText& f, ExpressionText factor, const ExpressionText& divisor) {
    if (factor.Empty() && divisor.Empty()) return f;
    if (f.Empty()) return f;
    // The divisor divides the whole factor, bracketed unless it is one operand
    // (a divisor 1/ln(2) multiplies by ln(2)).
    auto foldDivisor = [&] {
        if (divisor.Empty()) return;
        ExpressionText base = factor.Empty() ? ExpressionText("1") : factor;
        factor = base + (IsAtomic(divisor) && divisor.At(1) != '-' ? "/" + divisor : "/(" + divisor + ")");
    };
    if (!IsSingleTerm(f)) {
        foldDivisor();
        if (factor.Empty() || factor == "1") return f;
        return factor + "*(" + f + ")";
    }
    ExpressionText F = f;
    ExpressionText n = LeadingNumber(F, true);
    if (!n.Empty()) {
        F = RemoveNumber(F, n);
        if (F == "1") F.Clear();
        factor = Multiply(PullOutBracketNumbers(factor), EvaluatePowerConstant(n));
    }
    foldDivisor();
    if (F.Empty()) return factor;
    if (F.At(1) == '/') return factor + F;
    if (factor == "1") return F;
    if (F.At(1) == '-') {
        // Only a minus that negates the whole term can move into the factor.
        if (!MinusNegatesTerm(F, 1, true)) return factor + "*(" + F + ")";
        F = From(F, 2);
        // MinusTerm keeps a power's base apart from the sign: -(3^22), not -3^22.
        factor = factor.At(1) == '-' ? From(factor, 2) : MinusTerm(factor);
    }
    if (factor.At(1) == '(' && factor.At(2) == '-' && IsFullBracket(factor)) factor = Mid(factor, 2, factor.Length() - 1);
    return factor + "*" + F;
}

ExpressionText FindWildcardPattern(const ExpressionText& text, const ExpressionText& pattern, ExpressionText& binding) {
    binding.Clear();
    int q = pattern.Find('?');
    if (q < 0) return text.Contains(pattern.View()) ? pattern : ExpressionText();
    ExpressionText pre = pattern.Sub(0, q), post = pattern.Sub(q + 1);
    int p = text.Find(pre.View());
    if (p < 0) return {};
    int e = text.Find(post.View(), p + 1 + pre.Length() > text.Length() ? text.Length() : p + pre.Length());
    if (e < 0 || e < p + pre.Length()) return {};
    binding = text.Sub(p + pre.Length(), e - p - pre.Length());
    return text.Sub(p, e + post.Length() - p);
}

namespace {

// The search tries many rewritings of the user's integrand; a simplifier
// that meets a text it cannot take (a power too large to fold, a division by
// zero in a constant) would show a modal box for each attempt. While an
// integration runs, such a message goes to the log instead, and the whole
// search gives up at the first one.
class SearchHost : public Host {
public:
    explicit SearchHost(Host& outer) : outer_(outer) {}
    // A sub-integral announced again right after the same announcement adds
    // nothing to the log.
    void AddLogLine(std::string_view line) override {
        if (line == last_ && line.starts_with("Fors\xF8ger at udregne: ")) return;
        last_ = line;
        outer_.AddLogLine(line);
    }
    bool ErrorBox(std::string_view message, bool) override {
        if (!failed) outer_.AddLogLine("Fejl under integration: " + std::string(message));
        failed = true;
        return false;
    }
    bool failed = false;

private:
    Host& outer_;
    std::string last_;
};

SearchHost* activeSearch = nullptr;

}  // namespace

bool SearchFailed() { return activeSearch && activeSearch->failed; }



namespace {

// The table on the integrand as typed, then the strategies on its tree. (The
// rewriting search of IntegrateStep, which the table's reduction rows still
// use, found nothing more than these on the school corpora and could take
// tens of milliseconds to give up, so it is not tried on the whole integrand.)
ExpressionText FirstAntiderivative(const ExpressionText& f) {
    const ExpressionText typed = LowerCaseText(f);
    ExpressionText F;
    if (Quietly([&] { F = IntegrateByTable(ToFractions(typed)); }) && !F.Empty()) return F;
    Tree t = ParseTree(typed);
    if (!t) return IntegrateStep(0, 0, true, f);  // the search reports what the notation cannot read
    std::vector<std::string> steps;
    Tree G = IntegrateTree(t, steps);
    if (G && PrintTree(G, F)) {
        for (const std::string& line : steps) AddLogLine(line);
        return F;
    }
    Announce(typed);
    return {};
}

}  // namespace

ExpressionText IntegrateExpression(const ExpressionText& f) {
    if (activeSearch) return IntegrateStep(0, 0, true, f);  // a reduction row's rest
    SearchHost search(CurrentHost());
    struct Scope {
        Host* previous;
        explicit Scope(SearchHost& s) : previous(SetHost(&s)) { activeSearch = &s; }
        ~Scope() {
            SetHost(previous);
            activeSearch = nullptr;
        }
    } scope(search);
    ExpressionText F = FirstAntiderivative(f);
    if (search.failed) {
        ErrorFlag = true;
        return {};
    }
    return F.Empty() ? F : TeacherForm(F);
}

ExpressionText IntegrateSum(IntegrationState& s) {
    ExpressionText t = FirstTerm(s.Integrand);
    int p = t.Length() + 1;
    ExpressionText rest;
    if (s.Integrand.Length() > p) {
        rest = From(s.Integrand, p + 1);
        // The rest is integrated as a whole: a "-" before it negates its
        // first term only, so that term is negated in the text itself.
        if (s.Integrand.At(p) == '-') {
            ExpressionText first = FirstTerm(rest);
            rest = MinusTerm(first) + From(rest, first.Length() + 1);
        }
    }
    t = GatherCoefficient(t);
    if (ErrorFlag) return {};
    t = ToFractions(t);
    if (s.AttemptCount >= MaxAttempts) return {};
    ++s.AttemptCount;
    Announce(t);
    ExpressionText r1 = ToFractions(IntegrateStep(s.AttemptCount, s.SubstitutionCount, s.AllowRational, t));
    if (r1.Empty()) return {};
    if (rest.Empty()) return r1;
    if (s.AttemptCount >= MaxAttempts) return {};
    ++s.AttemptCount;
    Announce(rest);
    ExpressionText r2 = ToFractions(IntegrateStep(s.AttemptCount, s.SubstitutionCount, s.AllowRational, rest));
    if (r2.Empty()) return {};
    return JoinTerms(r1, '+', r2);
}

namespace {

ExpressionText ByFunctionRules(const ExpressionText& e) {
    ExpressionText r = e;
    ApplyFunctionRules(e, r);
    return r;
}

ExpressionText ByAlgebraRules(const ExpressionText& e) {
    ExpressionText r = e;
    ApplyAlgebraRules(e, r);
    return r;
}

// A sub-integral with the counters of the calling step; empty at the limit.
ExpressionText SubIntegral(IntegrationState& s, const ExpressionText& g) {
    if (s.AttemptCount >= MaxAttempts) return {};
    Announce(g);
    ++s.AttemptCount;
    return IntegrateStep(s.AttemptCount, s.SubstitutionCount, s.AllowRational, g);
}

// A summand made ready for its own integration.
ExpressionText PrepareTerm(const ExpressionText& t) {
    return ToFractions(GatherCoefficient(ReduceExpression(ToFractions(RewriteFirstDenominator(t, ByFunctionRules)))));
}

}  // namespace

ExpressionText IntegrateByRewriting(IntegrationState& s, ExpressionText w) {
    ExpressionText result, a;
    // Trigonometric and hyperbolic substitutions for 1-a^2, sqrt(1+a^2), 1+a^2.
    if (!FindWildcardPattern(w, "1-?^2", a).Empty()) {
        ++s.SubstitutionCount;
        if (s.SubstitutionCount < 7) result = IntegrateByTrigSubstitution(w, "sin(x)", "cos(x)", a, s);
    }
    if (result.Empty() && !FindWildcardPattern(w, "sqrt(1+?^2)", a).Empty())
        result = IntegrateByTrigSubstitution(w, "sinh(x)", "cosh(x)", a, s);
    if (result.Empty() && !FindWildcardPattern(w, "1+?^2", a).Empty())
        result = IntegrateByTrigSubstitution(w, "tan(x)", "(1+tan(x)^2)", a, s);
    if (!result.Empty()) return result;
    if (s.AttemptCount >= MaxAttempts || ErrorFlag) return {};

    // First rewrite: the algebra rules on the first denominator, then the function rules.
    ExpressionText w2 = RewriteFirstDenominator(w, [&](const ExpressionText& e) {
        return w.Contains("/(") ? ToFractions(ByAlgebraRules(e)) : ByAlgebraRules(e);
    });
    w2 = ToFractions(ByFunctionRules(w2));
    if (ErrorFlag) return {};
    if (IsSingleTerm(w2)) {
        w2 = GatherCoefficient(ReduceExpression(ToFractions(RewriteFirstDenominator(w2, ByFunctionRules))));
        if (ErrorFlag) return {};
        if (w2 != w && s.AttemptCount < MaxAttempts) {
            ++s.AttemptCount;
            w = w2;
            result = IntegrateTransformed(w, "", "", "", "", s);
        }
    } else {
        w = w2;
    }
    // Second rewrite: the function rules on the first denominator.
    if (result.Empty() && s.AttemptCount < MaxAttempts) {
        w2 = ToFractions(RewriteFirstDenominator(w, ByFunctionRules));
        if (ErrorFlag) return {};
        if (w2 != w) {
            ++s.AttemptCount;
            w = w2;
            result = IntegrateTransformed(w, "", "", "", "", s);
        }
    }
    if (result.Empty() && s.AttemptCount < MaxAttempts) result = IntegrateByTable(w);
    if (!result.Empty() || s.AttemptCount >= MaxAttempts) return result;

    // Term by term.
    ExpressionText t = FirstTerm(w), rest;
    int p = t.Length() + 1;
    if (w.Length() > p) {
        rest = From(w, p + 1);
        if (w.At(p) == '-') {
            ExpressionText first = FirstTerm(rest);
            rest = MinusTerm(first) + From(rest, first.Length() + 1);
        }
    }
    t = PrepareTerm(t);
    if (!rest.Empty()) rest = PrepareTerm(rest);
    if (ErrorFlag) return {};
    ExpressionText r1 = SubIntegral(s, t);
    if (r1.Empty() || rest.Empty()) return r1;
    ExpressionText r2 = ToFractions(SubIntegral(s, rest));
    if (r2.Empty()) return {};
    return JoinTerms(ToFractions(r1), '+', r2);
}

ExpressionText IntegrateStep(int attemptCount, int substitutionCount, bool allowRational, const ExpressionText& f) {
    if (f.Empty() || ErrorFlag || ReductionAbandoned() || SearchFailed()) return {};
    IntegrationState s;
    s.AttemptCount = attemptCount;
    s.SubstitutionCount = substitutionCount;
    s.AllowRational = allowRational;
    s.Integrand = LowerCaseText(f);
    if (s.Integrand == "0") return "1";
    if (IsNumberExpression(s.Integrand)) {
        ExpressionText c = ToFractions(s.Integrand);
        return IsSingleTerm(c) ? c + "*x" : "(" + c + ")*x";
    }
    s.Integrand = ToFractions(s.Integrand);
    s.Result = IntegrateByTable(s.Integrand);
    if (s.Result.Empty() && s.AllowRational) {
        s.AllowRational = false;
        ExpressionText p, q;
        bool rational = false;
        Quietly([&] { rational = IsRationalFunction(s.Integrand, p, q); });
        if (rational) {
            ExpressionText r = IntegrateRationalFunction(s.Integrand, p, q, s);
            if (!r.Empty()) return r;
        }
    }
    if (s.AttemptCount > MaxAttempts) return {};
    if (!s.Result.Empty()) return ToFractions(s.Result);
    if (!IsSingleTerm(s.Integrand)) return ToFractions(IntegrateSum(s));

    // Constant factor. Every strategy below integrates the integrand without
    // it; the factor is applied once, at the end, to whichever result is found.
    s.Factor = SplitConstantFactor(s.Integrand);
    if (s.Factor.Empty() && s.Integrand.At(1) == '-' && MinusNegatesTerm(s.Integrand, 1, true)) {
        s.Factor = "-1";
        s.Integrand = From(s.Integrand, 2);
    }
    s.Result = IntegrateByTable(s.Integrand);
    if (s.Result.Empty()) s.Result = IntegrateByTable(ReduceExpression(s.Integrand));
    if (s.Result.Empty()) s.Result = IntegrateBySubstitution(s.Integrand, true, s);

    // Rewriting and a fresh attempt.
    if (s.Result.Empty() && s.AttemptCount < MaxAttempts) {
        ExpressionText w = s.Integrand;
        if (w.Contains("/(") && FindFunctionName(w).Empty()) {
            w = ToFractions(RewriteFirstDenominator(w, ByFunctionRules));
        } else {
            if (IsSingleTerm(w)) w = ReduceExpression(w);
            w = ToFractions(ByFunctionRules(ByAlgebraRules(ByFunctionRules(w))));
        }
        if (ErrorFlag) return {};
        if (w != s.Integrand) s.Result = SubIntegral(s, w);
    }
    if (s.Result.Empty() && s.AttemptCount < MaxAttempts) {
        ExpressionText f2 = SplitConstantFactor(s.Integrand);
        if (!f2.Empty()) s.Factor = Multiply(s.Factor, f2);
        if (ErrorFlag) return {};
        s.Integrand = ToFractions(s.Integrand);
        s.Result = IntegrateByTable(s.Integrand);
        if (s.Result.Empty() && s.Integrand.Contains("tan(x)")) {
            if (s.Integrand.Contains("(1/cos(x)^2)"))
                s.Integrand = ReplaceLiteral(s.Integrand, "1/cos(x)^2", "1+tan(x)^2");
            else if (s.Integrand.Contains("1/cos(x)^2"))
                s.Integrand = ReplaceLiteral(s.Integrand, "1/cos(x)^2", "(1+tan(x)^2)");
            else if (s.Integrand.Contains("/cos(x)^2"))
                s.Integrand = ReplaceAll(s.Integrand, "/cos(x)^2", "*(1+tan(x)^2)");
        }
        if (s.Result.Empty()) s.Result = IntegrateBySubstitution(s.Integrand, true, s);
        if (s.Result.Empty()) {
            s.Divisor.Clear();
            s.Result = IntegrateByRewriting(s, s.Integrand);
        }
    }
    if (s.Result.Empty() || ErrorFlag) return {};
    s.Result = ApplyConstantFactor(ToFractions(s.Result), s.Factor, s.Divisor);
    if (IsSingleTerm(s.Result)) s.Result = GatherCoefficient(s.Result);
    return ToFractions(s.Result);
}
