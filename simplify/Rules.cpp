#include "Rules.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "Coefficients.h"
#include "Evaluate.h"
#include "Fractions.h"
#include "Host.h"
#include "Reduce.h"
#include "TextOps.h"
#include "TextUtils.h"

namespace {

// Sweeps are bounded because some rules can match their own results
// (1/(?-1) and the squares of sums could grow a text sweep after sweep). A
// text still changing after this many sweeps is returned as it stands: every
// single step was checked to keep the value, so any stage is a correct result.
constexpr int MaxAlgebraSweeps = 60;
constexpr int MaxFunctionSweeps = 30;

// What the operators around a unit (an operand, product or sum standing in a
// text) demand of its precedence; Unary: after a unary sign, where a product
// or a single operand may stand but not a sum or a power (3*-x^2 is 3*(-x)^2).
constexpr int Unary = 5;
constexpr int Impossible = 9;

bool IsWildcard(char c) { return c == '?' || c == '&' || c == '$'; }

bool Allowed(int precedence, int need) {
    if (precedence == 0 || need == Impossible) return false;
    if (need == Unary) return precedence == 2 || precedence == 4;
    return precedence >= need;
}

// The same for a given unit: after a unary sign a product may stand only
// when its first factor is no power, since the sign belongs to that base
// (3*-x^2*x is 3*(-x)^2*x, not 3*-(x^2*x)).
bool Fits(const ExpressionText& unit, int precedence, int need) {
    if (!Allowed(precedence, need)) return false;
    if (need != Unary || precedence != 2) return true;
    int e = OperandEnd(unit, 1);
    return e != 0 && unit.At(e) != '^';
}

// Need from the character before a unit that starts at index i (0-based).
int NeedLeft(std::string_view t, int i) {
    if (i <= 0) return 0;
    char c = t[i - 1];
    bool unary = i - 1 == 0 || IsOneOf(t[i - 2], "(*/^+-");
    switch (c) {
        case '(': return 0;
        case '+': return unary ? Unary : 1;
        case '-': return unary ? Unary : 2;
        case '*': return 2;
        case '/': return 3;
        case '^': return 4;
        default: return Impossible;
    }
}

// Need from the character at index j (0-based), just after a unit.
int NeedRight(std::string_view t, int j) {
    if (j >= static_cast<int>(t.size())) return 0;
    switch (t[j]) {
        case ')': return 0;
        case '+': case '-': return 1;
        case '*': case '/': return 2;
        case '^': return 4;
        default: return Impossible;
    }
}

// The need of an operator that a replacement puts before its unit.
int NeedAfterOperator(char op) { return op == '/' ? 3 : 2; }

bool ReadsAt(const ExpressionText& w, int pos, std::string_view lit) {
    if (pos < 1 || pos - 1 + static_cast<int>(lit.size()) > w.Length()) return false;
    return w.View().substr(pos - 1, lit.size()) == lit;
}

int FindFrom(const ExpressionText& w, std::string_view lit, int from) {
    int p = w.Find(lit, from - 1);
    return p < 0 ? 0 : p + 1;
}

// A pattern split at its wildcards: lit[0] w[0] lit[1] w[1] ... lit[n].
struct Pattern {
    std::string_view text;
    std::string_view lit[4];
    char wild[3] = {};
    int n = 0;
    explicit Pattern(std::string_view p) : text(p) {
        std::size_t start = 0;
        for (std::size_t i = 0; i < p.size() && n < 3; ++i)
            if (IsWildcard(p[i])) {
                lit[n] = p.substr(start, i - start);
                wild[n++] = p[i];
                start = i + 1;
            }
        lit[n] = p.substr(start);
    }
    // Pattern index of the k-th wildcard.
    int WildIndex(int k) const {
        int index = static_cast<int>(lit[0].size());
        for (int i = 0; i < k; ++i) index += 1 + static_cast<int>(lit[i + 1].size());
        return index;
    }
};

// How a trailing wildcard (nothing after it in the pattern) ends.
enum class Trail { Digits, Number, Operand, Term };

struct Match {
    int s = 0, e = 0;  // first and last position of the matched text
    ExpressionText binding[3];
    const Pattern* pattern = nullptr;
    ExpressionText Of(char name) const {
        for (int i = 0; i < pattern->n; ++i)
            if (pattern->wild[i] == name) return binding[i];
        return {};
    }
};

// First position a > b where lit stands outside any bracket opened after b;
// 0 when the text closes a bracket it did not open before that.
int LiteralAfter(const ExpressionText& w, int b, std::string_view lit) {
    int depth = 0;
    for (int a = b; a <= w.Length(); ++a) {
        if (a > b && depth == 0 && ReadsAt(w, a, lit)) return a;
        char c = w.At(a);
        if (c == '(') ++depth;
        if (c == ')' && --depth < 0) return 0;
    }
    return 0;
}

// Position after a trailing binding that starts at b, or 0.
int TrailEnd(const ExpressionText& w, int b, Trail trail) {
    switch (trail) {
        case Trail::Digits: {
            int e = DigitsEnd(w, b);
            return e > b ? e : 0;
        }
        case Trail::Number: {
            ExpressionText number = LeadingNumber(From(w, b), false);
            return number.Empty() ? 0 : b + number.Length();
        }
        case Trail::Operand: return OperandEnd(w, b);
        case Trail::Term: {
            int depth = 0;
            for (int a = b; a <= w.Length(); ++a) {
                char c = w.At(a);
                if (depth == 0 && a > b && IsTermSign(w, a)) return a;
                if (c == '(') ++depth;
                if (c == ')' && --depth < 0) return a > b ? a : 0;
            }
            return w.Length() + 1;
        }
    }
    return 0;
}

// The pattern read at s: literal pieces in place, every binding a non-empty
// balanced text, repeated wildcards bound alike.
bool MatchAt(const ExpressionText& w, int s, const Pattern& p, Trail trail, Match& m) {
    if (s < 1 || !ReadsAt(w, s, p.lit[0])) return false;
    m.pattern = &p;
    m.s = s;
    int pos = s + static_cast<int>(p.lit[0].size());
    for (int i = 0; i < p.n; ++i) {
        int b = pos, end;
        if (!p.lit[i + 1].empty()) {
            end = LiteralAfter(w, b, p.lit[i + 1]);
            if (end == 0) return false;
            pos = end + static_cast<int>(p.lit[i + 1].size());
        } else {
            end = TrailEnd(w, b, trail);
            if (end <= b) return false;
            pos = end;
        }
        m.binding[i] = Mid(w, b, end - 1);
        if (m.binding[i].Empty() || !BracketsBalanced(m.binding[i])) return false;
        for (int k = 0; k < i; ++k)
            if (p.wild[k] == p.wild[i] && !(m.binding[k] == m.binding[i])) return false;
    }
    m.e = pos - 1;
    return m.e >= m.s;
}

// The matched text replaced: checks that the match and each binding stand
// as whole units, puts bindings and the replacement in brackets where needed.
// False when the match is not a whole unit or the result would not fit.
bool Replace(const ExpressionText& w, const Match& m, std::string_view replacement, ExpressionText& result) {
    const Pattern& p = *m.pattern;
    std::string_view wv = w.View();
    bool operatorLed = !p.text.empty() && IsOneOf(p.text[0], "*/") && !replacement.empty() &&
                       IsOneOf(replacement[0], "*/");
    int unitStart = operatorLed ? m.s + 1 : m.s;  // 1-based
    int needLeft = operatorLed ? NeedAfterOperator(w.At(m.s)) : NeedLeft(wv, unitStart - 1);
    int needRight = NeedRight(wv, m.e);
    ExpressionText unit = Mid(w, unitStart, m.e);
    int precedence = TextPrecedence(unit);
    if (!Fits(unit, precedence, needLeft) || !Allowed(precedence, needRight)) return false;

    // Each binding must be a whole unit where its wildcard stands.
    for (int i = 0; i < p.n; ++i) {
        int q = p.WildIndex(i);
        int l = q == 0 ? needLeft : NeedLeft(p.text, q);
        int r = q + 1 == static_cast<int>(p.text.size()) ? needRight : NeedRight(p.text, q + 1);
        int bp = TextPrecedence(m.binding[i]);
        if (!Fits(m.binding[i], bp, l) || !Allowed(bp, r)) return false;
    }

    std::string_view body = operatorLed ? replacement.substr(1) : replacement;
    std::string built;
    for (int j = 0; j < static_cast<int>(body.size()); ++j) {
        char c = body[j];
        if (!IsWildcard(c)) {
            built += c;
            continue;
        }
        ExpressionText b = m.Of(c);
        int bp = TextPrecedence(b);
        bool bracket = !Fits(b, bp, NeedLeft(body, j)) || !Allowed(bp, NeedRight(body, j + 1));
        built += bracket ? '(' + b.Str() + ')' : b.Str();
    }
    if (built.size() > static_cast<std::size_t>(ExpressionText::MaxLength)) return false;
    ExpressionText builtText(built);
    int builtPrecedence = TextPrecedence(builtText);
    int leftOfBody = operatorLed ? NeedAfterOperator(replacement[0]) : needLeft;
    if (!Fits(builtText, builtPrecedence, leftOfBody) || !Allowed(builtPrecedence, needRight)) built = "(" + built + ")";

    std::string out(wv.substr(0, m.s - 1));
    if (operatorLed) out += replacement[0];
    out += built;
    out += wv.substr(m.e);
    if (out.size() > static_cast<std::size_t>(ExpressionText::MaxLength)) return false;
    result = ExpressionText(out);
    return true;
}

// Start of the term that holds position a: after the nearest term sign or
// unmatched "(" before it, or 1.
int TermStartBefore(const ExpressionText& w, int a) {
    int depth = 0;
    for (int i = a - 1; i >= 1; --i) {
        char c = w.At(i);
        if (c == ')') ++depth;
        if (c == '(' && --depth < 0) return i + 1;
        if (depth == 0 && IsTermSign(w, i)) return i + 1;
    }
    return 1;
}

// The bindings of a number rule that is only sound for positive values.
bool Positive(const ExpressionText& number) {
    double v = 0;
    return TryEvaluate(number, 0, v) && v > 0;
}

bool KindHolds(BindingKind kind, const ExpressionText& a, const ExpressionText& b) {
    switch (kind) {
        case BindingKind::Any: return true;
        case BindingKind::Number:
        case BindingKind::FirstNumber: return IsNumberExpression(a);
        case BindingKind::BothNumbers: return IsNumberExpression(a) && IsNumberExpression(b);
        case BindingKind::BothAtomic:
            // A signed operand is atomic but not a base: -x^2 is not (-x)^2.
            return IsAtomic(a) && IsAtomic(b) && a.At(1) != '-' && b.At(1) != '-';
        case BindingKind::BothPositive:
            return IsNumberExpression(a) && IsNumberExpression(b) && Positive(a) && Positive(b);
        case BindingKind::PositiveBase: return IsNumberExpression(a) && IsNumberExpression(b) && Positive(a);
        case BindingKind::WholeExponent:
            return IsNumberExpression(a) && IsDigitText(b.View());
    }
    return false;
}

// Sample points of the per-step value check.
constexpr double CheckPoints[] = {-2.7, -1.3, -0.6, 0.3, 0.8, 1.7, 3.1};

// True when after has before's value at every sample point where before has
// one. A text defined nowhere (or in other letters) cannot be checked and
// passes: the matchers' own conditions then stand alone.
bool KeepsValueAtSamples(const ExpressionText& before, const ExpressionText& after) {
    for (double x : CheckPoints) {
        double a = 0, b = 0;
        if (!TryEvaluate(before, x, a)) continue;
        if (!TryEvaluate(after, x, b)) return false;
        if (std::fabs(a - b) > 1e-9 * std::max({1.0, std::fabs(a), std::fabs(b)})) return false;
    }
    return true;
}

// One rule application kept only when it keeps the value; an undone step is logged.
bool Checked(const ExpressionText& before, const ExpressionText& after) {
    if (after == before) return false;
    if (KeepsValueAtSamples(before, after)) return true;
    AddLogLine("Algebraisk omformning forkastet, den \xE6ndrer v\xE6rdien: " + before.Str() + " -> " + after.Str());
    return false;
}


}  // namespace

