// End-to-end runs of kvadrix-cli: arguments in, "Caption = text" lines out;
// the runs and their expected output are in data/runs.tsv.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <string>

#include "CaseTable.h"

namespace {
struct Run {
    std::string out;
    std::string err;
    int status;
};

std::string Quote(const std::string& s) {
    std::string q = "'";
    for (char c : s) q += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return q + "'";
}

// "@DATA@" in an argument or the stdin file stands for tests/cli/data.
std::string WithData(std::string text) {
    if (const auto at = text.find("@DATA@"); at != std::string::npos)
        text.replace(at, 6, std::string(KVADRIX_TESTS_DIR) + "/cli/data");
    return text;
}

Run Cli(const std::vector<std::string>& args, const std::string& stdinFile) {
    // ctest runs the cases in parallel: one stderr file per process.
    std::string errFile = ::testing::TempDir() + "kvadrix-cli-stderr-" + std::to_string(getpid()) + ".txt";
    std::string cmd = KVADRIX_CLI;
    for (const auto& a : args) cmd += " " + Quote(WithData(a));
    cmd += " 2>" + errFile;
    if (!stdinFile.empty()) cmd += " <" + Quote(WithData(stdinFile));
    Run r;
    FILE* p = popen(cmd.c_str(), "r");
    std::array<char, 4096> buf;
    while (auto n = fread(buf.data(), 1, buf.size(), p)) r.out.append(buf.data(), n);
    r.status = WEXITSTATUS(pclose(p));
    if (FILE* e = fopen(errFile.c_str(), "r")) {
        while (auto n = fread(buf.data(), 1, buf.size(), e)) r.err.append(buf.data(), n);
        fclose(e);
    }
    std::remove(errFile.c_str());
    return r;
}
}  // namespace

TEST(CliTest, RunsGiveTheirOutputAndExitCode) {
    for (const CaseRow& row : CaseTable("cli/data/runs.tsv", "run")) {
        std::vector<std::string> args;
        for (std::size_t from = 0, bar; !row[0].empty(); from = bar + 1) {
            bar = row[0].find('|', from);
            args.push_back(row[0].substr(from, bar - from));
            if (bar == std::string::npos) break;
        }
        std::string stdinFile;
        for (std::size_t i = 1; i < row.size(); ++i)
            if (row[i].starts_with("stdin=")) stdinFile = row[i].substr(6);
        const ::Run r = Cli(args, stdinFile);
        for (std::size_t i = 1; i < row.size(); ++i) {
            const std::string& check = row[i];
            if (check.starts_with("stdin=")) continue;
            const std::size_t op = check.find_first_of("=^~!#");
            const std::string& got = check.starts_with("out") ? r.out : r.err;
            const std::string want = check.substr(std::min(check.find_first_not_of("=^~!#", op), check.size()));
            const std::string what = row.where + ": " + check;
            if (check.starts_with("status="))
                EXPECT_EQ(r.status, std::stoi(want)) << what;
            else if (check[op] == '=')
                EXPECT_EQ(got, want) << what;
            else if (check[op] == '#')
                EXPECT_TRUE(got.find(want) != std::string::npos && got.find(want) == got.rfind(want)) << what << "\n" << got;
            else if (check[op] == '^')
                EXPECT_EQ(got.rfind(want, 0), 0u) << what << "\n" << got;
            else
                EXPECT_EQ(got.find(want) != std::string::npos, check[op] == '~') << what << "\n" << got;
        }
    }
}
