#include <cmath>

#include "BlankPoint.h"
#include "CaseTable.h"
#include "Confirm.h"
#include "Minimise.h"
#include "PointText.h"
#include "RecordingHost.h"

namespace {
const VariableNames& Names = TestNames();
}  // namespace

using MinimiseFunctionTest = EngineTest;

// The first parabola step of a quadratic is checked through the tab; here a
// zero gradient at the start ends the search there.
TEST_F(MinimiseFunctionTest, ZeroGradientAtTheStartEndsTheSearch) {
    VariableValues p = Point("0 0");
    int iterations = 0;
    EXPECT_TRUE(MinimiseFunction(2, "x^2+y^2", Names, 0.00001, p, &iterations));
    EXPECT_EQ(iterations, 1);
    EXPECT_EQ(p, Point("0 0"));
}

TEST_F(MinimiseFunctionTest, LogsEveryFifthIterate) {
    VariableValues p = Point("3 3");
    int iterations = 0;
    ASSERT_TRUE(MinimiseFunction(2, "(x-1)^2+4*(y+1)^2+x*y", Names, 0.00001, p, &iterations));
    ASSERT_GE(iterations, 5);
    EXPECT_EQ(host.log.size(), static_cast<std::size_t>(iterations / 5 * 3));
    EXPECT_EQ(host.log[0].substr(0, 5), "x[1]=");
    EXPECT_EQ(host.log[0].substr(host.log[0].size() - 3), "   ");
    EXPECT_EQ(host.log[2], "");
}

TEST_F(MinimiseFunctionTest, EvaluationErrorIsReportedAndKeepsTheStart) {
    VariableValues p = Point("-1 0");
    EXPECT_FALSE(MinimiseFunction(2, "ln(x)+y^2", Names, 0.00001, p));
    ASSERT_EQ(host.boxes.size(), 2u);
    EXPECT_EQ(host.boxes[1], "Kan ikke udregne udtryk: ln(x)+y^2 for (x,y) = (-1.0000,0.0000)");
    EXPECT_EQ(p, Point("-1 0"));
    EXPECT_TRUE(ErrorFlag);
}

// School problems of 1 to 5 variables: each minimum found is confirmed
// (small gradient, f growing in every direction) and where it should be.
TEST_F(MinimiseFunctionTest, SchoolProblemsEndAtAConfirmedMinimum) {
    for (const CaseRow& c : CaseTable("numeric/data/methods.tsv", "Minimum")) {
        SCOPED_TRACE(c.where);
        int n = 0;
        VariableValues p = Point(c[1], &n), minimum = Point(c[2]);
        ASSERT_TRUE(MinimiseFunction(n, c[0], Names, 0.00001, p));
        const Confirmation check = ConfirmMinimum(n, c[0], Names, p, 0.00001);
        EXPECT_TRUE(check.confirmed) << check.report;
        for (int i = 1; i <= n; ++i) EXPECT_NEAR(p[i], minimum[i], 0.01);
    }
    EXPECT_TRUE(host.boxes.empty());
}

using ConfirmTest = EngineTest;

TEST_F(ConfirmTest, MaximaAndSaddlesAreNoMinimum) {
    for (const char* f : {"-x^2-y^2", "x*y", "x^2-y^2"}) {
        SCOPED_TRACE(f);
        const Confirmation check = ConfirmMinimum(2, f, Names, Point("0 0"), 0.00001);
        EXPECT_FALSE(check.confirmed);
        EXPECT_EQ(check.report.substr(0, 40), "Kontrol: gradientens l\xE6ngde i punktet er");
    }
    const Confirmation far = ConfirmMinimum(1, "(x-1)^2", Names, Point("1.01"), 0.00001);
    EXPECT_FALSE(far.confirmed);
    // Quiet: nothing shown, nothing logged, the flag as it was.
    ErrorFlag = true;
    EXPECT_FALSE(ConfirmMinimum(1, "sqrt(x)", Names, Point("0"), 0.00001).confirmed);
    EXPECT_TRUE(ErrorFlag);
    EXPECT_TRUE(host.boxes.empty());
    EXPECT_TRUE(host.log.empty());
}

