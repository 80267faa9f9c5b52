// The command line, and the choice of folders made from it before start-up:
// portable or installed, the mod folder, the checks that stop a start that
// cannot work with a line on the terminal.
#pragma once

#include <string>

struct LaunchOptions {
    enum class Action { Run, Help, Version, Refuse };
    Action action = Action::Run;
    bool useModFolder = false;
    std::string modFolder;
    int windowed = -1;   // -1: as kwui2.ini says; 0: --fullscreen; 1: --window
    std::string error;   // with Refuse: "sodbolt: unknown option '--x'"
};

// Reads the arguments without touching anything: "-base FOLDER" (any case,
// the last one wins), --fullscreen, --window, --help/-h and --version. An
// unknown option, a stray word or "-base" without its folder refuses the run.
LaunchOptions ParseArguments(int argc, const char* const* argv);

extern const char* const kUsageLine;  // "Usage: sodbolt [...]"
// The whole --help text: options, the folders of each mode, the environment.
std::string UsageText();
// "Sodbolt 1.1"
std::string VersionLine();

// Chooses the folders for this run, finds the mod folder and points the
// toolkit at its files. A problem is printed on the standard error stream
// (and, for a start-up failure, shown in the "Error" box): the exit code is
// returned, 0 when the run may go on.
int PrepareFolders(const LaunchOptions& options);
// One line on the standard error stream and the "Error" box.
void ReportStartUpFailure(const std::string& text);
// After a failed KW_Init: the line that says why, unless one was printed.
void ReportToolkitFailure();
