// The editors' remembered folders (image import and export, the two Zentor
// imports); the program keeps them in sodbolt.ini section "other".
#pragma once

#include <string>

extern std::string ImageImportPath;
extern std::string ImageExportPath;
extern std::string ImportZentorTilesPath;
extern std::string ImportZentorSpritePath;
