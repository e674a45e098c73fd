#include "Cli.h"

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <string_view>

#include "Commands.h"
#include "CommandLine.h"
#include "Cp1252.h"
#include "Handlers.h"
#include "Host.h"

namespace {

constexpr std::size_t HeaderLength = 200;     // of a batch line quoted in its block
constexpr std::size_t MaxLineLength = 1 << 20;  // longer batch lines are refused, not stored

struct GlobalOptions {
    bool log = false, ignore = false, json = false, decimalComma = false;
};

// A command line taken apart. problem (UTF-8) marks it malformed; hint is
// the line that names what would be valid.
struct Command {
    GlobalOptions global;
    SubcommandOptions options;
    std::vector<std::string> given;  // subcommand options used
    std::vector<std::string> args;   // the subcommand and its fields, UTF-8
    std::string out;                 // plot --out
    bool help = false, batch = false;
    std::string problem, hint;
};

struct Field {
    std::string name, caption, text;  // UTF-8
};

// What one computation gave, UTF-8, ready for text or JSON.
struct Outcome {
    std::vector<Field> inputs, outputs;
    std::vector<std::string> log, errors;
    std::string problem, hint;
    int status = 0;
};

class CliHost : public Host {
public:
    CliHost(Form& form, bool ignore, std::vector<std::string>& errors)
        : form_(form), ignore_(ignore), errors_(errors), previous_(SetHost(this)) {}
    ~CliHost() override { SetHost(previous_); }
    void AddLogLine(std::string_view line) override { AppendLog(form_, line); }
    bool ErrorBox(std::string_view message, bool withIgnore) override {
        std::string text(message);
        // The boxes put the expression on its own line after LF CR.
        for (std::size_t p; (p = text.find("\n\r")) != std::string::npos;) text.replace(p, 2, "\n");
        errors_.push_back(Cp1252ToUtf8(text));
        return withIgnore && ignore_;
    }

private:
    Form& form_;
    bool ignore_;
    std::vector<std::string>& errors_;
    Host* previous_;
};

const char* Program = "kvadrix-cli";

std::string UsageText() {
    std::string text = std::string("Brug: ") + Program + " [--log] [--ignore] [--json] [--decimal-comma] [--] KOMMANDO FELTER...\n";
    for (const auto& s : Subcommands) text += std::string("  ") + s.usage + "\n";
    text +=
        "  plot KOMMANDO FELTER... --out FIL.png|FIL.svg\n"
        "                      tegn grafen af kommandoens fane (kræver kvadrix-plot)\n"
        "  batch FIL|-         én kommando pr. linje fra filen eller standard input\n"
        "  --log     skriv loggen efter \"--- Log ---\"\n"
        "  --ignore  svar Ignorer på fejlbokse\n"
        "  --json    ét JSON-objekt pr. udregning\n"
        "  --decimal-comma  vis tal med decimalkomma (1,5000) og ; mellem koordinater\n"
        "  --help    vis denne hjælp\n"
        "  --precision E  præcisionen (ellers 0.00001); --point POINT  startpunktet (ellers 0,...,0)\n"
        "  --least-squares  minimum for kvadratsum i stedet for NewtonRapson; --degree D  polynomiets grad\n"
        "  --exponential  eksponentiel regression y = b*a^x; --power  potensregression y = b*x^a\n"
        "  Ældre navne: integral, minimum, equation, polyregression\n";
    return text;
}

std::string NamesHint() { return "Kommandoer: " + SubcommandNames() + ", plot, batch"; }

std::string UsageHint(const Subcommand& s) {
    const std::string_view usage = s.usage;
    std::string line(usage.substr(0, usage.find("  ")));
    return std::string("Brug: ") + Program + " " + line;
}

Command Parse(const std::vector<std::string>& words, GlobalOptions global) {
    Command c;
    c.global = global;
    bool optionsDone = false;
    for (std::size_t i = 0; i < words.size(); ++i) {
        const std::string& a = words[i];
        std::string* value = a == "--precision" ? &c.options.precision
                             : a == "--point"   ? &c.options.point
                             : a == "--degree"  ? &c.options.degree
                                                : nullptr;
        if (optionsDone) {
            c.args.push_back(a);
        } else if (a == "--") {
            optionsDone = true;
        } else if (a == "--log") {
            c.global.log = true;
        } else if (a == "--ignore") {
            c.global.ignore = true;
        } else if (a == "--json") {
            c.global.json = true;
        } else if (a == "--decimal-comma") {
            c.global.decimalComma = true;
        } else if (a == "--out") {
            if (i + 1 >= words.size()) {
                c.problem = "--out mangler et filnavn";
                return c;
            }
            c.out = words[++i];
        } else if (a == "--least-squares") {
            c.options.leastSquares = true;
            c.given.push_back(a);
        } else if (a == "--exponential" || a == "--power") {
            (a == "--power" ? c.options.power : c.options.exponential) = true;
            c.given.push_back(a);
        } else if (value) {
            if (i + 1 >= words.size()) {
                c.problem = a + " mangler en værdi";
                return c;
            }
            *value = Utf8ToCp1252(words[++i]);
            c.given.push_back(a);
        } else if (a == "--help" || a == "-h") {
            c.help = true;
        } else if (a.size() > 2 && a.starts_with("--")) {
            c.problem = "ukendt tilvalg " + a;
            return c;
        } else {
            c.args.push_back(a);
        }
    }
    if (c.help) return c;
    if (c.args.empty()) {
        c.problem = "ingen kommando";
        c.hint = NamesHint();
    } else if (c.args[0] == "batch") {
        c.batch = true;
        if (c.args.size() != 2) c.problem = "batch tager ét filnavn (eller - for standard input)";
    } else if (c.args[0] != "plot" && !c.out.empty()) {
        c.problem = "--out hører til plot";
    }
    return c;
}

std::string Caption(Form& form, const ControlInfo& info) {
    std::string caption = info.label ? form.Find(info.label)->text : info.name;
    while (!caption.empty() && (caption.back() == '=' || caption.back() == ' ')) caption.pop_back();
    return caption;
}

Field FieldOf(Form& form, const char* name, const char* caption = nullptr) {
    const ControlInfo* info = FindControl(name);
    return {name, Cp1252ToUtf8(caption ? caption : Caption(form, *info)), Cp1252ToUtf8(form.Find(name)->text)};
}

// Fills the subcommand's tab in a fresh form from the fields, as the window's
// user would, and collects what the tab shows. With plot, the tab is made the
// active page and y=f(x) may be drawn without x0.
Outcome Compute(Command& c, Form& form, bool plot, const Subcommand** found = nullptr) {
    Outcome o;
    const std::size_t first = plot ? 2 : 1;
    if (c.args.size() < first) {
        o.problem = "plot mangler en kommando";
        o.hint = "Kommandoer: " + SubcommandNames();
        return o;
    }
    const std::string& name = c.args[first - 1];
    std::vector<std::string> fields(c.args.begin() + first, c.args.end());
    const Subcommand* command = FindSubcommand(name, fields, c.options);
    if (found) *found = command;
    if (!command) {
        o.problem = (plot ? "plot kender ikke kommandoen " : "ukendt kommando ") + name;
        o.hint = plot ? "Kommandoer: " + SubcommandNames() : NamesHint();
        return o;
    }
    for (const std::string& option : c.given)
        if (std::find(command->options.begin(), command->options.end(), option) == command->options.end()) {
            o.problem = option + " passer ikke til " + command->name;
            o.hint = UsageHint(*command);
            return o;
        }
    const int required = plot && std::string_view(command->name) == "value" ? 1 : command->required;
    if (fields.size() < static_cast<std::size_t>(required) || fields.size() > command->inputs.size()) {
        o.problem = std::string("forkert antal felter til ") + (plot ? "plot " : "") + command->name;
        o.hint = UsageHint(*command);
        return o;
    }
    if (plot && c.out.empty()) {
        o.problem = "plot mangler --out FIL.png eller --out FIL.svg";
        return o;
    }
    for (std::string& field : fields) field = Utf8ToCp1252(field);

    CliHost host(form, c.global.ignore, o.errors);
    FormActivate(form);
    SetDecimalComma(form, c.global.decimalComma);
    if (plot) form.ActivePage = command->page;
    // A field holds 255 Windows-1252 characters; a longer text would be cut
    // silently and another formula computed, so it is refused whole.
    for (std::size_t i = 0; i < fields.size(); ++i) {
        const std::size_t length = fields[i].size();
        if (length <= ExpressionText::MaxLength) continue;
        o.errors.push_back("Teksten til " + Cp1252ToUtf8(Caption(form, *FindControl(command->inputs[i]))) +
                           " er for lang: " + std::to_string(length) + " tegn, højst " +
                           std::to_string(ExpressionText::MaxLength));
        o.status = 1;
        return o;
    }
    if (command->run) {
        const std::string problem = command->run(form, fields, c.options);
        if (!problem.empty()) {
            o.problem = Cp1252ToUtf8(problem);
            o.hint = UsageHint(*command);
            o.errors.clear();
            return o;
        }
    } else {
        for (std::size_t i = 0; i < fields.size(); ++i) {
            const char* field = command->inputs[i];
            form.Find(field)->text = fields[i];
            if (const EventInfo* events = FindEvents(field)) RunHandler(form, events->exit);
        }
    }
    for (std::size_t i = 0; i < fields.size(); ++i) o.inputs.push_back(FieldOf(form, command->inputs[i]));
    for (const Output& output : command->outputs) o.outputs.push_back(FieldOf(form, output.field, output.caption));
    for (const auto& line : form.LogMemo) o.log.push_back(Cp1252ToUtf8(line));
    o.status = !o.errors.empty() || form.FaultCount > 0 ? 1 : 0;
    return o;
}

// ---- output ----

void AppendJsonString(std::string& out, std::string_view utf8) {
    out += '"';
    for (const char ch : utf8) {
        const auto c = static_cast<unsigned char>(ch);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += ch;
        } else if (c == '\n') {
            out += "\\n";
        } else if (c == '\t') {
            out += "\\t";
        } else if (c < 0x20 || c == 0x7F) {
            char code[8];
            std::snprintf(code, sizeof code, "\\u%04x", c);
            out += code;
        } else {
            out += ch;
        }
    }
    out += '"';
}

