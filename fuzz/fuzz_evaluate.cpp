// EvaluateFunction on any text up to 255 bytes at a few x, the error boxes
// answered with OK and with Ignore; the value is finite and reading stops within the text.
#include <cmath>

#include "Evaluate.h"
#include "FuzzHost.h"

static FuzzHost host;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const ExpressionText expr(FuzzText(data, size));
    SetHost(&host);
    for (bool ignore : {false, true})
        for (double x : {0.0, 1.0, -2.5, 700.0}) {
            host.ignore = ignore;
            ErrorFlag = false;
            Guarded([&] {
                int stop = -1;
                double value = EvaluateFunction(expr, x, stop);
                if (!std::isfinite(value) || stop < 0 || stop > expr.Length()) __builtin_trap();
            });
        }
    return 0;
}
