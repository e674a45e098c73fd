#include "FormFixture.h"

class NumericTabTest : public FormTest {
protected:
    // Sets a spin edit as its arrows would, then leaves it.
    void Count(const char* spin, int value) {
        Control& c = *form.Find(spin);
        c.value = value;
        c.text = std::to_string(value);
        RunHandler(form, FindEvents(spin)->change);
        RunHandler(form, FindEvents(spin)->exit);
    }
    std::string Text(const char* control) { return form.Find(control)->text; }
    bool Enabled(const char* control) { return form.Find(control)->enabled; }
};

using ExtremumTabTest = NumericTabTest;

TEST_F(ExtremumTabTest, ShowsTheConfirmedMinimumAndLogsTheSteps) {
    Count("AntalVariableSpinEdit", 2);
    Leave("fxyzEdit", "(x - 1)^2 + (y - 2)^2");
    Leave("xyz0Edit", "(0,0)");
    EXPECT_EQ(Text("xyzMinEdit"), "(1.0000,2.0000)");
    EXPECT_EQ(Text("fminEdit"), "0.0000");
    ASSERT_EQ(host.log.size(), 7u);
    EXPECT_EQ(host.log[0], "");
    EXPECT_EQ(host.log[3], "2 Iterationer");  // the iterations MinimiseFunction made
    EXPECT_EQ(host.log[4], "L\xF8sningen er:");
    EXPECT_EQ(host.log[5], "(x[1] = 1.0000; x[2] = 2.0000; )");
    EXPECT_EQ(host.log[6].substr(0, 9), "Kontrol: ");
    EXPECT_TRUE(host.boxes.empty());
}

TEST_F(ExtremumTabTest, ResultsThatFailOrAreNotConfirmedPointToTheLog) {
    Count("AntalVariableSpinEdit", 2);
    Leave("fxyzEdit", "-x^2-y^2");  // zero gradient at the start, but a maximum
    Leave("xyz0Edit", "(0,0)");
    EXPECT_EQ(Text("xyzMinEdit"), "Se LogMemo");
    EXPECT_EQ(Text("fminEdit"), "");
    EXPECT_NE(host.log.back().find("ikke et minimum"), std::string::npos);
    // An evaluation error answered with OK: no number is shown.
    Leave("fxyzEdit", "ln(x)+y^2");
    Leave("xyz0Edit", "(-1,0)");
    EXPECT_EQ(Text("xyzMinEdit"), "Se LogMemo");
    EXPECT_EQ(host.log.back(), "(x[1] = -1.0000; x[2] = 0.0000; )");
    EXPECT_EQ(host.log[host.log.size() - 3], "Ingen l\xF8sning fundet, med den kr\xE6vede n\xF8jagtighed");
}

TEST_F(ExtremumTabTest, InputErrorsAreReportedBeforeAnyComputation) {
    Leave("xyz0Edit", "(0,0)");
    EXPECT_EQ(host.boxes, Lines{"Fejl ved udregning af funktionen "});
    Count("AntalVariableSpinEdit", 3);
    Leave("fxyzEdit", "x+y+z");
    host.boxes.clear();
    Leave("xyz0Edit", "(1,2)");  // too few coordinates
    EXPECT_EQ(host.boxes, Lines{"Fejl i begyndelsesv\xE6rdierne"});
    host.boxes.clear();
    Leave("fxyzEdit", "x^2+y^2+z^2)");  // read only up to the bracket
    Leave("xyz0Edit", "(1,2,3)");
    EXPECT_EQ(host.boxes, Lines{"Fejl i funktionsudtryk: \n\rx^2+y^2+z^2)"});
    EXPECT_EQ(Text("xyzMinEdit"), "");
}

using LigningerTabTest = NumericTabTest;

TEST_F(LigningerTabTest, CountEnablesExactlyItsEquations) {
    Count("AntalLigningerSpinEdit", 3);
    EXPECT_TRUE(Enabled("Ligning3Edit"));
    EXPECT_FALSE(Enabled("Ligning4Edit"));
    EXPECT_EQ(Text("xy0Label"), "(x0,y0,z0)= ");
    EXPECT_EQ(Text("xyzLabel"), "(x,y,z)= ");
    EXPECT_EQ(Text("xy0Edit"), "(0,0,0)");
    EXPECT_EQ(form.FocusRequest, "Ligning1Edit");
    // Enter only enables and focuses the first equation.
    form.TrancendenteLigninger.Ligning1Edit.enabled = false;
    FindEvents("AntalLigningerSpinEdit")->enter(form);
    EXPECT_TRUE(Enabled("Ligning1Edit"));
}

TEST_F(LigningerTabTest, EquationsAreTakenInWithTheirRightSideMovedOver) {
    Count("AntalLigningerSpinEdit", 2);
    Leave("Ligning1Edit", "x^2 + y^2 = 4");
    EXPECT_EQ(Text("Ligning1Edit"), "x^2+y^2-(4)");
    EXPECT_FALSE(Enabled("xy0Edit"));
    Leave("Ligning2Edit", "");
    EXPECT_EQ(host.boxes, Lines{"Ligning 2 skal udfyldes"});
    Leave("Ligning2Edit", "x-y");
    EXPECT_TRUE(Enabled("xy0Edit"));
    Leave("xy0Edit", "(1,1)");  // the window test sees the focus and the solution
    EXPECT_EQ(host.log[host.log.size() - 3], "En l\xF8sning er fundet");
    EXPECT_EQ(host.log.back().substr(0, 9), "Kontrol: ");
}

