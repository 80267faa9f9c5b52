// The game tile set: grass, paths, beds, obstacles and a pond, painted pixel
// by pixel. Textures repeat every 32 pixels, so equal tiles meet seamlessly,
// and every piece drawn on grass uses the plain lawn beneath it.
#include "tools/mkcontent/mkcontent.h"
#include "tools/mkcontent/pixel.h"
#include "tools/mkcontent/tiles.h"

#include "content/tileset.h"

#include <allegro5/allegro.h>

#include <cmath>
#include <cstdio>
#include <functional>

using namespace tiles;

namespace {

// Hash noise in 0..1, periodic over 32 pixels.
double Noise(int x, int y, uint32_t seed)
{
    uint32_t h = static_cast<uint32_t>((x & 31) * 374761393u + (y & 31) * 668265263u) ^ (seed * 2246822519u);
    h = (h ^ (h >> 13)) * 1274126177u;
    h ^= h >> 16;
    return (h & 0xFFFF) / 65535.0;
}

void PutWrapped(int x, int y, Rgb c) { Put(x & 31, y & 31, c); }

struct GrassLook {
    Rgb base;
    int blades;
    int bladeLength;
    uint32_t seed;
};

const GrassLook kLawn{{62, 142, 50}, 70, 3, 1};

void PaintGrass(const GrassLook& look)
{
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x) Put(x, y, Shade(look.base, static_cast<int>((Noise(x, y, look.seed) - 0.5) * 22)));
    Rng rng(look.seed * 31 + 7);
    for (int i = 0; i < look.blades; ++i) {
        int x = rng.Below(32), y = rng.Below(32);
        int lean = rng.Below(3) - 1;
        for (int k = 0; k < look.bladeLength; ++k) {
            int shade = k == 0 ? 38 : (k == look.bladeLength - 1 ? -26 : 14);
            PutWrapped(x + (k == 0 ? lean : 0), y + k, Shade(look.base, shade));
        }
    }
}

void PaintLawn() { PaintGrass(kLawn); }

void PaintMown()
{
    const Rgb light{158, 204, 98}, dark{140, 190, 84};
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x) {
            Rgb base = ((y / 8) % 2) ? dark : light;
            Put(x, y, Shade(base, static_cast<int>((Noise(x, y, 99) - 0.5) * 14)));
        }
    Rng rng(1023);
    for (int i = 0; i < 26; ++i) {
        int x = rng.Below(32), y = rng.Below(32);
        PutWrapped(x, y, Rgb{186, 214, 116});
        PutWrapped(x + 1, y, Rgb{122, 170, 70});
    }
}

void Flowers(int count, uint32_t seed, const Rgb* petals, int petalCount, int size)
{
    Rng rng(seed);
    for (int i = 0; i < count; ++i) {
        int x = 3 + rng.Below(26), y = 3 + rng.Below(26);
        Rgb petal = petals[rng.Below(petalCount)];
        if (size > 1) {
            FillCircle(x + 1, y + 2.5, 2.2, Rgb{40, 110, 40});
            Put(x - 1, y, petal);
            Put(x + 1, y, petal);
            Put(x, y - 1, petal);
            Put(x, y + 1, petal);
            Put(x - 1, y - 1, Shade(petal, -30));
            Put(x + 1, y + 1, Shade(petal, -30));
            Put(x, y, Rgb{250, 214, 60});
        } else {
            Put(x, y, petal);
            Put(x + 1, y, petal);
            Put(x, y + 1, petal);
            Put(x + 1, y + 1, Shade(petal, -40));
        }
    }
}

void PaintDaisies()
{
    PaintLawn();
    const Rgb white[] = {{250, 250, 244}};
    Flowers(6, 22, white, 1, 2);
}

