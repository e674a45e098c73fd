// kvadrix-cli: the computations of the tabs from the command line or a batch
// file, through the same form model as the window. It links no toolkit, so a
// call costs a few milliseconds; plot is handed to kvadrix-plot.
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <string>
#include <vector>

#include "Cli.h"

extern char** environ;

namespace {

const char* const PlotProgram = "kvadrix-plot";

// kvadrix-plot next to this program (the build tree, or the package's bin
// directory), else in the install path; "" when neither has it.
std::string FindPlotProgram() {
    std::vector<std::string> candidates;
    char self[4096];
    const ssize_t n = readlink("/proc/self/exe", self, sizeof self - 1);
    if (n > 0) {
        std::string path(self, static_cast<std::size_t>(n));
        candidates.push_back(path.substr(0, path.rfind('/') + 1) + PlotProgram);
    }
    candidates.push_back(std::string(KVADRIX_INSTALL_BINDIR) + "/" + PlotProgram);
    for (const std::string& candidate : candidates)
        if (access(candidate.c_str(), X_OK) == 0) return candidate;
    return {};
}

int HandOver(const std::vector<std::string>& words, bool errorsToStdout) {
    const std::string program = FindPlotProgram();
    if (program.empty()) {
        std::fprintf(errorsToStdout ? stdout : stderr,
                     "kvadrix-cli: plot tegner med programmet %s, som hverken findes ved siden af kvadrix-cli "
                     "eller i %s. Installer hele pakken kvadrix eller byg kvadrix-plot.\n",
                     PlotProgram, KVADRIX_INSTALL_BINDIR);
        std::fflush(errorsToStdout ? stdout : stderr);
        return 1;
    }
    std::vector<char*> argv;
    std::string name = PlotProgram;
    argv.push_back(name.data());
    std::vector<std::string> copies(words);
    for (std::string& w : copies) argv.push_back(w.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    if (errorsToStdout) posix_spawn_file_actions_adddup2(&actions, STDOUT_FILENO, STDERR_FILENO);
    pid_t child = 0;
    const int failed = posix_spawn(&child, program.c_str(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (failed) {
        std::fprintf(stderr, "kvadrix-cli: kan ikke starte %s\n", program.c_str());
        return 1;
    }
    int status = 0;
    while (waitpid(child, &status, 0) < 0) {
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : 1;
}

}  // namespace

int main(int argc, char** argv) { return CliMain(argc, argv, {"kvadrix-cli", HandOver, nullptr}); }
