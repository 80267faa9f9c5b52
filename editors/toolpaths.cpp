// The editors' remembered folders; empty until sodbolt.ini is read.
#include "editors/toolpaths.h"

std::string ImageImportPath;
std::string ImageExportPath;
std::string ImportZentorTilesPath;
std::string ImportZentorSpritePath;
