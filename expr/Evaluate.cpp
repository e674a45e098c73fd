#include "Evaluate.h"

#include <charconv>
#include <cmath>
#include <cstring>
#include <initializer_list>
#include <string>
#include <string_view>

#include "ExplicitNotation.h"
#include "Host.h"
#include "Scanner.h"
#include "StackCode.h"
#include "TextUtils.h"

namespace {

constexpr double Pi = 3.141592653589793;
constexpr std::string_view LineBreak = "\n\r";

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

// The operand steps of the two evaluators: one variable x (with the constant
// e), or the caller's named variables (no e).
struct OneVariable {
    static constexpr bool Named = false;
    static constexpr bool SyntaxOnly = false;
    static constexpr bool Emits = false;
    double x;
};
// Reading without computing: only the errors of the notation are reported.
struct SyntaxCheck {
    static constexpr bool Named = false;
    static constexpr bool SyntaxOnly = true;
    static constexpr bool Emits = false;
    double x = 1;
};
struct NamedVariables {
    static constexpr bool Named = true;
    static constexpr bool SyntaxOnly = false;
    static constexpr bool Emits = false;
    int n;
    const VariableNames& names;
    const VariableValues& values;
};
// Reading without computing that writes the stack code of what it reads.
template <bool IsNamed>
struct Emitting {
    static constexpr bool Named = IsNamed;
    static constexpr bool SyntaxOnly = true;
    static constexpr bool Emits = true;
    int n;
    const VariableNames* names;
    StackCode* out;
    double x = 1;
};

// Recursive-descent reader that computes while it reads (positions 1-based,
// EndOfText past the end). Every step consumes at least one character
// before it recurses, so depth and loops are bounded by the text length.
template <class Operands>
class FunctionReader {
public:
    FunctionReader(const ExpressionText& expr, const Operands& operands)
        : text_(expr), len_(expr.Length()), operands_(operands) {
        ch_ = CharAt(text_, 1);
    }

    double Run() { return Expression(); }
    // Characters read: the text's length when it was read to its end.
    int CharactersRead() const { return pos_ - 1; }

private:
    char Next(int ahead) const { return CharAt(text_, pos_ + ahead); }
    void Advance() {
        ++pos_;
        ch_ = CharAt(text_, pos_);
    }
    // After a reading error the code is dropped: nothing more is emitted, and
    // operands missing from the code are not looked for.
    void Emit(StackOp op, int index = 0, double number = 0) {
        if constexpr (Operands::Emits)
            if (!ErrorFlag) operands_.out->code.push_back({op, index, number});
    }
    // The number the last instruction pushes, when the operand just read is
    // that number alone.
    bool LastIsNumber(double& number) const {
        if constexpr (Operands::Emits) {
            const auto& code = operands_.out->code;
            if (!ErrorFlag && code.size() >= 2 && code.back().op == StackOp::Number) {
                number = code.back().number;
                return true;
            }
        }
        return false;
    }
    // A binary step; with a number as right operand the number goes into the step.
    void EmitBinary(StackOp op, StackOp withNumber) {
        if constexpr (Operands::Emits) {
            double number;
            if (LastIsNumber(number)) {
                operands_.out->code.back() = {withNumber, 0, number};
                return;
            }
            Emit(op);
        }
    }
    // Computing steps of the syntax check give 1 and never fail.
    static double Checked(double v) {
        if constexpr (Operands::SyntaxOnly) return 1;
        return ::Checked(v);
    }

