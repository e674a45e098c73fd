#include "FormFixture.h"

using FunktionTabTest = FormTest;

TEST_F(FunktionTabTest, LeavingFxStoresTheTextAndMovesOn) {
    Leave("f_x_Edit", "x^2 + 1");
    EXPECT_EQ(form.State.FunctionText, "x^2+1");
    EXPECT_EQ(form.FocusRequest, "x0Edit");
    form.FocusRequest.clear();
    Leave("f_x_Edit", "");
    EXPECT_EQ(form.FocusRequest, "");
}

struct ValueCase {
    const char* name;
    const char* f;
    const char* x0;
    bool ignore;
    const char* shown;
    Lines boxes;
};

TEST_F(FunktionTabTest, ShowsFOfX0OrNothingAfterAnError) {
    const std::string fe = "Fejl i funktionsudtryk: \n\r";
    const std::vector<ValueCase> cases = {
        {"square", "x^2", "3", false, "9.0000", {}},
        {"pi to full precision", "x", "pi", false, "3.1416", {}},
        {"decimal comma", "2*x", "1,5", false, "3.0000", {}},
        {"constant expression x0", "x^2", "sqrt(2)", false, "2.0000", {}},
        {"blanks in f are removed", "x + 1", "2", false, "3.0000", {}},
        {"blanks in x0 are removed", "x", "1 + 1", false, "2.0000", {}},
        {"division by zero, OK", "1/(x-1)", "1", false, "",
         {"Division med 0 i funktionsudtryk: \n\r1/(x-1)"}},
        {"division by zero, Ignore", "1/(x-1)", "1", true, "0.0000",
         {"Division med 0 i funktionsudtryk: \n\r1/(x-1)"}},
        {"empty x0", "x", "", false, "", {fe}},
        {"left-over in f", "2x", "3", false, "", {fe + "2x"}},
        {"left-over bracket in f", "x+1)", "3", false, "", {fe + "x+1)"}},
        {"left-over in x0", "x", "2y", false, "", {fe + "2y"}},
        {"left-over in f is refused, also on Ignore", "2x", "3", true, "", {fe + "2x"}},
        {"number error stays after Ignore", "1.2.3", "1", true, "", {"Fejl i tal \"1.2.3\" i funktionsudtryk!"}},
        {"negative root", "sqrt(x)", "-1", false, "",
         {"Negativt tal i Kvadratrod i funktionsudtryk: sqrt(x)"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        host.boxes.clear();
        host.ignoreAll = c.ignore;
        Leave("f_x_Edit", c.f);
        Leave("x0Edit", c.x0);
        EXPECT_EQ(form.Funktion.f_x0_Edit.text, c.shown);
        EXPECT_EQ(host.boxes, c.boxes);
    }
}

TEST_F(FunktionTabTest, UsesTheFunctionAnotherTabStored) {
    form.State.FunctionText = "x^3";
    Leave("x0Edit", "2");
    EXPECT_EQ(form.Funktion.f_x0_Edit.text, "8.0000");
    EXPECT_TRUE(form.LogMemo.empty());  // this tab writes nothing to the log
}
