// The rewriting rules: the cases the tables exist for and the faults of plain
// text matching (data/rules.tsv), every rule checked against its own
// replacement, and the sweeps over the expression corpus.
#include <string>

#include "CaseTable.h"
#include "ExpressionCorpus.h"
#include "RecordingHost.h"
#include "Rules.h"

namespace {
const char* const Cases = "simplify/data/rules.tsv";
ExpressionText Algebra(const ExpressionText& text) {
    ExpressionText r;
    ApplyAlgebraRules(text, r);
    return r;
}
ExpressionText Functions(const ExpressionText& text) {
    ExpressionText r;
    ApplyFunctionRules(text, r);
    return r;
}
}  // namespace

using RulesTest = EngineTest;

TEST_F(RulesTest, SweepsGiveTheirCasesAndKeepValues) {
    using Sweep = ExpressionText (*)(const ExpressionText&);
    const std::pair<const char*, Sweep> sweeps[] = {
        {"Algebra", Algebra}, {"AlgebraValue", Algebra}, {"Functions", Functions}, {"FunctionValue", Functions}};
    for (auto [table, sweep] : sweeps)
        for (const CaseRow& row : CaseTable(Cases, table)) {
            const ExpressionText r = sweep(row[0]);
            EXPECT_EQ(r.Str(), row[1]) << row.where;
            if (std::string_view(table).ends_with("Value")) {
                EXPECT_TRUE(corpus::SameValue(row[0], r)) << row.where;
            }
        }
    ExpressionText r = Algebra("2*(x+1)*(x+2)");
    EXPECT_TRUE(corpus::SameValue("2*(x+1)*(x+2)", r)) << r.Str();
    EXPECT_FALSE(r.Contains('('));
    host.log.clear();
    Algebra("(x^2)^3");
    EXPECT_EQ(host.log, Lines{"Algebraisk omformning: (x^2)^3 -> x^(3*2)"});
}

TEST_F(RulesTest, LiteralsVariablesAndNamesAreWholeUnits) {
    for (const CaseRow& row : CaseTable(Cases, "Literal"))
        EXPECT_EQ(ReplaceLiteral(row[0], row[1], row[2]).Str(), row[3]) << row.where;
    for (const CaseRow& row : CaseTable(Cases, "Substitute"))
        EXPECT_EQ(SubstituteVariable(row[0], row[1], row[2]).Str(), row[3]) << row.where;
    ExpectTable(Cases, "FunctionName", [](const std::string& t) { return FindFunctionName(t); });
    ExpectTable(Cases, "Precedence", [](const std::string& t) { return std::to_string(TextPrecedence(t)); });
    for (const CaseRow& row : CaseTable(Cases, "Broken"))
        for (const AlgebraRule& rule : AlgebraRules)
            EXPECT_EQ(MatchRule(row[0], rule.pattern, rule.replacement, rule.digitsOnly).Str(), row[0]) << row.where;
}

namespace {
// Bindings the tables are checked with: numbers, x, sums, products,
// powers, functions, signed texts.
const char* const Bindings[] = {"2", "3", "1/2", "x", "x+1", "2*x", "x^2", "sin(x)", "-x", "(x-1)"};

ExpressionText Instantiate(std::string_view pattern, const char* a, const char* b, const char* c) {
    std::string s;
    int question = 0;
    for (char ch : pattern) {
        if (ch == '?') s += question++ == 0 ? a : a;  // a repeated "?" binds the same text
        else if (ch == '&') s += b;
        else if (ch == '$') s += c;
        else s += ch;
    }
    return ExpressionText(s);
}
}  // namespace

// Every rule, read as the program reads texts: wherever a matcher rewrites
// an instance of the rule's pattern, the value stays; and every rule applies
// to some instance.
TEST_F(RulesTest, EveryRuleKeepsTheValueOfWhatItRewrites) {
    for (std::size_t i = 0; i < AlgebraRules.size(); ++i) {
        const AlgebraRule& rule = AlgebraRules[i];
        int applied = 0;
        for (const char* a : Bindings)
            for (const char* b : Bindings)
                for (const char* c : Bindings) {
                    ExpressionText text = Instantiate(rule.pattern, a, b, c);
                    ExpressionText r = MatchRule(text, rule.pattern, rule.replacement, rule.digitsOnly);
                    if (r == text) continue;
                    ++applied;
                    EXPECT_TRUE(corpus::SameValue(text, r)) << "algebra rule " << i + 1;
                }
        EXPECT_GT(applied, 0) << "algebra rule " << i + 1 << " " << rule.pattern;
    }
    for (std::size_t i = 0; i < FunctionRules.size(); ++i) {
        const FunctionRule& rule = FunctionRules[i];
        int applied = 0;
        for (const char* a : Bindings)
            for (const char* b : Bindings) {
                ExpressionText text = Instantiate(rule.pattern, a, b, "");
                ExpressionText r;
                switch (rule.matcher) {
                    case RuleMatcher::Literal: r = ReplaceLiteral(text, rule.pattern, rule.replacement); break;
                    case RuleMatcher::OneWildcard:
                        r = ReplaceOneWildcard(rule.kind, text, rule.pattern, rule.replacement);
                        break;
                    case RuleMatcher::TwoWildcards:
                        r = ReplaceTwoWildcards(rule.kind, text, rule.pattern, rule.replacement);
                        break;
                }
                if (r == text) continue;
                ++applied;
                EXPECT_TRUE(corpus::SameValue(text, r)) << "function rule " << i + 1;
            }
        EXPECT_GT(applied, 0) << "function rule " << i + 1 << " " << rule.pattern;
    }
}

TEST_F(RulesTest, SweepsKeepTheValueOfTheCorpus) {
    std::vector<std::string> texts = corpus::SchoolExpressions();
    for (const auto& t : corpus::RandomExpressions(11, 1500, 100)) texts.push_back(t);
    int changed = 0;
    for (const auto& text : texts) {
        if (!corpus::ValueAt(text, 0.4) && !corpus::ValueAt(text, 1.3)) continue;
        try {
            ErrorFlag = false;
            ExpressionText a = text, f = text;
            ApplyAlgebraRules(text, a);
            ApplyFunctionRules(text, f);
            EXPECT_TRUE(corpus::SameValue(text, a)) << "algebra";
            EXPECT_TRUE(corpus::SameValue(text, f)) << "functions";
            changed += a.Str() != text || f.Str() != text;
        } catch (const ArithmeticFault&) {  // 32-bit overflow in the final fraction pass
        }
    }
    EXPECT_GT(changed, 200);
}
