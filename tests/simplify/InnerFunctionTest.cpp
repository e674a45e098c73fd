// Candidates for the inner function of a substitution, in reading order.
#include <vector>

#include "InnerFunction.h"
#include "RecordingHost.h"

namespace {
std::vector<std::string> Candidates(const char* text) {
    std::vector<std::string> all;
    for (int k = 0; k < 40; ++k) {
        ExpressionText sub = "unchanged";
        FindInnerFunction(static_cast<std::uint8_t>(k), text, sub);
        if (sub.Empty()) break;
        all.push_back(sub.Str());
    }
    return all;
}
using List = std::vector<std::string>;
}  // namespace

using FindInnerFunctionTest = EngineTest;

TEST_F(FindInnerFunctionTest, OffersSubexpressionsInReadingOrder) {
    for (auto [in, out] : std::initializer_list<std::pair<const char*, List>>{
             {"sin(x)^2*cos(x)", {"sin(x)", "sin(x)^2", "cos(x)"}},
             {"x", {}},
             {"2*x", {}},
             {"(x+1)^3", {"x+1", "(x+1)"}},
             {"exp(2*x)", {"2*x", "2*x"}},
             {"SIN(X) ^ 2", {"sin(x)"}},
             {"x^0*sin(x)", {"sin(x)", "1*sin(x)", "1*sin(x)"}},
             {"e^(3*x)+pi", {"3*x", "3*x", "e^(3*x)"}},
             {"-x^2+1", {"-x", "-x^2"}},
             {"x*exp(x^2)", {"x^2", "x^2", "exp(x^2)"}}})
        EXPECT_EQ(Candidates(in), out) << in;
    EXPECT_TRUE(host.boxes.empty());
}

TEST_F(FindInnerFunctionTest, ReportsUnreadableTexts) {
    ExpressionText sub;
    FindInnerFunction(0, "sin(x", sub);
    EXPECT_TRUE(ErrorFlag);
    EXPECT_EQ(host.boxes, Lines{"Mangler \")\" i funktionsudtryk: sin(x"});
    ErrorFlag = false;
    host.boxes.clear();
    FindInnerFunction(0, "y*x", sub);
    EXPECT_EQ(host.boxes, Lines{"Fejl i funktionsudtryk: \n\ry*x"});
}
