// Map: the level grid, its fields and the map file format.
#include "content/map.h"

Map::~Map() {}
void Map::New() {}
bool Map::Load(const char*) { return false; }
bool Map::Save(const char*) { return false; }
void Map::LoadDefaultTileset() {}
uint16_t Map::GetCell(int, int) const { return 0; }
void Map::SetCell(int, int, uint16_t) {}
TileType Map::GetCellType(int, int) const { return TileLand; }
ALLEGRO_BITMAP* Map::GetCellImage(int, int) const { return nullptr; }
void Map::Draw(float, float, const uint8_t*) const {}
