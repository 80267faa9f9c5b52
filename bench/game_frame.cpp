// A full game frame as the game draws it (field from the tile atlas in one
// held batch, mower, six clouds, the kept status line; straight onto the
// screen when the field is shown 1:1, else through the scaled map window)
// against the naive frame: field cell by cell from 1024 separate bitmaps into
// the map window, status line formatted anew, the map window copied to the
// screen. Run under a display:
//   scripts/with-display.sh build/bench/bench_game_frame [frames [width height]]
#include "game/playgame.h"
#include "game/playstate.h"
#include "game/resources.h"
#include "kwui/kwui.h"

#include <allegro5/allegro_font.h>
#include <allegro5/allegro_image.h>
#include <allegro5/allegro_primitives.h>
#include <allegro5/allegro_ttf.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

const std::string kRoot = SODBOLT_SOURCE_DIR;

using Clock = std::chrono::steady_clock;

double Millis(Clock::time_point from) { return std::chrono::duration<double, std::milli>(Clock::now() - from).count(); }

// Forces the drawing of a frame to finish (a one-pixel read back), so both
// variants pay for their own work and not for the other's backlog. The flip
// to the window costs the same for both and is timed on its own.
void Finish()
{
    ALLEGRO_BITMAP* previous = al_get_target_bitmap();
    for (ALLEGRO_BITMAP* bitmap : {gPlay.mapWindow, al_get_backbuffer(al_get_current_display())}) {
        if (!bitmap) continue;
        ALLEGRO_LOCKED_REGION* region =
            al_lock_bitmap_region(bitmap, 0, 0, 1, 1, ALLEGRO_PIXEL_FORMAT_ANY, ALLEGRO_LOCK_READONLY);
        if (region) al_unlock_bitmap(bitmap);
    }
    al_set_target_bitmap(previous);
}

// A sprite with one frame, for when the content is missing.
void FillSprite(Sprite& sprite, int w, int h, ALLEGRO_COLOR colour)
{
    if (sprite.GetFrameCount() > 0) return;
    ALLEGRO_BITMAP* image = al_create_bitmap(w, h);
    ALLEGRO_BITMAP* previous = al_get_target_bitmap();
    al_set_target_bitmap(image);
    al_clear_to_color(colour);
    al_set_target_bitmap(previous);
    sprite.AddFrame(image, "");
    al_destroy_bitmap(image);
}

void LoadContent()
{
    // The field is drawn 1:1, so its tiles need no filtering (as in the game).
    const int flags = al_get_new_bitmap_flags();
    al_set_new_bitmap_flags(flags & ~(ALLEGRO_MIN_LINEAR | ALLEGRO_MAG_LINEAR));
    const std::string tiles = kRoot + "/base/tiles/sodbolt.til";
    if (!gPlay.map.tileSet.Load(tiles.c_str())) gPlay.map.tileSet.New();
    const std::string mapPath = kRoot + "/base/maps/level05.map";
    if (!gPlay.map.Load(mapPath.c_str())) {
        // A checkerboard of the first 64 tiles over the loaded set.
        for (int i = 0; i < Map::kCellCount; ++i) gPlay.map.cells[i] = static_cast<uint16_t>(i % 64);
        gPlay.map.title = "Bench Lawn";
    }
    al_set_new_bitmap_flags(flags);
    gResources.mowerSprite.Load((kRoot + "/base/sprites/mower.spr").c_str());
    gResources.cloudSprite1.Load((kRoot + "/base/sprites/cloud01.spr").c_str());
    gResources.cloudSprite2.Load((kRoot + "/base/sprites/cloud02.spr").c_str());
    FillSprite(gResources.mowerSprite, 32, 32, al_map_rgb(200, 40, 40));
    FillSprite(gResources.cloudSprite1, 128, 96, al_map_rgba(240, 240, 240, 255));
    FillSprite(gResources.cloudSprite2, 160, 80, al_map_rgba(250, 250, 250, 255));
}

// The naive field: every tile its own bitmap, one draw each, nothing held.
std::vector<ALLEGRO_BITMAP*> MakeSeparateTiles()
{
    std::vector<ALLEGRO_BITMAP*> separate(Tileset::kTileCount, nullptr);
    ALLEGRO_BITMAP* previous = al_get_target_bitmap();
    for (int i = 0; i < Tileset::kTileCount; ++i) {
        ALLEGRO_BITMAP* source = gPlay.map.tileSet.GetTileImage(i);
        separate[i] = al_create_bitmap(32, 32);
        al_set_target_bitmap(separate[i]);
        al_clear_to_color(al_map_rgb(0, 0, 0));
        if (source) al_draw_bitmap(source, 0, 0, 0);
    }
    al_set_target_bitmap(previous);
    return separate;
}

