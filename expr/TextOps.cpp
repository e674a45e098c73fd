#include "TextOps.h"

#include <string_view>

ExpressionText ReplaceAll(const ExpressionText& text, const ExpressionText& pattern,
                          const ExpressionText& replacement) {
    if (pattern.Empty()) return text;
    ExpressionText result = text;
    const int patternLength = pattern.Length();

    // A replacement that holds the pattern would be found again forever: one
    // left-to-right pass then replaces each occurrence of the original text once.
    if (replacement.Contains(pattern.View())) {
        int from = 0;
        for (int p = result.Find(pattern.View()); p >= 0; p = result.Find(pattern.View(), from)) {
            result.Erase(p, patternLength);
            result.Insert(p, replacement.View());
            from = p + replacement.Length();
        }
        return result;
    }

    // Restarting from the beginning can meet occurrences that a replacement
    // makes together with its neighbours; such chains end in practice, but the
    // number of replacements is capped (far above anything a 255-character
    // text needs) and a replacement that leaves the text as it was stops it.
    constexpr int MaxReplacements = ExpressionText::MaxLength * ExpressionText::MaxLength;
    for (int n = 0; n < MaxReplacements; ++n) {
        int p = result.Find(pattern.View());
        if (p < 0) break;
        ExpressionText before = result;
        result.Erase(p, patternLength);
        result.Insert(p, replacement.View());
        if (result == before) break;
    }
    return result;
}

int MatchingBracket(const ExpressionText& text, int p) {
    if (p < 0 || text.Length() <= p) return 0;
    const char* d = text.Data();
    int depth = 1;
    for (int i = p; i < text.Length(); ++i) {  // 0-based: the character after p
        if (d[i] == '(')
            ++depth;
        else if (d[i] == ')' && --depth == 0)
            return i + 1;
    }
    return 0;
}

bool BracketsBalanced(const ExpressionText& s) {
    int depth = 0;
    for (int i = 1; i <= s.Length(); ++i) {
        if (s.At(i) == '(') ++depth;
        if (s.At(i) == ')' && --depth < 0) return false;
    }
    return depth == 0;
}

bool IsTermSign(const ExpressionText& s, int p) {
    char c = s.At(p);
    if (c != '+' && c != '-') return false;
    if (p == 1) return true;
    // After "*" or "/" a sign is unary: 3*-x^2 is one product.
    if (IsOneOf(s.At(p - 1), "(^*/")) return false;
    return !IsExponentSign(s, p);
}

ExpressionText SignedTerm(const ExpressionText& text) {
    if (text.Empty()) return text;
    char sign = text.At(1);
    if (sign != '+' && sign != '-') return '+' + text;
    if (text.At(2) != '0') return text;
    if (text.Length() > 2) {
        if (text.At(3) != '.') return text;
        for (int i = 4; i <= text.Length(); ++i)
            if (text.At(i) != '0') return text;
    }
    return "+0";
}

ExpressionText NegateTerm(const ExpressionText& text) {
    if (text.Empty()) return text;
    if (text.At(1) == '+') return '-' + From(text, 2);
    if (text.At(1) == '-') return '+' + From(text, 2);
    return '-' + text;
}

ExpressionText NegateText(const ExpressionText& text) {
    if (text.At(1) == '-') return From(text, 2);
    return '-' + text;
}

ExpressionText BracketIfNegative(const ExpressionText& text) {
    if (text.At(1) == '-') return '(' + text + ')';
    if (text.At(1) == '+') return From(text, 2);
    return text;
}

ExpressionText StripPlus(const ExpressionText& text) {
    if (text.At(1) == '+') return From(text, 2);
    return text;
}

// The only two places that turn positions into ExpressionText's offsets.
ExpressionText Mid(const ExpressionText& t, int from, int to) {
    if (to < from) return {};
    return t.Sub(from - 1, to - from + 1);
}

ExpressionText From(const ExpressionText& t, int from) { return t.Sub(from - 1); }

int Position(const ExpressionText& text, std::string_view pattern, int from) {
    if (from < 1) from = 1;
    return text.Find(pattern, from - 1) + 1;
}

void EraseAt(ExpressionText& text, int pos, int count) { text.Erase(pos - 1, count); }

void InsertAt(ExpressionText& text, int pos, std::string_view s) { text.Insert(pos - 1, s); }

int LastPosition(const ExpressionText& sub, const ExpressionText& text) {
    if (sub.Empty()) return 0;
    auto p = text.View().rfind(sub.View());
    return p == std::string_view::npos ? 0 : static_cast<int>(p) + 1;
}

bool IsFullBracket(const ExpressionText& t) {
    return t.At(1) == '(' && MatchingBracket(t, 1) == t.Length();
}

