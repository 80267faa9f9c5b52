// Start-up to the main menu's first frame, from the program's exec, next to
// an empty Allegro window opened the same way; and the peak memory of the
// main menu and of a level played for a few seconds. Each figure is taken in
// a fresh process (the program starts once per process), several times.
//   scripts/with-display.sh build/bench/bench_startup [rounds [level-seconds]]
#include "app/menu.h"
#include "app/startup.h"
#include "audio/audio.h"
#include "content/datapath.h"
#include "content/savegame.h"
#include "game/playgame.h"
#include "game/playstate.h"
#include "game/resources.h"
#include "kwui/kwui.h"
#include "delayed_escape.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <thread>
#include <time.h>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;

namespace {

double NowMs()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<double>(now.tv_sec) * 1000.0 + static_cast<double>(now.tv_nsec) / 1e6;
}

double PeakMegabytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

// Waits until everything drawn so far has reached the screen's buffer.
void FinishDrawing()
{
    ALLEGRO_BITMAP* back = al_get_backbuffer(al_get_current_display());
    ALLEGRO_LOCKED_REGION* region = al_lock_bitmap_region(back, 0, 0, 1, 1, ALLEGRO_PIXEL_FORMAT_ANY,
                                                          ALLEGRO_LOCK_READONLY);
    if (region) al_unlock_bitmap(back);
}

// The reference: al_init, an 800 x 600 window, one cleared frame.
int ChildBare(double execStamp)
{
    if (!al_init()) return 2;
    al_set_new_display_flags(ALLEGRO_WINDOWED);
    ALLEGRO_DISPLAY* display = al_create_display(800, 600);
    if (!display) return 2;
    al_clear_to_color(al_map_rgb(0, 0, 0));
    al_flip_display();
    FinishDrawing();
    std::printf("%.3f %.3f %.3f\n", NowMs() - execStamp, 0.0, PeakMegabytes());
    al_destroy_display(display);
    return 0;
}

// The main menu's first frame as the program draws it: the menu built with
// its sounds, the background loaded, the menu music started, drawn, flipped.
void FirstMenuFrame()
{
    MenuScreen menu;
    menu.Init("Main Menu");
    menu.FindSounds();
    menu.AddItem("Play", "Get cutting", "NewGame");
    menu.AddItem("Options", "Set options or delete saved games", "options");
    menu.AddItem("Tools", "To the shed", "utils");
    menu.AddItem("Help", "How to mow a meadow", "question");
    menu.AddItem("Credits", "The people who made this game", "credits");
    menu.AddItem("Exit", "Hit the road", "exit");
    ALLEGRO_BITMAP* background = al_load_bitmap(ResolveDataPath(std::string("menuback.tga")).c_str());
    AudioClass::GetInstance().PlayMusic(MusicFilePath(gResources.menuMusic).c_str());
    DrawMenuBackground(background);
    menu.Update();
    KW_PresentFrame();
    FinishDrawing();
    if (background) al_destroy_bitmap(background);
}

// The program: StartUp, the first main-menu frame; then, with a level time,
// level 1 played (the mower standing) until Escape arrives.
int ChildProgram(double execStamp, double levelSeconds)
{
    const double started = NowMs();
    if (!StartUp()) return 2;
    const double startUpMs = NowMs() - started;
    FirstMenuFrame();
    const double firstFrameMs = NowMs() - execStamp;
    const double menuPeak = PeakMegabytes();
    if (levelSeconds <= 0) {
        std::printf("%.3f %.3f %.3f\n", firstFrameMs, startUpMs, menuPeak);
        ShutDown();
        return 0;
    }
    gCurrentSlot = &gSaveSlots[0];
    {
        DelayedEscape escape(levelSeconds);
        if (PlayGame("", 0, 1, false) == GameEnd::Error) {
            std::fprintf(stderr, "the level did not start: %s\n", GetGameError().c_str());
            ShutDown();
            return 2;
        }
    }
    std::printf("%.3f %.3f %.3f\n", menuPeak, 0.0, PeakMegabytes());
    ShutDown();
    return 0;
}

struct Sample {
    double first = 0, second = 0, third = 0;
};

