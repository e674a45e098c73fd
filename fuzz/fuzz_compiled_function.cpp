// The compiled form against the re-reading evaluators on any text up to 255
// bytes: the same value bit for bit, the same stop, ErrorFlag, boxes and
// faults, at points taken from the input, boxes answered OK or Ignore.
#include <cstring>
#include <string>
#include <vector>

#include "CompiledFunction.h"
#include "FuzzHost.h"

namespace {

struct Outcome {
    double value = 0;
    int stop = -1;
    bool flag = false;
    std::string fault;
    std::vector<std::string> boxes;
    bool operator==(const Outcome& o) const {
        return std::memcmp(&value, &o.value, sizeof value) == 0 && stop == o.stop && flag == o.flag &&
               fault == o.fault && boxes == o.boxes;
    }
};

struct RecordingFuzzHost : FuzzHost {
    bool ErrorBox(std::string_view message, bool withIgnore) override {
        boxes.emplace_back(message);
        return withIgnore && ignore;
    }
    std::vector<std::string> boxes;
};

RecordingFuzzHost host;

template <class Step>
Outcome Run(Step step) {
    host.boxes.clear();
    ErrorFlag = false;
    Outcome o;
    try {
        o.value = step(o.stop);
    } catch (const ArithmeticFault& fault) {
        o.fault = fault.what();
    }
    o.flag = ErrorFlag;
    o.boxes = host.boxes;
    return o;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1) return 0;
    // The first byte: boxes answered with Ignore, number of variables.
    const ExpressionText expr(FuzzText(data, size, 1));
    SetHost(&host);
    host.ignore = data[0] & 0x80;
    const CompiledFunction f(expr);
    for (double x : {0.0, 1.0, -1.0, 0.5, 700.0, 1e-300, static_cast<double>(data[0]) - 100}) {
        Outcome read = Run([&](int& stop) { return EvaluateFunction(expr, x, stop); });
        Outcome replayed = Run([&](int& stop) { return f.Evaluate(x, stop); });
        if (!(read == replayed)) __builtin_trap();
    }
    const int n = 1 + data[0] % 5;
    const VariableNames names{0, 'x', 'y', 'z', 'u', 'v'};
    const CompiledFunctionN g(n, expr, names);
    for (double s : {0.0, 1.0, -2.5}) {
        const VariableValues values{0, s, -1, 0.5, 2 * s, 4};
        Outcome read = Run([&](int& stop) { return EvaluateFunctionN(n, expr, names, values, stop); });
        Outcome replayed = Run([&](int& stop) { return g.Evaluate(values, stop); });
        if (!(read == replayed)) __builtin_trap();
    }
    ErrorFlag = false;
    return 0;
}
