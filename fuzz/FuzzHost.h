#pragma once
// Set-up the fuzz drivers share: the input as the text of one field (at most
// 255 bytes) and a host that shows nothing and answers every box OK or Ignore.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "Host.h"

struct FuzzHost : Host {
    explicit FuzzHost(bool ignoreBoxes = false) : ignore(ignoreBoxes) {}
    void AddLogLine(std::string_view) override {}
    bool ErrorBox(std::string_view, bool withIgnore) override { return withIgnore && ignore; }
    bool ignore = false;
};

// Runs step as a handler would: an ArithmeticFault ends it (RunHandler
// catches those in the program); ErrorFlag is cleared afterwards.
template <class Step>
void Guarded(Step step) {
    try {
        step();
    } catch (const ArithmeticFault&) {
    }
    ErrorFlag = false;
}

// The bytes after the first skip as a text of at most 255 characters.
inline std::string_view FuzzText(const std::uint8_t* data, std::size_t size, std::size_t skip = 0) {
    const std::size_t length = size > skip ? size - skip : 0;
    return {reinterpret_cast<const char*>(data) + skip, length < 255 ? length : 255};
}