int TextPrecedence(const ExpressionText& text) {
    if (text.Empty() || !BracketsBalanced(text)) return 0;
    if (text.At(1) == '+' || text.At(1) == '-') return 1;
    bool product = false, power = false;
    for (int i = 1; i <= text.Length(); ++i) {
        char c = text.At(i);
        if (c == '(') {
            i = MatchingBracket(text, i);
            if (i == 0) return 0;
            continue;
        }
        if (i > 1 && IsTermSign(text, i)) return 1;
        if (c == '*' || c == '/') product = true;
        if (c == '^') power = true;
    }
    return product ? 2 : power ? 3 : 4;
}

ExpressionText FindFunctionName(const ExpressionText& text) {
    for (std::string_view name : FunctionNames)
        if (text.Contains(name)) return ExpressionText(name);
    return {};
}

ExpressionText ReplaceLiteral(const ExpressionText& text, const ExpressionText& oldText,
                              const ExpressionText& newText) {
    if (oldText.Empty()) return text;
    Pattern literal(oldText.View());
    ExpressionText w = text;
    // One pass from left to right: the search goes on after each inserted
    // text, so a new text that holds the old one cannot repeat forever.
    for (int from = 1; from <= w.Length();) {
        int s = FindFrom(w, oldText.View(), from);
        if (s == 0) break;
        Match m;
        m.pattern = &literal;
        m.s = s;
        m.e = s + oldText.Length() - 1;
        ExpressionText replaced;
        if (!Replace(w, m, newText.View(), replaced)) {
            from = s + 1;
            continue;
        }
        from = s + (replaced.Length() - w.Length()) + oldText.Length();
        w = replaced;
    }
    return w;
}

