// Long random sequences of user actions on the form model (type into a
// field, leave it, Enter, spin edits, radio buttons, pages, menu items, boxes
// answered OK or Ignore). After every step:
// - every output field that shows something shows what a fresh form computes
//   from the inputs now on screen;
// - every input field is enabled as a fresh form with the same counts enables it;
// - no input text was lost that the step did not touch;
// - no error box came while the page's fields were still untouched.
// KVADRIX_TRUST_SEQUENCES overrides the number of sequences; KVADRIX_TRUST_REPORT=1
// counts the first fault of every sequence instead of stopping at the first.
#include <cstdlib>
#include <map>
#include <set>
#include <random>
#include <sstream>

#include "CaseTable.h"
#include "FormFixture.h"

namespace {

constexpr int Steps = 40;

struct Pools {
    std::map<std::string, std::vector<std::string>> texts;  // per control
    Pools() {
        std::map<std::string, std::vector<std::string>> pool;
        for (const CaseRow& r : CaseTable("shell/data/trust.tsv", "Pool")) pool[r[0]].push_back(r[1]);
        for (const CaseRow& r : CaseTable("shell/data/trust.tsv", "Field")) texts[r[0]] = pool.at(r[1]);
    }
};

// Answers each box OK or Ignore as the sequence's generator says.
class RandomHost : public Host {
public:
    explicit RandomHost(std::mt19937& random) : random_(random) {}
    void AddLogLine(std::string_view) override {}
    bool ErrorBox(std::string_view message, bool withIgnore) override {
        boxes.emplace_back(message);
        return withIgnore && random_() % 2 == 0;
    }
    Lines boxes;

private:
    std::mt19937& random_;
};

// Answers every box the same way.
class FixedHost : public Host {
public:
    explicit FixedHost(bool ignore) : ignore_(ignore) {}
    void AddLogLine(std::string_view) override {}
    bool ErrorBox(std::string_view, bool withIgnore) override { return withIgnore && ignore_; }

private:
    bool ignore_;
};

bool IsInput(const ControlInfo& c) { return c.kind == ControlKind::Input; }
bool IsSetting(const ControlInfo& c) { return c.kind == ControlKind::SpinEdit || c.kind == ControlKind::RadioButton; }

// The texts, values and choices of a page's inputs: what the user sees.
std::string PageKey(Form& form, Page page) {
    std::string key;
    for (const ControlInfo& c : ControlTable) {
        if (c.page != page || !(IsInput(c) || IsSetting(c))) continue;
        const Control& control = c.get(form);
        key += control.text + '\x1f' + std::to_string(control.value) + (control.checked ? "+" : "-") + '\x1e';
    }
    return key;
}

struct PageResult {
    std::map<std::string, std::string> outputs;
    std::map<std::string, bool> enabled;
};

// What a fresh form shows on page for the inputs of shown, every box answered
// as ignore says: the settings set and their handlers run, then the texts
// typed and every input left in reading order.
PageResult Fresh(Form& shown, Page page, bool ignore) {
    FixedHost host(ignore);
    Host* previous = SetHost(&host);
    const bool flag = ErrorFlag;
    ErrorFlag = false;
    Form form;
    FormActivate(form);
    form.ActivePage = page;
    PageResult result;
    for (const ControlInfo& c : ControlTable)
        if (c.page == page && IsSetting(c)) {
            Control& control = c.get(form);
            control.value = c.get(shown).value;
            control.text = c.get(shown).text;
            control.checked = c.get(shown).checked;
        }
    for (const ControlInfo& c : ControlTable)
        if (c.page == page && IsSetting(c))
            if (const EventInfo* e = FindEvents(c.name)) {
                RunHandler(form, e->change);
                RunHandler(form, e->exit);
            }
    for (const ControlInfo& c : ControlTable)
        if (c.page == page && IsInput(c)) {
            result.enabled[c.name] = c.get(form).enabled;
            c.get(form).text = c.get(shown).text;
        }
    for (const ControlInfo& c : ControlTable)
        if (c.page == page && IsInput(c))
            if (const EventInfo* e = FindEvents(c.name)) RunHandler(form, e->exit);
    for (const ControlInfo& c : ControlTable)
        if (c.page == page && c.kind == ControlKind::Output) result.outputs[c.name] = c.get(form).text;
    SetHost(previous);
    ErrorFlag = flag;
    return result;
}

class Sequence {
public:
    Sequence(const Pools& pools, unsigned seed) : pools_(pools), random_(seed), host_(random_) {
        previous_ = SetHost(&host_);
        ErrorFlag = false;
        TextCutCount = 0;
        FormActivate(form_);
        home_ = Page(seed % PageCount);
        if (home_ == LogTabSheet) home_ = RegressionTabSheet;
        form_.ActivePage = home_;
    }
    ~Sequence() {
        SetHost(previous_);
        ErrorFlag = false;
    }
    // Runs the sequence; the first fault found with the steps that led to it,
    // or "". With all, every kind of fault is collected in kinds, and the
    // sequence goes on after it.
    std::string Run(bool all = false) {
        for (int step = 0; step < Steps; ++step) {
            std::map<std::string, std::string> before;
            for (const ControlInfo& c : ControlTable)
                if (IsInput(c)) before[c.name] = c.get(form_).text;
            host_.boxes.clear();
            const bool untouched = !touched_[form_.ActivePage];
            const std::string action = Act();
            trace_ += action + "\n";
            const std::string fault = Check(before, untouched && !menu_);
            if (fault.empty()) continue;
            if (!all) return fault + "after:\n" + trace_;
            std::istringstream lines(fault);
            for (std::string line; std::getline(lines, line);)
                if (kinds.emplace(line.substr(0, line.find('\''))).second) firsts.push_back(line + "\nafter:\n" + trace_);
        }
        return "";
    }
    std::set<std::string> kinds;
    std::vector<std::string> firsts;

private:
    template <class T>
    const T& Pick(const std::vector<T>& items) { return items[random_() % items.size()]; }

