#include "TextUtils.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>

#include "Host.h"

namespace {

// Rounds the decimal digit string of |x| (from to_chars with surplus
// precision) to `decimals` places, halves away from zero.
std::string FixedText(double x, int decimals) {
    // A negative value that rounds to zero keeps its sign (-0.0000), as the
    // sign helpers of the engines expect.
    bool negative = x < 0;
    double a = std::fabs(x);
    char buf[512];
    // 30 surplus digits: no double below 1e36 lies closer than that to a
    // rounding tie without being on it.
    auto r = std::to_chars(buf, buf + sizeof buf, a, std::chars_format::fixed, decimals + 30);
    std::string digits(buf, r.ptr);
    std::size_t point = digits.find('.');
    std::string intPart = digits.substr(0, point);
    std::string frac = digits.substr(point + 1);
    bool up = frac[decimals] >= '5';
    std::string kept = intPart + frac.substr(0, decimals);
    if (up) {
        int i = static_cast<int>(kept.size()) - 1;
        while (i >= 0 && kept[i] == '9') kept[i--] = '0';
        if (i >= 0)
            ++kept[i];
        else
            kept.insert(kept.begin(), '1');
    }
    std::size_t intLen = kept.size() - decimals;
    std::string out = kept.substr(0, intLen);
    if (decimals > 0) out.append(".").append(kept, intLen);
    if (negative) out.insert(out.begin(), '-');
    return out;
}

std::string ExponentText(double x, int width) {
    int significant = std::clamp(width - 8, 2, 18);
    char buf[64];
    auto r = std::to_chars(buf, buf + sizeof buf, x, std::chars_format::scientific, significant - 1);
    std::string s(buf, r.ptr);  // d.ddde+NN
    std::size_t e = s.find('e');
    std::string mantissa = s.substr(0, e);
    if (mantissa.find('.') == std::string::npos) mantissa += ".0";
    char sign = s[e + 1];
    int exponent = std::abs(std::stoi(s.substr(e + 2)));
    std::string expText = std::to_string(exponent);
    expText.insert(0, 4 - std::min<std::size_t>(4, expText.size()), '0');
    return mantissa + "E" + sign + expText;
}

}  // namespace

std::string FormatNumber(int width, int decimals, double x) {
    CheckedReal(x);
    decimals = std::clamp(decimals, 0, 30);
    std::string s = std::fabs(x) >= 1e36 ? ExponentText(x, width) : FixedText(x, decimals);
    if (static_cast<int>(s.size()) < width) s.insert(0, width - s.size(), ' ');
    if (s.size() > 20) s.resize(20);
    s.erase(std::remove(s.begin(), s.end(), ' '), s.end());
    return s;
}

double TextToNumber(std::string_view s, bool& error) {
    auto isJunk = [](char c) { return static_cast<unsigned char>(c) <= ' '; };
    while (!s.empty() && isJunk(s.front())) s.remove_prefix(1);
    while (!s.empty() && isJunk(s.back())) s.remove_suffix(1);
    bool negative = false;
    if (!s.empty() && (s.front() == '+' || s.front() == '-')) {
        negative = s.front() == '-';
        s.remove_prefix(1);
    }
    // The whole text must be one number as the readers lex it (a typed
    // exponent mark may be a capital E).
    error = s.empty() || s.size() > static_cast<std::size_t>(ExpressionText::MaxLength);
    if (error) return 0;
    const ExpressionText t = LowerCaseText(ExpressionText(s));
    error = ScanNumber(t, 1).end != t.Length() + 1;
    if (error) return 0;
    double value = NumberValue(t.View(), error);
    return negative ? -value : value;
}

ExpressionText RemoveBlanks(const ExpressionText& s) {
    if (!s.Contains(' ')) return s;
    ExpressionText r;
    for (int i = 0; i < s.Length(); ++i)
        if (s[i] != ' ') r += s[i];
    return r;
}

ExpressionText LowerCaseText(const ExpressionText& s) {
    ExpressionText r;
    for (int i = 0; i < s.Length(); ++i) {
        unsigned char c = static_cast<unsigned char>(s[i]);
        if ((c >= 'A' && c <= 'Z') || c == 0xC5 || c == 0xC6 || c == 0xD8) c = static_cast<unsigned char>(c + 32);
        r += static_cast<char>(c);
    }
    return r;
}

bool IsIntegerText(std::string_view s) {
    if (s.empty()) return false;
    if (s[0] == '-') s.remove_prefix(1);
    return std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
}

bool IsDigitText(std::string_view s) {
    return !s.empty() && std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
}

void SwapReals(double& a, double& b) { std::swap(a, b); }

int MinInt(int a, int b) { return a < b ? a : b; }
