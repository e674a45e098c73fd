// One input rule for every expression field, and the mends of the working tabs.
#include <fstream>

#include <algorithm>

#include "FormFixture.h"
#include "Reduce.h"

namespace {
struct Tab {
    const char* name;
    std::vector<std::pair<const char*, const char*>> fields;  // typed in this order
    const char* output;
};

const std::vector<Tab> Tabs = {
    {"y=f(x)", {{"f_x_Edit", nullptr}, {"x0Edit", "1.25"}}, "f_x0_Edit"},
    {"Differentiation", {{"fx_Edit", nullptr}}, "df_dx_Edit"},
    {"FaktorReduktion", {{"Factor_fxEdit", nullptr}}, "ReduceretFxEdit"},
};

bool IsReadingMessage(const std::string& box) {
    for (const char* prefix : {"Fejl i funktionsudtryk", "Mangler ", "Fejl i tal "})
        if (box.rfind(prefix, 0) == 0) return true;
    return false;
}
}  // namespace

using InputRuleTest = FormTest;

TEST_F(InputRuleTest, EveryTabAcceptsAndRefusesTheSameTexts) {
    std::ifstream in(KVADRIX_READING_CORPUS);
    ASSERT_TRUE(in) << KVADRIX_READING_CORPUS;
    int rows = 0;
    for (std::string line; std::getline(in, line);) {
        if (line.empty() || line[0] == '#') continue;
        const bool accepted = line[0] == 'A';
        const std::string text = line.substr(2);
        ++rows;
        for (const Tab& tab : Tabs) {
            SCOPED_TRACE(std::string(tab.name) + ": " + text);
            Form fresh;
            FormHost h(fresh);
            SetHost(&h);
            FormActivate(fresh);
            for (auto [field, value] : tab.fields) {
                fresh.Find(field)->text = value ? value : text;
                RunHandler(fresh, FindEvents(field)->exit);
            }
            bool refused = !h.boxes.empty() && IsReadingMessage(h.boxes.front());
            EXPECT_EQ(refused, !accepted) << (h.boxes.empty() ? "" : h.boxes.front());
            if (refused) {
                EXPECT_EQ(fresh.Find(tab.output)->text, "");
                EXPECT_TRUE(fresh.State.FunctionText.Empty());  // nothing computes from it later
            }
            SetHost(&host);
        }
    }
    EXPECT_GT(rows, 20);
}

struct Mend {
    const char* name;
    std::vector<std::pair<const char*, const char*>> fields;
    const char* output;
    const char* shown;
    const char* box;      // the first box, or nullptr for none
    const char* logLine;  // a line the log must hold, or nullptr
};

TEST_F(InputRuleTest, ResultsAreCheckedBeforeTheyAreShown) {
    const std::vector<Mend> mends = {
        {"phi to full precision", {{"f_x_Edit", "phi((x-100)/15)"}, {"x0Edit", "145"}}, "f_x0_Edit", "0.9987", nullptr, nullptr},
        {"erf to full precision", {{"f_x_Edit", "100*erf(x)"}, {"x0Edit", "2"}}, "f_x0_Edit", "99.5322", nullptr, nullptr},
        {"erf near 1", {{"f_x_Edit", "erf(x)"}, {"x0Edit", "5.3"}}, "f_x0_Edit", "1.0000", nullptr, nullptr},
        {"f(x0) of the typed function", {{"fx_Edit", "x/x"}, {"x_Edit", "0"}}, "f_value_Edit", "",
         "Division med 0 i funktionsudtryk: \n\rx/x", nullptr},
        {"f(x0) where a root is undefined", {{"fx_Edit", "sqrt(x-5)*x/sqrt(x-5)"}, {"x_Edit", "-1"}}, "f_value_Edit", "",
         "Negativt tal i Kvadratrod i funktionsudtryk: sqrt(x-5)*x/sqrt(x-5)", nullptr},
        {"derivative of a function defined nowhere", {{"fx_Edit", "x/0"}}, "df_dx_Edit", "",
         "f(x) kan ikke udregnes for nogen x: x/0", "Kontrol: f(x) kan ikke udregnes i nogen af kontrolpunkterne"},
        {"ln(0)", {{"fx_Edit", "x+ln(0)"}}, "df_dx_Edit", "", "f(x) kan ikke udregnes for nogen x: x+ln(0)", nullptr},
        {"reduced form of a function defined nowhere", {{"Factor_fxEdit", "x/(1-1)"}}, "ReduceretFxEdit", "",
         "f(x) kan ikke udregnes for nogen x: x/(1-1)", nullptr},
        {"minus before a power base", {{"fx_Edit", "-e^x"}}, "df_dx_Edit", "", "f(x) kan ikke udregnes for nogen x: -e^x",
         "Bem\xE6rk: -e^x l\xE6ses som (-e)^x; skriv -(e^x) for minus e^x"},
        {"minus of a power", {{"fx_Edit", "-(e^x)"}}, "df_dx_Edit", "-(e^x*ln(e))", nullptr, nullptr},
        {"long decimal stays a decimal", {{"fx_Edit", "2.718281828*x"}}, "df_dx_Edit", "2.718281828", nullptr,
         "Bem\xE6rk: 2.718281828 kan ikke skrives som en eksakt br\xF8k og regnes som decimaltal"},
        {"exponent notation", {{"fx_Edit", "1.5e2*x"}}, "df_dx_Edit", "150", nullptr, nullptr},
        {"overflowing product stays unfolded", {{"Factor_fxEdit", "99999*99999*x"}}, "ReduceretFxEdit", "99999^2*x",
         nullptr, "Bem\xE6rk: 99999*99999 er for stort til eksakt udregning og udregnes ikke"},
        {"bracketed numbers cancel anywhere", {{"Factor_fxEdit", "x*(2)/(4)"}}, "ReduceretFxEdit", "x/2", nullptr, nullptr},
    };
    for (const Mend& m : mends) {
        SCOPED_TRACE(m.name);
        host.boxes.clear();
        host.log.clear();
        for (auto [field, value] : m.fields) Leave(field, value);
        EXPECT_EQ(form.Find(m.output)->text, m.shown);
        if (m.box) {
            ASSERT_FALSE(host.boxes.empty());
            EXPECT_EQ(host.boxes.front(), m.box);
        } else {
            EXPECT_EQ(host.boxes, Lines{});
        }
        if (m.logLine) EXPECT_NE(std::find(host.log.begin(), host.log.end(), m.logLine), host.log.end());
    }
}

TEST(ReducedFormTest, BracketedNumbersCancelWhereverTheyStand) {
    for (const char* t : {"x*(2)/(4)", "(2)*x/(4)", "(2)/(4)*x", "x/(4)*(2)"}) EXPECT_EQ(ReduceExpression(t), "x/2") << t;
}
