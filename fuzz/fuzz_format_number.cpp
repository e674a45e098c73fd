// FormatNumber on doubles taken from the bytes, in every result format: it
// throws for inf/NaN only, gives at most 20 characters without blanks, and
// the text reads back as the value (cut decimals and mantissa rounding aside;
// a wrong power of ten is a crash).
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <utility>

#include "Host.h"
#include "TextUtils.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    for (std::size_t at = 0; at + sizeof(double) <= (size < 255 ? size : 255); at += sizeof(double)) {
        double x;
        std::memcpy(&x, data + at, sizeof x);
        for (auto [width, decimals] : {std::pair{10, 4}, {8, 4}, {10, 3}, {6, 3}, {6, 2}, {20, 0}, {4, 8}}) {
            std::string text;
            try {
                text = FormatNumber(width, decimals, x);
                if (!std::isfinite(x)) __builtin_trap();
            } catch (const ArithmeticFault&) {
                if (std::isfinite(x)) __builtin_trap();
                continue;
            }
            if (text.empty() || text.size() > 20 || text.find(' ') != std::string::npos) __builtin_trap();
            bool error = true;
            const double back = TextToNumber(text, error);
            // Fixed texts are off by half a unit of the last decimal (or one
            // unit of a cut one); exponent texts by half a unit of the mantissa.
            const double unit = std::pow(10.0, -decimals);
            // Near the largest double the rounded mantissa (1.7977e308) is beyond it.
            if (error ? std::fabs(x) < 1e308 : std::fabs(back - x) > unit + std::fabs(x) * unit) __builtin_trap();
        }
    }
    return 0;
}
