// Pixel-art helpers: canvases, shapes and the TGA writer.
#include "tools/mkcontent/pixel.h"

#include "tools/mkcontent/mkcontent.h"

#include <allegro5/allegro_primitives.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <vector>

Rgb Mix(Rgb a, Rgb b, double t)
{
    t = std::clamp(t, 0.0, 1.0);
    auto m = [t](int x, int y) { return static_cast<uint8_t>(std::lround(x + (y - x) * t)); };
    return Rgb{m(a.r, b.r), m(a.g, b.g), m(a.b, b.b)};
}

Rgb Shade(Rgb c, int delta)
{
    auto s = [delta](int x) { return static_cast<uint8_t>(std::clamp(x + delta, 0, 255)); };
    return Rgb{s(c.r), s(c.g), s(c.b)};
}

ALLEGRO_BITMAP* NewCanvas(int w, int h, Rgb clear)
{
    int oldFlags = al_get_new_bitmap_flags();
    int oldFormat = al_get_new_bitmap_format();
    al_set_new_bitmap_flags(ALLEGRO_MEMORY_BITMAP);
    al_set_new_bitmap_format(ALLEGRO_PIXEL_FORMAT_ABGR_8888);
    ALLEGRO_BITMAP* bmp = al_create_bitmap(w, h);
    al_set_new_bitmap_flags(oldFlags);
    al_set_new_bitmap_format(oldFormat);
    if (bmp) {
        TargetScope scope(bmp);
        al_clear_to_color(Col(clear));
    }
    return bmp;
}

TargetScope::TargetScope(ALLEGRO_BITMAP* bitmap) : previous(al_get_target_bitmap())
{
    al_set_target_bitmap(bitmap);
}

TargetScope::~TargetScope() { al_set_target_bitmap(previous); }

void Put(int x, int y, Rgb c)
{
    ALLEGRO_BITMAP* t = al_get_target_bitmap();
    if (x < 0 || y < 0 || x >= al_get_bitmap_width(t) || y >= al_get_bitmap_height(t)) return;
    al_put_pixel(x, y, Col(c));
}

Rgb Get(ALLEGRO_BITMAP* bmp, int x, int y)
{
    unsigned char r, g, b;
    al_unmap_rgb(al_get_pixel(bmp, x, y), &r, &g, &b);
    return Rgb{r, g, b};
}

static bool PaletteLookup(const char* palette, char key, Rgb& out)
{
    for (const char* p = palette; *p; ++p) {
        if (p[0] == key && p[1] == '=') {
            unsigned v = 0;
            if (std::sscanf(p + 2, "%6x", &v) != 1) return false;
            out = Rgb{static_cast<uint8_t>(v >> 16), static_cast<uint8_t>(v >> 8), static_cast<uint8_t>(v)};
            return true;
        }
        while (*p && *p != ' ') ++p;
        if (!*p) break;
    }
    return false;
}

void DrawCharMap(int x, int y, const char* const* rows, int rowCount, const char* palette, int scale)
{
    for (int r = 0; r < rowCount; ++r) {
        for (int c = 0; rows[r][c]; ++c) {
            Rgb colour;
            if (rows[r][c] == ' ' || !PaletteLookup(palette, rows[r][c], colour)) continue;
            for (int dy = 0; dy < scale; ++dy)
                for (int dx = 0; dx < scale; ++dx) Put(x + c * scale + dx, y + r * scale + dy, colour);
        }
    }
}

void FillRect(int x1, int y1, int x2, int y2, Rgb c)
{
    for (int y = std::min(y1, y2); y <= std::max(y1, y2); ++y)
        for (int x = std::min(x1, x2); x <= std::max(x1, x2); ++x) Put(x, y, c);
}

void FillEllipse(double cx, double cy, double rx, double ry, Rgb c)
{
    if (rx <= 0 || ry <= 0) return;
    for (int y = static_cast<int>(std::floor(cy - ry)); y <= static_cast<int>(std::ceil(cy + ry)); ++y)
        for (int x = static_cast<int>(std::floor(cx - rx)); x <= static_cast<int>(std::ceil(cx + rx)); ++x) {
            double dx = (x + 0.5 - cx) / rx, dy = (y + 0.5 - cy) / ry;
            if (dx * dx + dy * dy <= 1.0) Put(x, y, c);
        }
}

void FillCircle(double cx, double cy, double r, Rgb c) { FillEllipse(cx, cy, r, r, c); }

void Ring(double cx, double cy, double r, double thickness, Rgb c)
{
    for (int y = static_cast<int>(std::floor(cy - r - 1)); y <= static_cast<int>(std::ceil(cy + r + 1)); ++y)
        for (int x = static_cast<int>(std::floor(cx - r - 1)); x <= static_cast<int>(std::ceil(cx + r + 1)); ++x) {
            double d = std::hypot(x + 0.5 - cx, y + 0.5 - cy);
            if (d <= r && d >= r - thickness) Put(x, y, c);
        }
}

