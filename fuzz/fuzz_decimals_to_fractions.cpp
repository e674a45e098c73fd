// DecimalsToFractions and TidyExpression on any text up to 255 bytes, with
// the error boxes answered OK and Ignore: no crash, no hang, and a text that
// reads as a whole expression is converted without an error.
#include "Fractions.h"
#include "FuzzHost.h"

static FuzzHost ignoring(true);

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const ExpressionText text(FuzzText(data, size));
    TidyExpression(text);
    bool whole = ReadsAsExpression(text);
    for (Host* host : {static_cast<Host*>(nullptr), static_cast<Host*>(&ignoring)}) {
        SetHost(host);  // nullptr: a silent host answering OK, so ErrorFlag stays set after an error
        ErrorFlag = false;
        Guarded([&] {
            ExpressionText result;
            DecimalsToFractions(text, result);
            if (whole && !host && ErrorFlag) __builtin_trap();
        });
    }
    ErrorFlag = false;
    SetHost(nullptr);
    return 0;
}
