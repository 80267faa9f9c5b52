// The "Select Tile" picker: an object browser over the 1024 tiles.
#include "editors/tilepicker.h"

#include "content/tileset.h"

#include <cstdio>

std::string TilePickerCaption(int index, const std::string& description, int type)
{
    char caption[512];
    std::snprintf(caption, sizeof caption, "Tile %d: %s - %s", index, description.c_str(),
                  GetTileTypeName(static_cast<int8_t>(type)).c_str());
    return caption;
}

bool SelectTile(Tileset& tileset, int& tileIndex, bool allowEdit)
{
    (void)tileset;
    (void)tileIndex;
    (void)allowEdit;
    return false;
}
