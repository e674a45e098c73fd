#include "Reduce.h"

#include <array>
#include <cstdint>
#include <string>

#include "Canonical.h"
#include "Host.h"
#include "Rational.h"
#include "Scanner.h"
#include "TextOps.h"
#include "TextUtils.h"

namespace {

constexpr int MaxFactors = 20;






// Position of the "*" or "/" or term sign that ends the factor running from
// `from` (brackets jumped), the length + 1 at the end, or 0 for an unclosed bracket.
int EndOfFactor(const ExpressionText& s, int from) {
    for (int j = from; j <= s.Length(); ++j) {
        if (s.At(j) == '(') {
            int m = MatchingBracket(s, j);
            if (m == 0) return 0;
            j = m;
        } else if (IsOneOf(s.At(j), "*/") || IsTermSign(s, j)) {
            return j;
        }
    }
    return s.Length() + 1;
}

// Value of a digit text if it fits a 32-bit signed integer.
bool DigitValue(const ExpressionText& s, std::int32_t& value) {
    std::int64_t v = 0;
    if (!WholeNumberValue(s.View(), INT32_MAX, v)) return false;
    value = static_cast<std::int32_t>(v);
    return true;
}

// True when a "-" written before s negates all of s's first term in the
// evaluator: it binds to the first operand only, so a power as first factor
// keeps the sign inside ((-2)^2), except for the evaluator's -x^ rule.
bool MinusCoversFirstTerm(const ExpressionText& s) {
    if (s.StartsWith("x^")) return true;
    for (int j = 1; j <= s.Length(); ++j) {
        char c = s.At(j);
        if (c == '(') {
            int m = MatchingBracket(s, j);
            if (m == 0) return false;
            j = m;
        } else if (c == '^') {
            return false;
        } else if (IsOneOf(c, "*/") || IsTermSign(s, j)) {
            return true;
        }
    }
    return true;
}

struct FactorList {
    std::array<ExpressionText, MaxFactors> items;
    int count = 0;

    void Remove(int k) {
        for (int i = k; i + 1 < count; ++i) items[i] = items[i + 1];
        --count;
    }
};

// Which list a factor goes to: slash is the side of a factor after "/", star
// the side of one after "*" or at the start; true is the numerator.
struct Sides {
    bool slash;
    bool star;
    Sides Swapped() const { return {!slash, !star}; }
};

class FactorCollector {
public:
    FactorList numerator;
    FactorList denominator;
    bool ok = true;

