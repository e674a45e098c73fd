#pragma once
// One line of a batch file read into the words of a command line, as a POSIX
// shell splits it: blanks separate words; '...' keeps everything literally;
// "..." keeps everything but \" \\ \$ \` (and a backslash before a newline);
// outside quotes a backslash keeps the next character; # at the start of a
// word begins a comment. No expansion of any kind. Linear in the line.
#include <string>
#include <string_view>
#include <vector>

struct SplitLine {
    std::vector<std::string> words;  // empty: a blank or comment line
    std::string problem;             // UTF-8; "" when the line was read
};

SplitLine SplitCommandLine(std::string_view line);

// The text as valid UTF-8: every byte that does not begin a well-formed
// sequence becomes U+FFFD.
std::string ValidUtf8(std::string_view text);
