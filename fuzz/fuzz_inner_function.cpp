// FindInnerFunction on any text up to 255 bytes: no crash, no hang, and
// every candidate of a readable text is a piece of the text that holds x.
#include "FuzzHost.h"
#include "Host.h"
#include "InnerFunction.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const ExpressionText text(FuzzText(data, size));
    SetHost(nullptr);
    for (int k = 0; k < 256; ++k) {
        ErrorFlag = false;
        ExpressionText sub;
        FindInnerFunction(static_cast<std::uint8_t>(k), text, sub);
        if (sub.Empty()) break;
        if (!ErrorFlag && !sub.Contains('x')) __builtin_trap();
    }
    ErrorFlag = false;
    return 0;
}
