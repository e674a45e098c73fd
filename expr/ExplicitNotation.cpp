#include "ExplicitNotation.h"

#include <algorithm>
#include <string>
#include <string_view>

#include "Scanner.h"
#include "SmallVector.h"
#include "TextOps.h"

namespace {

bool IsLetter(char c) { return IsLowerLetter(c); }
bool IsOperator(char c) { return c == '+' || c == '-' || c == '*' || c == '/' || c == '^'; }

// End (0-based, exclusive) of the number whose first digit is at i: digits
// and separators, and an exponent only where digits follow the "e".
std::size_t NumberEnd(std::string_view s, std::size_t i) {
    while (i < s.size() && IsNumberChar(s[i])) ++i;
    if (i < s.size() && s[i] == 'e') {
        std::size_t j = i + 1;
        if (j < s.size() && (s[j] == '+' || s[j] == '-')) ++j;
        if (j < s.size() && IsDigit(s[j])) {
            while (j < s.size() && IsDigit(s[j])) ++j;
            return j;
        }
    }
    return i;
}

// The operand starting at start is an exponent or a divisor: "^" or "/"
// before it, or before its sign.
bool AfterPowerOrDivision(std::string_view s, std::size_t start) {
    if (start == 0) return false;
    char c = s[start - 1];
    if (c == '-' && start >= 2) c = s[start - 2];
    return c == '^' || c == '/';
}

// Start of the operand that ends at the ")" matching the "(" at open: the
// "(" itself, or the name of the function it belongs to.
std::size_t BracketOperandStart(std::string_view s, std::size_t open) {
    while (open > 0 && IsLetter(s[open - 1])) --open;
    return open;
}

constexpr std::string_view LogName = "log(";
constexpr std::string_view LogOpen = "(ln(";
constexpr std::string_view LogClose = ")/ln(10))";

std::string Quoted(std::string_view s) {
    std::string q(1, '"');
    q += s;
    q += '"';
    return q;
}

// The operand text that ends just before pos (1-based): a number, or a
// bracket with its function name.
std::string_view OperandBefore(std::string_view s, int pos) {
    std::size_t end = static_cast<std::size_t>(pos - 1), start = end;
    if (start > 0 && s[start - 1] == ')') {
        int depth = 0;
        while (start > 0) {
            char c = s[--start];
            depth += c == ')' ? 1 : c == '(' ? -1 : 0;
            if (depth == 0) break;
        }
        start = BracketOperandStart(s, start);
    } else {
        while (start > 0 && (IsNumberChar(s[start - 1]) || (s[start - 1] == 'e' && start >= 2 && IsDigit(s[start - 2]))))
            --start;
    }
    return s.substr(start, end - start);
}

}  // namespace

NotationResult ExplicitNotation(const ExpressionText& typed) {
    const std::string_view s = typed.View();
    NotationResult result;
    result.text = typed;
    std::string out;
    out.reserve(s.size() + 16);
    struct Open {
        std::size_t operandStart;
        bool log;
    };
    SmallVector<Open, 16> opens;
    // The product after the operand that started at start and ends before i:
    // a "*" before a following operand, refused after "^" or "/".
    auto product = [&](std::size_t start, std::size_t i) {
        if (i >= s.size() || !(IsLetter(s[i]) || s[i] == '(')) return true;
        if (AfterPowerOrDivision(s, start)) {
            result.outcome = NotationResult::Ambiguous;
            result.position = static_cast<int>(i) + 1;
            return false;
        }
        out += '*';
        return true;
    };
    // Each step consumes at least one character.
    for (std::size_t i = 0; i < s.size();) {
        const char c = s[i];
        if (IsDigit(c)) {
            const std::size_t end = NumberEnd(s, i);
            out.append(s.substr(i, end - i));
            if (!product(i, end)) return result;
            i = end;
        } else if (s.substr(i, LogName.size()) == LogName && (i == 0 || !IsLetter(s[i - 1]))) {
            opens.push_back({i, true});
            out += LogOpen;
            i += LogName.size();
        } else if (c == '(') {
            opens.push_back({BracketOperandStart(s, i), false});
            out += c;
            ++i;
        } else if (c == ')') {
            ++i;
            if (opens.empty()) {
                out += c;  // the readers report the stray bracket
                continue;
            }
            const Open open = opens.back();
            opens.pop_back();
            out += open.log ? LogClose : std::string_view(")");
            if (!product(open.operandStart, i)) return result;
        } else {
            out += c;
            ++i;
        }
    }
    if (out.size() > ExpressionText::MaxLength) {
        result.outcome = NotationResult::TooLong;
        return result;
    }
    result.text = ExpressionText(out);
    return result;
}

