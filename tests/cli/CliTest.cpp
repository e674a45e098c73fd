// End-to-end runs of kvadrix-cli: arguments in, "Caption = text" lines out.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <cstdio>
#include <string>

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

Run Cli(const std::vector<std::string>& args) {
    // ctest runs the cases in parallel: one stderr file per process.
    std::string errFile = ::testing::TempDir() + "kvadrix-cli-stderr-" + std::to_string(getpid()) + ".txt";
    std::string cmd = KVADRIX_CLI;
    for (const auto& a : args) cmd += " " + Quote(a);
    cmd += " 2>" + errFile;
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

TEST(CliTest, ValueTab) {
    auto r = Cli({"value", "x^2", "3"});
    EXPECT_EQ(r.out, "f(x0) = 9.0000\n");
    EXPECT_EQ(r.status, 0);

    r = Cli({"value", "1/(x-1)", "1"});
    EXPECT_EQ(r.out, "f(x0) = \n");
    EXPECT_EQ(r.err, "Fejl: Division med 0 i funktionsudtryk: \n1/(x-1)\n");
    EXPECT_EQ(r.status, 1);

    r = Cli({"--ignore", "value", "1/(x-1)", "1"});
    EXPECT_EQ(r.out, "f(x0) = 0.0000\n");
    EXPECT_EQ(r.status, 1);

    r = Cli({"value", "--", "-x^2+4", "-1"});  // leading minus is field text
    EXPECT_EQ(r.out, "f(x0) = 3.0000\n");

    r = Cli({"value", "2^x", "100"});  // was 12676506002282294014
    EXPECT_EQ(r.out, "f(x0) = 1.2677e30\n");
}

TEST(CliTest, OverflowMessageIsUtf8) {
    auto r = Cli({"value", "exp(x)", "710"});
    EXPECT_EQ(r.out, "f(x0) = \n");
    EXPECT_EQ(r.err, "Fejl: Regnefejl: tallet er for stort (overløb)\n");
    EXPECT_EQ(r.status, 1);
}

// A field holds 255 characters counted in Windows-1252 (æ is one); a longer
// argument is refused whole instead of being cut into another formula.
TEST(CliTest, OverlongFieldIsRefused) {
    auto repeat = [](const std::string& s, int n) {
        std::string r;
        for (int i = 0; i < n; ++i) r += s;
        return r;
    };
    // refusal "": the text fits and goes to the tab as it is.
    struct Row { std::vector<std::string> args; std::string out, refusal; int status; } rows[] = {
        {{"value", repeat("x+", 126) + "x^2", "2"}, "f(x0) = 256.0000\n", "", 0},  // 255
        {{"value", repeat("x+", 127) + "x^2", "2"}, "", "Fejl: Teksten til f(x) er for lang: 257 tegn, højst 255\n", 1},
        {{"value", "x", "1" + repeat("0", 255)}, "", "Fejl: Teksten til x0 er for lang: 256 tegn, højst 255\n", 1},
        {{"reduce", repeat("æ", 255)}, "Reduceret f(x) = \n", "", 1},  // 510 UTF-8 bytes, 255 characters
        {{"reduce", repeat("æ", 256)}, "", "Fejl: Teksten til f(x) er for lang: 256 tegn, højst 255\n", 1},
    };
    for (const Row& row : rows) {
        auto r = Cli(row.args);
        EXPECT_EQ(r.out, row.out) << row.args[1];
        if (row.refusal.empty()) {
            EXPECT_EQ(r.err.find("for lang"), std::string::npos) << r.err;
        } else {
            EXPECT_EQ(r.err, row.refusal);
        }
        EXPECT_EQ(r.status, row.status) << row.args[1];
    }
}

TEST(CliTest, DiffAndReduceWithLog) {
    auto r = Cli({"diff", "x^2", "2", "--log"});
    EXPECT_EQ(r.out.substr(0, r.out.find("--- Log ---")), "f'(x) = 2*x\nf(x0) = 4.0000\n");
    EXPECT_NE(r.out.find("--- Log ---\n\nReduceret f(x) = x^2\n"), std::string::npos);
    EXPECT_EQ(r.status, 0);

    r = Cli({"reduce", "2x+1"});
    EXPECT_EQ(r.out, "Reduceret f(x) = \n");
    EXPECT_EQ(r.status, 1);

    r = Cli({"reduce", "0,5*x*x"});
    EXPECT_EQ(r.out, "Reduceret f(x) = x^2/2\n");
}

TEST(CliTest, UsageAndDanishText) {
    for (const char* help : {"--help", "-h"}) {  // asked for: stdout, success
        auto r = Cli({help});
        EXPECT_EQ(r.out.rfind("Brug: kvadrix-cli", 0), 0u) << r.out;
        EXPECT_EQ(r.err, "");
        EXPECT_EQ(r.status, 0);
    }
    auto bad = Cli({});
    EXPECT_EQ(bad.out, "");
    EXPECT_NE(bad.err.find("Brug: kvadrix-cli"), std::string::npos);
    EXPECT_EQ(bad.status, 2);
    EXPECT_EQ(Cli({"nothing"}).status, 2);
    EXPECT_EQ(Cli({"--bogus", "value", "x", "1"}).status, 2);
    EXPECT_EQ(Cli({"value", "x"}).status, 2);
    auto r = Cli({"value", "æ", "1"});  // UTF-8 in, cp1252 inside, UTF-8 out
    EXPECT_EQ(r.err, "Fejl: Fejl i funktionsudtryk: \næ\n");
}
