// Maps and tile sets in the forms of the Tiled map editor: a map as a TMX
// file (one CSV tile layer, the settings as map properties, the start point
// as a point object in the object layer "start") that names an external TSX
// tile set, and a tile set as a TSX file naming one PNG sheet beside it.
//
// Every import reads and checks the whole file first and changes nothing
// when it refuses; error then names the file and says why, for example
// "level.tmx: the map is 30 x 20 tiles; Sodbolt maps are 25 x 16".
// PNG sheets need Allegro's image add-on to be initialised by the program.
#pragma once

#include <string>

class Map;
class Tileset;

// The name a file is shown by in messages: its last path component.
std::string FileDisplayName(const std::string& path);

// Writes the map as a TMX file at path and the game tile set beside it as
// NAME.tsx and NAME.png (NAME from the tile set's file, "sodbolt" for a blank
// set). A cell of 1024 or more names no tile and is refused.
bool ExportMapToTmx(const Map& map, const std::string& path, std::string& error);
// Reads a TMX file's first tile layer (CSV, XML, or base64 plain, zlib or
// gzip), its properties and its start object into the map's cells, title,
// author, time limit, clouds and start point. The tile set stays as it is.
bool ImportMapFromTmx(Map& map, const std::string& path, std::string& error);

// Writes the tile set as a TSX file at path and its 1024 x 1024 PNG sheet
// beside it (same name, ".png"): tile i at column i % 32, row i / 32, each
// tile's type and description as tile properties.
bool ExportTilesetToTsx(const Tileset& tileset, const std::string& path, std::string& error);
// Reads a TSX file and the sheet it names into the tile set: the tiles the
// sheet holds take its pictures, the TSX's tile properties set types and
// descriptions, every other tile stays as it was.
bool ImportTilesetFromTsx(Tileset& tileset, const std::string& path, std::string& error);
