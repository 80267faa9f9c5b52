// The editors' remembered folders, kept in sodbolt.ini section "other".
#pragma once

#include <string>

extern std::string ImageImportPath;
extern std::string ImageExportPath;
extern std::string ImportZentorTilesPath;
extern std::string ImportZentorSpritePath;

void LoadToolPaths();
void SaveToolPaths();
