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

// Each row: name, f, the window "xMin xMax yMin yMax", the number of pieces
// ("*" any), the poles ("-" none), the ends of f's domain in view ("-" none),
// "y" when the line between samples must follow f.
TEST(SamplerTest, BreaksWhereUndefinedAndFollowsTheCurve) {
    const std::vector<CaseRow> rows = ReadCaseTable("graph/sampler-functions.txt", "Sampler");
    EXPECT_EQ(rows.size(), 17u);
    for (const CaseRow& c : rows) {
        SCOPED_TRACE(c.where + " " + c[0]);
        double xMin, xMax, yMin, yMax, from = 0, to = 0;
        std::istringstream(c[2]) >> xMin >> xMax >> yMin >> yMax;
        std::vector<double> poles;
        std::istringstream polesText(c[4] == "-" ? "" : c[4]);
        for (double p; polesText >> p;) poles.push_back(p);
        const bool bounded = c[5] != "-", accuracy = c[6] == "y";
        if (bounded) std::istringstream(c[5]) >> from >> to;
        const auto f = FieldFunction(c[1]);
        ASSERT_TRUE(f);
        const SampleLimits limits;
        const Sampling s = SampleFunction(*f, xMin, xMax, yMin, yMax, limits);
        const double width = xMax - xMin, height = yMax - yMin;

        if (c[3] != "*") {
            EXPECT_EQ(s.pieces.size(), static_cast<std::size_t>(c.Int(3)));
        }
        EXPECT_LE(s.evaluations, limits.maxEvaluations + 200);
        ASSERT_EQ(s.poles.size(), poles.size());
        for (std::size_t i = 0; i < poles.size(); ++i) EXPECT_NEAR(s.poles[i], poles[i], 1e-5);

        for (const Polyline& piece : s.pieces) {
            ASSERT_GE(piece.size(), 2u);
            for (std::size_t i = 1; i < piece.size(); ++i) {
                const SamplePoint a = piece[i - 1], b = piece[i];
                ASSERT_LT(a.x, b.x);
                for (double pole : poles) EXPECT_FALSE(a.x < pole && pole < b.x) << "drawn across the pole " << pole;
                const bool visible = std::fabs(a.y - b.y) < height && a.y > yMin && a.y < yMax;
                if (!accuracy || !visible) continue;
                // Between two samples the straight line stays close to f.
                for (double t : {0.25, 0.5, 0.75}) {
                    const double x = a.x + t * (b.x - a.x);
                    const double y = QuietValue(*f, x);
                    if (std::isnan(y)) continue;
                    ASSERT_NEAR(y, a.y + t * (b.y - a.y), 4 * limits.tolerance * height) << "at x = " << x;
                }
            }
        }
        if (bounded && !s.pieces.empty()) {
            // The curve reaches the edges of its domain in view.
            EXPECT_NEAR(s.pieces.front().front().x, from, 1e-4 * width);
            EXPECT_NEAR(s.pieces.back().back().x, to, 1e-4 * width);
        }
    }
}

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

// Polynomials with implicit coefficients are read as every field reads
// them (with the products written out), whatever the order of the powers.
TEST_F(SamplerQuietTest, PolynomialsWithImplicitCoefficientsAreDrawn) {
    for (bool polynomial : {false, true}) {
        const auto p = FieldFunction("x^3-6x^2+11x-6", polynomial), q = FieldFunction("x^2+2x^3", polynomial);
        ASSERT_TRUE(p && q);
        for (double x : {-1.5, 0.0, 2.5, 4.0}) {
            EXPECT_NEAR((*p)(x), ((x - 6) * x + 11) * x - 6, 1e-12) << x;
            EXPECT_NEAR((*q)(x), x * x + 2 * x * x * x, 1e-12) << x;
        }
    }
    EXPECT_TRUE(host.boxes.empty());
}

// Result fields shown with the decimal comma: ";" separates the items.
TEST(FieldReadersTest, ListsWithTheDecimalComma) {
    using List = std::vector<double>;
    EXPECT_EQ(FieldList("{-1,5 ; 2}"), List({-1.5, 2}));
    EXPECT_EQ(FieldList("(1,0000;2,5000)"), List({1, 2.5}));
    EXPECT_EQ(FieldList("(1,2)"), List({1, 2}));
    const auto points = FieldPoints("(0;1,5) (1;2)", 2);
    ASSERT_TRUE(points);
    EXPECT_EQ((*points)[0].y, 1.5);
    EXPECT_EQ((*points)[1].x, 1);
}
