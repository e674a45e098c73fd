#include "InnerFunction.h"

#include "Host.h"
#include "Scanner.h"
#include "TextOps.h"
#include "TextUtils.h"

namespace {

// Recursive-descent reader that rebuilds each subexpression as text and
// counts the candidates in the order it completes them.
class InnerFunctionReader {
public:
    InnerFunctionReader(std::uint8_t k, const ExpressionText& expr)
        : text_(LowerCaseText(RemoveBlanks(expr))), wanted_(k) {}

    bool Run(ExpressionText& sub) {
        Next();
        Sum();
        if (found_) sub = found_text_;
        return found_;
    }

private:
    void Next() {
        ++pos_;
        ch_ = CharAt(text_, pos_);
    }

    void Offer(const ExpressionText& candidate) {
        if (found_ || !candidate.Contains('x') || candidate == "x" || candidate == text_) return;
        if (++counter_ > wanted_) {
            found_ = true;
            found_text_ = candidate;
        }
    }

    ExpressionText Sum() {
        ExpressionText a = Term();
        while (!ErrorFlag && (ch_ == '+' || ch_ == '-')) {
            char op = ch_;
            Next();
            a = a + op + Term();
        }
        Offer(a);
        return a;
    }

    ExpressionText Term() {
        ExpressionText a = Power();
        Offer(a);
        while (!ErrorFlag && (ch_ == '*' || ch_ == '/')) {
            char op = ch_;
            Next();
            ExpressionText f = Power();
            Offer(f);
            a = a + op + f;
            Offer(a);
        }
        return a;
    }

    ExpressionText Power() {
        ExpressionText b = SignedFactor();
        if (ch_ == '^' && IsAtomic(b)) Offer(b);
        while (!ErrorFlag && ch_ == '^') {
            Next();
            ExpressionText e = SignedFactor();
            b = e == "0" ? ExpressionText("1") : b + "^" + e;
        }
        return b;
    }

    ExpressionText SignedFactor() {
        if (ch_ != '-') return Factor();
        Next();
        return "-" + Factor();
    }

    ExpressionText Bracketed() {
        ExpressionText r = Sum();
        if (ErrorFlag) return r;
        if (ch_ != ')') {
            ReportError("Mangler \")\" i funktionsudtryk: " + text_);
            return r;
        }
        Next();
        return "(" + r + ")";
    }

    ExpressionText Factor() {
        if (ErrorFlag) return {};
        if (IsDigit(ch_)) {
            int start = pos_;
            pos_ = ScanNumber(text_, pos_).end - 1;
            Next();
            return Mid(text_, start, pos_ - 1);
        }
        if (ch_ == '(') {
            Next();
            return Bracketed();
        }
        if (ch_ == 'x') {
            Next();
            return "x";
        }
        int f = FunctionAt(text_, pos_);
        if (f >= 0) {
            ExpressionText name(FunctionNames[f]);
            pos_ += name.Length() - 1;
            Next();
            if (ch_ != '(') return name;  // the evaluator reports a name without its bracket
            Next();
            return name + Bracketed();
        }
        if (ch_ == 'p' && CharAt(text_, pos_ + 1) == 'i') {
            Next();
            Next();
            return "pi";
        }
        // The constant e is part of the notation as well.
        if (ch_ == 'e') {
            Next();
            return "e";
        }
        ReportError("Fejl i funktionsudtryk: \n\r" + text_);
        return {};
    }

    ExpressionText text_;
    std::uint8_t wanted_;
    int counter_ = 0;
    int pos_ = 0;
    char ch_ = EndOfText;
    bool found_ = false;
    ExpressionText found_text_;
};

}  // namespace

void FindInnerFunction(std::uint8_t k, const ExpressionText& expr, ExpressionText& sub) {
    InnerFunctionReader reader(k, expr);
    if (!reader.Run(sub)) sub.Clear();
}
