#include "Rational.h"

#include <charconv>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

#include "Host.h"
#include "Scanner.h"

namespace {

// A fraction n/d of 32-bit integers; the denominator may be negative or 0
// until the result is written.
struct Fraction {
    std::int32_t n;
    std::int32_t d;
};

// Thrown on 32-bit overflow; EvaluateRationalFits turns it into "does not fit".
struct Overflowed {};
[[noreturn]] void Overflow() { throw Overflowed{}; }
const char* const OverflowMessage = "Regnefejl: heltalsoverl\xF8" "b i br\xF8k";

// Every step stays within 32 bits: a result outside them is a fault, not a
// wrapped value.
std::int32_t Narrow(std::int64_t v) {
    if (v < INT32_MIN || v > INT32_MAX) Overflow();
    return static_cast<std::int32_t>(v);
}
std::int32_t Mul(std::int32_t a, std::int32_t b) { return Narrow(std::int64_t{a} * b); }
std::int32_t Add(std::int32_t a, std::int32_t b) { return Narrow(std::int64_t{a} + b); }
std::int32_t Sub(std::int32_t a, std::int32_t b) { return Narrow(std::int64_t{a} - b); }

inline bool IsAllowed(char c) {
    return IsDigit(c) || c == '*' || c == '+' || c == '-' || c == '/' || c == '(' || c == ')';
}

// Euclid on the larger and the smaller of a and b, remainders with the sign
// of the dividend; with b < 0 the divisor may come out negative, which keeps
// a negative denominator negative. Neither argument is 0.
std::int64_t Divisor(std::int64_t a, std::int64_t b) {
    std::int64_t p = a > b ? a : b;
    std::int64_t q = a > b ? b : a;
    // |q| falls at every step, so 100 steps are far more than 32-bit values need.
    for (int step = 0; step < 100; ++step) {
        std::int64_t r = p % q;
        if (r == 0) break;
        p = q;
        q = r;
    }
    return q;
}

// Recursive-descent reader over the text (1-based position, EndOfText once
// past the end). Blanks are skipped; a character outside the allowed set is
// reported and reading goes on. A failed step gives the fraction 0/1.
class RationalReader {
public:
    explicit RationalReader(const ExpressionText& expr) {
        // A leading minus is a subtraction from 0. The 0 is put in front in
        // a buffer one longer than a text, so no character is cut off.
        if (expr[0] == '-') text_[len_++] = '0';
        std::memcpy(text_ + len_, expr.Data(), expr.Length());
        len_ += expr.Length();
    }

    void Evaluate(ExpressionText& result) {
        Advance();
        atEnd_ = false;
        Fraction v = Term();
        if (!atEnd_) v = Sum(v);
        WriteResult(v, result);
    }

private:
    void Advance() {
        if (pos_ == len_) {
            atEnd_ = true;
            ch_ = EndOfText;
            return;
        }
        atEnd_ = false;
        do {
            ++pos_;
            ch_ = text_[pos_ - 1];
        } while (ch_ == ' ' && pos_ < len_);
        if (!IsAllowed(ch_)) Show("Illegalt tegn i udtryk: ");
    }

    Fraction Sum(Fraction v) {
        while (ch_ == '+' || ch_ == '-') {
            char op = ch_;
            Advance();
            Fraction t = Term();
            std::int32_t cross = Mul(t.n, v.d);
            v.n = op == '+' ? Add(Mul(v.n, t.d), cross) : Sub(Mul(v.n, t.d), cross);
            v.d = Mul(v.d, t.d);
        }
        return v;
    }

    Fraction Term() {
        Fraction v = Factor();
        while (ch_ == '*' || ch_ == '/') {
            char op = ch_;
            Advance();
            Fraction f = Factor();
            if (op == '*') {
                v.n = Mul(v.n, f.n);
                v.d = Mul(v.d, f.d);
            } else {
                v.n = Mul(v.n, f.d);
                v.d = Mul(v.d, f.n);
            }
        }
        return v;
    }

    Fraction Factor() {
        if (ch_ == '(') return Group();
        if (IsDigit(ch_)) return Number();
        Show("Syntaksfejl i udtryk: ");
        return {0, 1};
    }

    // An integer, or a fraction literal n/m or n/(group) that binds tighter
    // than * and /: 1/2*4 is (1/2)*4.
    Fraction Number() {
        Fraction v{Integer(), 1};
        if (ch_ != '/') return v;
        Advance();
        if (IsDigit(ch_)) {
            v.d = Integer();
        } else if (ch_ == '(') {
            Fraction g = Group();
            v.n = Mul(v.n, g.d);
            v.d = g.n;
        } else {
            // The denominator stays 1, so a typing error is no division by 0.
            Show("Syntaksfejl i udtryk: ");
        }
        return v;
    }

    std::int32_t Integer() {
        if (!IsDigit(ch_)) {
            Show("Fejl i tal i udtryk: ");
            return 0;
        }
        std::int32_t n = 0;
        while (IsDigit(ch_)) {
            n = Add(Mul(n, 10), ch_ - '0');
            Advance();
        }
        return n;
    }

    // After "(": a Term, then either ")" or a sum that must end in ")".
    Fraction Group() {
        Advance();
        Fraction v = Term();
        if (ch_ == ')') {
            Advance();
            return v;
        }
        v = Sum(v);
        if (ch_ == ')')
            Advance();
        else
            Show("Syntaksfejl i udtryk: ");
        return v;
    }

    // 0 wins over everything, a reading error included (0/0 and 0*(7 give 0).
    void WriteResult(Fraction v, ExpressionText& result) {
        if (v.n == 0) {
            result = "0";
            return;
        }
        if (v.d == 0) throw ArithmeticFault("Regnefejl: division med 0 i br\xF8k");
        bool negative = v.n < 0;
        std::int64_t a = negative ? -std::int64_t{v.n} : std::int64_t{v.n};
        std::int64_t g = Divisor(a, v.d);
        a /= g;
        std::int32_t n = Narrow(negative ? -a : a);
        std::int32_t d = Narrow(v.d / g);
        if (!atEnd_) {
            ReportError(ExpressionText("Syntaksfejl i udtryk"));
            return;
        }
        char buf[24];  // two 32-bit numbers of at most 11 characters and "/"
        char* end = std::to_chars(buf, buf + 11, n).ptr;
        if (d != 1) {
            *end++ = '/';
            end = std::to_chars(end, buf + sizeof buf, d).ptr;
        }
        result = std::string_view(buf, end - buf);
    }

    // The message names the text as read, with the 0 put in front.
    [[gnu::cold]] void Show(std::string_view fixed) {
        std::string s(fixed);
        s.append(text_, len_);
        ReportError(ExpressionText(std::string_view(s).substr(0, ExpressionText::MaxLength)));
    }

    char text_[ExpressionText::MaxLength + 1];
    int len_ = 0;
    int pos_ = 0;
    char ch_ = EndOfText;
    bool atEnd_ = false;
};

}  // namespace

void EvaluateRational(const ExpressionText& expr, ExpressionText& result) {
    if (!EvaluateRationalFits(expr, result)) throw ArithmeticFault(OverflowMessage);
}

bool EvaluateRationalFits(const ExpressionText& expr, ExpressionText& result) {
    // The reader's messages leave ErrorFlag as the caller had it.
    ErrorFlagGuard keep;
    RationalReader reader(expr);
    try {
        reader.Evaluate(result);
    } catch (const Overflowed&) {
        return false;
    }
    return true;
}
