#include "Substitution.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>

#include "Coefficients.h"
#include "Differentiate.h"
#include "InnerFunction.h"
#include "Rules.h"
#include "TableLookup.h"
#include "Fractions.h"
#include "Host.h"
#include "Reduce.h"
#include "Scanner.h"
#include "TextOps.h"

namespace {

ExpressionText Multiply(const ExpressionText& a, const ExpressionText& b, char op) {
    ExpressionText r;
    bool wasSet = ErrorFlag;
    MultiplyConstants(a, b, op, r);
    if (wasSet) ErrorFlag = true;
    return r;
}

}  // namespace

ExpressionText ReplaceVariable(const ExpressionText& text, char variable, const ExpressionText& replacement) {
    ExpressionText result;
    for (int p = 1; p <= text.Length();) {
        int name = FunctionAt(text, p);
        if (name >= 0) {
            result += FunctionNames[name];
            p += static_cast<int>(FunctionNames[name].size());
        } else if (text.At(p) == 'p' && text.At(p + 1) == 'i') {
            result += "pi";
            p += 2;
        } else {
            if (text.At(p) == variable)
                result += replacement;
            else
                result += text.At(p);
            ++p;
        }
    }
    return result;
}

ExpressionText BackSubstitute(const ExpressionText& F, ExpressionText c, const ExpressionText& k,
                              const ExpressionText& t, const ExpressionText& d) {
    ExpressionText G = ReplaceVariable(F, 'x', "y");
    if (!k.Empty() && k != "1") {
        if (!c.Empty())
            c = Multiply(c, IsFractionText(k) ? "(" + k + ")" : k, '/');
        else if (IsFractionText(k))
            c = Multiply("1", "(" + k + ")", '/');
        else if (k.At(1) == '-')
            c = "-1/" + From(k, 2);
        else
            c = "1/" + k;
    }
    G = ApplyConstantFactor(G, c, d);
    if (t.Empty()) return ReplaceVariable(G, 'y', "x");
    // t stands for the variable everywhere: bracketed unless it is one operand.
    bool bare = IsAtomic(t) && t.At(1) != '-';
    return ReplaceVariable(G, 'y', bare ? t : "(" + t + ")");
}

ExpressionText InverseFunction(const ExpressionText& s, const ExpressionText& a) {
    static constexpr std::array<std::pair<std::string_view, std::string_view>, 11> Inverses = {{
        {"sqrt", ""}, {"sinh", "asinh"}, {"asinh", "sinh"}, {"sin", "asin"}, {"asin", "sin"},
        {"cosh", "acosh"}, {"acosh", "cosh"}, {"cos", "acos"}, {"tan", "atan"}, {"atan", "tan"},
        {"ln", "exp"},
    }};
    for (const auto& [name, inverse] : Inverses) {
        if (!s.StartsWith(name)) continue;
        if (inverse.empty()) return "(x)^2";
        return ExpressionText(inverse) + "(" + a + ")";
    }
    return {};
}

ExpressionText SplitConstantFunctionFactors(ExpressionText& term) {
    ExpressionText collected;
    for (std::string_view name : FunctionNames) {
        // The same name again as long as the term changes; each round
        // removes a factor, so at most 255 rounds.
        for (int from = 0;;) {
            int p = term.Find(name, from) + 1;
            if (p == 0) break;
            // Only a whole name: "sin" inside "asin" is another function.
            if (FunctionAt(term, p) < 0 || FunctionNames[FunctionAt(term, p)] != name ||
                (p > 1 && IsLowerLetter(term.At(p - 1)))) {
                from = p;
                continue;
            }
            int open = p + static_cast<int>(name.size());
            int close = term.At(open) == '(' ? MatchingBracket(term, open) : 0;
            if (close == 0 || !IsNumberExpression(Mid(term, open + 1, close - 1))) {
                from = p;
                continue;
            }
            ExpressionText factor = Mid(term, p, close);
            char before = p > 1 ? term.At(p - 1) : '\0', after = term.At(close + 1);
            bool divisor = before == '/';
            // Only a factor of the whole term: joined by "*" or "/" or at an end.
            if (!(before == '\0' || before == '*' || before == '/') ||
                !(after == '\0' || after == '*' || after == '/')) {
                from = p;
                continue;
            }
            if (before != '\0') {
                term = Mid(term, 1, p - 2) + From(term, close + 1);
            } else if (after == '*') {
                term = From(term, close + 2);
            } else if (after == '/') {
                term = "1" + From(term, close + 1);
            } else {
                term = "1";
            }
            if (collected.Empty())
                collected = divisor ? "1/" + factor : factor;
            else
                collected = collected + (divisor ? "/" : "*") + factor;
            from = 0;
        }
    }
    return collected;
}

