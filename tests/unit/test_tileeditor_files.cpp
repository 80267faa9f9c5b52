// Helpers that tests/e2e/tileeditor_lib.sh runs through environment variables (skipped otherwise).
#include "content/tileset.h"

#include "content_testing.h"

#include <cstdlib>
#include <fstream>
#include <memory>

namespace {

const char* Env(const char* name)
{
    const char* value = std::getenv(name);
    return value && *value ? value : nullptr;
}

// TILEED_DUMP=file.til TILEED_DUMP_TILE=5 TILEED_DUMP_OUT=out.txt: description, type, then "x y r g b" lines.
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
    const Tile& tile = tileset->tiles[index];
    ASSERT_NE(tile.image, nullptr);
    std::ofstream text(out, std::ios::trunc);
    text << "description " << tile.description << "\ntype " << static_cast<int>(tile.type) << "\n";
    for (int y = 0; y < al_get_bitmap_height(tile.image); ++y)
        for (int x = 0; x < al_get_bitmap_width(tile.image); ++x) {
            const Rgba p = PixelOf(tile.image, x, y);
            text << x << " " << y << " " << p.r << " " << p.g << " " << p.b << "\n";
        }
    ASSERT_TRUE(text.good());
}

// TILEED_ZENTOR_OUT=old.til [TILEED_ZENTOR_VERSION=6]: "Imported Rock" (Solid, red), "Old Pond" (Water, blue), white.
TEST(TileEditorFiles, WriteZentorTileset)
{
    const char* path = Env("TILEED_ZENTOR_OUT");
    if (!path) GTEST_SKIP() << "an end-to-end helper";
    const char* version = Env("TILEED_ZENTOR_VERSION");
    const ZentorTile first[2] = {{1, "Imported Rock", 0xF800}, {2, "Old Pond", 0x001F}};
    const Bytes file = ZentorTileset(version ? std::atoi(version) : 6,
                                     [&](int i) { return i < 2 ? first[i] : ZentorTile{0, "", 0xFFFF}; });
    WriteFileBytes(path, file);
    ASSERT_EQ(ReadFileBytes(path).size(), 866340u);
}

}  // namespace
