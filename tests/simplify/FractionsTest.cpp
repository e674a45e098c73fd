// The decimal-to-fraction pass, the tidy rules and the text predicates beside
// them; the case tables are in data/fractions.tsv.
#include <string>

#include "CaseTable.h"
#include "ExpressionCorpus.h"
#include "Fractions.h"
#include "RecordingHost.h"

static ExpressionText Convert(const ExpressionText& text) {
    ExpressionText result;
    DecimalsToFractions(text, result);
    return result;
}

namespace {
const std::string Data = "simplify/data/fractions.tsv";
}

using FractionsTest = EngineTest;

TEST_F(FractionsTest, DecimalsToFractionsConvertsFoldsAndTidies) {
    ExpectTable(Data, "DecimalsToFractions", [](const std::string& in) {
        ExpressionText out = Convert(in);
        EXPECT_FALSE(ErrorFlag) << in;
        return out;
    });
    EXPECT_TRUE(host.boxes.empty());
}

TEST_F(FractionsTest, DecimalsToFractionsLogsOnlyWhenADecimalWasConverted) {
    Convert("0.25*x");
    Convert("2*x*3+x*1");
    Convert("");
    EXPECT_EQ(host.log, Lines{"Kovertering af decimalkommatal til br\xF8ker: fx = 1/4*x"});
}

// Fuzz and value-check findings: each result had another value.
TEST_F(FractionsTest, DecimalsToFractionsRegressions) {
    for (const CaseRow& row : CaseTable(Data, "KeepsValue")) {
        EXPECT_TRUE(corpus::SameValue(row[0], Convert(row[0]))) << row.where;
        EXPECT_FALSE(ErrorFlag) << row.where;
    }
    std::string decimals = "0.51*x";
    while (decimals.size() < 240) decimals += "+0.51*x";
    EXPECT_EQ(Convert(decimals).Length(), 255);
    EXPECT_GT(TextCutCount, 0);  // a cut result is counted for the handlers
    EXPECT_TRUE(host.boxes.empty());
}

TEST_F(FractionsTest, DecimalsToFractionsReportsReadingErrors) {
    for (const CaseRow& row : CaseTable(Data, "DecimalsToFractionsError")) {
        host.boxes.clear();
        ErrorFlag = false;
        Convert(row[0]);
        EXPECT_TRUE(ErrorFlag) << row.where;
        EXPECT_EQ(host.boxes, Lines{row[1]}) << row.where;
    }
    ErrorFlag = false;
    Convert(std::string(200, '(') + "x");  // deeper than any balanced text
    EXPECT_TRUE(ErrorFlag);
    host.ignoreAll = true;  // Ignore clears the flag
    ErrorFlag = false;
    Convert("(x+1");
    EXPECT_FALSE(ErrorFlag);
}

TEST_F(FractionsTest, TidyExpressionAppliesTheRulesWhereTheyKeepTheValue) {
    ExpectTable(Data, "TidyExpression", TidyExpression);
    ExpectTable(Data, "TidyKeeps", TidyExpression);
    std::string stars;
    while (stars.size() < 255) stars += "x*-x";
    ExpressionText full(stars), tidy = TidyExpression(full);  // no room for the brackets of "*-"
    EXPECT_TRUE(corpus::SameValue(full, tidy));
}

TEST_F(FractionsTest, FractionTextsAndCompleteExpressions) {
    ExpectTable(Data, "IsFractionText", IsFractionText);
    ExpectTable(Data, "ReadsAsExpression", ReadsAsExpression);
    std::string balanced = std::string(120, '(') + "x" + std::string(120, ')');
    EXPECT_EQ(Convert(balanced).Str(), "x");
    EXPECT_TRUE(ReadsAsExpression(balanced));
    EXPECT_FALSE(ReadsAsExpression(std::string(200, '(') + "x"));
    ErrorFlag = true;
    EXPECT_TRUE(ReadsAsExpression("x+1"));
    EXPECT_TRUE(ErrorFlag);
    EXPECT_TRUE(host.boxes.empty());
    EXPECT_TRUE(host.log.empty());
}
