// Writes the seed corpora: valid files of every format, from the program's own
// savers and, for the legacy formats, the unit tests' file builders.
#include "content/map.h"
#include "content/savegame.h"
#include "content/sprite.h"
#include "content/tileset.h"
#include "tests/unit/content_bytes.h"

#include <allegro5/allegro.h>

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

static bool WriteBytes(const std::string& path, const Bytes& bytes)
{
    FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) return false;
    const bool ok = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    return std::fclose(file) == 0 && ok;
}

// A tile set small enough to fuzz: 1024 tiles of 1 x 1 and one of 32 x 32.
static Bytes SmallTileset(int version)
{
    Bytes b;
    PutString(b, "Sodbolt Tileset");
    PutU16(b, static_cast<unsigned>(version));
    PutString(b, "seed");
    for (int i = 0; i < 1024; ++i) {
        PutString(b, i == 0 ? "Grass" : "");
        PutU8(b, static_cast<unsigned>(i % 4));
        const int side = i == 1 ? 32 : 1;
        PutU16(b, static_cast<unsigned>(side));
        PutU16(b, static_cast<unsigned>(side));
        for (int p = 0; p < side * side * 3; ++p) PutU8(b, static_cast<unsigned>(p * 7));
    }
    return b;
}

static Bytes OldMap(int version)
{
    Bytes b;
    PutString(b, "Sodbolt Map File");
    PutU16(b, static_cast<unsigned>(version));
    PutString(b, "Old lawn");
    for (unsigned v : {60u, 2u, 100u, 100u}) PutU16(b, v);
    const int count = version == 1 ? 21 * 32 : 400;
    for (int i = 0; i < count; ++i) PutU16(b, static_cast<unsigned>(i * 37 % 1100));
    return b;
}

int main(int argc, char** argv)
{
    if (argc < 2 || !al_init()) return 2;
    const std::string root = argv[1];
    bool ok = true;

    ok &= WriteBytes(root + "/tileset/small.til", SmallTileset(1));
    ok &= WriteBytes(root + "/tileset/small-v0.til", SmallTileset(0));

    Map map;
    map.New();
    map.title = "Seed";
    map.author = "Fuzz";
    map.cells[5] = 1023;
    ok &= map.Save((root + "/map/new.map").c_str());
    ok &= WriteBytes(root + "/map/v1.map", OldMap(1));
    ok &= WriteBytes(root + "/map/v2.map", OldMap(2));

    Sprite sprite;
    ALLEGRO_BITMAP* image = al_create_bitmap(5, 3);
    al_set_target_bitmap(image);
    al_clear_to_color(al_map_rgb(30, 140, 20));
    al_put_pixel(0, 0, al_map_rgba(0, 0, 0, 0));
    al_set_target_bitmap(nullptr);
    ok &= sprite.AddFrame(image, "one");
    ok &= sprite.AddFrame(image, "two");
    sprite.SetFrameTime(1, -1);
    al_destroy_bitmap(image);
    ok &= sprite.Save((root + "/sprite/two.spr").c_str());

    SaveGameSlot slot;
    slot.path = root + "/savegame/000.sav";
    ok &= SaveGame(slot, 2, 1);

    ok &= WriteBytes(root + "/zentor_tileset/v6.til", ZentorTileset());
    for (int version : {1, 3, 4, 6})
        ok &= WriteBytes(root + "/zentor_sprite/v" + std::to_string(version) + ".spr", ZentorSprite(version, "Qdx Sprite File", 2, 1));

    // Tiled files: maps with their tile set inside (CSV and base64-zlib layers), and a TSX.
    const std::string tileset = "<tileset firstgid=\"1\" name=\"sodbolt\" tilewidth=\"32\" tileheight=\"32\" "
                                "tilecount=\"1024\" columns=\"32\"><image source=\"sodbolt.png\" trans=\"ff00ff\"/></tileset>";
    const std::string start = "<?xml version=\"1.0\"?>\n<map version=\"1.8\" orientation=\"orthogonal\" width=\"25\" "
                              "height=\"16\" tilewidth=\"32\" tileheight=\"32\" infinite=\"0\"><properties>"
                              "<property name=\"title\" value=\"Seed\"/><property name=\"timeLimit\" type=\"int\" "
                              "value=\"90\"/></properties>" + tileset + "<layer id=\"1\" name=\"field\" width=\"25\" height=\"16\">";
    const std::string end = "</layer><objectgroup id=\"2\" name=\"start\"><object id=\"1\" x=\"400\" y=\"256\"><point/>"
                            "</object></objectgroup></map>\n";
    std::string csv;
    for (int i = 0; i < 400; ++i) csv += std::to_string(i % 7 + 1) + (i < 399 ? "," : "");
    const std::string csvMap = start + "<data encoding=\"csv\">" + csv + "</data>" + end;
    ok &= WriteBytes(root + "/tiled/csv.tmx", Bytes(csvMap.begin(), csvMap.end()));
    // 400 ids of 1, packed with zlib and written in base64.
    const std::string zlibMap = start + "<data encoding=\"base64\" compression=\"zlib\">eJxjZGBgYBzFo3gUj+JRPIpJxADrnAGR</data>" + end;
    ok &= WriteBytes(root + "/tiled/zlib.tmx", Bytes(zlibMap.begin(), zlibMap.end()));
    const std::string tsx = "<?xml version=\"1.0\"?>\n<tileset name=\"sodbolt\" tilewidth=\"32\" tileheight=\"32\" "
                            "tilecount=\"1024\" columns=\"32\"><properties><property name=\"description\" value=\"x\"/>"
                            "</properties><image source=\"sodbolt.png\" trans=\"ff00ff\" width=\"1024\" height=\"1024\"/>"
                            "<tile id=\"1\"><properties><property name=\"type\" value=\"Grass\"/></properties></tile></tileset>\n";
    ok &= WriteBytes(root + "/tiled/set.tsx", Bytes(tsx.begin(), tsx.end()));

    if (!ok) std::fprintf(stderr, "make_seeds: could not write every seed\n");
    return ok ? 0 : 1;
}
