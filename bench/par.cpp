// The par times of every level of game.ini: the route planner run on each
// map (the cache emptied first), next to the same look-ups answered from the
// cache. The planning must stay below 100 ms of CPU for all levels together
// (the clock's figure is printed beside it): the game plans a par when a
// level is won.
//   build/bench/bench_par [rounds]
#include "content/datapath.h"
#include "content/map.h"
#include "game/par.h"
#include "game/playstate.h"
#include "game/resources.h"

#include <allegro5/allegro.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <time.h>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

double Millis(Clock::time_point from) { return std::chrono::duration<double, std::milli>(Clock::now() - from).count(); }

// The time this thread has run, so that other work on a busy machine does not count.
double CpuMillis()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return now.tv_sec * 1000.0 + now.tv_nsec / 1e6;
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

}  // namespace

int main(int argc, char** argv)
{
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 20;
    if (!al_init()) return 2;
    al_set_new_bitmap_flags(ALLEGRO_MEMORY_BITMAP);
    std::filesystem::current_path(SODBOLT_SOURCE_DIR);
    if (!LoadMapsList() || !gResources.mowerSprite.Load("base/sprites/mower.spr")) {
        std::fprintf(stderr, "the level list or the mower did not load: %s\n", GetGameError().c_str());
        return 1;
    }
    std::vector<std::unique_ptr<Map>> maps;
    std::vector<std::string> bytes;
    for (const std::string& relative : gPlay.mapPaths) {
        const std::string path = ResolveDataPath(relative);
        maps.push_back(std::make_unique<Map>());
        if (!maps.back()->Load(path.c_str())) {
            std::fprintf(stderr, "%s\n", maps.back()->lastError.c_str());
            return 1;
        }
        std::ifstream in(path, std::ios::binary);
        bytes.emplace_back(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }

    std::vector<double> planned, plannedCpu, cached;
    double total = 0.0;
    for (int round = 0; round < rounds + 1; ++round) {
        ClearParCache();
        auto start = Clock::now();
        const double cpuStart = CpuMillis();
        for (size_t i = 0; i < maps.size(); ++i) total += ParSeconds(bytes[i], *maps[i], gResources.mowerSprite);
        const double planMs = Millis(start), planCpuMs = CpuMillis() - cpuStart;
        start = Clock::now();
        for (size_t i = 0; i < maps.size(); ++i) total += ParSeconds(bytes[i], *maps[i], gResources.mowerSprite);
        const double cacheMs = Millis(start);
        if (round == 0) continue;  // the first round warms the caches
        planned.push_back(planMs);
        plannedCpu.push_back(planCpuMs);
        cached.push_back(cacheMs);
    }
    std::printf("par of %zu levels planned: %.2f ms of CPU (limit 100 ms), %.2f ms on the clock; from the cache: "
                "%.3f ms (checksum %.1f)\n",
                maps.size(), Median(plannedCpu), Median(planned), Median(cached), total);
    gResources.mowerSprite.Clear();
    return Median(plannedCpu) < 100.0 ? 0 : 1;
}
