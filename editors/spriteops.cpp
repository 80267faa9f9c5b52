// The sprite editor's rules: frame stepping, texts, zoom, the lawn backdrop
// and the export picture.
#include "editors/spriteops.h"

#include "content/picturefile.h"
#include "content/sheets.h"
#include "editors/editorzoom.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>

// [SECTION] Frames

bool IsValidFrame(int current, int count) { return current >= 0 && current < count; }

int16_t PreviousFrameIndex(int16_t current, int16_t count)
{
    const int previous = current - 1;
    if (previous < 0) return static_cast<int16_t>(count - 1);
    return static_cast<int16_t>(previous);
}

int16_t NextFrameIndex(int16_t current, int16_t count)
{
    const int next = current + 1;
    if (next >= count) return 0;
    return static_cast<int16_t>(next);
}

int16_t FrameIndexAfterDelete(int16_t deleted, int16_t countAfter)
{
    if (countAfter <= 0) return 0;
    if (deleted < 0) return 0;
    return std::min<int16_t>(deleted, static_cast<int16_t>(countAfter - 1));
}

// [SECTION] Texts

std::string SpriteFrameLine(int current, int count, int displayTime)
{
    if (count <= 0) return "No frames have been created - use Add Frame to add frames to this sprite.";
    char text[256];
    std::snprintf(text, sizeof text, "Frame %d of %d - Display time %d/100 sec", current + 1, count,
                  IsValidFrame(current, count) ? displayTime : -1);
    return text;
}

std::string SpriteEditorTitle(const std::string& fileName) { return fileName + " - Sprite Editor"; }

// [SECTION] Zoom

bool SpriteZoomIn(int16_t& zoom) { return StepZoom(zoom, 1, kSpriteZoomMin, kSpriteZoomMax); }
bool SpriteZoomOut(int16_t& zoom) { return StepZoom(zoom, -1, kSpriteZoomMin, kSpriteZoomMax); }
bool SpriteWheelZoom(int16_t& zoom, int clicks) { return StepZoom(zoom, clicks, kSpriteZoomMin, kSpriteZoomMax); }

// [SECTION] Onion skin

int16_t OnionSkinFrame(int current, int count)
{
    if (count < 2 || !IsValidFrame(current, count)) return -1;
    return PreviousFrameIndex(static_cast<int16_t>(current), static_cast<int16_t>(count));
}

// [SECTION] The preview's lawn

LawnRgb NextLawnPixel(int x, int y, int width, int height)
{
    // The second draw happens only when the first one did not make soil.
    bool soil = x + std::rand() % 210 > width;
    if (!soil) soil = y + std::rand() % 80 > height;
    if (soil) return LawnRgb{157, static_cast<uint8_t>(70 + std::rand() % 40), 7};
    return LawnRgb{0, static_cast<uint8_t>(100 + std::rand() % 40), 0};
}

std::vector<LawnRgb> GenerateLawn(int width, int height)
{
    std::vector<LawnRgb> pixels;
    if (width <= 0 || height <= 0) return pixels;
    pixels.reserve(static_cast<size_t>(width) * static_cast<size_t>(height));
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) pixels.push_back(NextLawnPixel(x, y, width, height));
    return pixels;
}

// [SECTION] Frame pictures

ALLEGRO_BITMAP* LoadFrameImage(const char* path, std::string& error)
{
    ALLEGRO_BITMAP* image = LoadPicture(path ? path : "", error);
    if (image) al_convert_mask_to_alpha(image, al_map_rgb(255, 0, 255));
    return image;
}

ALLEGRO_BITMAP* LoadFrameImage(const char* path)
{
    std::string ignored;
    return LoadFrameImage(path, ignored);
}

ALLEGRO_BITMAP* MakeFrameExportImage(ALLEGRO_BITMAP* image)
{
    if (!image) return nullptr;
    const int width = al_get_bitmap_width(image), height = al_get_bitmap_height(image);
    ALLEGRO_BITMAP* picture = CreateMemoryBitmap(width, height);
    if (!picture) return nullptr;

    ALLEGRO_LOCKED_REGION* target = al_lock_bitmap(picture, ALLEGRO_PIXEL_FORMAT_ABGR_8888_LE, ALLEGRO_LOCK_WRITEONLY);
    ALLEGRO_LOCKED_REGION* source =
        target ? al_lock_bitmap(image, ALLEGRO_PIXEL_FORMAT_ABGR_8888_LE, ALLEGRO_LOCK_READONLY) : nullptr;
    if (!target || !source) {
        if (target) al_unlock_bitmap(picture);
        al_destroy_bitmap(picture);
        return nullptr;
    }
    for (int y = 0; y < height; ++y) {
        const unsigned char* in = static_cast<const unsigned char*>(source->data) + y * source->pitch;
        unsigned char* out = static_cast<unsigned char*>(target->data) + y * target->pitch;
        for (int x = 0; x < width; ++x, in += 4, out += 4) {
            const int alpha = in[3];
            if (alpha == 0) {
                out[0] = 255;
                out[1] = 0;
                out[2] = 255;
            } else {
                // Frames hold premultiplied colours: a half-seen pixel goes
                // out in its full colour.
                for (int c = 0; c < 3; ++c) out[c] = static_cast<unsigned char>(std::min(255, in[c] * 255 / alpha));
            }
            out[3] = 255;
        }
    }
    al_unlock_bitmap(image);
    al_unlock_bitmap(picture);
    return picture;
}
