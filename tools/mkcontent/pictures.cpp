// The big pictures: the three overlay cards shown over the game (framed, with
// magenta outside the frame) and the two garden scenes behind the menus and
// the credits. Flat bands of colour keep the run-length-coded files small.
#include "tools/mkcontent/mkcontent.h"
#include "tools/mkcontent/pixel.h"

#include <allegro5/allegro_font.h>
#include <allegro5/allegro_ttf.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <memory>

namespace {

const char* kBoldFont = "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf";

struct FontCloser {
    void operator()(ALLEGRO_FONT* f) const { al_destroy_font(f); }
};
using FontPtr = std::unique_ptr<ALLEGRO_FONT, FontCloser>;

FontPtr LoadBold(int size)
{
    FontPtr font(al_load_ttf_font(kBoldFont, size, 0));
    if (!font) std::fprintf(stderr, "Unable to load the font %s\n", kBoldFont);
    return font;
}

// Text with a dark outline, centred on x.
void OutlinedText(ALLEGRO_FONT* font, double x, double y, Rgb fill, Rgb outline, int thickness, const char* text)
{
    for (int dy = -thickness; dy <= thickness; ++dy)
        for (int dx = -thickness; dx <= thickness; ++dx)
            if (dx * dx + dy * dy <= thickness * thickness + 1)
                al_draw_text(font, Col(outline), x + dx, y + dy, ALLEGRO_ALIGN_CENTRE, text);
    al_draw_text(font, Col(fill), x, y, ALLEGRO_ALIGN_CENTRE, text);
}

bool InsideRounded(int x, int y, int w, int h, int radius)
{
    int cx = x < radius ? radius : (x >= w - radius ? w - radius - 1 : x);
    int cy = y < radius ? radius : (y >= h - radius ? h - radius - 1 : y);
    double dx = x - cx, dy = y - cy;
    return dx * dx + dy * dy <= radius * radius;
}

// A grass fringe along the bottom of a card, in flat greens.
void GrassFringe(int x1, int x2, int baseY, uint64_t seed)
{
    Rng rng(seed);
    for (int x = x1; x <= x2; ++x) {
        int h = 4 + (rng.Below(3) == 0 ? rng.Below(9) : rng.Below(4));
        Rgb c = (x % 3) ? Rgb{58, 150, 52} : Rgb{40, 118, 42};
        FillRect(x, baseY - h, x, baseY, c);
    }
}

bool InsideInset(int x, int y, int w, int h, int radius, int inset)
{
    if (x < inset || y < inset || x >= w - inset || y >= h - inset) return false;
    return InsideRounded(x - inset, y - inset, w - 2 * inset, h - 2 * inset, std::max(2, radius - inset));
}

bool OverlayCard(const OutputPaths& out, const char* file, const char* title, const char* hint, Rgb top,
                 Rgb bottom, int emblem)
{
    const int w = 560, h = 260, radius = 24;
    FontPtr big = LoadBold(50), small = LoadBold(19);
    if (!big || !small) return false;
    ALLEGRO_BITMAP* card = NewCanvas(w, h);
    {
        TargetScope s(card);
        for (int y = 0; y < h; ++y) {
            Rgb band = Mix(top, bottom, static_cast<double>(y / 10 * 10) / h);
            for (int x = 0; x < w; ++x) {
                if (!InsideInset(x, y, w, h, radius, 0)) continue;
                Rgb c = Rgb{70, 44, 24};                                    // dark rim
                if (InsideInset(x, y, w, h, radius, 3)) c = Rgb{160, 108, 58};  // wooden frame
                if (InsideInset(x, y, w, h, radius, 9)) c = Rgb{236, 204, 140}; // light edge
                if (InsideInset(x, y, w, h, radius, 11)) c = band;
                Put(x, y, c);
            }
        }
        GrassFringe(14, w - 15, h - 12, 7);
        // emblem on the left: 0 mower trophy, 1 clock, 2 pause bars
        double ex = 280, ey = 134;
        if (emblem == 0) {
            FillCircle(ex, ey, 40, Rgb{250, 214, 70});
            FillCircle(ex, ey, 33, Rgb{240, 180, 40});
            Line(ex - 16, ey, ex - 5, ey + 11, 8, Rgb{255, 255, 255});
            Line(ex - 5, ey + 11, ex + 18, ey - 14, 8, Rgb{255, 255, 255});
        } else if (emblem == 1) {
            FillCircle(ex, ey, 40, Rgb{70, 30, 30});
            FillCircle(ex, ey, 34, Rgb{250, 250, 244});
            for (int i = 0; i < 12; ++i) {
                double a = i * M_PI / 6;
                FillCircle(ex + std::sin(a) * 28, ey - std::cos(a) * 28, i % 3 ? 1.5 : 3, Rgb{60, 60, 60});
            }
            Line(ex, ey, ex, ey - 24, 5, Rgb{40, 40, 40});
            Line(ex, ey, ex + 16, ey + 4, 5, Rgb{40, 40, 40});
            FillCircle(ex, ey, 4, Rgb{210, 40, 40});
        } else {
            FillCircle(ex, ey, 40, Rgb{250, 250, 244});
            FillCircle(ex, ey, 34, Rgb{60, 110, 200});
            FillRect(static_cast<int>(ex) - 14, static_cast<int>(ey) - 18, static_cast<int>(ex) - 5, static_cast<int>(ey) + 18, Rgb{250, 250, 244});
            FillRect(static_cast<int>(ex) + 5, static_cast<int>(ey) - 18, static_cast<int>(ex) + 14, static_cast<int>(ey) + 18, Rgb{250, 250, 244});
        }
        OutlinedText(big.get(), w / 2.0, 22, Rgb{255, 255, 255}, Rgb{30, 30, 40}, 3, title);
        OutlinedText(small.get(), w / 2.0, 186, Rgb{255, 246, 200}, Rgb{40, 30, 20}, 2, hint);
    }
    bool ok = SaveTga(card, out.Base(file));
    al_destroy_bitmap(card);
    return ok;
}

// ---- garden scenes ----

void Sky(int h, Rgb top, Rgb bottom)
{
    for (int y = 0; y < 600; ++y) FillRect(0, y, 799, y, Mix(top, bottom, static_cast<double>(std::min(y, h) / 8 * 8) / h));
}

void Hills(int baseY, double amplitude, double period, double phase, Rgb colour)
{
    for (int x = 0; x < 800; ++x) {
        int top = static_cast<int>(baseY - amplitude * (0.6 + 0.4 * std::sin(x / period + phase)) -
                                   amplitude * 0.3 * std::sin(x / (period * 0.37) + phase * 2));
        FillRect(x, top, x, 599, colour);
    }
}

void FluffyCloud(double x, double y, double size, Rgb light, Rgb shade)
{
    FillEllipse(x, y + size * 0.25, size * 1.6, size * 0.45, shade);
    FillCircle(x - size * 0.8, y + size * 0.05, size * 0.55, light);
    FillCircle(x, y - size * 0.2, size * 0.75, light);
    FillCircle(x + size * 0.85, y + size * 0.05, size * 0.5, light);
    FillEllipse(x, y + size * 0.15, size * 1.5, size * 0.4, light);
}

void StripedLawn(int top, Rgb a, Rgb b, bool evening)
{
    for (int y = top; y < 600; ++y) {
        // stripes widen towards the viewer
        double depth = (y - top) / static_cast<double>(600 - top);
        double stripeWidth = 40 + depth * 160;
        for (int x = 0; x < 800; ++x) {
            double u = (x - 400) / (0.4 + depth) + 400;
            bool light = static_cast<int>(std::floor(u / stripeWidth)) % 2 == 0;
            Rgb c = light ? a : b;
            if (evening) c = Shade(c, -static_cast<int>((1 - depth) * 20));
            Put(x, y, c);
        }
    }
}

void PicketFence(int baseY, int height, Rgb wood, Rgb dark)
{
    FillRect(0, baseY - height + 8, 799, baseY - height + 12, dark);
    FillRect(0, baseY - 14, 799, baseY - 10, dark);
    for (int x = 4; x < 800; x += 22) {
        FillRect(x, baseY - height, x + 12, baseY, wood);
        Triangle(x, baseY - height, x + 12.5, baseY - height, x + 6.25, baseY - height - 8, wood);
        FillRect(x + 11, baseY - height, x + 12, baseY, dark);
    }
}

void Flower(double x, double y, Rgb petal, double size)
{
    Line(x, y, x, y + size * 3, 2, Rgb{40, 110, 40});
    for (int i = 0; i < 5; ++i) {
        double a = i * 2 * M_PI / 5;
        FillCircle(x + std::cos(a) * size, y + std::sin(a) * size, size * 0.7, petal);
    }
    FillCircle(x, y, size * 0.55, Rgb{250, 210, 60});
}

// A big side view of the push mower, for the menu picture.
void SideMower(double x, double y, double s)
{
    auto X = [x, s](double v) { return x + v * s; };
    auto Y = [y, s](double v) { return y + v * s; };
    Line(X(40), Y(10), X(-30), Y(-60), 6 * s, Rgb{70, 70, 80});      // handle
    Line(X(-38), Y(-66), X(-22), Y(-54), 7 * s, Rgb{30, 30, 34});
    FillEllipse(X(40), Y(12), 50 * s, 16 * s, Rgb{40, 150, 52});    // deck
    FillRect(static_cast<int>(X(-10)), static_cast<int>(Y(12)), static_cast<int>(X(90)), static_cast<int>(Y(22)), Rgb{30, 110, 40});
    FillRect(static_cast<int>(X(22)), static_cast<int>(Y(-14)), static_cast<int>(X(62)), static_cast<int>(Y(2)), Rgb{60, 62, 70});  // engine
    FillRect(static_cast<int>(X(28)), static_cast<int>(Y(-22)), static_cast<int>(X(40)), static_cast<int>(Y(-14)), Rgb{210, 50, 40});
    FillCircle(X(0), Y(26), 12 * s, Rgb{30, 30, 34});                 // wheels
    FillCircle(X(0), Y(26), 5 * s, Rgb{180, 180, 186});
    FillCircle(X(80), Y(26), 12 * s, Rgb{30, 30, 34});
    FillCircle(X(80), Y(26), 5 * s, Rgb{180, 180, 186});
    Rng rng(9);
    for (int i = 0; i < 14; ++i)  // flying clippings
        FillCircle(X(95 + rng.Below(50)), Y(0 + rng.Below(30) - 20), 1.5 * s, Rgb{120, 200, 80});
}

void Logo(ALLEGRO_FONT* font, ALLEGRO_FONT* small, double x, double y)
{
    OutlinedText(font, x, y, Rgb{255, 236, 90}, Rgb{40, 80, 30}, 5, "Sodbolt");
    OutlinedText(small, x, y + 86, Rgb{255, 255, 255}, Rgb{40, 80, 30}, 2, "The cutting edge of lawn care");
}

bool MenuBack(const OutputPaths& out)
{
    FontPtr logo = LoadBold(84), small = LoadBold(20);
    if (!logo || !small) return false;
    ALLEGRO_BITMAP* pic = NewCanvas(800, 600);
    {
        TargetScope s(pic);
        Sky(300, Rgb{70, 150, 230}, Rgb{190, 228, 250});
        FillCircle(690, 84, 44, Rgb{255, 236, 150});
        FillCircle(690, 84, 36, Rgb{255, 250, 210});
        FluffyCloud(170, 90, 40, Rgb{255, 255, 255}, Rgb{214, 228, 240});
        FluffyCloud(470, 60, 28, Rgb{255, 255, 255}, Rgb{214, 228, 240});
        FluffyCloud(600, 190, 22, Rgb{255, 255, 255}, Rgb{214, 228, 240});
        Hills(300, 50, 90, 0.5, Rgb{120, 180, 110});
        Hills(330, 34, 60, 2.0, Rgb{90, 160, 80});
        // a row of round trees on the far hill
        for (int i = 0; i < 9; ++i) {
            double tx = 40 + i * 92 + (i % 2) * 20, ty = 300 - (i % 3) * 8;
            FillRect(static_cast<int>(tx) - 3, static_cast<int>(ty), static_cast<int>(tx) + 3, static_cast<int>(ty) + 22, Rgb{100, 70, 40});
            FillCircle(tx, ty - 6, 20 - (i % 3) * 3, Rgb{50, 120, 56});
            FillCircle(tx - 6, ty - 12, 9, Rgb{74, 146, 70});
        }
        StripedLawn(350, Rgb{96, 184, 72}, Rgb{70, 156, 56}, false);
        PicketFence(372, 46, Rgb{248, 248, 240}, Rgb{190, 190, 184});
        const Rgb colours[] = {{240, 70, 90}, {250, 200, 60}, {160, 100, 220}, {255, 255, 255}, {250, 130, 50}};
        Rng rng(4);
        for (int i = 0; i < 26; ++i) {
            double fx = rng.Below(800), fy = 380 + rng.Below(20);
            Flower(fx, fy, colours[rng.Below(5)], 4);
        }
        SideMower(560, 470, 1.6);
        Logo(logo.get(), small.get(), 590, 130);
    }
    bool ok = SaveTga(pic, out.Base("menuback.tga"));
    al_destroy_bitmap(pic);
    return ok;
}

bool CreditsBack(const OutputPaths& out)
{
    ALLEGRO_BITMAP* pic = NewCanvas(800, 600);
    {
        TargetScope s(pic);
        Sky(330, Rgb{40, 40, 110}, Rgb{250, 150, 90});
        FillCircle(170, 280, 60, Rgb{255, 190, 110});
        FillCircle(170, 280, 48, Rgb{255, 214, 140});
        Rng stars(12);
        for (int i = 0; i < 60; ++i) {
            int x = stars.Below(800), y = stars.Below(120);
            Put(x, y, Rgb{255, 255, 230});
            if (i % 5 == 0) {
                Put(x + 1, y, Rgb{200, 200, 190});
                Put(x, y + 1, Rgb{200, 200, 190});
            }
        }
        FluffyCloud(560, 150, 30, Rgb{250, 170, 150}, Rgb{200, 120, 130});
        FluffyCloud(330, 210, 22, Rgb{250, 180, 140}, Rgb{210, 130, 120});
        Hills(330, 40, 80, 1.3, Rgb{70, 70, 100});
        // the shed and an apple tree as evening silhouettes
        const Rgb dark{36, 44, 50};
        FillRect(560, 250, 720, 360, dark);
        Triangle(540, 252, 740, 252, 640, 190, dark);
        FillRect(600, 280, 630, 310, Rgb{255, 210, 110});  // a lit window
        FillRect(614, 280, 616, 310, dark);
        FillRect(600, 294, 630, 296, dark);
        FillRect(100, 250, 116, 380, dark);
        FillCircle(108, 220, 62, dark);
        FillCircle(60, 250, 40, dark);
        FillCircle(160, 246, 44, dark);
        StripedLawn(360, Rgb{60, 120, 60}, Rgb{46, 102, 50}, true);
        PicketFence(382, 40, Rgb{170, 170, 180}, Rgb{120, 120, 132});
        Rng flies(77);
        for (int i = 0; i < 30; ++i) {  // fireflies
            double x = flies.Below(800), y = 390 + flies.Below(200);
            FillCircle(x, y, 3, Rgb{120, 150, 60});
            FillCircle(x, y, 1.5, Rgb{250, 250, 140});
        }
    }
    bool ok = SaveTga(pic, out.Base("CreditsBack.tga"));
    al_destroy_bitmap(pic);
    return ok;
}

}  // namespace

bool WritePictures(const OutputPaths& out)
{
    bool ok = true;
    ok = OverlayCard(out, "inter_LevelComplete.tga", "Level Complete!", "Press Space or click for the next lawn",
                     Rgb{110, 200, 90}, Rgb{50, 140, 60}, 0) && ok;
    ok = OverlayCard(out, "inter_OutOfTime.tga", "Out of Time!", "Press Space or click to try this lawn again",
                     Rgb{240, 140, 70}, Rgb{180, 60, 50}, 1) && ok;
    ok = OverlayCard(out, "inter_Paused.tga", "Paused", "Press Space or click to carry on mowing",
                     Rgb{110, 160, 240}, Rgb{50, 90, 180}, 2) && ok;
    ok = MenuBack(out) && ok;
    ok = CreditsBack(out) && ok;
    return ok;
}
