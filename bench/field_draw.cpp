// Drawing the 25 x 16 field: from the tile set's atlas in one held batch,
// next to the same field from 1024 separate tile bitmaps, in the same run.
//   scripts/with-display.sh build/bench/bench_field_draw [fields]
#include "content/map.h"

#include <allegro5/allegro.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

double Millis(Clock::time_point from) { return std::chrono::duration<double, std::milli>(Clock::now() - from).count(); }

// Processor time of this thread alone: the drawing calls the game makes,
// without the renderer's own worker threads.
double ThreadMillis()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) * 1000.0 + static_cast<double>(now.tv_nsec) / 1e6;
}

struct Timing {
    std::vector<double> wall, thread;
    void Add(double wallMs, double threadMs)
    {
        wall.push_back(wallMs);
        thread.push_back(threadMs);
    }
    static double Median(std::vector<double> values)
    {
        std::sort(values.begin(), values.end());
        return values[values.size() / 2];
    }
};

// Waits until the drawing queued on the bitmap is done (a one-pixel read).
void Finish(ALLEGRO_BITMAP* bitmap)
{
    ALLEGRO_LOCKED_REGION* region =
        al_lock_bitmap_region(bitmap, 0, 0, 1, 1, ALLEGRO_PIXEL_FORMAT_ANY, ALLEGRO_LOCK_READONLY);
    if (region) al_unlock_bitmap(bitmap);
}

void PaintTiles(Tileset& set)
{
    ALLEGRO_BITMAP* atlas = set.GetAtlas();
    ALLEGRO_LOCKED_REGION* region = al_lock_bitmap(atlas, ALLEGRO_PIXEL_FORMAT_ABGR_8888_LE, ALLEGRO_LOCK_WRITEONLY);
    for (int y = 0; y < Tileset::kAtlasSize; ++y) {
        unsigned char* row = static_cast<unsigned char*>(region->data) + y * region->pitch;
        for (int x = 0; x < Tileset::kAtlasSize; ++x) {
            row[x * 4 + 0] = static_cast<unsigned char>(x * 5);
            row[x * 4 + 1] = static_cast<unsigned char>(y * 3 + x);
            row[x * 4 + 2] = static_cast<unsigned char>(y);
            row[x * 4 + 3] = 255;
        }
    }
    al_unlock_bitmap(atlas);
}

} // namespace

int main(int argc, char** argv)
{
    const int fields = argc > 1 ? std::max(1, std::atoi(argv[1])) : 300;
    if (!al_init()) return 2;
    ALLEGRO_DISPLAY* display = al_create_display(800, 600);
    if (!display) {
        std::fprintf(stderr, "bench_field_draw needs a display (run it under scripts/with-display.sh)\n");
        return 2;
    }

    // A map whose 400 cells use 400 different tiles, some of them mown.
    Map map;
    map.tileSet.New();
    PaintTiles(map.tileSet);
    for (int i = 0; i < Map::kCellCount; ++i) map.cells[i] = static_cast<uint16_t>((i * 389) % 1023);
    std::vector<uint8_t> cut(Map::kCellCount, 0);
    for (int i = 0; i < Map::kCellCount; i += 7) cut[i] = 1;

    // The same pictures as 1024 bitmaps of their own.
    std::vector<ALLEGRO_BITMAP*> separate(Tileset::kTileCount);
    for (int i = 0; i < Tileset::kTileCount; ++i) {
        separate[i] = al_create_bitmap(32, 32);
        al_set_target_bitmap(separate[i]);
        al_draw_bitmap(map.tileSet.GetTileImage(i), 0, 0, 0);
    }

    ALLEGRO_BITMAP* window = al_create_bitmap(800, 512);
    al_set_target_bitmap(window);

    auto drawAtlas = [&] { map.Draw(0, 0, cut.data()); };
    auto drawSeparate = [&] {
        for (int r = 0; r < Map::kRows; ++r)
            for (int c = 0; c < Map::kColumns; ++c) {
                const int cell = r * Map::kColumns + c;
                const int tile = cut[cell] ? Map::kMowedTile : map.cells[cell];
                al_draw_bitmap(separate[tile], c * 32.0f, r * 32.0f, 0);
            }
    };

    // The separate bitmaps copied without blending too, to show what the
    // batch alone is worth.
    auto drawSeparateCopied = [&] {
        ALLEGRO_STATE state;
        al_store_state(&state, ALLEGRO_STATE_BLENDER);
        al_set_blender(ALLEGRO_ADD, ALLEGRO_ONE, ALLEGRO_ZERO);
        drawSeparate();
        al_restore_state(&state);
    };

    // Warm both up, then alternate rounds so that both see the same machine.
    for (int i = 0; i < 20; ++i) {
        drawAtlas();
        drawSeparate();
    }
    Finish(window);
    Timing atlasTiming, separateTiming, copiedTiming;
    const int perRound = 50;
    auto measure = [&](Timing& timing, const auto& draw) {
        const auto start = Clock::now();
        const double threadStart = ThreadMillis();
        for (int i = 0; i < perRound; ++i) draw();
        Finish(window);
        timing.Add(Millis(start) / perRound, (ThreadMillis() - threadStart) / perRound);
    };
    for (int round = 0; round < std::max(1, fields / perRound); ++round) {
        measure(atlasTiming, drawAtlas);
        measure(separateTiming, drawSeparate);
        measure(copiedTiming, drawSeparateCopied);
    }
    auto line = [](const char* what, const Timing& timing) {
        std::printf("%-44s wall %7.3f ms   drawing thread %7.3f ms\n", what, Timing::Median(timing.wall),
                    Timing::Median(timing.thread));
    };
    line("field of 400 tiles, atlas in one held batch:", atlasTiming);
    line("field of 400 tiles, 1024 separate bitmaps:", separateTiming);
    line("(separate bitmaps, copied without blending:)", copiedTiming);
    const double wallRatio = Timing::Median(atlasTiming.wall) / Timing::Median(separateTiming.wall);
    const double threadRatio = Timing::Median(atlasTiming.thread) / Timing::Median(separateTiming.thread);
    std::printf("ratio atlas / separate: wall %.2f, drawing thread %.2f (target: at most 0.50)\n", wallRatio,
                threadRatio);

    for (ALLEGRO_BITMAP* bitmap : separate) al_destroy_bitmap(bitmap);
    al_set_target_backbuffer(display);
    al_destroy_bitmap(window);
    map.tileSet.Unload();
    al_destroy_display(display);
    return 0;
}
