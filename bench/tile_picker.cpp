// Opening the "Select Tile" picker on a full 1024-tile set: the browser is
// built, its first page drawn and shown, and Escape (queued before it opened)
// closes it on the next frame. The reference is the same round trip through
// a browser of one tile, so the difference is what the 1024 tiles cost.
//   scripts/with-display.sh build/bench/bench_tile_picker [rounds]
#include "content/tileset.h"
#include "editors/tilepicker.h"
#include "audio/audio.h"
#include "kwui/kwui.h"
#include "kwui/objectbrowser.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <time.h>
#include <vector>

namespace fs = std::filesystem;

namespace {

double NowMs()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<double>(now.tv_sec) * 1000.0 + static_cast<double>(now.tv_nsec) / 1e6;
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// Queues one Escape key for the toolkit's next event poll.
struct KeyInjector {
    ALLEGRO_EVENT_SOURCE source{};
    KeyInjector()
    {
        al_init_user_event_source(&source);
        al_register_event_source(kwQueue, &source);
    }
    ~KeyInjector()
    {
        al_unregister_event_source(kwQueue, &source);
        al_destroy_user_event_source(&source);
    }
    void Escape()
    {
        ALLEGRO_EVENT event;
        std::memset(&event, 0, sizeof event);
        event.type = ALLEGRO_EVENT_KEY_CHAR;
        event.keyboard.keycode = ALLEGRO_KEY_ESCAPE;
        al_emit_user_event(&source, &event, nullptr);
    }
};

// One tile in a browser of its own: the reference round trip.
void OneTileBrowser(const Tileset& set)
{
    ObjectBrowser browser;
    browser.title = "Select Tile";
    browser.AddItem(set.tiles[0].image, "%s", "Tile 0");
    browser.Layout();
    browser.Run(0, false);
    browser.Clear();
}

}  // namespace

int main(int argc, char** argv)
{
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 20;

    const fs::path work = fs::temp_directory_path() / "sodbolt_bench_picker";
    fs::remove_all(work);
    fs::create_directories(work);
    fs::create_directory_symlink(fs::path(SODBOLT_SOURCE_DIR) / "kwuidata", work / "kwuidata");
    std::FILE* ini = std::fopen((work / "kwui2.ini").c_str(), "w");
    std::fputs("[video]\nwidth=800\nheight=600\nwindow=True\n", ini);
    std::fclose(ini);
    fs::current_path(work);
    InstallAudioHooks();
    if (!KW_Init()) return 1;

    // The game's own tile set, as the map editor holds it.
    Tileset set;
    const std::string tiles = std::string(SODBOLT_SOURCE_DIR) + "/base/tiles/sodbolt.til";
    if (!set.Load(tiles.c_str())) {
        std::fprintf(stderr, "%s\n", set.lastError.c_str());
        set.New();
    }

    std::vector<double> picker, single;
    {
        KeyInjector keys;  // gone before the toolkit's queue goes
        for (int round = 0; round < rounds + 2; ++round) {
            int tile = 517;
            keys.Escape();
            double start = NowMs();
            SelectTile(set, tile, true);
            const double pickerMs = NowMs() - start;

            keys.Escape();
            start = NowMs();
            OneTileBrowser(set);
            const double singleMs = NowMs() - start;
            if (round < 2) continue;  // warm-up
            picker.push_back(pickerMs);
            single.push_back(singleMs);
        }
    }

    std::printf("Tile picker, median of %d openings (open, first page shown, closed on the next frame)\n", rounds);
    std::printf("1024 tiles:         %7.1f ms\n", Median(picker));
    std::printf("one tile:           %7.1f ms  (reference: the same two frames with nothing to lay out)\n",
                Median(single));
    std::printf("the 1024 tiles add: %7.1f ms\n", Median(picker) - Median(single));
    std::printf("ratio:              %7.2fx the one-tile round trip (target at most 2x)\n",
                Median(picker) / Median(single));

    set.Unload();
    KW_Shutdown();
    fs::current_path(fs::temp_directory_path());
    fs::remove_all(work);
    return 0;
}