TEST_F(LigningerTabTest, BothMethodsAndTheirFailures) {
    Count("AntalLigningerSpinEdit", 2);
    Leave("Ligning1Edit", "x+y-3");
    Leave("Ligning2Edit", "x-y-1");
    form.TrancendenteLigninger.MinimumForKvadratsumRadioButton.checked = true;
    form.TrancendenteLigninger.NewtonRapsonRadioButton.checked = false;
    Leave("xy0Edit", "(0,0)");
    EXPECT_EQ(Text("LoesningEdit"), "(2.0000,1.0000)");
    // No root: the least-squares minimum is not confirmed as a solution.
    Leave("Ligning1Edit", "x^2+1");
    Leave("Ligning2Edit", "y");
    Leave("xy0Edit", "(0.5,0.5)");
    EXPECT_EQ(Text("LoesningEdit"), "Se log Page");
    EXPECT_TRUE(host.boxes.empty());
    // A malformed precision is not reported; nothing is found.
    form.TrancendenteLigninger.MinimumForKvadratsumRadioButton.checked = false;
    form.TrancendenteLigninger.NewtonRapsonRadioButton.checked = true;
    form.Find("PraecisionEdit")->text = "abc";
    Leave("Ligning1Edit", "x-2");
    Leave("Ligning2Edit", "y-3");
    Leave("xy0Edit", "(0,0)");
    EXPECT_TRUE(host.boxes.empty());
    EXPECT_EQ(Text("LoesningEdit"), "Se log Page");
    EXPECT_EQ(host.log[host.log.size() - 2], "En l\xF8sning er ikke fundet. Sidste v\xE6rdi udskrives");
    // The count raised after the equations were taken in.
    Count("AntalLigningerSpinEdit", 3);
    host.boxes.clear();
    Leave("xy0Edit", "(0,0,0)");
    EXPECT_EQ(host.boxes, Lines{"Ligning 3 skal udfyldes"});
}

using RegressionTabTest = NumericTabTest;

TEST_F(RegressionTabTest, CountPresetsThePointsWhenMethodAndDegreeFit) {
    Count("AntalRegressionsPunkterSpinEdit", 3);
    EXPECT_EQ(Text("RegressionsPunkterEdit"), "(0,0); (0,0); (0,0)");
    EXPECT_TRUE(Enabled("RegressionsPunkterEdit"));
    EXPECT_EQ(form.FocusRequest, "RegressionsPunkterEdit");
    form.Regression.LineaerRegressionRadioButton.checked = false;
    form.Regression.PolynomiaerRegressionRadioButton.checked = true;
    RunHandler(form, FindEvents("PolynomiaerRegressionRadioButton")->change);
    EXPECT_TRUE(Enabled("PolGradSpinEdit"));
    Count("AntalRegressionsPunkterSpinEdit", 4);  // degree never confirmed: 0
    EXPECT_EQ(host.log, Lines{"Polynomiumsgrad og Antal Regressions Punkter skal v\xE6lges"});
    EXPECT_EQ(Text("RegressionsPunkterEdit"), "(0,0); (0,0); (0,0)");
    Count("PolGradSpinEdit", 3);
    Count("AntalRegressionsPunkterSpinEdit", 3);  // degree 3 needs 4 points
    EXPECT_EQ(host.log.size(), 2u);  // logged on leaving, not on the change
    Count("AntalRegressionsPunkterSpinEdit", 4);
    EXPECT_EQ(Text("RegressionsPunkterEdit"), "(0,0); (0,0); (0,0); (0,0)");
}

TEST_F(RegressionTabTest, FitsTheLineAndThePolynomial) {
    Count("AntalRegressionsPunkterSpinEdit", 3);
    host.log.clear();
    Leave("RegressionsPunkterEdit", "(0,1); (1,3); (2,5)");
    EXPECT_EQ(Text("RegressionsLiniensLigningEdit"), "2.0000*x+1.0000");
    EXPECT_EQ(host.log, (Lines{"(x[1],y[1])=(0.000,1.000)", "(x[2],y[2])=(1.000,3.000)", "(x[3],y[3])=(2.000,5.000)",
                               "Regressionsliniens ligning: 2.0000*x+1.0000",
                               "Kontrol: Forklaringsgrad R^2 = 1.0000"}));
    form.Regression.LineaerRegressionRadioButton.checked = false;
    form.Regression.PolynomiaerRegressionRadioButton.checked = true;
    Count("PolGradSpinEdit", 2);
    Count("AntalRegressionsPunkterSpinEdit", 4);
    host.log.clear();
    // y = x^2 - 2: the x term is exactly 0 and left out.
    Leave("RegressionsPunkterEdit", "(-2,2); (-1,-1); (1,-1); (2,2)");
    EXPECT_EQ(Text("RegressionsPolynomietsligningEdit"), "1.0000*x^2-2.0000");
    EXPECT_EQ(Text("RegressionsLiniensLigningEdit"), "");
    EXPECT_EQ(host.log[4], "RegressionsPolynomiets er");
    EXPECT_EQ(host.log[5], "1.0000*x^2-2.0000");
}

TEST_F(RegressionTabTest, DataErrorsAndPointsWithoutAFit) {
    Count("AntalRegressionsPunkterSpinEdit", 3);
    Leave("RegressionsPunkterEdit", "(0,1); (1,a); (2,5)");
    EXPECT_EQ(host.boxes, Lines{"Fejl i data: a"});
    EXPECT_FALSE(ErrorFlag);
    Leave("RegressionsPunkterEdit", "(1,1); (1,3); (1,5)");
    EXPECT_EQ(host.log.back(), "Fejl ved bestemmelse af Regressionslinien: alle punkter har samme x");
    EXPECT_EQ(Text("RegressionsLiniensLigningEdit"), "");
}
