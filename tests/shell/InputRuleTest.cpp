// One input rule for every expression field, and the mends of the working tabs.
#include <algorithm>
#include <fstream>

#include "CaseTable.h"
#include "FormFixture.h"

namespace {
bool IsReadingMessage(const std::string& box) {
    for (const char* prefix : {"Fejl i funktionsudtryk", "Mangler ", "Fejl i tal "})
        if (box.rfind(prefix, 0) == 0) return true;
    return false;
}
}  // namespace

using InputRuleTest = FormTest;

TEST_F(InputRuleTest, EveryTabAcceptsAndRefusesTheSameTexts) {
    const std::vector<CaseRow> tabs = CaseTable("shell/data/tabs.tsv", "InputTab");
    std::ifstream in(KVADRIX_READING_CORPUS);
    ASSERT_TRUE(in) << KVADRIX_READING_CORPUS;
    int rows = 0;
    for (std::string line; std::getline(in, line);) {
        if (line.empty() || line[0] == '#') continue;
        const bool accepted = line[0] == 'A';
        const std::string text = line.substr(2);
        ++rows;
        for (const CaseRow& tab : tabs) {
            SCOPED_TRACE(tab[0] + ": " + text);
            Form fresh;
            FormHost h(fresh);
            SetHost(&h);
            FormActivate(fresh);
            for (std::size_t i = 2; i < tab.size(); ++i) {
                const std::size_t equals = tab[i].find('=');
                fresh.Find(tab[i].substr(0, equals))->text = equals == std::string::npos ? text : tab[i].substr(equals + 1);
                RunHandler(fresh, FindEvents(tab[i].substr(0, equals))->exit);
            }
            bool refused = !h.boxes.empty() && IsReadingMessage(h.boxes.front());
            EXPECT_EQ(refused, !accepted) << (h.boxes.empty() ? "" : h.boxes.front());
            if (refused) {
                EXPECT_EQ(fresh.Find(tab[1])->text, "");
                // Not shared with the other tabs' f(x) fields.
                for (const char* f : {"fxEdit", "fx_Edit", "f_x_Edit"})
                    if (tab[2] != f) { EXPECT_EQ(fresh.Find(f)->text, ""); }
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
        // "!line": the log must not hold the line.
        if (m[4].rfind('!', 0) == 0) {
            EXPECT_EQ(std::find(host.log.begin(), host.log.end(), m[4].substr(1)), host.log.end());
        } else if (m[4] != "*") {
            EXPECT_NE(std::find(host.log.begin(), host.log.end(), m[4]), host.log.end());
        }
    }
}
