// ExplicitNotation on any text up to 255 bytes: the result is never longer
// than 255, is the text itself unless it was read, leaves a text the
// evaluator reads whole unchanged, and the syntax check's message (with its
// hint) is built for whatever comes out.
#include "Evaluate.h"
#include "FuzzHost.h"
#include "ExplicitNotation.h"

static FuzzHost host;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const ExpressionText typed(FuzzText(data, size));
    SetHost(&host);
    ErrorFlag = false;
    Guarded([&] {
        const NotationResult r = ExplicitNotation(typed);
        if (r.text.Length() > ExpressionText::MaxLength) __builtin_trap();
        if (r.outcome != NotationResult::Read && !(r.text == typed)) __builtin_trap();
        if (ReadsWhole(typed) && !(r.text == typed)) __builtin_trap();
        CheckExpressionSyntax(r.text);
        for (int pos = 0; pos <= typed.Length() + 1; ++pos) ReadingHint(typed, pos);
    });
    return 0;
}
