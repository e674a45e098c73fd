#include "ExpressionText.h"

#include <algorithm>

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
    auto p = View().find(pattern, from);
    return p == std::string_view::npos ? -1 : static_cast<int>(p);
}

int ExpressionText::Find(char c, int from) const noexcept {
    if (from < 0) from = 0;
    for (int i = from; i < len_; ++i)
        if (buf_[i] == c) return i;
    return -1;
}

void ExpressionText::Insert(int pos, std::string_view s) noexcept {
    pos = std::clamp(pos, 0, static_cast<int>(len_));
    std::string t(View());
    t.insert(static_cast<std::size_t>(pos), s);
    Assign(t);
}

void ExpressionText::Erase(int pos, int count) noexcept {
    if (pos < 0 || pos >= len_ || count <= 0) return;
    count = std::min(count, len_ - pos);
    std::memmove(buf_ + pos, buf_ + pos + count, len_ - pos - count);
    len_ = static_cast<unsigned char>(len_ - count);
}
