// The engines and the form model keep their texts in Windows-1252, so a
// string or character literal must write æ ø å as \xE6 \xF8 \xE5: a raw
// (UTF-8) byte in a literal reaches the user double-encoded.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

// "file:line" of every byte >= 0x80 inside a string or character literal of
// a C++ source. Comments may hold any text.
std::vector<std::string> RawBytesInLiterals(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    const std::string s((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::vector<std::string> found;
    int line = 1;
    auto report = [&](char c) {
        if (static_cast<unsigned char>(c) >= 0x80)
            found.push_back(file.filename().string() + ":" + std::to_string(line));
    };
    std::size_t i = 0;
    while (i < s.size()) {
        if (s.compare(i, 2, "//") == 0) {
            i = s.find('\n', i);
            if (i == std::string::npos) break;
        } else if (s.compare(i, 2, "/*") == 0) {
            const std::size_t end = std::min(s.find("*/", i + 2), s.size());
            line += static_cast<int>(std::count(s.begin() + i, s.begin() + end, '\n'));
            i = end + 2;
        } else if (s.compare(i, 2, "R\"") == 0) {
            // R"delim( ... )delim"
            const std::size_t open = s.find('(', i);
            if (open == std::string::npos) break;
            const std::string close = ')' + s.substr(i + 2, open - i - 2) + "\"";
            const std::size_t end = std::min(s.find(close, open), s.size());
            for (std::size_t k = open; k < end; ++k) {
                report(s[k]);
                if (s[k] == '\n') ++line;
            }
            i = end + close.size();
        } else if (s[i] == '"' || (s[i] == '\'' && !(i > 0 && std::isxdigit(static_cast<unsigned char>(s[i - 1]))))) {
            // (a quote after a hex digit is a digit separator, as in 1'000)
            const char quote = s[i++];
            while (i < s.size() && s[i] != quote && s[i] != '\n') {
                if (s[i] == '\\') ++i;
                if (i < s.size()) report(s[i]);
                ++i;
            }
            ++i;
        } else {
            if (s[i] == '\n') ++line;
            ++i;
        }
    }
    return found;
}

}  // namespace

TEST(SourceLiteralsTest, EngineLiteralsAreWindows1252Escapes) {
    const fs::path root = KVADRIX_SOURCE_DIR;
    std::vector<fs::path> files;
    auto addSources = [&](const fs::path& dir, bool recursive) {
        if (!fs::exists(dir)) return;
        auto add = [&](const fs::directory_entry& e) {
            const std::string ext = e.path().extension().string();
            if (e.is_regular_file() && (ext == ".cpp" || ext == ".h")) files.push_back(e.path());
        };
        if (recursive)
            for (const auto& e : fs::recursive_directory_iterator(dir)) add(e);
        else
            for (const auto& e : fs::directory_iterator(dir)) add(e);
    };
    for (const char* engine : {"expr", "diff", "poly", "integrate", "simplify", "numeric"})
        addSources(root / engine, true);
    addSources(root / "shell", false);  // the form model; shell/qt speaks UTF-8 to Qt
    ASSERT_GT(files.size(), 20u) << root;

    std::vector<std::string> found;
    for (const fs::path& file : files)
        for (const std::string& place : RawBytesInLiterals(file)) found.push_back(place);
    found.erase(std::unique(found.begin(), found.end()), found.end());
    EXPECT_EQ(found, std::vector<std::string>{}) << "write the letters as \\xE6 \\xF8 \\xE5 escapes";
}
