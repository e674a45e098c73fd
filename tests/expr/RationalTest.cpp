#include <string>

#include "Rational.h"
#include "RecordingHost.h"

using EvaluateRationalTest = EngineTest;

TEST_F(EvaluateRationalTest, ResultsAndMessages) {
    // "unwritten" is what the result held before the call.
    struct Row { const char* expr; const char* result; Lines boxes; } rows[] = {
        {"1/2+1/3", "5/6", {}}, {"2*3-4", "2", {}}, {"-3/4", "-3/4", {}}, {"6/4", "3/2", {}}, {"4/(0-2)", "-2", {}},
        {"1/(0-2)", "1/-2", {}}, {"(0-4)/(0-2)", "2", {}}, {"(1+2)*3", "9", {}}, {"(2*3)", "6", {}}, {"0/0", "0", {}},
        {"1/(1/2+1/2)", "1", {}}, {"1/2*4", "2", {}}, {"2 + 3", "5", {}}, {"0-2147483647-1", "-2147483648", {}},
        {"1/2/3/4", "2/3", {}},  // a fraction literal binds tighter: (1/2)/(3/4)
        {"2.5", "unwritten", {"Illegalt tegn i udtryk: 2.5", "Syntaksfejl i udtryk"}},
        {"-2.5", "unwritten", {"Illegalt tegn i udtryk: 0-2.5", "Syntaksfejl i udtryk"}},
        {"0*(7", "0", {"Syntaksfejl i udtryk: 0*(7"}}, {"3+", "3", {"Syntaksfejl i udtryk: 3+"}},
        {"2)", "unwritten", {"Syntaksfejl i udtryk"}}, {"(-3)", "-3", {"Syntaksfejl i udtryk: (-3)"}},
        {"3/x", "unwritten", {"Illegalt tegn i udtryk: 3/x", "Syntaksfejl i udtryk: 3/x", "Syntaksfejl i udtryk"}},
        {"5 ", "unwritten", {"Illegalt tegn i udtryk: 5 ", "Syntaksfejl i udtryk"}},
        {"", "0", {"Syntaksfejl i udtryk: "}},
    };
    for (const Row& r : rows) {
        host.boxes.clear();
        ExpressionText result("unwritten");
        EvaluateRational(r.expr, result);
        EXPECT_EQ(result, r.result) << r.expr;
        EXPECT_EQ(host.boxes, r.boxes) << r.expr;
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
