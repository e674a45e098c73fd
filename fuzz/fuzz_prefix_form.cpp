// ToPrefixForm on any text up to 255 bytes, with the error boxes answered OK
// and Ignore, and MatchingBracket and the sign helpers on the same text: no
// crash, no hang, and a form read without an error has as many "(" as ")".
#include <algorithm>

#include "FuzzHost.h"
#include "PrefixForm.h"
#include "TextOps.h"

static FuzzHost ignoring(true);

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const ExpressionText text(FuzzText(data, size));
    for (Host* host : {static_cast<Host*>(nullptr), static_cast<Host*>(&ignoring)}) {
        SetHost(host);  // nullptr: a silent host answering OK, so ErrorFlag stays set after an error
        ErrorFlag = false;
        long cuts = TextCutCount;
        std::string form = ToPrefixForm(text).Str();
        // A form cut at 255 characters loses its closing brackets.
        bool complete = !host && !ErrorFlag && TextCutCount == cuts;
        if (complete && std::count(form.begin(), form.end(), '(') != std::count(form.begin(), form.end(), ')'))
            __builtin_trap();
    }
    for (int p = -1; p <= text.Length() + 1; ++p) MatchingBracket(text, p);
    for (auto helper : {SignedTerm, NegateTerm, NegateText, BracketIfNegative, StripPlus}) helper(text);
    ErrorFlag = false;
    SetHost(nullptr);
    return 0;
}
