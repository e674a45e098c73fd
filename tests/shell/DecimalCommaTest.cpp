// The decimal comma where numbers are shown, and results read back: a shown
// result pasted into another field gives what its point form gives.
#include "CaseTable.h"
#include "FormFixture.h"

namespace {

struct ReadBackRun {
    std::string shown, after;  // the result, and the check field after the paste
};

// The steps of a ReadBack row on a fresh form: "Control=text" entered, and at
// "paste" the result field's text entered into the target field.
ReadBackRun ReadBack(const CaseRow& row, bool comma) {
    Form form;
    RecordingHost host;
    host.ignoreAll = false;
    SetHost(&host);
    FormActivate(form);
    SetDecimalComma(form, comma);
    ReadBackRun run;
    for (std::size_t i = 4; i < row.size(); ++i) {
        if (row[i] == "paste") {
            run.shown = form.Find(row[1])->text;
            Enter(form, row[2], run.shown);
            continue;
        }
        const std::size_t equals = row[i].find('=');
        Enter(form, row[i].substr(0, equals), row[i].substr(equals + 1));
    }
    run.after = form.Find(row[3])->text;
    SetHost(nullptr);
    ErrorFlag = false;
    return run;
}

}  // namespace

TEST(DecimalCommaTest, ShownTextsHaveTheCommaAndListsTheSemicolon) {
    ExpectTable("shell/data/comma.tsv", "Shown", [](const std::string& s) { return WithDecimalComma(s); });
}

// The output fields switch back when the setting goes off.
TEST(DecimalCommaTest, PointFormComesBackFromTheShownText) {
    for (const CaseRow& row : CaseTable("shell/data/comma.tsv", "Shown")) {
        if (row[0].find_first_of(";,") == std::string::npos) {
            EXPECT_EQ(WithDecimalPoint(WithDecimalComma(row[0])), row[0]) << row.where;
        }
    }
}

// Every tab's result fields: with the comma on, the field shows the point
// form's text with the comma, and pasting it into another field computes
// what pasting the point form computes.
TEST(DecimalCommaTest, ShownResultsReadBack) {
    int decimals = 0;
    for (const CaseRow& row : CaseTable("shell/data/comma.tsv", "ReadBack")) {
        SCOPED_TRACE(row.where + " " + row[0]);
        const ReadBackRun point = ReadBack(row, false), comma = ReadBack(row, true);
        ASSERT_FALSE(point.shown.empty());
        ASSERT_NE(point.shown, "Se LogMemo");
        ASSERT_NE(point.shown, "Se log Page");
        EXPECT_EQ(comma.shown, WithDecimalComma(point.shown));
        decimals += comma.shown != point.shown;
        ASSERT_FALSE(point.after.empty());
        EXPECT_EQ(comma.after, WithDecimalComma(point.after));
    }
    EXPECT_GE(decimals, 6) << "rows whose result shows a decimal";
}

using DecimalCommaFormTest = FormTest;

TEST_F(DecimalCommaFormTest, LogLinesAndFieldsFollowTheSetting) {
    SetDecimalComma(form, true);
    Leave("f_x_Edit", "x/4");
    Leave("x0Edit", "6");
    EXPECT_EQ(form.Funktion.f_x0_Edit.text, "1,5000");
    // Switched off, the shown field goes back to the point; the log keeps
    // the lines as they were written.
    SetDecimalComma(form, false);
    EXPECT_EQ(form.Funktion.f_x0_Edit.text, "1.5000");
    Leave("x0Edit", "2,5");
    EXPECT_EQ(form.Funktion.f_x0_Edit.text, "0.6250");
    SetDecimalComma(form, true);
    EXPECT_EQ(form.Funktion.f_x0_Edit.text, "0,6250");
    AppendLog(form, "Kontrol: (x[1],y[1])=(0.5,2), med 2.5");
    EXPECT_EQ(form.LogMemo.back(), "Kontrol: (x[1];y[1])=(0,5;2), med 2,5");
}
