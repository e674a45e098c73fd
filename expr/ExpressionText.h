#pragma once
// The text type of every engine: at most 255 single-byte (Windows-1252)
// characters in a fixed buffer. Building a longer text keeps its first 255
// characters; every such cut is counted in TextCutCount so that a handler can
// tell a shown result from a truncated one.
#include <cstring>
#include <string>
#include <string_view>

extern long TextCutCount;

class ExpressionText {
public:
    static constexpr int MaxLength = 255;

    ExpressionText() noexcept {}
    ExpressionText(std::string_view s) noexcept { Assign(s); }
    ExpressionText(const char* s) noexcept { Assign(std::string_view(s)); }
    ExpressionText(const std::string& s) noexcept { Assign(std::string_view(s)); }
    explicit ExpressionText(char c) noexcept : len_(1) { buf_[0] = c; }

    int Length() const noexcept { return len_; }
    bool Empty() const noexcept { return len_ == 0; }
    const char* Data() const noexcept { return buf_; }
    char* Data() noexcept { return buf_; }
    std::string_view View() const noexcept { return {buf_, len_}; }
    std::string Str() const { return std::string(buf_, len_); }

    // 0-based access; positions outside the text read as '\0'.
    char operator[](int i) const noexcept { return i >= 0 && i < len_ ? buf_[i] : '\0'; }
    // 1-based access as the engines' scans count; outside the text gives '\0'.
    char At(int pos) const noexcept { return (*this)[pos - 1]; }

    void Assign(std::string_view s) noexcept;
    void Clear() noexcept { len_ = 0; }
    ExpressionText& operator+=(std::string_view s) noexcept;
    ExpressionText& operator+=(const ExpressionText& s) noexcept { return *this += s.View(); }
    ExpressionText& operator+=(const char* s) noexcept { return *this += std::string_view(s); }
    ExpressionText& operator+=(char c) noexcept;

    // 0-based substring of at most count characters (count < 0: to the end).
    ExpressionText Sub(int pos, int count = -1) const noexcept;
    // 0-based position of the first occurrence at or after from, or -1.
    int Find(std::string_view pattern, int from = 0) const noexcept;
    int Find(char c, int from = 0) const noexcept;
    bool Contains(std::string_view pattern) const noexcept { return Find(pattern) >= 0; }
    bool Contains(char c) const noexcept { return Find(c) >= 0; }
    bool StartsWith(std::string_view p) const noexcept { return View().substr(0, p.size()) == p; }
    bool EndsWith(std::string_view p) const noexcept {
        return p.size() <= len_ && View().substr(len_ - p.size()) == p;
    }
    void Insert(int pos, std::string_view s) noexcept;   // 0-based, result cut at 255
    void Erase(int pos, int count = 1) noexcept;         // 0-based, clipped to the text

    friend bool operator==(const ExpressionText& a, const ExpressionText& b) noexcept {
        return a.View() == b.View();
    }
    friend bool operator==(const ExpressionText& a, std::string_view b) noexcept { return a.View() == b; }
    friend bool operator==(const ExpressionText& a, const char* b) noexcept { return a.View() == b; }

    friend ExpressionText operator+(ExpressionText a, const ExpressionText& b) noexcept { return a += b; }
    friend ExpressionText operator+(ExpressionText a, std::string_view b) noexcept { return a += b; }
    friend ExpressionText operator+(ExpressionText a, const char* b) noexcept { return a += b; }
    friend ExpressionText operator+(ExpressionText a, char c) noexcept { return a += c; }
    friend ExpressionText operator+(std::string_view a, const ExpressionText& b) noexcept {
        ExpressionText r(a);
        return r += b;
    }
    friend ExpressionText operator+(const char* a, const ExpressionText& b) noexcept {
        return std::string_view(a) + b;
    }
    friend ExpressionText operator+(char a, const ExpressionText& b) noexcept {
        ExpressionText r(a);
        return r += b;
    }

private:
    unsigned char len_ = 0;
    char buf_[MaxLength];
};
