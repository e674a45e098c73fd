// The decimal comma where numbers are shown: the engines write and read the
// decimal point; with the setting on, the output fields and the log show
// 3,6372, and lists of numbers separate their items with ";" ((1;2,1)).
#include <string>
#include <vector>

#include "Form.h"
#include "Scanner.h"

namespace {

bool IsBlank(char c) { return c == ' '; }

// One item of a list of numbers as the engines write them: a signed number
// (1.5, -2.0000, 1e-3) or a plain name (x[1]), blanks around it allowed.
bool IsListItem(std::string_view item) {
    while (!item.empty() && IsBlank(item.front())) item.remove_prefix(1);
    while (!item.empty() && IsBlank(item.back())) item.remove_suffix(1);
    if (!item.empty() && (item[0] == '+' || item[0] == '-')) item.remove_prefix(1);
    if (item.empty()) return false;
    for (std::size_t i = 0; i < item.size(); ++i) {
        const char c = item[i];
        const bool exponentSign = (c == '+' || c == '-') && i >= 2 && item[i - 1] == 'e' && IsDigit(item[i - 2]);
        if (!(IsDigit(c) || IsLowerLetter(c) || c == '.' || c == '[' || c == ']' || exponentSign)) return false;
    }
    return true;
}

// Marks the commas of text that separate the items of a list: inside "(...)"
// or "{...}" that is no function's bracket and whose items are all numbers or
// names (so a list with ";" already keeps its decimal commas). A comma anywhere else is a decimal comma or
// the prose's own.
std::vector<bool> ListCommas(std::string_view text) {
    std::vector<bool> marked(text.size(), false);
    for (std::size_t open = 0; open < text.size(); ++open) {
        const char o = text[open];
        if (o != '(' && o != '{') continue;
        if (open > 0 && IsLowerLetter(text[open - 1])) continue;
        const char c = o == '(' ? ')' : '}';
        const std::size_t close = text.find(c, open + 1);
        if (close == std::string_view::npos) continue;
        const std::string_view inner = text.substr(open + 1, close - open - 1);
        if (inner.find(',') == std::string_view::npos) continue;
        bool list = true;
        for (std::size_t from = 0; list;) {
            const std::size_t comma = inner.find(',', from);
            list = IsListItem(inner.substr(from, comma == std::string_view::npos ? comma : comma - from));
            if (comma == std::string_view::npos) break;
            from = comma + 1;
        }
        if (!list) continue;
        for (std::size_t i = open + 1; i < close; ++i) marked[i] = text[i] == ',';
    }
    return marked;
}

}  // namespace

std::string WithDecimalComma(std::string_view text) {
    const std::vector<bool> listComma = ListCommas(text);
    std::string shown(text);
    for (std::size_t i = 0; i < shown.size(); ++i) {
        if (listComma[i])
            shown[i] = ';';
        else if (shown[i] == '.' && i + 1 < shown.size() && IsDigit(shown[i + 1]))
            shown[i] = ',';
    }
    return shown;
}

std::string WithDecimalPoint(std::string_view shown) {
    std::string text(shown);
    for (char& c : text) c = c == ',' ? '.' : c == ';' ? ',' : c;
    return text;
}

void SetDecimalComma(Form& form, bool on) {
    if (form.DecimalComma == on) return;
    form.DecimalComma = on;
    for (const ControlInfo& info : ControlTable) {
        if (info.kind != ControlKind::Output) continue;
        std::string& text = info.get(form).text;
        text = on ? WithDecimalComma(text) : WithDecimalPoint(text);
    }
}
