// The "Select Display Mode" dialog and the interactive resolution change.
#include "kwui/displaymode.h"

#include "kwui/core.h"

void KW_AddDisplayMode(std::vector<std::pair<int32_t, int32_t>>&, int32_t, int32_t) {}
int KW_DisplayModeListRows(int, int, int) { return 1; }
bool KW_SelectDisplayMode(KW_DisplayModeChoice&) { return false; }
bool KW_ChangeResolution() { return false; }
