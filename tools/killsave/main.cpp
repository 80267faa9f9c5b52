// killsave: saves one kind of file again and again through the program's own
// savers, switching between two fixed versions, until it is killed. The kill
// test (tests/killsave/run.sh) ends it with SIGKILL at random moments and
// checks that the file is always one whole version or the other.
//   killsave reference KIND FILE_A FILE_B   writes version A and version B once and
//                                           prints the time of one save in microseconds
//   killsave loop KIND FILE [FIRST]         prints "saving", then saves FILE as A, B, A,
//                                           ... (from FIRST, 0 or 1) without end
// KIND: map, tileset, sprite, savegame, settings (sodbolt.ini), image (an
// exported picture).
#include "app/startup.h"
#include "app/toolpaths.h"
#include "content/imagefile.h"
#include "content/map.h"
#include "content/savegame.h"
#include "content/sprite.h"
#include "content/tileset.h"

#include <allegro5/allegro.h>
#include <allegro5/allegro_image.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

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
        } else if (kind != "savegame" && kind != "settings") {
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
    // settings: sodbolt.ini as the program writes it at exit
    gSettingsFileName = path;
    ImageImportPath = version ? "/tmp/b" : "/home/player/pictures/imports";
    ImageExportPath = version ? "/tmp/b/out" : "";
    ImportZentorTilesPath = version ? "" : "/mnt/old/zentor/tiles";
    ImportZentorSpritePath = version ? "/tmp/b/sprites" : "";
    SaveToolPaths();
    return true;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 4 || !al_init() || !al_init_image_addon()) {
        std::fprintf(stderr, "usage: killsave reference KIND FILE_A FILE_B | loop KIND FILE [FIRST]\n");
        return 2;
    }
    al_set_new_bitmap_flags(ALLEGRO_MEMORY_BITMAP);
    const std::string mode = argv[1], kind = argv[2];
    static Versions versions;
    if (!Prepare(versions, kind)) {
        std::fprintf(stderr, "killsave: cannot make the versions of %s\n", kind.c_str());
        return 2;
    }
    if (mode == "reference" && argc == 5) {
        const double start = al_get_time();
        const bool saved = Save(versions, kind, argv[3], 0) && Save(versions, kind, argv[4], 1);
        std::printf("%d\n", static_cast<int>((al_get_time() - start) / 2 * 1e6));
        return saved ? 0 : 1;
    }
    if (mode != "loop") return 2;
    std::printf("saving\n");
    std::fflush(stdout);
    for (int version = argc > 4 ? std::atoi(argv[4]) & 1 : 0;; version ^= 1) {
        if (!Save(versions, kind, argv[3], version)) {
            std::fprintf(stderr, "killsave: a save of %s failed\n", argv[3]);
            return 1;
        }
    }
}