    std::vector<const ControlInfo*> OnPage(bool (*kind)(const ControlInfo&)) {
        std::vector<const ControlInfo*> found;
        for (const ControlInfo& c : ControlTable)
            if (c.page == form_.ActivePage && kind(c) && c.get(form_).enabled) found.push_back(&c);
        return found;
    }

    void Leave() {
        if (focus_.empty()) return;
        const std::string left = std::exchange(focus_, "");
        if (const EventInfo* e = FindEvents(left)) RunHandler(form_, e->exit);
        form_.FocusRequest.clear();
    }

    void MoveTo(const std::string& control) {
        if (control == focus_) return;
        Leave();
        focus_ = control;
    }

    // One action of the user, described for the trace.
    std::string Act() {
        menu_ = false;
        typed_.clear();
        const unsigned choice = random_() % 100;
        const auto inputs = OnPage(IsInput);
        const auto settings = OnPage(IsSetting);
        if (choice < 40 && !inputs.empty()) {
            const ControlInfo& c = *Pick(inputs);
            MoveTo(c.name);
            const auto pool = pools_.texts.find(c.name);
            const std::string text = pool == pools_.texts.end() ? "" : Pick(pool->second);
            c.get(form_).text = text;
            typed_ = c.name;
            InputEdited(form_, c.name);
            touched_[c.page] = true;
            return std::string("type ") + c.name + " '" + text + "'";
        }
        if (choice < 55) {
            const std::string left = focus_;
            Leave();
            return "leave " + left;
        }
        if (choice < 63 && !(inputs.empty() && settings.empty())) {
            // Tab or a click into a control, nothing typed.
            const ControlInfo& c = random_() % 2 && !inputs.empty() ? *Pick(inputs) : *Pick(settings.empty() ? inputs : settings);
            if (c.kind != ControlKind::RadioButton) MoveTo(c.name);
            return std::string("focus ") + c.name;
        }
        if (choice < 70 && !focus_.empty()) {
            const std::string at = focus_;
            if (const EventInfo* e = FindEvents(at)) RunHandler(form_, e->enter);
            const std::string request = std::move(form_.FocusRequest);
            form_.FocusRequest.clear();
            const Control* target = form_.Find(request);
            if (target && target->enabled && request != at) MoveTo(request);
            return "enter " + at;
        }
        if (choice < 86 && !settings.empty()) {
            const ControlInfo& c = *Pick(settings);
            Control& control = c.get(form_);
            const EventInfo* e = FindEvents(c.name);
            touched_[c.page] = true;
            if (c.kind == ControlKind::SpinEdit) {
                MoveTo(c.name);
                control.value = control.minimum + static_cast<int>(random_() % 5);
                control.text = std::to_string(control.value);
                if (e) RunHandler(form_, e->change);
                return std::string("spin ") + c.name + " " + control.text;
            }
            Leave();
            for (const ControlInfo& other : ControlTable)
                if (other.page == c.page && other.kind == ControlKind::RadioButton) other.get(form_).checked = false;
            control.checked = true;
            if (e) RunHandler(form_, e->change);
            return std::string("click ") + c.name;
        }
        if (choice < 96) {
            Leave();
            // Mostly back to the sequence's own page, so that its longer stories happen.
            Page page = Page(random_() % PageCount);
            if (page == LogTabSheet || random_() % 3 != 0) page = home_;
            form_.ActivePage = page;
            return std::string("page ") + Pages[page].name;
        }
        Leave();
        const MenuInfo& item = Pick(MenuTable);
        if (item.click) RunHandler(form_, item.click);
        focus_.clear();
        form_.FocusRequest.clear();
        menu_ = true;
        return std::string("menu ") + item.name;
    }