void PaintClover()
{
    PaintGrass(GrassLook{{58, 138, 50}, 40, 3, 4});
    Rng rng(44);
    for (int i = 0; i < 7; ++i) {
        int x = 2 + rng.Below(28), y = 2 + rng.Below(28);
        Rgb leaf{96, 178, 74};
        FillCircle(x - 1.5, y, 1.6, leaf);
        FillCircle(x + 1.5, y, 1.6, leaf);
        FillCircle(x, y - 2, 1.6, leaf);
        Put(x, y, Rgb{60, 120, 50});
    }
    Put(12, 18, Rgb{240, 200, 230});
    Put(13, 18, Rgb{220, 160, 210});
}

void PaintEarth(uint32_t seed)
{
    const Rgb earth{128, 88, 56};
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x) Put(x, y, Shade(earth, static_cast<int>((Noise(x, y, seed) - 0.5) * 26)));
    Rng rng(seed + 5);
    for (int i = 0; i < 22; ++i) {
        int x = rng.Below(32), y = rng.Below(32);
        PutWrapped(x, y, Rgb{92, 60, 38});
        PutWrapped(x + 1, y, Rgb{150, 112, 76});
    }
}

void PaintGravel()
{
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x) Put(x, y, Shade(Rgb{176, 164, 142}, static_cast<int>((Noise(x, y, 17) - 0.5) * 30)));
    Rng rng(171);
    for (int i = 0; i < 110; ++i) {
        int x = rng.Below(32), y = rng.Below(32);
        int tone = rng.Below(4);
        Rgb c = tone == 0 ? Rgb{120, 114, 104} : tone == 1 ? Rgb{210, 202, 186} : tone == 2 ? Rgb{150, 134, 110} : Rgb{190, 176, 150};
        PutWrapped(x, y, c);
        PutWrapped(x + 1, y, Shade(c, -20));
    }
}

void PaintFlagstones()
{
    PaintLawn();
    const int boxes[4][4] = {{1, 1, 16, 13}, {18, 1, 30, 15}, {1, 16, 12, 30}, {15, 18, 30, 30}};
    for (int i = 0; i < 4; ++i) {
        const int* b = boxes[i];
        Rgb stone = Shade(Rgb{196, 190, 176}, (i % 2) * 12 - 6);
        for (int y = b[1]; y <= b[3]; ++y)
            for (int x = b[0]; x <= b[2]; ++x) {
                bool corner = (x == b[0] || x == b[2]) && (y == b[1] || y == b[3]);
                if (corner) continue;
                int shade = static_cast<int>((Noise(x, y, 18) - 0.5) * 18);
                if (y == b[3] || x == b[2]) shade -= 34;
                if (y == b[1] || x == b[0]) shade += 18;
                Put(x, y, Shade(stone, shade));
            }
    }
}

void PaintPaving()
{
    const Rgb slab{214, 200, 164};
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x) {
            int lx = x % 16, ly = y % 16;
            Rgb c = Shade(slab, static_cast<int>((Noise(x, y, 19) - 0.5) * 16));
            if (lx == 15 || ly == 15) c = Rgb{150, 138, 112};
            else if (lx == 0 || ly == 0) c = Shade(slab, 16);
            Put(x, y, c);
        }
}

void PaintBridge(bool across)
{
    const Rgb wood{166, 116, 66};
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x) {
            int along = across ? x : y, side = across ? y : x;
            int plank = along / 8, inPlank = along % 8;
            Rgb c = Shade(wood, (plank % 2) * 10 + static_cast<int>((Noise(x, y, 20) - 0.5) * 14));
            if ((side * 3 + plank * 5) % 11 == 0) c = Shade(c, -12);  // grain
            if (inPlank == 7) c = Rgb{92, 60, 32};
            if (inPlank == 0) c = Shade(c, 14);
            if (side <= 2 || side >= 29) c = side == 0 || side == 31 ? Rgb{74, 48, 26} : Rgb{120, 80, 44};
            if ((side == 4 || side == 27) && (inPlank == 3 || inPlank == 4)) c = Rgb{80, 80, 86};  // nails
            Put(x, y, c);
        }
}

