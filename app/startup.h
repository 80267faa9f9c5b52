// The program's spine: start-up in order, shut-down in order, and
// the one place where a deep failure is reported.
#pragma once

#include <string>
#include <vector>

extern std::string gSettingsFileName;  // "sodbolt.ini" in the settings folder
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
