#pragma once
// A text read once and evaluated at many points: Simpson's rule, graph
// sampling, the checks and the numeric methods evaluate one text hundreds of
// times. The reader of EvaluateFunction writes the text's stack code while it
// reads; evaluation replays the code. Values, errors (messages, ErrorFlag,
// Ignore) and where reading stops are exactly those of EvaluateFunction and
// EvaluateFunctionN: a step that would report an error hands the evaluation
// to the reader, which reports it as it always does.
#include "Evaluate.h"
#include "ExpressionText.h"
#include "StackCode.h"

class CompiledFunction {
public:
    CompiledFunction() = default;
    explicit CompiledFunction(const ExpressionText& expr);

    const ExpressionText& Text() const { return text_; }

    // EvaluateFunction(Text(), x).
    double operator()(double x) const;
    // EvaluateFunction(Text(), x, stopPosition).
    double Evaluate(double x, int& stopPosition) const;
    // TryEvaluate(Text(), x, value).
    bool TryEvaluate(double x, double& value) const;

private:
    ExpressionText text_;
    StackCode code_;
    bool replays_ = false;  // false: the text has a reading error, every call reads it
};

class CompiledFunctionN {
public:
    CompiledFunctionN() = default;
    CompiledFunctionN(int n, const ExpressionText& expr, const VariableNames& names);

    const ExpressionText& Text() const { return text_; }

    // EvaluateFunctionN(n, Text(), names, values).
    double operator()(const VariableValues& values) const;
    // The same, also giving where reading stopped.
    double Evaluate(const VariableValues& values, int& stopPosition) const;

private:
    int n_ = 0;
    ExpressionText text_;
    VariableNames names_{};
    StackCode code_;
    bool replays_ = false;
};

// Replays code with x (for X) and values (for Variable). False where a step
// would report an error; throws ArithmeticFault where the reader does.
bool ReplayStackCode(const StackCode& code, double x, const double* values, double& result);
