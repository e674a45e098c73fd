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

TEST(CliTest, NumericTabs) {
    auto r = Cli({"minimise", "(x-1)^2+(y-2)^2+(z+1)^2", "(0,0,0)"});
    EXPECT_EQ(r.out, "Løsning (x,y) = (1.0000,2.0000,-1.0000)\nMinf = 0.0000\n");
    EXPECT_EQ(r.status, 0);

    r = Cli({"solve", "x^2+y^2=4", "x-y", "--point", "(1,1)"});
    EXPECT_EQ(r.out, "Løsning = (1.4142,1.4142)\n");
    EXPECT_EQ(r.status, 0);
    r = Cli({"solve", "x+y-3", "x-y-1", "--least-squares", "--precision", "0,000001"});
    EXPECT_EQ(r.out, "Løsning = (2.0000,1.0000)\n");
    r = Cli({"solve", "x+y-1", "2*x+2*y-2"});
    EXPECT_EQ(r.out, "Løsning = Se log Page\n");
    EXPECT_EQ(r.err, "Fejl: Singulær JacobiMatrix\n");
    EXPECT_EQ(r.status, 1);

    r = Cli({"regression", "(0,1); (1,3); (2,5)", "--log"});
    EXPECT_EQ(r.out.substr(0, r.out.find("--- Log ---")),
              "Regressionsliniens Ligning = 2.0000*x+1.0000\nRegressionspolynomiets Ligning = \n");
    EXPECT_NE(r.out.find("Kontrol: Forklaringsgrad R^2 = 1.0000\n"), std::string::npos);
    r = Cli({"regression", "(-2,2); (-1,-1); (1,-1); (2,2)", "--degree", "2"});
    EXPECT_EQ(r.out, "Regressionsliniens Ligning = \nRegressionspolynomiets Ligning = 1.0000*x^2-2.0000\n");
}

TEST(CliTest, NumericUsage) {
    EXPECT_EQ(Cli({"minimise", "x^2"}).status, 2);                                  // no start point
    EXPECT_EQ(Cli({"minimise", "x", "(0,0,0,0,0,0)"}).status, 2);                   // 6 variables
    EXPECT_EQ(Cli({"value", "x", "1", "--precision", "0.1"}).status, 2);            // not its option
    EXPECT_EQ(Cli({"solve", "x", "--point"}).status, 2);                            // no value
    EXPECT_EQ(Cli({"solve", "a", "b", "c", "d", "e", "f"}).status, 2);              // 6 equations
    EXPECT_EQ(Cli({"regression", "(0,1); (1,2)"}).status, 2);                       // 2 points
    EXPECT_EQ(Cli({"regression", "(0,1); (1,2); (2,3)", "--degree", "11"}).status, 2);
    EXPECT_EQ(Cli({"regression", "(0,1); (1,2); (2,3)", "--degree", "3"}).status, 2);  // degree >= points
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
