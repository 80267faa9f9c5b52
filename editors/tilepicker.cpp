// The "Select Tile" picker: an object browser over the 1024 tiles, with the
// way into the tile editor for the chosen tile.
#include "editors/tilepicker.h"

#include "content/tileset.h"
#include "editors/tileeditor.h"
#include "editors/tileops.h"
#include "kwui/console.h"
#include "kwui/objectbrowser.h"

#include <memory>
#include <string>

bool SelectTile(Tileset& tileset, int& tileIndex, bool allowEdit)
{
    if (!tileset.loaded) return false;

    ObjectBrowser browser;
    browser.title = "Select Tile";
    for (int i = 0; i < Tileset::kTileCount; ++i) {
        const Tile& tile = tileset.tiles[i];
        browser.AddBorrowedItem(tile.image, "%s", TilePickerCaption(i, tile.description, tile.type).c_str());
    }
    browser.Layout();

    const int chosen = browser.Run(tileIndex, allowEdit);
    if (chosen < 0) return false;
    tileIndex = chosen;
    const bool editRequested = browser.editRequested;
    browser.Clear();
    if (!editRequested) return true;

    // The editor works on its own copy of the set's file; what it saves shows
    // here once the set is read again.
    const std::string path = tileset.fileName;
    auto editor = std::make_unique<TileEditor>();
    RunTileEditor(*editor, path.c_str(), chosen);
    editor.reset();
    if (!path.empty() && !tileset.Load(path.c_str())) KW_Message("%s", tileset.lastError.c_str());
    return true;
}
