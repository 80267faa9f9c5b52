// The tile editor's operations on one tile image and the rules of its screen.
#include "editors/tileops.h"

#include "editors/editorzoom.h"

#include "content/tileset.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

// [SECTION] Pure rules

int PreviousTileIndex(int index)
{
    if (index <= 0 || index >= Tileset::kTileCount) return Tileset::kTileCount - 1;
    return index - 1;
}

int NextTileIndex(int index)
{
    if (index < 0 || index >= Tileset::kTileCount - 1) return 0;
    return index + 1;
}

int8_t NextTileType(int8_t type)
{
    if (type < 0 || type >= kTileTypeCount - 1) return TileLand;
    return static_cast<int8_t>(type + 1);
}

bool ZoomInStep(int16_t& scale) { return StepZoom(scale, 1, kTileEditorMinScale, kTileEditorMaxScale); }
bool ZoomOutStep(int16_t& scale) { return StepZoom(scale, -1, kTileEditorMinScale, kTileEditorMaxScale); }
bool ZoomByWheel(int16_t& scale, int clicks) { return StepZoom(scale, clicks, kTileEditorMinScale, kTileEditorMaxScale); }

bool TileViewPixelAt(int mouseX, int mouseY, int scale, int lineHeight, int& pixelX, int& pixelY)
{
    if (scale < 1) return false;
    const int top = lineHeight + 50;
    const int size = kTileEditorViewSize * scale;
    if (mouseX < 1 || mouseX > size + 1 || mouseY < top || mouseY > top + size) return false;
    const int x = (mouseX - 1) / scale;
    const int y = (mouseY - top) / scale;
    // the far edges of the view belong to no pixel
    if (x >= kTileEditorViewSize || y >= kTileEditorViewSize) return false;
    pixelX = x;
    pixelY = y;
    return true;
}

bool OverTileSwatch(int mouseX, int mouseY, int screenW, int screenH, int lineHeight)
{
    return mouseX >= screenW - 40 && mouseX <= screenW - 2 && mouseY >= lineHeight + 49 && mouseY <= screenH - 50;
}

std::string TileEditorStatusLine(int tileIndex, const std::string& description, int8_t type)
{
    char line[256];
    std::snprintf(line, sizeof line, "Tile %d of %d - %s - %s", tileIndex + 1, Tileset::kTileCount,
                  description.c_str(), GetTileTypeName(type).c_str());
    return line;
}

std::string TileEditorTitle(const std::string& fileName)
{
    char title[256];
    std::snprintf(title, sizeof title, "%s - Tile Editor", fileName.c_str());
    return title;
}

std::string TilePickerCaption(int tileIndex, const std::string& description, int8_t type)
{
    char caption[512];
    std::snprintf(caption, sizeof caption, "Tile %d: %s - %s", tileIndex, description.c_str(),
                  GetTileTypeName(type).c_str());
    return caption;
}

// [SECTION] Operations on a tile image

namespace {

// Draws into one bitmap with the blender given and puts the previous target
// and blender back afterwards.
class DrawingInto {
public:
    explicit DrawingInto(ALLEGRO_BITMAP* target, bool replacePixels = true)
    {
        al_store_state(&saved, ALLEGRO_STATE_TARGET_BITMAP | ALLEGRO_STATE_BLENDER);
        al_set_target_bitmap(target);
        if (replacePixels)
            al_set_blender(ALLEGRO_ADD, ALLEGRO_ONE, ALLEGRO_ZERO);
        else
            al_set_blender(ALLEGRO_ADD, ALLEGRO_ONE, ALLEGRO_INVERSE_ALPHA);
    }
    ~DrawingInto() { al_restore_state(&saved); }
    DrawingInto(const DrawingInto&) = delete;
    DrawingInto& operator=(const DrawingInto&) = delete;

private:
    ALLEGRO_STATE saved;
};

// Swaps pixels of a locked tile by raw bytes, whatever its pixel format.
template <typename PairOf>
void SwapPixels(ALLEGRO_BITMAP* tile, PairOf pairOf, int rows, int columns)
{
    ALLEGRO_LOCKED_REGION* region = al_lock_bitmap(tile, ALLEGRO_PIXEL_FORMAT_ANY, ALLEGRO_LOCK_READWRITE);
    if (!region) return;
    const int size = region->pixel_size;
    unsigned char* base = static_cast<unsigned char*>(region->data);
    unsigned char spare[16];
    for (int y = 0; y < rows; ++y) {
        for (int x = 0; x < columns; ++x) {
            int otherX = 0, otherY = 0;
            pairOf(x, y, otherX, otherY);
            unsigned char* a = base + y * region->pitch + x * size;
            unsigned char* b = base + otherY * region->pitch + otherX * size;
            std::memcpy(spare, a, size);
            std::memcpy(a, b, size);
            std::memcpy(b, spare, size);
        }
    }
    al_unlock_bitmap(tile);
}

}  // namespace

