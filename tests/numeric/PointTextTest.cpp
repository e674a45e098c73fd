#include <sstream>

#include "CaseTable.h"
#include "PointText.h"
#include "RecordingHost.h"

using ReadStartPointTest = EngineTest;

TEST_F(ReadStartPointTest, ReadsCoordinatesAndLogsThem) {
    const VariableNames names = DefaultVariableNames();
    for (const CaseRow& c : CaseTable("numeric/data/points.tsv", "StartPoint")) {
        SCOPED_TRACE(c.where);
        host.log.clear();
        VariableValues values{};
        ASSERT_TRUE(ReadStartPoint(c.Int(1), c[0], names, values));
        std::istringstream expected(c[2]);
        for (int i = 1; i <= c.Int(1); ++i) {
            double v = 0;
            expected >> v;
            EXPECT_EQ(values[i], v);
        }
        EXPECT_EQ(host.log, Lines(c.begin() + 3, c.end()));
    }
    EXPECT_TRUE(host.boxes.empty());
    EXPECT_FALSE(ErrorFlag);
}

TEST_F(ReadStartPointTest, MissingOrMalformedCoordinateIsAnError) {
    const VariableNames names = DefaultVariableNames();
    for (const char* text : {"(1,2)", "(1,a,3)", "(a,1,2)", "", "(1;2)", "(1;2,5,3)"}) {
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
    // The echo of the points in the log is checked through the Regression tab.
    Vector x{}, y{};
    ASSERT_TRUE(ReadDataPoints(3, "(-1.5,2)(.5,1.5)x(3, -4)", x, y));
    EXPECT_EQ(x[1], -1.5);
    EXPECT_EQ(x[2], 0.5);
    EXPECT_EQ(y[3], -4);
    EXPECT_TRUE(host.boxes.empty());
}

TEST_F(ReadDataPointsTest, FaultyDataIsShownAndNothingFitted) {
    for (const CaseRow& c : CaseTable("numeric/data/points.tsv", "DataError")) {
        host.boxes.clear();
        Vector x{}, y{};
        EXPECT_FALSE(ReadDataPoints(3, c[0], x, y)) << c.where;
        EXPECT_EQ(host.boxes, Lines{c[1]}) << c.where;
        EXPECT_FALSE(ErrorFlag) << c.where;
    }
}

// Danish entry: a semicolon between the coordinates and decimal commas; a
// comma-only point with two readings is refused, showing both.
TEST_F(ReadDataPointsTest, SemicolonsAndDecimalCommas) {
    for (const CaseRow& c : CaseTable("numeric/data/points.tsv", "Danish")) {
        SCOPED_TRACE(c.where + " " + c[0]);
        std::istringstream in(c[1]);
        Vector x{}, y{};
        ASSERT_TRUE(ReadDataPoints(2, c[0], x, y));
        for (int i = 1; i <= 2; ++i) {
            double ex = 0, ey = 0;
            in >> ex >> ey;
            EXPECT_EQ(x[i], ex);
            EXPECT_EQ(y[i], ey);
        }
    }
    Vector x{}, y{};
    EXPECT_FALSE(ReadDataPoints(2, "(1;2); (0,5,1)", x, y));
    EXPECT_EQ(host.boxes, Lines{"Fejl i data: (0,5,1) kan l\xE6ses b\xE5" "de som (0.0000; 5.1000) og som (0.5000; 1.0000); "
                                "skriv ; mellem koordinaterne, som (0,5;1), eller brug decimalpunktum"});
}