int OperandEnd(const ExpressionText& text, int pos) {
    char c = text.At(pos);
    if (IsDigit(c)) return ScanNumber(text, pos).end;
    if (c == '(') {
        int m = MatchingBracket(text, pos);
        return m ? m + 1 : 0;
    }
    if (c == 'x') return pos + 1;
    int f = FunctionAt(text, pos);
    if (f >= 0) {
        int q = pos + static_cast<int>(FunctionNames[f].size());
        if (text.At(q) != '(') return 0;
        int m = MatchingBracket(text, q);
        return m ? m + 1 : 0;
    }
    if (c == 'p' && text.At(pos + 1) == 'i') return pos + 2;
    if (c == 'e') return pos + 1;
    return 0;
}

bool MinusNegatesTerm(const ExpressionText& text, int pos, bool expressionStart) {
    int e = OperandEnd(text, pos + 1);
    if (e == 0) return false;
    if (text.At(e) != '^') return true;
    return expressionStart && text.At(pos + 1) == 'x' && text.At(pos + 2) == '^';
}

ExpressionText MinusTerm(const ExpressionText& term) {
    if (term.Empty()) return term;
    if (!IsSingleTerm(term)) return "-(" + term + ")";
    if (term.At(1) == '-')
        return MinusNegatesTerm(term, 1, true) ? From(term, 2) : "-(" + term + ")";
    int e = OperandEnd(term, 1);
    if (e == 0 || (term.At(e) == '^' && !term.StartsWith("x^"))) return "-(" + term + ")";
    return "-" + term;
}

namespace {
// The 1-based position of the first top-level term sign at or after from,
// length + 1 when there is none, 0 at an unclosed bracket.
int TermSignAfter(const ExpressionText& expr, int from) {
    const char* d = expr.Data();
    for (int i = from; i <= expr.Length(); ++i) {
        const char c = d[i - 1];
        if (c == '(') {
            i = MatchingBracket(expr, i);
            if (i == 0) return 0;
        } else if ((c == '+' || c == '-') && IsTermSign(expr, i)) {
            return i;
        }
    }
    return expr.Length() + 1;
}
}  // namespace

bool IsSingleTerm(const ExpressionText& expr) {
    return TermSignAfter(expr, expr.At(1) == '-' ? 2 : 1) == expr.Length() + 1;
}

ExpressionText FirstTerm(const ExpressionText& expr) {
    bool negative = expr.At(1) == '-';
    ExpressionText body = negative ? From(expr, 2) : expr;
    const int i = TermSignAfter(body, 1);
    // An unclosed bracket takes the rest of the text.
    if (i == 0 || i > body.Length()) return body;
    ExpressionText term = Mid(body, 1, i - 1);
    return negative ? '-' + term : term;
}

bool IsAtomic(const ExpressionText& text) {
    const int length = text.Length();
    // Unbalanced brackets: no factor can be read, so nothing is atomic.
    if (length == 0 || !BracketsBalanced(text)) return false;
    if (text.At(1) == '(') {
        int m = MatchingBracket(text, 1);
        if (m == 0) return false;
        if (m == length) return true;
        if (text.At(m + 1) == '^') return IsAtomic(From(text, m + 2));
        return false;
    }
    for (int i = text.At(1) == '-' ? 2 : 1; i <= length; ++i) {
        char c = text.At(i);
        if (IsFunctionInitial(c)) {
            int name = FunctionAt(text, i);
            int open = name >= 0 ? i + static_cast<int>(FunctionNames[name].size()) : 0;
            // A name not followed by "(" is passed over letter by letter.
            if (name >= 0 && text.At(open) == '(') {
                int m = MatchingBracket(text, open);
                if (m == 0) return false;
                i = m;
                continue;
            }
        }
        if (IsOneOf(c, "*+-/")) return false;
    }
    return true;
}

ExpressionText MinusBeforePowerNote(const ExpressionText& text) {
    for (int p = 1; p <= text.Length(); ++p) {
        if (text.At(p) != '-') continue;
        char before = text.At(p - 1);  // '\0' at the start
        bool expressionStart = p == 1 || before == '(';
        if (!expressionStart && !IsOneOf(before, "*/^+-")) continue;  // a subtraction
        if (expressionStart && text.At(p + 1) == 'x' && text.At(p + 2) == '^') continue;
        int baseEnd = OperandEnd(text, p + 1);
        if (baseEnd == 0 || text.At(baseEnd) != '^') continue;
        int exponentStart = baseEnd + 1 + (text.At(baseEnd + 1) == '-');
        int exponentEnd = OperandEnd(text, exponentStart);
        if (exponentEnd == 0) continue;
        ExpressionText base = Mid(text, p + 1, baseEnd - 1);
        ExpressionText exponent = Mid(text, baseEnd + 1, exponentEnd - 1);
        return "Bem\xE6rk: -" + base + "^" + exponent + " l\xE6ses som (-" + base + ")^" + exponent +
               "; skriv -(" + base + "^" + exponent + ") for minus " + base + "^" + exponent;
    }
    return {};
}
