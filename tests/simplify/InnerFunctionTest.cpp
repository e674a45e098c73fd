// Candidates for the inner function of a substitution, in reading order.
#include <vector>

#include "CaseTable.h"
#include "InnerFunction.h"
#include "RecordingHost.h"

using FindInnerFunctionTest = EngineTest;

TEST_F(FindInnerFunctionTest, OffersSubexpressionsInReadingOrder) {
    for (const CaseRow& row : CaseTable("simplify/data/rules.tsv", "InnerFunction")) {
        std::vector<std::string> all;
        for (int k = 0; k < 40; ++k) {
            ExpressionText sub = "unchanged";
            FindInnerFunction(static_cast<std::uint8_t>(k), row[0], sub);
            if (sub.Empty()) break;
            all.push_back(sub.Str());
        }
        EXPECT_EQ(all, std::vector<std::string>(row.begin() + 1, row.end())) << row.where;
    }
    EXPECT_TRUE(host.boxes.empty());
}

TEST_F(FindInnerFunctionTest, ReportsUnreadableTexts) {
    ExpressionText sub;
    FindInnerFunction(0, "sin(x", sub);
    EXPECT_TRUE(ErrorFlag);
    EXPECT_EQ(host.boxes, Lines{"Mangler \")\" i funktionsudtryk: sin(x"});
    ErrorFlag = false;
    host.boxes.clear();
    FindInnerFunction(0, "y*x", sub);
    EXPECT_EQ(host.boxes, Lines{"Fejl i funktionsudtryk: \n\ry*x"});
}
