#include <string>

#include "Differentiate.h"
#include "RecordingHost.h"

using ReplaceAllTest = EngineTest;

TEST_F(ReplaceAllTest, ReplacesEveryOccurrence) {
    EXPECT_EQ(ReplaceAll("sin(x)+sin(2*x)", "sin", "cos"), "cos(x)+cos(2*x)");
    EXPECT_EQ(ReplaceAll("a b  c", " ", ""), "abc");
    EXPECT_EQ(ReplaceAll("x+1", "y", "z"), "x+1");
    EXPECT_EQ(ReplaceAll("x+1", "", "z"), "x+1");
}

TEST_F(ReplaceAllTest, StartsAgainFromTheBeginningAfterEachReplacement) {
    // A left-to-right pass would leave "ab"; the restart meets the new one.
    EXPECT_EQ(ReplaceAll("aab", "ab", "b"), "b");
}

TEST_F(ReplaceAllTest, CutsTheResultAt255) {
    ExpressionText r = ReplaceAll(std::string(200, 'a'), "a", "bb");
    EXPECT_EQ(r.Str(), std::string(255, 'b'));
    EXPECT_GT(TextCutCount, 0);
}

TEST_F(ReplaceAllTest, ReplacementHoldingThePatternEnds) {
    EXPECT_EQ(ReplaceAll("x+x", "x", "(x)"), "(x)+(x)");
    EXPECT_EQ(ReplaceAll(std::string(255, 'x'), "x", "xx").Str(), std::string(255, 'x'));
}
