// The level list in game.ini ([info] MapsCount, [map0] ... with map= and
// music=), edited from the map editor: a map put in at a position or taken
// out, every other section and key kept, written through a temporary file.
#pragma once

#include <string>

// Reads game.ini at readPath (a missing file is an empty list) and writes
// the list with mapName inserted at position (0-based; past the end: last)
// to writePath. False with error set when the map is in the list already or
// the file cannot be written.
bool AddToLevelList(const std::string& readPath, const std::string& writePath, const std::string& mapName,
                    const std::string& music, int position, std::string& error);
// Takes mapName out; false with error set when it is not in the list.
// position is where it was (0-based).
bool RemoveFromLevelList(const std::string& readPath, const std::string& writePath, const std::string& mapName,
                         int& position, std::string& error);
// The number of levels in the list and the position of mapName (-1 when absent).
int LevelListCount(const std::string& readPath, const std::string& mapName, int& position);
// The music of the last level ("" for none).
std::string LastLevelMusic(const std::string& readPath);
