// Writes the seed corpora: valid files of every format, made with the
// program's own savers where it has them.
#include "content/map.h"
#include "content/savegame.h"
#include "content/sprite.h"
#include "content/tileset.h"

#include <allegro5/allegro.h>

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

using Bytes = std::vector<uint8_t>;

static void PutU8(Bytes& b, unsigned v) { b.push_back(static_cast<uint8_t>(v)); }
static void PutU16(Bytes& b, unsigned v)
{
    PutU8(b, v & 0xFF);
    PutU8(b, (v >> 8) & 0xFF);
}
static void PutU32(Bytes& b, uint32_t v)
{
    PutU16(b, v & 0xFFFF);
    PutU16(b, v >> 16);
}
static void PutString(Bytes& b, const std::string& text)
{
    PutU16(b, static_cast<unsigned>(text.size()));
    b.insert(b.end(), text.begin(), text.end());
}
static void PutFixed(Bytes& b, const std::string& text, size_t width)
{
    for (size_t i = 0; i < width; ++i) PutU8(b, i < text.size() ? static_cast<uint8_t>(text[i]) : 0);
}
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

static Bytes ZentorTileset()
{
    Bytes b;
    PutFixed(b, "Qdx Type 4 Tileset", 32);
    PutU32(b, 6);
    b.resize(b.size() + 1024, 0);
    for (int i = 0; i < 1024; ++i) {
        PutU8(b, static_cast<unsigned>(i % 5));
        PutFixed(b, "Tile", 27);
    }
    b.resize(b.size() + 312320, 0);
    for (int i = 0; i < 1024 * 256; ++i) PutU16(b, static_cast<unsigned>(i * 2654435761u >> 16));
    return b;
}

static Bytes ZentorSprite(int version)
{
    const bool eightBit = version < 4;
    Bytes b;
    PutFixed(b, "Qdx Sprite File", 32);
    PutU32(b, static_cast<uint32_t>(version));
    PutFixed(b, "Old", 32);
    PutU8(b, 2);
    PutU8(b, 1);
    PutU32(b, 0);
    if (version == 6) PutFixed(b, "", 256);
    auto bitmap = [&](int w, int h) {
        PutU32(b, static_cast<uint32_t>(w));
        PutU32(b, static_cast<uint32_t>(h));
        for (int p = 0; p < w * h; ++p) eightBit ? PutU8(b, static_cast<unsigned>(p)) : PutU16(b, static_cast<unsigned>(p * 977));
    };
    PutFixed(b, "extra", 32);
    for (int i = 0; i < 3; ++i) PutU32(b, 0);
    if (version >= 4) PutFixed(b, "", 256);
    bitmap(2, 2);
    for (int f = 0; f < 2; ++f) {
        PutU32(b, 10);
        if (version >= 4) PutFixed(b, "frame", 256);
        bitmap(4, 3);
        if (version == 6) PutFixed(b, "", 256);
    }
    PutU8(b, 0);
    if (version >= 2) PutU8(b, 0);
    if (version == 3) PutU32(b, 0);
    if (version >= 5) b.resize(b.size() + 7, 0);
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
        ok &= WriteBytes(root + "/zentor_sprite/v" + std::to_string(version) + ".spr", ZentorSprite(version));

    if (!ok) std::fprintf(stderr, "make_seeds: could not write every seed\n");
    return ok ? 0 : 1;
}
