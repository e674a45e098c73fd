// EvaluateFunction on any text up to 255 bytes, at a few x, answering the
// error boxes with OK and with Ignore. Values are never inf/NaN, both
// overloads agree, and the stop position lies within the text.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "Evaluate.h"
#include "Host.h"
#include "TextUtils.h"

namespace {
class FuzzHost : public Host {
public:
    void AddLogLine(std::string_view) override {}
    bool ErrorBox(std::string_view message, bool withIgnore) override {
        if (message.size() > 255) __builtin_trap();
        ++boxes;
        return withIgnore && ignore;
    }
    bool ignore = false;
    int boxes = 0;
};
FuzzHost host;

bool IsNumberText(std::string_view s) {
    for (char c : s)
        if (!((c >= '0' && c <= '9') || c == '.' || c == ',')) return false;
    return !s.empty() && s[0] != '.' && s[0] != ',';
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size > 255) size = 255;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const ExpressionText expr(text);
    SetHost(&host);
    for (bool ignore : {false, true}) {
        host.ignore = ignore;
        for (double x : {0.0, 1.0, -2.5, 700.0}) {
            try {
                ErrorFlag = false;
                double plain = EvaluateFunction(expr, x);
                bool plainFlag = ErrorFlag;
                ErrorFlag = false;
                int stop = -1;
                double value = EvaluateFunction(expr, x, stop);
                if (!std::isfinite(value) || !std::isfinite(plain)) __builtin_trap();
                if (stop < 0 || stop > expr.Length()) __builtin_trap();
                if (plainFlag != ErrorFlag || !(plain == value)) __builtin_trap();
                // The evaluator's own number reading agrees with TextToNumber
                // on the 32 characters that TextToNumber takes.
                if (!ErrorFlag && stop == expr.Length() && text.size() <= 32 && IsNumberText(text)) {
                    bool error = false;
                    double number = TextToNumber(text, error);
                    if (!error && number != value) __builtin_trap();
                }
            } catch (const ArithmeticFault&) {
            }
        }
    }
    ErrorFlag = false;
    SetHost(nullptr);
    return 0;
}
