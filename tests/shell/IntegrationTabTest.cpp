#include "FormFixture.h"

using IntegrationTabTest = FormTest;

namespace {
const char* const Failure = "Kan ikke udregne Integralet. Se log";
}

TEST_F(IntegrationTabTest, ShowsTheCheckedAntiderivativeAndTheDefiniteIntegral) {
    Leave("fxEdit", "2*x");
    EXPECT_EQ(form.Integration.StamfunktionEdit.text, "x^2");
    EXPECT_EQ(host.log, (Lines{"", "I(2*x)dx = x^2", "Kontrol: F'(x) = f(x) i 6 punkter"}));
    Leave("NedreGraenseEdit", "0");
    Leave("OevreGraenseEdit", "3");
    EXPECT_EQ(form.Integration.BestemtIntegralEdit.text, "9.0000");
    EXPECT_EQ(host.log.back(), "Integralet er 9.0000");
    EXPECT_TRUE(host.boxes.empty());
}

TEST_F(IntegrationTabTest, BoundsAreConstantExpressionsInAnyCase) {
    Leave("fxEdit", "sin(x)");
    EXPECT_EQ(form.Integration.StamfunktionEdit.text, "-cos(x)");
    Leave("NedreGraenseEdit", "0");
    Leave("OevreGraenseEdit", "PI/2");
    EXPECT_EQ(form.Integration.BestemtIntegralEdit.text, "1.0000");
    Leave("OevreGraenseEdit", "2*Pi");
    EXPECT_EQ(form.Integration.BestemtIntegralEdit.text, "0.0000");
}

TEST_F(IntegrationTabTest, WithoutAnAntiderivativeSimpsonsRuleGivesTheValue) {
    Leave("fxEdit", "exp(x^2)");
    EXPECT_EQ(form.Integration.StamfunktionEdit.text, Failure);
    Leave("NedreGraenseEdit", "0");
    Leave("OevreGraenseEdit", "1");
    EXPECT_EQ(form.Integration.BestemtIntegralEdit.text, "1.4627");
    EXPECT_EQ(form.State.SimpsonPanels, 21);
    EXPECT_NE(std::find(host.log.begin(), host.log.end(), "Integralet udregnes numerisk"), host.log.end());
}

// ln(x) is kept for 1/x, but never evaluated outside its domain: on [-2, -1]
// the value comes from Simpson's rule.
TEST_F(IntegrationTabTest, AntiderivativeOutsideItsDomainIsNotUsed) {
    Leave("fxEdit", "1/x");
    EXPECT_EQ(form.Integration.StamfunktionEdit.text, "ln(x)");
    Leave("NedreGraenseEdit", "-2");
    Leave("OevreGraenseEdit", "-1");
    EXPECT_EQ(form.Integration.BestemtIntegralEdit.text, "-0.6931");
    EXPECT_NE(std::find(host.log.begin(), host.log.end(), "Integralet udregnes numerisk"), host.log.end());
    // Across the pole there is no integral at all.
    Leave("NedreGraenseEdit", "-1");
    Leave("OevreGraenseEdit", "1");
    EXPECT_EQ(form.Integration.BestemtIntegralEdit.text, "");
    EXPECT_EQ(host.boxes.size(), 1u);
}

// sqrt(1-cos(x)) has an antiderivative that jumps at x = 0: across it the
// value comes from Simpson's rule, not from F(b)-F(a).
TEST_F(IntegrationTabTest, AntiderivativeWithAJumpInTheIntervalIsNotUsed) {
    Leave("fxEdit", "sqrt(1-cos(x))");
    EXPECT_NE(form.Integration.StamfunktionEdit.text, Failure);
    Leave("NedreGraenseEdit", "-1");
    Leave("OevreGraenseEdit", "2");
    // 2*sqrt(2)*(1-cos(1/2)) + 2*sqrt(2)*(1-cos(1)) = 1.64648...
    EXPECT_EQ(form.Integration.BestemtIntegralEdit.text, "1.6465");
}

TEST_F(IntegrationTabTest, OnlyAnUpperBoundComputesNothing) {
    Leave("fxEdit", "x");
    Leave("NedreGraenseEdit", "");
    Leave("OevreGraenseEdit", "3");
    EXPECT_EQ(form.Integration.BestemtIntegralEdit.text, "");
}

TEST_F(IntegrationTabTest, RefusedTextsShowNothing) {
    Leave("fxEdit", "2x");
    EXPECT_EQ(form.Integration.StamfunktionEdit.text, "");
    EXPECT_EQ(host.boxes, Lines{"Fejl i funktionsudtryk: \n\r2x"});
    host.boxes.clear();
    Leave("fxEdit", "x^2");
    Leave("NedreGraenseEdit", "0");
    Leave("OevreGraenseEdit", "3)");
    EXPECT_EQ(form.Integration.BestemtIntegralEdit.text, "");
    EXPECT_EQ(host.boxes.size(), 1u);
}

TEST_F(IntegrationTabTest, EnterMovesTheFocusOn) {
    const std::pair<const char*, const char*> moves[] = {
        {"fxEdit", "StamfunktionEdit"}, {"NedreGraenseEdit", "OevreGraenseEdit"},
        {"OevreGraenseEdit", "BestemtIntegralEdit"}};
    for (auto [from, to] : moves) {
        FindEvents(from)->enter(form);
        EXPECT_EQ(form.FocusRequest, to);
    }
}

// A simplifier that cannot fold a step of the search (3^22 is beyond 32
// bits) reports into the log, once, instead of a box per attempt; the search
// then gives up.
TEST_F(IntegrationTabTest, MessagesOfTheSearchGoToTheLog) {
    Leave("fxEdit", "1/(3^22*x+1)");
    EXPECT_TRUE(host.boxes.empty());
    EXPECT_EQ(form.Integration.StamfunktionEdit.text, Failure);
    EXPECT_EQ(std::count_if(host.log.begin(), host.log.end(),
                            [](const std::string& l) { return l.starts_with("Fejl under integration: Illegalt"); }),
              1);
    EXPECT_NE(std::find(host.log.begin(), host.log.end(), "Fejl under integration: I_fx_dx = "), host.log.end());
}
