#include "Coefficients.h"

#include <algorithm>
#include <cstdint>
#include <string>

#include "Host.h"
#include "Reduce.h"
#include "Scanner.h"
#include "TextOps.h"
#include "TextUtils.h"

namespace {

int SkipDigits(const ExpressionText& t, int p) { return DigitsEnd(t, p); }

// Reads the number that starts with the digit at p: digits, then "." and
// digits, or "/" and digits, or "^", an optional "-" and digits. Returns the
// position after it, or 0 when the digits are no complete numeric factor: a
// power chain (2^3^2), a decimal exponent (2^1.5) or a decimal base (2.5^2).
int ScanNumberPart(const ExpressionText& t, int p);

// The evaluator reads 2e5 and 1.5e-3 as numbers: digits followed by "e" are
// never a plain number here.
int NumericFactorEnd(const ExpressionText& t, int p) {
    int k = ScanNumberPart(t, p);
    return k > 0 && t.At(k) == 'e' ? 0 : k;
}

int ScanNumberPart(const ExpressionText& t, int p) {
    int k = SkipDigits(t, p);
    char c = t.At(k);
    if (c == '^') {
        int e = k + 1;
        if (t.At(e) == '-') ++e;
        if (!IsDigit(t.At(e))) return 0;
        e = SkipDigits(t, e);
        if (t.At(e) == '^' || t.At(e) == '.' || t.At(e) == ',' || t.At(e) == 'e') return 0;
        return e;
    }
    if (c == '.' || c == ',') {  // the evaluator reads 2,5 as 2.5
        k = SkipDigits(t, k + 1);
        // 2.5^2: cutting the number before its power would change the value.
        if (t.At(k) == '^' || t.At(k) == '.' || t.At(k) == ',') return 0;
        return k;
    }
    if (c == '/' && IsDigit(t.At(k + 1))) {
        int d = SkipDigits(t, k + 1);
        // 3/4^2 is 3/(4^2) and 3/4.5 is 3/(9/2): then the number is only the 3.
        if (t.At(d) == '^' || t.At(d) == '.' || t.At(d) == ',' || t.At(d) == 'e') return k;
        return d;
    }
    return k;
}

// -?digits with an optional "/digits" or ".digits".
bool IsPlainNumber(const ExpressionText& t) {
    int p = t.At(1) == '-' ? 2 : 1;
    if (!IsDigit(t.At(p))) return false;
    p = SkipDigits(t, p);
    if (t.At(p) == '/' || t.At(p) == '.' || t.At(p) == ',') {
        if (t.At(p) == '/' && !IsDigit(t.At(p + 1))) return false;
        p = SkipDigits(t, p + 1);
    }
    return p == t.Length() + 1;
}

bool AllZeroDigits(std::string_view s) {
    for (char c : s)
        if (c != '0') return false;
    return true;
}

// A plain number worth 0, or one with a zero denominator (3/0).
bool IsZeroOrUndefined(const ExpressionText& t) {
    std::string_view v = t.View();
    if (!v.empty() && v[0] == '-') v.remove_prefix(1);
    auto slash = v.find('/');
    if (slash != std::string_view::npos && AllZeroDigits(v.substr(slash + 1))) return true;
    return AllZeroDigits(v.substr(0, slash));
}

// The exact value text of a number found in a term ("(3/4)", "(-2)", "2^3",
// "-3/4"), ready for MultiplyConstants; empty when it cannot be folded exactly
// (decimals are folded to 3 decimals by the decimal branch, which would change
// the value; powers too large for 32 bits stay as they are).
ExpressionText ExactNumber(ExpressionText n) {
    if (IsFullBracket(n)) n = Mid(n, 2, n.Length() - 1);
    if (n.Contains('^')) {
        n = EvaluatePowerConstant(n);
        if (n.Contains('^')) return {};
    }
    if (!IsPlainNumber(n) || n.Contains('.') || n.Contains(',')) return {};
    if (int slash = Position(n, "/")) {
        if (IsZeroOrUndefined(From(n, slash + 1))) return {};
    }
    return n;
}

// MultiplyConstants clears ErrorFlag; an error reported earlier must survive.
ExpressionText Multiply(const ExpressionText& a, const ExpressionText& b, char op) {
    if (op == '/' && IsZeroOrUndefined(b)) return {};
    bool wasSet = ErrorFlag;
    ExpressionText r;
    MultiplyConstants(a, b, op, r);
    if (wasSet) ErrorFlag = true;
    return r;
}

ExpressionText Negated(const ExpressionText& number) {
    return number.At(1) == '-' ? From(number, 2) : "-" + number;
}

}  // namespace







