// ToPrefixForm on any text up to 255 bytes, answering the error boxes with OK
// and with Ignore; MatchingBracket at every position and the sign helpers on
// the same text. A form read without error and without a cut has balanced
// brackets; MatchingBracket finds a ")" after p or nothing.
#include <ctime>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string_view>

#include "Host.h"
#include "Restructure.h"

namespace {
class FuzzHost : public Host {
public:
    void AddLogLine(std::string_view) override {}
    bool ErrorBox(std::string_view message, bool withIgnore) override {
        if (message.size() > 255) __builtin_trap();
        ++boxes;
        return withIgnore && ignore;
    }
    bool ignore = false;
    int boxes = 0;
};
FuzzHost host;
double slowestMs = 0;

// CPU time of this thread: the machine is shared, wall time would measure the others.
double CpuMs() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

bool Balanced(const ExpressionText& s) {
    int depth = 0;
    for (int i = 0; i < s.Length(); ++i) {
        if (s[i] == '(') ++depth;
        if (s[i] == ')' && --depth < 0) return false;
    }
    return depth == 0;
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size > 255) size = 255;
    const ExpressionText text(std::string_view(reinterpret_cast<const char*>(data), size));
    SetHost(&host);
    for (bool ignore : {false, true}) {
        host.ignore = ignore;
        host.boxes = 0;
        ErrorFlag = false;
        long cuts = TextCutCount;
        try {
            double start = CpuMs();
            ExpressionText form = ToPrefixForm(text);
            double ms = CpuMs() - start;
            if (ms > slowestMs) {
                slowestMs = ms;
                std::fprintf(stderr, "slowest ToPrefixForm so far: %.3f ms (%zu bytes)\n", ms, size);
            }
            if (host.boxes == 0 && ErrorFlag) __builtin_trap();
            if (host.boxes == 0 && TextCutCount == cuts && !Balanced(form)) __builtin_trap();
        } catch (const ArithmeticFault&) {
        }
    }
    for (int p = -1; p <= text.Length() + 1; ++p) {
        int m = MatchingBracket(text, p);
        if (m != 0 && (m <= p || m > text.Length() || text.At(m) != ')')) __builtin_trap();
    }
    SignedTerm(text);
    NegateTerm(text);
    NegateText(text);
    BracketIfNegative(text);
    StripPlus(text);
    ErrorFlag = false;
    SetHost(nullptr);
    return 0;
}