    void Collect(const ExpressionText& s, Sides sides);

private:
    void Store(const ExpressionText& factor, bool toNumerator) {
        if (factor.Empty()) return;
        FactorList& list = toNumerator ? numerator : denominator;
        // More factors than the lists hold: the term is left as it is.
        if (list.count == MaxFactors) {
            ok = false;
            return;
        }
        list.items[list.count++] = factor;
    }
};

// Reads s as factors joined by "*" and "/" into the lists. Positions are
// 1-based; every round moves i forward, so the scan ends after s.Length() rounds.
void FactorCollector::Collect(const ExpressionText& s, Sides sides) {
    if (!ok || s.Empty() || !IsSingleTerm(s)) {
        ok = false;
        return;
    }
    const int length = s.Length();
    int i = 0;
    int start = 1;
    bool starSelected = true;
    bool stored = false;
    auto side = [&] { return starSelected ? sides.star : sides.slash; };
    // After a bracket read as its own factors only an operator or the end may
    // follow; anything else (such as ((x))y) cannot be read as a product.
    auto operatorOrEndAt = [&](int p) { return p > length || IsOneOf(s.At(p), "*/"); };

    while (ok) {
        ++i;
        if (i > length) {
            if (!stored) Store(Mid(s, start, i - 1), side());
            return;
        }
        char ch = s.At(i);
        if ((ch == '+' || ch == '-') && !IsExponentSign(s, i) && !(ch == '-' && s.At(i - 1) == '^')) {
            ok = false;
            return;
        }
        // An operator without a factor on either side (x**y, /x, x*) is no product.
        if ((ch == '*' || ch == '/') && (i == 1 || i == length || IsOneOf(s.At(i - 1), "*/"))) {
            ok = false;
            return;
        }
        if (ch == '/') {
            if (!stored) Store(Mid(s, start, i - 1), side());
            stored = false;
            if (s.At(i + 1) != '(') {
                start = i + 1;
                starSelected = false;
                continue;
            }
            int m = MatchingBracket(s, i + 1);
            if (m == 0) {
                ok = false;
                return;
            }
            int last = m;  // last character of the divisor
            ExpressionText divisor;
            if (s.At(m + 1) == '^') {
                // The exponent ends at the next operator outside brackets; a
                // sign right after "^" belongs to it.
                int end = EndOfFactor(s, m + 1);
                if (end == 0) {
                    ok = false;
                    return;
                }
                last = end - 1;
                divisor = Mid(s, i + 1, last);
            } else {
                divisor = Mid(s, i + 2, m - 1);
            }
            if (!IsSingleTerm(divisor)) {
                start = i + 1;
                starSelected = false;
            } else {
                Collect(divisor, sides.Swapped());
                if (!operatorOrEndAt(last + 1)) ok = false;
                starSelected = true;
                start = last + 1;
            }
            i = last;
            continue;
        }
        if (ch == '*') {
            if (!stored) Store(Mid(s, start, i - 1), side());
            stored = false;
            start = i + 1;
            starSelected = true;
            continue;
        }
        if (ch == '^') {
            int p = i + 1;
            bool negative = s.At(p) == '-';
            if (negative) ++p;
            int q = p;
            q = DigitsEnd(s, q);
            // Only a whole-number exponent that ends the factor is expanded;
            // x^2.5, x^2^3 and x^2e1 keep their exponent as part of the factor.
            // So does x^0, which is left to the tidying steps.
            std::int32_t exponent = 0;
            bool fits = q > p && DigitValue(Mid(s, p, q - 1), exponent);
            if (q > p && operatorOrEndAt(q) && !(fits && exponent == 0)) {
                ExpressionText base = Mid(s, start, i - 1);
                // No base left: the bracket before "^" was already split into
                // factors (((x+1)*2)^2); the power cannot be expanded.
                // More than 20 copies cannot be stored (this also covers
                // exponents beyond 32 bits): the term is left as it is.
                if (base.Empty() || !fits || exponent > MaxFactors) {
                    ok = false;
                    return;
                }
                bool toNumerator = side() != negative;
                for (int k = 0; k < exponent && ok; ++k) Store(base, toNumerator);
                start = q;
                stored = true;
                i = q - 1;
                continue;
            }
            // Any other exponent stays with its base, which must be there.
            if (start == i) {
                ok = false;
                return;
            }
            int j = i + 1;
            while (j <= length && !IsOneOf(s.At(j), "*/)")) {
                if (s.At(j) == '(') {
                    int m = MatchingBracket(s, j);
                    if (m == 0) {
                        ok = false;
                        return;
                    }
                    j = m;
                }
                ++j;
            }
            i = j - 1;
            stored = false;
            continue;
        }
        if (ch == '(') {
            int m = MatchingBracket(s, i);
            if (m == 0) {
                ok = false;
                return;
            }
            if (i == 1) {
                starSelected = true;
                ExpressionText content = Mid(s, 2, m - 1);
                if (s.At(2) == '(' || (!content.Contains('^') && (m == length || s.At(m + 1) == '/'))) {
                    Collect(content, sides);
                    if (!operatorOrEndAt(m + 1)) ok = false;
                    start = m + 1;
                } else {
                    start = 1;
                    stored = false;
                }
                i = m;
                continue;
            }
            if (IsOneOf(s.At(i - 1), "fhinpst")) {
                i = m;  // a function argument
                stored = false;
                continue;
            }
            // A bracket must begin a factor: (x+1)(x-1) or 2(x) is no product.
            // A doubled bracket ((x+1)) is one factor like a single one.
            if (start != i) {
                ok = false;
                return;
            }
            i = m;
            stored = false;
            continue;
        }
        // Any other character belongs to the current factor.
    }
}

bool IsBracketedDigits(const ExpressionText& f) {
    return f.At(1) == '(' && f.At(f.Length()) == ')' && IsDigitText(Mid(f, 2, f.Length() - 1).View());
}

void CancelFactors(FactorList& num, FactorList& den) {
    // Numerator index i, denominator index j, 0-based. Every round either
    // moves j on or removes a factor (at most 40 removals), so the scan ends.
    for (int i = 0; i < num.count; ++i) {
        int j = 0;
        while (i >= 0 && i < num.count && j < den.count) {
            std::int32_t n = 0, d = 0;
            if (DigitValue(num.items[i], n) && DigitValue(den.items[j], d)) {
                if (n % d == 0) {
                    num.items[i] = std::to_string(n / d);
                    den.Remove(j);
                    break;
                }
                if (n != 0 && d % n == 0) {
                    den.items[j] = std::to_string(d / n);
                    num.Remove(i);
                    // The next denominator is compared with the preceding
                    // numerator factor; the outer scan resumes at i.
                    --i;
                    ++j;
                    continue;
                }
                ++j;
            } else if (num.items[i] == den.items[j]) {
                num.Remove(i);
                den.Remove(j);
                j = 0;
            } else {
                ++j;
            }
        }
    }
}

void GatherPowers(FactorList& list) {
    if (list.count < 2) return;
    for (int i = 0; i < list.count; ++i) {
        int k = 1;
        for (int j = i + 1; j < list.count;) {
            if (list.items[j] == list.items[i]) {
                list.Remove(j);
                ++k;
            } else {
                ++j;
            }
        }
        if (k > 1) list.items[i] = list.items[i] + "^" + std::string_view(std::to_string(k));
    }
}

std::string JoinFactors(const FactorList& list) {
    std::string r;
    for (int i = 0; i < list.count; ++i) {
        if (i > 0) r += '*';
        r += list.items[i].View();
    }
    return r;
}

// Whole-number operand of the exact evaluator without its sign. A text that
// is not a single term (1-5) is bracketed, and its minus is then not a sign
// of the whole (-1-5 is not -(1-5)).
ExpressionText UnsignedOperand(const ExpressionText& a, bool& negative) {
    negative = false;
    if (!IsSingleTerm(a)) return (a.At(1) == '-' ? "(0" : "(") + a + ")";
    if (a.At(1) == '-') {
        negative = true;
        return From(a, 2);
    }
    return a;
}

ExpressionText Negated(const ExpressionText& r) {
    if (r == "0") return r;
    if (r.At(1) == '-') return From(r, 2);
    return '-' + r;
}

// True when the tree folds text to an exact number: the shown result, which
// comes from the tree, then holds the value.
bool TreeFoldsExactly(const ExpressionText& text) {
    Tree t = ParseTree(text);
    Tree c = t ? Canonical(t) : nullptr;
    return c && IsNumber(c) && c->number.exact;
}

// EvaluateRational into result; false (result untouched) when it wrote
// nothing. A value beyond the 32-bit fractions is left unfolded here; the
// note says so only when the shown result will not fold it either.
bool EvaluateExactly(const ExpressionText& text, ExpressionText& result) {
    ExpressionText r("?");  // the evaluator never writes "?"
    if (!EvaluateRationalFits(text, r)) {
        if (!TreeFoldsExactly(text))
            AddNote("Bem\xE6rk: " + text + " er for stort til eksakt udregning og udregnes ikke");
        return false;
    }
    if (r == "?") return false;
    result = r;
    return true;
}

void ReportConstantError(const ExpressionText& a, const ExpressionText& b) {
    if (ErrorFlag) ReportError("Fejl ved udregning af talkonstant " + a + " eller " + b);
}

}  // namespace




