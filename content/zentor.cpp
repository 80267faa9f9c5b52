// Import of Zentor tile sets and sprites.
#include "content/zentor.h"

#include "content/sprite.h"
#include "content/tileset.h"

bool ImportZentorTileset(Tileset&, const char*) { return false; }
bool ImportZentorSprite(Sprite&, const char*) { return false; }