std::string ReadingHint(const ExpressionText& text, int pos) {
    const std::string_view s = text.View();
    if (s.empty()) return "feltet er tomt";
    const NotationResult explicitForm = ExplicitNotation(text);
    if (explicitForm.outcome == NotationResult::TooLong)
        return "med gangetegnene skrevet ud bliver udtrykket over 255 tegn; skriv det kortere";
    if (explicitForm.outcome == NotationResult::Ambiguous) {
        const int at = explicitForm.position;
        const std::string left(OperandBefore(s, at));
        const std::size_t start = static_cast<std::size_t>(at - 1) - left.size();
        const std::string op(1, start > 0 ? s[start - 1] : ' ');
        const int end = OperandEnd(text, at);
        const std::string right(s.substr(at - 1, end > at ? end - at : 1));
        return "gangetegnet efter " + op + left + " kan l\xE6ses p\xE5 to m\xE5" "der: skriv " + op + "(" + left + "*" +
               right + ") eller " + op + left + "*" + right;
    }
    const char c = CharAt(text, pos), before = CharAt(text, pos - 1);
    for (std::string_view name : FunctionNames) {
        const int start = pos - static_cast<int>(name.size());
        if (start >= 1 && s.substr(start - 1, name.size()) == name && FunctionAt(text, start) >= 0)
            return "der mangler \"(\" efter " + std::string(FunctionNames[FunctionAt(text, start)]) + ": skriv " +
                   std::string(FunctionNames[FunctionAt(text, start)]) + "(...)";
    }
    const bool operandEnds = IsNumberChar(before) || IsLetter(before) || before == ')';
    if ((c == EndOfText || IsOperator(c) || c == ')') && (IsOperator(before) || before == '('))
        return "der mangler noget efter " + std::string(1, before);
    if (pos == 1 && (c == ')' || (IsOperator(c) && c != '-')))
        return "der mangler noget f\xF8r " + std::string(1, c);
    if ((IsLetter(c) || IsDigit(c) || c == '(') && operandEnds)
        return "der mangler et regnetegn mellem " + std::string(1, before) + " og " + std::string(1, c);
    if (IsLetter(c)) {
        std::size_t end = static_cast<std::size_t>(pos - 1);
        while (end < s.size() && IsLetter(s[end])) ++end;
        const std::string_view name = s.substr(pos - 1, end - (pos - 1));
        return Quoted(name) + " er ikke et kendt navn" + (name.size() == 1 ? " (variablen hedder x)" : "");
    }
    if (c == ')') return "der er en \")\" for meget";
    if (c == EndOfText) {
        int open = 0;
        for (char d : s) open += d == '(' ? 1 : d == ')' ? -1 : 0;
        if (open == 1) return "der mangler en \")\" til sidst";
        if (open > 1) return "der mangler " + std::to_string(open) + " \")\" til sidst";
        return {};
    }
    return "tegnet " + Quoted(std::string_view(&s[pos - 1], 1)) + " kan ikke bruges i et udtryk";
}

ExpressionText WithHint(std::string_view message, const ExpressionText& text, int pos) {
    const std::string hint = ReadingHint(text, pos);
    const std::string tail = hint.empty() ? std::string() : " \x97 " + hint;
    std::string_view shown = text.View();
    std::string s(message);
    // A long text is shown as the part around the place, so that the hint fits.
    const std::size_t room = ExpressionText::MaxLength - std::min<std::size_t>(ExpressionText::MaxLength, s.size() + tail.size());
    if (shown.size() > room && room > 8) {
        const std::size_t length = room - 6, after = std::min<std::size_t>(length / 4, shown.size());
        std::size_t end = std::min<std::size_t>(shown.size(), static_cast<std::size_t>(pos < 1 ? 1 : pos) + after);
        end = std::max(end, length);
        const std::size_t start = end - length;
        s += start > 0 ? "..." : "";
        s += shown.substr(start, length);
        s += end < shown.size() ? "..." : "";
    } else {
        s += shown;
    }
    s += tail;
    return ExpressionText(std::string_view(s).substr(0, ExpressionText::MaxLength));
}
