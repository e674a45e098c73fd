// The batch line reader on any bytes: never a crash or a hang; the words it
// reads, quoted again, read back to the same words; no word holds more than
// the line; the UTF-8 repair gives text it leaves as it is.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "CommandLine.h"

namespace {

std::string Quoted(const std::string& word) {
    std::string q = "'";
    for (char c : word) q += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return q + "'";
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view line(reinterpret_cast<const char*>(data), size);
    const SplitLine split = SplitCommandLine(line);
    if (!split.problem.empty() && !split.words.empty()) std::abort();
    std::string again;
    std::size_t bytes = 0;
    for (const std::string& word : split.words) {
        bytes += word.size();
        again += (again.empty() ? "" : " ") + Quoted(word);
    }
    if (bytes > size) std::abort();
    const SplitLine back = SplitCommandLine(again);
    if (!back.problem.empty() || back.words != split.words) std::abort();
    const std::string valid = ValidUtf8(line);
    if (ValidUtf8(valid) != valid) std::abort();
    return 0;
}