namespace {


// The derivative of t, tidied; empty when it cannot be formed.
ExpressionText Derivative(const ExpressionText& t) {
    ExpressionText dt;
    if (!Quietly([&] { dt = ToFractions(DifferentiateExpression(t)); })) return {};
    return dt;
}

// Splits t' into its constant k and the rest dt ("" when t' is constant).
void SplitDerivative(ExpressionText& dt, ExpressionText& k, ExpressionText& d) {
    k.Clear();
    d.Clear();
    if (!IsSingleTerm(dt)) return;
    d = SplitConstantFunctionFactors(dt);
    if (IsNumberExpression(dt)) {  // t is linear
        k = dt;
        dt.Clear();
        return;
    }
    if (dt.At(1) == '-' && MinusNegatesTerm(dt, 1, true) && LeadingNumber(dt, true).Empty()) {
        k = "-1";
        dt = From(dt, 2);
    }
    ExpressionText n = SplitConstantFactor(dt);
    if (!n.Empty()) k = k.Empty() ? n : Multiply(k, n, '*');
    if (dt == "1") dt.Clear();
}

// w divided by the factor dt of its product, or empty when dt is no factor
// of the whole of w (so that w = result * dt holds exactly).
ExpressionText DivideOut(const ExpressionText& w, const ExpressionText& dt) {
    if (!IsSingleTerm(w) || dt.Empty()) return {};
    bool reciprocal = dt.StartsWith("1/");
    ExpressionText part = reciprocal ? From(dt, 2) : dt;  // "/q" for 1/q
    for (int from = 0;;) {
        int p = w.Find(part.View(), from) + 1;
        if (p == 0) return {};
        from = p;
        int q = p + part.Length();
        int depth = 0;
        for (int i = 1; i < p; ++i) depth += w.At(i) == '(' ? 1 : w.At(i) == ')' ? -1 : 0;
        if (depth != 0) continue;
        char before = p > 1 ? w.At(p - 1) : '\0', after = w.At(q);
        if (!(after == '\0' || after == '*' || after == '/')) continue;
        ExpressionText rest;
        if (reciprocal) {
            rest = Mid(w, 1, p - 1) + From(w, q);
        } else if (before == '\0' || (before == '-' && p == 2)) {
            rest = Mid(w, 1, p - 1) + (after == '*' ? From(w, q + 1) : after == '/' ? "1" + From(w, q) : "1");
        } else if (before == '*') {
            rest = Mid(w, 1, p - 2) + From(w, q);
        } else {
            continue;
        }
        if (rest.Empty() || rest == "-") rest = rest + "1";
        if (rest.At(1) == '/') rest = "1" + rest;
        return rest;
    }
}

bool HasX(const ExpressionText& text) { return ReplaceVariable(text, 'x', "") != text; }

}  // namespace

ExpressionText IntegrateTransformed(ExpressionText w, ExpressionText c, const ExpressionText& t,
                                    const ExpressionText& d, const ExpressionText& k, IntegrationState& state) {
    // A transformed integrand "1" is integrated like any other: its
    // antiderivative x becomes t divided by t's constant.
    if (w != "1") {
        ExpressionText c2 = SplitConstantFactor(w);
        if (!c2.Empty()) c = c.Empty() ? c2 : Multiply(c, c2, '*');
    }
    ExpressionText F = state.AdvancedPass ? IntegrateByTable(w) : IntegrateByRewriting(state, w);
    if (F.Empty()) return F;
    return BackSubstitute(ToFractions(F), c, k, t, d);
}

