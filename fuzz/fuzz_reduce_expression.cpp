// ReduceExpression on any text up to 255 bytes, and ReduceTerm, FirstTerm,
// IsSingleTerm and IsAtomic on the same text. Reduction shows no error box,
// writes at most one log line and keeps the value: wherever the input is read
// to its end with a value, the result is readable and has the same value or
// none (a base that is exactly 0 in 0^-1, which the evaluator takes as 0).
#include <algorithm>
#include <ctime>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string_view>

#include "Evaluate.h"
#include "Host.h"
#include "Reduce.h"

namespace {
class FuzzHost : public Host {
public:
    void AddLogLine(std::string_view line) override {
        if (line.substr(0, 11) != "Reduktion: ") __builtin_trap();
        ++lines;
    }
    bool ErrorBox(std::string_view, bool) override {
        ++boxes;
        return false;
    }
    int lines = 0;
    int boxes = 0;
};
FuzzHost host;

// Host during evaluation: notes messages about the text's form.
class EvaluationHost : public Host {
public:
    void AddLogLine(std::string_view) override {}
    bool ErrorBox(std::string_view message, bool) override {
        for (std::string_view form : {"Fejl i funktionsudtryk", "Mangler ", "Fejl i tal "})
            if (message.substr(0, form.size()) == form) formError = true;
        return false;
    }
    bool formError = false;
};
EvaluationHost evaluationHost;
double slowestMs = 0;

// CPU time of this thread: the machine is shared, wall time would measure the others.
double CpuMs() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

// Value at x without an error; readable: no message about the text's form
// and, with a value, nothing left over.
bool ValueAt(const ExpressionText& text, double x, double& value, bool& readable) {
    SetHost(&evaluationHost);
    evaluationHost.formError = false;
    ErrorFlag = false;
    bool ok = false;
    int stop = 0;
    try {
        value = EvaluateFunction(text, x, stop);
        ok = !ErrorFlag && std::isfinite(value);
    } catch (const ArithmeticFault&) {
    }
    // After an error about a value the evaluator stops early: no leftover test.
    readable = !evaluationHost.formError && (!ok || stop >= text.Length());
    ErrorFlag = false;
    SetHost(&host);
    return ok;
}

void CheckSameValue(const ExpressionText& before, const ExpressionText& after) {
    for (double x : {-2.3, 0.4, 2.9}) {
        double a = 0, b = 0;
        bool aRead = false, bRead = false;
        if (!ValueAt(before, x, a, aRead) || !aRead) continue;
        bool bDefined = ValueAt(after, x, b, bRead);
        if (!bRead) {
            std::fprintf(stderr, "unreadable result: %s -> %s\n", before.Str().c_str(), after.Str().c_str());
            __builtin_trap();
        }
        if (!bDefined) continue;
        if (std::fabs(a - b) > 1e-9 * std::max({1.0, std::fabs(a), std::fabs(b)})) {
            std::fprintf(stderr, "value changed at %g: %s = %.17g -> %s = %.17g\n", x, before.Str().c_str(), a,
                         after.Str().c_str(), b);
            __builtin_trap();
        }
    }
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size > 255) size = 255;
    const ExpressionText text(std::string_view(reinterpret_cast<const char*>(data), size));
    SetHost(&host);
    host.lines = 0;
    host.boxes = 0;
    ErrorFlag = false;
    try {
        double start = CpuMs();
        ExpressionText reduced = ReduceExpression(text);
        ExpressionText first = FirstTerm(text);
        ExpressionText term = ReduceTerm(first);
        bool single = IsSingleTerm(text);
        bool atomic = IsAtomic(text);
        double ms = CpuMs() - start;
        if (ms > slowestMs) {
            slowestMs = ms;
            std::fprintf(stderr, "slowest reduction so far: %.3f ms (%zu bytes)\n", ms, size);
        }
        if (host.boxes != 0 || host.lines > 1 || ErrorFlag) __builtin_trap();
        if (reduced == text && host.lines != 0) __builtin_trap();
        if (first.Length() > text.Length()) __builtin_trap();
        if (atomic && text.Length() > 0 && text[0] != '(' && text[0] != '-' && !single) __builtin_trap();
        CheckSameValue(text, reduced);
        if (first.Length() > 0 && first[0] != '-') CheckSameValue(first, term);
    } catch (const ArithmeticFault&) {
    }
    ErrorFlag = false;
    SetHost(nullptr);
    return 0;
}