bool IsNumberExpression(const ExpressionText& text) {
    if (text.Empty()) return false;
    for (char c : text.View())
        if (!IsOneOf(c, "0123456789.()*+-/")) return false;
    return true;
}

bool HasNoDecimalPoint(const ExpressionText& text) { return !text.Contains('.'); }

ExpressionText ReduceTerm(const ExpressionText& term) {
    // Unbalanced brackets: the term cannot be read as a product.
    if (!BracketsBalanced(term)) return term;
    FactorCollector c;
    c.Collect(term, Sides{false, true});
    if (!c.ok) return term;
    FactorList& num = c.numerator;
    FactorList& den = c.denominator;

    // Bracketed whole numbers take part in cancelling wherever they stand.
    for (FactorList* list : {&num, &den})
        for (int k = 0; k < list->count; ++k)
            if (IsBracketedDigits(list->items[k])) list->items[k] = Mid(list->items[k], 2, list->items[k].Length() - 1);
    // A zero divisor: the term has no value to keep, so it is left as it is.
    for (int k = 0; k < den.count; ++k) {
        std::int32_t d = 0;
        if (DigitValue(den.items[k], d) && d == 0) return term;
    }
    CancelFactors(num, den);
    GatherPowers(num);
    GatherPowers(den);

    std::string n = num.count == 0 ? "1" : JoinFactors(num);
    std::string d = den.count == 0 ? "1" : den.count == 1 ? den.items[0].Str() : '(' + JoinFactors(den) + ')';
    if (d != "1") n += "/" + d;
    // A result cut at 255 characters would lose factors: keep the term.
    if (n.size() > ExpressionText::MaxLength) return term;
    return n;
}