using SolveEquationsTest = EngineTest;

TEST_F(SolveEquationsTest, NewtonSolvesLinearEquationsInOneStep) {
    const ExpressionText equations[] = {"", "x+y-3", "x-y-1"};
    VariableValues p = Point("0 0");
    ASSERT_TRUE(SolveEquationsNewton(2, equations, Names, 0.00001, p));
    EXPECT_NEAR(p[1], 2, 1e-9);
    EXPECT_NEAR(p[2], 1, 1e-9);
    // Two iterations, each logging its point: the second step is 0.
    EXPECT_EQ(host.log, (Lines{"x[1]=2.0000   ", "x[2]=1.0000   ", "", "x[1]=2.0000   ", "x[2]=1.0000   ", ""}));
    const ExpressionText diagonal[] = {"", "x-2", "y-3"};
    p = Point("0 0");
    EXPECT_TRUE(SolveEquationsNewton(2, diagonal, Names, 0.00001, p));
    EXPECT_TRUE(host.boxes.empty());
}

TEST_F(SolveEquationsTest, SingularJacobianIsReported) {
    const ExpressionText equations[] = {"", "x+y-1", "2*x+2*y-2"};
    VariableValues p = Point("0 0");
    host.ignoreAll = true;  // Ignore does not clear this error
    EXPECT_FALSE(SolveEquationsNewton(2, equations, Names, 0.00001, p));
    EXPECT_EQ(host.log, Lines{"Singul\xE6r Matrix i SolveLinearEquation"});
    EXPECT_EQ(host.boxes, Lines{"Singul\xE6r JacobiMatrix"});
    EXPECT_TRUE(ErrorFlag);
}

TEST_F(SolveEquationsTest, LeastSquaresMinimisesTheSumOfTheSquares) {
    const ExpressionText equations[] = {"", "x+y-3", "x-y-1"};
    ExpressionText sum;
    ASSERT_TRUE(SumOfSquaresText(2, equations, sum));
    EXPECT_EQ(sum, "(x+y-3)^2+(x-y-1)^2");
    const ExpressionText one[] = {"", "x-4"};
    ASSERT_TRUE(SumOfSquaresText(1, one, sum));
    EXPECT_EQ(sum, "(x-4)^2");
}

TEST_F(SolveEquationsTest, SumTooLongForATextIsRefusedNotCut) {
    const std::string long_(130, '1');
    const ExpressionText equations[] = {"", long_ + "*x", long_ + "*y"};
    VariableValues p = Point("0 0");
    EXPECT_FALSE(SolveEquationsLeastSquares(2, equations, Names, 0.00001, p));
    ASSERT_EQ(host.boxes.size(), 1u);
    EXPECT_EQ(host.boxes[0].substr(0, 40), "Kvadratsummen af ligningerne er for lang");
}

// The residuals are small wherever Newton reports a solution.
TEST_F(SolveEquationsTest, SchoolSystemsEndAtAConfirmedSolution) {
    for (const CaseRow& c : CaseTable("numeric/data/methods.tsv", "Newton")) {
        SCOPED_TRACE(c.where);
        int n = 0;
        VariableValues p = Point(c[0], &n);
        std::vector<ExpressionText> equations(c.begin(), c.end());  // from index 1
        ASSERT_TRUE(SolveEquationsNewton(n, equations.data(), Names, 0.00001, p));
        for (int i = 1; i <= n; ++i) EXPECT_LT(std::fabs(EvaluateFunctionN(n, equations[i], Names, p)), 1e-8);
        const Confirmation check = ConfirmSolution(n, equations.data(), Names, p, 0.00001);
        EXPECT_TRUE(check.confirmed) << check.report;
    }
    EXPECT_TRUE(host.boxes.empty());
}
