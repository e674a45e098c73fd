// The sampler on named functions (poles, domain edges, steep growth,
// constants, oscillation), read from sampler-functions.txt.
#include <gtest/gtest.h>

#include <cmath>
#include <sstream>
#include <string>
#include <vector>

#include "CaseFile.h"
#include "FieldReaders.h"
#include "RecordingHost.h"
#include "Sampler.h"

namespace {

struct SamplerCase {
    std::string name, text;
    double xMin = 0, xMax = 0, yMin = 0, yMax = 0;
    int pieces = -1;  // -1: any number
    std::vector<double> poles;
    bool bounded = false;
    double from = 0, to = 0;
    bool accuracy = false;
};

std::vector<SamplerCase> LoadCases() {
    std::vector<SamplerCase> cases;
    for (const CaseRow& row : ReadCaseTable("graph/sampler-functions.txt", "Sampler")) {
        SamplerCase c{row[0], row[1]};
        std::istringstream(row[2]) >> c.xMin >> c.xMax >> c.yMin >> c.yMax;
        c.pieces = row[3] == "*" ? -1 : std::stoi(row[3]);
        std::istringstream poles(row[4] == "-" ? "" : row[4]);
        for (double p; poles >> p;) c.poles.push_back(p);
        c.bounded = row[5] != "-";
        if (c.bounded) std::istringstream(row[5]) >> c.from >> c.to;
        c.accuracy = row[6] == "y";
        cases.push_back(c);
    }
    return cases;
}

class SamplerTest : public ::testing::TestWithParam<SamplerCase> {};

TEST(SamplerCasesTest, AllAreRead) { EXPECT_EQ(LoadCases().size(), 17u); }

TEST_P(SamplerTest, BreaksWhereUndefinedAndFollowsTheCurve) {
    const SamplerCase& c = GetParam();
    const auto f = FieldFunction(c.text);
    ASSERT_TRUE(f) << c.text;
    const SampleLimits limits;
    const Sampling s = SampleFunction(*f, c.xMin, c.xMax, c.yMin, c.yMax, limits);
    const double width = c.xMax - c.xMin, height = c.yMax - c.yMin;

    if (c.pieces >= 0) {
        EXPECT_EQ(s.pieces.size(), static_cast<std::size_t>(c.pieces));
    }
    EXPECT_LE(s.evaluations, limits.maxEvaluations + 200);
    ASSERT_EQ(s.poles.size(), c.poles.size());
    for (std::size_t i = 0; i < c.poles.size(); ++i) EXPECT_NEAR(s.poles[i], c.poles[i], 1e-5);

    for (const Polyline& piece : s.pieces) {
        ASSERT_GE(piece.size(), 2u);
        for (std::size_t i = 1; i < piece.size(); ++i) {
            const SamplePoint a = piece[i - 1], b = piece[i];
            ASSERT_LT(a.x, b.x);
            for (double pole : c.poles) EXPECT_FALSE(a.x < pole && pole < b.x) << "drawn across the pole " << pole;
            const bool visible = std::fabs(a.y - b.y) < height && a.y > c.yMin && a.y < c.yMax;
            if (!c.accuracy || !visible) continue;
            // Between two samples the straight line stays close to f.
            for (double t : {0.25, 0.5, 0.75}) {
                const double x = a.x + t * (b.x - a.x);
                const double y = QuietValue(*f, x);
                if (std::isnan(y)) continue;
                ASSERT_NEAR(y, a.y + t * (b.y - a.y), 4 * limits.tolerance * height) << "at x = " << x;
            }
        }
    }
    if (c.bounded && !s.pieces.empty()) {
        // The curve reaches the edges of its domain in view.
        EXPECT_NEAR(s.pieces.front().front().x, c.from, 1e-4 * width);
        EXPECT_NEAR(s.pieces.back().back().x, c.to, 1e-4 * width);
    }
}

INSTANTIATE_TEST_SUITE_P(Functions, SamplerTest, ::testing::ValuesIn(LoadCases()),
                         [](const auto& info) {
                             std::string name = info.param.name;
                             for (char& ch : name)
                                 if (!std::isalnum(static_cast<unsigned char>(ch))) ch = '_';
                             return name;
                         });

using SamplerQuietTest = EngineTest;

// Sampling runs the evaluator into its errors thousands of times: no box, no
// log line, and the error flag of the computation in hand survives.
TEST_F(SamplerQuietTest, ShowsNothingAndKeepsTheErrorFlag) {
    const auto f = FieldFunction("ln(x)+1/(x-1)+sqrt(x-2)+tan(x)");
    ASSERT_TRUE(f);
    for (bool flag : {false, true}) {
        ErrorFlag = flag;
        SampleFunction(*f, -5, 5, -5, 5);
        SampleGrid(*f, -5, 5, 101);
        QuietValue(*f, 0);
        EXPECT_EQ(ErrorFlag, flag);
    }
    EXPECT_TRUE(host.boxes.empty());
    EXPECT_TRUE(host.log.empty());
    EXPECT_EQ(&CurrentHost(), &host);
}

// A function that throws (the evaluator's overflow) is a gap, not a crash.
TEST_F(SamplerQuietTest, ArithmeticFaultIsAGap) {
    const RealFunction f = [](double x) -> double {
        if (x > 0) throw ArithmeticFault("overflow");
        return x;
    };
    const Sampling s = SampleFunction(f, -1, 1, -1, 1);
    ASSERT_EQ(s.pieces.size(), 1u);
    EXPECT_NEAR(s.pieces[0].back().x, 0, 1e-6);
    EXPECT_TRUE(s.poles.empty());
}

}  // namespace

// The Polynomier tab's fields hold polynomials with implicit coefficients,
// which only the polynomial reader reads; their graphs must not be refused.
TEST_F(SamplerQuietTest, PolynomialsWithImplicitCoefficientsAreDrawn) {
    EXPECT_FALSE(FieldFunction("x^3-6x^2+11x-6"));  // no function field reads it
    const auto p = FieldFunction("x^3-6x^2+11x-6", true);
    ASSERT_TRUE(p);
    for (double x : {-1.5, 0.0, 2.5, 4.0}) EXPECT_NEAR((*p)(x), ((x - 6) * x + 11) * x - 6, 1e-12) << x;
    EXPECT_FALSE(FieldFunction("x^2+2x^3", true));  // powers not falling: no polynomial, and no box
    EXPECT_TRUE(host.boxes.empty());
}