ExpressionText LeadingNumber(const ExpressionText& term, bool strict) {
    if (term.Empty()) return {};
    bool bracket = term.At(1) == '(';
    if (strict && !IsSingleTerm(bracket ? From(term, 2) : term)) return {};
    int p = bracket ? 2 : 1;
    bool negative = term.At(p) == '-';
    if (negative) ++p;
    if (!IsDigit(term.At(p))) return {};
    int k = NumericFactorEnd(term, p);
    if (k == 0) return {};
    ExpressionText sign = negative ? "-" : "";
    if (!bracket) return sign + Mid(term, p, k - 1);
    // A bracketed number counts only when its bracket closes right after it
    // and is not the base of a power: (3/4)^2 is no coefficient 3/4.
    if (term.At(k) != ')' || term.At(k + 1) == '^') return {};
    return "(" + sign + Mid(term, p, k);
}

ExpressionText NextNumericFactor(const ExpressionText& term, int& position) {
    position = 0;
    const int n = term.Length();
    int i = 1;
    while (i <= n) {
        char c = term.At(i);
        if (c == '(') {
            int m = MatchingBracket(term, i);
            if (m == 0) return {};
            i = m + 1;
            continue;
        }
        if (IsFunctionInitial(c)) {
            int f = FunctionAt(term, i);
            if (f >= 0) {
                i += static_cast<int>(FunctionNames[f].size());
                if (term.At(i) == '(') {
                    int m = MatchingBracket(term, i);
                    if (m == 0) return {};
                    i = m + 1;
                }
                continue;
            }
        }
        if ((c == '*' || c == '/') && i < n) {
            char d = term.At(i + 1);
            if (d == '(') {
                int m = MatchingBracket(term, i + 1);
                if (m == 0) return {};
                // *(2)^x: the bracket is the base of a power, not a number.
                if (IsNumberExpression(Mid(term, i + 2, m - 1)) && term.At(m + 1) != '^') {
                    position = i;
                    return Mid(term, i, m);
                }
                i = m + 1;
                continue;
            }
            if (IsDigit(d)) {
                // A power of a number (x*3^2) is found with its exponent and
                // gathered with its value. After "/" a fraction is no number:
                // x/3/4 is (x/3)/4, not x/(3/4).
                int k = NumericFactorEnd(term, i + 1);
                if (c == '/' && k > 0 && term.At(SkipDigits(term, i + 1)) == '/') k = SkipDigits(term, i + 1);
                char after = term.At(k);
                if (k > 0 && (after == '\0' || after == '*' || after == '/' || after == ')' ||
                              after == '+' || after == '-')) {
                    position = i;
                    return Mid(term, i, k - 1);
                }
            }
        }
        ++i;
    }
    return {};
}

