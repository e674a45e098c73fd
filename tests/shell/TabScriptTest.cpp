// The tabs through the form model: the scenarios of data/scripts.tsv, each on
// a fresh form, step by step (the file's head lists the steps and checks).
#include <algorithm>
#include <cctype>
#include <stdexcept>

#include "CaseTable.h"
#include "FormFixture.h"

namespace {

// The tabs' scenarios, and the notation's readings on each tab.
const char* const Scripts[] = {"shell/data/scripts.tsv", "shell/data/readings.tsv"};

std::vector<CaseRow> Steps() {
    std::vector<CaseRow> steps;
    for (const char* file : Scripts)
        for (CaseRow& row : ReadCaseTable(file, "Step")) steps.push_back(std::move(row));
    return steps;
}

std::vector<std::string> Scenarios() {
    std::vector<std::string> names;
    for (const CaseRow& row : Steps())
        if (std::find(names.begin(), names.end(), row[0]) == names.end()) names.push_back(row[0]);
    return names;
}

class TabScriptTest : public FormTest, public ::testing::WithParamInterface<std::string> {
protected:
    template <class T>
    static T& Must(T* found, const std::string& name) {
        if (!found) throw std::runtime_error("no control or events " + name);
        return *found;
    }
    Control& At(const std::string& name) { return Must(form.Find(name), name); }
    const EventInfo& Events(const std::string& name) { return Must(FindEvents(name), name); }
    const std::string& Line(const std::string& index) {
        const long i = std::stol(index), n = static_cast<long>(host.log.size());
        if (i >= n || i < -n) throw std::runtime_error("no log line " + index);
        return host.log[i < 0 ? n + i : i];
    }
    // One step; false for a check that fails.
    bool Step(const CaseRow& r) {
        const std::string& op = r[1];
        const std::string a = r.size() > 2 ? r[2] : "", b = r.size() > 3 ? r[3] : "";
        const Lines rest(r.begin() + std::min<std::size_t>(2, r.size()), r.end());
        auto number = [](const std::string& s) { return static_cast<std::size_t>(std::stoul(s)); };
        if (op == "leave") return Leave(a.c_str(), b), true;
        if (op == "count") {
            At(a).value = std::stoi(b);
            At(a).text = b;
            RunHandler(form, Events(a).change);
            return RunHandler(form, Events(a).exit), true;
        }
        if (op == "set") return At(a).text = b, true;
        if (op == "comma") return SetDecimalComma(form, a == "1"), true;
        if (op == "enable") return At(a).enabled = b == "1", true;
        if (op == "choose") {
            for (const ControlInfo& c : ControlTable)
                if (c.page == FindControl(a)->page && c.kind == ControlKind::RadioButton) c.get(form).checked = false;
            return At(a).checked = true;
        }
        if (op == "store") return form.State.FunctionText = a, true;
        if (op == "change") return RunHandler(form, Events(a).change), true;
        if (op == "enter") return Events(a).enter(form), true;
        if (op == "menu") {
            for (const MenuInfo& m : MenuTable)
                if (m.name == a) return RunHandler(form, m.click), true;
            throw std::runtime_error("no menu item " + a);
        }
        if (op == "show") {
            for (int p = 0; p < PageCount; ++p)
                if (Pages[p].name == a) return form.ActivePage = Page(p), true;
            throw std::runtime_error("no page " + a);
        }
        if (op == "forget") {
            if (a == "log") host.log.clear();
            if (a == "boxes") host.boxes.clear();
            if (a == "flag") ErrorFlag = false;
            if (a == "focus") form.FocusRequest.clear();
            return true;
        }
        if (op == "is") return At(a).text == b;
        if (op == "isnt") return At(a).text != b;
        if (op == "enabled") return At(a).enabled == (b == "1");
        if (op == "focus") return form.FocusRequest == a;
        if (op == "page") return Pages[form.ActivePage].name == a;
        if (op == "boxes") return host.boxes == rest;
        if (op == "log") return host.log == rest;
        if (op == "line") return Line(a) == b;
        if (op == "line^") return Line(a).starts_with(b);
        if (op == "line~") return Line(a).find(b) != std::string::npos;
        if (op == "logged") return std::find(host.log.begin(), host.log.end(), a) != host.log.end();
        if (op == "lines^")
            return number(b) == static_cast<std::size_t>(std::count_if(host.log.begin(), host.log.end(),
                                                            [&](const std::string& l) { return l.starts_with(a); }));
        if (op == "boxcount") return host.boxes.size() == number(a);
        if (op == "loglines") return host.log.size() == number(a);
        if (op == "flag") return ErrorFlag == (a == "1");
        if (op == "box^") return host.boxes.size() > number(a) && host.boxes[number(a)].starts_with(b);
        if (op == "okonly") return host.okOnly.size() > number(a) && host.okOnly[number(a)] == (b == "1");
        if (op == "faults") return form.FaultCount == std::stoi(a) && !form.Busy;
        if (op == "stored") return form.State.FunctionText.Str() == a;
        if (op == "logpage") return form.LogMemo.size() == number(a);
        if (op == "memo") return std::find(form.LogMemo.begin(), form.LogMemo.end(), a) != form.LogMemo.end();
        if (op == "panels") return form.State.SimpsonPanels == std::stoi(a);
        throw std::runtime_error("unknown step " + op);
    }
};

TEST_P(TabScriptTest, Runs) {
    for (const CaseRow& row : Steps()) {
        if (row[0] != GetParam()) continue;
        try {
            EXPECT_TRUE(Step(row)) << row.where << ": " << row[1] << " " << (row.size() > 2 ? row[2] : "")
                                   << "\n  log: " << ::testing::PrintToString(host.log)
                                   << "\n  boxes: " << ::testing::PrintToString(host.boxes);
        } catch (const std::exception& e) {
            ADD_FAILURE() << row.where << ": " << e.what();
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Tabs, TabScriptTest, ::testing::ValuesIn(Scenarios()),
                         [](const ::testing::TestParamInfo<std::string>& info) {
                             std::string name = info.param;
                             for (char& c : name)
                                 if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
                             return name;
                         });

}  // namespace
