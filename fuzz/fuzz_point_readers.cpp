// The start-point and data-point readers on any text up to 255 bytes. The
// first byte picks the number of coordinates (1 to 5), the number of points
// (3 to 21) and the answer to the boxes. Read values are finite; a failed
// data read leaves ErrorFlag clear.
#include <cmath>

#include "FuzzHost.h"
#include "PointText.h"

static FuzzHost host;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const ExpressionText text(FuzzText(data, size, 1));
    host.ignore = data[0] & 0x80;
    SetHost(&host);
    ErrorFlag = false;
    const int n = 1 + data[0] % MaxVariables;
    VariableValues values{};
    if (ReadStartPoint(n, text, DefaultVariableNames(), values)) {
        if (ErrorFlag) __builtin_trap();
        for (int i = 1; i <= n; ++i)
            if (!std::isfinite(values[i])) __builtin_trap();
    }
    ErrorFlag = false;
    const int points = 3 + data[0] % 19;
    Vector x{}, y{};
    const bool read = ReadDataPoints(points, text, x, y);
    if (ErrorFlag) __builtin_trap();
    if (read)
        for (int i = 1; i <= points; ++i)
            if (!std::isfinite(x[i]) || !std::isfinite(y[i])) __builtin_trap();
    bool error = false;
    if (!std::isfinite(ReadNumber(text.View(), error))) __builtin_trap();
    return 0;
}
