// Shared set-up for the game tests: a field painted from a character map and
// a square mower, without a display.
#pragma once

#include "game/playstate.h"
#include "game/resources.h"

#include <allegro5/allegro.h>

#include <cstring>
#include <initializer_list>

namespace gametest {

// Paints a map from up to 16 rows of 25 characters: '.' Land, 'g' Grass,
// '#' Solid, '~' Water (tiles 0 to 3, typed so). Missing rows and cells are Land.
inline void PaintMap(Map& map, const char* const* rows, int rowCount)
{
    for (auto& tile : map.tileSet.tiles) tile.type = TileLand;
    map.tileSet.tiles[1].type = TileGrass;
    map.tileSet.tiles[2].type = TileSolid;
    map.tileSet.tiles[3].type = TileWater;
    map.cells.fill(0);
    for (int r = 0; r < rowCount && r < kFieldRows; ++r)
        for (int c = 0; c < kFieldColumns && rows[r][c]; ++c) {
            static const char kKinds[] = "g#~";
            const char* kind = std::strchr(kKinds, rows[r][c]);
            map.SetCell(c, r, kind ? static_cast<uint16_t>(kind - kKinds + 1) : 0);
        }
}

inline void PaintMap(Map& map, std::initializer_list<const char*> rows)
{
    PaintMap(map, rows.begin(), static_cast<int>(rows.size()));
}

// The game's own field, its grass counted.
inline void PaintField(const char* const* rows = nullptr, int rowCount = 0)
{
    PaintMap(gPlay.map, rows, rowCount);
    CountGrass();
}

// A sprite with one w x h frame (its collision box comes from it).
inline void GiveSpriteFrame(Sprite& sprite, int w, int h)
{
    sprite.Clear();
    al_set_new_bitmap_flags(ALLEGRO_MEMORY_BITMAP);
    ALLEGRO_BITMAP* image = al_create_bitmap(w, h);
    sprite.AddFrame(image, "");
    al_destroy_bitmap(image);
}

inline void PlaceMower(float x, float y)
{
    gPlay.mowerX = x;
    gPlay.mowerY = y;
    gPlay.heading = gPlay.targetHeading = 0.0f;
    gPlay.speed = 0.0f;
}

// Drives the mower at full speed for some frames.
inline void Drive(float heading, int frames = 1)
{
    for (int i = 0; i < frames; ++i) {
        gPlay.targetHeading = heading;
        gPlay.speed = 3.0f;
        MoveMower();
        UpdateMowerCells();
        MowCells();
    }
}

}  // namespace gametest
