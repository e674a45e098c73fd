#include "ExpressionCorpus.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>

namespace corpus {

#ifndef KVADRIX_SCHOOL_EXPRESSIONS  // the build names the file; else it lies beside this one
#define KVADRIX_SCHOOL_EXPRESSIONS std::filesystem::path(__FILE__).replace_filename("school-expressions.txt")
#endif

const std::vector<std::string>& SchoolExpressions() {
    static const std::vector<std::string> list = [] {
        std::ifstream in(KVADRIX_SCHOOL_EXPRESSIONS);
        std::vector<std::string> lines;
        for (std::string line; lines.size() < 10000 && std::getline(in, line);)
            if (!line.empty() && line[0] != '#') lines.push_back(line);
        return lines;
    }();
    return list;
}

namespace {

// Sum, Term, Factor and Atom draw from one generator; factors drawn before
// go to a pool that later factors repeat. Depth 2 ends the nesting.
struct Generator {
    std::mt19937 rng;
    std::vector<std::string> pool;

    int Pick(int n) { return static_cast<int>(rng() % static_cast<unsigned>(n)); }
    bool Chance(int percent) { return Pick(100) < percent; }
    std::string Sum(int depth) {
        std::string s = Chance(15) ? "-" : "";
        for (int t = 0, terms = 1 + Pick(depth == 0 ? 3 : 2); t < terms; ++t) {
            if (t > 0) s += Chance(50) ? "+" : "-";
            if (t > 0 && Chance(3)) s += "-";
            s += Term(depth);
        }
        return s;
    }
    std::string Term(int depth) {
        std::string s = Factor(depth);
        for (int f = 0, factors = Pick(4); f < factors; ++f) {
            s += Chance(65) ? "*" : "/";
            if (Chance(4)) s += "-";
            if (Chance(10) && depth < 2) s += '(' + Factor(depth + 1) + "*" + Factor(depth + 1) + ")";
            else s += Factor(depth);
        }
        return s;
    }
    std::string Factor(int depth) {
        if (!pool.empty() && Chance(30)) return pool[Pick(static_cast<int>(pool.size()))];
        static const char* const exponents[] = {"2", "2", "3", "4", "-1", "-2", "(1/2)", "0", "2.5", "(2-1)"};
        std::string f = Atom(depth);
        if (Chance(25)) f += '^' + std::string(exponents[Pick(10)]);
        if (Chance(40)) pool.push_back(f);
        return f;
    }
    std::string Atom(int depth) {
        static const char* const numbers[] = {"1", "2", "3", "4", "6", "8", "12", "0.5", "1,5", "2.25", "0.25"};
        static const char* const functions[] = {"abs", "sqrt", "sinh", "asinh", "sin", "asin", "cosh", "acosh",
                                                "cos", "tan", "atan", "ln", "exp", "erf", "phi"};
        int kind = Pick(100);
        bool deep = depth >= 2;
        if (kind < 35) return "x";
        if (kind < 55) return numbers[Pick(11)];
        if (kind < 60) return Chance(50) ? "pi" : "e";
        if (kind < 78) return std::string(functions[Pick(15)]) + "(" + (deep ? "x" : Sum(depth + 1)) + ")";
        return '(' + (deep ? std::string("x+1") : Sum(depth + 1)) + ')';
    }
};

}  // namespace

std::vector<std::string> RandomExpressions(unsigned seed, int count, int maxLength) {
    Generator generator{std::mt19937(seed), {}};
    std::vector<std::string> texts;
    for (int i = 0; i < count; ++i) {
        // An over-long text is drawn again a few times, then replaced by x.
        std::string s = "x";
        for (int attempt = 0; attempt < 40; ++attempt) {
            generator.pool.clear();
            if (std::string t = generator.Sum(0); static_cast<int>(t.size()) <= maxLength) {
                s = t;
                break;
            }
        }
        texts.push_back(s);
    }
    return texts;
}

::testing::AssertionResult SameValue(const ExpressionText& before, const ExpressionText& after, bool domain) {
    std::string why = Disagreement(before, after, domain);
    return why.empty() ? ::testing::AssertionSuccess() : ::testing::AssertionFailure() << why;
}

}  // namespace corpus