void DrawNaiveField(const std::vector<ALLEGRO_BITMAP*>& separate)
{
    for (int row = 0; row < kFieldRows; ++row)
        for (int column = 0; column < kFieldColumns; ++column) {
            const int tile = gPlay.cutFlags[row][column] ? kMownGrassTile : gPlay.map.GetCell(column, row);
            if (tile < Tileset::kTileCount) al_draw_bitmap(separate[tile], 32.0f * column, 32.0f * row, 0);
        }
}

// The rest of a frame, shared by both variants.
void DrawSprites()
{
    gResources.mowerSprite.Draw(static_cast<int>(gPlay.mowerX), static_cast<int>(gPlay.mowerY), 1,
                                static_cast<uint8_t>(gPlay.heading), 1, 255);
    for (Cloud& cloud : gPlay.clouds) {
        UpdateCloud(cloud);
        cloud.sprite->Draw(static_cast<int>(cloud.x), static_cast<int>(cloud.y), 32, 0, 1, 128);
    }
}

// The status band as every frame drew it before the level line was kept:
// formatted and measured anew each frame.
void NaiveStatus()
{
    ALLEGRO_BITMAP* previous = al_get_target_bitmap();
    al_set_target_bitmap(gPlay.audioStrip);
    const ALLEGRO_COLOR white = al_map_rgb(255, 255, 255);
    KW_DrawFontTextF(kwFontMedium, gPlay.windowX, 2, white, "%03d", gPlay.timeLeft);
    char line[256];
    const std::string title = gPlay.map.GetTitle();
    FormatLevelLine(line, sizeof line, gPlay.levelIndex + 1, title.c_str(), CutPercentage());
    const int lineX = kwScreenW - gPlay.windowX - KW_TextWidth(line) - 2;
    const int lineY = LevelLineY(lineX, lineX + KW_TextWidth(line), kwScreenH - 65, kStatusBandHeight,
                                 KW_LineHeight(), gPlay.audioButton);
    KW_DrawTextF(lineX, lineY, white, "%s", line);
    al_set_target_bitmap(previous);
}

// The naive frame: field cell by cell into the map window, sprites there
// too, the status band, then the map window copied to the screen.
void NaiveFrame(const std::vector<ALLEGRO_BITMAP*>& separate)
{
    al_clear_to_color(al_map_rgb(0, 0, 0));
    ALLEGRO_BITMAP* back = al_get_target_bitmap();
    al_set_target_bitmap(gPlay.mapWindow);
    DrawNaiveField(separate);
    DrawSprites();
    al_set_target_bitmap(back);
    NaiveStatus();
    int op, source, destination;
    al_get_blender(&op, &source, &destination);
    al_set_blender(ALLEGRO_ADD, ALLEGRO_ONE, ALLEGRO_ZERO);
    al_draw_scaled_bitmap(gPlay.mapWindow, 0, 0, kFieldWidth, kFieldHeight, gPlay.windowX, 0, gPlay.windowWidth,
                          gPlay.windowHeight, 0);
    al_set_blender(op, source, destination);
}

void GameFrame()
{
    DrawPlayArea();
    DrawStatus();
    ShowPlayArea();
}

}  // namespace

