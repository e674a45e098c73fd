// Any text of up to 255 bytes: integrate it as the tab does, check a found
// antiderivative on an interval, and run Simpson's rule on it. Every call
// must end (libFuzzer's -timeout) without a crash.
#include "FuzzHost.h"
#include "Host.h"
#include "Integrate.h"
#include "Simpson.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input = FuzzText(data, size);
    Guarded([&] {
        ErrorFlag = false;
        ExpressionText F = IntegrateExpression(input);
        ErrorFlag = false;
        if (!F.Empty()) AntiderivativeHoldsOn(F, input, 21, -1, 2);
        SimpsonIntegral(input, static_cast<int>(size % 30), -1, 2);
    });
    return 0;
}