void PaintBed(const Rgb* petals, int petalCount, uint32_t seed, bool tall)
{
    const Rgb soil{98, 66, 42};
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x) Put(x, y, Shade(soil, static_cast<int>((Noise(x, y, seed) - 0.5) * 22)));
    Rng rng(seed);
    for (int row = 0; row < 4; ++row)
        for (int col = 0; col < 4; ++col) {
            int x = col * 8 + 4 + rng.Below(3) - 1, y = row * 8 + 4 + rng.Below(3) - 1;
            FillCircle(x + 0.5, y + 1.5, tall ? 2.6 : 3.2, Rgb{48, 118, 44});
            Put(x - 2, y + 2, Rgb{70, 150, 60});
            Rgb p = petals[rng.Below(petalCount)];
            if (tall) {
                FillRect(x - 1, y - 2, x + 1, y, p);
                Put(x, y - 3, p);
                Put(x - 1, y - 2, Shade(p, 30));
                Put(x + 1, y, Shade(p, -40));
            } else {
                FillCircle(x + 0.5, y + 0.5, 2.1, p);
                Put(x, y, Shade(p, -50));
                Put(x - 1, y - 1, Shade(p, 40));
            }
        }
}

void Shadow(double cx, double cy, double rx, double ry)
{
    ALLEGRO_BITMAP* t = al_get_target_bitmap();
    for (int y = 0; y < al_get_bitmap_height(t); ++y)
        for (int x = 0; x < al_get_bitmap_width(t); ++x) {
            double dx = (x + 0.5 - cx) / rx, dy = (y + 0.5 - cy) / ry;
            if (dx * dx + dy * dy <= 1.0) Put(x, y, Shade(Get(t, x, y), -38));
        }
}

void Rock(double cx, double cy, double rx, double ry, uint32_t seed)
{
    Shadow(cx + 2, cy + 3, rx, ry);
    ALLEGRO_BITMAP* t = al_get_target_bitmap();
    for (int y = 0; y < al_get_bitmap_height(t); ++y)
        for (int x = 0; x < al_get_bitmap_width(t); ++x) {
            double dx = (x + 0.5 - cx) / rx, dy = (y + 0.5 - cy) / ry;
            double d = dx * dx + dy * dy;
            if (d > 1.0) continue;
            double light = -(dx + dy) * 0.5;  // lit from the top left
            int shade = static_cast<int>(light * 50 + (Noise(x, y, seed) - 0.5) * 16);
            if (d > 0.8) shade -= 22;
            Put(x, y, Shade(Rgb{150, 148, 142}, shade));
        }
}

void PaintPebbles()
{
    PaintLawn();
    Rock(9, 9, 6, 5, 3);
    Rock(22, 12, 7, 6, 4);
    Rock(12, 23, 8, 6, 5);
    Rock(25, 25, 4, 3, 6);
}

void PaintHedge()
{
    const Rgb leaf{36, 98, 40};
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x) Put(x, y, Shade(leaf, static_cast<int>((Noise(x, y, 34) - 0.5) * 20) - 10));
    Rng rng(340);
    for (int i = 0; i < 90; ++i) {
        int x = rng.Below(32), y = rng.Below(32);
        int tone = rng.Below(3);
        Rgb c = tone == 0 ? Rgb{70, 142, 60} : tone == 1 ? Rgb{52, 120, 48} : Rgb{24, 70, 30};
        PutWrapped(x, y, c);
        PutWrapped(x + 1, y, c);
        PutWrapped(x, y + 1, Shade(c, -16));
        if (tone == 0) PutWrapped(x - 1, y - 1, Rgb{110, 176, 84});
    }
}

void PaintBrickWall()
{
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x) {
            int row = y / 8, ly = y % 8;
            int lx = (x + (row % 2) * 8) % 16;
            Rgb brick = Shade(Rgb{158, 64, 48}, static_cast<int>((Noise(x / 4, row, 35) - 0.5) * 30));
            Rgb c = Shade(brick, static_cast<int>((Noise(x, y, 36) - 0.5) * 12));
            if (ly == 7 || lx == 15) c = Rgb{70, 58, 52};
            else if (ly == 0) c = Shade(brick, 26);
            Put(x, y, c);
        }
}

