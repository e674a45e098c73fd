#include "PrefixForm.h"

#include "Host.h"
#include "Scanner.h"
#include "TextOps.h"

namespace {

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
        ch_ = CharAt(text_, pos_);
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

    void Fail(const ExpressionText& message) { ReportError(message); }

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
            int end = ScanNumber(text_, start).end;
            while (pos_ < end) Advance();
            return Mid(text_, start, end - 1);
        }
        if (ch_ == '(') return BracketedSum();
        int name = FunctionAt(text_, pos_);
        if (name >= 0) {
            int nameLength = static_cast<int>(FunctionNames[name].size());
            // A function name must be followed directly by "("; otherwise it is
            // reported like any character that is not understood.
            if (CharAt(text_, pos_ + nameLength) == '(') {
                for (int k = 0; k < nameLength; ++k) Advance();
                ExpressionText r(FunctionNames[name]);
                r += '(';
                r += BracketedSum();
                r += ')';
                return r;
            }
        } else if (ch_ == 'p' && CharAt(text_, pos_ + 1) == 'i') {
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
    char ch_ = EndOfText;
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






