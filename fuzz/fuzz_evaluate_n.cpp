// EvaluateFunctionN on any text up to 255 bytes. The first byte picks the
// number of variables (1 to 5, named x y z u v) and whether the error boxes
// are answered with Ignore; the value is never inf/NaN.
#include <cmath>

#include "Evaluate.h"
#include "FuzzHost.h"

static FuzzHost host;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const ExpressionText expr(FuzzText(data, size, 1));
    host.ignore = data[0] & 0x80;
    SetHost(&host);
    ErrorFlag = false;
    Guarded([&] {
        double value = EvaluateFunctionN(1 + data[0] % 5, expr, {0, 'x', 'y', 'z', 'u', 'v'}, {0, -2.5, -1, 0.5, 2, 4});
        if (!std::isfinite(value)) __builtin_trap();
    });
    return 0;
}