void AppendJsonStrings(std::string& out, const std::vector<std::string>& items) {
    out += '[';
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (i) out += ',';
        AppendJsonString(out, ValidUtf8(items[i]));
    }
    out += ']';
}

void AppendJsonFields(std::string& out, const std::vector<Field>& fields) {
    out += '[';
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i) out += ',';
        out += "{\"field\":";
        AppendJsonString(out, fields[i].name);
        out += ",\"caption\":";
        AppendJsonString(out, fields[i].caption);
        out += ",\"text\":";
        AppendJsonString(out, fields[i].text);
        out += '}';
    }
    out += ']';
}

// One object per computation on one line. line is the batch line (UTF-8
// made valid), number its line number; number 0: a command line.
std::string Json(const Command& c, const Outcome& o, std::string_view line, int number) {
    std::string out = "{";
    if (number > 0) {
        out += "\"lineNumber\":" + std::to_string(number) + ",\"line\":";
        AppendJsonString(out, line);
        out += ',';
    }
    out += "\"command\":";
    AppendJsonStrings(out, c.args);
    out += ",\"inputs\":";
    AppendJsonFields(out, o.inputs);
    out += ",\"outputs\":";
    AppendJsonFields(out, o.outputs);
    if (c.global.log) {
        out += ",\"log\":";
        AppendJsonStrings(out, o.log);
    }
    out += ",\"errors\":";
    AppendJsonStrings(out, o.errors);
    if (!o.problem.empty()) {
        out += ",\"problem\":";
        AppendJsonString(out, ValidUtf8(o.problem));
        if (!o.hint.empty()) {
            out += ",\"usage\":";
            AppendJsonString(out, o.hint);
        }
    }
    out += ",\"status\":" + std::to_string(o.status) + "}\n";
    return out;
}

