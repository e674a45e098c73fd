// The integration driver and its helpers against the cases of
// data/cases.tsv, and the corpus of school integrands with its found/checked
// counts.
#include <algorithm>
#include <chrono>
#include <cmath>
#include <fstream>
#include <iostream>
#include <string>

#include "CaseTable.h"
#include "DenseCheck.h"
#include "Differentiate.h"
#include "Evaluate.h"
#include "Fractions.h"
#include "Integrate.h"
#include "RecordingHost.h"
#include "Reduce.h"
#include "Substitution.h"
#include "Verify.h"

namespace {

const char* const Cases = "integrate/data/cases.tsv";

using IntegrateCasesTest = EngineTest;

TEST_F(IntegrateCasesTest, HelpersGiveTheirResults) {
    for (const CaseRow& r : CaseTable(Cases, "integrate")) {
        ErrorFlag = false;
        EXPECT_EQ(IntegrateExpression(r[0]).Str(), r[1]) << r.where;
        EXPECT_FALSE(ErrorFlag) << r.where;
    }
    for (const CaseRow& r : CaseTable(Cases, "factor"))
        EXPECT_EQ(ApplyConstantFactor(r[0], r[1], r[2]).Str(), r[3]) << r.where;
    for (const CaseRow& r : CaseTable(Cases, "back"))
        EXPECT_EQ(BackSubstitute(r[0], r[1], r[2], r[3], r[4]).Str(), r[5]) << r.where;
    for (const CaseRow& r : CaseTable(Cases, "inverse"))
        EXPECT_EQ(InverseFunction(r[0], r[1]).Str(), r[2]) << r.where;
    for (const CaseRow& r : CaseTable(Cases, "split")) {
        ExpressionText term = r[0];
        EXPECT_EQ(SplitConstantFactor(term).Str(), r[1]) << r.where;
        EXPECT_EQ(term.Str(), r[2]) << r.where;
    }
    for (const CaseRow& r : CaseTable(Cases, "functionfactors")) {
        ExpressionText term = r[0];
        EXPECT_EQ(SplitConstantFunctionFactors(term).Str(), r[1]) << r.where;
        EXPECT_EQ(term.Str(), r[2]) << r.where;
    }
    ExpressionText binding;
    for (const CaseRow& r : CaseTable(Cases, "wildcard")) {
        EXPECT_EQ(FindWildcardPattern(r[0], r[1], binding).Str(), r[2]) << r.where;
        if (!r[3].empty()) {
            EXPECT_EQ(binding.Str(), r[3]) << r.where;
        }
    }
    EXPECT_TRUE(host.boxes.empty());
}

// Substitutions and rational functions: the antiderivative, its check, and
// the steps in the log in their order.
TEST_F(IntegrateCasesTest, StrategiesFindCheckAndLog) {
    for (const CaseRow& r : CaseTable(Cases, "strategy")) {
        host.log.clear();
        ErrorFlag = false;
        ExpressionText F = IntegrateExpression(r[0]);
        EXPECT_EQ(F.Str(), r[1]) << r.where;
        EXPECT_FALSE(ErrorFlag) << r.where;
        ExpressionText dF;
        {
            ErrorFlagGuard guard;
            dF = DifferentiateExpression(F);
        }
        EXPECT_TRUE(CheckAntiderivative(r[0], F, dF).passed) << r.where;
        auto at = host.log.begin();
        for (std::size_t i = 2; i < r.size(); ++i) {
            at = std::find(at, host.log.end(), r[i]);
            EXPECT_NE(at, host.log.end()) << r.where << ": " << r[i];
        }
    }
    EXPECT_TRUE(host.boxes.empty());
}

// --- The corpus ---------------------------------------------------------

ExpressionText Tidy(const ExpressionText& F) {
    ExpressionText r;
    DecimalsToFractions(F, r);
    if (IsSingleTerm(r)) {
        ExpressionText s;
        DecimalsToFractions(ReduceExpression(r), s);
        r = s;
    }
    return r;
}

using IntegrationCorpusTest = EngineTest;

TEST_F(IntegrationCorpusTest, ShownAntiderivativesAreRight) {
    std::ifstream in(KVADRIX_INTEGRANDS);
    ASSERT_TRUE(in) << KVADRIX_INTEGRANDS;
    int total = 0, found = 0, caught = 0;
    double slowest = 0, seconds = 0;
    std::string line;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#') continue;
        bool required = line[0] == '!';
        ExpressionText f = required ? line.substr(1) : line;
        ++total;
        ErrorFlag = false;
        auto start = std::chrono::steady_clock::now();
        ExpressionText F = IntegrateExpression(f);
        bool ok = !F.Empty() && !ErrorFlag;
        if (ok) F = Tidy(F);
        ExpressionText dF;
        if (ok) {
            ErrorFlagGuard guard;
            dF = DifferentiateExpression(F);
        }
        bool shown = ok && CheckAntiderivative(f, F, dF).passed;
        double t = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        seconds += t;
        slowest = std::max(slowest, t);
        if (ok) ++found;
        if (ok && !shown) ++caught;
        if (required) {
            EXPECT_TRUE(shown) << f.Str() << " -> " << F.Str();
        }
        if (shown) {
            double at = DenseMismatch(f, F);
            EXPECT_TRUE(std::isnan(at)) << "wrong antiderivative shown: I(" << f.Str() << ")dx = " << F.Str()
                                        << " at x = " << at;
        }
    }
    std::cout << "corpus: " << total << " integrands, " << found << " found, " << caught
              << " caught by the check, mean " << seconds / total * 1e6 << " us, slowest " << slowest * 1e6
              << " us\n";
    EXPECT_GE(total, 100);
    EXPECT_TRUE(host.boxes.empty());
}

}  // namespace
