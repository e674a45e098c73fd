// kvadrix-cli: the batch front end. Fills a tab's input fields from the
// arguments, leaves each field in turn (running its exit handler through the
// same form model as the window) and prints the tab's output fields.
#include <algorithm>
#include <cstdio>
#include <iostream>
#include <string>
#include <string_view>
#include <vector>

#include "Cp1252.h"
#include "Commands.h"
#include "Form.h"
#ifdef KVADRIX_PLOT
#include "Graph.h"
#include "GraphWindow.h"
#endif
#include "Handlers.h"
#include "Host.h"
#include "TextUtils.h"

namespace {


class CliHost : public Host {
public:
    CliHost(Form& form, bool ignore) : form_(form), ignore_(ignore) {}
    void AddLogLine(std::string_view line) override { AppendLog(form_, line); }
    bool ErrorBox(std::string_view message, bool withIgnore) override {
        ++boxes;
        std::string text(message);
        // The boxes put the expression on its own line after LF CR.
        for (std::size_t p; (p = text.find("\n\r")) != std::string::npos;) text.replace(p, 2, "\n");
        std::cerr << "Fejl: " << Cp1252ToUtf8(text) << "\n";
        return withIgnore && ignore_;
    }
    int boxes = 0;

private:
    Form& form_;
    bool ignore_;
};

// The usage: asked for (problem == nullptr) on stdout with exit code 0,
// after a usage error on stderr with exit code 2.
int Usage(const char* problem) {
    std::ostream& out = problem ? std::cerr : std::cout;
    if (problem) out << "kvadrix-cli: " << problem << "\n";
    out << "Brug: kvadrix-cli [--log] [--ignore] [--] KOMMANDO FELTER...\n";
    for (const auto& s : Subcommands) out << "  " << s.usage << "\n";
    out << "  --log     skriv loggen efter \"--- Log ---\"\n"
           "  --ignore  svar Ignorer på fejlbokse\n"
           "  --help    vis denne hjælp\n"
           "  --precision E  præcisionen (ellers 0.00001); --point POINT  startpunktet (ellers 0,...,0)\n"
           "  --least-squares  minimum for kvadratsum i stedet for NewtonRapson; --degree D  polynomiets grad\n"
           "  --exponential  eksponentiel regression y = b*a^x; --power  potensregression y = b*x^a\n";
#ifdef KVADRIX_PLOT
    out << "  plot FANE FELTER... --out FIL.png|FIL.svg   tegn fanens graf (FANE: se README)\n";
#endif
    return problem ? 2 : 0;
}


#ifdef KVADRIX_PLOT
// plot TAB FIELDS...: the tab's inputs in order; "Control=value" rows are set
// without an argument (the one-variable cases of the minimum and equations tabs).
struct PlotTab {
    const char* name;
    const char* usage;
    Page page;
    int required;
    std::vector<const char*> inputs;
};

const std::vector<PlotTab> PlotTabs = {
    {"value", "value F [X0]", FunktionTabSheet, 1, {"f_x_Edit", "x0Edit"}},
    {"diff", "diff F [X0]", DifferentiationTabSheet, 1, {"fx_Edit", "x_Edit"}},
    {"reduce", "reduce F", FaktorReduktionTabSheet, 1, {"Factor_fxEdit"}},
    {"integral", "integral F [NEDRE \xC3\x98VRE]", IntegrationTabSheet, 1,
     {"fxEdit", "NedreGraenseEdit", "OevreGraenseEdit"}},
    {"roots", "roots P", PolynomierTabSheet, 1, {"px_Edit"}},
    {"divide", "divide P D", PolynomierTabSheet, 2, {"DividendEdit", "DivisorEdit"}},
    {"fraction", "fraction P/Q", PolynomierTabSheet, 1, {"PolBroekEdit"}},
    {"minimum", "minimum F X0", ExtremumTabSheet, 2, {"AntalVariableSpinEdit=1", "fxyzEdit", "xyz0Edit"}},
    {"equation", "equation F X0", TrancendenteLigningerTabSheet, 2,
     {"AntalLigningerSpinEdit=1", "Ligning1Edit", "xy0Edit"}},
    {"regression", "regression N PUNKTER", RegressionTabSheet, 2,
     {"AntalRegressionsPunkterSpinEdit", "RegressionsPunkterEdit"}},
    {"polyregression", "polyregression GRAD N PUNKTER", RegressionTabSheet, 3,
     {"PolynomiaerRegressionRadioButton=1", "PolGradSpinEdit", "AntalRegressionsPunkterSpinEdit",
      "RegressionsPunkterEdit"}},
};

// Sets one control as the user would (spin value, radio choice, text) and leaves it.
void Fill(Form& form, std::string_view field, const std::string& text) {
    const ControlInfo* info = FindControl(field);
    if (!info) return;
    Control& control = info->get(form);
    if (info->kind == ControlKind::SpinEdit) {
        int value = control.value;
        try {
            value = std::stoi(text);
        } catch (const std::exception&) {
        }
        control.value = std::max(control.minimum, std::min(control.maximum, value));
        control.text = std::to_string(control.value);
    } else if (info->kind == ControlKind::RadioButton) {
        for (const ControlInfo& other : ControlTable)
            if (other.page == info->page && other.kind == ControlKind::RadioButton) other.get(form).checked = false;
        control.checked = true;
    } else {
        control.text = Utf8ToCp1252(text);
    }
    if (const EventInfo* events = FindEvents(field); events && events->exit) RunHandler(form, events->exit);
}

int RunPlot(const std::vector<std::string>& args, const std::string& out, bool ignore) {
    const PlotTab* tab = nullptr;
    if (args.size() >= 2)
        for (const auto& t : PlotTabs)
            if (args[1] == t.name) tab = &t;
    if (!tab)
        return Usage("plot kender fanerne value, diff, reduce, integral, roots, divide, fraction, minimum, "
                     "equation, regression, polyregression");
    if (out.empty()) return Usage("plot mangler --out FIL.png eller --out FIL.svg");
    const std::size_t given = args.size() - 2;
    std::size_t takes = 0;
    for (const char* input : tab->inputs) takes += std::string_view(input).find('=') == std::string_view::npos;
    if (given < static_cast<std::size_t>(tab->required) || given > takes)
        return Usage(("forkert antal felter til plot " + args[1] + ": " + tab->usage).c_str());

    Form form;
    CliHost host(form, ignore);
    SetHost(&host);
    FormActivate(form);
    form.ActivePage = tab->page;
    std::size_t next = 2;
    for (const char* input : tab->inputs) {
        const std::string_view field = input;
        const std::size_t equals = field.find('=');
        if (equals != std::string_view::npos) {
            Fill(form, field.substr(0, equals), std::string(field.substr(equals + 1)));
        } else if (next < args.size()) {
            Fill(form, field, args[next++]);
        }
    }
    const std::string problem = PlotToFile(BuildGraph(form, tab->page), out);
    SetHost(nullptr);
    if (!problem.empty()) std::cerr << "kvadrix-cli: " << problem << "\n";
    return host.boxes > 0 || form.FaultCount > 0 || !problem.empty() ? 1 : 0;
}
#endif

std::string Caption(Form& form, const ControlInfo& info) {
    std::string caption = info.label ? form.Find(info.label)->text : info.name;
    while (!caption.empty() && (caption.back() == '=' || caption.back() == ' ')) caption.pop_back();
    return caption;
}

}  // namespace

