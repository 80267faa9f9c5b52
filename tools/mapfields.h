// A map's fields, one "name=value" line each, then its 16 rows of 25 cell
// values: the text mapdump and "sodbolt-tool info" print for a map.
#pragma once

#include "content/map.h"

#include <cstdio>

inline void PrintMapFields(const Map& map)
{
    std::printf("title=%s\n", map.title.c_str());
    std::printf("author=%s\n", map.author.c_str());
    std::printf("timeLimit=%d\n", map.timeLimit);
    std::printf("cloudCount=%d\n", map.cloudCount);
    std::printf("startX=%d\n", map.startX);
    std::printf("startY=%d\n", map.startY);
}

inline void PrintMapRows(const Map& map)
{
    for (int row = 0; row < Map::kRows; ++row) {
        std::printf("row%02d=", row);
        for (int column = 0; column < Map::kColumns; ++column)
            std::printf(column ? " %d" : "%d", map.GetCell(column, row));
        std::printf("\n");
    }
}
