#include <cmath>
#include <sstream>

#include "BlankPoint.h"
#include "CaseTable.h"
#include "Search.h"
#include "Minimise.h"
#include "PointText.h"
#include "RecordingHost.h"

namespace {
const VariableNames& Names = TestNames();
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
                if (!leastSquares) {
                    EXPECT_NEAR(p[i], solution[i], 0.001);
                }
                EXPECT_LT(std::fabs(EvaluateFunctionN(n, equations[i], Names, p)), leastSquares ? 1e-3 : 1e-6);
            }
        }
    EXPECT_TRUE(host.boxes.empty());
}

TEST_F(SearchTest, EveryConfirmedSolutionInTheInterval) {
    for (const CaseRow& c : CaseTable("numeric/data/search.tsv", "Interval")) {
        SCOPED_TRACE(c.where + " " + c[0]);
        std::vector<double> expected;
        std::istringstream in(c[1]);
        for (double x; in >> x;) expected.push_back(x);
        std::vector<std::string> reports;
        const std::vector<double> found = SolutionsInInterval(c[0], 'x', -10, 10, 0.00001, reports);
        ASSERT_EQ(found.size(), expected.size());
        ASSERT_EQ(reports.size(), expected.size());
        for (std::size_t k = 0; k < found.size(); ++k) {
            EXPECT_NEAR(found[k], expected[k], 1e-5);
            EXPECT_EQ(reports[k].substr(0, 9), "Kontrol: ");
        }
    }
    EXPECT_TRUE(host.boxes.empty());
    EXPECT_TRUE(host.log.empty());
}

// A system without a solution ends at the minimum of its sum of squares and
// says so; one with infinitely many is confirmed as not unique.
TEST_F(SearchTest, SingularSystemsSayWhichKind) {
    const ExpressionText parallel[] = {"", "x+y-1", "x+y-2"};
    VariableValues p = Point("0 0");
    EquationSearch search = SolveEquations(2, parallel, Names, 0.00001, p, false);
    EXPECT_FALSE(search.found);
    EXPECT_TRUE(search.noSolution);
    EXPECT_NEAR(search.sumOfSquares, 0.5, 1e-9);
    const ExpressionText same[] = {"", "x+y-1", "2*x+2*y-2"};
    p = Point("0 0");
    search = SolveEquations(2, same, Names, 0.00001, p, false);
    EXPECT_TRUE(search.found);
    EXPECT_TRUE(search.check.singular);
    EXPECT_NEAR(p[1] + p[2], 1, 1e-9);
    // Curved: x^2+1 has a minimum of its square above 0 at 0, not a solution.
    const ExpressionText none[] = {"", "x^2+1"};
    p = Point("1");
    search = SolveEquations(1, none, Names, 0.00001, p, false);
    EXPECT_FALSE(search.found);
    EXPECT_TRUE(search.noSolution);
    EXPECT_TRUE(host.boxes.empty());
}

TEST_F(SearchTest, SemiDefiniteMinimaNeedFNowhereLower) {
    // The flat direction of (x-2*y)^2 is a valley floor: lower further along it.
    for (const char* f : {"(x-2*y)^2-x/1000", "(x-2*y)^2+x^3"}) {
        SCOPED_TRACE(f);
        EXPECT_FALSE(ConfirmMinimum(2, f, Names, Point("0 0"), 0.00001).confirmed);
    }
    const Confirmation flat = ConfirmMinimum(2, "(x-2*y)^2+(x-2)^4", Names, Point("2 1"), 0.00001);
    EXPECT_TRUE(flat.confirmed) << flat.report;
    EXPECT_NE(flat.report.find("semidefinit"), std::string::npos);
}

TEST_F(SearchTest, SlopeAgreesWithTheDifferenceQuotient) {
    EXPECT_TRUE(ConfirmSlope("x^3", 2, 12).confirmed);
    EXPECT_FALSE(ConfirmSlope("x^3", 2, 12.01).confirmed);
    EXPECT_FALSE(ConfirmSlope("sqrt(x)", 0, 0).confirmed);  // undefined left of 0
    EXPECT_TRUE(host.log.empty());
}