void PaintStoneWall()
{
    const int boxes[][4] = {{0, 0, 13, 9}, {14, 0, 31, 6}, {0, 10, 8, 20}, {9, 10, 22, 17}, {14, 7, 31, 9},
                            {23, 10, 31, 22}, {9, 18, 22, 22}, {0, 21, 13, 31}, {14, 23, 31, 31}};
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x) Put(x, y, Rgb{44, 44, 48});
    int i = 0;
    for (auto& b : boxes) {
        Rgb stone = Shade(Rgb{112, 112, 116}, (i++ % 3) * 10 - 10);
        for (int y = b[1]; y <= b[3] - 1; ++y)
            for (int x = b[0]; x <= b[2] - 1; ++x) {
                int shade = static_cast<int>((Noise(x, y, 37) - 0.5) * 16);
                if (y == b[1]) shade += 24;
                if (x == b[0]) shade += 12;
                if (y == b[3] - 1 || x == b[2] - 1) shade -= 24;
                Put(x, y, Shade(stone, shade));
            }
    }
}

void PaintStump()
{
    PaintLawn();
    Shadow(18, 19, 12, 11);
    FillCircle(16, 16, 11, Rgb{104, 70, 40});
    FillCircle(16, 16, 9, Rgb{196, 156, 100});
    Ring(16, 16, 7, 1, Rgb{160, 120, 74});
    Ring(16, 16, 4.5, 1, Rgb{160, 120, 74});
    FillCircle(16, 16, 1.5, Rgb{140, 100, 60});
    Line(16, 16, 22, 10, 1, Rgb{120, 84, 50});
}

void Canopy(double cx, double cy, double r, uint32_t seed, Rgb base)
{
    Shadow(cx + 4, cy + 5, r, r * 0.95);
    Rng rng(seed);
    FillCircle(cx, cy, r - 1, Shade(base, -24));
    for (int i = 0; i < static_cast<int>(r * r * 0.35); ++i) {
        double a = rng.Unit() * 2 * M_PI, d = std::sqrt(rng.Unit()) * (r - 3);
        double x = cx + std::cos(a) * d, y = cy + std::sin(a) * d;
        double light = -((x - cx) + (y - cy)) / r;  // top left is lit
        Rgb c = Shade(base, static_cast<int>(light * 30) + rng.Below(20) - 10);
        FillCircle(x, y, 2.2, c);
        Put(static_cast<int>(x) - 1, static_cast<int>(y) - 1, Shade(c, 26));
    }
}

void PaintBush()
{
    PaintLawn();
    Canopy(16, 15, 13, 38, Rgb{46, 120, 46});
    Put(11, 10, Rgb{220, 60, 70});
    Put(20, 13, Rgb{220, 60, 70});
    Put(14, 20, Rgb{220, 60, 70});
}

void PaintGnome()
{
    PaintLawn();
    Shadow(18, 27, 9, 4);
    FillRect(11, 26, 14, 28, Rgb{70, 44, 28});      // boots
    FillRect(18, 26, 21, 28, Rgb{70, 44, 28});
    FillEllipse(16, 21, 7, 6, Rgb{54, 86, 190});    // coat
    FillRect(9, 21, 23, 21, Rgb{40, 30, 20});       // belt
    FillRect(15, 21, 17, 21, Rgb{230, 200, 60});
    FillCircle(8, 19, 2, Rgb{236, 190, 150});        // hands
    FillCircle(24, 19, 2, Rgb{236, 190, 150});
    FillCircle(16, 13, 5, Rgb{240, 196, 156});       // face
    Triangle(10.5, 14, 21.5, 14, 16, 22, Rgb{246, 246, 240});  // beard
    Put(14, 12, Rgb{30, 30, 30});
    Put(18, 12, Rgb{30, 30, 30});
    FillCircle(16, 14, 1.3, Rgb{230, 140, 120});     // nose
    Triangle(9.5, 11, 22.5, 11, 17, 0.5, Rgb{210, 40, 40});  // hat
    Line(11, 11, 22, 11, 1, Rgb{160, 24, 24});
    Line(17, 2, 13, 9, 1, Rgb{236, 80, 70});
}

