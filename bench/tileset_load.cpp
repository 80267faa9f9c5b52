// Loading and saving a full 1024-tile set, in memory bitmaps and (when a
// display can be opened) in video bitmaps:
//   scripts/with-display.sh build/bench/bench_tileset_load [rounds]
#include "content/tileset.h"

#include <allegro5/allegro.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

double Millis(Clock::time_point from) { return std::chrono::duration<double, std::milli>(Clock::now() - from).count(); }

// Every tile different, so nothing is accidentally cheap.
void PaintTiles(Tileset& set)
{
    ALLEGRO_BITMAP* atlas = set.GetAtlas();
    ALLEGRO_LOCKED_REGION* region = al_lock_bitmap(atlas, ALLEGRO_PIXEL_FORMAT_ABGR_8888_LE, ALLEGRO_LOCK_WRITEONLY);
    for (int y = 0; y < Tileset::kAtlasSize; ++y) {
        unsigned char* row = static_cast<unsigned char*>(region->data) + y * region->pitch;
        for (int x = 0; x < Tileset::kAtlasSize; ++x) {
            row[x * 4 + 0] = static_cast<unsigned char>(x * 7 + y);
            row[x * 4 + 1] = static_cast<unsigned char>(y * 3);
            row[x * 4 + 2] = static_cast<unsigned char>(x ^ y);
            row[x * 4 + 3] = 255;
        }
    }
    al_unlock_bitmap(atlas);
    for (int i = 0; i < Tileset::kTileCount; ++i) {
        set.tiles[i].description = "Tile " + std::to_string(i);
        set.tiles[i].type = static_cast<TileType>(i % 4);
    }
}

struct Figures {
    double loadBest = 1e9, loadMedian = 0, saveBest = 1e9, saveMedian = 0;
};

Figures Measure(const std::string& path, int rounds)
{
    Tileset source;
    source.New();
    PaintTiles(source);
    std::vector<double> loads, saves;
    for (int i = 0; i < rounds; ++i) {
        auto start = Clock::now();
        if (!source.Save(path.c_str())) {
            std::fprintf(stderr, "save failed: %s\n", source.lastError.c_str());
            std::exit(1);
        }
        saves.push_back(Millis(start));
        Tileset loaded;
        start = Clock::now();
        if (!loaded.Load(path.c_str())) {
            std::fprintf(stderr, "load failed: %s\n", loaded.lastError.c_str());
            std::exit(1);
        }
        loads.push_back(Millis(start));
    }
    std::sort(loads.begin(), loads.end());
    std::sort(saves.begin(), saves.end());
    Figures figures;
    figures.loadBest = loads.front();
    figures.loadMedian = loads[loads.size() / 2];
    figures.saveBest = saves.front();
    figures.saveMedian = saves[saves.size() / 2];
    return figures;
}

void Report(const char* what, const Figures& f)
{
    std::printf("%-16s load: median %6.2f ms, best %6.2f ms   save: median %6.2f ms, best %6.2f ms\n", what,
                f.loadMedian, f.loadBest, f.saveMedian, f.saveBest);
}

} // namespace

int main(int argc, char** argv)
{
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 20;
    if (!al_init()) return 2;
    const std::string path = "/tmp/bench_tileset_" + std::to_string(getpid()) + ".til";

    const Figures memory = Measure(path, rounds);
    Report("memory bitmaps", memory);

    ALLEGRO_DISPLAY* display = al_create_display(800, 600);
    Figures video;
    if (display) {
        video = Measure(path, rounds);
        Report("video bitmaps", video);
        al_destroy_display(display);
    } else {
        std::printf("video bitmaps    (no display)\n");
    }
    std::remove(path.c_str());
    const double worst = display ? std::max(memory.loadMedian, video.loadMedian) : memory.loadMedian;
    std::printf("target: a full tile set loads in under 30 ms: %s\n", worst < 30.0 ? "met" : "MISSED");
    return 0;
}
