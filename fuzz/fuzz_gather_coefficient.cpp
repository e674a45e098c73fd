// GatherCoefficient and the other coefficient helpers on any text up to 255
// bytes: no crash, no hang, and no error is raised.
#include "Coefficients.h"
#include "FuzzHost.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const ExpressionText term(FuzzText(data, size));
    ErrorFlag = false;
    Guarded([&] {
        int position = 0;
        LeadingNumber(term, false);
        LeadingNumber(term, true);
        NextNumericFactor(term, position);
        GatherCoefficient(term);
        PullOutBracketNumbers(term);
        if (ErrorFlag) __builtin_trap();
    });
    return 0;
}
