// Import of tile sets and sprites of the older Zentor game.
#pragma once

class Tileset;
class Sprite;

// Replaces the tile set's contents with an imported version 6 Zentor tile
// set (fileName ""). On failure lastError is set and the set is unchanged.
bool ImportZentorTileset(Tileset& tileset, const char* path);
// Replaces the sprite's frames and description with an imported Zentor
// sprite (versions up to 6). On failure lastError is set and the sprite is
// unchanged.
bool ImportZentorSprite(Sprite& sprite, const char* path);
