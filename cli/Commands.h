#pragma once
// The subcommands of kvadrix-cli: which fields of which tab each fills from
// its arguments and which it prints. Every name is a control of the field table.
#include <string>
#include <string_view>
#include <vector>

#include "Form.h"

// Options that belong to a subcommand: --precision E, --point POINT,
// --degree D, --least-squares, --exponential, --power.
struct SubcommandOptions {
    std::string precision, point, degree;
    bool leastSquares = false;
    bool exponential = false, power = false;  // regression methods
};

struct Output {
    Output(const char* field, const char* caption = nullptr) : field(field), caption(caption) {}
    const char* field;
    const char* caption;  // Windows-1252; nullptr: the caption of the field's label
};

struct Subcommand {
    const char* name;
    Page page;                            // the tab it fills
    const char* usage;
    int required;                         // leading inputs that must be given
    std::vector<const char*> inputs;      // fields filled from the arguments, in order
    std::vector<Output> outputs;          // fields printed as "Caption = text"
    std::vector<std::string_view> options = {};  // subcommand options it takes
    // Fills the tab and leaves its fields itself (nullptr: the inputs in
    // order). Returns a usage problem, or "".
    std::string (*run)(Form&, const std::vector<std::string>&, const SubcommandOptions&) = nullptr;
};

extern const std::vector<Subcommand> Subcommands;

// The subcommand a name gives: its own name, or an older name of the plot
// tabs that reads its fields its own way (integral, minimum, equation F X0,
// polyregression D N POINTS, regression N POINTS); the fields and options are
// rearranged into the subcommand's. nullptr for an unknown name.
const Subcommand* FindSubcommand(std::string_view name, std::vector<std::string>& fields,
                                 SubcommandOptions& options);

// "integrate, value, ..." : the names a usage error lists.
std::string SubcommandNames();
