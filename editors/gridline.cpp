// The squares of a straight stroke.
#include "editors/gridline.h"

#include <algorithm>
#include <cstdlib>

std::vector<GridPoint> GridLine(int x0, int y0, int x1, int y1)
{
    // Bresenham's walk: step along the longer axis, the shorter one when the
    // error says so
    const int dx = std::abs(x1 - x0), dy = -std::abs(y1 - y0);
    const int sx = x0 < x1 ? 1 : -1, sy = y0 < y1 ? 1 : -1;
    std::vector<GridPoint> points;
    points.reserve(static_cast<size_t>(std::max(dx, -dy)) + 1);
    int error = dx + dy;
    for (;;) {
        points.push_back({x0, y0});
        if (x0 == x1 && y0 == y1) return points;
        const int twice = 2 * error;
        if (twice >= dy) {
            error += dy;
            x0 += sx;
        }
        if (twice <= dx) {
            error += dx;
            y0 += sy;
        }
    }
}
