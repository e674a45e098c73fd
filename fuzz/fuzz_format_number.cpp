// FormatNumber on doubles taken from the bytes, in every result format; it
// throws for inf/NaN only.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <utility>

#include "Host.h"
#include "TextUtils.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    for (std::size_t at = 0; at + sizeof(double) <= (size < 255 ? size : 255); at += sizeof(double)) {
        double x;
        std::memcpy(&x, data + at, sizeof x);
        for (auto [width, decimals] : {std::pair{10, 4}, {8, 4}, {10, 3}, {6, 3}, {6, 2}, {20, 0}, {4, 8}}) {
            try {
                FormatNumber(width, decimals, x);
                if (!std::isfinite(x)) __builtin_trap();
            } catch (const ArithmeticFault&) {
                if (std::isfinite(x)) __builtin_trap();
            }
        }
    }
    return 0;
}
