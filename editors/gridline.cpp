// Strokes and flood fills on a grid of squares.
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

bool FloodFillGrid(std::vector<uint32_t>& cells, int width, int height, int x, int y, uint32_t value)
{
    if (width <= 0 || height <= 0 || cells.size() != static_cast<size_t>(width) * height) return false;
    if (x < 0 || y < 0 || x >= width || y >= height) return false;
    const uint32_t region = cells[static_cast<size_t>(y) * width + x];
    if (region == value) return false;
    // Each square takes the value as it is found, so none is queued twice.
    std::vector<int> pending{y * width + x};
    cells[static_cast<size_t>(pending.back())] = value;
    while (!pending.empty()) {
        const int at = pending.back();
        pending.pop_back();
        const int px = at % width, py = at / width;
        const int neighbours[4][2] = {{px - 1, py}, {px + 1, py}, {px, py - 1}, {px, py + 1}};
        for (const auto& n : neighbours) {
            if (n[0] < 0 || n[1] < 0 || n[0] >= width || n[1] >= height) continue;
            const int next = n[1] * width + n[0];
            if (cells[static_cast<size_t>(next)] != region) continue;
            cells[static_cast<size_t>(next)] = value;
            pending.push_back(next);
        }
    }
    return true;
}
