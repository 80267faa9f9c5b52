// Helpers for the tile editor's end-to-end tests, driven by environment
// variables (they skip themselves otherwise):
//   TILEED_DUMP=file.til TILEED_DUMP_TILE=5 TILEED_DUMP_OUT=out.txt: the tile's
//       description, type and every pixel ("x y r g b"), as our loader reads it
//   TILEED_ZENTOR_OUT=old.til [TILEED_ZENTOR_VERSION=6]: a Zentor tile set with
//       tile 0 "Imported Rock" (legacy Solid, red), tile 1 "Old Pond" (legacy
//       Water, blue), the rest unnamed white Land
#include "content/tileset.h"

#include <allegro5/allegro.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <memory>
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

TEST(TileEditorFiles, WriteZentorTileset)
{
    const char* path = Env("TILEED_ZENTOR_OUT");
    if (!path) GTEST_SKIP() << "an end-to-end helper";

    const size_t recordsAt = 1060, imagesAt = 342052, size = 866340;
    std::vector<unsigned char> file(size, 0);
    std::memcpy(file.data(), "Qdx Type 4 Tileset", 19);
    const char* version = Env("TILEED_ZENTOR_VERSION");
    file[32] = static_cast<unsigned char>(version ? std::atoi(version) : 6);
    struct Legacy { int code; const char* name; unsigned pixel; };  // type code, description, RGB565
    const Legacy first[2] = {{1, "Imported Rock", 0xF800}, {2, "Old Pond", 0x001F}};
    for (int i = 0; i < Tileset::kTileCount; ++i) {
        const Legacy tile = i < 2 ? first[i] : Legacy{0, "", 0xFFFF};
        file[recordsAt + i * 28] = static_cast<unsigned char>(tile.code);
        std::memcpy(&file[recordsAt + i * 28 + 1], tile.name, std::strlen(tile.name));
        for (int p = 0; p < 256; ++p) {
            file[imagesAt + i * 512 + p * 2] = static_cast<unsigned char>(tile.pixel & 0xFF);
            file[imagesAt + i * 512 + p * 2 + 1] = static_cast<unsigned char>(tile.pixel >> 8);
        }
    }
    FILE* out = std::fopen(path, "wb");
    ASSERT_NE(out, nullptr);
    ASSERT_EQ(std::fwrite(file.data(), 1, file.size(), out), file.size());
    ASSERT_EQ(std::fclose(out), 0);
}

}  // namespace
