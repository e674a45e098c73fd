#include "CompiledFunction.h"

#include <cmath>

#include "Host.h"

namespace {

inline double Checked(double v) { return CheckedStep(v); }

}  // namespace

bool ReplayStackCode(const StackCode& code, double x, const double* values, double& result) {
    // stack[0] is never used, so that top can start on it without pointing
    // before the array.
    double stack[StackCodeDepth + 1];
    double* top = stack;  // the last value pushed
    double powers[XPowerLimit + 1];  // powers[k] = x^k as IntPower's loop forms it, k <= known
    int known = 0;
    for (const StackInstruction& in : code.code) {
        switch (in.op) {
        case StackOp::Number:
            *++top = in.number;
            break;
        case StackOp::X:
            *++top = Checked(x);
            break;
        case StackOp::Variable:
            *++top = Checked(values[in.index]);
            break;
        case StackOp::Negate:
            *top = -*top;
            break;
        case StackOp::Add:
            --top;
            *top = Checked(top[0] + top[1]);
            break;
        case StackOp::Subtract:
            --top;
            *top = Checked(top[0] - top[1]);
            break;
        case StackOp::Multiply:
            --top;
            *top = Checked(top[0] * top[1]);
            break;
        case StackOp::Divide:
            --top;
            if (top[1] == 0) return false;
            *top = Checked(top[0] / top[1]);
            break;
        case StackOp::Power:
            --top;
            if (!PowerStep(top[0], top[1], top[0])) return false;
            break;
        case StackOp::AddNumber:
            *top = Checked(*top + in.number);
            break;
        case StackOp::SubtractNumber:
            *top = Checked(*top - in.number);
            break;
        case StackOp::MultiplyNumber:
            *top = Checked(*top * in.number);
            break;
        case StackOp::DivideNumber:
            if (in.number == 0) return false;
            *top = Checked(*top / in.number);
            break;
        case StackOp::WholePower:
            *top = IntPower(in.index, *top);
            break;
        case StackOp::Square:
            // IntPower(2, b): 1*b*b, and +0 for either zero.
            *top = Checked(*top * *top);
            break;
        case StackOp::XPower: {
            const double b = Checked(x);
            if (b == 0) {
                *++top = 0;
                break;
            }
            for (; known < in.index; ++known) powers[known + 1] = known == 0 ? b : powers[known] * b;
            *++top = Checked(powers[in.index]);
            break;
        }
        case StackOp::Function:
            if (!FunctionStep(in.index, *top, *top)) return false;
            break;
        }
    }
    result = *top;
    return true;
}

CompiledFunction::CompiledFunction(const ExpressionText& expr)
    : text_(expr), replays_(EmitStackCode(expr, 0, nullptr, code_)) {}

double CompiledFunction::operator()(double x) const {
    double value;
    // A flag already set makes the reader stop at once; it is the reader's case.
    if (replays_ && !ErrorFlag && ReplayStackCode(code_, x, nullptr, value)) return value;
    return EvaluateFunction(text_, x);
}

double CompiledFunction::Evaluate(double x, int& stopPosition) const {
    double value;
    if (replays_ && !ErrorFlag && ReplayStackCode(code_, x, nullptr, value)) {
        stopPosition = code_.charactersRead;
        return value;
    }
    return EvaluateFunction(text_, x, stopPosition);
}

bool CompiledFunction::TryEvaluate(double x, double& value) const {
    if (replays_) {
        try {
            double v;
            if (ReplayStackCode(code_, x, nullptr, v)) {
                value = v;
                return code_.charactersRead == text_.Length() && std::isfinite(v);
            }
        } catch (const ArithmeticFault&) {
            return false;
        }
    }
    return ::TryEvaluate(text_, x, value);
}

CompiledFunctionN::CompiledFunctionN(int n, const ExpressionText& expr, const VariableNames& names)
    : n_(n), text_(expr), names_(names), replays_(EmitStackCode(expr, n, &names, code_)) {}

double CompiledFunctionN::operator()(const VariableValues& values) const {
    double value;
    if (replays_ && !ErrorFlag && ReplayStackCode(code_, 0, values.data(), value)) return value;
    return EvaluateFunctionN(n_, text_, names_, values);
}

double CompiledFunctionN::Evaluate(const VariableValues& values, int& stopPosition) const {
    double value;
    if (replays_ && !ErrorFlag && ReplayStackCode(code_, 0, values.data(), value)) {
        stopPosition = code_.charactersRead;
        return value;
    }
    return EvaluateFunctionN(n_, text_, names_, values, stopPosition);
}
