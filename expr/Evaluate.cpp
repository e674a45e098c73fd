#include "Evaluate.h"

#include <charconv>
#include <cmath>
#include <cstring>
#include <initializer_list>
#include <string>
#include <string_view>

#include "Host.h"
#include "TextUtils.h"

namespace {

constexpr double Pi = 3.141592653589793;
constexpr char EndMarker = '\r';
constexpr std::string_view LineBreak = "\n\r";

// Sample points of the Simpson table of ErrorFunction.
constexpr int MaxErfPoints = 1024;
// Above this exponent IntPower squares instead of multiplying one factor at a time.
constexpr unsigned MaxPlainPower = 64;

// Inline fast path of CheckedReal for the hot operations.
inline double Checked(double v) { return std::isfinite(v) ? v : CheckedReal(v); }

// A message of fixed texts and the expression, cut to 255 characters. Built
// only when an error is shown; the cut of a message is no cut result, so it
// does not count in TextCutCount.
[[gnu::cold]] ExpressionText Message(std::initializer_list<std::string_view> parts) {
    std::string s;
    for (std::string_view p : parts) s += p;
    return ExpressionText(std::string_view(s).substr(0, ExpressionText::MaxLength));
}

// TextToNumber reads only this many characters of a number text.
constexpr std::size_t MaxNumberText = 32;

// A number text of the reader (digits, "." or ",", then maybe e, a sign and
// digits) longer than TextToNumber takes: read whole, since its first 32
// characters can be worth something else entirely (0000...0006 would be 0).
// Same rules: the first comma is a point, underflow gives 0, overflow and
// any other shape are malformed.
[[gnu::cold]] double LongNumber(std::string_view s, bool& error) {
    char t[ExpressionText::MaxLength];
    std::memcpy(t, s.data(), s.size());
    const std::size_t n = s.size();
    std::size_t i = 0, separators = 0;
    for (; i < n && t[i] != 'e'; ++i)
        if (t[i] == '.' || t[i] == ',') {
            if (separators++ == 0) t[i] = '.';
        }
    bool ok = separators <= 1;
    bool negativeExponent = false;
    if (ok && i < n) {
        ++i;
        if (i < n && (t[i] == '+' || t[i] == '-')) negativeExponent = t[i++] == '-';
        ok = i < n;  // the reader took only digits after the sign
    }
    double value = 0;
    if (ok) {
        auto r = std::from_chars(t, t + n, value);
        if (r.ec == std::errc::result_out_of_range && negativeExponent) {
            value = 0;
            r.ec = std::errc();
        }
        ok = r.ec == std::errc() && r.ptr == t + n;
    }
    error = !ok;
    return ok ? value : 0;
}

// Letters that begin a name of FunctionNames: a s c t l e p.
inline bool CanStartName(char c) {
    switch (c) {
    case 'a': case 's': case 'c': case 't': case 'l': case 'e': case 'p':
        return true;
    default:
        return false;
    }
}

// The operand steps of the two evaluators: one variable x (with the constant
// e), or the caller's named variables (no e).
struct OneVariable {
    static constexpr bool Named = false;
    double x;
};
struct NamedVariables {
    static constexpr bool Named = true;
    int n;
    const VariableNames& names;
    const VariableValues& values;
};

// Recursive-descent reader that computes while it reads; the carriage return
// stands for the end of the text. Every step consumes at least one character
// before it recurses, so depth and loops are bounded by the text length.
template <class Operands>
class FunctionReader {
public:
    FunctionReader(const ExpressionText& expr, const Operands& operands)
        : text_(expr), len_(expr.Length()), operands_(operands) {
        ch_ = len_ > 0 ? text_.Data()[0] : EndMarker;
    }

    double Run() { return Expression(); }
    int Position() const { return pos_; }

private:
    char CharAt(int i) const { return i < len_ ? text_.Data()[i] : EndMarker; }
    void Advance() {
        ++pos_;
        ch_ = CharAt(pos_);
    }

