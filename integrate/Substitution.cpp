#include "Substitution.h"

#include <array>
#include <string_view>
#include <utility>

#include "Coefficients.h"
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