void PaintBirdBath()
{
    PaintLawn();
    Shadow(18, 19, 12, 12);
    FillCircle(16, 16, 12, Rgb{176, 172, 164});
    FillCircle(16, 16, 9, Rgb{130, 128, 122});
    FillCircle(16, 16, 8, Rgb{80, 140, 200});
    Line(12, 13, 15, 13, 1, Rgb{180, 220, 250});
    Line(17, 19, 20, 19, 1, Rgb{180, 220, 250});
    FillCircle(24, 8, 2.5, Rgb{110, 80, 60});  // a sparrow on the rim
    Put(26, 7, Rgb{240, 180, 40});
}

void PaintFlowerPot()
{
    PaintLawn();
    Shadow(18, 19, 11, 11);
    FillCircle(16, 16, 11, Rgb{190, 96, 58});
    FillCircle(16, 16, 9, Rgb{150, 70, 40});
    FillCircle(16, 16, 8, Rgb{96, 64, 40});
    const Rgb petals[] = {{240, 80, 120}, {250, 220, 70}, {250, 250, 250}};
    Rng rng(41);
    for (int i = 0; i < 7; ++i) {
        double a = i * 2 * M_PI / 7, d = i ? 5 : 0;
        double x = 16 + std::cos(a) * d, y = 16 + std::sin(a) * d;
        FillCircle(x, y, 2.5, Rgb{50, 130, 50});
        FillCircle(x, y, 1.6, petals[rng.Below(3)]);
    }
}

// Fence rails run to the sides named in `sides` (N, E, S, W bits).
enum { kN = 1, kE = 2, kS = 4, kW = 8 };
void PaintFence(int sides)
{
    PaintLawn();
    const Rgb rail{196, 150, 96}, railDark{120, 84, 46}, post{130, 90, 52};
    auto railAcross = [&](int x1, int x2) {
        for (int y : {12, 19}) {
            FillRect(x1, y + 1, x2, y + 2, Shade(Get(al_get_target_bitmap(), 0, 0), -30));
            FillRect(x1, y - 1, x2, y, rail);
            FillRect(x1, y + 1, x2, y + 1, railDark);
        }
    };
    auto railDown = [&](int y1, int y2) {
        for (int x : {12, 19}) {
            FillRect(x - 1, y1, x, y2, rail);
            FillRect(x + 1, y1, x + 1, y2, railDark);
        }
    };
    if (sides & kW) railAcross(0, 16);
    if (sides & kE) railAcross(16, 31);
    if (sides & kN) railDown(0, 16);
    if (sides & kS) railDown(16, 31);
    FillRect(12, 13, 21, 22, Shade(kLawn.base, -36));
    FillRect(11, 11, 19, 19, post);
    FillRect(11, 11, 19, 11, Shade(post, 30));
    FillRect(11, 11, 11, 19, Shade(post, 20));
    FillRect(19, 11, 19, 19, railDark);
    FillRect(11, 19, 19, 19, railDark);
    if ((sides & (kE | kW)) == (kE | kW)) {  // a picket between posts
        FillRect(27, 12, 30, 20, post);
        FillRect(2, 12, 4, 20, post);
    }
}

void PaintWater(uint32_t seed)
{
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x) {
            double wave = std::sin((x + Noise(0, y, seed) * 6) * 2 * M_PI / 16.0 + y * 2 * M_PI / 32.0 * 2);
            Rgb c = Shade(Rgb{52, 112, 190}, static_cast<int>(wave * 10 + (Noise(x, y, seed) - 0.5) * 10));
            Put(x, y, c);
        }
    Rng rng(seed + 3);
    for (int i = 0; i < 6; ++i) {
        int x = rng.Below(32), y = rng.Below(32);
        for (int k = 0; k < 4; ++k) PutWrapped(x + k, y, Rgb{150, 196, 240});
    }
}