ExpressionText SubstituteVariable(const ExpressionText& text, const ExpressionText& name,
                                  const ExpressionText& value) {
    if (name.Empty()) return text;
    std::string_view t = text.View(), n = name.View();
    std::string out;
    int valuePrecedence = TextPrecedence(value);
    for (int i = 0; i < static_cast<int>(t.size());) {
        // A function name or pi is passed over whole: the x of exp is no variable.
        int f = FunctionAt(text, i + 1);
        int skip = f >= 0 ? static_cast<int>(FunctionNames[f].size()) : t.substr(i, 2) == "pi" && n != "pi" ? 2 : 0;
        if (skip > 0 && t.substr(i, n.size()) != n) {
            out += t.substr(i, skip);
            i += skip;
            continue;
        }
        if (t.substr(i, n.size()) != n) {
            out += t[i++];
            continue;
        }
        int end = i + static_cast<int>(n.size());
        // The name must stand alone; a digit before it is a coefficient (2x).
        bool letterAround = (i > 0 && IsLowerLetter(t[i - 1])) || (end < static_cast<int>(t.size()) && IsLowerLetter(t[end]));
        if (letterAround) {
            out += t[i++];
            continue;
        }
        int left = i > 0 && (IsDigit(t[i - 1]) || t[i - 1] == ')') ? 2 : NeedLeft(t, i);
        int right = NeedRight(t, end);
        bool bracket = !Fits(value, valuePrecedence, left) || !Allowed(valuePrecedence, right);
        out += bracket ? '(' + value.Str() + ')' : value.Str();
        i = end;
    }
    return ExpressionText(out);
}

