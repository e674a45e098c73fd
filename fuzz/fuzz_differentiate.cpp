// Any text of up to 255 bytes: differentiate it, differentiate the result
// again, and replace a pattern taken from its first bytes.
#include "Differentiate.h"
#include "FuzzHost.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input = FuzzText(data, size);
    Guarded([&] {
        ExpressionText derivative = DifferentiateExpression(input);
        ErrorFlag = false;
        DifferentiateExpression(derivative);
    });
    // Byte 0 gives the pattern's length (1..8), byte 1 the replacement's (0..7).
    if (size < 2) return 0;
    std::size_t patternLength = data[0] % 8 + 1, replacementLength = data[1] % 8;
    std::string_view rest = input.substr(2);
    if (rest.size() >= patternLength + replacementLength)
        ReplaceAll(rest.substr(patternLength + replacementLength), rest.substr(0, patternLength),
                   rest.substr(patternLength, replacementLength));
    return 0;
}