ExpressionText GatherCoefficient(const ExpressionText& term) {
    // Without a digit or a bracket there is no number to gather.
    if (term.Find('(') < 0 && std::none_of(term.Data(), term.Data() + term.Length(), IsDigit)) return term;
    // Moving a factor across a top-level sign would change the value.
    if (!IsSingleTerm(term)) return term;
    ExpressionText t = PullOutBracketNumbers(term);
    ExpressionText c = LeadingNumber(t, true);
    if (c == t) return t;
    if (!c.Empty()) {
        int o = c.Length() + 1;
        if (t.At(o) != '*' && t.At(o) != '/') return t;
        int pos = 0;
        ExpressionText f = NextNumericFactor(From(t, o + 1), pos);
        if (f.Empty()) return t;
        ExpressionText cv = ExactNumber(c), nv = ExactNumber(From(f, 2));
        if (cv.Empty() || nv.Empty()) return t;
        ExpressionText coefficient = Multiply(cv, nv, f.At(1));
        if (coefficient.Empty()) return t;
        ExpressionText rest = t;
        EraseAt(rest, o + pos, f.Length());
        return coefficient + From(rest, o);
    }
    int pos = 0;
    ExpressionText f = NextNumericFactor(t, pos);
    if (f.Empty()) return t;
    ExpressionText nv = ExactNumber(From(f, 2));
    if (nv.Empty()) return t;
    // 1*N or 1/N: the exact coefficient also for N = 3/4 after "/" (x/(3/4)
    // is 4/3*x, not 1/3/4*x).
    ExpressionText coefficient = Multiply("1", nv, f.At(1));
    if (coefficient.Empty()) return t;
    ExpressionText rest = t;
    EraseAt(rest, pos, f.Length());
    if (rest.At(1) == '-' && MinusNegatesTerm(rest, 1, true)) {
        coefficient = Negated(coefficient);
        rest = From(rest, 2);
    }
    if (rest.Empty()) return coefficient;
    return coefficient + "*" + rest;
}

namespace {

// One change of PullOutBracketNumbers on t (without its sign); false when
// nothing is left to do. Only brackets at the top level of the term are
// touched: a "(-" inside another bracket is no factor of the term.
bool PullOutStep(ExpressionText& t, bool& negative) {
    const int n = t.Length();
    int i = 1;
    while (i <= n) {
        char c = t.At(i);
        if (c == '/' && t.At(i + 1) == '(') {
            int m = MatchingBracket(t, i + 1);
            if (m == 0) return false;
            // x/(-y)^2: the minus belongs to the power's base.
            if (t.At(m + 1) != '^') {
                bool changed = false;
                ExpressionText inside = Mid(t, i + 2, m - 1);
                if (inside.At(1) == '-' && IsSingleTerm(From(inside, 2)) && MinusNegatesTerm(inside, 1, true)) {
                    EraseAt(t, i + 2);
                    --m;
                    negative = !negative;
                    changed = true;
                }
                if (IsAtomic(Mid(t, i + 2, m - 1))) {
                    EraseAt(t, m);
                    EraseAt(t, i + 1);
                    changed = true;
                }
                // The change also counts without a later "(-" factor: x/(-y) gives -x/y.
                if (changed) return true;
            }
            i = m + 1;
            continue;
        }
        if (IsFunctionInitial(c) && !(c == 'p' && t.At(i + 1) == 'i')) {
            int f = FunctionAt(t, i);
            if (f >= 0) {
                i += static_cast<int>(FunctionNames[f].size());
                if (t.At(i) == '(') {
                    int m = MatchingBracket(t, i);
                    if (m == 0) return false;
                    i = m + 1;
                }
                continue;
            }
        }
        if (c == '(') {
            int m = MatchingBracket(t, i);
            if (m == 0) return false;
            ExpressionText inside = Mid(t, i + 1, m - 1);
            // Only a factor of the whole product ("*" before it or the start),
            // not the base of a power, and a minus that negates the content.
            bool factor = i == 1 || t.At(i - 1) == '*';
            if (factor && inside.At(1) == '-' && t.At(m + 1) != '^' && IsSingleTerm(From(inside, 2)) &&
                MinusNegatesTerm(inside, 1, true)) {
                ExpressionText number = LeadingNumber(inside, true);
                ExpressionText value = number.Empty() ? ExpressionText() : ExactNumber(From(number, 2));
                EraseAt(t, m);
                if (!value.Empty()) {
                    int start = i == 1 ? 1 : i - 1;
                    EraseAt(t, start, i + number.Length() - start + 1);
                    ExpressionText c2 = LeadingNumber(t, false);
                    ExpressionText cv = c2.Empty() ? ExpressionText() : ExactNumber(c2);
                    ExpressionText product = cv.Empty() ? ExpressionText() : Multiply(cv, value, '*');
                    if (!product.Empty())
                        t = product + From(t, c2.Length() + 1);
                    else if (t.At(1) == '*' || t.At(1) == '/')
                        t = value + t;
                    else if (t.Empty())
                        t = value;
                    else
                        t = value + "*" + t;
                } else {
                    EraseAt(t, i, 2);
                }
                negative = !negative;
                return true;
            }
            i = m + 1;
            continue;
        }
        ++i;
    }
    return false;
}

}  // namespace

