// The program's spine: arguments, start-up in order, shut-down in order, and
// the one place where a deep failure is reported.
#pragma once

#include <string>
#include <vector>

struct LaunchOptions {
    bool useModFolder = false;
    std::string modFolder;
};

// Reads "-base <folder>" (any case; the last one wins; a trailing "-base"
// without a folder leaves the mod folder unset).
LaunchOptions ParseArguments(int argc, const char* const* argv);

extern std::string gSettingsFileName;  // "sodbolt.ini"
extern const char* const kVersionText; // "Sodbolt v1.1"

bool StartUp();
void ShutDown();
// sodbolt.ini: the editors' remembered folders, read at start-up and written
// whole at shut-down.
void LoadToolPaths();
void SaveToolPaths();
void FatalError(const char* format, ...) __attribute__((format(printf, 1, 2)));

// The main menu; a placeholder screen until the menus are built.
void RunMainMenu();
