#include <string>
#include <vector>

#include "CaseTable.h"
#include "Differentiate.h"
#include "RecordingHost.h"

using DifferentiateExpressionTest = EngineTest;

const auto Repeat = [](const std::string& s, int n) {
    std::string r;
    while (n-- > 0) r += s;
    return r;
};

TEST_F(DifferentiateExpressionTest, BuildsTheRawDerivativeByTheRules) {
    ExpectTable("diff/data/differentiate.tsv", "Differentiate", [](const std::string& text) {
        ErrorFlag = false;
        ExpressionText d = DifferentiateExpression(text);
        EXPECT_FALSE(ErrorFlag) << text;
        return d;
    });
    // An x far beyond the 128th character of an operand still makes it f(x).
    EXPECT_EQ(DifferentiateExpression("2*(" + Repeat("1+", 70) + "x)").Str(), "2*((" + Repeat("0+", 70) + "1))");
    // A derivative longer than 255 characters is cut silently.
    ExpressionText d = DifferentiateExpression("x^2" + Repeat("+x^2", 62));
    EXPECT_EQ(d.View(), ("2*x^(2-1)" + Repeat("+2*x^(2-1)", 62)).substr(0, 255));
    EXPECT_GT(TextCutCount, 0);
    EXPECT_FALSE(ErrorFlag);
    EXPECT_EQ(host.boxes, Lines{});
}

TEST_F(DifferentiateExpressionTest, ErrorsAndTheirMessages) {
    for (const CaseRow& row : CaseTable("diff/data/differentiate.tsv", "DifferentiateError")) {
        ErrorFlag = false;
        host.boxes.clear();
        ExpressionText d = DifferentiateExpression(row[0]);
        if (row[1] != "*") { EXPECT_EQ(d.Str(), row[1]) << row.where; }
        EXPECT_TRUE(ErrorFlag) << row.where;
        EXPECT_EQ(host.boxes, Lines{row[2]}) << row.where;
    }
    // A reading error outlasts an Ignore; text left over may be Ignored.
    ErrorFlag = false;
    host.answers = {true};
    DifferentiateExpression("acot(x)");
    EXPECT_TRUE(ErrorFlag);
    ErrorFlag = false;
    host.answers = {true};
    DifferentiateExpression("2x");
    EXPECT_FALSE(ErrorFlag);
}

// Regression: fuzzing found 92 unclosed brackets overflowing the stack when the
// rules built their texts from many temporaries. Deep nesting of every kind ends.
TEST_F(DifferentiateExpressionTest, DeepNestingIsBounded) {
    auto nested = [](const std::string& open, int n) { return Repeat(open, n) + "x" + Repeat(")", n); };
    for (const std::string& t : {nested("(", 127), nested("sin(", 50), nested("x*(", 63), nested("x^(", 63),
                                 nested("-(", 126), "x" + Repeat("^x", 127), "x" + Repeat("/x", 127),
                                 "x" + Repeat("*x", 127), Repeat("sin(", 63) + "x*x", Repeat("(", 254) + '\0',
                                 Repeat("(-", 127)}) {
        ErrorFlag = false;
        DifferentiateExpression(t);
    }
}

