// File helpers for the tile editor's end-to-end tests, run through this test
// binary with environment variables (they skip themselves otherwise):
//   TILEED_DUMP=file.til TILEED_DUMP_TILE=5 TILEED_DUMP_OUT=out.txt
//       loads the set with the program's own loader and writes the tile's
//       description, type and every pixel ("x y r g b") to out.txt
//   TILEED_ZENTOR_OUT=old.til [TILEED_ZENTOR_VERSION=6]
//       writes a Zentor tile set: tile 0 "Imported Rock" (legacy Solid, all
//       red), tile 1 "Old Pond" (legacy Water, all blue), the rest unnamed
//       Land in white
#include "content/tileset.h"

#include <allegro5/allegro.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

namespace {

const char* Env(const char* name)
{
    const char* value = std::getenv(name);
    return value && *value ? value : nullptr;
}

TEST(TileEditorFiles, DumpTile)
{
    const char* path = Env("TILEED_DUMP");
    if (!path) GTEST_SKIP() << "an end-to-end helper";
    const char* out = Env("TILEED_DUMP_OUT");
    ASSERT_NE(out, nullptr);
    const int index = Env("TILEED_DUMP_TILE") ? std::atoi(Env("TILEED_DUMP_TILE")) : 0;
    ASSERT_TRUE(index >= 0 && index < Tileset::kTileCount);

    auto tileset = std::make_unique<Tileset>();
    ASSERT_TRUE(tileset->Load(path)) << tileset->lastError;
    std::ofstream text(out, std::ios::trunc);
    const Tile& tile = tileset->tiles[index];
    text << "description " << tile.description << "\n";
    text << "type " << static_cast<int>(tile.type) << "\n";
    ALLEGRO_BITMAP* image = tile.image;
    ASSERT_NE(image, nullptr);
    for (int y = 0; y < al_get_bitmap_height(image); ++y)
        for (int x = 0; x < al_get_bitmap_width(image); ++x) {
            unsigned char r, g, b;
            al_unmap_rgb(al_get_pixel(image, x, y), &r, &g, &b);
            text << x << " " << y << " " << int(r) << " " << int(g) << " " << int(b) << "\n";
        }
    ASSERT_TRUE(text.good());
}

void PutBytes(std::vector<unsigned char>& file, size_t at, const void* data, size_t size)
{
    const unsigned char* bytes = static_cast<const unsigned char*>(data);
    for (size_t i = 0; i < size; ++i) file[at + i] = bytes[i];
}

void PutU16At(std::vector<unsigned char>& file, size_t at, unsigned value)
{
    file[at] = static_cast<unsigned char>(value & 0xFF);
    file[at + 1] = static_cast<unsigned char>(value >> 8);
}

TEST(TileEditorFiles, WriteZentorTileset)
{
    const char* path = Env("TILEED_ZENTOR_OUT");
    if (!path) GTEST_SKIP() << "an end-to-end helper";

    const size_t recordsAt = 1060, imagesAt = 342052, size = 866340;
    std::vector<unsigned char> file(size, 0);
    PutBytes(file, 0, "Qdx Type 4 Tileset", 19);
    const char* version = Env("TILEED_ZENTOR_VERSION");
    file[32] = static_cast<unsigned char>(version ? std::atoi(version) : 6);
    struct Legacy {
        int code;
        const char* name;
        unsigned pixel;
    };
    const Legacy first[2] = {{1, "Imported Rock", 0xF800}, {2, "Old Pond", 0x001F}};
    for (int i = 0; i < Tileset::kTileCount; ++i) {
        const Legacy tile = i < 2 ? first[i] : Legacy{0, "", 0xFFFF};
        file[recordsAt + i * 28] = static_cast<unsigned char>(tile.code);
        PutBytes(file, recordsAt + i * 28 + 1, tile.name, std::string(tile.name).size());
        for (int p = 0; p < 256; ++p) PutU16At(file, imagesAt + i * 512 + p * 2, tile.pixel);
    }
    FILE* out = std::fopen(path, "wb");
    ASSERT_NE(out, nullptr);
    ASSERT_EQ(std::fwrite(file.data(), 1, file.size(), out), file.size());
    ASSERT_EQ(std::fclose(out), 0);
}

}  // namespace
