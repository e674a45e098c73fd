// The rewriting rules: the cases the tables exist for, the faults of plain
// text matching, every rule checked against its own replacement, and the
// sweeps over the expression corpus.
#include <string>

#include "ExpressionCorpus.h"
#include "RecordingHost.h"
#include "Rules.h"

using Rows = std::initializer_list<std::pair<const char*, const char*>>;
using Texts = std::initializer_list<const char*>;

namespace {
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

TEST_F(RulesTest, AlgebraRulesMergePowersAndMultiplyOut) {
    for (auto [in, out] : Rows{{"(x^2)^3", "x^6"},
                               {"(x^(-2))^3", "x^(-6)"},
                               {"2*(x+1)", "2*x+2"},
                               {"(2*x^2)^3", "2^3*x^6"},
                               {"(x+1)*(x-1)", "x*x-x+x-1"}})
        EXPECT_EQ(Algebra(in).Str(), out) << in;
    host.log.clear();
    Algebra("(x^2)^3");
    EXPECT_EQ(host.log, Lines{"Algebraisk omformning: (x^2)^3 -> x^(3*2)"});
}

// Each of these was rewritten to a text of another value (or an unreadable
// one) when patterns were matched as plain text.
TEST_F(RulesTest, AlgebraRulesMatchWholeFactorsAndTermsOnly) {
    for (auto [in, out] : Rows{
             {"(x^2+2*x+1)*x", "x^2*x+2*x*x+x"},   // a sum bound without brackets
             {"x*(x+1)+sin(x)", "x*x+x+sin(x)"},   // "$" ran to the next sign
             {"2*x-3*(x+1)", "2*x-(3*x+3)"},       // the minus before the match
             {"x^(-2)*(x+1)", "x^(-2)*x+x^(-2)"},  // x^*(x+1)-2*(x+1)
             {"exp(-x)*(x+1)", "exp(-x)*x+exp(-x)"},
             {"1/x*x", "1/x*x"},                   // 1/x^2
             {"sin(x)*(2*x)^2", "sin(x)*(2*x)^2"},  // only the first "(" is tried
             {"(x^2)^(1/2)", "(x^2)^(1/2)"},       // x: wrong for x < 0
             {"(x^x)^-3", "(x^x)^(-3)"}}) {        // x^(*x)-3
        ExpressionText r = Algebra(in);
        EXPECT_EQ(r.Str(), out) << in;
        EXPECT_TRUE(corpus::SameValue(in, r)) << in;
    }
    ExpressionText r = Algebra("2*(x+1)*(x+2)");
    EXPECT_TRUE(corpus::SameValue("2*(x+1)*(x+2)", r)) << r.Str();
    EXPECT_FALSE(r.Contains('('));
}

TEST_F(RulesTest, FunctionRulesApplyIdentities) {
    for (auto [in, out] : Rows{{"sqrt(1-cos(x)^2)", "abs(sin(x))"},
                               {"cos(2*x)^2+sin(2*x)^2", "1"},
                               {"cos(2*x)^2+sin(x)^2", "cos(2*x)^2+sin(x)^2"},
                               {"sqrt(1-cos(ln(x))^2)", "abs(sin(ln(x)))"},
                               {"x^2*x^3", "x^5"},
                               {"x*x^12", "x^13"},
                               {"sqrt(1-cos(2*x)^2)", "sqrt(1-cos(2*x)^2)"},
                               {"sin(x)/cos(x)^2", "sin(x)/cos(x)^2"},
                               {"sin(x)/cos(x)", "tan(x)"},
                               {"exp(x)^2", "exp(2*x)"},
                               {"x^(-2)/x", "x^(-3)"},
                               {"ln(sqrt(x))", "1/2*ln(x)"}})
        EXPECT_EQ(Functions(in).Str(), out) << in;
}

// Identities that hold only for part of the line are written in the form
// that holds wherever the pattern is defined, and matches respect the
// operators around them and the brackets of the bindings.
TEST_F(RulesTest, FunctionRulesKeepValuesEverywhere) {
    for (auto [in, out] : Rows{
             {"sqrt(x^2)", "abs(x)"},
             {"ln(x^2)", "2*ln(abs(x))"},
             {"sqrt(1-sin(ln(x))^2)", "abs(cos(ln(x)))"},
             {"ln((-2)*(-3))", "ln(6)"},             // not ln(-2)+ln(-3)
             {"(x^2)^(1/2)", "(x^2)^(1/2)"},
             {"2*cos(x)^2+sin(x)^2", "2*cos(x)^2+sin(x)^2"},  // 2*1
             {"x-1-cos(x)^2", "x-1-cos(x)^2"},      // x-sin(x)^2
             {"asin(x)/cos(x)", "asin(x)/cos(x)"},  // the sin of asin
             {"x^x*x", "x^x*x"},
             {"3*-x^2*x+x^2", "3*(-x)^2*x+x^2"},    // not 3*-(x^(2+1)): the minus belongs to the base
             {"cos(x+1)^2-sin(x+1)^2", "cos(2*(x+1))"},
             {"(x-2/3)^2", "(x^2+(2/3)^2-4/3*x)"},
             {"1/(11-1)", "1/10"}}) {                // grew by itself every sweep
        ExpressionText r = Functions(in);
        EXPECT_EQ(r.Str(), out) << in;
        EXPECT_TRUE(corpus::SameValue(in, r)) << in;
    }
}

TEST_F(RulesTest, LiteralsAndVariablesAreReplacedAsWholeUnits) {
    EXPECT_EQ(ReplaceLiteral("exp(x)", "x", "t").Str(), "exp(t)");
    EXPECT_EQ(ReplaceLiteral("x*x+2/x*x", "x*x", "x^2").Str(), "x^2+2/x*x");
    EXPECT_EQ(ReplaceLiteral("x+x", "x", "x+x").Str(), "x+x+x+x");  // one pass, no loop
    EXPECT_EQ(SubstituteVariable("2^x", "x", "a+b").Str(), "2^(a+b)");
    EXPECT_EQ(SubstituteVariable("x^2", "x", "a+b").Str(), "(a+b)^2");
    EXPECT_EQ(SubstituteVariable("3*x+exp(x)", "x", "x^2").Str(), "3*x^2+exp(x^2)");
    EXPECT_EQ(SubstituteVariable("t*t", "t", "t+1").Str(), "(t+1)*(t+1)");
    EXPECT_EQ(SubstituteVariable("1-t", "t", "-u").Str(), "1-(-u)");
    EXPECT_EQ(FindFunctionName("2*asin(x)").Str(), "sin");
    EXPECT_EQ(FindFunctionName("x^2").Str(), "");
}

TEST_F(RulesTest, MatchersLeaveUnbalancedAndBrokenTextsAlone) {
    for (const char* text : Texts{"(x+1*(x", "x+1)*(x", "((x^2)^3", ")(", "*(+)", "(?^&)^$", "x^^2"}) {
        for (const AlgebraRule& rule : AlgebraRules)
            EXPECT_EQ(MatchRule(text, rule.pattern, rule.replacement, rule.digitsOnly).Str(), text) << text;
    }
    EXPECT_EQ(TextPrecedence("(x+1"), 0);
    EXPECT_EQ(TextPrecedence("x+1"), 1);
    EXPECT_EQ(TextPrecedence("2*x^2"), 2);
    EXPECT_EQ(TextPrecedence("x^-2"), 3);
    EXPECT_EQ(TextPrecedence("(x+1)"), 4);
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
