// The strategies on the expression tree: the school corpus by family, one
// answer for every written form, the log, the rational factors and the
// numeric check that decides what the strategies give.
#include <cmath>
#include <iostream>
#include <map>
#include <sstream>
#include <string>

#include "CaseTable.h"
#include "DenseCheck.h"
#include "Canonical.h"
#include "Differentiate.h"
#include "Evaluate.h"
#include "Integrate.h"
#include "PartialFractions.h"
#include "RecordingHost.h"
#include "TreeCalculus.h"
#include "TreeIntegrate.h"
#include "Verify.h"

namespace {

const char* const Cases = "integrate/data/cases.tsv";
const char* const Families = "integrate/data/families.tsv";

using TreeIntegrateTest = EngineTest;

// F as the tab checks it, and a denser check at 60 points of [-9, 9].
bool Shown(const ExpressionText& f, const ExpressionText& F) {
    ExpressionText dF;
    {
        ErrorFlagGuard guard;
        dF = DifferentiateExpression(F);
    }
    return CheckAntiderivative(f, F, dF).passed;
}

// No line ends in a stray bracket, and no line follows an identical one.
void ExpectTidyLog(const std::vector<std::string>& log, const std::string& where) {
    for (std::size_t i = 0; i < log.size(); ++i) {
        EXPECT_FALSE(log[i].ends_with(")dx)")) << where << ": " << log[i];
        if (i > 0) {
            EXPECT_NE(log[i], log[i - 1]) << where;
        }
    }
}

TEST_F(TreeIntegrateTest, EverySchoolIntegrandIsFoundShownAndRight) {
    std::map<std::string, std::pair<int, int>> families;  // found, total
    for (const CaseRow& r : CaseTable(Families, "school")) {
        host.log.clear();
        ErrorFlag = false;
        const ExpressionText f = r[1];
        ExpressionText F = IntegrateExpression(f);
        bool shown = !F.Empty() && !ErrorFlag && Shown(f, F);
        auto& [found, total] = families[r[0]];
        ++total;
        found += shown;
        EXPECT_TRUE(shown) << r.where << ": I(" << r[1] << ")dx = " << F.Str();
        if (shown) {
            double at = DenseMismatch(f, F);
            EXPECT_TRUE(std::isnan(at)) << r.where << ": " << F.Str() << " wrong at x = " << at;
        }
        ExpectTidyLog(host.log, r.where);
    }
    for (const auto& [family, counts] : families)
        std::cout << family << ": " << counts.first << " of " << counts.second << " found\n";
    EXPECT_TRUE(host.boxes.empty());
}

TEST_F(TreeIntegrateTest, WrittenFormsGiveOneAnswer) {
    for (const CaseRow& r : CaseTable(Cases, "same")) {
        ExpressionText a = IntegrateExpression(r[0]), b = IntegrateExpression(r[1]);
        EXPECT_FALSE(a.Empty()) << r.where;
        EXPECT_EQ(a.Str(), b.Str()) << r.where;
    }
}

TEST_F(TreeIntegrateTest, StrategyLogsAreTidy) {
    for (const CaseRow& r : CaseTable(Cases, "strategy")) {
        host.log.clear();
        IntegrateExpression(r[0]);
        ExpectTidyLog(host.log, r.where);
    }
    for (const CaseRow& r : CaseTable(Cases, "giveup")) {
        host.log.clear();
        EXPECT_EQ(IntegrateExpression(r[0]).Str(), "") << r.where;
        ExpectTidyLog(host.log, r.where);
    }
}

std::string RootsText(const RationalFactors& f) {
    std::ostringstream out;
    for (const auto& [root, m] : f.roots) {
        if (out.tellp() > 0) out << ' ';
        out << PrintTree(Num(root)) << ':' << m;
    }
    return out.str();
}

TEST_F(TreeIntegrateTest, DenominatorsFactorOverTheRationals) {
    for (const CaseRow& r : CaseTable(Cases, "roots")) {
        Poly q;
        ASSERT_TRUE(PolynomialCoefficients(ParseTree(r[0]), 'x', q)) << r.where;
        RationalFactors f;
        ASSERT_TRUE(FactorOverRationals(q, f)) << r.where;
        EXPECT_EQ(RootsText(f), r[1]) << r.where;
        EXPECT_EQ(PrintTree(PolynomialTree(f.rest, 'x')), r[2]) << r.where;
    }
}

// The check every tree result passes before it leaves the strategies.
TEST_F(TreeIntegrateTest, CheckRejectsWrongAntiderivatives) {
    for (const CaseRow& r : CaseTable(Cases, "holds"))
        EXPECT_EQ(AntiderivativeHolds(ParseTree(r[0]), ParseTree(r[1])), r[2] == "1") << r.where;
}

// Large and deep integrands end within the bounds, found or not, and what is
// found is right.
TEST_F(TreeIntegrateTest, BoundedOnLargeIntegrands) {
    for (const char* f : {"x^40*exp(x)", "sin(x)^200", "1/(x^24+1)", "ln(ln(ln(ln(ln(x)))))",
                          "exp(x)*exp(exp(x))*exp(exp(exp(x)))", "(x+1)^32*(x-1)^32", "1/(x^7-3*x+1)",
                          "x^2*sin(x)*cos(x)*exp(x)*ln(x)*atan(x)", "sqrt(x+sqrt(x+sqrt(x+sqrt(x))))"}) {
        std::vector<std::string> log;
        Tree F = IntegrateTree(ParseTree(ExpressionText(f)), log);
        if (F) {
            EXPECT_TRUE(AntiderivativeHolds(ParseTree(ExpressionText(f)), F)) << f;
        }
    }
}

}  // namespace
