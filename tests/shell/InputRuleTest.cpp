// One input rule for every expression field, and the mends of the working tabs.
#include <fstream>

#include <algorithm>

#include "CaseTable.h"
#include "FormFixture.h"

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

TEST_F(InputRuleTest, ResultsAreCheckedBeforeTheyAreShown) {
    for (const CaseRow& m : CaseTable("shell/data/mends.tsv", "Mend")) {
        SCOPED_TRACE(m.where + " " + m[0]);
        host.boxes.clear();
        host.log.clear();
        for (std::size_t i = 5; i + 1 < m.size(); i += 2) Leave(m[i].c_str(), m[i + 1]);
        EXPECT_EQ(form.Find(m[1].c_str())->text, m[2]);
        if (m[3] != "*") {
            ASSERT_FALSE(host.boxes.empty());
            EXPECT_EQ(host.boxes.front(), m[3]);
        } else {
            EXPECT_EQ(host.boxes, Lines{});
        }
        if (m[4] != "*") EXPECT_NE(std::find(host.log.begin(), host.log.end(), m[4]), host.log.end());
    }
}
