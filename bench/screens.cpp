// Screens as the program runs them, each next to its floor measured in the
// same run: a level played (the mower standing; level 1, and level 12 with
// its six clouds on the larger screens) at several window sizes
// beside a loop that draws one scaled 800 x 512 bitmap a frame at the same
// size. For each: the
// time between presented frames (median, 95th percentile) and the CPU the
// process took (percent of one core). Every run is a fresh process.
//   scripts/with-display.sh build/bench/bench_screens [seconds]
// (bench/run.sh gives the display a 1920 x 1080 screen.)
#include "app/startup.h"
#include "content/datapath.h"
#include "editors/mapeditor.h"
#include "editors/spriteeditor.h"
#include "editors/tileeditor.h"
#include "audio/audio.h"
#include "content/savegame.h"
#include "game/playgame.h"
#include "game/playstate.h"
#include "kwui/kwui.h"
#include "delayed_escape.h"

#include <allegro5/allegro_primitives.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <time.h>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;

namespace {

double Seconds(clockid_t clock)
{
    timespec now{};
    clock_gettime(clock, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) / 1e9;
}

// Every presented frame: when, and the process's CPU time by then.
struct Stamp {
    double wall, cpu;
};
std::vector<Stamp> gStamps;
void OnPresented() { gStamps.push_back({Seconds(CLOCK_MONOTONIC), Seconds(CLOCK_PROCESS_CPUTIME_ID)}); }

// A picture of 32-pixel squares in many colours, for the reference loops.
ALLEGRO_BITMAP* CheckedPicture(int width, int height)
{
    ALLEGRO_BITMAP* picture = al_create_bitmap(width, height);
    al_set_target_bitmap(picture);
    for (int y = 0; y < height; y += 32)
        for (int x = 0; x < width; x += 32)
            al_draw_filled_rectangle(x, y, x + 32, y + 32, al_map_rgb((x * 7) & 255, (y * 5) & 255, 90));
    al_set_target_backbuffer(kwDisplay);
    return picture;
}

// The floor: one 800 x 512 bitmap scaled over the map window's place each
// frame, copied without blending, then the toolkit's frame end.
void ScaledBitmapLoop(double seconds)
{
    ALLEGRO_BITMAP* picture = CheckedPicture(kFieldWidth, kFieldHeight);
    const WindowFit fit = FitMapWindow(kwScreenW, kwScreenH);
    const double end = Seconds(CLOCK_MONOTONIC) + seconds;
    al_set_blender(ALLEGRO_ADD, ALLEGRO_ONE, ALLEGRO_ZERO);
    while (Seconds(CLOCK_MONOTONIC) < end) {
        KW_RedrawAll();  // a new picture every frame
        al_draw_scaled_bitmap(picture, 0, 0, kFieldWidth, kFieldHeight, fit.x, 0, fit.width, fit.height, 0);
        KW_PresentFrame();
    }
    al_set_blender(ALLEGRO_ADD, ALLEGRO_ONE, ALLEGRO_INVERSE_ALPHA);
    al_destroy_bitmap(picture);
}

// The idle screens' reference: one screen-size bitmap drawn over the window
// each frame, as a menu's background is, then the toolkit's frame end.
[[noreturn]] void ScreenBitmapLoop()
{
    ALLEGRO_BITMAP* picture = CheckedPicture(kwScreenW, kwScreenH);
    for (;;) {
        KW_RedrawAll();
        al_draw_bitmap(picture, 0, 0, 0);
        KW_PresentFrame();
    }
}

// An idle screen shows few frames, so its CPU is taken over the wall clock:
// from one second in to the end, then the process ends from this thread.
void MeasureIdleThenEnd(double seconds)
{
    std::thread([seconds] {
        std::this_thread::sleep_for(std::chrono::seconds(1));
        const double wall0 = Seconds(CLOCK_MONOTONIC), cpu0 = Seconds(CLOCK_PROCESS_CPUTIME_ID);
        std::this_thread::sleep_for(std::chrono::duration<double>(seconds - 1.0));
        const double cpu = (Seconds(CLOCK_PROCESS_CPUTIME_ID) - cpu0) / (Seconds(CLOCK_MONOTONIC) - wall0) * 100.0;
        std::printf("0 0 %.1f\n", cpu);
        std::fflush(stdout);
        _exit(0);
    }).detach();
}

// One measurement in this process: MODE at W x H for SECONDS; prints
// "median-ms p95-ms cpu-percent" over the frames after the first second.
int Child(const std::string& mode, int width, int height, double seconds)
{
    const fs::path work = fs::temp_directory_path() / ("sodbolt_bench_screens_" + std::to_string(getpid()));
    fs::remove_all(work);
    fs::create_directories(work);
    fs::copy(fs::path(SODBOLT_SOURCE_DIR) / "base", work / "base", fs::copy_options::recursive);
    fs::create_directory_symlink(fs::path(SODBOLT_SOURCE_DIR) / "kwuidata", work / "kwuidata");
    std::FILE* ini = std::fopen((work / "kwui2.ini").c_str(), "w");
    std::fprintf(ini, "[video]\nwidth=%d\nheight=%d\nwindow=True\n", width, height);
    std::fclose(ini);
    fs::current_path(work);
    if (!StartUp()) return 2;
    if (kwScreenW != width || kwScreenH != height) {
        std::fprintf(stderr, "the window is %d x %d, not %d x %d\n", kwScreenW, kwScreenH, width, height);
        ShutDown();
        return 2;
    }
    kwFramePresentedHook = OnPresented;
    int code = 0;
    if (mode == "bitmap" || mode == "menu" || mode == "map" || mode == "tiles" || mode == "sprites") {
        MeasureIdleThenEnd(seconds);
        if (mode == "bitmap") ScreenBitmapLoop();
        if (mode == "menu") RunMainMenu();
        if (mode == "map") {
            static MapEditor editor;
            RunMapEditor(editor);
        }
        if (mode == "tiles") {
            static TileEditor editor;
            RunTileEditor(editor, ResolveDataPath(std::string("tiles/sodbolt.til")).c_str(), 0);
        }
        if (mode == "sprites") {
            static SpriteEditor editor;
            RunSpriteEditor(editor);
        }
        for (;;) std::this_thread::sleep_for(std::chrono::seconds(1));  // the measuring thread ends the process
    }
    if (mode == "floor") {
        ScaledBitmapLoop(seconds);
    } else if (mode == "level" || mode == "clouds") {
        // level 1 has no clouds; level 12 the most, six
        gCurrentSlot = &gSaveSlots[0];
        DelayedEscape escape(seconds);
        if (PlayGame("", mode == "level" ? 0 : 11, 1, false) == GameEnd::Error) code = 2;
    }
    kwFramePresentedHook = nullptr;
    ShutDown();
    fs::current_path(fs::temp_directory_path());
    fs::remove_all(work);
    if (code != 0) return code;

    std::vector<Stamp> kept;
    for (const Stamp& stamp : gStamps)
        if (!gStamps.empty() && stamp.wall >= gStamps.front().wall + 1.0) kept.push_back(stamp);
    if (kept.size() < 10) return 3;
    std::vector<double> gaps;
    for (size_t i = 1; i < kept.size(); ++i) gaps.push_back((kept[i].wall - kept[i - 1].wall) * 1000.0);
    std::sort(gaps.begin(), gaps.end());
    const double cpu = (kept.back().cpu - kept.front().cpu) / (kept.back().wall - kept.front().wall) * 100.0;
    std::printf("%.2f %.2f %.1f\n", gaps[gaps.size() / 2], gaps[gaps.size() * 95 / 100], cpu);
    return 0;
}

struct Figures {
    double median = 0, p95 = 0, cpu = 0;
    bool ok = false;
};

Figures Run(const char* self, const char* mode, int width, int height, double seconds)
{
    Figures figures;
    int ends[2];
    if (pipe(ends) != 0) return figures;
    const pid_t pid = fork();
    if (pid == 0) {
        dup2(ends[1], STDOUT_FILENO);
        close(ends[0]);
        close(ends[1]);
        const std::string w = std::to_string(width), h = std::to_string(height), s = std::to_string(seconds);
        execl(self, self, "--child", mode, w.c_str(), h.c_str(), s.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    close(ends[1]);
    char line[256] = {};
    const ssize_t got = read(ends[0], line, sizeof line - 1);
    close(ends[0]);
    int status = 0;
    waitpid(pid, &status, 0);
    figures.ok = got > 0 && WIFEXITED(status) && WEXITSTATUS(status) == 0 &&
                 std::sscanf(line, "%lf %lf %lf", &figures.median, &figures.p95, &figures.cpu) == 3;
    return figures;
}

void Print(const char* what, const Figures& program, const Figures& floor)
{
    if (!program.ok || !floor.ok) {
        std::printf("%-24s did not run\n", what);
        return;
    }
    std::printf("%-24s frames %5.1f / %5.1f ms (median / p95), CPU %5.1f %%  |  floor %5.1f / %5.1f ms, CPU %5.1f %%  |  "
                "CPU ratio %.2f\n",
                what, program.median, program.p95, program.cpu, floor.median, floor.p95, floor.cpu,
                program.cpu / floor.cpu);
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc >= 6 && std::strcmp(argv[1], "--child") == 0)
        return Child(argv[2], std::atoi(argv[3]), std::atoi(argv[4]), std::atof(argv[5]));

    const double seconds = argc > 1 ? std::max(2.0, std::atof(argv[1])) : 6.0;
    char self[4096] = {};
    if (readlink("/proc/self/exe", self, sizeof self - 1) <= 0) return 1;

    std::printf("Screens as the program runs them, %.0f s each, fresh process each; floor: one scaled\n"
                "800 x 512 bitmap a frame at the same size. The machine is shared: compare the ratios.\n",
                seconds);
    // Idle screens at 800 x 600: nothing pressed, nothing moving but what
    // the screen animates itself.
    const Figures bitmap = Run(self, "bitmap", 800, 600, seconds);
    for (const auto& [mode, what] : {std::pair{"menu", "idle main menu"}, {"map", "idle map editor"},
                                     {"tiles", "idle tile editor"}, {"sprites", "idle sprite editor"}}) {
        const Figures idle = Run(self, mode, 800, 600, seconds);
        if (!idle.ok || !bitmap.ok)
            std::printf("%-24s did not run\n", what);
        else
            std::printf("%-24s CPU %5.1f %%  |  one 800 x 600 bitmap a frame: CPU %5.1f %%  |  CPU ratio %.2f\n", what,
                        idle.cpu, bitmap.cpu, idle.cpu / bitmap.cpu);
    }
    for (const auto& [width, height] : {std::pair{800, 600}, {1280, 720}, {1920, 1080}}) {
        const Figures floor = Run(self, "floor", width, height, seconds);
        const std::string what = "level " + std::to_string(width) + "x" + std::to_string(height);
        Print(what.c_str(), Run(self, "level", width, height, seconds), floor);
        if (width == 800) continue;
        const std::string cloudy = "level 12, 6 clouds, " + std::to_string(width) + "x" + std::to_string(height);
        Print(cloudy.c_str(), Run(self, "clouds", width, height, seconds), floor);
    }
    return 0;
}
