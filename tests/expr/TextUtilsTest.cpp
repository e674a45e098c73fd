#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "Host.h"
#include "TextUtils.h"

TEST(FormatNumberTest, ResultFormats) {
    struct Row { int width, decimals; double x; const char* text; } rows[] = {
        {10, 4, 3.14159265, "3.1416"}, {10, 4, -0.5, "-0.5000"}, {8, 4, 0, "0.0000"}, {6, 3, 2.0625, "2.063"},
        {6, 3, -2.0625, "-2.063"}, {10, 0, 2.5, "3"}, {6, 2, 0.125, "0.13"}, {10, 4, -9.99996, "-10.0000"},
        {10, 4, 1e15, "1000000000000000.000"},  // 21 characters cut to 20
        {10, 4, 1e18, "1000000000000000000"}, {10, 4, 1e19, "10000000000000000000"},  // no dangling point
        {20, 4, 1.5, "1.5000"},  // a wide field does not push the digits out
        // Integer digits beyond 20 characters: exponent form instead of a wrong power of ten.
        {10, 4, 0x1p100, "1.2677e30"}, {10, 4, -1e20, "-1.0000e20"}, {10, 4, -1e19, "-1.0000e19"},
        {10, 4, 1.00005e20, "1.0001e20"}, {10, 4, -9.99995e19, "-1.0000e20"},  // halves away from zero
        {10, 4, 1e40, "1.0000e40"}, {10, 4, -2.5e36, "-2.5000e36"}, {6, 3, 1.25e300, "1.250e300"},
        {10, 0, 2.5e25, "3e25"}, {10, 30, -1.7976931348623157e308, "-1.7976931348623e308"},
    };
    for (const Row& r : rows) EXPECT_EQ(FormatNumber(r.width, r.decimals, r.x), r.text);
    EXPECT_THROW(FormatNumber(10, 4, std::numeric_limits<double>::infinity()), ArithmeticFault);
    EXPECT_THROW(FormatNumber(10, 4, std::nan("")), ArithmeticFault);
}

TEST(TextToNumberTest, ReadsAndRejects) {
    struct Row { const char* text; double value; bool error; } rows[] = {
        {" 2,5 ", 2.5, false}, {"1e3", 1000, false}, {"1.5E2", 150, false}, {"+7", 7, false}, {"-0.25", -0.25, false},
        {"1.", 1, false}, {"\t3\r", 3, false}, {"1e-400", 0, false},  // underflow is silent
        {"123456789012345678901234567890123456", 1.2345678901234568e35, false},  // read whole
        {"", 0, true}, {"-", 0, true}, {"1,5,2", 0, true}, {"1.000,5", 0, true}, {".5", 0, true}, {"1e", 0, true},
        {"2 5", 0, true}, {"1e400", 0, true},
    };
    for (const Row& r : rows) {
        bool error = !r.error;
        EXPECT_DOUBLE_EQ(TextToNumber(r.text, error), r.value) << r.text;
        EXPECT_EQ(error, r.error) << r.text;
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
