// Tile set: 1024 typed tiles in one atlas, and the tile set file format.
#include "content/tileset.h"

std::string GetTileTypeName(int8_t type)
{
    switch (type) {
    case TileLand: return "Land";
    case TileGrass: return "Grass";
    case TileSolid: return "Solid";
    case TileWater: return "Water";
    default: return "";
    }
}

Tileset::~Tileset() { Unload(); }
void Tileset::Unload() { loaded = false; }
void Tileset::New() {}
bool Tileset::Load(const char*) { return false; }
bool Tileset::Save(const char*) { return false; }
ALLEGRO_BITMAP* Tileset::GetTileImage(int) const { return nullptr; }
TileType Tileset::GetTileType(int) const { return TileLand; }
void Tileset::DrawTile(int, float, float) const {}
void Tileset::Swap(Tileset&) {}
bool Tileset::CreateAtlas() { return false; }