ExpressionText IntegrateBySubstitution(const ExpressionText& f, bool allowNested, IntegrationState& s) {
    s.TransformedPass = s.AdvancedPass = true;
    if (s.SubstitutionCount > 3) return {};
    ++s.SubstitutionCount;
    for (int n = 0;;) {
        if (ReductionAbandoned() || SearchFailed()) return {};
        ExpressionText t;
        if (n > 255 || !Quietly([&] { FindInnerFunction(static_cast<std::uint8_t>(n), f, t); })) t.Clear();
        if (t.Empty()) {
            // The candidates are exhausted: the next pass, or the end.
            if (s.TransformedPass) {
                s.TransformedPass = false;
            } else if (s.AdvancedPass) {
                s.AdvancedPass = false;
            } else {
                return {};
            }
            n = 0;
            continue;
        }
        ++n;
        ExpressionText dt = Derivative(t), k, d;
        if (dt.Empty() && !IsSingleTerm(t)) continue;
        SplitDerivative(dt, k, d);
        ExpressionText w;
        if (t == "sqrt(x)" && !s.TransformedPass && allowNested) {
            // Second pass, t = sqrt(x): x = y^2 and dx = 2*y*dy, for x >= 0
            // where t is defined.
            w = "2*y*(" + SubstituteVariable(ReplaceLiteral(f, t, "y"), "x", "y^2") + ")";
            k.Clear();
            d.Clear();
            dt = "1/(2*sqrt(x))";
        } else if (dt.Empty()) {
            w = ReplaceLiteral(f, t, "y");
            // Second pass: the x left beside a linear t is written in y too
            // (not inside a nested substitution, which would only undo it).
            if (HasX(w) && !s.TransformedPass && allowNested) {
                ExpressionText x = InvertInnerFunction(t);
                if (x.Empty()) continue;
                w = SubstituteVariable(w, "x", x);
            }
        } else if (!dt.Contains(t.View())) {
            w = DivideOut(f, dt);
            if (w.Empty()) continue;
            w = ReplaceLiteral(w, t, "y");
        } else {
            continue;
        }
        if (HasX(w)) continue;
        ExpressionText saved = SubstituteVariable(w, "y", "t");
        w = SubstituteVariable(w, "y", "x");
        if (!Quietly([&] { w = ToFractions(GatherCoefficient(ReduceExpression(w))); })) continue;
        if (ErrorFlag) return {};
        ExpressionText c;
        ExpressionText result = IntegrateTransformed(w, c, t, d, k, s);
        if (result.Empty() && allowNested) {
            IntegrationState inner = s;
            ExpressionText nested = IntegrateBySubstitution(w, false, inner);
            s.AttemptCount = inner.AttemptCount;
            s.SubstitutionCount = inner.SubstitutionCount;
            if (!nested.Empty()) result = BackSubstitute(nested, c, k, t, d);
        }
        if (result.Empty()) continue;
        std::string line = "F(x) = I(" + saved.Str() + ")dt ; t=" + t.Str() + " ; dt=";
        if (!k.Empty() && !dt.Empty())
            line += k.Str() + "*(" + dt.Str() + ")dx";
        else if (!k.Empty())
            line += k.Str() + "*dx";
        else
            line += dt.Str() + "dx";
        AddLogLine(line);
        AddLogLine("I(" + w.Str() + ")dx =" + result.Str());
        return result;
    }
}

ExpressionText IntegrateByTrigSubstitution(ExpressionText w, const ExpressionText& s, const ExpressionText& ds,
                                           const ExpressionText& a, IntegrationState& state) {
    w = ReplaceLiteral(w, a, "y");
    // An x left beside a would be taken for the new variable.
    if (HasX(w)) return {};
    w = SubstituteVariable(w, "y", s);
    ExpressionText a2 = ToFractions(a), inner;
    if (a2 != "x") {
        inner = Derivative(a2);
        if (inner.Empty() || HasX(inner)) return {};
    }
    // The integrand's own factor; the driver applies its factor to the result.
    ExpressionText factor = SplitConstantFactor(w);
    w = w.At(1) == '*' || w.At(1) == '/' ? ds + w : ds + "*" + w;
    bool ok = Quietly([&] {
        w = RewriteFirstDenominator(w, [](const ExpressionText& e) {
            ExpressionText r = e;
            ApplyFunctionRules(e, r);
            return r;
        });
        // The new variable lies in the range of asin or atan, where cos is
        // positive (cosh is everywhere): the absolute values the rules leave
        // for sqrt(cos(x)^2) are the functions themselves there.
        w = ReplaceAll(ReplaceAll(w, "abs(cos(x))", "cos(x)"), "abs(cosh(x))", "cosh(x)");
        w = GatherCoefficient(ReduceExpression(w));
    });
    if (!ok || state.AttemptCount >= MaxAttempts) return {};
    Announce(w);
    ++state.AttemptCount;
    ExpressionText F = IntegrateStep(state.AttemptCount, state.SubstitutionCount, state.AllowRational, w);
    if (F.Empty()) return {};
    if (!inner.Empty()) factor = factor.Empty() ? Multiply("1", inner, '/') : Multiply(factor, inner, '/');
    F = ApplyConstantFactor(F, factor, "");
    ExpressionText back = InverseFunction(s, a2);
    return ReplaceVariable(F, 'x', back);
}
