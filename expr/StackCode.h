#pragma once
// The instruction list the function reader emits while it reads a text (stack
// code in reading order), and the computing steps that the reader and the
// replay of the list share, so that both give the same values.
#include <cmath>
#include <cstdint>
#include <vector>

#include "Evaluate.h"
#include "ExpressionText.h"
#include "Host.h"
#include "Scanner.h"

enum class StackOp : std::uint8_t {
    Number,          // push number
    X,               // push x
    Variable,        // push the value of variable index
    Negate,
    Add,
    Subtract,
    Multiply,
    Divide,
    Power,
    // The same with the right operand a number of the text (number), not on the stack.
    AddNumber,
    SubtractNumber,
    MultiplyNumber,
    DivideNumber,
    WholePower,      // ^index for a whole exponent of the text
    Square,          // ^2
    XPower,          // x^index, 3 <= index <= XPowerLimit: powers of x shared within one evaluation
    Function,        // function index of the scanner's table
};

struct StackInstruction {
    StackOp op;
    int index = 0;
    double number = 0;
};

// Every operand consumes at least one character, so a text of at most 255
// characters never has more values pending.
constexpr int StackCodeDepth = ExpressionText::MaxLength + 1;

// IntPower multiplies one factor at a time up to this exponent, so x^k is
// the k-th partial product of one chain: x^3, x^7 and x^20 of one text share it.
constexpr int XPowerLimit = 64;

struct StackCode {
    std::vector<StackInstruction> code;
    int charactersRead = 0;
};

// Reads expr as EvaluateFunction (names null) or EvaluateFunctionN (the
// variables names[1..n]) reads it and emits its stack code. False when reading
// reports an error; quiet, ErrorFlag as before.
bool EmitStackCode(const ExpressionText& expr, int n, const VariableNames* names, StackCode& code);

// The value steps of the evaluator. Each gives false where the evaluator
// reports an error instead of a value, and throws ArithmeticFault where it
// does. Inline, so that the replay's loop has them at hand.

inline double CheckedStep(double v) { return std::isfinite(v) ? v : CheckedReal(v); }

// base^e for a whole e; exponents beyond int go to pow, which gives the same
// limits (overflow, 0, or +-1) without a long loop.
inline bool PowerStep(double base, double e, double& result) {
    if (e == std::trunc(e)) {
        if (std::fabs(e) <= 2147483647.0)
            result = IntPower(static_cast<int>(e), base);
        else
            result = base == 0 ? 0 : CheckedStep(std::pow(base, e));
    } else if (base == 0 && e > 0) {
        result = 0;
    } else if (base > 0) {
        result = CheckedStep(std::exp(e * std::log(base)));
    } else {
        return false;
    }
    return true;
}

inline bool FunctionStep(int f, double a, double& result) {
    switch (f) {
    case fnAbs:
        result = std::fabs(a);
        return true;
    case fnSqrt:
        if (a < 0) return false;
        result = std::sqrt(a);
        return true;
    // The library's hyperbolic functions: the textbook formulas with exp and
    // ln lose everything to cancellation (sinh(1e-20) = 0, asinh(-1e10) =
    // ln(0)) or overflow in a*a long before the result.
    case fnSinh:
        result = CheckedStep(std::sinh(a));
        return true;
    case fnAsinh:
        result = CheckedStep(std::asinh(a));
        return true;
    case fnSin:
        result = std::sin(a);
        return true;
    case fnAsin:
        if (std::fabs(a) == 1) {
            result = a * 3.141592653589793 / 2;
            return true;
        }
        if (std::fabs(a) > 1) return false;
        result = CheckedStep(std::atan(a / std::sqrt(1 - a * a)));
        return true;
    case fnCosh:
        result = CheckedStep(std::cosh(a));
        return true;
    case fnAcosh:
        if (a < 1) return false;
        result = CheckedStep(std::acosh(a));
        return true;
    case fnAcos:
        if (std::fabs(a) > 1) return false;
        result = std::acos(a);
        return true;
    case fnCos:
        result = std::cos(a);
        return true;
    case fnTanh:
        result = std::tanh(a);
        return true;
    case fnTan: {
        double c = std::cos(a);
        if (c == 0) return false;
        result = CheckedStep(std::sin(a) / c);
        return true;
    }
    case fnAtan:
        result = std::atan(a);
        return true;
    case fnLn:
        if (a <= 0) return false;
        result = std::log(a);
        return true;
    case fnExp:
        result = CheckedStep(std::exp(a));
        return true;
    case fnErf:
        result = ErrorFunction(a);
        return true;
    default:
        result = NormalDistribution(a);
        return true;
    }
}

