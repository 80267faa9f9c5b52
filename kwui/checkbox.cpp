// Check box (being filled in).
#include "kwui/checkbox.h"

void KW_CreateCheckBox(KW_CheckBox&, int, int) {}
bool KW_DoCheckBox(KW_CheckBox&) { return false; }
bool KW_CheckBoxHovered(const KW_CheckBox&, int, int) { return false; }
