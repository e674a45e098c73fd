// The expression tree: reading as the evaluator reads, printing, the canonical
// form and expansion keep the value; the teacher forms are in data/tree.tsv.
#include <filesystem>
#include <fstream>
#include <iterator>

#include "CaseTable.h"
#include "Canonical.h"
#include "Evaluate.h"
#include "ExpressionCorpus.h"
#include "RecordingHost.h"

namespace {

const std::string Data = "expr/data/tree.tsv";

// The reading corpus, the school expressions, every fuzz seed and random texts.
const std::vector<std::string>& Texts() {
    static std::vector<std::string> all;
    if (!all.empty()) return all;
    std::ifstream reading(std::string(KVADRIX_TESTS_DIR) + "/common/reading-corpus.txt");
    for (std::string line; std::getline(reading, line);)
        if (line.size() > 2 && line[1] == '|') all.push_back(line.substr(2));
    for (const auto& text : corpus::SchoolExpressions()) all.push_back(text);
    for (const auto& dir : std::filesystem::directory_iterator(KVADRIX_SOURCE_DIR "/fuzz/corpus"))
        for (const auto& file : std::filesystem::directory_iterator(dir.path())) {
            std::ifstream in(file.path(), std::ios::binary);
            std::string text{std::istreambuf_iterator<char>(in), {}};
            if (text.size() <= 255) all.push_back(text);
        }
    for (const auto& text : corpus::RandomExpressions(11, 3000)) all.push_back(text);
    return all;
}

std::string Printed(const Tree& t) { return t ? PrintTree(t) : "(none)"; }

// after reads whole, and has before's value wherever both have one: a power
// -n written as a division has no value where the evaluator reads 0^-n as 0.
::testing::AssertionResult KeepsValue(const std::string& before, const ExpressionText& after) {
    if (!ReadsWhole(after)) return ::testing::AssertionFailure() << after.Str() << " cannot be read";
    for (double x : corpus::SamplePoints) {
        auto a = corpus::ValueAt(before, x), b = corpus::ValueAt(after, x);
        if (a && b && std::fabs(*a - *b) > 1e-9 * std::max({1.0, std::fabs(*a), std::fabs(*b)}))
            return ::testing::AssertionFailure() << before << " = " << *a << ", " << after.Str() << " = " << *b
                                                 << " at x = " << x;
    }
    return ::testing::AssertionSuccess();
}

}  // namespace

using TreeTest = EngineTest;

TEST_F(TreeTest, ReadsExactlyWhatTheEvaluatorReadsWhole) {
    int parsed = 0;
    for (const auto& text : Texts()) {
        const ExpressionText t(text);
        Tree tree = ParseTree(t);
        EXPECT_EQ(tree != nullptr, ReadsWhole(t)) << text;
        parsed += tree != nullptr;
    }
    EXPECT_GT(parsed, 2000);
    EXPECT_FALSE(ErrorFlag);
    EXPECT_EQ(host.boxes, Lines{});
}

// Printing the tree as read, its canonical form and its expansion: the text
// reads back with the value of the typed text wherever that has one.
TEST_F(TreeTest, PrintCanonicalAndExpandKeepTheValue) {
    int compared = 0;
    for (const auto& text : Texts()) {
        Tree tree = ParseTree(ExpressionText(text));
        if (!tree || !corpus::WellConditioned(text)) continue;
        ++compared;
        ExpressionText printed;
        if (PrintTree(tree, printed)) EXPECT_TRUE(KeepsValue(text, printed)) << "printed";
        Tree c = Canonical(tree);
        if (PrintTree(c, printed)) EXPECT_TRUE(KeepsValue(text, printed)) << "canonical";
        EXPECT_TRUE(SameTree(c, Canonical(c))) << text << " -> " << PrintTree(c);
        Tree e = Expand(tree);
        if (e && PrintTree(e, printed)) EXPECT_TRUE(KeepsValue(text, printed)) << "expanded";
    }
    EXPECT_GT(compared, 2000);
}

TEST_F(TreeTest, TeacherForms) {
    ExpectTable(Data, "TeacherForm", [](const std::string& s) { return TeacherForm(s); });
    ExpectTable(Data, "Print", [](const std::string& s) { return Printed(ParseTree(s)); });
    ExpectTable(Data, "Expand", [](const std::string& s) { return Printed(Expand(ParseTree(s))); });
}

TEST_F(TreeTest, SameMathematicsOneCanonicalTree) {
    for (const CaseRow& row : CaseTable(Data, "Same"))
        EXPECT_TRUE(SameTree(Canonical(ParseTree(row[0])), Canonical(ParseTree(row[1])))) << row.where;
}

TEST_F(TreeTest, DeepNestingIsRefused) {
    auto nested = [](int depth) { return std::string(depth, '(') + "x" + std::string(depth, ')'); };
    EXPECT_NE(ParseTree(nested(MaxTreeDepth - 2)), nullptr);
    EXPECT_EQ(ParseTree(nested(MaxTreeDepth + 1)), nullptr);
    std::string calls = "x";
    for (int i = 0; i < 70; ++i) calls = "sin(" + calls + ")";
    EXPECT_EQ(ParseTree(calls), nullptr);
    EXPECT_EQ(Expand(ParseTree("(x+1)^32*(x+2)^32")), nullptr);
}

TEST_F(TreeTest, PolynomialCoefficientsAreExact) {
    for (const CaseRow& row : CaseTable(Data, "Coefficients")) {
        std::vector<TreeNumber> c;
        const bool ok = PolynomialCoefficients(ParseTree(row[0]), 'x', c);
        std::string s;
        for (const TreeNumber& n : c) s += (s.empty() ? "" : " ") + PrintTree(Num(n));
        EXPECT_EQ(ok ? s : "no", row[1]) << row.where;
        if (ok) EXPECT_TRUE(corpus::SameValue(row[0], PrintTree(PolynomialTree(c, 'x')))) << row.where;
    }
}

TEST_F(TreeTest, SubstituteAndNamedVariables) {
    Tree t = Substitute(ParseTree("x^2+sin(x)"), 'x', ParseTree("2*x+1"));
    EXPECT_EQ(PrintTree(t), "(2*x+1)^2+sin(2*x+1)");
    ParseOptions named{"abx"};
    EXPECT_EQ(Printed(ParseTree("a*b+e", named)), "(none)");  // e is no constant among named variables
    EXPECT_EQ(Printed(ParseTree("pi*x", named)), "pi*x");
    EXPECT_EQ(Printed(Canonical(ParseTree("b*a+a*b", named))), "2*a*b");
    EXPECT_EQ(ParseTree("y"), nullptr);
}
