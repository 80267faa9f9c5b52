// Pixel-art helpers for the generator: memory canvases, colours, character
// maps, simple shapes and the picture writer.
#pragma once

#include <allegro5/allegro.h>

#include <cstdint>
#include <string>

struct Rgb {
    uint8_t r = 0, g = 0, b = 0;
};

constexpr Rgb kMagenta{255, 0, 255};

inline ALLEGRO_COLOR Col(Rgb c) { return al_map_rgb(c.r, c.g, c.b); }
Rgb Mix(Rgb a, Rgb b, double t);
Rgb Shade(Rgb c, int delta);  // adds delta to every channel, clamped

// A memory bitmap of that size cleared to a colour (magenta by default).
ALLEGRO_BITMAP* NewCanvas(int w, int h, Rgb clear = kMagenta);

// Keeps the target bitmap for the lifetime of the object, then restores the
// previous one.
class TargetScope {
public:
    explicit TargetScope(ALLEGRO_BITMAP* bitmap);
    ~TargetScope();
    TargetScope(const TargetScope&) = delete;
    TargetScope& operator=(const TargetScope&) = delete;

private:
    ALLEGRO_BITMAP* previous;
};

// Direct pixel access on the current target (no blending).
void Put(int x, int y, Rgb c);
Rgb Get(ALLEGRO_BITMAP* bmp, int x, int y);

// Draws rows of characters, one pixel per character, on the current target.
// Each character is looked up in the palette ("c=RRGGBB" tokens separated by
// spaces); a space or a character missing from the palette is left alone.
void DrawCharMap(int x, int y, const char* const* rows, int rowCount, const char* palette, int scale = 1);

void FillRect(int x1, int y1, int x2, int y2, Rgb c);  // inclusive corners
void FillCircle(double cx, double cy, double r, Rgb c);
void FillEllipse(double cx, double cy, double rx, double ry, Rgb c);
void Ring(double cx, double cy, double r, double thickness, Rgb c);
void Line(double x1, double y1, double x2, double y2, double thickness, Rgb c);
void Triangle(double x1, double y1, double x2, double y2, double x3, double y3, Rgb c);
void Frame(int x1, int y1, int x2, int y2, Rgb c);  // one-pixel outline, inclusive

// Writes a 24-bit run-length-coded TGA (top-left origin). Pictures without
// alpha; magenta marks transparency where the program wants it.
bool SaveTga(ALLEGRO_BITMAP* bmp, const std::string& path);
