// The graph's field readers and sampler on any text: never a crash, a hang or
// a curve that goes backwards or holds a non-finite point.
#include <cmath>
#include <cstdlib>
#include <string_view>

#include "FieldReaders.h"
#include "FuzzHost.h"
#include "Sampler.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text = FuzzText(data, size);
    ErrorFlag = false;
    FieldNumber(text);
    FieldList(text);
    FieldPoints(text, 21);
    const auto f = FieldFunction(text);
    if (!f) return 0;
    SampleLimits limits;
    limits.initialIntervals = 24;
    limits.maxEvaluations = 1500;
    const Sampling s = SampleFunction(*f, -10, 10, -10, 10, limits);
    for (const Polyline& piece : s.pieces)
        for (std::size_t i = 0; i < piece.size(); ++i) {
            if (!std::isfinite(piece[i].y) || (i > 0 && !(piece[i - 1].x < piece[i].x))) std::abort();
        }
    if (ErrorFlag) std::abort();  // the sampler puts the flag back as it found it
    return 0;
}