    double Expression() {
        // A leading -x^ starts from 0, so that the minus is read as a
        // subtraction and -x^2 means -(x^2).
        double value;
        if (ch_ == '-' && Next(1) == 'x' && Next(2) == '^') {
            value = 0;
            Emit(StackOp::Number, 0, 0);
        } else
            value = Term();
        while (ch_ == '+' || ch_ == '-') {
            char op = ch_;
            Advance();
            double term = Term();
            EmitBinary(op == '+' ? StackOp::Add : StackOp::Subtract,
                       op == '+' ? StackOp::AddNumber : StackOp::SubtractNumber);
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
            EmitBinary(op == '*' ? StackOp::Multiply : StackOp::Divide,
                       op == '*' ? StackOp::MultiplyNumber : StackOp::DivideNumber);
            if (ErrorFlag) continue;
            if (op == '*') {
                value = Checked(value * right);
            } else if (right == 0 && !Operands::SyntaxOnly) {
                Report("Division med 0 i funktionsudtryk: ", LineBreak);
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
            EmitPower();
            if constexpr (Operands::SyntaxOnly) continue;
            if (!PowerStep(base, e, base)) {
                Report("Illegal negativ rod til exponentialfunktion i funktionsudtryk:", LineBreak);
                return 0;
            }
        }
        return base;
    }

    // A whole exponent of the text within int goes into the step.
    void EmitPower() {
        if constexpr (Operands::Emits) {
            double e;
            if (!LastIsNumber(e) || e != std::trunc(e) || std::fabs(e) > 2147483647.0) {
                Emit(StackOp::Power);
                return;
            }
            auto& code = operands_.out->code;
            code.pop_back();
            if (e >= 3 && e <= XPowerLimit && !code.empty() && code.back().op == StackOp::X)
                code.back() = {StackOp::XPower, static_cast<int>(e), 0};
            else if (e == 2)
                Emit(StackOp::Square);
            else
                Emit(StackOp::WholePower, static_cast<int>(e));
        }
    }

    // One minus, binding tighter than ^: -2^2 is 4.
    double SignedFactor() {
        if (ch_ == '-') {
            Advance();
            double value = -Primary();
            if constexpr (Operands::Emits) {
                // The negative of a number is a number.
                double number;
                if (LastIsNumber(number))
                    operands_.out->code.back().number = -number;
                else
                    Emit(StackOp::Negate);
            }
            return value;
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
                Report("Mangler \")\" i funktionsudtryk: ", {});
            // The value read so far stands, so an Ignore keeps x+(1 as x+1.
            return value;
        }
        if constexpr (!Operands::Named) {
            if (ch_ == 'x') {
                Advance();
                Emit(StackOp::X);
                return Checked(operands_.x);
            }
        }
        if (IsFunctionInitial(ch_)) {
            int f = FunctionAt(text_, pos_);
            if (f >= 0) return Function(f);
        }
        if (ch_ == 'p' && Next(1) == 'i') {
            Advance();
            Advance();
            Emit(StackOp::Number, 0, Pi);
            return Pi;
        }
        if constexpr (Operands::Named) {
            // A real character only: the end marker is no variable.
            if (pos_ <= len_)
                for (int i = 1; i <= operands_.n; ++i)
                    if (Name(i) == ch_) {
                        Advance();
                        Emit(StackOp::Variable, i);
                        if constexpr (Operands::Emits) return 1;
                        else return Checked(operands_.values[i]);
                    }
        } else {
            if (ch_ == 'e') {
                Advance();
                Emit(StackOp::Number, 0, std::exp(1.0));
                return std::exp(1.0);
            }
        }
        Report("Fejl i funktionsudtryk: ", LineBreak);
        return 0;
    }

    double Number() {
        const int start = pos_;
        const NumberToken token = ScanNumber(text_, start);
        pos_ = token.end - 1;
        Advance();
        std::string_view digits(text_.Data() + start - 1, token.Length(start));
        if constexpr (!Operands::SyntaxOnly || Operands::Emits) {
            // Up to 15 digits with at most one separator are exact integers
            // over an exact power of ten: one correctly rounded division gives
            // what NumberValue gives, without its general parse.
            std::int64_t mantissa = 0, scale = 1;
            if (ExactDigits(digits, token, 15, mantissa, scale)) {
                const double value = static_cast<double>(mantissa) / static_cast<double>(scale);
                Emit(StackOp::Number, 0, value);
                return value;
            }
        }
        bool malformed = false;
        double value = NumberValue(digits, malformed);
        if (malformed) {
            ExpressionText message = Message({"Fejl i tal \"", digits, "\" i funktionsudtryk!"});
            // With one variable the number error outlasts an Ignore.
            if constexpr (Operands::Named)
                ReportError(message);
            else
                ReportLastingError(message);
            return 0;
        }
        Emit(StackOp::Number, 0, value);
        return value;
    }

    double Function(int f) {
        pos_ += static_cast<int>(FunctionNames[f].size()) - 1;
        Advance();
        if (ch_ != '(') {
            Report("Mangler \"(\" i funktionsudtryk:", LineBreak);
            return 0;
        }
        double a = Primary();
        Emit(StackOp::Function, f);
        if (ErrorFlag) return 0;
        if constexpr (Operands::SyntaxOnly) return 1;
        double value;
        if (FunctionStep(f, a, value)) return value;
        switch (f) {
        case fnSqrt:
            // With one variable the error outlasts an Ignore.
            if constexpr (Operands::Named)
                Report("Negativt tal i Kvadratrod i funktionsudtryk: ", {});
            else
                ReportLastingError(Message({"Negativt tal i Kvadratrod i funktionsudtryk: ", text_.View()}));
            break;
        case fnAsin:
            ReportErrorOK(Message({FormatNumber(6, 2, a), " er illegalt argument til asin(x)!"}));
            break;
        case fnAcosh:
            ReportLastingError(ExpressionText("Ilegalt argument til acosh"));
            break;
        case fnAcos:
            ReportErrorOK(Message({FormatNumber(6, 2, a), " er illegalt argument til acos(x)!"}));
            break;
        case fnTan:
            ReportErrorOK(ExpressionText(" cos(x)=0 i tan(x)!"));
            break;
        default:  // ln
            if (a < 0)
                Report("Illegalt argument til ln(x) i funktionsudtryk:", LineBreak);
            else
                ReportErrorOK(ExpressionText(" x<=0 i ln(x)!"));
        }
        return 0;
    }

    char Name(int i) const {
        if constexpr (Operands::Emits) return (*operands_.names)[i];
        else return operands_.names[i];
    }

    // An error the user may Ignore; reading then goes on.
    // The syntax check, which reads a user's text, adds where and how to mend it.
    [[gnu::cold]] [[gnu::noinline]] void Report(std::string_view fixed, std::string_view gap) {
        if constexpr (Operands::SyntaxOnly)
            ReportError(WithHint(std::string(fixed) + std::string(gap), text_, pos_));
        else
            ReportError(Message({fixed, gap, text_.View()}));
    }

    const ExpressionText text_;
    const int len_;
    const Operands operands_;
    int pos_ = 1;
    char ch_;
};

}  // namespace

bool EmitStackCode(const ExpressionText& expr, int n, const VariableNames* names, StackCode& code) {
    SilentScope silent;
    code = StackCode();
    // About one instruction a character: one block instead of a chain of regrowths.
    code.code.reserve(static_cast<std::size_t>(expr.Length()) + 2);
    if (names) {
        n = n < 0 ? 0 : n > 20 ? 20 : n;
        FunctionReader<Emitting<true>> reader(expr, Emitting<true>{n, names, &code});
        reader.Run();
        code.charactersRead = reader.CharactersRead();
    } else {
        FunctionReader<Emitting<false>> reader(expr, Emitting<false>{0, nullptr, &code});
        reader.Run();
        code.charactersRead = reader.CharactersRead();
    }
    if (ErrorFlag) code = StackCode();
    return !ErrorFlag;
}

double EvaluateFunction(const ExpressionText& expr, double x) {
    FunctionReader<OneVariable> reader(expr, OneVariable{x});
    return reader.Run();
}

double EvaluateFunction(const ExpressionText& expr, double x, int& stopPosition) {
    FunctionReader<OneVariable> reader(expr, OneVariable{x});
    double value = reader.Run();
    stopPosition = reader.CharactersRead();
    return value;
}

double EvaluateFunctionN(int n, const ExpressionText& expr, const VariableNames& names,
                         const VariableValues& values) {
    int stop = 0;
    return EvaluateFunctionN(n, expr, names, values, stop);
}

double EvaluateFunctionN(int n, const ExpressionText& expr, const VariableNames& names,
                         const VariableValues& values, int& stopPosition) {
    // names[21] is the look-up's working slot, so at most 20 variables.
    n = n < 0 ? 0 : n > 20 ? 20 : n;
    FunctionReader<NamedVariables> reader(expr, NamedVariables{n, names, values});
    double value = reader.Run();
    stopPosition = reader.CharactersRead();
    return value;
}

double IntPower(int n, double base) {
    // 0^0 is 1, the limit of x^x at 0 and what every calculator gives, so
    // that x^x and x^0 are continuous at 0. Other powers of 0 are 0.
    if (base == 0) return n == 0 ? 1 : 0;
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

double ErrorFunction(double x) { return std::erf(x); }

// 1 - erfc keeps full precision in the far tails, where 1 + erf would round.
double NormalDistribution(double x) { return 0.5 * std::erfc(-x / std::sqrt(2.0)); }

bool CheckExpressionSyntax(const ExpressionText& expr) {
    FunctionReader<SyntaxCheck> reader(expr, SyntaxCheck{});
    ErrorFlag = false;
    reader.Run();
    if (ErrorFlag) return false;
    if (reader.CharactersRead() < expr.Length()) {
        ReportError(WithHint("Fejl i funktionsudtryk: \n\r", expr, reader.CharactersRead() + 1));
        return false;
    }
    return true;
}

bool ReadsWhole(const ExpressionText& expr) {
    SilentScope silent;
    FunctionReader<SyntaxCheck> reader(expr, SyntaxCheck{});
    reader.Run();
    return !ErrorFlag && reader.CharactersRead() == expr.Length();
}

bool TryEvaluate(const ExpressionText& expr, double x, double& value) {
    SilentScope silent;
    try {
        FunctionReader<OneVariable> reader(expr, OneVariable{x});
        value = reader.Run();
        return !ErrorFlag && reader.CharactersRead() == expr.Length() && std::isfinite(value);
    } catch (const ArithmeticFault&) {
        return false;
    }
}
