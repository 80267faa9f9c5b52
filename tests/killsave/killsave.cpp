// Each kind of file the program writes is saved again and again by a child
// process, switching between two versions, and the child is SIGKILLed after a
// random wait: the file must then be one version whole, with nothing beside it
// but the saver's own temporary. Usage: killsave [KILLS_PER_KIND] [SEED]
#include "app/startup.h"
#include "audio/audiorules.h"
#include "content/imagefile.h"
#include "content/map.h"
#include "content/savegame.h"
#include "content/sprite.h"
#include "content/tileset.h"
#include "editors/toolpaths.h"
#include "kwui/core.h"

#include <allegro5/allegro.h>
#include <allegro5/allegro_image.h>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>

namespace fs = std::filesystem;

namespace {

// A picture that differs between the versions in every pixel.
ALLEGRO_BITMAP* MakePicture(int width, int height, int version)
{
    ALLEGRO_BITMAP* picture = al_create_bitmap(width, height);
    if (!picture) return nullptr;
    ALLEGRO_LOCKED_REGION* region = al_lock_bitmap(picture, ALLEGRO_PIXEL_FORMAT_ABGR_8888_LE, ALLEGRO_LOCK_WRITEONLY);
    for (int y = 0; y < height; ++y) {
        unsigned char* row = static_cast<unsigned char*>(region->data) + y * region->pitch;
        for (int x = 0; x < width; ++x) {
            row[x * 4 + 0] = static_cast<unsigned char>(x * 7 + version * 101);
            row[x * 4 + 1] = static_cast<unsigned char>(y * 3 + version * 53);
            row[x * 4 + 2] = static_cast<unsigned char>((x ^ y) + version * 29);
            row[x * 4 + 3] = 255;
        }
    }
    al_unlock_bitmap(picture);
    return picture;
}

// The objects being saved, each made once per version.
struct Versions {
    Map maps[2];
    Tileset tilesets[2];
    Sprite sprites[2];
    ALLEGRO_BITMAP* pictures[2] = {nullptr, nullptr};
};

bool Prepare(Versions& v, const std::string& kind)
{
    for (int version = 0; version < 2; ++version) {
        if (kind == "map") {
            Map& map = v.maps[version];
            map.title = version ? "Version B" : "Version A, a longer title";
            map.author = "killsave";
            map.timeLimit = static_cast<uint16_t>(60 + version);
            for (int row = 0; row < Map::kRows; ++row)
                for (int column = 0; column < Map::kColumns; ++column)
                    map.SetCell(column, row, static_cast<uint16_t>((row * 31 + column + version * 500) % 1024));
        } else if (kind == "tileset") {
            Tileset& tileset = v.tilesets[version];
            tileset.New();
            tileset.description = version ? "B" : "A";
            ALLEGRO_BITMAP* picture = MakePicture(Tileset::kAtlasSize, Tileset::kAtlasSize, version);
            if (!picture) return false;
            ALLEGRO_STATE state;
            al_store_state(&state, ALLEGRO_STATE_TARGET_BITMAP);
            al_set_target_bitmap(al_get_parent_bitmap(tileset.GetTileImage(0)));
            al_draw_bitmap(picture, 0, 0, 0);
            al_restore_state(&state);
            al_destroy_bitmap(picture);
        } else if (kind == "sprite") {
            Sprite& sprite = v.sprites[version];
            sprite.description = version ? "B" : "A";
            for (int frame = 0; frame < 4 + version; ++frame) {
                ALLEGRO_BITMAP* picture = MakePicture(96, 96, version * 8 + frame);
                if (!picture || !sprite.AddFrame(picture, "frame")) return false;
                al_destroy_bitmap(picture);
            }
        } else if (kind == "image") {
            v.pictures[version] = MakePicture(256 + version * 32, 256, version);
            if (!v.pictures[version]) return false;
        } else if (kind != "savegame" && kind != "settings" && kind != "toolkit") {
            return false;
        }
    }
    return true;
}

bool Save(Versions& v, const std::string& kind, const char* path, int version)
{
    if (kind == "map") return v.maps[version].Save(path);
    if (kind == "tileset") return v.tilesets[version].Save(path);
    if (kind == "sprite") return v.sprites[version].Save(path);
    if (kind == "image") return SaveBitmapReplacing(path, v.pictures[version]);
    if (kind == "savegame") {
        SaveGameSlot slot;
        slot.path = path;
        return SaveGame(slot, static_cast<int16_t>(version ? 11 : 3), static_cast<int16_t>(version ? SkillHard : SkillEasy));
    }
    if (kind == "toolkit") {
        // kwui2.ini as the toolkit writes it at shut-down
        ALLEGRO_CONFIG* config = al_create_config();
        KW_WriteVideoSettings(config, version ? 1024 : 800, version ? 768 : 600, version == 0);
        AudioSettings audio;
        audio.soundVolume = version ? 17 : 240;
        audio.musicLoadPath = version ? "" : "/home/player/music";
        WriteAudioSettings(config, audio);
        const bool saved = KW_SaveConfigReplacing(path, config);
        al_destroy_config(config);
        return saved;
    }
    // settings: sodbolt.ini as the program writes it at exit
    gSettingsFileName = path;
    ImageImportPath = version ? "/tmp/b" : "/home/player/pictures/imports";
    ImageExportPath = version ? "/tmp/b/out" : "";
    ImportZentorTilesPath = version ? "" : "/mnt/old/zentor/tiles";
    ImportZentorSpritePath = version ? "/tmp/b/sprites" : "";
    SaveToolPaths();
    return true;
}


struct Kind {
    const char* name;
    const char* fileName;
    const char* temporarySuffix;
};
const Kind kKinds[] = {
    {"map", "level01.map", ".tmp~"},       {"tileset", "tiles.til", ".tmp~"},
    {"sprite", "mower.spr", ".tmp~"},      {"savegame", "000.sav", ".tmp~"},
    {"settings", "sodbolt.ini", ".new"},   {"toolkit", "kwui2.ini", ".new"},
    {"image", "export.png", ".tmp~"},
};

std::string ReadWhole(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

// Kills a saver again and again; false when any kill left a broken file.
bool KillWhileSaving(const Kind& kind, const fs::path& folder, int kills, std::mt19937& random)
{
    Versions versions;
    if (!Prepare(versions, kind.name)) {
        std::printf("FAIL %s: cannot make the two versions\n", kind.name);
        return false;
    }
    fs::create_directories(folder / "ref");
    const fs::path refA = folder / "ref" / (std::string("a_") + kind.fileName);
    const fs::path refB = folder / "ref" / (std::string("b_") + kind.fileName);
    const double start = al_get_time();
    if (!Save(versions, kind.name, refA.c_str(), 0) || !Save(versions, kind.name, refB.c_str(), 1)) {
        std::printf("FAIL %s: the two versions could not be written\n", kind.name);
        return false;
    }
    const double saveSeconds = (al_get_time() - start) / 2;
    const std::string a = ReadWhole(refA), b = ReadWhole(refB);
    if (a.empty() || a == b) {
        std::printf("FAIL %s: the two versions are empty or the same\n", kind.name);
        return false;
    }

    const fs::path target = folder / kind.fileName;
    const std::string temporaryName = std::string(kind.fileName) + kind.temporarySuffix;
    fs::copy_file(refA, target);
    // The kill falls anywhere in the first three saves or so.
    const long windowMicroseconds = std::max(1000L, static_cast<long>(saveSeconds * 3e6));
    int wholeA = 0, wholeB = 0, insideWrite = 0, bad = 0;
    for (int kill = 1; kill <= kills; ++kill) {
        // A temporary left by an earlier kill stays; it counts only when this kill's saver wrote it.
        std::error_code noFile;
        const fs::path temporary = folder / temporaryName;
        const auto temporaryBefore = fs::last_write_time(temporary, noFile);
        const bool hadTemporary = !noFile;
        const int first = static_cast<int>(random() % 2);
        std::fflush(stdout);
        // The wait starts when the child is ready to save: a new process takes longer to start than a small
        // saver takes to write, so timed from the fork nearly every kill would fall before the first save.
        int ready[2];
        if (pipe(ready) != 0) {
            std::printf("FAIL %s: no pipe\n", kind.name);
            return false;
        }
        const pid_t child = fork();
        if (child == 0) {
            close(ready[0]);
            if (write(ready[1], "r", 1) != 1) _exit(1);
            for (int version = first;; version ^= 1)
                if (!Save(versions, kind.name, target.c_str(), version)) _exit(1);
        }
        close(ready[1]);
        char byte = 0;
        const bool started = child > 0 && read(ready[0], &byte, 1) == 1;
        close(ready[0]);
        if (!started) {
            std::printf("FAIL %s: no child process\n", kind.name);
            if (child > 0) {
                ::kill(child, SIGKILL);
                waitpid(child, nullptr, 0);
            }
            return false;
        }
        usleep(static_cast<useconds_t>(random() % static_cast<unsigned long>(windowMicroseconds)));
        ::kill(child, SIGKILL);
        int status = 0;
        waitpid(child, &status, 0);
        if (!WIFSIGNALED(status)) {
            std::printf("FAIL %s kill %d: the saver stopped by itself (a save failed)\n", kind.name, kill);
            ++bad;
        }

        const std::string now = ReadWhole(target);
        if (now == a) {
            ++wholeA;
        } else if (now == b) {
            ++wholeB;
        } else {
            std::printf("FAIL %s kill %d: %s is neither version (%zu bytes)\n", kind.name, kill, kind.fileName,
                        now.size());
            ++bad;
            fs::copy_file(refA, target, fs::copy_options::overwrite_existing);
        }
        for (const fs::directory_entry& entry : fs::directory_iterator(folder)) {
            const std::string name = entry.path().filename().string();
            if (name == "ref" || name == kind.fileName) continue;
            if (name == temporaryName) {
                if (!hadTemporary || fs::last_write_time(temporary, noFile) != temporaryBefore) ++insideWrite;
                continue;
            }
            std::printf("FAIL %s kill %d: %s left over\n", kind.name, kill, name.c_str());
            ++bad;
        }
    }
    std::printf("%s: %d kills (one save %.2f ms), file whole as version A %d times and B %d times, %d kills inside "
                "a write (its temporary left over), %d bad\n",
                kind.name, kills, saveSeconds * 1000, wholeA, wholeB, insideWrite, bad);
    return bad == 0;
}

}  // namespace

int main(int argc, char** argv)
{
    const int kills = argc > 1 ? std::atoi(argv[1]) : 50;
    std::mt19937 random(argc > 2 ? static_cast<unsigned>(std::atoi(argv[2])) : 17u);
    if (kills < 1 || !al_init() || !al_init_image_addon()) {
        std::fprintf(stderr, "usage: killsave [KILLS_PER_KIND] [SEED]\n");
        return 2;
    }
    al_set_new_bitmap_flags(ALLEGRO_MEMORY_BITMAP);
    char folderTemplate[] = "/tmp/killsave.XXXXXX";
    if (!mkdtemp(folderTemplate)) return 2;
    const fs::path work = folderTemplate;
    bool ok = true;
    for (const Kind& kind : kKinds)
        if (!KillWhileSaving(kind, work / kind.name, kills, random)) ok = false;
    std::error_code ignored;
    fs::remove_all(work, ignored);
    return ok ? 0 : 1;
}
