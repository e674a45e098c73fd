#include "CaseTable.h"
#include "FormFixture.h"

using DifferentiationTabTest = FormTest;

TEST_F(DifferentiationTabTest, ShowsTheTidiedDerivativeAndLogsEachStep) {
    Leave("fx_Edit", "x^2");
    EXPECT_EQ(form.Differentiation.df_dx_Edit.text, "2*x");
    EXPECT_EQ(host.log[0], "");
    EXPECT_EQ(host.log[1], "Reduceret f(x) = x^2");
    EXPECT_EQ(host.log[2], "f(x) = x^2");
    EXPECT_EQ(host.log.end()[-2], "f'(x) = 2*x");
    EXPECT_EQ(host.log.back(), "Kontrol: f'(x) stemmer med differenskvotienter af f(x) i 6 punkter");
    Leave("x_Edit", "2");
    EXPECT_EQ(form.Differentiation.f_value_Edit.text, "4.0000");  // f, not f'
    EXPECT_TRUE(host.boxes.empty());
}

TEST_F(DifferentiationTabTest, UnreadableTextIsReportedNotCut) {
    Leave("fx_Edit", "2x^2");
    EXPECT_EQ(host.boxes, Lines{"Fejl i funktionsudtryk: \n\r2x^2"});
    EXPECT_EQ(form.Differentiation.df_dx_Edit.text, "");
    EXPECT_EQ(host.log, Lines{""});  // nothing was computed from it
    host.boxes.clear();
    Leave("x_Edit", "1");  // nothing computes from a refused text
    EXPECT_EQ(form.Differentiation.f_value_Edit.text, "");
    EXPECT_TRUE(host.boxes.empty());
}

TEST_F(DifferentiationTabTest, DerivativeLongerThanATextIsNotShownCut) {
    std::string f = "sin(x^2+1)*cos(x^3+2)*tan(x^4+3)*exp(x^5+4)*ln(x^6+5)*atan(x^7+6)";
    Leave("fx_Edit", f);
    EXPECT_EQ(form.Differentiation.df_dx_Edit.text, "");
    EXPECT_EQ(host.boxes, Lines{"Resultatet er for langt til at blive vist (over 255 tegn)"});
}

TEST_F(DifferentiationTabTest, EmptyFieldsComputeNothing) {
    Leave("fx_Edit", "");
    Leave("x_Edit", "");
    EXPECT_TRUE(host.log.empty());
    EXPECT_TRUE(host.boxes.empty());
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

TEST_F(FaktorReduktionTabTest, UnreadableTextIsReportedNotCut) {
    Leave("Factor_fxEdit", "2x+1");
    EXPECT_EQ(host.boxes, Lines{"Fejl i funktionsudtryk: \n\r2x+1"});
    EXPECT_EQ(form.FaktorReduktion.ReduceretFxEdit.text, "");
}
