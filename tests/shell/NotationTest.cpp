// Every example of the help window's "Notation" computed again through the
// form model: the help must state what the program shows.
#include <set>

#include "FormFixture.h"
#include "Notation.h"

namespace {

class NotationExampleTest : public FormTest, public ::testing::WithParamInterface<std::size_t> {};

TEST_P(NotationExampleTest, GivesTheStatedResult) {
    const NotationExample& example = NotationExamples[GetParam()];
    form.ActivePage = example.page;
    for (const NotationStep& step : example.steps) {
        const ControlInfo* info = FindControl(step.control);
        ASSERT_NE(info, nullptr) << step.control;
        ASSERT_EQ(info->page, example.page) << step.control;
        const EventInfo* events = FindEvents(step.control);
        ASSERT_NE(events, nullptr) << step.control;
        Control& control = info->get(form);
        if (info->kind == ControlKind::SpinEdit) {
            control.value = std::stoi(step.text);
            control.text = step.text;
            RunHandler(form, events->change);
            RunHandler(form, events->exit);
        } else {
            Leave(step.control, step.text);
        }
    }
    const ControlInfo* shown = FindControl(example.shown);
    ASSERT_NE(shown, nullptr) << example.shown;
    EXPECT_EQ(shown->get(form).text, example.result) << example.comment;
    EXPECT_EQ(host.boxes, Lines{});
}

INSTANTIATE_TEST_SUITE_P(Notation, NotationExampleTest, ::testing::Range<std::size_t>(0, NotationExamples.size()));

TEST(NotationTest, EveryComputingPageHasAnExample) {
    std::set<Page> pages;
    for (const NotationExample& example : NotationExamples) pages.insert(example.page);
    for (int p = 0; p < PageCount; ++p) {
        if (p != LogTabSheet) {
            EXPECT_TRUE(pages.count(Page(p))) << Pages[p].name;
        }
    }
}

}  // namespace
