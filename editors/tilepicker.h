// The "Select Tile" picker that both editors use to choose a tile of a tile
// set by its picture.
#pragma once

class Tileset;

// Shows the 1024 tiles of a loaded tile set in an object browser titled
// "Select Tile", starting on tileIndex. Returns true when a tile was chosen
// (tileIndex then holds it), false when cancelled (tileIndex unchanged).
// With allowEdit the browser's pop-up offers "Edit": the tile editor then
// opens on the set's file at the chosen tile, and the set is loaded again
// from that file when the editor returns.
bool SelectTile(Tileset& tileset, int& tileIndex, bool allowEdit);