int main(int argc, char** argv)
{
    const int frames = argc > 1 ? std::max(1, std::atoi(argv[1])) : 300;
    const int screenW = argc > 3 ? std::atoi(argv[2]) : 1024;
    const int screenH = argc > 3 ? std::atoi(argv[3]) : 768;
    if (!al_init() || !al_init_image_addon() || !al_init_primitives_addon() || !al_init_font_addon() ||
        !al_init_ttf_addon()) {
        std::fprintf(stderr, "Allegro did not start\n");
        return 1;
    }
    ALLEGRO_DISPLAY* display = al_create_display(screenW, screenH);
    if (!display) {
        std::fprintf(stderr, "no display: run under scripts/with-display.sh\n");
        return 1;
    }
    kwDisplay = display;
    // The game's bitmaps are filtered when scaled, as the toolkit sets it up.
    al_set_new_bitmap_flags(ALLEGRO_MIN_LINEAR | ALLEGRO_MAG_LINEAR);
    kwScreenW = screenW;
    kwScreenH = screenH;
    KW_BuildTheme();
    kwFont = al_load_ttf_font((kRoot + "/kwuidata/fonts/DejaVuSans.ttf").c_str(), 22, 0);
    kwFontMedium = al_load_ttf_font((kRoot + "/kwuidata/fonts/DejaVuSans.ttf").c_str(), 48, 0);

    LoadContent();
    gPlay.mapWindow = al_create_bitmap(kFieldWidth, kFieldHeight);
    const WindowFit fit = FitMapWindow(kwScreenW, kwScreenH);
    gPlay.windowWidth = fit.width;
    gPlay.windowHeight = fit.height;
    gPlay.windowX = fit.x;
    gPlay.audioStrip = al_create_sub_bitmap(al_get_backbuffer(display), 0, kwScreenH - 65, kwScreenW, 64);
    CountGrass();
    for (int row = 0; row < kFieldRows; row += 2)
        for (int column = 0; column < kFieldColumns; ++column) gPlay.cutFlags[row][column] = 1;
    gPlay.mowerX = 300;
    gPlay.mowerY = 200;
    gPlay.timeLeft = 90;
    std::srand(1);
    ScatterClouds(6, &gResources.cloudSprite1, &gResources.cloudSprite2);
    const std::vector<ALLEGRO_BITMAP*> separate = MakeSeparateTiles();

    // Field alone, then whole frames; each variant warmed up, then timed in
    // alternating rounds so neither gets the quieter half of the run.
    double fieldAtlas = 0, fieldNaive = 0, frameAtlas = 0, frameNaive = 0;
    ALLEGRO_BITMAP* back = al_get_backbuffer(display);
    for (int i = 0; i < 20; ++i) {
        GameFrame();
        Finish();
        NaiveFrame(separate);
        Finish();
    }
    for (int round = 0; round < frames; ++round) {
        al_set_target_bitmap(gPlay.mapWindow);
        Clock::time_point start = Clock::now();
        DrawField();
        Finish();
        al_set_target_bitmap(back);
        fieldAtlas += Millis(start);

        al_set_target_bitmap(gPlay.mapWindow);
        start = Clock::now();
        DrawNaiveField(separate);
        Finish();
        al_set_target_bitmap(back);
        fieldNaive += Millis(start);

        start = Clock::now();
        GameFrame();
        Finish();
        frameAtlas += Millis(start);

        start = Clock::now();
        NaiveFrame(separate);
        Finish();
        frameNaive += Millis(start);
    }

    double flip = 0;
    for (int round = 0; round < frames; ++round) {
        const Clock::time_point start = Clock::now();
        al_flip_display();
        Finish();
        flip += Millis(start);
    }
    std::printf("frames: %d (%d x %d, field scaled to %d x %d)\n", frames, screenW, screenH, fit.width, fit.height);
    std::printf("field, atlas in one held batch:   %7.3f ms\n", fieldAtlas / frames);
    std::printf("field, 400 separate bitmaps:      %7.3f ms  (atlas/naive %.2f)\n", fieldNaive / frames,
                fieldAtlas / fieldNaive);
    std::printf("game frame (atlas field):         %7.3f ms\n", frameAtlas / frames);
    std::printf("game frame (naive field):         %7.3f ms  (atlas/naive %.2f)\n", frameNaive / frames,
                frameAtlas / frameNaive);
    std::printf("flip to the window (both alike):  %7.3f ms\n", flip / frames);

    for (ALLEGRO_BITMAP* bitmap : separate) al_destroy_bitmap(bitmap);
    al_destroy_bitmap(gPlay.audioStrip);
    al_destroy_bitmap(gPlay.mapWindow);
    gPlay.audioStrip = gPlay.mapWindow = nullptr;
    gPlay.map.tileSet.Unload();
    gResources.mowerSprite.Clear();
    gResources.cloudSprite1.Clear();
    gResources.cloudSprite2.Clear();
    al_destroy_font(kwFont);
    al_destroy_font(kwFontMedium);
    kwFont = kwFontMedium = nullptr;
    kwDisplay = nullptr;
    al_destroy_display(display);
    return 0;
}