// Pond edge: the water keeps to one side of a line 10 pixels in from each
// shore side; outer corners are rounded about the tile's far corner.
void PaintShore(int sides)
{
    ALLEGRO_BITMAP* grass = NewCanvas(32, 32);
    ALLEGRO_BITMAP* water = NewCanvas(32, 32);
    {
        TargetScope s(grass);
        PaintLawn();
    }
    {
        TargetScope s(water);
        PaintWater(64);
    }
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x) {
            double d = 99;  // distance of the pixel into the water from the shore line
            double wobble = std::sin(((sides & (kN | kS)) ? x : y) * 2 * M_PI / 32.0) * 1.5;
            const double line = 10.0 + wobble;
            if ((sides & kN) && (sides & kW)) d = 22 - std::hypot(32 - x - 0.5, 32 - y - 0.5);
            else if ((sides & kN) && (sides & kE)) d = 22 - std::hypot(x + 0.5, 32 - y - 0.5);
            else if ((sides & kS) && (sides & kW)) d = 22 - std::hypot(32 - x - 0.5, y + 0.5);
            else if ((sides & kS) && (sides & kE)) d = 22 - std::hypot(x + 0.5, y + 0.5);
            else if (sides & kN) d = y + 0.5 - line;
            else if (sides & kS) d = (31.5 - y) - line;
            else if (sides & kW) d = x + 0.5 - line;
            else if (sides & kE) d = (31.5 - x) - line;
            Rgb c;
            if (d < -2) c = Get(grass, x, y);
            else if (d < 0) c = Rgb{172, 150, 104};                        // sandy rim
            else if (d < 3) c = Shade(Get(water, x, y), -26 + static_cast<int>(d) * 6);  // deeper towards the middle
            else c = Get(water, x, y);
            Put(x, y, c);
        }
    al_destroy_bitmap(grass);
    al_destroy_bitmap(water);
}

void PaintLilyPads()
{
    PaintWater(64);
    const double pads[][3] = {{9, 10, 5.5}, {22, 20, 6.5}, {10, 25, 3.5}};
    for (auto& p : pads) {
        FillCircle(p[0] + 1, p[1] + 1, p[2], Rgb{36, 80, 140});
        FillCircle(p[0], p[1], p[2], Rgb{70, 150, 60});
        Triangle(p[0], p[1], p[0] + p[2] + 1, p[1] - 2, p[0] + p[2] + 1, p[1] + 1.5, Rgb{52, 112, 190});
        Line(p[0], p[1], p[0] - p[2] + 1.5, p[1], 1, Rgb{100, 176, 80});
    }
    FillCircle(22, 19, 2.6, Rgb{246, 170, 200});
    FillCircle(22, 19, 1.2, Rgb{250, 230, 120});
}

// A 64 x 64 piece cut into four tiles.
ALLEGRO_BITMAP* Big(const std::function<void()>& draw)
{
    ALLEGRO_BITMAP* big = NewCanvas(64, 64);
    TargetScope s(big);
    for (int ty = 0; ty < 2; ++ty)
        for (int tx = 0; tx < 2; ++tx) {
            ALLEGRO_BITMAP* sub = al_create_sub_bitmap(big, tx * 32, ty * 32, 32, 32);
            {
                TargetScope inner(sub);
                PaintLawn();
            }
            al_destroy_bitmap(sub);
        }
    draw();
    return big;
}

void PaintTree()
{
    Canopy(32, 31, 30, 56, Rgb{52, 128, 50});
    Rng rng(560);
    for (int i = 0; i < 7; ++i) {  // a few apples
        double a = rng.Unit() * 2 * M_PI, d = 6 + rng.Unit() * 16;
        FillCircle(32 + std::cos(a) * d, 31 + std::sin(a) * d, 1.6, Rgb{214, 40, 40});
    }
}

