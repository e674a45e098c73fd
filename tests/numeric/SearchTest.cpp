#include <cmath>
#include <sstream>

#include "CaseTable.h"
#include "Search.h"
#include "Minimise.h"
#include "PointText.h"
#include "RecordingHost.h"

namespace {
const VariableNames Names = DefaultVariableNames();
VariableValues Point(const std::string& text, int* n = nullptr) {
    VariableValues p{};
    std::istringstream in(text);
    int i = 0;
    while (i < MaxVariables && in >> p[i + 1]) ++i;
    if (n) *n = i;
    return p;
}
}  // namespace

using SearchTest = EngineTest;

TEST_F(SearchTest, NamedMinimaAreFoundAndConfirmed) {
    for (const CaseRow& c : CaseTable("numeric/data/search.tsv", "Minimise")) {
        SCOPED_TRACE(c.where + " " + c[0]);
        int n = 0;
        VariableValues p = Point(c[1], &n), minimum = Point(c[2]);
        const MinimumSearch search = FindMinimum(n, c[0], Names, 0.00001, p);
        EXPECT_TRUE(search.found) << search.check.report;
        for (int i = 1; i <= n; ++i) EXPECT_NEAR(p[i], minimum[i], 0.001);
        EXPECT_NEAR(EvaluateFunctionN(n, c[0], Names, p), c.Number(3), 1e-4);
    }
    EXPECT_TRUE(host.boxes.empty());
}

TEST_F(SearchTest, NamedSystemsAreSolvedByBothMethods) {
    for (bool leastSquares : {false, true})
        for (const CaseRow& c : CaseTable("numeric/data/search.tsv", "Solve")) {
            SCOPED_TRACE(c.where + (leastSquares ? " least squares" : " Newton"));
            int n = 0;
            VariableValues p = Point(c[0], &n), solution = Point(c[1]);
            std::vector<ExpressionText> equations(c.begin() + 1, c.end());  // from index 1
            const EquationSearch search = SolveEquations(n, equations.data(), Names, 0.00001, p, leastSquares);
            EXPECT_TRUE(search.found) << search.check.report;
            // Newton's path leads to the named solution; the sum of squares
            // may end at another (the sphere and the lines meet twice).
            for (int i = 1; i <= n; ++i) {
                if (!leastSquares) EXPECT_NEAR(p[i], solution[i], 0.001);
                EXPECT_LT(std::fabs(EvaluateFunctionN(n, equations[i], Names, p)), leastSquares ? 1e-3 : 1e-6);
            }
        }
    EXPECT_TRUE(host.boxes.empty());
}
