#include "TextUtils.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>

#include "Host.h"

namespace {

// The longest number text: longer fixed-point texts lose their last decimals.
constexpr std::size_t MaxNumberText = 20;
// Mantissa decimals of the exponent form: d.ddddddddddddde308 fills 20 characters.
constexpr int MaxMantissaDecimals = 13;

// Adds one unit in the last place of a decimal digit string ("0999" -> "1000",
// "99" -> "100").
void Increment(std::string& digits) {
    int i = static_cast<int>(digits.size()) - 1;
    while (i >= 0 && digits[i] == '9') digits[i--] = '0';
    if (i >= 0)
        ++digits[i];
    else
        digits.insert(digits.begin(), '1');
}

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
    std::string kept = intPart + frac.substr(0, decimals);
    if (frac[decimals] >= '5') Increment(kept);
    std::size_t intLen = kept.size() - decimals;
    std::string out = kept.substr(0, intLen);
    if (decimals > 0) out.append(".").append(kept, intLen);
    if (negative) out.insert(out.begin(), '-');
    return out;
}

// d.dddde30: x (|x| >= 1e19, so a whole number) with `decimals` mantissa
// decimals, halves away from zero. Lower-case e and no "+", as the notation
// reads numbers, so that a result can be typed or folded back in.
std::string ExponentText(double x, int decimals) {
    decimals = std::min(decimals, MaxMantissaDecimals);
    char buf[512];
    // Fixed-point text of a double this large is its exact integer.
    auto r = std::to_chars(buf, buf + sizeof buf, std::fabs(x), std::chars_format::fixed, 0);
    std::string digits(buf, r.ptr);
    int exponent = static_cast<int>(digits.size()) - 1;
    std::string kept = digits.substr(0, decimals + 1);
    if (digits.size() > kept.size() && digits[kept.size()] >= '5') Increment(kept);
    if (static_cast<int>(kept.size()) > decimals + 1) {  // 9.99995e19 -> 1.0000e20
        kept.pop_back();
        ++exponent;
    }
    std::string out = x < 0 ? "-" : "";
    out += kept[0];
    if (decimals > 0) out.append(".").append(kept, 1);
    return out + "e" + std::to_string(exponent);
}

}  // namespace

std::string FormatNumber(int width, int decimals, double x) {
    // Width only ever padded with blanks that were removed again; the result
    // formats keep it as a name for the pair.
    (void)width;
    CheckedReal(x);
    decimals = std::clamp(decimals, 0, 30);
    std::string s = FixedText(x, decimals);
    // A text cut at 20 characters may lose decimals, never integer digits:
    // a wrong power of ten is no answer.
    if (std::min(s.find('.'), s.size()) > MaxNumberText) return ExponentText(x, decimals);
    if (s.size() > MaxNumberText) s.resize(MaxNumberText);
    if (s.back() == '.') s.pop_back();
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
    ExpressionText r = s;
    char* d = r.Data();
    for (int i = 0; i < r.Length(); ++i) {
        unsigned char c = static_cast<unsigned char>(d[i]);
        if ((c >= 'A' && c <= 'Z') || c == 0xC5 || c == 0xC6 || c == 0xD8) d[i] = static_cast<char>(c + 32);
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
