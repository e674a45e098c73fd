// Simpson's rule and the interval checks of an antiderivative.

#include "CaseTable.h"
#include "RecordingHost.h"
#include "Simpson.h"

namespace {

using SimpsonIntegralTest = EngineTest;

TEST_F(SimpsonIntegralTest, Values) {
    for (const CaseRow& c : CaseTable("numeric/data/methods.tsv", "Simpson")) {
        ErrorFlag = false;
        EXPECT_NEAR(SimpsonIntegral(c[0], c.Int(1), c.Number(2), c.Number(3)), c.Number(4), 1e-6) << c.where;
        EXPECT_FALSE(ErrorFlag) << c.where;
    }
}

TEST_F(SimpsonIntegralTest, UndefinedAtAPanelMiddleGivesZeroWithTheFlag) {
    EXPECT_EQ(SimpsonIntegral("sqrt(x)", 21, -2, -1), 0);
    EXPECT_TRUE(ErrorFlag);
}

TEST_F(SimpsonIntegralTest, AntiderivativeOnTheInterval) {
    for (const CaseRow& c : CaseTable("numeric/data/methods.tsv", "Holds"))
        EXPECT_EQ(AntiderivativeHoldsOn(c[0], c[1], 21, c.Number(2), c.Number(3)), c[4] == "1") << c.where;
    EXPECT_FALSE(ErrorFlag);
    EXPECT_TRUE(host.boxes.empty());
    EXPECT_TRUE(DefinedAtSimpsonPoints("x^2", 21, -1, 1));
    EXPECT_FALSE(DefinedAtSimpsonPoints("1/x", 21, -1, 1));
}

}  // namespace
