// CPU use of a screen idling at 60 frames a second: the toolkit's frame end
// (which rests between timer polls) next to the same loop with a busy wait.
//   scripts/with-display.sh build/bench/bench_menu_cpu [seconds]
#include "audio/audio.h"
#include "kwui/kwui.h"

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <string>

namespace fs = std::filesystem;

namespace {
struct Result {
    double cpuSeconds;
    double wallSeconds;
    int frames;
};

// One frame of the holding screen: clear, text, console, then the frame end.
Result RunScreen(double seconds, bool busyWait)
{
    const std::clock_t cpuStart = std::clock();
    const double wallStart = al_get_time();
    int frames = 0;
    while (al_get_time() - wallStart < seconds) {
        al_clear_to_color(al_map_rgb(24, 64, 24));
        KW_DrawFontText(kwFontMedium, 20, 20, al_map_rgb(255, 255, 255), "Sodbolt");
        KW_DrawTextF(600, kwScreenH - 50, KW_Colour(KWC_Console), "%s", "Sodbolt v1.1");
        KW_PollEvents();
        if (busyWait)
            while (!KW_TimerTick()) {
            }
        else
            KW_WaitForTick();
        KW_DrawConsole();
        KW_DrawToolTips();
        al_flip_display();
        ++frames;
    }
    return {double(std::clock() - cpuStart) / CLOCKS_PER_SEC, al_get_time() - wallStart, frames};
}

void Report(const char* name, const Result& r)
{
    std::printf("%-28s %6.1f%% of a core  %5.1f frames/s\n", name, 100.0 * r.cpuSeconds / r.wallSeconds,
                r.frames / r.wallSeconds);
}
}  // namespace

int main(int argc, char** argv)
{
    const double seconds = argc > 1 ? std::atof(argv[1]) : 10.0;

    // A scratch working folder with the toolkit's data and a fixed window.
    const fs::path work = fs::temp_directory_path() / "sodbolt_bench_menu";
    fs::remove_all(work);
    fs::create_directories(work);
    fs::create_directory_symlink(fs::path(SODBOLT_SOURCE_DIR) / "kwuidata", work / "kwuidata");
    std::FILE* ini = std::fopen((work / "kwui2.ini").c_str(), "w");
    std::fputs("[video]\nwidth=800\nheight=600\nwindow=True\n", ini);
    std::fclose(ini);
    fs::current_path(work);

    InstallAudioHooks();

    if (!KW_Init()) return 1;
    std::printf("Idle screen, %.0f s each, 800 x 600 window\n", seconds);
    Report("frame end resting", RunScreen(seconds, false));
    Report("busy-wait reference", RunScreen(seconds, true));
    KW_Shutdown();
    fs::current_path(fs::temp_directory_path());
    fs::remove_all(work);
    return 0;
}
