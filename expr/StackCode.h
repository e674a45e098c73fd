#pragma once
// The instruction list the function reader emits while it reads a text (stack
// code in reading order), and the computing steps that the reader and the
// replay of the list share, so that both give the same values.
#include <cstdint>
#include <vector>

#include "Evaluate.h"
#include "ExpressionText.h"

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

struct StackCode {
    std::vector<StackInstruction> code;
    int charactersRead = 0;
};

// Reads expr as EvaluateFunction (names null) or EvaluateFunctionN (the
// variables names[1..n]) reads it and emits its stack code. False when reading
// reports an error; quiet, ErrorFlag as before.
bool EmitStackCode(const ExpressionText& expr, int n, const VariableNames* names, StackCode& code);

// The value steps of the evaluator. Each gives false where the evaluator
// reports an error instead of a value, and throws ArithmeticFault where it does.
bool PowerStep(double base, double e, double& result);
bool FunctionStep(int f, double a, double& result);
