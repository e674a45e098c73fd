// The evaluators of f(x) and f(x,y,...); the case tables are in data/evaluate.tsv.
#include <cmath>
#include <functional>
#include <string>

#include "CaseTable.h"
#include "Evaluate.h"
#include "RecordingHost.h"

const std::string Data = "expr/data/evaluate.tsv";
using EvaluateFunctionTest = EngineTest;
using EvaluateFunctionNTest = EngineTest;

TEST_F(EvaluateFunctionTest, GrammarAndValues) {
    for (const CaseRow& row : CaseTable(Data, "EvaluateFunction")) {
        int stop = -1;
        EXPECT_DOUBLE_EQ(EvaluateFunction(row[0], row.Number(1), stop), row.Number(2)) << row.where;
        EXPECT_EQ(stop, row.size() > 3 ? row.Int(3) : static_cast<int>(row[0].size())) << row.where;
    }
    EXPECT_FALSE(ErrorFlag);
    EXPECT_EQ(host.boxes, Lines{});
}

// Every message of a table, answered OK and Ignore.
void CheckMessages(RecordingHost& host, const char* table, const std::function<void(const std::string&)>& evaluate) {
    for (bool ignore : {false, true})
        for (const CaseRow& row : CaseTable(Data, table)) {
            SCOPED_TRACE(row.where + (ignore ? " Ignore" : " OK"));
            host = RecordingHost();
            host.ignoreAll = ignore;
            ErrorFlag = false;
            evaluate(row[0]);
            EXPECT_EQ(host.boxes, Lines{row[1]});
            EXPECT_EQ(host.okOnly, std::vector<bool>{row[2] == "1"});
            EXPECT_EQ(ErrorFlag, ignore ? row[3] == "1" : true);
        }
}

TEST_F(EvaluateFunctionTest, MessagesAndIgnore) {
    CheckMessages(host, "EvaluateMessage", [](const std::string& e) { EvaluateFunction(e, 1); });
}

TEST_F(EvaluateFunctionTest, IgnoreGoesOnWithZeroOkStopsLongMessageIsCut) {
    host.answers = {true};
    EXPECT_EQ(EvaluateFunction("1/(x-1)+5", 1), 5);
    EXPECT_FALSE(ErrorFlag);
    EvaluateFunction("sqrt(0-1)+ln(0)+1/0", 1);
    EXPECT_TRUE(ErrorFlag);
    ErrorFlag = false;
    EvaluateFunction("SIN" + std::string(250, '1'), 0);
    ASSERT_EQ(host.boxes.size(), 3u);
    EXPECT_EQ(host.boxes[2].size(), 255u);
    EXPECT_EQ(TextCutCount, 0);
}

TEST_F(EvaluateFunctionTest, OverflowIsAnArithmeticFaultAndLimits) {
    for (const char* expr : {"exp(1000)", "1e200^2", "sinh(1000)", "cosh(0-1000)", "10^400.5", "2^1e10",
                             "1e308+1e308", "1e308*10", "1e308/0.1", "1.5^2000"})
        EXPECT_THROW(EvaluateFunction(expr, 0), ArithmeticFault) << expr;
    EXPECT_THROW(EvaluateFunction("x", std::nan("")), ArithmeticFault);
    // The limits of ErrorFunction's table and of IntPower's exponent.
    for (double x : {0.0, 1.0, -1.0, 2.5}) EXPECT_NEAR(ErrorFunction(x), std::erf(x), 1e-5) << x;  // 11 points
    EXPECT_NEAR(ErrorFunction(511.4), 1, 1e-4);  // the largest table: 1023 points, h = 0.5
    EXPECT_EQ(ErrorFunction(511.5), 1);
    EXPECT_EQ(ErrorFunction(-1e300), -1);
    EXPECT_DOUBLE_EQ(NormalDistribution(-1), 1 - NormalDistribution(1));
    EXPECT_EQ(IntPower(3, -2), -8);
    EXPECT_EQ(IntPower(-2147483647 - 1, 2), 0);
}

TEST_F(EvaluateFunctionNTest, NamedVariablesAndMessages) {
    const VariableNames names{0, 'x', 'y', 'z', 'u', 'v'};
    for (const CaseRow& r : CaseTable(Data, "EvaluateN")) {
        VariableValues values{};
        for (std::size_t i = 3; i < r.size(); ++i) values[i - 2] = r.Number(i);
        EXPECT_DOUBLE_EQ(EvaluateFunctionN(r.Int(0), r[1], names, values), r.Number(2)) << r.where;
    }
    EXPECT_EQ(host.boxes, Lines{});
    CheckMessages(host, "EvaluateNMessage",
                  [&names](const std::string& e) { EvaluateFunctionN(2, e, names, VariableValues{0, 1, 2}); });
}
