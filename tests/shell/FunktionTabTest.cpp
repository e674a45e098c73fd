#include "CaseTable.h"
#include "FormFixture.h"

using FunktionTabTest = FormTest;

TEST_F(FunktionTabTest, ShowsFOfX0OrNothingAfterAnError) {
    for (const CaseRow& c : CaseTable("shell/data/tabs.tsv", "FOfX0")) {
        SCOPED_TRACE(c.where + " " + c[0]);
        host.boxes.clear();
        host.ignoreAll = c[3] == "1";
        Leave("f_x_Edit", c[1]);
        Leave("x0Edit", c[2]);
        EXPECT_EQ(form.Funktion.f_x0_Edit.text, c[4]);
        EXPECT_EQ(host.boxes, Lines(c.begin() + 5, c.end()));
    }
}

using FaktorReduktionTabTest = FormTest;

TEST_F(FaktorReduktionTabTest, ShowsTheReducedFormWithItsLogLines) {
    for (const CaseRow& c : CaseTable("shell/data/tabs.tsv", "Reduce")) {
        host.log.clear();
        Leave("Factor_fxEdit", c[0]);
        EXPECT_EQ(form.FaktorReduktion.ReduceretFxEdit.text, c[1]) << c.where;
        EXPECT_EQ(host.log, Lines(c.begin() + 2, c.end())) << c.where;
    }
    EXPECT_TRUE(host.boxes.empty());
}