// The text of a computation: "Caption = text" lines and the log on out,
// "Fejl: " lines and usage problems on err (the same stream in a batch).
void PrintText(const Command& c, const Outcome& o, std::ostream& out, std::ostream& err, bool fullUsage) {
    for (const Field& f : o.outputs) out << f.caption << " = " << f.text << "\n";
    for (const std::string& e : o.errors) err << "Fejl: " << e << "\n";
    if (!o.problem.empty()) {
        err << Program << ": " << ValidUtf8(o.problem) << "\n";
        if (!o.hint.empty()) err << o.hint << "\n";
        if (fullUsage) err << UsageText();
    }
    if (c.global.log && o.problem.empty()) {
        out << "--- Log ---\n";
        for (const auto& line : o.log) out << line << "\n";
    }
}

Outcome Malformed(const Command& c) {
    Outcome o;
    o.problem = c.problem;
    o.hint = c.hint;
    o.status = 2;
    return o;
}

// Runs one parsed command that is neither help nor batch; prints it.
int RunOne(Command& c, const CliProgram& program, std::ostream& out, std::ostream& err, bool inBatch,
           std::string_view line = {}, int number = 0) {
    Outcome o;
    const bool plot = !c.args.empty() && c.args[0] == "plot";
    if (!c.problem.empty()) {
        o = Malformed(c);
    } else if (plot && !program.draw) {
        std::vector<std::string> words;
        if (c.global.log) words.push_back("--log");
        if (c.global.ignore) words.push_back("--ignore");
        if (c.global.json) words.push_back("--json");
        if (c.global.decimalComma) words.push_back("--decimal-comma");
        for (const std::string& option : c.given) {
            words.push_back(option);
            if (option == "--precision") words.push_back(Cp1252ToUtf8(c.options.precision));
            if (option == "--point") words.push_back(Cp1252ToUtf8(c.options.point));
            if (option == "--degree") words.push_back(Cp1252ToUtf8(c.options.degree));
        }
        if (!c.out.empty()) {
            words.push_back("--out");
            words.push_back(c.out);
        }
        words.push_back("--");
        words.insert(words.end(), c.args.begin(), c.args.end());
        out.flush();
        err.flush();
        return program.handOver(words, inBatch && !c.global.json);
    } else {
        Form form;
        const Subcommand* command = nullptr;
        o = Compute(c, form, plot, &command);
        if (!o.problem.empty()) {
            o.status = 2;
        } else if (plot) {
            // Drawn whatever the tab showed: a field it could not fill gives
            // the graph's message instead of a graph.
            CliHost host(form, c.global.ignore, o.errors);
            const std::string problem = program.draw(form, command->page, c.out);
            if (!problem.empty()) {
                o.errors.push_back(problem);
                o.status = 1;
            }
        }
    }
    if (c.global.json)
        out << Json(c, o, line, number);
    else
        PrintText(c, o, out, err, !inBatch && !o.problem.empty() && o.hint.starts_with("Kommandoer"));
    return o.status;
}