ExpressionText MatchRule(const ExpressionText& expr, const ExpressionText& pattern,
                         const ExpressionText& replacement, bool digitsOnly) {
    const ExpressionText& w = expr;
    Pattern p(pattern.View());
    if (p.n == 0) return expr;
    int last = p.WildIndex(p.n - 1);
    char before = last > 0 ? p.text[last - 1] : '\0';
    Trail trail = digitsOnly ? Trail::Digits : before == '^' || before == '/' ? Trail::Operand : Trail::Term;
    Match m;
    if (!p.lit[0].empty()) {
        // Only the first occurrence of the leading text is tried.
        int s = FindFrom(w, p.lit[0], 1);
        if (s == 0 || !MatchAt(w, s, p, trail, m)) return expr;
    } else {
        int a1 = FindFrom(w, p.lit[1], 1);
        if (a1 == 0) return expr;
        int s = TermStartBefore(w, a1);
        if (!MatchAt(w, s, p, trail, m) || !IsSingleTerm(m.binding[0])) return expr;
    }
    // A power of a power or of a product is merged for a whole outer
    // exponent only: (x^2)^(1/2) is abs(x), not x.
    for (int i = 0; i < p.n; ++i) {
        int q = p.WildIndex(i);
        bool outerExponent = p.wild[i] == '$' && ((q >= 1 && p.text[q - 1] == '^') ||
                                                  (q >= 3 && p.text.substr(q - 3, 3) == "^(-"));
        if (outerExponent && !IsDigitText(m.binding[i].View())) return expr;
    }
    ExpressionText result;
    return Replace(w, m, replacement.View(), result) ? result : expr;
}

