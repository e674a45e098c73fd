#include "PointText.h"

#include <vector>

#include "Host.h"
#include "TextUtils.h"

namespace {
// A box text cut to 255 characters without counting as a cut result.
ExpressionText Message(const std::string& text) {
    return ExpressionText(std::string_view(text).substr(0, ExpressionText::MaxLength));
}
}  // namespace

VariableNames DefaultVariableNames() {
    VariableNames names{};
    names[1] = 'x';
    names[2] = 'y';
    names[3] = 'z';
    names[4] = 'u';
    names[5] = 'v';
    return names;
}

double ReadNumber(std::string_view text, bool& error) {
    const ExpressionText typed = RemoveBlanks(ExpressionText(text));
    const std::string_view digits = typed.View();
    // .5 and -.5 are 0.5 and -0.5.
    const std::size_t sign = !digits.empty() && (digits[0] == '+' || digits[0] == '-');
    std::string number(digits.substr(0, sign));
    if (digits.size() > sign && digits[sign] == '.') number += '0';
    number += digits.substr(sign);
    return TextToNumber(number, error);
}

bool ReadStartPoint(int n, const ExpressionText& point, const VariableNames& names, VariableValues& values) {
    // Each separator used is overwritten with "#", so that the next search
    // finds the next one. Positions are 0-based here.
    std::string s = point.Str();
    const std::size_t length = s.size();
    std::size_t pos = std::string::npos;  // before the first character
    bool failed = false;
    // With a ";" in the point, ";" separates the coordinates and a comma is a
    // decimal comma ("(1,5;2)", as results show with the decimal comma).
    const char between = s.find(';') != std::string::npos ? ';' : ',';
    for (int i = 1; i <= n; ++i) {
        // A coordinate starts at a sign, a digit or a point (.5 is 0.5).
        do ++pos;
        while (pos < length && s[pos] != '+' && s[pos] != '-' && s[pos] != '.' && !IsDigit(s[pos]));
        std::size_t separator = s.find(between);
        if (separator == std::string::npos) separator = s.find(')');
        if (separator == std::string::npos) {
            failed = true;
            continue;
        }
        const std::string coordinate = pos < separator ? s.substr(pos, separator - pos) : std::string();
        s[separator] = '#';
        pos = separator;
        AddLogLine(std::string(1, names[i]) + "0=" + coordinate);
        bool error = false;
        values[i] = ReadNumber(coordinate, error);
        // An error stays an error, also when a later coordinate reads well.
        failed = failed || error;
    }
    if (!failed) return true;
    ReportError("Fejl i begyndelsesv\xE6rdierne");
    return false;
}

bool SplitDataPoint(std::string_view inside, std::string& xText, std::string& yText, std::string& problem) {
    const std::string s(inside);
    problem.clear();
    // "(1;2,1)": the semicolon separates, a comma is a decimal comma.
    if (const std::size_t semicolon = s.find(';'); semicolon != std::string::npos) {
        xText = s.substr(0, semicolon);
        yText = s.substr(semicolon + 1);
        return true;
    }
    std::vector<std::size_t> commas;
    for (std::size_t i = 0; i < s.size(); ++i)
        if (s[i] == ',') commas.push_back(i);
    if (commas.empty()) return false;
    // Every comma that leaves a number on both sides (each with at most one
    // comma, then a decimal comma) is a reading.
    std::vector<std::size_t> readings;
    for (std::size_t c : commas) {
        const std::string left = s.substr(0, c), right = s.substr(c + 1);
        bool error = false;
        ReadNumber(left, error);
        if (!error) ReadNumber(right, error);
        if (!error) readings.push_back(c);
    }
    if (readings.size() > 1) {
        auto reading = [&](std::size_t c) {
            bool error = false;
            std::string r(1, '(');
            r.append(FormatNumber(10, 4, ReadNumber(s.substr(0, c), error))).append("; ");
            return r.append(FormatNumber(10, 4, ReadNumber(s.substr(c + 1), error))).append(")");
        };
        problem = "(" + s + ") kan l\xE6ses b\xE5" "de som " + reading(readings[0]) + " og som " + reading(readings[1]) +
                  "; skriv ; mellem koordinaterne, som (0,5;1), eller brug decimalpunktum";
        return false;
    }
    // One reading, or none (then the first comma, for the error on its number).
    const std::size_t c = readings.empty() ? commas.front() : readings.front();
    xText = s.substr(0, c);
    yText = s.substr(c + 1);
    return true;
}

bool ReadDataPoints(int n, const ExpressionText& text, Vector& x, Vector& y) {
    const std::string s = text.Str();
    auto dataError = [](const std::string& faulty) {
        // Told, not kept: the caller stops on the false it returns.
        ReportError(Message("Fejl i data: " + faulty));
        ErrorFlag = false;
        return false;
    };
    std::size_t pos = 0;
    for (int i = 1; i <= n; ++i) {
        const std::size_t open = s.find('(', pos);
        // Fewer points than the count asks for: a data error, not zeros.
        if (open == std::string::npos)
            return dataError("punkt " + std::to_string(i) + " af " + std::to_string(n) + " mangler");
        const std::size_t close = s.find(')', open + 1);
        if (close == std::string::npos) return dataError(s.substr(open));
        std::string xText, yText, problem;
        if (!SplitDataPoint(std::string_view(s).substr(open + 1, close - open - 1), xText, yText, problem))
            return dataError(problem.empty() ? s.substr(open, close - open + 1) : problem);
        pos = close + 1;
        bool error = false;
        x[i] = ReadNumber(xText, error);
        if (error) return dataError(xText);
        y[i] = ReadNumber(yText, error);
        if (error) return dataError(yText);
        const std::string index = std::to_string(i);
        AddLogLine("(x[" + index + "],y[" + index + "])=(" + FormatNumber(10, 3, x[i]) + "," +
                   FormatNumber(10, 3, y[i]) + ")");
    }
    return true;
}

std::string NameList(int n, const VariableNames& names, std::string_view suffix) {
    std::string list;
    for (int i = 1; i <= n; ++i) {
        if (i > 1) list += ',';
        list += names[i];
        list += suffix;
    }
    return list;
}

std::string ZeroPoint(int n) {
    std::string point = "(0";
    for (int i = 2; i <= n; ++i) point += ",0";
    return point + ")";
}

std::string PointText(int n, const VariableValues& values) {
    std::string text = "(";
    for (int i = 1; i <= n; ++i) {
        if (i > 1) text += ',';
        text += FormatNumber(8, 4, values[i]);
    }
    return text + ")";
}

std::string PointLogLine(int n, const VariableValues& values) {
    std::string line = "(";
    for (int i = 1; i <= n; ++i) line += "x[" + std::to_string(i) + "] = " + FormatNumber(8, 4, values[i]) + "; ";
    return line + ")";
}
