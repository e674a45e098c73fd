// Numeric coefficients of terms: finding, moving and merging numeric factors.
#include <string>
#include <tuple>

#include "Coefficients.h"
#include "RecordingHost.h"

using Rows = std::initializer_list<std::pair<const char*, const char*>>;

using CoefficientsTest = EngineTest;

TEST_F(CoefficientsTest, LeadingNumber) {
    for (auto [term, expected] : Rows{
             {"3*x", "3"}, {"-3/4*x", "-3/4"}, {"(-2)*x", "(-2)"}, {"2^3*x", "2^3"}, {"x*3", ""}, {"2*x+1", ""},
             {"(3/4)*x", "(3/4)"}, {"(3/4", ""}, {"5/x", "5"}, {"-2^-3*x", "-2^-3"}, {"2.5*x", "2.5"}, {"", ""},
             {"-x", ""}, {"(-2^3)*x", "(-2^3)"},
             // A number that is only part of a factor is no leading number; 2e5 is one number.
             {"2.5^2*x", ""}, {"3/4^2*x", "3"}, {"3/4.5", "3"}, {"(3/4)^2*x", ""}, {"2^3^2", ""}, {"2^1.5", ""},
             {"2e5*x", ""}, {"3/4e2*x", "3"}})
        EXPECT_EQ(LeadingNumber(term, true).Str(), expected) << term;
    EXPECT_EQ(LeadingNumber("2*x+1", false).Str(), "2");
}

TEST_F(CoefficientsTest, NextNumericFactor) {
    for (auto [term, expected, at] : std::initializer_list<std::tuple<const char*, const char*, int>>{
             {"sin(2*x)*3", "*3", 9}, {"x*(3/4)", "*(3/4)", 2}, {"x/12", "/12", 2}, {"x*0.5*2", "*0.5", 2},
             {"x*3/4", "*3/4", 2}, {"(x+2)*x/2", "/2", 8}, {"x*3^2", "*3^2", 2}, {"x*3^-2*x", "*3^-2", 2},
             {"x/3/4", "/3", 2}, {"x*3^x", "", 0}, {"x*(2)^x", "", 0}, {"x*(x*2)", "", 0}, {"x", "", 0},
             {"x*(2", "", 0}, {"x*", "", 0}, {"x*2e1*3", "*3", 6}}) {
        int position = -1;
        EXPECT_EQ(NextNumericFactor(term, position).Str(), expected) << term;
        EXPECT_EQ(position, at) << term;
    }
}

TEST_F(CoefficientsTest, GatherCoefficient) {
    for (auto [term, expected] : Rows{
             {"2*x*3", "6*x"}, {"4*x/2", "2*x"}, {"x*3", "3*x"}, {"x/3", "1/3*x"}, {"-x/3", "-1/3*x"},
             {"2*x*(3/4)", "3/2*x"}, {"7", "7"}, {"x*(-3)", "-3*x"}, {"-x*(-3)", "3*x"}, {"x/(-3)", "-1/3*x"},
             {"-x^2*3", "-3*x^2"}, {"-2^2*x*3", "12*x"}, {"(-x)^2*3", "3*(-x)^2"}, {"x*3^2", "9*x"},
             {"2*x*2^-1", "1*x"}, {"x", "x"}, {"", ""},
             // Kept: a sum, a division by 0, decimals (3 decimals would change them), a bracket that is no number.
             {"x+x*3", "x+x*3"}, {"2*x/0", "2*x/0"}, {"x*2.5*2", "x*2.5*2"}, {"x*(1+2)", "x*(1+2)"},
             // Exact where a division by a fraction is concerned; a decimal comma is part of its number.
             {"x/(3/4)", "4/3*x"}, {"x/3/4", "1/3*x/4"}, {"2*x/3/4", "2/3*x/4"}, {"-x/x/3/3", "-1/3*x/x/3"},
             {"18,22*(-8)", "-8*18,22"}, {"2,5*x*2", "2,5*x*2"}})
        EXPECT_EQ(GatherCoefficient(term).Str(), expected) << term;
    EXPECT_TRUE(host.boxes.empty());
}

TEST_F(CoefficientsTest, PullOutBracketNumbers) {
    for (auto [term, expected] : Rows{
             {"2*(-3*x)", "-6*x"}, {"x/(-x)*(-2)", "2*x/x"}, {"(-x)", "-x"}, {"2*(-sin(x))", "-2*sin(x)"},
             {"sin(-x)*(-x)", "-sin(-x)*x"}, {"(-x^2)*3", "-x^2*3"}, {"-2^2*(-3)", "-12"}, {"x/(-x)", "-x/x"},
             {"x/(2)", "x/2"},
             // A minus of a power's base, in a sum or in another bracket stays.
             {"x*(-x)^2", "x*(-x)^2"}, {"x/(-x)^2", "x/(-x)^2"}, {"(-2^2*x)", "(-2^2*x)"}, {"x/(-x+1)", "x/(-x+1)"},
             {"2*(x+(-3*x))", "2*(x+(-3*x))"}, {"x^(-2)", "x^(-2)"}, {"(-(x+1))^2*(-1)", "-1*(-(x+1))^2"},
             {"2^x*(-3)", "-3*2^x"}, {"x*(-2", "x*(-2"}, {"(-0e+2)*x", "-0e+2*x"}})
        EXPECT_EQ(PullOutBracketNumbers(term).Str(), expected) << term;
}

TEST_F(CoefficientsTest, EvaluatePowerConstant) {
    for (auto [number, expected] : Rows{
             {"2^3", "8"}, {"2^-3", "1/8"}, {"-2^-3", "-1/8"}, {"-2^2", "4"}, {"-2^3", "-8"}, {"(-2^3)", "-8"},
             {"7", "7"}, {"0^-1", "0"}, {"1^2000000000", "1"}, {"2^31", "2^31"}, {"2^30", "1073741824"},
             {"x^2", "x^2"}, {"2^x", "2^x"}})
        EXPECT_EQ(EvaluatePowerConstant(number).Str(), expected) << number;
}

TEST_F(CoefficientsTest, IsFactorOf) {
    for (auto [factor, term] : Rows{{"x", "x"}, {"x", "2*x"}, {"x", "x*2"}, {"/x", "2/x"}, {"x", "sin(x)"}})
        EXPECT_TRUE(IsFactorOf(factor, term)) << factor << " in " << term;
    for (auto [factor, term] : Rows{{"x", "x^2"}, {"x", "2+x"}, {"y", "x"}, {"", "x"}})
        EXPECT_FALSE(IsFactorOf(factor, term)) << factor << " in " << term;
}
