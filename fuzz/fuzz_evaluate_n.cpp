// EvaluateFunctionN on any text up to 255 bytes. The first byte picks the
// number of variables (1 to 5, named x y z u v) and whether the error boxes
// are answered with Ignore; the value is never inf/NaN.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "Evaluate.h"
#include "Host.h"

namespace {
class FuzzHost : public Host {
public:
    void AddLogLine(std::string_view) override {}
    bool ErrorBox(std::string_view message, bool withIgnore) override {
        if (message.size() > 255) __builtin_trap();
        return withIgnore && ignore;
    }
    bool ignore = false;
};
FuzzHost host;
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const int n = 1 + data[0] % 5;
    host.ignore = data[0] & 0x80;
    ++data;
    --size;
    if (size > 255) size = 255;
    const ExpressionText expr(std::string_view(reinterpret_cast<const char*>(data), size));
    VariableNames names{};
    VariableValues values{};
    const char letters[] = "xyzuv";
    for (int i = 1; i <= 5; ++i) {
        names[i] = letters[i - 1];
        values[i] = 1.5 * i - 4;
    }
    SetHost(&host);
    try {
        ErrorFlag = false;
        double value = EvaluateFunctionN(n, expr, names, values);
        if (!std::isfinite(value)) __builtin_trap();
    } catch (const ArithmeticFault&) {
    }
    ErrorFlag = false;
    SetHost(nullptr);
    return 0;
}
