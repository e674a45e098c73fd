#include "ExpressionText.h"

#include <algorithm>
#include <cstring>

long TextCutCount = 0;

void ExpressionText::Assign(std::string_view s) noexcept {
    std::size_t n = s.size();
    if (n > MaxLength) {
        n = MaxLength;
        ++TextCutCount;
    }
    if (n) std::memmove(buf_, s.data(), n);
    len_ = static_cast<unsigned char>(n);
}

ExpressionText& ExpressionText::operator+=(std::string_view s) noexcept {
    std::size_t room = MaxLength - len_;
    std::size_t n = s.size();
    if (n > room) {
        n = room;
        ++TextCutCount;
    }
    if (n) std::memmove(buf_ + len_, s.data(), n);
    len_ = static_cast<unsigned char>(len_ + n);
    return *this;
}

ExpressionText& ExpressionText::operator+=(char c) noexcept {
    if (len_ < MaxLength)
        buf_[len_++] = c;
    else
        ++TextCutCount;
    return *this;
}

ExpressionText ExpressionText::Sub(int pos, int count) const noexcept {
    if (pos < 0) pos = 0;
    if (pos >= len_) return {};
    int n = len_ - pos;
    if (count >= 0 && count < n) n = count;
    return ExpressionText(std::string_view(buf_ + pos, n));
}

int ExpressionText::Find(std::string_view pattern, int from) const noexcept {
    if (from < 0) from = 0;
    if (from > len_) return -1;
    // The first character by memchr, the rest in line: the patterns are a
    // few characters, where the library's general search costs more than it saves.
    const int n = static_cast<int>(pattern.size());
    if (n == 0) return from;
    const char first = pattern[0];
    for (int i = from; i + n <= len_;) {
        const void* hit = std::memchr(buf_ + i, first, static_cast<std::size_t>(len_ - n + 1 - i));
        if (!hit) return -1;
        i = static_cast<int>(static_cast<const char*>(hit) - buf_);
        int k = 1;
        while (k < n && buf_[i + k] == pattern[static_cast<std::size_t>(k)]) ++k;
        if (k == n) return i;
        ++i;
    }
    return -1;
}

int ExpressionText::Find(char c, int from) const noexcept {
    if (from < 0) from = 0;
    if (from >= len_) return -1;
    const void* hit = std::memchr(buf_ + from, c, static_cast<std::size_t>(len_ - from));
    return hit ? static_cast<int>(static_cast<const char*>(hit) - buf_) : -1;
}

void ExpressionText::Insert(int pos, std::string_view s) noexcept {
    pos = std::clamp(pos, 0, static_cast<int>(len_));
    const std::size_t total = len_ + s.size();
    if (total > MaxLength) ++TextCutCount;
    const std::size_t length = std::min<std::size_t>(total, MaxLength);
    const std::size_t at = static_cast<std::size_t>(pos);
    const std::size_t inserted = std::min(s.size(), length - at);
    // The inserted text may be a part of this one: copy it aside first.
    char part[MaxLength];
    std::memcpy(part, s.data(), inserted);
    if (at + inserted < length) std::memmove(buf_ + at + inserted, buf_ + at, length - at - inserted);
    std::memcpy(buf_ + at, part, inserted);
    len_ = static_cast<unsigned char>(length);
}

void ExpressionText::Erase(int pos, int count) noexcept {
    if (pos < 0 || pos >= len_ || count <= 0) return;
    count = std::min(count, len_ - pos);
    std::memmove(buf_ + pos, buf_ + pos + count, len_ - pos - count);
    len_ = static_cast<unsigned char>(len_ - count);
}
