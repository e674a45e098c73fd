#pragma once
// The command line of kvadrix-cli and kvadrix-plot: the global options, one
// computation per command (a fresh form model filled field by field, as the
// window's user would), the batch mode and the text or JSON output.
#include <string>
#include <vector>

#include "Form.h"

// kvadrix-cli: hands a plot command line (the global options first) to the
// drawing program and returns its exit status.
using PlotHandOver = int (*)(const std::vector<std::string>& words, bool errorsToStdout);

// kvadrix-plot: writes the graph of the page the form has filled into the
// file; "" or the problem (UTF-8).
using GraphDrawer = std::string (*)(const Form& form, Page page, const std::string& path);

struct CliProgram {
    const char* name;                  // in messages
    PlotHandOver handOver = nullptr;   // one of the two
    GraphDrawer draw = nullptr;
};

int CliMain(int argc, char** argv, const CliProgram& program);
