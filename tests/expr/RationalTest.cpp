#include <string>

#include "Rational.h"
#include "RecordingHost.h"

using EvaluateRationalTest = EngineTest;

TEST_F(EvaluateRationalTest, ResultsAndMessages) {
    // "unwritten" is what the result held before the call.
    struct Row { const char* expr; const char* result; Lines boxes; } rows[] = {
        {"1/2+1/3", "5/6", {}},   {"2*3-4", "2", {}},       {"-3/4", "-3/4", {}},
        {"6/4", "3/2", {}},       {"4/(0-2)", "-2", {}},    {"1/(0-2)", "1/-2", {}},  // stays negative
        {"(0-4)/(0-2)", "2", {}}, {"(1+2)*3", "9", {}},     {"(2*3)", "6", {}},
        {"1/(1/2+1/2)", "1", {}}, {"1/2*4", "2", {}},       {"8/2/2", "2", {}},
        {"1/2/3/4", "2/3", {}},   // a fraction literal binds tighter: (1/2)/(3/4)
        {"2 + 3", "5", {}},       {" 5", "5", {}},          {"0/0", "0", {}},
        {"0-2147483647-1", "-2147483648", {}},
        {"2.5", "unwritten", {"Illegalt tegn i udtryk: 2.5", "Syntaksfejl i udtryk"}},
        {"-2.5", "unwritten", {"Illegalt tegn i udtryk: 0-2.5", "Syntaksfejl i udtryk"}},
        {"0*(7", "0", {"Syntaksfejl i udtryk: 0*(7"}},
        {"3+", "3", {"Syntaksfejl i udtryk: 3+"}},
        {"2)", "unwritten", {"Syntaksfejl i udtryk"}},
        {"(-3)", "-3", {"Syntaksfejl i udtryk: (-3)"}},
        {"3/x", "unwritten", {"Illegalt tegn i udtryk: 3/x", "Syntaksfejl i udtryk: 3/x", "Syntaksfejl i udtryk"}},
        {"5 ", "unwritten", {"Illegalt tegn i udtryk: 5 ", "Syntaksfejl i udtryk"}},
        {"", "0", {"Syntaksfejl i udtryk: "}},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.expr);
        host.boxes.clear();
        ExpressionText result("unwritten");
        EvaluateRational(r.expr, result);
        EXPECT_EQ(result, r.result);
        EXPECT_EQ(host.boxes, r.boxes);
        EXPECT_FALSE(ErrorFlag);
    }
}

TEST_F(EvaluateRationalTest, LeavesErrorFlagAlone) {
    ErrorFlag = true;
    ExpressionText result;
    EvaluateRational("1+1", result);
    EXPECT_EQ(result, "2");
    EXPECT_TRUE(ErrorFlag);
}

TEST_F(EvaluateRationalTest, LeadingMinusLosesNoCharacterOfAFullText) {
    std::string expr = "-2";
    for (int i = 0; i < 126; ++i) expr += "+1";
    expr += "5";  // 255 characters, the last term is 15
    ExpressionText result;
    EvaluateRational(expr, result);
    EXPECT_EQ(result, "138");
    EXPECT_EQ(TextCutCount, 0);
}

TEST_F(EvaluateRationalTest, ZeroDenominatorAndOverflowAreArithmeticFaults) {
    const std::string zero = "Regnefejl: division med 0 i br\xF8k";
    const std::string overflow = "Regnefejl: heltalsoverl\xF8" "b i br\xF8k";
    struct Row { const char* expr; const std::string& message; } rows[] = {
        {"1/0", zero}, {"1/0+1", zero}, {"2/(1-1)", zero}, {"2147483648", overflow},
        {"2147483647+1", overflow}, {"65536*65536", overflow}, {"1/65536*1/65536*1/2", overflow},
        {"-2147483648", overflow},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.expr);
        ExpressionText result("unwritten");
        try {
            EvaluateRational(r.expr, result);
            ADD_FAILURE() << "no fault";
        } catch (const ArithmeticFault& fault) {
            EXPECT_EQ(fault.what(), r.message);
        }
        EXPECT_EQ(result, "unwritten");
    }
}
