// The game's sprites: the mower (seen from above, facing up, with a spinning
// flywheel and an exhaust puff) and two clouds.
#include "tools/mkcontent/mkcontent.h"
#include "tools/mkcontent/pixel.h"

#include "content/sprite.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace {

void MowerFrame(int frame)
{
    const Rgb deck{58, 170, 66}, deckDark{36, 118, 44}, deckLight{120, 210, 110};
    const Rgb tyre{34, 34, 38}, hub{170, 170, 176};
    // wheels
    for (int wx : {3, 25})
        for (int wy : {5, 20}) {
            FillRect(wx, wy, wx + 3, wy + 6, tyre);
            FillRect(wx + 1, wy + 2, wx + 2, wy + 4, hub);
        }
    // cutting deck
    FillRect(7, 4, 24, 25, deck);
    FillRect(6, 6, 25, 23, deck);
    FillRect(7, 4, 24, 4, deckLight);
    FillRect(6, 6, 6, 23, deckLight);
    FillRect(25, 6, 25, 23, deckDark);
    FillRect(7, 25, 24, 25, deckDark);
    // grass chute on the right, bumper at the front
    FillRect(22, 11, 27, 16, deckDark);
    FillRect(26, 12, 28, 15, Rgb{20, 60, 26});
    FillRect(9, 2, 22, 3, Rgb{220, 200, 60});
    // engine with its flywheel grille
    FillCircle(16, 14, 7, Rgb{50, 52, 58});
    FillCircle(16, 14, 5.5, Rgb{120, 124, 130});
    for (int k = 0; k < 3; ++k) {
        double a = (frame * 40 + k * 120) * M_PI / 180;
        Line(16, 14, 16 + std::cos(a) * 5, 14 + std::sin(a) * 5, 1, Rgb{60, 62, 68});
    }
    FillCircle(16, 14, 1.6, Rgb{230, 60, 40});
    // fuel cap
    FillRect(10, 19, 12, 21, Rgb{230, 60, 40});
    // handle bar behind the deck
    FillRect(9, 26, 10, 30, Rgb{80, 80, 90});
    FillRect(21, 26, 22, 30, Rgb{80, 80, 90});
    FillRect(9, 29, 22, 30, Rgb{40, 40, 46});
    FillRect(13, 29, 18, 30, Rgb{230, 60, 40});
    // exhaust puff on the left, flickering
    const Rgb puff[3] = {{200, 200, 204}, {170, 170, 176}, {230, 230, 232}};
    if (frame % 2 == 0) {
        FillCircle(2.5, 24.5 - frame, 1.6, puff[frame % 3]);
    } else {
        Put(1, 27 - frame, puff[frame % 3]);
        Put(2, 26 - frame, puff[(frame + 1) % 3]);
    }
}

// A cloud of overlapping puffs, lit from above: white on top, grey beneath.
void CloudPicture(int w, int h, uint64_t seed, int puffs)
{
    Rng rng(seed);
    struct Puff {
        double x, y, r;
    };
    std::vector<Puff> list;
    for (int i = 0; i < puffs; ++i) {
        double t = (i + 0.5) / puffs;
        double r = h * (0.22 + 0.14 * std::sin(t * M_PI)) + rng.Below(6);
        double x = r + 2 + t * (w - 2 * r - 4) + rng.Range(-4, 4);
        double y = h * 0.58 - std::sin(t * M_PI) * h * 0.18 + rng.Range(-4, 4);
        list.push_back({x, y, r});
    }
    for (int i = 0; i < puffs / 2; ++i) {  // a second, higher row
        double t = (i + 1.0) / (puffs / 2 + 1);
        double r = h * 0.24 + rng.Below(5);
        list.push_back({w * 0.2 + t * w * 0.6 + rng.Range(-5, 5), h * 0.36 + rng.Range(-3, 3), r});
    }
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            double best = -1;  // how deep inside the nearest puff, 0..1
            double lightSum = 0;
            for (const Puff& p : list) {
                double d = std::hypot(x + 0.5 - p.x, y + 0.5 - p.y) / p.r;
                if (d < 1.0) {
                    best = std::max(best, 1.0 - d);
                    lightSum = std::max(lightSum, (p.y - (y + 0.5)) / p.r);
                }
            }
            if (best < 0) continue;
            int level = 246 + static_cast<int>(lightSum * 9) - (y > h * 0.62 ? static_cast<int>((y - h * 0.62) * 1.4) : 0);
            if (best < 0.08) level -= 14;  // a soft rim
            level = std::clamp(level, 186, 255);
            Rgb c{static_cast<uint8_t>(level), static_cast<uint8_t>(level), static_cast<uint8_t>(std::min(255, level + 4))};
            if (c.r == 255 && c.g == 0) c.g = 1;
            Put(x, y, c);
        }
}

bool SaveSprite(Sprite& sprite, const std::string& path)
{
    if (!MakeFoldersFor(path) || !sprite.Save(path.c_str())) {
        std::fprintf(stderr, "Unable to write %s: %s\n", path.c_str(), sprite.lastError.c_str());
        return false;
    }
    return true;
}

bool AddPicture(Sprite& sprite, ALLEGRO_BITMAP* picture, const char* name, int16_t time)
{
    al_convert_mask_to_alpha(picture, al_map_rgb(255, 0, 255));
    bool ok = sprite.AddFrame(picture, name);
    if (ok) sprite.SetFrameTime(static_cast<int16_t>(sprite.GetFrameCount() - 1), time);
    al_destroy_bitmap(picture);
    return ok;
}

}  // namespace

bool WriteSprites(const OutputPaths& out)
{
    bool ok = true;
    {
        Sprite mower;
        mower.description = "Push mower";
        for (int f = 0; f < 4; ++f) {
            ALLEGRO_BITMAP* frame = NewCanvas(32, 32);
            {
                TargetScope s(frame);
                MowerFrame(f);
            }
            char name[32];
            std::snprintf(name, sizeof name, "mower%d", f + 1);
            ok = AddPicture(mower, frame, name, 6) && ok;
        }
        ok = SaveSprite(mower, out.Base("sprites/mower.spr")) && ok;
    }
    struct CloudShape {
        const char* file;
        const char* description;
        int w, h;
        uint64_t seed;
        int puffs;
    } clouds[] = {{"sprites/cloud01.spr", "Big cloud", 160, 100, 1, 6}, {"sprites/cloud02.spr", "Small cloud", 112, 84, 2, 4}};
    for (const CloudShape& shape : clouds) {
        Sprite cloud;
        cloud.description = shape.description;
        ALLEGRO_BITMAP* frame = NewCanvas(shape.w, shape.h);
        {
            TargetScope s(frame);
            CloudPicture(shape.w, shape.h, shape.seed, shape.puffs);
        }
        ok = AddPicture(cloud, frame, "cloud", -1) && ok;
        ok = SaveSprite(cloud, out.Base(shape.file)) && ok;
    }
    return ok;
}
