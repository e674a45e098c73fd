#pragma once
// Case tables kept as data files under tests/: one row a line, the table's
// name first, then the fields, separated by tabs; '#' starts a comment line.
// Fields are written as C string literals without the quotes (\" \\ \n \r \t
// \xNN with two hex digits); "" is the empty text. No test framework needed.
#include <charconv>
#include <cmath>
#include <fstream>
#include <string>
#include <string_view>
#include <vector>

#ifndef KVADRIX_TESTS_DIR
#define KVADRIX_TESTS_DIR "tests"
#endif

struct CaseRow : std::vector<std::string> {
    std::string where;  // file:line, for traces
    double Number(std::size_t i) const {
        double v = 0;
        const std::string& s = at(i);
        const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
        return ec == std::errc() && end == s.data() + s.size() ? v : std::nan("");
    }
    int Int(std::size_t i) const { return static_cast<int>(Number(i)); }
};

inline std::string DecodeCaseField(std::string_view f) {
    if (f == "\"\"") return {};
    std::string out;
    for (std::size_t i = 0; i < f.size(); ++i) {
        if (f[i] != '\\' || i + 1 == f.size()) { out += f[i]; continue; }
        const char c = f[++i];
        if (c == 'x' && i + 2 < f.size()) {
            out += static_cast<char>(std::stoi(std::string(f.substr(i + 1, 2)), nullptr, 16));
            i += 2;
        } else {
            out += c == 'n' ? '\n' : c == 'r' ? '\r' : c == 't' ? '\t' : c;
        }
    }
    return out;
}

// The rows of table in tests/<file>.
inline std::vector<CaseRow> ReadCaseTable(const std::string& file, std::string_view table) {
    std::ifstream in(std::string(KVADRIX_TESTS_DIR) + "/" + file, std::ios::binary);
    std::vector<CaseRow> rows;
    int number = 0;
    for (std::string line; std::getline(in, line);) {
        ++number;
        if (line.empty() || line[0] == '#') continue;
        CaseRow row;
        for (std::size_t from = 0, tab;; from = tab + 1) {
            tab = line.find('\t', from);
            row.push_back(DecodeCaseField(std::string_view(line).substr(from, tab - from)));
            if (tab == std::string::npos) break;
        }
        if (row[0] != table) continue;
        row.erase(row.begin());
        row.where = file + ":" + std::to_string(number);
        rows.push_back(std::move(row));
    }
    return rows;
}

