#include "FormFixture.h"
#include <set>

TEST(ControlTableTest, EveryControlIsNamedOnceAndLabelsExist) {
    std::set<std::string> names;
    for (const auto& c : ControlTable) {
        EXPECT_TRUE(names.insert(c.name).second) << c.name;
        if (c.label) {
            EXPECT_NE(FindControl(c.label), nullptr) << c.name;
        }
    }
}

using MenuTest = FormTest;

TEST_F(MenuTest, IntegrationItemsEmptyTheTabAndTheSharedTexts) {
    for (auto click : {StamfunktionMenuItemClick, BestemtIntegralMenuItemClick}) {
        form.Integration.fxEdit.text = "x";
        form.State.FunctionText = "x";
        form.State.UpperBoundText = "2";
        click(form);
        EXPECT_EQ(form.ActivePage, IntegrationTabSheet);
        EXPECT_EQ(form.Integration.fxEdit.text, "");
        EXPECT_TRUE(form.State.FunctionText.Empty());
        EXPECT_TRUE(form.State.UpperBoundText.Empty());
        EXPECT_EQ(form.FocusRequest, "fxEdit");
    }
}

using RunHandlerTest = FormTest;

TEST_F(RunHandlerTest, IgnoresReentry) {
    form.Busy = true;
    form.Funktion.f_x_Edit.text = "x";
    EXPECT_TRUE(RunHandler(form, f_x_EditExit));
    EXPECT_TRUE(form.State.FunctionText.Empty());
}

// A control name that the field table lacks would reach a null pointer.
TEST(ControlNamesTest, EventsAndFocusTargetsNameControlsOfTheTable) {
    for (const EventInfo& e : EventTable) {
        ASSERT_NE(FindControl(e.control), nullptr) << e.control;
        if (!e.enter) continue;
        for (bool linear : {true, false}) {
            Form form;
            FormActivate(form);
            form.Regression.LineaerRegressionRadioButton.checked = linear;
            e.enter(form);
            // No focus request is fine; a request must name a control.
            if (!form.FocusRequest.empty()) {
                EXPECT_NE(FindControl(form.FocusRequest), nullptr) << e.control << " -> " << form.FocusRequest;
            }
        }
    }
}
