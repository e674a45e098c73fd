// Every field a subcommand fills or prints is a control of the field table,
// so no wrong name can reach a null pointer, and lies on the page the
// subcommand fills (the page plot draws).
#include <gtest/gtest.h>

#include "Commands.h"

TEST(CommandTableTest, EveryFieldIsAControlOfTheTable) {
    for (const Subcommand& s : Subcommands) {
        for (const char* field : s.inputs) {
            const ControlInfo* info = FindControl(field);
            ASSERT_NE(info, nullptr) << s.name << ": " << field;
            EXPECT_EQ(info->page, s.page) << s.name << ": " << field;
        }
        for (const Output& out : s.outputs) EXPECT_NE(FindControl(out.field), nullptr) << s.name << ": " << out.field;
        EXPECT_LE(static_cast<std::size_t>(s.required), s.inputs.size()) << s.name;
    }
}
