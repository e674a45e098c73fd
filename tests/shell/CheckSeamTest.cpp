// Every tab's own check stops a wrong result: the result is spoilt through the
// handlers' test hook just before its check, and the output must not show it.
#include "CaseTable.h"
#include "FormFixture.h"
#include "HandlerSupport.h"

namespace {

std::string spoilt;  // the result the hook spoils

void Spoil(const char* result, ExpressionText* text, double* values, int count) {
    if (spoilt != result) return;
    if (text) *text = *text + "+x";
    for (int i = 0; i < count; ++i) values[i] += 0.5;
}

}  // namespace

using CheckSeamTest = FormTest;

TEST_F(CheckSeamTest, AResultFailingItsCheckIsNotShown) {
    for (const CaseRow& c : CaseTable("shell/data/tabs.tsv", "Spoil")) {
        for (bool spoil : {false, true}) {
            SCOPED_TRACE(c.where + (spoil ? " spoilt" : " as found"));
            Form fresh;
            FormHost h(fresh);
            SetHost(&h);
            FormActivate(fresh);
            spoilt = spoil ? c[0] : "";
            BeforeCheckHook = Spoil;
            for (std::size_t i = 4; i < c.size(); ++i) {
                const std::size_t equals = c[i].find('=');
                Enter(fresh, c[i].substr(0, equals), c[i].substr(equals + 1));
            }
            BeforeCheckHook = nullptr;
            EXPECT_EQ(fresh.Find(c[1])->text, spoil ? c[2] : c[3]);
            // The log says why: a "Kontrol: " line, or the method's own failure.
            if (spoil) {
                EXPECT_FALSE(h.log.empty());
            }
            SetHost(&host);
        }
    }
}
