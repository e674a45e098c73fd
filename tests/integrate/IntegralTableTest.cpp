// The integral table: every row's template differentiates back to its
// pattern, rows match only what they cover, and the joins and signs keep the
// value of the whole antiderivative.
#include <string>

#include "CaseTable.h"
#include "Differentiate.h"
#include "IntegralTable.h"
#include "RecordingHost.h"
#include "TableLookup.h"
#include "Verify.h"

namespace {

struct Sample {
    const char* name;
    IntegerBindings integers;  // d g j k m
    NumberBindings numbers;    // u v w y z
};

// Parameter values of both signs, whole and decimal; rows whose condition a
// sample fails are skipped for it.
const Sample Samples[] = {
    {"whole", {"2", "3", "2", "3", "2"}, {"3", "1.5", "", "", ""}},
    {"negative", {"-1", "4", "5", "-2", "5"}, {"0.5", "-2.5", "", "", ""}},
    {"decimal", {"5", "7", "2", "4", "3"}, {"2.5", "0.75", "", "", ""}},
};

// F' = f at the sample points where both are defined, by the symbolic
// derivative and by difference quotients; message when not.
std::string AntiderivativeFault(const ExpressionText& f, const ExpressionText& F) {
    ExpressionText dF;
    {
        ErrorFlagGuard guard;
        dF = DifferentiateExpression(F);
    }
    AntiderivativeCheck c = CheckAntiderivative(f, F, dF);
    if (c.passed) return "";
    return "I(" + f.Str() + ")dx = " + F.Str() + ": " +
           (c.points == 0 ? std::string("no point to compare") : "F' != f at x = " + std::to_string(c.failedAt));
}

using IntegralTableTest = EngineTest;

TEST_F(IntegralTableTest, EveryTemplateDifferentiatesBackToItsPattern) {
    auto rows = IntegralTable();
    ASSERT_EQ(rows.size(), 133u);
    for (const Sample& s : Samples) {
        int checked = 0;
        for (std::size_t r = 0; r < rows.size(); ++r) {
            if (!ConditionHolds(rows[r].condition, s.integers, s.numbers)) continue;
            ExpressionText f = InstantiateTemplate(rows[r].pattern, s.integers, s.numbers);
            ExpressionText F = InstantiateTemplate(rows[r].antiderivative, s.integers, s.numbers);
            if (F.Contains(ReductionMarker)) F = IntegrateByTable(f);  // the recursion gives the whole F
            ASSERT_FALSE(F.Empty()) << "row " << r + 1 << " (" << s.name << "): " << f.Str();
            EXPECT_EQ(AntiderivativeFault(f, F), "") << "row " << r + 1 << " (" << s.name << ")";
            ++checked;
        }
        EXPECT_GT(checked, 100) << s.name;
    }
    EXPECT_TRUE(host.boxes.empty());
}

// Whatever row the look-up takes for an instance of a pattern, the result is right.
TEST_F(IntegralTableTest, LookUpOfEveryPatternInstanceIsRight) {
    auto rows = IntegralTable();
    for (const Sample& s : Samples)
        for (std::size_t r = 0; r < rows.size(); ++r) {
            ExpressionText f = InstantiateTemplate(rows[r].pattern, s.integers, s.numbers);
            ExpressionText F = IntegrateByTable(f);
            if (!F.Empty()) {
                EXPECT_EQ(AntiderivativeFault(f, F), "") << "row " << r + 1 << " (" << s.name << ")";
            }
            for (const char* sign : {"-", "3*", "x+", "x-", "2-"}) {
                ExpressionText g = sign + ("(" + f + ")");
                ExpressionText G = IntegrateByTable(g);
                if (!G.Empty()) {
                    EXPECT_EQ(AntiderivativeFault(g, G), "") << "row " << r + 1 << ": " << g.Str();
                }
            }
        }
}

TEST_F(IntegralTableTest, EveryInverseGivesBackX) {
    auto rows = InverseTable();
    ASSERT_EQ(rows.size(), 17u);
    for (const Sample& s : Samples)
        for (std::size_t r = 0; r < rows.size(); ++r) {
            if (!ConditionHolds(rows[r].condition, s.integers, s.numbers)) continue;
            ExpressionText t = InstantiateTemplate(rows[r].pattern, s.integers, s.numbers);
            ExpressionText x = InstantiateTemplate(rows[r].antiderivative, s.integers, s.numbers);
            // x(t(x)) = x: put t in place of y.
            ExpressionText composed;
            for (int p = 1; p <= x.Length(); ++p) composed += x.At(p) == 'y' ? "(" + t + ")" : ExpressionText(x.At(p));
            ValueCheck c = CheckSameValues("x", composed);
            EXPECT_TRUE(c.passed) << "inverse row " << r + 1 << " (" << s.name << "): " << composed.Str();
        }
}

// Inverses of inner functions and single look-ups, from data/cases.tsv;
// every antiderivative found is checked by differentiation.
TEST_F(IntegralTableTest, InversesAndLookUpsGiveTheirCases) {
    for (const CaseRow& r : CaseTable("integrate/data/cases.tsv", "invert"))
        EXPECT_EQ(InvertInnerFunction(r[0]).Str(), r[1]) << r.where;
    for (const CaseRow& r : CaseTable("integrate/data/cases.tsv", "lookup")) {
        const ExpressionText F = IntegrateByTable(r[0]);
        EXPECT_EQ(F.Str(), r[1]) << r.where;
        if (!F.Empty()) {
            EXPECT_EQ(AntiderivativeFault(r[0], F), "") << r.where;
        }
    }
    EXPECT_TRUE(host.boxes.empty());
}

}  // namespace
