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
#include "Form.h"
#include "Handlers.h"
#include "Host.h"
#include "PointText.h"
#include "TextUtils.h"

namespace {

// Options that belong to a subcommand: --precision E, --point POINT,
// --degree D, --least-squares.
struct SubcommandOptions {
    std::string precision, point, degree;
    bool leastSquares = false;
};

struct Output {
    Output(const char* field, const char* caption = nullptr) : field(field), caption(caption) {}
    const char* field;
    const char* caption;  // Windows-1252; nullptr: the caption of the field's label
};

struct Subcommand {
    const char* name;
    const char* usage;
    int required;                         // leading inputs that must be given
    std::vector<const char*> inputs;      // fields filled from the arguments, in order
    std::vector<Output> outputs;          // fields printed as "Caption = text"
    std::vector<std::string_view> options = {};  // subcommand options it takes
    // Fills the tab and leaves its fields itself (nullptr: the inputs in
    // order). Returns a usage problem, or "".
    std::string (*run)(Form&, const std::vector<std::string>&, const SubcommandOptions&) = nullptr;
};

std::string RunMinimise(Form&, const std::vector<std::string>&, const SubcommandOptions&);
std::string RunSolve(Form&, const std::vector<std::string>&, const SubcommandOptions&);
std::string RunRegression(Form&, const std::vector<std::string>&, const SubcommandOptions&);

const std::vector<Subcommand> Subcommands = {
    {"value", "value F X0          f(x0) (fanen y=f(x))", 2, {"f_x_Edit", "x0Edit"}, {"f_x0_Edit"}},
    {"diff", "diff F [X0]         f'(x) og f(x0) (fanen Differentiation)", 1, {"fx_Edit", "x_Edit"},
     {"df_dx_Edit", "f_value_Edit"}},
    {"reduce", "reduce F            reduceret f(x) (fanen FaktorReduktion)", 1, {"Factor_fxEdit"},
     {"ReduceretFxEdit"}},
    {"minimise", "minimise F POINT [--precision E]\n"
                 "                      minimum af f(x,y,...) fra punktet (fanen Minimum for funktion)",
     2, {"fxyzEdit", "xyz0Edit"}, {"xyzMinEdit", "fminEdit"}, {"--precision"}, RunMinimise},
    {"solve", "solve EQ1 [EQ2 ...] [--point POINT] [--least-squares] [--precision E]\n"
              "                      n ligninger med n ubekendte (fanen n-ubekendte Ligninger)",
     1, {"Ligning1Edit", "Ligning2Edit", "Ligning3Edit", "Ligning4Edit", "Ligning5Edit"},
     {{"LoesningEdit", "L\xF8sning"}}, {"--point", "--least-squares", "--precision"}, RunSolve},
    {"regression", "regression POINTS [--degree D]\n"
                   "                      regressionslinie eller -polynomium (fanen Regression)",
     1, {"RegressionsPunkterEdit"}, {"RegressionsLiniensLigningEdit", "RegressionsPolynomietsligningEdit"},
     {"--degree"}, RunRegression},
};

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

int Usage(const char* problem) {
    if (problem) std::cerr << "kvadrix-cli: " << problem << "\n";
    std::cerr << "Brug: kvadrix-cli [--log] [--ignore] [--] KOMMANDO FELTER...\n";
    for (const auto& s : Subcommands) std::cerr << "  " << s.usage << "\n";
    std::cerr << "  --log     skriv loggen efter \"--- Log ---\"\n"
                 "  --ignore  svar Ignorer på fejlbokse\n"
                 "  --precision E  præcisionen (ellers 0.00001); --point POINT  startpunktet (ellers 0,...,0)\n"
                 "  --least-squares  minimum for kvadratsum i stedet for NewtonRapson; --degree D  polynomiets grad\n";
    return 2;
}

// Types text into a control and leaves it, as the user would; a disabled
// control takes nothing (false).
bool Leave(Form& form, const char* field, const std::string& text) {
    Control* control = form.Find(field);
    if (!control->enabled) return false;
    control->text = text;
    if (const EventInfo* events = FindEvents(field)) RunHandler(form, events->exit);
    return true;
}

// Sets a spin edit, as its arrows would, and leaves it.
void SetSpinAndLeave(Form& form, const char* field, int value) {
    Control* spin = form.Find(field);
    spin->value = value;
    spin->text = std::to_string(value);
    const EventInfo* events = FindEvents(field);
    RunHandler(form, events->change);
    RunHandler(form, events->exit);
}

// The count of a whole number option in [low, high], or 0.
int Count(const std::string& text, int low, int high) {
    if (text.empty() || text.size() > 2 || !IsDigitText(text)) return 0;
    const int value = std::stoi(text);
    return value >= low && value <= high ? value : 0;
}

std::string RunMinimise(Form& form, const std::vector<std::string>& fields, const SubcommandOptions& options) {
    // n is the number of coordinates of the start point.
    const int n = 1 + static_cast<int>(std::count(fields[1].begin(), fields[1].end(), ','));
    if (n > MaxVariables) return "punktet har flere end 5 koordinater";
    SetSpinAndLeave(form, "AntalVariableSpinEdit", n);
    if (!options.precision.empty()) form.Find("Praecision_Edit")->text = options.precision;
    Leave(form, "fxyzEdit", fields[0]);
    Leave(form, "xyz0Edit", fields[1]);
    return "";
}

std::string RunSolve(Form& form, const std::vector<std::string>& fields, const SubcommandOptions& options) {
    const int n = static_cast<int>(fields.size());
    SetSpinAndLeave(form, "AntalLigningerSpinEdit", n);
    if (options.leastSquares) {
        form.Find("MinimumForKvadratsumRadioButton")->checked = true;
        form.Find("NewtonRapsonRadioButton")->checked = false;
    }
    if (!options.precision.empty()) form.Find("PraecisionEdit")->text = options.precision;
    for (int k = 0; k < n; ++k)
        if (!Leave(form, ("Ligning" + std::to_string(k + 1) + "Edit").c_str(), fields[k]) || ErrorFlag) return "";
    // Without --point the zeros the count preset.
    Leave(form, "xy0Edit", options.point.empty() ? form.Find("xy0Edit")->text : options.point);
    return "";
}

std::string RunRegression(Form& form, const std::vector<std::string>& fields, const SubcommandOptions& options) {
    // n is the number of points, one "(" each.
    const int n = static_cast<int>(std::count(fields[0].begin(), fields[0].end(), '('));
    if (n < 3 || n > 21) return "der skal v\xE6re 3 til 21 punkter";
    if (!options.degree.empty()) {
        const int degree = Count(options.degree, 2, 10);
        if (degree == 0) return "graden skal v\xE6re 2 til 10";
        if (degree >= n) return "graden skal v\xE6re mindre end antallet af punkter";
        form.Find("LineaerRegressionRadioButton")->checked = false;
        form.Find("PolynomiaerRegressionRadioButton")->checked = true;
        RunHandler(form, FindEvents("PolynomiaerRegressionRadioButton")->change);
        SetSpinAndLeave(form, "PolGradSpinEdit", degree);
    }
    SetSpinAndLeave(form, "AntalRegressionsPunkterSpinEdit", n);
    Leave(form, "RegressionsPunkterEdit", fields[0]);
    return "";
}

std::string Caption(Form& form, const ControlInfo& info) {
    std::string caption = info.label ? form.Find(info.label)->text : info.name;
    while (!caption.empty() && (caption.back() == '=' || caption.back() == ' ')) caption.pop_back();
    return caption;
}

}  // namespace

int main(int argc, char** argv) {
    bool log = false, ignore = false, optionsDone = false;
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
        } else if (!optionsDone && a == "--least-squares") {
            options.leastSquares = true;
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
