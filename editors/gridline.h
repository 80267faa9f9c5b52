// Rules on a grid of squares (a tile's pixels, a map's cells) shared by the
// tile and map editors: the squares a straight stroke crosses, and the area
// a flood fill takes.
#pragma once

#include <cstdint>
#include <vector>

struct GridPoint {
    int x = 0, y = 0;
};

// What a brush held down paints between the pointer's places in two frames,
// so a fast drag leaves no gaps: from (x0, y0) to (x1, y1), both ends
// included, each square touching the one before by an edge or a corner, one
// a step along the longer axis.
std::vector<GridPoint> GridLine(int x0, int y0, int x1, int y1);

// Flood fill over a width x height grid (row by row): the 4-connected area
// of the value at (x, y) takes the new value; squares that only touch it
// at a corner stay. False (nothing changed) off the grid, when the grid's
// size does not match, or when the area already has that value.
bool FloodFillGrid(std::vector<uint32_t>& cells, int width, int height, int x, int y, uint32_t value);
