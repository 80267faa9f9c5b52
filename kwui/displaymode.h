// Helpers of the "Select Display Mode" dialog (the dialog itself and
// KW_ChangeResolution are declared in kwui/core.h).
#pragma once

#include <cstdint>
#include <utility>
#include <vector>

// Appends (width, height) unless the list already holds that pair.
void KW_AddDisplayMode(std::vector<std::pair<int32_t, int32_t>>& modes, int32_t width, int32_t height);
// Rows of the mode list for a panel: (button top - 4 line heights - panel top) / line height.
int KW_DisplayModeListRows(int buttonTop, int panelTop, int lineHeight);