    double Expression() {
        // A leading -x^ starts from 0, so that the minus is read as a
        // subtraction and -x^2 means -(x^2).
        double value;
        if (ch_ == '-' && CharAt(pos_ + 1) == 'x' && CharAt(pos_ + 2) == '^')
            value = 0;
        else
            value = Term();
        while (ch_ == '+' || ch_ == '-') {
            char op = ch_;
            Advance();
            double term = Term();
            value = Checked(op == '+' ? value + term : value - term);
        }
        return value;
    }

    double Term() {
        double value = Power();
        while (ch_ == '*' || ch_ == '/') {
            char op = ch_;
            Advance();
            double right = Power();
            if (ErrorFlag) continue;
            if (op == '*') {
                value = Checked(value * right);
            } else if (right == 0) {
                FlagThenShow("Division med 0 i funktionsudtryk: ", LineBreak);
                return 0;
            } else {
                value = Checked(value / right);
            }
        }
        return value;
    }

    double Power() {
        double base = SignedFactor();
        while (ch_ == '^') {
            Advance();
            double e = SignedFactor();
            if (e == std::trunc(e)) {
                base = WholePower(e, base);
            } else if (base == 0 && e > 0) {
                base = 0;
            } else if (base > 0) {
                base = Checked(std::exp(e * std::log(base)));
            } else {
                FlagThenShow("Illegal negativ rod til exponentialfunktion i funktionsudtryk:", LineBreak);
                return 0;
            }
        }
        return base;
    }

    // base^e for a whole e; exponents beyond int go to pow, which gives the
    // same limits (overflow, 0, or +-1) without a long loop.
    static double WholePower(double e, double base) {
        if (std::fabs(e) <= 2147483647.0) return IntPower(static_cast<int>(e), base);
        if (base == 0) return 0;
        return Checked(std::pow(base, e));
    }

    // One minus, binding tighter than ^: -2^2 is 4.
    double SignedFactor() {
        if (ch_ == '-') {
            Advance();
            return -Primary();
        }
        return Primary();
    }

    // A failing operand hands back 0: after an Ignore the evaluation goes on
    // as if the operand were 0.
    double Primary() {
        if (ErrorFlag) return 0;
        if (IsDigit(ch_)) return Number();
        if (ch_ == '(') {
            Advance();
            double value = Expression();
            if (ch_ == ')')
                Advance();
            else
                FlagThenShow("Mangler \")\" i funktionsudtryk: ", {});
            // The value read so far stands, so an Ignore keeps x+(1 as x+1.
            return value;
        }
        if constexpr (!Operands::Named) {
            if (ch_ == 'x') {
                Advance();
                return Checked(operands_.x);
            }
        }
        if (CanStartName(ch_)) {
            int f = MatchName();
            if (f >= 0) return Function(f);
        }
        if (ch_ == 'p' && CharAt(pos_ + 1) == 'i') {
            Advance();
            Advance();
            return Pi;
        }
        if constexpr (Operands::Named) {
            // A real character only: the end marker is no variable.
            if (pos_ < len_)
                for (int i = 1; i <= operands_.n; ++i)
                    if (operands_.names[i] == ch_) {
                        Advance();
                        return Checked(operands_.values[i]);
                    }
        } else {
            if (ch_ == 'e') {
                Advance();
                return std::exp(1.0);
            }
        }
        FlagThenShow("Fejl i funktionsudtryk: ", LineBreak);
        return 0;
    }

