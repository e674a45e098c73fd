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
    EXPECT_EQ(Cli({}).status, 2);
    EXPECT_EQ(Cli({"nothing"}).status, 2);
    EXPECT_EQ(Cli({"--bogus", "value", "x", "1"}).status, 2);
    EXPECT_EQ(Cli({"value", "x"}).status, 2);
    auto r = Cli({"value", "æ", "1"});  // UTF-8 in, cp1252 inside, UTF-8 out
    EXPECT_EQ(r.err, "Fejl: Fejl i funktionsudtryk: \næ\n");
}

TEST(CliTest, IntegrationTab) {
    auto r = Cli({"integrate", "x*exp(x)", "0", "1"});
    EXPECT_EQ(r.out, "F(x) = x*exp(x)-exp(x)\nBestemt Integral = 1.0000\n");
    EXPECT_EQ(r.status, 0);

    r = Cli({"--log", "integrate", "x^x", "1", "2"});
    EXPECT_EQ(r.out.substr(0, r.out.find("--- Log ---")),
              "F(x) = Kan ikke udregne Integralet. Se log\nBestemt Integral = 2.0504\n");
    EXPECT_NE(r.out.find("Integralet udregnes numerisk\n"), std::string::npos);
    EXPECT_EQ(r.status, 0);
}

TEST(CliTest, PolynomialTab) {
    auto r = Cli({"roots", "x^3-6x^2+11x-6"});
    EXPECT_EQ(r.out, "R\u00f8dder = {1 , 2 , 3}\nFaktoriseret = (x-1)*(x-2)*(x-3)\n");
    EXPECT_EQ(r.status, 0);

    r = Cli({"divide", "x^3+1", "x^2"});
    EXPECT_EQ(r.out, "q(x) = x\nr(x) = 1\n");
    EXPECT_EQ(r.status, 0);

    r = Cli({"--log", "fraction", "(x^2-1)/(x-1)"});
    EXPECT_EQ(r.out.substr(0, r.out.find('\n')), "Reduceret p(x)/q(x) = x+1");
    EXPECT_NE(r.out.find("Kontrol: den reducerede br\u00f8k har br\u00f8kens v\u00e6rdi"), std::string::npos);

    r = Cli({"roots", "x^2+x^3"});
    EXPECT_EQ(r.out, "R\u00f8dder = \nFaktoriseret = \n");
    EXPECT_EQ(r.err, "Fejl: Fejl i polynomium: x^2+x^3\n");
    EXPECT_EQ(r.status, 1);

    EXPECT_EQ(Cli({"divide", "x^2"}).status, 2);
}
