// Any text of up to 255 bytes through the table look-up, as an integrand and
// as a prefix form, and as a linear inner function to invert.
#include "FuzzHost.h"
#include "Host.h"
#include "TableLookup.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input = FuzzText(data, size);
    Guarded([&] {
        ErrorFlag = false;
        IntegrateByTable(input);
        ErrorFlag = false;
        LookupIntegral(input);
        ErrorFlag = false;
        InvertInnerFunction(input);
    });
    return 0;
}