    double Number() {
        int start = pos_;
        int separators = 0;
        while (IsDigit(ch_) || ch_ == '.' || ch_ == ',') {
            separators += !IsDigit(ch_);
            Advance();
        }
        bool exponent = ch_ == 'e';
        if (exponent) {
            Advance();
            if (ch_ == '+' || ch_ == '-') Advance();
            while (IsDigit(ch_)) Advance();
        }
        std::string_view digits(text_.Data() + start, pos_ - start);
        // Up to 15 digits with at most one separator are exact integers over
        // an exact power of ten: one correctly rounded division gives what
        // TextToNumber gives, without its general parse.
        if (!exponent && separators <= 1 && digits.size() <= 16) {
            double mantissa = 0, scale = 1;
            bool fraction = false;
            for (char c : digits) {
                if (IsDigit(c)) {
                    mantissa = mantissa * 10 + (c - '0');
                    if (fraction) scale *= 10;
                } else {
                    fraction = true;
                }
            }
            if (digits.size() - separators <= 15) return mantissa / scale;
        }
        double value = digits.size() <= MaxNumberText ? TextToNumber(digits, ErrorFlag)
                                                      : LongNumber(digits, ErrorFlag);
        if (ErrorFlag) {
            ShowError(Message({"Fejl i tal \"", digits, "\" i funktionsudtryk!"}));
            // With one variable the number error outlasts an Ignore.
            if constexpr (!Operands::Named) ErrorFlag = true;
            return 0;
        }
        return value;
    }

    // Index of the first name of FunctionNames at the position, or -1.
    int MatchName() const {
        int room = len_ - pos_;
        const char* at = text_.Data() + pos_;
        for (int i = 0; i < static_cast<int>(FunctionNames.size()); ++i) {
            std::string_view name = FunctionNames[i];
            if (name[0] == ch_ && static_cast<int>(name.size()) <= room &&
                std::memcmp(at, name.data(), name.size()) == 0)
                return i;
        }
        return -1;
    }

    double Function(int f) {
        pos_ += static_cast<int>(FunctionNames[f].size()) - 1;
        Advance();
        if (ch_ != '(') {
            FlagThenShow("Mangler \"(\" i funktionsudtryk:", LineBreak);
            return 0;
        }
        double a = Primary();
        if (ErrorFlag) return 0;
        switch (f) {
        case fnAbs:
            return std::fabs(a);
        case fnSqrt:
            if (a < 0) {
                FlagThenShow("Negativt tal i Kvadratrod i funktionsudtryk: ", {});
                // With one variable the error outlasts an Ignore.
                if constexpr (!Operands::Named) ErrorFlag = true;
                return 0;
            }
            return std::sqrt(a);
        // The library's hyperbolic functions: the textbook formulas with exp
        // and ln lose everything to cancellation (sinh(1e-20) = 0,
        // asinh(-1e10) = ln(0)) or overflow in a*a long before the result.
        case fnSinh:
            return Checked(std::sinh(a));
        case fnAsinh:
            return Checked(std::asinh(a));
        case fnSin:
            return std::sin(a);
        case fnAsin:
            if (std::fabs(a) == 1) return a * Pi / 2;
            if (std::fabs(a) > 1) {
                ShowErrorOK(Message({FormatNumber(6, 2, a), " er illegalt argument til asin(x)!"}));
                ErrorFlag = true;
                return 0;
            }
            return Checked(std::atan(a / std::sqrt(1 - a * a)));
        case fnCosh:
            return Checked(std::cosh(a));
        case fnAcosh:
            if (a < 1) {
                ShowError(ExpressionText("Ilegalt argument til acosh"));
                ErrorFlag = true;
                return 0;
            }
            return Checked(std::acosh(a));
        case fnCos:
            return std::cos(a);
        case fnTan: {
            double c = std::cos(a);
            if (c == 0) {
                ShowErrorOK(ExpressionText(" cos(x)=0 i tan(x)!"));
                ErrorFlag = true;
                return 0;
            }
            return Checked(std::sin(a) / c);
        }
        case fnAtan:
            return std::atan(a);
        case fnLn:
            if (a < 0) {
                FlagThenShow("Illegalt argument til ln(x) i funktionsudtryk:", LineBreak);
                return 0;
            }
            if (a == 0) {
                ShowErrorOK(ExpressionText(" x<=0 i ln(x)!"));
                ErrorFlag = true;
                return 0;
            }
            return std::log(a);
        case fnExp:
            return Checked(std::exp(a));
        case fnErf:
            return ErrorFunction(a);
        default:
            return NormalDistribution(a);
        }
    }