// Runs this program again as a child in MODE and reads its one line.
bool RunChild(const char* self, const char* mode, const std::string& extra, Sample& sample)
{
    int pipeEnds[2];
    if (pipe(pipeEnds) != 0) return false;
    char stamp[64];
    std::snprintf(stamp, sizeof stamp, "%.6f", NowMs());
    const pid_t pid = fork();
    if (pid == 0) {
        dup2(pipeEnds[1], STDOUT_FILENO);
        close(pipeEnds[0]);
        close(pipeEnds[1]);
        execl(self, self, "--child", mode, stamp, extra.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    close(pipeEnds[1]);
    char line[256] = {};
    const ssize_t got = read(pipeEnds[0], line, sizeof line - 1);
    close(pipeEnds[0]);
    int status = 0;
    waitpid(pid, &status, 0);
    if (got <= 0 || !WIFEXITED(status) || WEXITSTATUS(status) != 0) return false;
    return std::sscanf(line, "%lf %lf %lf", &sample.first, &sample.second, &sample.third) == 3;
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.empty() ? 0.0 : values[values.size() / 2];
}

// A scratch working folder: a copy of the content (a level writes its save),
// the toolkit's data, an 800 x 600 window.
fs::path MakeWorkFolder()
{
    const fs::path work = fs::temp_directory_path() / ("sodbolt_bench_startup_" + std::to_string(getpid()));
    fs::remove_all(work);
    fs::create_directories(work);
    fs::copy(fs::path(SODBOLT_SOURCE_DIR) / "base", work / "base", fs::copy_options::recursive);
    fs::create_directory_symlink(fs::path(SODBOLT_SOURCE_DIR) / "kwuidata", work / "kwuidata");
    std::FILE* ini = std::fopen((work / "kwui2.ini").c_str(), "w");
    std::fputs("[video]\nwidth=800\nheight=600\nwindow=True\n", ini);
    std::fclose(ini);
    return work;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc >= 4 && std::strcmp(argv[1], "--child") == 0) {
        const double stamp = std::atof(argv[3]);
        if (std::strcmp(argv[2], "bare") == 0) return ChildBare(stamp);
        return ChildProgram(stamp, argc > 4 ? std::atof(argv[4]) : 0.0);
    }

    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
    const double levelSeconds = argc > 2 ? std::atof(argv[2]) : 5.0;
    char self[4096] = {};
    if (readlink("/proc/self/exe", self, sizeof self - 1) <= 0) return 1;
    const fs::path work = MakeWorkFolder();
    fs::current_path(work);

    std::vector<double> bare, program, startUp, menuPeak, barePeak;
    for (int round = 0; round < rounds; ++round) {
        Sample sample;
        if (!RunChild(self, "bare", "", sample)) {
            std::fprintf(stderr, "the empty window did not open (run under scripts/with-display.sh)\n");
            return 1;
        }
        bare.push_back(sample.first);
        barePeak.push_back(sample.third);
        if (!RunChild(self, "program", "0", sample)) {
            std::fprintf(stderr, "the program did not start\n");
            return 1;
        }
        program.push_back(sample.first);
        startUp.push_back(sample.second);
        menuPeak.push_back(sample.third);
    }
    Sample level;
    const bool levelRan = RunChild(self, "program", std::to_string(levelSeconds), level);

    std::printf("Start-up, median of %d fresh processes, 800 x 600 window\n", rounds);
    std::printf("exec to the main menu's first frame:   %8.1f ms  (StartUp alone %.1f ms)\n", Median(program),
                Median(startUp));
    std::printf("exec to an empty Allegro window frame: %8.1f ms  (reference)\n", Median(bare));
    std::printf("peak memory, main menu:                %8.1f MB\n", Median(menuPeak));
    if (levelRan)
        std::printf("peak memory, level 1 played %.0f s:      %8.1f MB  (reference: empty window %.1f MB)\n",
                    levelSeconds, level.third, Median(barePeak));
    else
        std::printf("peak memory, level 1: the level did not run\n");

    fs::current_path(fs::temp_directory_path());
    fs::remove_all(work);
    return levelRan ? 0 : 1;
}
