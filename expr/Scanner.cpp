#include "Scanner.h"

#include <algorithm>
#include <charconv>
#include <cstring>
#include <system_error>

const std::array<std::string_view, 17> FunctionNames = {
    "abs", "sqrt", "sinh", "asinh", "sin", "asin", "cosh", "acosh", "acos",
    "cos", "tanh", "tan", "atan", "ln", "exp", "erf", "phi"};

namespace {

// Initials and final letters of the names, derived once from the table.
struct LetterSets {
    bool initial[256] = {};
    bool final[256] = {};
    LetterSets() {
        for (std::string_view name : FunctionNames) {
            initial[static_cast<unsigned char>(name.front())] = true;
            final[static_cast<unsigned char>(name.back())] = true;
        }
    }
};
const LetterSets Letters;

}  // namespace

NumberToken ScanNumber(const ExpressionText& t, int pos) {
    NumberToken n;
    int p = pos;
    while (IsNumberChar(CharAt(t, p))) {
        n.separators += !IsDigit(CharAt(t, p));
        ++p;
    }
    if (p > pos && CharAt(t, p) == 'e') {
        n.exponent = true;
        ++p;
        if (CharAt(t, p) == '+' || CharAt(t, p) == '-') ++p;
        p = DigitsEnd(t, p);
    }
    n.end = p;
    return n;
}

bool ExactDigits(std::string_view digits, const NumberToken& token, int maxDigits, std::int64_t& mantissa,
                 std::int64_t& scale) {
    if (token.exponent || token.separators > 1 ||
        static_cast<int>(digits.size()) - token.separators > std::min(maxDigits, 18))
        return false;
    mantissa = 0;
    scale = 1;
    bool fraction = false;
    for (char c : digits) {
        if (IsDigit(c)) {
            mantissa = mantissa * 10 + (c - '0');
            if (fraction) scale *= 10;
        } else {
            fraction = true;
        }
    }
    return true;
}

bool WholeNumberValue(std::string_view digits, std::int64_t limit, std::int64_t& value) {
    if (digits.empty()) return false;
    std::int64_t v = 0;
    for (char c : digits) {
        if (!IsDigit(c)) return false;
        const int d = c - '0';
        if (v > (limit - d) / 10) return false;
        v = v * 10 + d;
    }
    value = v;
    return true;
}

int DigitsEnd(const ExpressionText& t, int pos) {
    while (IsDigit(CharAt(t, pos))) ++pos;
    return pos;
}

double NumberValue(std::string_view s, bool& error) {
    // Separators before the exponent; the first is the point, a second makes
    // the number malformed.
    char t[ExpressionText::MaxLength + 1];
    const std::size_t n = s.size() < sizeof t ? s.size() : sizeof t - 1;
    std::memcpy(t, s.data(), n);
    std::size_t i = 0, separators = 0;
    for (; i < n && t[i] != 'e'; ++i)
        if (t[i] == '.' || t[i] == ',') {
            t[i] = '.';
            ++separators;
        }
    bool ok = n > 0 && IsDigit(t[0]) && separators <= 1;
    bool negativeExponent = false;
    if (ok && i < n) {
        ++i;
        if (i < n && (t[i] == '+' || t[i] == '-')) negativeExponent = t[i++] == '-';
        ok = i < n;
        for (; ok && i < n; ++i) ok = IsDigit(t[i]);
    }
    double value = 0;
    if (ok) {
        auto r = std::from_chars(t, t + n, value);
        if (r.ec == std::errc::result_out_of_range && negativeExponent) {
            value = 0;  // underflow reads as 0
            r.ec = std::errc();
        }
        ok = r.ec == std::errc() && r.ptr == t + n;
    }
    error = !ok;
    return ok ? value : 0;
}

// No name of the notation holds a digit, so an "e" after a digit or
// separator always continues a number.
bool IsExponentMark(const ExpressionText& t, int pos) {
    return CharAt(t, pos) == 'e' && IsNumberChar(CharAt(t, pos - 1));
}

bool IsExponentSign(const ExpressionText& t, int pos) {
    char c = CharAt(t, pos);
    return (c == '+' || c == '-') && IsExponentMark(t, pos - 1);
}

int FunctionAt(const ExpressionText& t, int pos) {
    if (pos < 1) return -1;
    return MatchFunctionName(t.View(), pos - 1);
}

int MatchFunctionName(std::string_view text, int offset) {
    if (offset < 0 || offset >= static_cast<int>(text.size())) return -1;
    if (!IsFunctionInitial(text[offset])) return -1;
    std::string_view rest = text.substr(offset);
    for (int i = 0; i < static_cast<int>(FunctionNames.size()); ++i)
        if (rest.substr(0, FunctionNames[i].size()) == FunctionNames[i]) return i;
    return -1;
}

bool IsFunctionInitial(char c) { return Letters.initial[static_cast<unsigned char>(c)]; }
bool IsFunctionFinal(char c) { return Letters.final[static_cast<unsigned char>(c)]; }