    // Sets ErrorFlag first, so that an Ignore clears it and reading goes on.
    [[gnu::cold]] [[gnu::noinline]] void FlagThenShow(std::string_view fixed, std::string_view gap) {
        ErrorFlag = true;
        ShowError(Message({fixed, gap, text_.View()}));
    }

    const ExpressionText text_;
    const int len_;
    const Operands operands_;
    int pos_ = 0;
    char ch_;
};

}  // namespace

double EvaluateFunction(const ExpressionText& expr, double x) {
    FunctionReader<OneVariable> reader(expr, OneVariable{x});
    return reader.Run();
}

double EvaluateFunction(const ExpressionText& expr, double x, int& stopPosition) {
    FunctionReader<OneVariable> reader(expr, OneVariable{x});
    double value = reader.Run();
    stopPosition = reader.Position();
    return value;
}

double EvaluateFunctionN(int n, const ExpressionText& expr, const VariableNames& names,
                         const VariableValues& values) {
    // names[21] is the look-up's working slot, so at most 20 variables.
    if (n < 0) n = 0;
    if (n > 20) n = 20;
    FunctionReader<NamedVariables> reader(expr, NamedVariables{n, names, values});
    return reader.Run();
}

double EvaluateFunctionN(int n, const ExpressionText& expr, const VariableNames& names,
                         const VariableValues& values, int& stopPosition) {
    n = n < 0 ? 0 : n > 20 ? 20 : n;
    FunctionReader<NamedVariables> reader(expr, NamedVariables{n, names, values});
    double value = reader.Run();
    stopPosition = reader.Position();
    return value;
}

double IntPower(int n, double base) {
    if (base == 0) return 0;
    unsigned count = n < 0 ? 0u - static_cast<unsigned>(n) : static_cast<unsigned>(n);
    if (n < 0) base = 1 / base;
    double result = 1;
    if (count <= MaxPlainPower) {
        for (unsigned i = 0; i < count; ++i) result *= base;
    } else {
        // Long exponents by squaring: the same value to rounding, in at most
        // 64 steps instead of up to 2^31.
        for (; count; count >>= 1) {
            if (count & 1) result *= base;
            base *= base;
        }
    }
    return Checked(result);
}

double ErrorFunction(double x) {
    if (x == 0) return 0;
    double a = std::fabs(x);
    // The table holds 1024 points, enough for a up to 511; beyond it erf is 1
    // to double precision anyway (from about 6 on), so the limit is returned.
    if (a >= MaxErfPoints / 2 - 0.5) return x < 0 ? -1 : 1;
    int m = static_cast<int>(std::nearbyint(a));
    int n = 2 * m + 1 < 11 ? 11 : 2 * m + 1;
    double h = a / (n - 1);
    // Simpson over the points t_i = (i-1)*h, y_i = exp(-t_i^2), i = 1..n,
    // with the step taken from the table's ends as the rule prescribes.
    double step = ((n - 1) * h - 0) / (n - 1);
    double sum = 0;
    auto y = [h](int i) {
        double t = (i - 1) * h;
        return std::exp(-t * t);
    };
    for (int j = 2; j <= n - 1; j += 2) sum += y(j - 1) + 4 * y(j) + y(j + 1);
    double integral = sum * step / 3;
    double result = 2 / std::sqrt(Pi) * integral;
    return x < 0 ? -result : result;
}

double NormalDistribution(double x) {
    double e = ErrorFunction(std::fabs(x) * std::sqrt(2.0) * 0.5);
    return x >= 0 ? 0.5 * (1 + e) : 0.5 * (1 - e);
}
