// Any text of up to 255 bytes through the strategies on the tree: every call
// ends (libFuzzer's -timeout) without a crash, and what the strategies give
// passes the numeric check again.
#include <cstdlib>
#include <string>
#include <vector>

#include "FuzzHost.h"
#include "Tree.h"
#include "TreeCalculus.h"
#include "TreeIntegrate.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzHost host;
    SetHost(&host);
    Guarded([&] {
        Tree f = ParseTree(ExpressionText(FuzzText(data, size)));
        if (!f) return;
        std::vector<std::string> log;
        Tree F = IntegrateTree(f, log);
        if (F && !AntiderivativeHolds(f, F)) std::abort();
        if (F) DifferentiateTree(F);
    });
    SetHost(nullptr);
    return 0;
}
