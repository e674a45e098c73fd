// Number texts in and out, and the small text predicates; the case tables are
// in data/numbers.tsv.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "CaseTable.h"
#include "Host.h"
#include "Scanner.h"
#include "TextUtils.h"

TEST(FormatNumberTest, ResultFormats) {
    for (const CaseRow& row : CaseTable("expr/data/numbers.tsv", "FormatNumber"))
        EXPECT_EQ(FormatNumber(row.Int(0), row.Int(1), row.Number(2)), row[3]) << row.where;
    EXPECT_THROW(FormatNumber(10, 4, std::numeric_limits<double>::infinity()), ArithmeticFault);
    EXPECT_THROW(FormatNumber(10, 4, std::nan("")), ArithmeticFault);
}

TEST(TextToNumberTest, ReadsAndRejects) {
    for (const CaseRow& row : CaseTable("expr/data/numbers.tsv", "TextToNumber")) {
        const bool refused = row[2] == "1";
        bool error = !refused;
        EXPECT_DOUBLE_EQ(TextToNumber(row[0], error), row.Number(1)) << row.where;
        EXPECT_EQ(error, refused) << row.where;
    }
}

TEST(TextUtilsTest, BlanksCaseAndIntegerTexts) {
    EXPECT_EQ(RemoveBlanks("x ^ 2 + 1"), "x^2+1");
    EXPECT_EQ(RemoveBlanks("a\tb"), "a\tb");
    EXPECT_EQ(LowerCaseText("SIN(X)+\xC6\xD8\xC5\xC9"), "sin(x)+\xE6\xF8\xE5\xC9");  // other capitals stay
    for (const char* s : {"-12", "-"}) EXPECT_TRUE(IsIntegerText(s)) << s;
    for (const char* s : {"", "1.0", "1-2"}) EXPECT_FALSE(IsIntegerText(s)) << s;
    EXPECT_TRUE(IsDigitText("0123"));
    EXPECT_FALSE(IsDigitText("-1") || IsDigitText(""));
}

TEST(ScannerTest, WholeNumbersAndExactDigits) {
    for (const CaseRow& row : CaseTable("expr/data/numbers.tsv", "WholeNumber")) {
        std::int64_t value = -1;
        const bool read = WholeNumberValue(row[0], std::stoll(row[1]), value);
        EXPECT_EQ(read, row[2] != "-") << row.where;
        if (read) {
            EXPECT_EQ(std::to_string(value), row[2]) << row.where;
        }
    }
    for (const CaseRow& row : CaseTable("expr/data/numbers.tsv", "ExactDigits")) {
        const ExpressionText text(row[0]);
        const NumberToken token = ScanNumber(text, 1);
        ASSERT_EQ(token.end, text.Length() + 1) << row.where;
        std::int64_t mantissa = -1, scale = -1;
        const bool exact = ExactDigits(text.View(), token, row.Int(1), mantissa, scale);
        EXPECT_EQ(exact, row[2] != "-") << row.where;
        if (exact) {
            EXPECT_EQ(std::to_string(mantissa) + "/" + std::to_string(scale), row[2] + "/" + row[3]) << row.where;
        }
    }
}
