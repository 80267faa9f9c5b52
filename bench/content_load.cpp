// Loading the game's own content files: the tile set, and a map (which loads
// the tile set with it), each next to a plain read of the same bytes into
// memory, the floor any loader stands on. Video bitmaps, as in the game.
//   scripts/with-display.sh build/bench/bench_content_load [rounds]
#include "content/datapath.h"
#include "content/map.h"
#include "content/tileset.h"

#include <allegro5/allegro.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

using Clock = std::chrono::steady_clock;

double Millis(Clock::time_point from) { return std::chrono::duration<double, std::milli>(Clock::now() - from).count(); }

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// Reads a whole file into memory, as fast as stdio goes.
size_t ReadWhole(const std::string& path)
{
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) return 0;
    std::vector<char> bytes(1 << 16);
    size_t total = 0, got;
    while ((got = std::fread(bytes.data(), 1, bytes.size(), file)) > 0) total += got;
    std::fclose(file);
    return total;
}

}  // namespace

int main(int argc, char** argv)
{
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 20;
    if (!al_init()) return 2;
    ALLEGRO_DISPLAY* display = al_create_display(800, 600);
    if (!display) {
        std::fprintf(stderr, "no display: run under scripts/with-display.sh\n");
        return 2;
    }
    // The map finds its tile set under base/ of the working folder.
    fs::current_path(SODBOLT_SOURCE_DIR);
    const std::string tiles = "base/tiles/sodbolt.til";
    const std::string mapPath = "base/maps/level01.map";

    std::vector<double> tileLoad, tileRead, mapLoad, mapRead;
    size_t bytes = 0;
    for (int round = 0; round < rounds + 1; ++round) {
        auto start = Clock::now();
        bytes = ReadWhole(tiles);
        const double readMs = Millis(start);

        Tileset set;
        start = Clock::now();
        if (!set.Load(tiles.c_str())) {
            std::fprintf(stderr, "%s\n", set.lastError.c_str());
            return 1;
        }
        const double loadMs = Millis(start);
        set.Unload();

        start = Clock::now();
        const size_t mapBytes = ReadWhole(mapPath) + ReadWhole(tiles);
        const double mapReadMs = Millis(start);

        Map map;
        start = Clock::now();
        if (!map.Load(mapPath.c_str()) || map.tileSetFile.empty()) {
            std::fprintf(stderr, "%s did not load with its tile set\n", mapPath.c_str());
            return 1;
        }
        const double mapLoadMs = Millis(start);
        if (round == 0 || mapBytes == 0) continue;  // warm-up: the files come into the cache
        tileRead.push_back(readMs);
        tileLoad.push_back(loadMs);
        mapRead.push_back(mapReadMs);
        mapLoad.push_back(mapLoadMs);
    }

    std::printf("Content loads, median of %d (video bitmaps; the tile set is %zu bytes)\n", rounds, bytes);
    std::printf("tile set load:               %7.2f ms  (reference: reading its bytes %.2f ms)\n", Median(tileLoad),
                Median(tileRead));
    std::printf("map load with its tile set:  %7.2f ms  (reference: reading both files %.2f ms)\n", Median(mapLoad),
                Median(mapRead));
    al_destroy_display(display);
    return 0;
}
