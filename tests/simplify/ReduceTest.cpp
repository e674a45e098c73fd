// Reduction of terms, the term predicates and exact constant folding; the
// case tables are in data/reduce.tsv.
#include <string>

#include "CaseTable.h"
#include "RecordingHost.h"
#include "Reduce.h"

namespace {
const std::string Data = "simplify/data/reduce.tsv";
}

using ReduceTest = EngineTest;

TEST_F(ReduceTest, CaseTables) {
    ExpectTable(Data, "ReduceExpression", ReduceExpression);
    ExpectTable(Data, "ReduceTerm", ReduceTerm);
    ExpectTable(Data, "FirstTerm", FirstTerm);
    ExpectTable(Data, "IsSingleTerm", IsSingleTerm);
    ExpectTable(Data, "IsAtomic", IsAtomic);
}

TEST_F(ReduceTest, ReduceExpressionKeepsWhatItCannotReduceSafely) {
    ExpectTable(Data, "ReduceKeeps", ReduceExpression);
    EXPECT_TRUE(host.log.empty());
    EXPECT_TRUE(host.boxes.empty());
    EXPECT_FALSE(ErrorFlag);
}

TEST_F(ReduceTest, ReduceExpressionLogsOnceWithoutTheLeadingMinus) {
    ReduceExpression("-x^2/x");
    ReduceExpression("x*x+x*x*x");
    EXPECT_EQ(host.log, (Lines{"Reduktion: x^2/x -> x", "Reduktion: x*x+x*x*x -> x^2+x^3"}));
}

TEST_F(ReduceTest, LongAndDeepTextsEndAndAreNotCut) {
    std::string nested = std::string(127, '(') + "x" + std::string(127, ')');
    EXPECT_EQ(ReduceExpression(nested).Str(), "x");
    std::string open = std::string(254, '(') + "x";
    EXPECT_EQ(ReduceExpression(open).Str(), open);
    EXPECT_FALSE(IsAtomic(open));
    std::string product = "x";
    while (product.size() < 250) product += "*x";
    EXPECT_EQ(ReduceExpression(product).Str(), product);  // 126 factors: too many
    // Fuzz finding: a result longer than 255 characters was cut.
    std::string terms = "y/a/b";
    while (terms.size() < 255) terms = "1+" + terms;
    EXPECT_EQ(ReduceExpression(terms).Str(), terms);
    EXPECT_EQ(ReduceExpression(terms.substr(4)).Str(), terms.substr(4, 246) + "y/(a*b)");
    std::string factor = "sin(12+";
    while (factor.size() < 247) factor += "1+";
    factor += "x)*y/a/b";
    EXPECT_EQ(ReduceTerm(factor).Str(), factor);
    EXPECT_EQ(ReduceExpression(factor).Str(), factor);
}


TEST_F(ReduceTest, ConstantsFoldExactlyOrWithThreeDecimals) {
    for (const CaseRow& row : CaseTable(Data, "FoldConstants")) {
        ExpressionText result("old");
        const char op = row[2][0];
        (op == '+' || op == '-' ? AddConstants : MultiplyConstants)(row[0], row[1], op, result);
        EXPECT_EQ(result.Str(), row[3]) << row.where;
    }
    EXPECT_TRUE(host.boxes.empty());
}

TEST_F(ReduceTest, ConstantsKeepTheResultWhenNothingIsFolded) {
    ExpressionText r("old");
    AddConstants("1", "2", '*', r);
    EXPECT_EQ(r.Str(), "old");
    EXPECT_THROW(MultiplyConstants("1.5", "0", '/', r), ArithmeticFault);
    EXPECT_THROW(MultiplyConstants("1", "0", '/', r), ArithmeticFault);
    MultiplyConstants("-2", "3)", '*', r);  // nothing written: the old text came back negated
    EXPECT_EQ(r.Str(), "old");
    host.boxes.clear();
    AddConstants("1.5", "x", '+', r);
    EXPECT_EQ(r.Str(), "old");
    EXPECT_TRUE(ErrorFlag);
    EXPECT_EQ(host.boxes, Lines{"Fejl ved udregning af talkonstant 1.5 eller x"});
}
