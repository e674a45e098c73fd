#include "Commands.h"

#include <algorithm>

#include "Handlers.h"
#include "Host.h"
#include "PointText.h"
#include "TextUtils.h"

namespace {

std::string RunMinimise(Form&, const std::vector<std::string>&, const SubcommandOptions&);
std::string RunSolve(Form&, const std::vector<std::string>&, const SubcommandOptions&);
std::string RunRegression(Form&, const std::vector<std::string>&, const SubcommandOptions&);

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
    // n is the number of coordinates of the start point; more than the spin
    // edit holds are refused by the tab, as in the window.
    const int n = 1 + static_cast<int>(std::count(fields[1].begin(), fields[1].end(), ','));
    SetSpinAndLeave(form, "AntalVariableSpinEdit", std::min(n, MaxVariables));
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
    // n is the number of points, one "(" each; the spin edit holds 3 to 21,
    // and the tab refuses a text that does not match its count. A degree the
    // spin edit cannot hold is a malformed command; one that does not fit the
    // count the tab refuses with its log line.
    const int n = static_cast<int>(std::count(fields[0].begin(), fields[0].end(), '('));
    if (options.exponential + options.power + !options.degree.empty() > 1)
        return "v\xE6lg h\xF8jst \xE9n af --degree, --exponential og --power";
    if (options.exponential || options.power) {
        form.Find("LineaerRegressionRadioButton")->checked = false;
        form.Find(options.exponential ? "EksponentielRegressionRadioButton" : "PotensRegressionRadioButton")->checked =
            true;
    }
    if (!options.degree.empty()) {
        const int degree = Count(options.degree, 2, 10);
        if (degree == 0) return "graden skal v\xE6re 2 til 10";
        form.Find("LineaerRegressionRadioButton")->checked = false;
        form.Find("PolynomiaerRegressionRadioButton")->checked = true;
        RunHandler(form, FindEvents("PolynomiaerRegressionRadioButton")->change);
        SetSpinAndLeave(form, "PolGradSpinEdit", degree);
    }
    SetSpinAndLeave(form, "AntalRegressionsPunkterSpinEdit", std::clamp(n, 3, 21));
    Leave(form, "RegressionsPunkterEdit", fields[0]);
    return "";
}

}  // namespace

const std::vector<Subcommand> Subcommands = {
    {"integrate", IntegrationTabSheet, "integrate F [LOWER UPPER]  F(x) og bestemt integral (fanen Integration)", 1,
     {"fxEdit", "NedreGraenseEdit", "OevreGraenseEdit"}, {"StamfunktionEdit", "BestemtIntegralEdit"}},
    {"value", FunktionTabSheet, "value F X0          f(x0) (fanen y=f(x))", 2, {"f_x_Edit", "x0Edit"}, {"f_x0_Edit"}},
    {"diff", DifferentiationTabSheet, "diff F [X0]         f'(x), f(x0), f'(x0) og tangenten (fanen Differentiation)", 1,
     {"fx_Edit", "x_Edit"}, {"df_dx_Edit", "f_value_Edit", "df_x0_Edit", {"TangentEdit", "Tangent"}}},
    {"reduce", FaktorReduktionTabSheet, "reduce F            reduceret f(x) (fanen FaktorReduktion)", 1, {"Factor_fxEdit"},
     {"ReduceretFxEdit"}},
    {"roots", PolynomierTabSheet, "roots P             rødder og faktoriseret p(x) (fanen Polynomier)", 1, {"px_Edit"},
     {"RoedderEdit", "pxfak_Edit"}},
    {"divide", PolynomierTabSheet, "divide P D          q(x) og r(x) for p(x)/d(x) (fanen Polynomier)", 2, {"DividendEdit", "DivisorEdit"},
     {"KvotientEdit", "RestEdit"}},
    {"fraction", PolynomierTabSheet, "fraction F          reduceret p(x)/q(x) (fanen Polynomier)", 1, {"PolBroekEdit"},
     {"ReduceretPolBroekEdit"}},
    {"minimise", ExtremumTabSheet, "minimise F POINT [--precision E]\n"
                 "                      minimum af f(x,y,...) fra punktet (fanen Minimum for funktion)",
     2, {"fxyzEdit", "xyz0Edit"}, {"xyzMinEdit", "fminEdit"}, {"--precision"}, RunMinimise},
    {"solve", TrancendenteLigningerTabSheet, "solve EQ1 [EQ2 ...] [--point POINT] [--least-squares] [--precision E]\n"
              "                      n ligninger med n ubekendte (fanen n-ubekendte Ligninger)",
     1, {"Ligning1Edit", "Ligning2Edit", "Ligning3Edit", "Ligning4Edit", "Ligning5Edit"},
     {{"LoesningEdit", "L\xF8sning"}}, {"--point", "--least-squares", "--precision"}, RunSolve},
    {"regression", RegressionTabSheet, "regression POINTS [--degree D | --exponential | --power]\n"
                   "                      regressionslinie, -polynomium, eksponentiel eller potens (fanen Regression)",
     1, {"RegressionsPunkterEdit"},
     {"RegressionsLiniensLigningEdit", "RegressionsPolynomietsligningEdit", "RegressionsligningEdit",
      "ForklaringsgradEdit"},
     {"--degree", "--exponential", "--power"}, RunRegression},
};

namespace {

// The old plot tabs' own forms of the fields.
void EquationFields(std::vector<std::string>& fields, SubcommandOptions& options) {
    if (fields.size() == 2 && options.point.empty()) {
        options.point = fields[1];
        fields.pop_back();
    }
}

void DropPointCount(std::vector<std::string>& fields) {
    if (fields.size() == 2 && IsDigitText(fields[0])) fields.erase(fields.begin());
}

void RegressionFields(std::vector<std::string>& fields, SubcommandOptions&) { DropPointCount(fields); }

void PolynomialRegressionFields(std::vector<std::string>& fields, SubcommandOptions& options) {
    if (fields.size() == 3 && options.degree.empty()) {
        options.degree = fields[0];
        fields.erase(fields.begin());
    }
    DropPointCount(fields);
}

struct Alias {
    const char* name;
    const char* target;
    void (*adapt)(std::vector<std::string>&, SubcommandOptions&);
};

const Alias Aliases[] = {
    {"integral", "integrate", nullptr},
    {"minimum", "minimise", nullptr},
    {"equation", "solve", EquationFields},
    {"regression", "regression", RegressionFields},
    {"polyregression", "regression", PolynomialRegressionFields},
};

}  // namespace

const Subcommand* FindSubcommand(std::string_view name, std::vector<std::string>& fields,
                                 SubcommandOptions& options) {
    for (const Alias& alias : Aliases)
        if (name == alias.name) {
            if (alias.adapt) alias.adapt(fields, options);
            name = alias.target;
            break;
        }
    for (const Subcommand& s : Subcommands)
        if (name == s.name) return &s;
    return nullptr;
}

std::string SubcommandNames() {
    std::string names;
    for (const Subcommand& s : Subcommands) names += (names.empty() ? "" : ", ") + std::string(s.name);
    return names;
}
