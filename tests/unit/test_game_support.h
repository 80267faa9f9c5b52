// Shared set-up for the game tests: a field painted from a character map, a square mower box and driving.
#pragma once

#include "game/playstate.h"
#include "game/resources.h"

#include <allegro5/allegro.h>

#include <cstring>
#include <initializer_list>

namespace gametest {

// The collision box of a 32 x 32 mower frame: 33 pixels a side.
constexpr PixelBox kMowerBox{0, 0, 32, 32};

// Paints up to 16 rows of 25: '.' Land, 'g' Grass, '#' Solid, '~' Water (tiles 0 to 3); the rest Land.
inline void PaintMap(Map& map, std::initializer_list<const char*> rows)
{
    for (auto& tile : map.tileSet.tiles) tile.type = TileLand;
    map.tileSet.tiles[1].type = TileGrass;
    map.tileSet.tiles[2].type = TileSolid;
    map.tileSet.tiles[3].type = TileWater;
    map.cells.fill(0);
    int r = 0;
    for (const char* row : rows) {
        for (int c = 0; c < kFieldColumns && row[c]; ++c) {
            static const char kKinds[] = "g#~";
            const char* kind = std::strchr(kKinds, row[c]);
            map.SetCell(c, r, kind ? static_cast<uint16_t>(kind - kKinds + 1) : 0);
        }
        if (++r == kFieldRows) break;
    }
}

inline void PaintColumns(Map& map, const char* row)
{
    PaintMap(map, {row, row, row, row, row, row, row, row, row, row, row, row, row, row, row, row});
}

inline void PaintField(PlayState& state, std::initializer_list<const char*> rows = {})
{
    PaintMap(state.map, rows);
    CountGrass(state);
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

inline void PlaceMower(PlayState& state, float x, float y)
{
    state.mowerX = x;
    state.mowerY = y;
    state.heading = state.targetHeading = 0.0f;
    state.speed = 0.0f;
}

// Drives the mower at full speed for some frames, mowing as the game does.
inline void Drive(PlayState& state, float heading, int frames = 1)
{
    for (int i = 0; i < frames; ++i) {
        state.targetHeading = heading;
        state.speed = 3.0f;
        MoveMower(state, kMowerBox);
        UpdateMowerCells(state, kMowerBox);
        MowCells(state);
    }
}

}  // namespace gametest
