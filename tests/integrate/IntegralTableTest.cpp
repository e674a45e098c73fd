// The integral table: every row's template differentiates back to its
// pattern, rows match only what they cover, and the joins and signs keep the
// value of the whole antiderivative.
#include <string>

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
    ASSERT_EQ(rows.size(), 131u);
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

TEST_F(IntegralTableTest, InvertsLinearInnerFunctionsOnly) {
    const std::pair<const char*, const char*> cases[] = {
        {"2*x+3", "1/2*y-3/2"}, {"x+1", "y-1"}, {"x-2.5", "y+5/2"}, {"1/2*x+1/3", "2*y-2/3"},
        {"x^2+1", ""}, {"0*x+1", ""},  // no inverse where k is 0
    };
    for (auto [t, x] : cases) EXPECT_EQ(InvertInnerFunction(t).Str(), x) << t;
}

struct LookupCase {
    const char* f;
    const char* F;  // "" = not found by the table
};

class TableLookupTest : public EngineTest, public ::testing::WithParamInterface<LookupCase> {};

TEST_P(TableLookupTest, GivesTheRowsAntiderivative) {
    const LookupCase& c = GetParam();
    ExpressionText F = IntegrateByTable(c.f);
    EXPECT_EQ(F.Str(), c.F);
    if (!F.Empty()) {
        EXPECT_EQ(AntiderivativeFault(c.f, F), "");
    }
    EXPECT_TRUE(host.boxes.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Rows, TableLookupTest,
    ::testing::Values(
        LookupCase{"x^(-1)", "ln(x)"},  // its own row before x^k
        LookupCase{"7*x", "1/2*7*x^2"}, LookupCase{"2.5*x", "1/2*2.5*x^2"},
        LookupCase{"3*sin(2*x)", "(-3/2*cos(2*x))"},
        LookupCase{"x^2+sin(x)", "1/(2+1)*x^(2+1)+(-cos(x))"},
        LookupCase{"x^2-sin(x)", "1/(2+1)*x^(2+1)-(-cos(x))"},
        LookupCase{"-x^2", "-1/(2+1)*x^(2+1)"},
        LookupCase{"sin(x)^2", "1/2*(x-1/2*sin(2*x))"},
        LookupCase{"x^2.5", "1/(2.5+1)*x^(2.5+1)"},
        LookupCase{"sin(x)^4", ""},   // a pattern never matches a beginning
        LookupCase{"pi*x", ""},       // a parameter never matches a name
        LookupCase{"x)+1", ""},       // text the notation does not read
        // A number too long for an integer slot may still fit a number slot;
        // one too long for both does not match.
        LookupCase{"x^123456", "1/(123456+1)*x^(123456+1)"}, LookupCase{"x^1234567890123", ""}, LookupCase{"1234567890123*x", ""}));

// Faults of the stored rows that the look-up must not repeat.
INSTANTIATE_TEST_SUITE_P(
    Faults, TableLookupTest,
    ::testing::Values(
        // Negating a template of several terms negates all of them.
        LookupCase{"-x*exp(x)", "-(x*exp(x)-exp(x))"},
        LookupCase{"1-x*exp(x)", "x-(x*exp(x)-exp(x))"},
        LookupCase{"-x^2*sin(x)", "-(-x^2*cos(x)+(2*(x*sin(x)+cos(x))))"},
        LookupCase{"1-x^2*sin(x)", "x-(-x^2*cos(x)+(2*(x*sin(x)+cos(x))))"},
        // -cos(x)^2 is (-cos(x))^2: no sign is taken off.
        LookupCase{"-cos(x)^2", ""}, LookupCase{"-sin(x)^2", ""},
        // (-x)^2 is not -x^2.
        LookupCase{"exp((-x)^2)", ""}, LookupCase{"1/((-x)^2)", ""},
        LookupCase{"1/(-x^2)", "1/(2-1)/x^(2-1)"},
        // Negated powers of numbers in templates read as meant.
        LookupCase{"-2^x", ""}, LookupCase{"-(2^x)", "-(2^x/ln(2))"},
        LookupCase{"2^(-x)", "-1/ln(2)*2^(-x)"},
        // Conditions on the parameters.
        LookupCase{"x^(-1)*ln(x)", ""}, LookupCase{"1/x^1", ""}, LookupCase{"x^(-1.0)", ""},
        LookupCase{"1^x", ""}, LookupCase{"1/(-4+x^2)", ""}, LookupCase{"cos(0*x)", ""},
        LookupCase{"x^(-2/2)", ""}, LookupCase{"x^(2/-2)", ""},
        // Negative bindings are bracketed: no "--".
        LookupCase{"(-1.5)*sin(x)", "(-(-1.5)*cos(x))"},
        // Reduction rows only for a positive exponent.
        LookupCase{"x^(-2)*exp(x)", ""}, LookupCase{"x^0*exp(x)", ""}));

}  // namespace