// The batch line as its block's heading: valid UTF-8 without control
// characters, cut after HeaderLength bytes.
std::string Heading(std::string_view line) {
    std::string text = ValidUtf8(line.substr(0, HeaderLength));
    for (char& ch : text)
        if (static_cast<unsigned char>(ch) < 0x20 || ch == 0x7F) ch = '?';
    if (line.size() > HeaderLength) text += " ...";
    return text;
}

// Reads one line of at most MaxLineLength bytes; the rest of a longer line
// is skipped and the line reported as too long. False at the end.
bool ReadLine(std::istream& in, std::string& line, bool& tooLong) {
    line.clear();
    tooLong = false;
    std::streambuf* buffer = in.rdbuf();
    bool any = false;
    for (int ch; (ch = buffer->sbumpc()) != std::char_traits<char>::eof();) {
        any = true;
        if (ch == '\n') return true;
        if (line.size() < MaxLineLength)
            line += static_cast<char>(ch);
        else
            tooLong = true;
    }
    return any;
}

int RunBatch(const Command& batch, const CliProgram& program) {
    const std::string& path = batch.args[1];
    std::ifstream file;
    if (path != "-") {
        file.open(path, std::ios::binary);
        if (!file) {
            std::cerr << Program << ": kan ikke læse " << path << "\n";
            return 2;
        }
    }
    std::istream& in = path == "-" ? std::cin : file;
    std::ostream& out = std::cout;
    int worst = 0, number = 0;
    bool first = true;
    std::string line;
    for (bool tooLong; ReadLine(in, line, tooLong);) {
        ++number;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        SplitLine split;
        if (tooLong)
            split.problem = "linjen er længere end " + std::to_string(MaxLineLength) + " byte";
        else
            split = SplitCommandLine(line);
        if (split.problem.empty() && split.words.empty()) continue;  // blank or comment
        Command c;
        if (!split.problem.empty()) {
            c.global = batch.global;
            c.problem = split.problem;
        } else {
            c = Parse(split.words, batch.global);
            if (c.problem.empty() && (c.batch || c.help))
                c.problem = "batch og --help kan ikke bruges i en batchfil";
        }
        if (!c.global.json) {
            if (!first) out << "\n";
            out << "> " << Heading(line) << "\n";
        }
        first = false;
        const int status = RunOne(c, program, out, out, true, ValidUtf8(line.substr(0, HeaderLength * 5)), number);
        worst = std::max(worst, status == 2 ? 2 : status != 0 ? 1 : 0);
    }
    out.flush();
    return worst;
}

}  // namespace

int CliMain(int argc, char** argv, const CliProgram& program) {
    Program = program.name;
    std::ios::sync_with_stdio(false);
    std::vector<std::string> words(argv + 1, argv + argc);
    Command c = Parse(words, {});
    int status;
    if (c.help) {
        std::cout << UsageText();
        status = 0;
    } else if (c.batch && c.problem.empty()) {
        status = RunBatch(c, program);
    } else {
        status = RunOne(c, program, std::cout, std::cerr, false);
    }
    std::cout.flush();
    return status;
}
