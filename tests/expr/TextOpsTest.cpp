// The prefix form, the bracket matcher and ReplaceAll; the case tables are in
// data/textops.tsv.
#include <string>

#include "CaseTable.h"
#include "PrefixForm.h"
#include "RecordingHost.h"
#include "TextOps.h"

namespace {
const std::string Data = "expr/data/textops.tsv";
}

using TextOpsTest = EngineTest;

TEST_F(TextOpsTest, ToPrefixFormWritesOperatorsInFrontFullyBracketed) {
    ExpectTable(Data, "ToPrefixForm", ToPrefixForm);
    EXPECT_TRUE(host.boxes.empty());
    EXPECT_FALSE(ErrorFlag);
    std::string nested = std::string(127, '(') + "x" + std::string(127, ')');
    EXPECT_EQ(ToPrefixForm(nested).Str(), "x");
}

TEST_F(TextOpsTest, ToPrefixFormReportsUnreadableTexts) {
    for (const CaseRow& row : CaseTable(Data, "ToPrefixFormError")) {
        host.boxes.clear();
        ErrorFlag = false;
        ToPrefixForm(row[0]);
        EXPECT_TRUE(ErrorFlag) << row.where;
        EXPECT_EQ(host.boxes, Lines{row[1]}) << row.where;
    }
    host.boxes.clear();
    ErrorFlag = false;
    ToPrefixForm(std::string(255, '('));
    EXPECT_TRUE(ErrorFlag);
    EXPECT_EQ(host.boxes.size(), 1u);
    host.boxes.clear();
    ErrorFlag = false;
    host.ignoreAll = true;  // Ignore goes on to the next error and clears the flag
    ToPrefixForm("x*(a)+1");
    EXPECT_EQ(host.boxes, (Lines{"Fejl i funktionsudtryk: \n\rx*(a)+1", "Mangler \")\" i funktionsudtryk: x*(a)+1"}));
    EXPECT_FALSE(ErrorFlag);
}

TEST_F(TextOpsTest, MatchingBracketAndReplaceAll) {
    for (const CaseRow& row : CaseTable(Data, "MatchingBracket"))
        EXPECT_EQ(MatchingBracket(row[0], row.Int(1)), row.Int(2)) << row.where;
    for (const CaseRow& row : CaseTable(Data, "ReplaceAll"))
        EXPECT_EQ(ReplaceAll(row[0], row[1], row[2]).Str(), row[3]) << row.where;
    EXPECT_EQ(ReplaceAll(std::string(255, 'x'), "x", "xx").Str(), std::string(255, 'x'));
    EXPECT_EQ(ReplaceAll(std::string(200, 'a'), "a", "bb").Str(), std::string(255, 'b'));
    EXPECT_GT(TextCutCount, 0);
}