int main(int argc, char** argv) {
    bool log = false, ignore = false, optionsDone = false;
    std::string out;
    std::vector<std::string> args;
    SubcommandOptions options;
    std::vector<std::string_view> given;  // subcommand options used
    for (int i = 1; i < argc; ++i) {
        std::string_view a = argv[i];
        std::string* value = a == "--precision" ? &options.precision
                             : a == "--point"   ? &options.point
                             : a == "--degree"  ? &options.degree
                                                : nullptr;
        if (!optionsDone && a == "--") {
            optionsDone = true;
        } else if (!optionsDone && a == "--log") {
            log = true;
        } else if (!optionsDone && a == "--ignore") {
            ignore = true;
        } else if (!optionsDone && a == "--out") {
            if (i + 1 >= argc) return Usage("--out mangler et filnavn");
            out = argv[++i];
        } else if (!optionsDone && a == "--least-squares") {
            options.leastSquares = true;
            given.push_back(a);
        } else if (!optionsDone && (a == "--exponential" || a == "--power")) {
            (a == "--power" ? options.power : options.exponential) = true;
            given.push_back(a);
        } else if (!optionsDone && value) {
            if (i + 1 >= argc) return Usage((std::string(a) + " mangler en værdi").c_str());
            *value = Utf8ToCp1252(argv[++i]);
            given.push_back(a);
        } else if (!optionsDone && (a == "--help" || a == "-h")) {
            return Usage(nullptr);
        } else if (!optionsDone && a.size() > 2 && a.substr(0, 2) == "--") {
            return Usage(("ukendt tilvalg " + std::string(a)).c_str());
        } else {
            args.emplace_back(a);
        }
    }
    if (args.empty()) return Usage("ingen kommando");
#ifdef KVADRIX_PLOT
    if (args[0] == "plot") return RunPlot(args, out, ignore);
#endif
    const Subcommand* command = nullptr;
    for (const auto& s : Subcommands)
        if (args[0] == s.name) command = &s;
    if (!command) return Usage(("ukendt kommando " + args[0]).c_str());
    for (std::string_view option : given)
        if (std::find(command->options.begin(), command->options.end(), option) == command->options.end())
            return Usage((std::string(option) + " passer ikke til " + args[0]).c_str());
    std::size_t count = args.size() - 1;
    if (count < static_cast<std::size_t>(command->required) || count > command->inputs.size())
        return Usage(("forkert antal felter til " + args[0]).c_str());

    Form form;
    CliHost host(form, ignore);
    SetHost(&host);
    FormActivate(form);
    // A field holds 255 Windows-1252 characters; a longer text would be cut
    // silently and another formula computed, so it is refused whole.
    for (std::size_t i = 0; i < count; ++i) {
        const std::size_t length = Utf8ToCp1252(args[i + 1]).size();
        if (length <= ExpressionText::MaxLength) continue;
        std::cerr << "Fejl: Teksten til " << Cp1252ToUtf8(Caption(form, *FindControl(command->inputs[i])))
                  << " er for lang: " << length << " tegn, højst " << ExpressionText::MaxLength << "\n";
        SetHost(nullptr);
        return 1;
    }
    if (command->run) {
        std::vector<std::string> fields;
        for (std::size_t i = 1; i < args.size(); ++i) fields.push_back(Utf8ToCp1252(args[i]));
        const std::string problem = command->run(form, fields, options);
        if (!problem.empty()) {
            SetHost(nullptr);
            return Usage(Cp1252ToUtf8(problem).c_str());
        }
    }
    for (std::size_t i = 0; i < count && !command->run; ++i) {
        const char* field = command->inputs[i];
        form.Find(field)->text = Utf8ToCp1252(args[i + 1]);
        if (const EventInfo* events = FindEvents(field)) RunHandler(form, events->exit);
    }
    for (const Output& output : command->outputs) {
        const ControlInfo* info = FindControl(output.field);
        const std::string caption = output.caption ? output.caption : Caption(form, *info);
        std::cout << Cp1252ToUtf8(caption) << " = " << Cp1252ToUtf8(form.Find(output.field)->text) << "\n";
    }
    if (log) {
        std::cout << "--- Log ---\n";
        for (const auto& line : form.LogMemo) std::cout << Cp1252ToUtf8(line) << "\n";
    }
    SetHost(nullptr);
    return host.boxes > 0 || form.FaultCount > 0 ? 1 : 0;
}
