#include <string>

#include "CaseTable.h"
#include "Rational.h"
#include "RecordingHost.h"

using EvaluateRationalTest = EngineTest;

TEST_F(EvaluateRationalTest, ResultsAndMessages) {
    for (const CaseRow& row : CaseTable("expr/data/rational.tsv", "EvaluateRational")) {
        host.boxes.clear();
        ExpressionText result("unwritten");
        EvaluateRational(row[0], result);
        EXPECT_EQ(result.Str(), row[1]) << row.where;
        EXPECT_EQ(host.boxes, Lines(row.begin() + 2, row.end())) << row.where;
    }
    EXPECT_FALSE(ErrorFlag);
    ErrorFlag = true;  // neither read nor written
    ExpressionText result;
    EvaluateRational("1+1", result);
    EXPECT_EQ(result, "2");
    EXPECT_TRUE(ErrorFlag);
}

// A leading minus gets a 0 in front; a full 255-character text keeps its last character.
TEST_F(EvaluateRationalTest, LeadingMinusLosesNoCharacterOfAFullText) {
    std::string expr = "-2";
    for (int i = 0; i < 126; ++i) expr += "+1";
    ExpressionText result;
    EvaluateRational(expr + "5", result);  // 255 characters, the last term is 15
    EXPECT_EQ(result, "138");
    EXPECT_EQ(TextCutCount, 0);
}

TEST_F(EvaluateRationalTest, ZeroDenominatorAndOverflowAreArithmeticFaults) {
    for (const char* expr : {"1/0", "2/(1-1)", "2147483648", "2147483647+1", "65536*65536", "1/65536*1/65536"}) {
        ExpressionText result("unwritten");
        EXPECT_THROW(EvaluateRational(expr, result), ArithmeticFault) << expr;
        EXPECT_EQ(result, "unwritten");
    }
}