    std::string Check(const std::map<std::string, std::string>& before, bool untouched) {
        std::ostringstream fault;
        if (untouched && !host_.boxes.empty()) fault << "box on an untouched page: '" << host_.boxes.front() << "'\n";
        for (const ControlInfo& c : ControlTable) {
            if (!IsInput(c) || menu_) continue;
            const std::string& was = before.at(c.name);
            const std::string& now = c.get(form_).text;
            if (c.name == typed_) continue;
            // Kept: the same text, or coordinates or points added after the typed ones.
            const std::string kept = !was.empty() && was.back() == ')' ? was.substr(0, was.size() - 1) : was;
            const bool rewritten = was.find('=') != std::string::npos;  // "a=b" is written "a-(b)"
            if (!was.empty() && now.rfind(kept, 0) != 0 && !rewritten)
                fault << c.name << " lost its text '" << was << "' (now '" << now << "')\n";
        }
        for (int p = 0; p < PageCount; ++p) {
            const Page page = Page(p);
            if (page == LogTabSheet) continue;
            const PageResult& ok = Expected(page, false);
            for (const auto& [name, enabled] : ok.enabled)
                if (form_.Find(name)->enabled != enabled)
                    fault << name << " is " << (enabled ? "disabled" : "enabled") << " though its counts "
                          << (enabled ? "enable" : "disable") << " it\n";
            for (const auto& [name, text] : ok.outputs) {
                const std::string& shown = form_.Find(name)->text;
                if (shown.empty() || shown == text || shown == Expected(page, true).outputs.at(name)) continue;
                fault << name << " shows '" << shown << "' where the fields give '" << text << "'\n";
            }
        }
        return fault.str();
    }

    const PageResult& Expected(Page page, bool ignore) {
        static std::map<std::string, PageResult> cache;
        const std::string key = std::to_string(page) + (ignore ? "I" : "O") + PageKey(form_, page);
        auto found = cache.find(key);
        if (found == cache.end()) found = cache.emplace(key, Fresh(form_, page, ignore)).first;
        return found->second;
    }

    const Pools& pools_;
    std::mt19937 random_;
    RandomHost host_;
    Host* previous_;
    Form form_;
    std::string focus_, trace_, typed_;
    bool touched_[PageCount] = {};
    bool menu_ = false;
    Page home_ = IntegrationTabSheet;
};

int EnvInt(const char* name, int fallback) {
    const char* value = std::getenv(name);
    return value ? std::atoi(value) : fallback;
}

}  // namespace

TEST(TrustModelTest, EveryShownResultBelongsToTheFieldsOnScreen) {
    const Pools pools;
    const int sequences = EnvInt("KVADRIX_TRUST_SEQUENCES", 2000);
    const bool report = EnvInt("KVADRIX_TRUST_REPORT", 0) != 0;
    std::map<std::string, int> faults;
    for (int s = 0; s < sequences; ++s) {
        Sequence sequence(pools, 20261207u + static_cast<unsigned>(s));
        const std::string fault = sequence.Run(report);
        if (!report) {
            ASSERT_EQ(fault, "") << "sequence " << s;
            continue;
        }
        for (std::size_t i = 0; i < sequence.firsts.size(); ++i) {
            const std::string kind = sequence.firsts[i].substr(0, sequence.firsts[i].find_first_of("'\n"));
            if (++faults[kind] == 1) std::printf("sequence %d: %s\n", s, sequence.firsts[i].c_str());
        }
    }
    for (const auto& [kind, count] : faults) std::printf("%5d  %s\n", count, kind.c_str());
    EXPECT_TRUE(faults.empty());
}
