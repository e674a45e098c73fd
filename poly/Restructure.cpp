#include "Restructure.h"

#include "Host.h"
#include "TextUtils.h"

namespace {

constexpr char EndMarker = 13;

// Recursive-descent reader for the prefix form. Every loop consumes at least
// one character per round, so reading ends after at most 255 rounds.
class PrefixReader {
public:
    explicit PrefixReader(const ExpressionText& text) : text_(text) { Advance(); }

    ExpressionText Sum() {
        ExpressionText left = Term();
        while (ch_ == '+' || ch_ == '-') {
            char op = ch_;
            Advance();
            ExpressionText right = Term();
            left = Binary(op, left, right);
        }
        return left;
    }

private:
    void Advance() {
        ++pos_;
        ch_ = pos_ <= text_.Length() ? text_.At(pos_) : EndMarker;
    }

    static ExpressionText Binary(char op, const ExpressionText& left, const ExpressionText& right) {
        ExpressionText r(op);
        r += '(';
        r += left;
        r += ' ';
        r += right;
        r += ')';
        return r;
    }

    ExpressionText Term() {
        ExpressionText left = Power();
        while (ch_ == '*' || ch_ == '/') {
            char op = ch_;
            Advance();
            ExpressionText right = Power();
            if (!ErrorFlag) left = Binary(op, left, right);
        }
        return left;
    }

    ExpressionText Power() {
        ExpressionText base = Signed();
        while (ch_ == '^') {
            Advance();
            ExpressionText exponent = Signed();
            base = exponent == "0" ? ExpressionText("1") : Binary('^', base, exponent);
        }
        return base;
    }

    ExpressionText Signed() {
        if (ch_ != '-') return Factor();
        Advance();
        ExpressionText operand = Factor();
        // A minus before a sum or difference form would be merged by the final
        // sign replacements into a different form (-(x+1) into the form of x-1,
        // -(x-1) into that of x+1); writing it as a product with -1 keeps the
        // value apart from those forms.
        if (operand.StartsWith("+(") || operand.StartsWith("-("))
            return Binary('*', ExpressionText("-1"), operand);
        return '-' + operand;
    }

    void Fail(const ExpressionText& message) {
        ErrorFlag = true;
        ShowError(message);
    }

    ExpressionText BracketedSum() {
        // ch_ is "(": the content's form, then ")" is required.
        Advance();
        ExpressionText inner = Sum();
        if (ErrorFlag) return inner;  // already reported; unwind
        if (ch_ == ')')
            Advance();
        else
            Fail("Mangler \")\" i funktionsudtryk: " + text_);
        return inner;
    }

    ExpressionText Factor() {
        // After an error the rest is not read: an empty form and no second message.
        if (ErrorFlag) return {};
        if (IsDigit(ch_)) {
            int start = pos_;
            while (IsDigit(ch_) || ch_ == ',' || ch_ == '.') Advance();
            if (ch_ == 'e') {
                Advance();
                if (ch_ == '+' || ch_ == '-') Advance();
                while (IsDigit(ch_)) Advance();
            }
            return text_.Sub(start - 1, pos_ - start);
        }
        if (ch_ == '(') return BracketedSum();
        int name = MatchFunctionName(text_.View(), pos_ - 1);
        if (name >= 0) {
            int nameLength = static_cast<int>(FunctionNames[name].size());
            // A function name must be followed directly by "("; otherwise it is
            // reported like any character that is not understood.
            if (text_.At(pos_ + nameLength) == '(') {
                for (int k = 0; k < nameLength; ++k) Advance();
                ExpressionText r(FunctionNames[name]);
                r += '(';
                r += BracketedSum();
                r += ')';
                return r;
            }
        } else if (ch_ == 'p' && text_.At(pos_ + 1) == 'i') {
            Advance();
            Advance();
            return "pi";
        } else if (ch_ == 'e' || ExpressionText("xdgjkmuvwyz").Contains(ch_)) {
            // The constant e is part of the notation and is kept as a letter,
            // like pi; it is not among the parameter letters of the table.
            char letter = ch_;
            Advance();
            return ExpressionText(letter);
        }
        Fail("Fejl i funktionsudtryk: \n\r" + text_);
        return {};
    }

    ExpressionText text_;
    int pos_ = 0;
    char ch_ = EndMarker;
};

// Replaces every occurrence of pattern by the shorter replacement, starting
// over after each one; every round shortens the text, so at most 255 rounds.
ExpressionText ReplaceRepeatedly(ExpressionText s, std::string_view pattern, std::string_view replacement) {
    for (int p = s.Find(pattern); p >= 0; p = s.Find(pattern)) {
        s.Erase(p, static_cast<int>(pattern.size()));
        s.Insert(p, replacement);
    }
    return s;
}

}  // namespace

ExpressionText ToPrefixForm(const ExpressionText& text) {
    PrefixReader reader(text);
    ExpressionText form = reader.Sum();  // characters left over are ignored
    form = ReplaceRepeatedly(form, "--", "+");
    form = ReplaceRepeatedly(form, "+-", "-");
    form = ReplaceRepeatedly(form, "-+", "-");
    return form;
}

int MatchingBracket(const ExpressionText& text, int p) {
    if (p < 0 || text.Length() <= p) return 0;
    int depth = 1;
    for (int i = p + 1; i <= text.Length(); ++i) {
        char c = text.At(i);
        if (c == '(')
            ++depth;
        else if (c == ')' && --depth == 0)
            return i;
    }
    return 0;
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
    if (text.At(1) == '+') return '-' + text.Sub(1);
    if (text.At(1) == '-') return '+' + text.Sub(1);
    return '-' + text;
}

ExpressionText NegateText(const ExpressionText& text) {
    if (text.At(1) == '-') return text.Sub(1);
    return '-' + text;
}

ExpressionText BracketIfNegative(const ExpressionText& text) {
    if (text.At(1) == '-') return '(' + text + ')';
    if (text.At(1) == '+') return text.Sub(1);
    return text;
}

ExpressionText StripPlus(const ExpressionText& text) {
    if (text.At(1) == '+') return text.Sub(1);
    return text;
}
