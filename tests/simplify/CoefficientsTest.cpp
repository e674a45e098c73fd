// Numeric coefficients of terms: finding, moving and merging numeric factors;
// the case tables are in data/coefficients.tsv.
#include <string>

#include "CaseTable.h"
#include "Coefficients.h"
#include "RecordingHost.h"

using CoefficientsTest = EngineTest;

TEST_F(CoefficientsTest, CaseTables) {
    const std::string data = "simplify/data/coefficients.tsv";
    ExpectTable(data, "LeadingNumber", [](const std::string& term) { return LeadingNumber(term, true); });
    EXPECT_EQ(LeadingNumber("2*x+1", false).Str(), "2");
    for (const CaseRow& row : CaseTable(data, "NextNumericFactor")) {
        int position = -1;
        EXPECT_EQ(NextNumericFactor(row[0], position).Str(), row[1]) << row.where;
        EXPECT_EQ(position, row.Int(2)) << row.where;
    }
    ExpectTable(data, "GatherCoefficient", GatherCoefficient);
    ExpectTable(data, "PullOutBracketNumbers", PullOutBracketNumbers);
    ExpectTable(data, "EvaluatePowerConstant", EvaluatePowerConstant);
    for (const CaseRow& row : CaseTable(data, "IsFactorOf"))
        EXPECT_EQ(IsFactorOf(row[0], row[1]), row[2] == "1") << row.where;
    EXPECT_TRUE(host.boxes.empty());
}
