#include "PointText.h"
#include "RecordingHost.h"

using ReadStartPointTest = EngineTest;

TEST_F(ReadStartPointTest, ReadsCoordinatesAndLogsThem) {
    struct Case {
        const char* text;
        int n;
        std::vector<double> values;
        Lines log;
    };
    const std::vector<Case> cases = {
        {"(1.5,-2)", 2, {1.5, -2}, {"x0=1.5", "y0=-2"}},
        {"( 1 , 2 , 3 )", 3, {1, 2, 3}, {"x0=1 ", "y0=2 ", "z0=3 "}},
        {"(.5,-.25)", 2, {0.5, -0.25}, {"x0=.5", "y0=-.25"}},
        {"(1e-3)", 1, {0.001}, {"x0=1e-3"}},
        {"(1,2,3)", 2, {1, 2}, {"x0=1", "y0=2"}},  // a coordinate too many is not read
    };
    const VariableNames names = DefaultVariableNames();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        host.log.clear();
        VariableValues values{};
        ASSERT_TRUE(ReadStartPoint(c.n, c.text, names, values));
        for (int i = 0; i < c.n; ++i) EXPECT_EQ(values[i + 1], c.values[i]);
        EXPECT_EQ(host.log, c.log);
    }
    EXPECT_TRUE(host.boxes.empty());
    EXPECT_FALSE(ErrorFlag);
}

TEST_F(ReadStartPointTest, MissingOrMalformedCoordinateIsAnError) {
    const VariableNames names = DefaultVariableNames();
    for (const char* text : {"(1,2)", "(1,a,3)", "(a,1,2)", "", "(1;2;3)"}) {
        SCOPED_TRACE(text);
        host.boxes.clear();
        ErrorFlag = false;
        VariableValues values{};
        EXPECT_FALSE(ReadStartPoint(3, text, names, values));
        EXPECT_EQ(host.boxes, Lines{"Fejl i begyndelsesv\xE6rdierne"});
        EXPECT_TRUE(ErrorFlag);
    }
}

using ReadDataPointsTest = EngineTest;

TEST_F(ReadDataPointsTest, ReadsPointsAndEchoesThem) {
    Vector x{}, y{};
    ASSERT_TRUE(ReadDataPoints(3, "(0,1); (1,3); (2,5)", x, y));
    EXPECT_EQ(host.log, (Lines{"(x[1],y[1])=(0.000,1.000)", "(x[2],y[2])=(1.000,3.000)", "(x[3],y[3])=(2.000,5.000)"}));
    ASSERT_TRUE(ReadDataPoints(3, "(-1.5,2)(.5,1,5)x(3, -4)", x, y));
    EXPECT_EQ(x[1], -1.5);
    EXPECT_EQ(x[2], 0.5);
    EXPECT_EQ(y[3], -4);
    EXPECT_TRUE(host.boxes.empty());
}

TEST_F(ReadDataPointsTest, FaultyDataIsShownAndNothingFitted) {
    struct Case {
        const char* text;
        const char* box;
    };
    const std::vector<Case> cases = {
        {"(0,1); (x,3); (2,5)", "Fejl i data: x"},
        {"(0,1); (1,); (2,5)", "Fejl i data: "},
        {"(0,1); (1,3)", "Fejl i data: punkt 3 af 3 mangler"},
        {"(0,1); (1,3); (2", "Fejl i data: (2"},
        {"(0,1); (1,3); (2,5", "Fejl i data: (2,5"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        host.boxes.clear();
        Vector x{}, y{};
        EXPECT_FALSE(ReadDataPoints(3, c.text, x, y));
        EXPECT_EQ(host.boxes, Lines{c.box});
        EXPECT_FALSE(ErrorFlag);
    }
}

TEST(PointTextTest, ResultTexts) {
    VariableValues v{0, 1, -2.5};
    EXPECT_EQ(PointText(2, v), "(1.0000,-2.5000)");
    EXPECT_EQ(PointLogLine(2, v), "(x[1] = 1.0000; x[2] = -2.5000; )");
    EXPECT_EQ(NameList(3, DefaultVariableNames(), "0"), "x0,y0,z0");
    EXPECT_EQ(ZeroPoint(1), "(0)");
}