void FlipTile(ALLEGRO_BITMAP* tile)
{
    if (!tile) return;
    const int w = al_get_bitmap_width(tile), h = al_get_bitmap_height(tile);
    SwapPixels(
        tile,
        [h](int x, int y, int& ox, int& oy) {
            ox = x;
            oy = h - 1 - y;
        },
        h / 2, w);
}

void MirrorTile(ALLEGRO_BITMAP* tile)
{
    if (!tile) return;
    const int w = al_get_bitmap_width(tile), h = al_get_bitmap_height(tile);
    SwapPixels(
        tile,
        [w](int x, int y, int& ox, int& oy) {
            ox = w - 1 - x;
            oy = y;
        },
        h, w / 2);
}

bool RotateTile(ALLEGRO_BITMAP* tile)
{
    if (!tile) return false;
    const int w = al_get_bitmap_width(tile), h = al_get_bitmap_height(tile);
    ALLEGRO_BITMAP* copy = al_create_bitmap(w, h);
    if (!copy) return false;
    {
        DrawingInto into(copy);
        al_draw_bitmap(tile, 0, 0, 0);
    }
    {
        // A quarter turn about the centre to the same centre; Allegro's
        // angles run clockwise with y pointing down.
        DrawingInto into(tile);
        const float cx = static_cast<float>(w / 2), cy = static_cast<float>(h / 2);
        al_draw_rotated_bitmap(copy, cx, cy, cx, cy, ALLEGRO_PI / 2, 0);
    }
    al_destroy_bitmap(copy);
    return true;
}

void PaintTilePixel(ALLEGRO_BITMAP* tile, int x, int y, ALLEGRO_COLOR colour)
{
    if (!tile || x < 0 || y < 0 || x >= al_get_bitmap_width(tile) || y >= al_get_bitmap_height(tile)) return;
    DrawingInto into(tile);
    al_put_pixel(x, y, colour);
}

ALLEGRO_COLOR TilePixel(ALLEGRO_BITMAP* tile, int x, int y)
{
    if (!tile || x < 0 || y < 0 || x >= al_get_bitmap_width(tile) || y >= al_get_bitmap_height(tile))
        return al_map_rgb(0, 0, 0);
    return al_get_pixel(tile, x, y);
}

void FillTile(ALLEGRO_BITMAP* tile, ALLEGRO_COLOR colour)
{
    if (!tile) return;
    DrawingInto into(tile);
    al_clear_to_color(colour);
}

void CopyTileToClipboard(ALLEGRO_BITMAP* tile, ALLEGRO_BITMAP* clipboard)
{
    if (!tile || !clipboard) return;
    DrawingInto into(clipboard);
    al_draw_bitmap(tile, 0, 0, 0);
}

bool PasteTileFromClipboard(ALLEGRO_BITMAP* tile, ALLEGRO_BITMAP* clipboard, bool clipboardFull)
{
    if (!clipboardFull || !tile || !clipboard) return false;
    DrawingInto into(tile);
    al_draw_bitmap(clipboard, 0, 0, 0);
    return true;
}

void ImportImageIntoTile(ALLEGRO_BITMAP* tile, ALLEGRO_BITMAP* image)
{
    if (!tile || !image) return;
    al_convert_mask_to_alpha(image, al_map_rgb(255, 0, 255));
    // Nearest pixel, as pixel art expects: a small picture fills the tile
    // with hard blocks, never smoothed. Colours are premultiplied, so a pixel
    // goes over the tile as colour + tile * (1 - alpha).
    const int tileWidth = al_get_bitmap_width(tile), tileHeight = al_get_bitmap_height(tile);
    const int imageWidth = al_get_bitmap_width(image), imageHeight = al_get_bitmap_height(image);
    ALLEGRO_LOCKED_REGION* in = al_lock_bitmap(image, ALLEGRO_PIXEL_FORMAT_ABGR_8888_LE, ALLEGRO_LOCK_READONLY);
    if (!in) return;
    ALLEGRO_LOCKED_REGION* out = al_lock_bitmap(tile, ALLEGRO_PIXEL_FORMAT_ABGR_8888_LE, ALLEGRO_LOCK_READWRITE);
    if (!out) {
        al_unlock_bitmap(image);
        return;
    }
    for (int y = 0; y < tileHeight; ++y) {
        const unsigned char* row = static_cast<const unsigned char*>(in->data) + (y * imageHeight / tileHeight) * in->pitch;
        unsigned char* target = static_cast<unsigned char*>(out->data) + y * out->pitch;
        for (int x = 0; x < tileWidth; ++x, target += 4) {
            const unsigned char* pixel = row + (x * imageWidth / tileWidth) * 4;
            const int keep = 255 - pixel[3];
            for (int c = 0; c < 3; ++c) target[c] = static_cast<unsigned char>(std::min(255, pixel[c] + (target[c] * keep + 127) / 255));
            target[3] = 255;
        }
    }
    al_unlock_bitmap(tile);
    al_unlock_bitmap(image);
}
