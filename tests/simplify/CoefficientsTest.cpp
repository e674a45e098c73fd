#include <string>

#include "Coefficients.h"
#include "ExpressionCorpus.h"
#include "RecordingHost.h"
#include "Reduce.h"

namespace {

struct Case {
    const char* input;
    const char* expected;
};

}  // namespace

using CoefficientsTest = EngineTest;

TEST_F(CoefficientsTest, LeadingNumber) {
    struct Row {
        const char* term;
        bool strict;
        const char* expected;
    };
    const Row rows[] = {
        {"3*x", true, "3"}, {"-3/4*x", true, "-3/4"}, {"(-2)*x", true, "(-2)"}, {"2^3*x", true, "2^3"},
        {"x*3", true, ""}, {"2*x+1", true, ""}, {"2*x+1", false, "2"}, {"(3/4)*x", true, "(3/4)"},
        {"(3/4", true, ""}, {"5/x", true, "5"}, {"-2^-3*x", true, "-2^-3"}, {"2.5*x", true, "2.5"},
        {"", true, ""}, {"-x", true, ""},
        // A number that is only part of a factor is no leading number.
        {"2.5^2*x", true, ""}, {"3/4^2*x", true, "3"}, {"3/4.5", true, "3"}, {"(3/4)^2*x", true, ""},
        {"2^3^2", true, ""}, {"2^1.5", true, ""}, {"(-2^3)*x", true, "(-2^3)"},
        // 2e5 is a number in exponent form, not 2 followed by e.
        {"2e5*x", true, ""}, {"3/4e2*x", true, "3"},
    };
    for (const auto& r : rows) EXPECT_EQ(LeadingNumber(r.term, r.strict).Str(), r.expected) << r.term;
}

TEST_F(CoefficientsTest, NextNumericFactor) {
    struct Row {
        const char* term;
        const char* expected;
        int position;
    };
    const Row rows[] = {
        {"sin(2*x)*3", "*3", 9}, {"x*(3/4)", "*(3/4)", 2}, {"x/12", "/12", 2}, {"x*0.5*2", "*0.5", 2},
        {"x*3/4", "*3/4", 2}, {"(x+2)*x/2", "/2", 8}, {"x*3^2", "*3^2", 2}, {"x*3^-2*x", "*3^-2", 2},
        {"x/3/4", "/3", 2}, {"x*3^x", "", 0}, {"x*(2)^x", "", 0}, {"x*(x*2)", "", 0}, {"x", "", 0},
        {"x*(2", "", 0}, {"x*", "", 0}, {"x*2e1*3", "*3", 6},
    };
    for (const auto& r : rows) {
        int position = -1;
        EXPECT_EQ(NextNumericFactor(r.term, position).Str(), r.expected) << r.term;
        EXPECT_EQ(position, r.position) << r.term;
    }
}

TEST_F(CoefficientsTest, GatherCoefficient) {
    const Case cases[] = {
        {"2*x*3", "6*x"}, {"4*x/2", "2*x"}, {"x*3", "3*x"}, {"x/3", "1/3*x"}, {"-x/3", "-1/3*x"},
        {"2*x*(3/4)", "3/2*x"}, {"7", "7"}, {"x*(-3)", "-3*x"}, {"-x*(-3)", "3*x"}, {"x/(-3)", "-1/3*x"},
        {"2*(-3*x)", "-6*x"}, {"-x^2*3", "-3*x^2"}, {"-2^2*x*3", "12*x"}, {"(-x)^2*3", "3*(-x)^2"},
        {"x*3^2", "9*x"}, {"2*x*2^-1", "1*x"}, {"x", "x"}, {"", ""},
        // Kept as they are: a sum, a division by 0, decimals (folded to 3
        // decimals they would change), a bracket that is no plain number.
        {"x+x*3", "x+x*3"}, {"2*x/0", "2*x/0"}, {"x*2.5*2", "x*2.5*2"}, {"x*(1+2)", "x*(1+2)"},
        // Exact where a division by a fraction is concerned.
        {"x/(3/4)", "4/3*x"}, {"x/3/4", "1/3*x/4"}, {"2*x/3/4", "2/3*x/4"}, {"-x/x/3/3", "-1/3*x/x/3"},
        // A decimal comma is part of its number.
        {"18,22*(-8)", "-8*18,22"}, {"2,5*x*2", "2,5*x*2"},
    };
    for (const auto& c : cases) EXPECT_EQ(GatherCoefficient(c.input).Str(), c.expected) << c.input;
    EXPECT_TRUE(host.boxes.empty());
}

