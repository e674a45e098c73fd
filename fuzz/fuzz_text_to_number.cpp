// TextToNumber on any text up to 255 bytes: a failure gives 0, and a text of
// at most 32 characters that begins with a digit (after an optional minus) and
// that from_chars reads whole to a finite value gives that same value.
#include <charconv>
#include <cmath>
#include <string_view>

#include "FuzzHost.h"
#include "TextUtils.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text = FuzzText(data, size);
    bool error = false;
    double value = TextToNumber(text, error), expected = 0;
    if (error && value != 0) __builtin_trap();
    std::size_t first = !text.empty() && text[0] == '-';
    if (text.size() > 32 || text.size() <= first || text[first] < '0' || text[first] > '9') return 0;
    auto r = std::from_chars(text.data(), text.data() + text.size(), expected);
    bool whole = r.ec == std::errc() && r.ptr == text.data() + text.size();
    if (whole && std::isfinite(expected) && (error || value != expected)) __builtin_trap();
    return 0;
}
