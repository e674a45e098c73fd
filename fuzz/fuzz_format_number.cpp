// FormatNumber on doubles taken from the bytes, in every result format. It
// throws only for inf/NaN; a text that was not cut reads back within half a
// unit of its last decimal.
#include <charconv>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

#include "Host.h"
#include "TextUtils.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size > 255) size = 255;
    static const int formats[][2] = {{10, 4}, {8, 4}, {10, 3}, {6, 3}, {6, 2}, {20, 0}, {4, 8}};
    for (std::size_t at = 0; at + sizeof(double) <= size; at += sizeof(double)) {
        double x;
        std::memcpy(&x, data + at, sizeof x);
        for (const auto& f : formats) {
            std::string s;
            try {
                s = FormatNumber(f[0], f[1], x);
            } catch (const ArithmeticFault&) {
                if (std::isfinite(x)) __builtin_trap();
                continue;
            }
            if (!std::isfinite(x)) __builtin_trap();
            if (s.empty() || s.size() > 20 || s.find(' ') != std::string::npos) __builtin_trap();
            if (std::fabs(x) >= 1e36) {
                if (s.find('E') == std::string::npos) __builtin_trap();
                continue;
            }
            if (s.size() == 20) continue;  // cut: the last characters are lost
            if ((x < 0) != (s[0] == '-')) __builtin_trap();
            double back = 0;
            auto r = std::from_chars(s.data() + (s[0] == '-'), s.data() + s.size(), back);
            if (r.ec != std::errc() || r.ptr != s.data() + s.size()) __builtin_trap();
            if (x < 0) back = -back;
            double unit = std::pow(10.0, -f[1]);
            if (std::fabs(back - x) > unit / 2 + std::fabs(x) * 1e-15) __builtin_trap();
        }
    }
    return 0;
}
