// ReduceExpression and the term helpers on any text up to 255 bytes: no
// crash, no hang, and the reduced text keeps the value of the input.
#include <cstdio>

#include "../tests/common/ExpressionCorpus.h"
#include "FuzzHost.h"
#include "Reduce.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const ExpressionText text(FuzzText(data, size));
    ErrorFlag = false;
    Guarded([&] {
        ExpressionText reduced = ReduceExpression(text);
        ReduceTerm(FirstTerm(text));
        IsSingleTerm(text);
        IsAtomic(text);
        std::string why = corpus::Disagreement(text, reduced);
        if (!why.empty()) {
            std::fprintf(stderr, "%s\n", why.c_str());
            __builtin_trap();
        }
    });
    return 0;
}
