// kvadrix-plot: kvadrix-cli with graph drawing. kvadrix-cli plot hands its
// command line here, so that only drawing loads Qt; a program of its own
// rather than an option of the window program, because the window program
// starts the splash and the main window and links printing, none of which a
// picture written to a file needs. It takes kvadrix-cli's whole command line
// (a batch of plots draws them all in one process).
#include "Cli.h"
#include "GraphWindow.h"
#include "TabGraphs.h"

namespace {

// Draws without a screen (GraphWindow's PlotToFile starts Qt offscreen).
std::string Draw(const Form& form, Page page, const std::string& path) {
    return PlotToFile(BuildGraph(form, page), path);
}

}  // namespace

int main(int argc, char** argv) { return CliMain(argc, argv, {"kvadrix-plot", nullptr, Draw}); }