ExpressionText ReduceExpression(const ExpressionText& expr) {
    if (expr.Empty()) return expr;
    // The leading minus is taken off only when it negates the whole first
    // term; before a power such as 2^2*x it stays with the term, which is then
    // left as it is.
    bool negative = expr.At(1) == '-' && MinusCoversFirstTerm(From(expr, 2));
    const ExpressionText e = negative ? From(expr, 2) : expr;
    const int length = e.Length();
    std::string r;
    int p = 1;
    bool firstTerm = true;
    // Every round consumes a term and its sign, so at most 128 rounds.
    while (true) {
        ExpressionText rest = From(e, p);
        ExpressionText t = FirstTerm(rest);
        // FirstTerm drops the minus of a last term; here it is a sign of the
        // term (x--1 is x+1), so it is kept.
        if (rest.At(1) == '-' && t.At(1) != '-') t = '-' + t;
        if (!IsSingleTerm(t)) return expr;
        if (t.Empty()) {
            // A sign without a term (x++1): nothing is dropped.
            if (!rest.Empty()) return expr;
            break;
        }
        p += t.Length() + 1;
        // A sign at the very end (x+) is not dropped either.
        if (p == length + 1) return expr;
        ExpressionText reduced = ReduceTerm(t);
        // The minus put back must still negate the whole reduced term:
        // -2*2 would become -2^2, which is 4.
        if (firstTerm && negative && !MinusCoversFirstTerm(reduced)) reduced = t;
        firstTerm = false;
        r += reduced.View();
        if (length < p) break;
        r += e.At(p - 1);
    }
    if (r.empty()) return expr;
    // A result cut at 255 characters would lose terms: keep the expression.
    if (r.size() + negative > ExpressionText::MaxLength) return expr;
    if (r != e.View()) AddLogLine("Reduktion: " + e.Str() + " -> " + r);
    return negative ? "-" + r : r;
}

void AddConstants(const ExpressionText& a, const ExpressionText& b, char op, ExpressionText& result) {
    ErrorFlag = false;
    if (op != '+' && op != '-') return;
    if (HasNoDecimalPoint(a) && HasNoDecimalPoint(b)) {
        bool aNegative = false, bNegative = false;
        ExpressionText ua = UnsignedOperand(a, aNegative);
        ExpressionText ub = UnsignedOperand(b, bNegative);
        // a op b with the signs taken out: the sum or difference of the
        // unsigned values, negated where both enter negatively.
        bool add = (op == '+') == (aNegative == bNegative);
        ExpressionText text;
        bool negate = false;
        if (add) {
            text = ua + "+" + ub;
            negate = aNegative;
        } else if (aNegative) {
            text = ub + "-" + ua;
        } else {
            text = ua + "-" + ub;
        }
        ExpressionText value;
        if (EvaluateExactly(text, value)) result = negate ? Negated(value) : value;
        ReportConstantError(ua, ub);
        return;
    }
    bool errorA = false, errorB = false;
    double x = TextToNumber(a.View(), errorA);
    double y = TextToNumber(b.View(), errorB);
    ErrorFlag = errorA || errorB;
    // A malformed operand gives no value: result keeps what it held.
    if (!ErrorFlag) result = FormatNumber(6, 3, op == '+' ? x + y : x - y);
    ReportConstantError(a, b);
}

void MultiplyConstants(const ExpressionText& a, const ExpressionText& b, char op, ExpressionText& result) {
    ErrorFlag = false;
    if (HasNoDecimalPoint(a) && HasNoDecimalPoint(b)) {
        bool aNegative = false, bNegative = false;
        ExpressionText ua = UnsignedOperand(a, aNegative);
        ExpressionText ub = UnsignedOperand(b, bNegative);
        bool negative = aNegative != bNegative;
        // (-n) counts as a sign only when the bracket closes at the end.
        auto takeBracketSign = [&negative](ExpressionText& t) {
            if (!t.StartsWith("(-") || MatchingBracket(t, 1) != t.Length()) return;
            ExpressionText inner = Mid(t, 3, t.Length() - 1);
            if (!IsSingleTerm(inner)) return;
            t = inner;
            negative = !negative;
        };
        takeBracketSign(ua);
        takeBracketSign(ub);
        if (ub.Contains('/') || (op == '/' && ub.Contains('*'))) ub = "(" + ub + ")";
        ExpressionText value;
        if (EvaluateExactly(ua + op + ub, value)) result = negative ? Negated(value) : value;
        ReportConstantError(ua, ub);
        return;
    }
    if (op != '*' && op != '/') return;
    bool errorA = false, errorB = false;
    double x = TextToNumber(a.View(), errorA);
    double y = TextToNumber(b.View(), errorB);
    ErrorFlag = errorA || errorB;
    if (!ErrorFlag) {
        // No value exists for a division by zero: it is an arithmetic fault.
        if (op == '/' && y == 0)
            throw ArithmeticFault("Division med 0 ved udregning af talkonstant " + a.Str() + "/" + b.Str());
        result = FormatNumber(6, 3, op == '*' ? x * y : x / y);
    }
    ReportConstantError(a, b);
}
