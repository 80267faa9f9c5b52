// mapdump: prints a map file as the game's own loader reads it, one field a
// line, then the 16 rows of 25 cell values. Used by the editor's end-to-end
// tests and handy for checking a level by hand.
//   mapdump maps/level1.map
#include "content/map.h"

#include <allegro5/allegro.h>
#include <allegro5/allegro_image.h>

#include <cstdio>

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: mapdump <file.map>\n");
        return 2;
    }
    if (!al_init() || !al_init_image_addon()) {
        std::fprintf(stderr, "mapdump: Allegro could not start\n");
        return 2;
    }
    int status = 0;
    {
        Map map;
        if (!map.Load(argv[1])) {
            std::fprintf(stderr, "%s\n", map.lastError.c_str());
            status = 1;
        } else {
            std::printf("title=%s\n", map.title.c_str());
            std::printf("author=%s\n", map.author.c_str());
            std::printf("timeLimit=%d\n", map.timeLimit);
            std::printf("cloudCount=%d\n", map.cloudCount);
            std::printf("startX=%d\n", map.startX);
            std::printf("startY=%d\n", map.startY);
            for (int row = 0; row < Map::kRows; ++row) {
                std::printf("row%02d=", row);
                for (int column = 0; column < Map::kColumns; ++column)
                    std::printf(column ? " %d" : "%d", map.GetCell(column, row));
                std::printf("\n");
            }
        }
    }
    return status;
}