TEST_F(CoefficientsTest, PullOutBracketNumbers) {
    const Case cases[] = {
        {"2*(-3*x)", "-6*x"}, {"x/(-x)*(-2)", "2*x/x"}, {"(-x)", "-x"}, {"2*(-sin(x))", "-2*sin(x)"},
        {"sin(-x)*(-x)", "-sin(-x)*x"}, {"(-x^2)*3", "-x^2*3"}, {"-2^2*(-3)", "-12"}, {"x/(-x)", "-x/x"},
        {"x/(2)", "x/2"},
        // A minus that belongs to a power, or stands in a sum or in another
        // bracket, stays where it is.
        {"x*(-x)^2", "x*(-x)^2"}, {"x/(-x)^2", "x/(-x)^2"}, {"(-2^2*x)", "(-2^2*x)"}, {"x/(-x+1)", "x/(-x+1)"},
        {"2*(x+(-3*x))", "2*(x+(-3*x))"}, {"x^(-2)", "x^(-2)"}, {"(-(x+1))^2*(-1)", "-1*(-(x+1))^2"},
        {"2^x*(-3)", "-3*2^x"}, {"x*(-2", "x*(-2"}, {"(-0e+2)*x", "-0e+2*x"},
    };
    for (const auto& c : cases) EXPECT_EQ(PullOutBracketNumbers(c.input).Str(), c.expected) << c.input;
}

TEST_F(CoefficientsTest, IsFactorOfAndLastPosition) {
    struct Row {
        const char* factor;
        const char* term;
        bool expected;
    };
    const Row rows[] = {
        {"x", "x", true}, {"x", "2*x", true}, {"x", "x*2", true}, {"/x", "2/x", true}, {"x", "sin(x)", true},
        {"x", "x^2", false}, {"x", "2+x", false}, {"y", "x", false}, {"", "x", false},
    };
    for (const auto& r : rows) EXPECT_EQ(IsFactorOf(r.factor, r.term), r.expected) << r.factor << " in " << r.term;
    EXPECT_EQ(LastPosition("x", "x*x+x"), 5);
    EXPECT_EQ(LastPosition("xx", "xxx"), 2);
    EXPECT_EQ(LastPosition("y", "x"), 0);
    EXPECT_EQ(LastPosition("", "x"), 0);
}

TEST_F(CoefficientsTest, EvaluatePowerConstant) {
    const Case cases[] = {
        {"2^3", "8"}, {"2^-3", "1/8"}, {"-2^-3", "-1/8"}, {"-2^2", "4"}, {"-2^3", "-8"}, {"(-2^3)", "-8"},
        {"7", "7"}, {"0^-1", "0"}, {"1^2000000000", "1"}, {"2^31", "2^31"}, {"2^30", "1073741824"},
        {"x^2", "x^2"}, {"2^x", "2^x"},
    };
    for (const auto& c : cases) EXPECT_EQ(EvaluatePowerConstant(c.input).Str(), c.expected) << c.input;
}

TEST_F(CoefficientsTest, GatheringKeepsTheValueOfTerms) {
    std::vector<std::string> texts = corpus::SchoolExpressions();
    for (unsigned seed : {4u, 5u}) {
        auto more = corpus::RandomExpressions(seed, 1500);
        texts.insert(texts.end(), more.begin(), more.end());
    }
    int changed = 0;
    for (const auto& text : texts) {
        ExpressionText term = FirstTerm(text);
        if (term.Empty()) continue;
        try {
            ExpressionText gathered = GatherCoefficient(term);
            EXPECT_TRUE(corpus::SameValue(term, gathered));
            EXPECT_TRUE(corpus::SameValue(term, PullOutBracketNumbers(term)));
            changed += gathered != term;
        } catch (const ArithmeticFault&) {
            // 32-bit overflow of an exact coefficient
        }
    }
    EXPECT_GT(changed, 300);
    EXPECT_TRUE(host.boxes.empty());
}