// The shed fills its four cells, so it looks the same on lawn or paving.
void PaintShed()
{
    const Rgb roofLit{112, 128, 150}, roofDark{78, 90, 110};
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x) {
            bool top = y < 32;
            int fromRidge = top ? 31 - y : y - 32;
            Rgb c = top ? roofLit : roofDark;
            int row = fromRidge / 5;
            int lx = (x + (row % 2) * 5) % 10;
            if (fromRidge % 5 == 4 || lx == 0) c = Shade(c, -30);
            c = Shade(c, static_cast<int>((Noise(x, y, 60) - 0.5) * 14) - fromRidge / 3);
            Put(x, y, c);
        }
    FillRect(0, 29, 63, 34, Rgb{90, 70, 60});  // ridge
    FillRect(0, 29, 63, 29, Rgb{140, 118, 100});
    Frame(0, 0, 63, 63, Rgb{52, 36, 28});        // eaves
    Frame(1, 1, 62, 62, Rgb{150, 112, 76});
    FillRect(44, 12, 51, 20, Rgb{120, 120, 124});  // stove pipe
    FillRect(45, 13, 50, 19, Rgb{60, 60, 64});
    FillRect(44, 21, 52, 22, Shade(roofLit, -50));
}

struct TileDef {
    int index;
    const char* description;
    TileType type;
    std::function<void()> paint;
};

}  // namespace

