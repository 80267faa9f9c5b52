// The "Select Display Mode" dialog and the interactive resolution change.
#include "kwui/core.h"

bool KW_SelectDisplayMode(KW_DisplayModeChoice&) { return false; }
bool KW_ChangeResolution() { return false; }
