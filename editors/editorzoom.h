// Zoom steps shared by the tile and sprite editors: buttons move one step,
// the mouse wheel one step a click, always within the editor's limits.
#pragma once

#include <cstdint>

// Moves zoom by steps (negative: out) and stops at a limit; false when a
// limit stopped it before all steps were taken.
inline bool StepZoom(int16_t& zoom, int steps, int16_t minZoom, int16_t maxZoom)
{
    for (; steps > 0; --steps) {
        if (zoom >= maxZoom) return false;
        ++zoom;
    }
    for (; steps < 0; ++steps) {
        if (zoom <= minZoom) return false;
        --zoom;
    }
    return true;
}
