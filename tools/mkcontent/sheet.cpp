// The contact sheet: every used tile, every level in miniature, the sprites
// and every icon in one picture, read back through the game's own loaders.
#include "tools/mkcontent/mkcontent.h"
#include "tools/mkcontent/pixel.h"

#include "content/map.h"
#include "content/sprite.h"
#include "content/tileset.h"

#include <allegro5/allegro_font.h>
#include <allegro5/allegro_primitives.h>
#include <allegro5/allegro_ttf.h>

#include <climits>
#include <cstdio>
#include <memory>
#include <unistd.h>

namespace {

const int kSheetWidth = 1480;
const ALLEGRO_COLOR kBack = al_map_rgb(38, 44, 56);

void Heading(ALLEGRO_FONT* font, int& y, const char* text)
{
    y += 14;
    al_draw_text(font, al_map_rgb(250, 230, 140), 16, y, 0, text);
    y += al_get_font_line_height(font) + 6;
}

}  // namespace

bool WriteContactSheet(const std::string& root, const std::string& pngPath)
{
    char here[PATH_MAX];
    if (!getcwd(here, sizeof here)) return false;
    std::string outPath = pngPath[0] == '/' ? pngPath : std::string(here) + "/" + pngPath;
    if (!root.empty() && chdir(root.c_str()) != 0) {
        std::fprintf(stderr, "No such folder %s\n", root.c_str());
        return false;
    }

    const char* fontFiles[] = {"kwuidata/fonts/DejaVuSans.ttf", "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf"};
    ALLEGRO_FONT* font = nullptr;
    ALLEGRO_FONT* small = nullptr;
    for (const char* f : fontFiles) {
        if (!font) font = al_load_ttf_font(f, 20, 0);
        if (!small) small = al_load_ttf_font(f, 12, 0);
    }
    if (!font || !small) {
        font = small = al_create_builtin_font();
    }

    ALLEGRO_BITMAP* sheet = NewCanvas(kSheetWidth, 2900, Rgb{38, 44, 56});
    TargetScope target(sheet);
    al_clear_to_color(kBack);
    int y = 4;
    Heading(font, y, "Sodbolt content pack");

    // tiles
    Tileset set;
    bool ok = set.Load("base/tiles/sodbolt.til");
    if (!ok) std::fprintf(stderr, "%s\n", set.lastError.c_str());
    Heading(font, y, "Tiles (index, type: G grass, L land, S solid, W water)");
    int x = 16;
    for (int i = 0; ok && i < Tileset::kTileCount; ++i) {
        if (set.tiles[i].description == "(none)") continue;
        if (x + 64 > kSheetWidth - 16) {
            x = 16;
            y += 64 + 20;
        }
        al_draw_scaled_bitmap(set.tiles[i].image, 0, 0, 32, 32, x, y, 64, 64, 0);
        const char types[] = "LGSW";
        int t = set.tiles[i].type;
        al_draw_textf(small, al_map_rgb(220, 220, 220), x, y + 65, 0, "%d %c", i, t >= 0 && t < 4 ? types[t] : '?');
        x += 70;
    }
    y += 64 + 24;

    // a strip that shows mown grass next to every grass variant
    Heading(font, y, "Mown grass (tile 1023) beside each grass tile");
    x = 16;
    for (int i = 0; ok && i < 64; ++i) {
        if (set.tiles[i].type != TileGrass) continue;
        for (int k = 0; k < 4; ++k) {
            int idx = k % 2 ? Map::kMowedTile : i;
            al_draw_scaled_bitmap(set.tiles[idx].image, 0, 0, 32, 32, x + k * 48, y, 48, 48, 0);
        }
        x += 4 * 48 + 24;
    }
    y += 48 + 10;

    // levels
    Heading(font, y, "Levels");
    ALLEGRO_BITMAP* field = NewCanvas(800, 512);
    Sprite mower;
    mower.Load("base/sprites/mower.spr");
    int column = 0;
    int levelNumber = 0;
    for (const LevelInfo& level : LevelList()) {
        ++levelNumber;
        Map map;
        std::string path = std::string("base/maps/") + level.file;
        if (!map.Load(path.c_str())) {
            std::fprintf(stderr, "%s\n", map.lastError.c_str());
            continue;
        }
        {
            TargetScope s(field);
            map.Draw(0, 0);
            if (mower.GetFrameCount() > 0) {
                int w, h;
                mower.GetSize(w, h);
                mower.Draw(map.startX - w / 2, map.startY - h / 2, 1, 0, 1, 255);
            }
        }
        int lx = 16 + column * 484, ly = y;
        al_draw_scaled_bitmap(field, 0, 0, 800, 512, lx, ly, 464, 297, 0);
        al_draw_textf(small, al_map_rgb(240, 240, 240), lx, ly + 299, 0, "%d. %s by %s - %d clouds, %d s",
                      levelNumber, map.title.c_str(), map.author.c_str(), map.cloudCount, map.timeLimit);
        if (++column == 3) {
            column = 0;
            y += 297 + 24;
        }
    }
    if (column) y += 297 + 24;
    al_destroy_bitmap(field);

    // sprites
    Heading(font, y, "Sprites (mower frames at 3x, clouds over a lawn)");
    x = 16;
    for (int f = 0; f < mower.GetFrameCount(); ++f) {
        ALLEGRO_BITMAP* img = mower.frames[f].image;
        int w = al_get_bitmap_width(img), h = al_get_bitmap_height(img);
        al_draw_filled_rectangle(x, y, x + w * 3, y + h * 3, al_map_rgb(62, 142, 50));
        al_draw_scaled_bitmap(img, 0, 0, w, h, x, y, w * 3, h * 3, 0);
        x += w * 3 + 12;
    }
    int cloudX = x + 20;
    const char* clouds[] = {"base/sprites/cloud01.spr", "base/sprites/cloud02.spr"};
    int tallest = 96;
    // one striped lawn behind both clouds: mown and uncut rows
    for (int ty = 0; ty < 6; ++ty)
        for (int tx = 0; tx < 14; ++tx)
            if (ok) set.DrawTile(ty % 2 ? 0 : 1023, cloudX + tx * 32, y + ty * 32);
    for (const char* c : clouds) {
        Sprite cloud;
        if (!cloud.Load(c)) {
            std::fprintf(stderr, "%s\n", cloud.lastError.c_str());
            continue;
        }
        int w, h;
        cloud.GetSize(w, h);
        cloud.Draw(cloudX + 16, y + 16, 32, 0, 1, 128);
        cloudX += w + 64;
        tallest = std::max(tallest, 6 * 32);
    }
    y += tallest + 30;

    // icons
    Heading(font, y, "Icons (kwuidata/textures, magenta made transparent)");
    x = 16;
    for (const std::string& name : IconNames()) {
        std::string path = "kwuidata/textures/" + name + ".tga";
        ALLEGRO_BITMAP* icon = al_load_bitmap(path.c_str());
        if (!icon) {
            std::fprintf(stderr, "Unable to load %s\n", path.c_str());
            continue;
        }
        al_convert_mask_to_alpha(icon, al_map_rgb(255, 0, 255));
        if (x + 64 > kSheetWidth - 16) {
            x = 16;
            y += 64 + 34;
        }
        al_draw_filled_rectangle(x - 2, y - 2, x + 66, y + 66, al_map_rgb(200, 200, 200));
        al_draw_scaled_bitmap(icon, 0, 0, 32, 32, x, y, 64, 64, 0);
        // long names go on two lines, split after their first part
        size_t split = name.find('_');
        if (al_get_text_width(small, name.c_str()) > 70 && split != std::string::npos) {
            al_draw_text(small, al_map_rgb(220, 220, 220), x + 32, y + 66, ALLEGRO_ALIGN_CENTRE, name.substr(0, split + 1).c_str());
            al_draw_text(small, al_map_rgb(220, 220, 220), x + 32, y + 79, ALLEGRO_ALIGN_CENTRE, name.substr(split + 1).c_str());
        } else {
            al_draw_text(small, al_map_rgb(220, 220, 220), x + 32, y + 68, ALLEGRO_ALIGN_CENTRE, name.c_str());
        }
        al_destroy_bitmap(icon);
        x += 74;
    }
    y += 64 + 30;

    ALLEGRO_BITMAP* cropped = NewCanvas(kSheetWidth, std::min(y, 2900));
    {
        TargetScope s(cropped);
        al_draw_bitmap(sheet, 0, 0, 0);
    }
    bool saved = al_save_bitmap(outPath.c_str(), cropped);
    if (!saved) std::fprintf(stderr, "Unable to write %s\n", outPath.c_str());
    al_destroy_bitmap(cropped);
    al_destroy_bitmap(sheet);
    if (font != small) al_destroy_font(small);
    al_destroy_font(font);
    return saved;
}