void Line(double x1, double y1, double x2, double y2, double thickness, Rgb c)
{
    double len = std::hypot(x2 - x1, y2 - y1);
    int steps = std::max(1, static_cast<int>(len * 3));
    double rad = thickness / 2.0;
    for (int i = 0; i <= steps; ++i) {
        double t = static_cast<double>(i) / steps;
        double px = x1 + (x2 - x1) * t, py = y1 + (y2 - y1) * t;
        if (rad <= 0.5) {
            Put(static_cast<int>(std::floor(px)), static_cast<int>(std::floor(py)), c);
        } else {
            FillCircle(px, py, rad, c);
        }
    }
}

void Triangle(double x1, double y1, double x2, double y2, double x3, double y3, Rgb c)
{
    int minY = static_cast<int>(std::floor(std::min({y1, y2, y3})));
    int maxY = static_cast<int>(std::ceil(std::max({y1, y2, y3})));
    int minX = static_cast<int>(std::floor(std::min({x1, x2, x3})));
    int maxX = static_cast<int>(std::ceil(std::max({x1, x2, x3})));
    auto edge = [](double ax, double ay, double bx, double by, double px, double py) {
        return (bx - ax) * (py - ay) - (by - ay) * (px - ax);
    };
    double area = edge(x1, y1, x2, y2, x3, y3);
    if (area == 0) return;
    for (int y = minY; y <= maxY; ++y)
        for (int x = minX; x <= maxX; ++x) {
            double px = x + 0.5, py = y + 0.5;
            double a = edge(x2, y2, x3, y3, px, py) / area;
            double b = edge(x3, y3, x1, y1, px, py) / area;
            double g = edge(x1, y1, x2, y2, px, py) / area;
            if (a >= 0 && b >= 0 && g >= 0) Put(x, y, c);
        }
}

void Frame(int x1, int y1, int x2, int y2, Rgb c)
{
    for (int x = x1; x <= x2; ++x) {
        Put(x, y1, c);
        Put(x, y2, c);
    }
    for (int y = y1; y <= y2; ++y) {
        Put(x1, y, c);
        Put(x2, y, c);
    }
}

// TGA, image type 10 (run-length coded true colour), 24 bits, origin top left.
//   offset size  meaning
//   0      1     id length (0)
//   1      1     colour map type (0)
//   2      1     image type (10)
//   3      5     colour map layout (zeros)
//   8      2+2   x, y origin (0)
//   12     2+2   width, height (little-endian)
//   16     1     bits per pixel (24)
//   17     1     descriptor (0x20: top-left origin)
//   18     ...   packets: header byte (bit 7 run, low 7 bits count-1), pixels in B, G, R
bool SaveTga(ALLEGRO_BITMAP* bmp, const std::string& path)
{
    int w = al_get_bitmap_width(bmp), h = al_get_bitmap_height(bmp);
    std::vector<uint8_t> data = {0, 0, 10, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    data.push_back(static_cast<uint8_t>(w & 255));
    data.push_back(static_cast<uint8_t>(w >> 8));
    data.push_back(static_cast<uint8_t>(h & 255));
    data.push_back(static_cast<uint8_t>(h >> 8));
    data.push_back(24);
    data.push_back(0x20);

    ALLEGRO_LOCKED_REGION* lock = al_lock_bitmap(bmp, ALLEGRO_PIXEL_FORMAT_ANY, ALLEGRO_LOCK_READONLY);
    if (!lock) {
        std::fprintf(stderr, "Unable to lock picture for %s\n", path.c_str());
        return false;
    }
    std::vector<uint32_t> row(w);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            Rgb c = Get(bmp, x, y);
            row[x] = (static_cast<uint32_t>(c.b) << 16) | (static_cast<uint32_t>(c.g) << 8) | c.r;
        }
        int x = 0;
        while (x < w) {
            int run = 1;
            while (x + run < w && run < 128 && row[x + run] == row[x]) ++run;
            if (run >= 2) {
                data.push_back(static_cast<uint8_t>(0x80 | (run - 1)));
                data.push_back(static_cast<uint8_t>(row[x] >> 16));
                data.push_back(static_cast<uint8_t>(row[x] >> 8));
                data.push_back(static_cast<uint8_t>(row[x]));
                x += run;
                continue;
            }
            int start = x, count = 0;
            while (x < w && count < 128 && !(x + 1 < w && row[x + 1] == row[x])) {
                ++x;
                ++count;
            }
            if (count == 0) {  // next pixel starts a run
                continue;
            }
            data.push_back(static_cast<uint8_t>(count - 1));
            for (int i = start; i < start + count; ++i) {
                data.push_back(static_cast<uint8_t>(row[i] >> 16));
                data.push_back(static_cast<uint8_t>(row[i] >> 8));
                data.push_back(static_cast<uint8_t>(row[i]));
            }
        }
    }
    al_unlock_bitmap(bmp);

    if (!MakeFoldersFor(path)) return false;
    FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) {
        std::fprintf(stderr, "Unable to write %s\n", path.c_str());
        return false;
    }
    bool ok = std::fwrite(data.data(), 1, data.size(), f) == data.size();
    ok = (std::fclose(f) == 0) && ok;
    if (!ok) std::fprintf(stderr, "Unable to write %s\n", path.c_str());
    return ok;
}
