// The notation students type, written out once for every reader.
#include <fstream>

#include "CaseTable.h"
#include "Evaluate.h"
#include "ExplicitNotation.h"
#include "RecordingHost.h"

namespace {

std::string Explicit(const std::string& typed) {
    const NotationResult r = ExplicitNotation(ExpressionText(typed));
    switch (r.outcome) {
    case NotationResult::Ambiguous:
        EXPECT_EQ(r.text.Str(), typed) << "an ambiguous text stays as typed";
        return "ambiguous " + std::to_string(r.position);
    case NotationResult::TooLong:
        EXPECT_EQ(r.text.Str(), typed) << "a text that would grow past 255 stays as typed, never cut";
        return "too long";
    default:
        return r.text.Str();
    }
}

}  // namespace

using ExplicitNotationTest = EngineTest;

TEST_F(ExplicitNotationTest, ImplicitProductsAndLogAreWrittenOut) {
    ExpectTable("expr/data/explicit-notation.tsv", "Explicit", Explicit);
}

TEST_F(ExplicitNotationTest, RefusedTextsSayWhereAndHowToMendThem) {
    for (const CaseRow& row : CaseTable("expr/data/explicit-notation.tsv", "Hint")) {
        host.boxes.clear();
        EXPECT_FALSE(CheckExpressionSyntax(ExplicitNotation(ExpressionText(row[0])).text)) << row.where;
        ASSERT_FALSE(host.boxes.empty()) << row.where;
        EXPECT_EQ(host.boxes.front(), row[1]) << row.where;
    }
}

TEST_F(ExplicitNotationTest, NewReadingsHaveTheirValues) {
    for (const CaseRow& row : CaseTable("expr/data/explicit-notation.tsv", "Value")) {
        ErrorFlag = false;
        const ExpressionText text = ExplicitNotation(ExpressionText(row[0])).text;
        int stop = 0;
        const double value = EvaluateFunction(text, row.Number(1), stop);
        EXPECT_FALSE(ErrorFlag) << row.where;
        EXPECT_EQ(stop, text.Length()) << row.where;
        EXPECT_NEAR(value, row.Number(2), 1e-12) << row.where << ": " << text.Str();
    }
}

// The writing-out only touches places where every reader stops, so a text the
// evaluator reads whole comes back to the letter.
TEST_F(ExplicitNotationTest, TextsTheReadersReadAreLeftAlone) {
    std::ifstream in(KVADRIX_READING_CORPUS);
    ASSERT_TRUE(in);
    int readable = 0;
    for (std::string line; std::getline(in, line);) {
        if (line.size() < 2 || line[0] == '#') continue;
        const ExpressionText text(line.substr(2));
        if (!ReadsWhole(text)) continue;
        ++readable;
        EXPECT_EQ(ExplicitNotation(text).text.Str(), text.Str());
    }
    EXPECT_GT(readable, 10);
}
