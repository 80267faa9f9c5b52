// The squares a straight stroke crosses on a grid of pixels or cells: what a
// brush held down paints between the pointer's places in two frames, so a
// fast drag leaves no gaps. Shared by the tile and map editors.
#pragma once

#include <vector>

struct GridPoint {
    int x = 0, y = 0;
};

// From (x0, y0) to (x1, y1), both ends included, each square touching the
// one before by an edge or a corner, one a step along the longer axis.
std::vector<GridPoint> GridLine(int x0, int y0, int x1, int y1);
