// The rule matchers and both rule sweeps on any text up to 255 bytes: no
// crash, no hang, and neither sweep changes the value of a readable text.
#include <cstdio>

#include "../tests/common/ExpressionCorpus.h"
#include "Fractions.h"
#include "FuzzHost.h"
#include "Rules.h"

namespace {
// The sweeps end in the fraction pass; where that pass alone moves the value
// (0^0 folded to 1, 32-bit overflow) the rules are not what is checked.
void Check(const ExpressionText& before, const ExpressionText& after) {
    ExpressionText converted;
    ErrorFlag = false;
    DecimalsToFractions(before, converted);
    if (ErrorFlag || !corpus::Disagreement(before, converted).empty()) return;
    std::string why = corpus::Disagreement(before, after);
    if (!why.empty()) {
        std::fprintf(stderr, "%s\n", why.c_str());
        __builtin_trap();
    }
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const ExpressionText text(FuzzText(data, size));
    SetHost(nullptr);
    for (const AlgebraRule& rule : AlgebraRules) MatchRule(text, rule.pattern, rule.replacement, rule.digitsOnly);
    for (const FunctionRule& rule : FunctionRules) {
        ReplaceOneWildcard(rule.kind, text, rule.pattern, rule.replacement);
        ReplaceTwoWildcards(rule.kind, text, rule.pattern, rule.replacement);
    }
    ReplaceLiteral(text, "x", "x+x");
    SubstituteVariable(text, "x", "(x+1)");
    Guarded([&] {
        ErrorFlag = false;
        ExpressionText algebra = text, functions = text;
        ApplyAlgebraRules(text, algebra);
        if (!ErrorFlag) Check(text, algebra);
        ErrorFlag = false;
        ApplyFunctionRules(text, functions);
        if (!ErrorFlag) Check(text, functions);
    });
    return 0;
}
