// The tile editor's editing operations as free functions over one tile
// image, plus the small rules of its screen (index wrap, zoom limits, hit
// tests, captions). Every operation that draws restores the drawing target
// that was current before it, and touches only the given bitmap (a tile is a
// sub-bitmap of its set's atlas: the neighbours must stay as they were).
#pragma once

#include <allegro5/allegro.h>

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// [SECTION] Limits

constexpr int kTileEditorMinScale = 1;
constexpr int kTileEditorMaxScale = 24;
constexpr int kTileEditorStartScale = 14;
constexpr int kTileEditorViewSize = 32;          // pixels of a tile shown in the view
constexpr int kTileDescriptionLimit = 32;        // characters the description dialog keeps
constexpr int kTileTypeCount = 4;                // Land, Grass, Solid, Water

// [SECTION] Pure rules

// One tile back or on, wrapping round the 1024 tiles.
int PreviousTileIndex(int index);
int NextTileIndex(int index);
// Land -> Grass -> Solid -> Water -> Land. A value outside the four (a file
// may hold any byte) starts the cycle again at Land.
int8_t NextTileType(int8_t type);
// One zoom step; false (scale unchanged) at the limit.
bool ZoomInStep(int16_t& scale);
bool ZoomOutStep(int16_t& scale);
// Zoom steps for a turn of the mouse wheel: one per click, in while the
// wheel turns up (clicks > 0). False when a limit stopped it early.
bool ZoomByWheel(int16_t& scale, int clicks);
// The grid is drawn only where a zoomed pixel leaves room to see it.
constexpr int kTileGridMinScale = 4;
inline bool TileGridVisible(bool gridShown, int scale) { return gridShown && scale >= kTileGridMinScale; }

// The tile pixel under a screen position in the pixel view of the given
// scale (lh: the line height); false off the view or off the 32 x 32 pixels.
bool TileViewPixelAt(int mouseX, int mouseY, int scale, int lineHeight, int& pixelX, int& pixelY);
// The colour swatch at the right edge, bounds included.
bool OverTileSwatch(int mouseX, int mouseY, int screenW, int screenH, int lineHeight);

// "Tile %d of %d - %s - %s": the status line of the editor (numbered from 1).
std::string TileEditorStatusLine(int tileIndex, const std::string& description, int8_t type);
// "%s - Tile Editor" with the file name.
std::string TileEditorTitle(const std::string& fileName);
// "Tile %d: %s - %s": a tile's caption in the picker (numbered from 0).
std::string TilePickerCaption(int tileIndex, const std::string& description, int8_t type);

// [SECTION] Operations on a tile image (null images are left alone)

// Turns the tile upside down / left to right, pixel by pixel on a lock.
void FlipTile(ALLEGRO_BITMAP* tile);
void MirrorTile(ALLEGRO_BITMAP* tile);
// A quarter turn clockwise about the tile's centre (top-left goes to
// top-right). False, with the tile unchanged, when no temporary copy could
// be made.
bool RotateTile(ALLEGRO_BITMAP* tile);
// Sets one pixel; positions outside the tile are ignored.
void PaintTilePixel(ALLEGRO_BITMAP* tile, int x, int y, ALLEGRO_COLOR colour);
ALLEGRO_COLOR TilePixel(ALLEGRO_BITMAP* tile, int x, int y);
void FillTile(ALLEGRO_BITMAP* tile, ALLEGRO_COLOR colour);
// Copies the tile's picture to the clipboard bitmap at (0, 0).
void CopyTileToClipboard(ALLEGRO_BITMAP* tile, ALLEGRO_BITMAP* clipboard);
// Puts the clipboard onto the tile; false (tile unchanged) while the
// clipboard holds nothing.
bool PasteTileFromClipboard(ALLEGRO_BITMAP* tile, ALLEGRO_BITMAP* clipboard, bool clipboardFull);
// Draws an image of any size scaled over the whole tile. Magenta pixels of
// the image become transparent first (the image is changed), so the tile's
// old pixels show through them.
void ImportImageIntoTile(ALLEGRO_BITMAP* tile, ALLEGRO_BITMAP* image);