ExpressionText PullOutBracketNumbers(const ExpressionText& term) {
    // Every step works on a bracket: a term without one stays as it is.
    if (term.Find('(') < 0) return term;
    ExpressionText t = term;
    bool negative = false;
    // A leading minus that belongs to a power's base (-2^2*x) stays in the text.
    if (t.At(1) == '-' && MinusNegatesTerm(t, 1, true)) {
        negative = true;
        t = From(t, 2);
    }
    ExpressionText result = term;
    // Every change shortens the text, so the loop ends long before the bound.
    for (int step = 0; step <= ExpressionText::MaxLength; ++step) {
        if (!PullOutStep(t, negative)) break;
        if (t.At(1) == '-' && MinusNegatesTerm(t, 1, true)) {
            negative = !negative;
            t = From(t, 2);
        }
        // "-" + t would read (-2)^2 for t = 2^2: MinusTerm brackets such terms.
        result = negative ? MinusTerm(t) : t;
    }
    return result;
}

bool IsFactorOf(const ExpressionText& factor, const ExpressionText& term) {
    ExpressionText f = factor.At(1) == '/' ? From(factor, 2) : factor;
    if (f.Empty()) return false;
    int p = Position(term, f.View());
    if (p == 0) return false;
    int q = p + f.Length();
    auto isMulDiv = [](char c) { return c == '*' || c == '/'; };
    if (p == 1 && (f == term || isMulDiv(term.At(q)))) return true;
    if (isMulDiv(term.At(p - 1)) && (isMulDiv(term.At(q)) || q > term.Length())) return true;
    return term.At(p - 1) == '(' && term.At(q) == ')';
}


ExpressionText EvaluatePowerConstant(const ExpressionText& number) {
    int caret = Position(number, "^");
    if (caret == 0) return number;
    ExpressionText k = number;
    bool reciprocal = k.At(caret + 1) == '-';
    if (reciprocal) EraseAt(k, caret + 1);
    // Only [(][-]digits^digits[)] is evaluated, and only while the value fits
    // 32 bits; anything else comes back unchanged. The value is the
    // evaluator's: the minus belongs to the base (-2^2 is 4), 0^0 is 1 and 0^n is 0. It
    // is computed exactly here rather than by repeated multiplication in the
    // evaluator, which would take 1^2000000000 literally.
    std::string_view v = k.View();
    if (v.size() >= 2 && v.front() == '(' && v.back() == ')') v = v.substr(1, v.size() - 2);
    bool negative = !v.empty() && v[0] == '-';
    if (negative) v.remove_prefix(1);
    auto c = v.find('^');
    if (c == std::string_view::npos) return number;
    std::string_view base = v.substr(0, c), exponent = v.substr(c + 1);
    if (!IsDigitText(base) || !IsDigitText(exponent)) return number;
    // Larger than any power that fits: both counted as INT32_MAX.
    std::int64_t b = 0, e = 0;
    if (!WholeNumberValue(base, INT32_MAX, b)) b = INT32_MAX;
    if (!WholeNumberValue(exponent, INT32_MAX, e)) e = INT32_MAX;
    std::int64_t n = b == 0 && e > 0 ? 0 : 1;
    if (b > 1) {
        for (std::int64_t i = 0; i < e; ++i) {
            n *= b;
            if (n > INT32_MAX) return number;
        }
    }
    if (negative && e % 2 == 1) n = -n;
    if (!reciprocal) return std::to_string(n);
    if (n == 0) return "0";
    return std::string(n < 0 ? "-1/" : "1/") + std::to_string(n < 0 ? -n : n);
}
