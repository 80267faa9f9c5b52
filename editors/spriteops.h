// The sprite editor's small rules as free functions: frame stepping with
// wrap, the texts of its screen, zoom limits and wheel zoom, the onion skin
// frame, the preview's lawn, and the picture a frame is exported as.
#pragma once

#include <allegro5/allegro.h>

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// [SECTION] Limits

constexpr int16_t kSpriteZoomMin = 1;
constexpr int16_t kSpriteZoomMax = 16;
constexpr int16_t kSpriteZoomStart = 5;
constexpr int kSpriteDescriptionLimit = 32;  // characters the description dialog keeps
constexpr int kFrameTimeMin = -1;            // -1: the frame changes at every step
constexpr int kFrameTimeMax = 1000;

// [SECTION] Frames

bool IsValidFrame(int current, int count);
// One frame back: below 0 it wraps to the last frame (-1 without frames).
int16_t PreviousFrameIndex(int16_t current, int16_t count);
// One frame on: at or past the count it wraps to 0.
int16_t NextFrameIndex(int16_t current, int16_t count);
// The frame shown after frame 'deleted' went and countAfter are left: the one
// that moved into its place, or the new last one; 0 when none is left.
int16_t FrameIndexAfterDelete(int16_t deleted, int16_t countAfter);

// [SECTION] Texts

// The frame line under the view: the "No frames" hint, or
// "Frame %d of %d - Display time %d/100 sec".
std::string SpriteFrameLine(int current, int count, int displayTime);
// "%s - Sprite Editor" with the file name.
std::string SpriteEditorTitle(const std::string& fileName);

// [SECTION] Zoom

// One step in or out; false (zoom unchanged) at the limit.
bool SpriteZoomIn(int16_t& zoom);
bool SpriteZoomOut(int16_t& zoom);
// Wheel clicks (positive: away from the user, zoom in), one step each, held
// within the limits; false when the wheel asked for more than the limit allows.
bool SpriteWheelZoom(int16_t& zoom, int clicks);

// [SECTION] Onion skin

// The frame drawn faintly under the current one: the one before it, and for
// frame 0 the last frame (a sprite plays in a loop, so that is the frame seen
// before it); -1 with fewer than two frames or no valid current frame.
int16_t OnionSkinFrame(int current, int count);

// [SECTION] The preview's lawn

struct LawnRgb {
    uint8_t r, g, b;
};
// One backdrop pixel, drawing rand() in this order: x + rand() % 210 > W
// makes soil; only when it does not, y + rand() % 80 > H makes soil; then one
// more rand() for the shade (soil (157, 70..109, 7), grass (0, 100..139, 0)).
LawnRgb NextLawnPixel(int x, int y, int width, int height);
// The whole backdrop, rows from the top, each row from the left.
std::vector<LawnRgb> GenerateLawn(int width, int height);

// [SECTION] Frame pictures

// Loads an image file and makes its magenta pixels transparent; null when it
// cannot be read.
ALLEGRO_BITMAP* LoadFrameImage(const char* path);
// The same with the reason it failed: "NAME is damaged or truncated" or
// "Error reading PATH".
ALLEGRO_BITMAP* LoadFrameImage(const char* path, std::string& error);
// A memory copy of a frame fit for an image file: every pixel opaque, the
// transparent ones magenta, so that the picture imports back the same.
ALLEGRO_BITMAP* MakeFrameExportImage(ALLEGRO_BITMAP* image);