bool WriteTileset(const OutputPaths& out)
{
    Tileset set;
    set.New();
    set.description = "Sodbolt garden tiles";
    const Rgb mixed[] = {{230, 60, 80}, {250, 210, 60}, {150, 90, 210}, {250, 250, 250}, {250, 140, 40}};
    const Rgb roses[] = {{210, 30, 50}, {240, 70, 90}, {180, 20, 40}};
    const Rgb tulips[] = {{250, 200, 40}, {250, 130, 30}, {240, 60, 40}};
    std::vector<TileDef> defs = {
        {kGrass, "Lawn", TileGrass, PaintLawn},
        {kGrassLong, "Long grass", TileGrass, [] { PaintGrass(GrassLook{{56, 132, 44}, 95, 5, 2}); }},
        {kGrassDaisies, "Lawn with daisies", TileGrass, PaintDaisies},
        {kGrassShade, "Shady grass", TileGrass, [] { PaintGrass(GrassLook{{44, 114, 44}, 70, 3, 3}); }},
        {kGrassClover, "Clover", TileGrass, PaintClover},
        {kGrassSunny, "Sunny grass", TileGrass, [] { PaintGrass(GrassLook{{86, 156, 54}, 60, 3, 5}); }},
        {kEarth, "Earth", TileLand, [] { PaintEarth(16); }},
        {kGravel, "Gravel path", TileLand, PaintGravel},
        {kFlagstones, "Stepping stones", TileLand, PaintFlagstones},
        {kPaving, "Paving", TileLand, PaintPaving},
        {kBridgeAcross, "Bridge (across)", TileLand, [] { PaintBridge(true); }},
        {kBridgeDown, "Bridge (down)", TileLand, [] { PaintBridge(false); }},
        {kFlowerBed, "Flower bed", TileLand, [mixed] { PaintBed(mixed, 5, 22, false); }},
        {kRoseBed, "Rose bed", TileLand, [roses] { PaintBed(roses, 3, 23, false); }},
        {kTulipBed, "Tulip bed", TileLand, [tulips] { PaintBed(tulips, 3, 24, true); }},
        {kBoulder, "Boulder", TileSolid, [] { PaintLawn(); Rock(15, 15, 13, 11, 32); }},
        {kPebbles, "Rocks", TileSolid, PaintPebbles},
        {kHedge, "Hedge", TileSolid, PaintHedge},
        {kBrickWall, "Brick wall", TileSolid, PaintBrickWall},
        {kStoneWall, "Stone wall", TileSolid, PaintStoneWall},
        {kStump, "Tree stump", TileSolid, PaintStump},
        {kBush, "Bush", TileSolid, PaintBush},
        {kGnome, "Garden gnome", TileSolid, PaintGnome},
        {kBirdBath, "Bird bath", TileSolid, PaintBirdBath},
        {kFlowerPot, "Flower pot", TileSolid, PaintFlowerPot},
        {kFenceAcross, "Fence (across)", TileSolid, [] { PaintFence(kE | kW); }},
        {kFenceDown, "Fence (down)", TileSolid, [] { PaintFence(kN | kS); }},
        {kFenceTopLeft, "Fence corner (top left)", TileSolid, [] { PaintFence(kE | kS); }},
        {kFenceTopRight, "Fence corner (top right)", TileSolid, [] { PaintFence(kW | kS); }},
        {kFenceBottomLeft, "Fence corner (bottom left)", TileSolid, [] { PaintFence(kN | kE); }},
        {kFenceBottomRight, "Fence corner (bottom right)", TileSolid, [] { PaintFence(kN | kW); }},
        {kFencePost, "Fence post", TileSolid, [] { PaintFence(0); }},
        {kWater, "Pond", TileWater, [] { PaintWater(64); }},
        {kShoreN, "Pond shore (top)", TileWater, [] { PaintShore(kN); }},
        {kShoreS, "Pond shore (bottom)", TileWater, [] { PaintShore(kS); }},
        {kShoreW, "Pond shore (left)", TileWater, [] { PaintShore(kW); }},
        {kShoreE, "Pond shore (right)", TileWater, [] { PaintShore(kE); }},
        {kShoreNW, "Pond corner (top left)", TileWater, [] { PaintShore(kN | kW); }},
        {kShoreNE, "Pond corner (top right)", TileWater, [] { PaintShore(kN | kE); }},
        {kShoreSW, "Pond corner (bottom left)", TileWater, [] { PaintShore(kS | kW); }},
        {kShoreSE, "Pond corner (bottom right)", TileWater, [] { PaintShore(kS | kE); }},
        {kLilyPad, "Lily pads", TileWater, PaintLilyPads},
        {kMown, "Mown grass", TileLand, PaintMown},
    };

    auto paintInto = [&set](int index, ALLEGRO_BITMAP* source, int sx, int sy) {
        TargetScope s(set.tiles[index].image);
        al_draw_bitmap_region(source, sx, sy, 32, 32, 0, 0, 0);
    };
    al_set_blender(ALLEGRO_ADD, ALLEGRO_ONE, ALLEGRO_ZERO);
    for (const TileDef& def : defs) {
        ALLEGRO_BITMAP* canvas = NewCanvas(32, 32);
        {
            TargetScope s(canvas);
            def.paint();
        }
        paintInto(def.index, canvas, 0, 0);
        al_destroy_bitmap(canvas);
        set.tiles[def.index].description = def.description;
        set.tiles[def.index].type = def.type;
    }
    struct BigDef {
        int first;
        const char* name;
        std::function<void()> paint;
    } bigs[] = {{kTreeTopLeft, "Apple tree", PaintTree}, {kShedTopLeft, "Shed roof", PaintShed}};
    const char* corners[4] = {"top left", "top right", "bottom left", "bottom right"};
    for (const BigDef& big : bigs) {
        ALLEGRO_BITMAP* canvas = Big(big.paint);
        for (int i = 0; i < 4; ++i) {
            paintInto(big.first + i, canvas, (i % 2) * 32, (i / 2) * 32);
            set.tiles[big.first + i].description = std::string(big.name) + " (" + corners[i] + ")";
            set.tiles[big.first + i].type = TileSolid;
        }
        al_destroy_bitmap(canvas);
    }
    al_set_blender(ALLEGRO_ADD, ALLEGRO_ONE, ALLEGRO_INVERSE_ALPHA);

    std::string path = out.Base("tiles/sodbolt.til");
    if (!MakeFoldersFor(path) || !set.Save(path.c_str())) {
        std::fprintf(stderr, "Unable to write %s: %s\n", path.c_str(), set.lastError.c_str());
        return false;
    }
    return true;
}
