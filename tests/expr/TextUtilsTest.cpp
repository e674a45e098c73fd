// Number texts in and out, and the small text predicates; the case tables are
// in data/numbers.tsv.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "CaseTable.h"
#include "Host.h"
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
