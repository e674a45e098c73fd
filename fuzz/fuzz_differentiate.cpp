// Any text of up to 255 bytes: differentiate it, differentiate the result
// again, and replace a pattern taken from its first bytes.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "Differentiate.h"
#include "Host.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size > ExpressionText::MaxLength) size = ExpressionText::MaxLength;
    std::string_view input(reinterpret_cast<const char*>(data), size);
    ErrorFlag = false;
    try {
        ExpressionText derivative = DifferentiateExpression(input);
        ErrorFlag = false;
        DifferentiateExpression(derivative);
    } catch (const ArithmeticFault&) {
    }
    ErrorFlag = false;

    // Byte 0 gives the pattern's length (1..8), byte 1 the replacement's (0..7).
    if (size >= 2) {
        std::size_t patternLength = data[0] % 8 + 1, replacementLength = data[1] % 8;
        std::string_view rest = input.substr(2);
        if (rest.size() >= patternLength + replacementLength) {
            ExpressionText pattern(rest.substr(0, patternLength));
            ExpressionText replacement(rest.substr(patternLength, replacementLength));
            ReplaceAll(ExpressionText(rest.substr(patternLength + replacementLength)), pattern, replacement);
        }
    }
    return 0;
}