ExpressionText ReplaceOneWildcard(BindingKind kind, const ExpressionText& expr, const ExpressionText& pattern,
                                  const ExpressionText& replacement) {
    if (!pattern.Contains('?')) return ReplaceLiteral(expr, pattern, replacement);
    Pattern p(pattern.View());
    if (p.n != 1) return expr;
    int s = FindFrom(expr, p.lit[0], 1);
    Match m;
    if (s == 0 || !MatchAt(expr, s, p, Trail::Number, m)) return expr;
    const ExpressionText& b = m.binding[0];
    bool namesFunction = !FindFunctionName(b).Empty();
    if (!namesFunction && (b.Contains('x') || b.Contains('*') || expr.At(m.e + 1) == '^')) return expr;
    if (!p.lit[0].empty() && p.lit[0].back() == '^' && (b.Contains('+') || b.Contains('-'))) return expr;
    if (kind == BindingKind::Number && !IsNumberExpression(b)) return expr;
    ExpressionText result;
    return Replace(expr, m, replacement.View(), result) ? result : expr;
}

ExpressionText ReplaceTwoWildcards(BindingKind kind, const ExpressionText& expr, const ExpressionText& pattern,
                                   const ExpressionText& replacement) {
    if (!pattern.Contains('?')) return expr;
    Pattern p(pattern.View());
    bool sameTwice = p.n == 2 && p.wild[0] == '?' && p.wild[1] == '?';
    if (!sameTwice && !pattern.Contains('&')) return ReplaceOneWildcard(BindingKind::Any, expr, pattern, replacement);
    if (p.n != 2) return expr;
    int s = FindFrom(expr, p.lit[0], 1);
    Match m;
    if (s == 0 || !MatchAt(expr, s, p, Trail::Number, m)) return expr;
    if (!KindHolds(kind, m.binding[0], m.binding[1])) return expr;
    ExpressionText result;
    return Replace(expr, m, replacement.View(), result) ? result : expr;
}

void ApplyAlgebraRules(const ExpressionText& expr, ExpressionText& result) {
    ExpressionText e = expr;
    for (int sweep = 0; sweep < MaxAlgebraSweeps; ++sweep) {
        ExpressionText orig = e;
        for (const AlgebraRule& rule : AlgebraRules) {
            ExpressionText changed = MatchRule(e, rule.pattern, rule.replacement, rule.digitsOnly);
            if (Checked(e, changed)) {
                e = changed;
                break;
            }
        }
        if (e == orig) break;
        AddLogLine("Algebraisk omformning: " + orig.Str() + " -> " + e.Str());
    }
    if (ErrorFlag) return;
    ExpressionText converted = ToFractions(e);
    if (!ErrorFlag) result = converted;
}

void ApplyFunctionRules(const ExpressionText& expr, ExpressionText& result) {
    ExpressionText e = expr;
    for (int sweep = 0; sweep < MaxFunctionSweeps; ++sweep) {
        ExpressionText orig = e;
        for (const FunctionRule& rule : FunctionRules) {
            ExpressionText changed;
            switch (rule.matcher) {
                case RuleMatcher::Literal: changed = ReplaceLiteral(e, rule.pattern, rule.replacement); break;
                case RuleMatcher::OneWildcard:
                    changed = ReplaceOneWildcard(rule.kind, e, rule.pattern, rule.replacement);
                    break;
                case RuleMatcher::TwoWildcards:
                    changed = ReplaceTwoWildcards(rule.kind, e, rule.pattern, rule.replacement);
                    break;
            }
            if (Checked(e, changed)) e = changed;
        }
        if (e == orig) break;
        AddLogLine("Algebraisk omformning: " + orig.Str() + " -> " + e.Str());
    }
    result = ToFractions(e);
}
