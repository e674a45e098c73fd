// TextToNumber on any text up to 255 bytes: a failure gives 0, a success a
// finite value equal to what the C library reads from the same prepared text.
#include <cerrno>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "TextUtils.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size > 255) size = 255;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    bool error = false;
    double value = TextToNumber(text, error);
    if (error) {
        if (value != 0) __builtin_trap();
        return 0;
    }
    if (!std::isfinite(value)) __builtin_trap();
    // The same preparation: 32 characters, trimmed, first comma as point.
    std::string s(text.substr(0, 32));
    while (!s.empty() && static_cast<unsigned char>(s.back()) <= ' ') s.pop_back();
    std::size_t b = 0;
    while (b < s.size() && static_cast<unsigned char>(s[b]) <= ' ') ++b;
    s.erase(0, b);
    if (auto c = s.find(','); c != std::string::npos) s[c] = '.';
    // Only the shapes TextToNumber accepts may be read at all.
    for (char c : s)
        if (!((c >= '0' && c <= '9') || c == '.' || c == '+' || c == '-' || c == 'e' || c == 'E'))
            __builtin_trap();
    errno = 0;
    char* end = nullptr;
    double expected = std::strtod(s.c_str(), &end);
    if (end != s.c_str() + s.size()) __builtin_trap();
    if (errno == ERANGE ? value != 0 && value != expected : value != expected) __builtin_trap();
    return 0;
}
