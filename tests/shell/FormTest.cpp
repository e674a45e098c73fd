#include "FormFixture.h"
#include <set>
#include <cctype>

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

TEST_F(MenuTest, IntegrationItemsEmptyTheFunctionAndItsResults) {
    for (auto click : {StamfunktionMenuItemClick, BestemtIntegralMenuItemClick}) {
        form.Integration.fxEdit.text = "x";
        form.Integration.StamfunktionEdit.text = "1/2*x^2";
        form.Integration.BestemtIntegralEdit.text = "2.0000";
        click(form);
        EXPECT_EQ(form.ActivePage, IntegrationTabSheet);
        EXPECT_EQ(form.Integration.fxEdit.text, "");
        EXPECT_EQ(form.Integration.StamfunktionEdit.text, "");
        EXPECT_EQ(form.Integration.BestemtIntegralEdit.text, "");
        EXPECT_EQ(form.FocusRequest, "fxEdit");
    }
}

using RunHandlerTest = FormTest;

TEST_F(RunHandlerTest, IgnoresReentry) {
    form.Busy = true;
    form.Funktion.f_x_Edit.text = "x";
    EXPECT_TRUE(RunHandler(form, f_x_EditExit));
    EXPECT_EQ(form.Differentiation.fx_Edit.text, "");  // not shared: the handler never ran
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

// Alt+letter reaches one control: the access keys of a page's captions differ
// from each other and from the menu bar's.
TEST(ControlTableTest, AccessKeysAreUniqueOnEachPageAndBesideTheMenu) {
    auto key = [](const std::string& caption) {
        const std::size_t amp = caption.find('&');
        return amp == std::string::npos || amp + 1 >= caption.size() ? '\0' : char(std::tolower(caption[amp + 1]));
    };
    std::string menu;
    for (const MenuInfo& m : MenuTable)
        if (!m.parent && key(m.caption)) {
            EXPECT_EQ(menu.find(key(m.caption)), std::string::npos) << m.caption;
            menu += key(m.caption);
        }
    Form form;
    for (int p = 0; p < PageCount; ++p) {
        std::string used = menu;
        for (const ControlInfo& c : ControlTable) {
            if (c.page != p || !key(c.get(form).text)) continue;
            EXPECT_EQ(used.find(key(c.get(form).text)), std::string::npos) << c.name;
            used += key(c.get(form).text);
        }
    }
}
