// Zentor import: sprites of versions up to 6, refusals and damage. (A version 6 tile set imported:
// test_tileeditor_files.sh.)
#include "content/zentor.h"

#include "content/sprite.h"
#include "content/tileset.h"
#include "content_testing.h"

#include <array>

TEST(ZentorImport, TilesetRefusalsLeaveTheSetUnchanged)
{
    ScratchFolder scratch;
    const std::string path = scratch.Path("old.til");
    Tileset set;
    set.New();
    set.tiles[0].description = "Mine";
    const Bytes valid = ZentorTileset();
    Bytes wrong = valid;
    wrong[18] = 'X';  // the terminating zero of the header
    const std::pair<Bytes, std::string> refused[] = {
        {ZentorTileset(5), "ImportZentorTileset: " + path +
                               " is an unsupported tileset version, only version 6 tilesets may be imported"},
        {wrong, "ImportZentorTileset: " + path + " is not a valid Zentor tileset file"},
    };
    for (const auto& [bytes, message] : refused) {
        WriteFileBytes(path, bytes);
        EXPECT_FALSE(ImportZentorTileset(set, path.c_str()));
        EXPECT_EQ(set.lastError, message);
        EXPECT_EQ(set.tiles[0].description, "Mine");
    }
    ExpectEveryTruncationFails(
        path, valid, [&](const std::string& p) { return ImportZentorTileset(set, p.c_str()); },
        [&] { EXPECT_EQ(set.tiles[0].description, "Mine"); }, /*stride=*/4099);
    EXPECT_EQ(set.lastError, path + " is damaged or truncated");
}

TEST(ZentorImport, SpritesOfEveryVersion)
{
    ScratchFolder scratch;
    const std::string path = scratch.Path("old.spr");
    for (int version = 0; version <= 6; ++version) {
        SCOPED_TRACE(version);
        WriteFileBytes(path, ZentorSprite(version, "qdx sprite file", 2, 1));
        Sprite sprite;
        ASSERT_TRUE(ImportZentorSprite(sprite, path.c_str())) << sprite.lastError;
        EXPECT_EQ(sprite.GetDescription(), "Old mower");
        ASSERT_EQ(sprite.GetFrameCount(), 2);
        EXPECT_EQ((std::array<int, 3>{sprite.GetFrameTime(0), sprite.GetFrameTime(1), sprite.GetFrameWidth(0)}),
                  (std::array{25, 50, 2}));
        EXPECT_EQ(sprite.frames[1].name, version >= 4 ? "frame1" : "");
        // 1-byte pixels below version 4, RGB565 from 4; nothing turns transparent.
        const Rgba expected = version < 4 ? Rgba{0x40, 0x40, 0x40, 255} : Rgba{255, 0, 0, 255};
        EXPECT_EQ(PixelOf(sprite.frames[0].image, 1, 0), expected);
    }
}

TEST(ZentorImport, SpriteRefusalsAndDamageLeaveTheSpriteUnchanged)
{
    ScratchFolder scratch;
    const std::string path = scratch.Path("old.spr");
    Sprite sprite;
    ALLEGRO_BITMAP* image = MakeFilledBitmap(3, 3, al_map_rgb(1, 2, 3));
    ASSERT_TRUE(sprite.AddFrame(image, "mine"));
    al_destroy_bitmap(image);
    auto unchanged = [&] {
        ASSERT_EQ(sprite.GetFrameCount(), 1);
        EXPECT_EQ(sprite.frames[0].name, "mine");
    };
    const std::pair<Bytes, std::string> refused[] = {
        {ZentorSprite(7, "Qdx Sprite File", 1), "Sprite file format too advanced"},
        {ZentorSprite(3, "Qdx Sprite Files", 1), "Not a valid Zentor sprite file."},
    };
    for (const auto& [bytes, message] : refused) {
        WriteFileBytes(path, bytes);
        EXPECT_FALSE(ImportZentorSprite(sprite, path.c_str()));
        EXPECT_EQ(sprite.lastError, message);
        unchanged();
    }
    for (int version : {3, 6})
        ExpectEveryTruncationFails(
            path, ZentorSprite(version, "Qdx Sprite File", 2, 1),
            [&](const std::string& p) { return ImportZentorSprite(sprite, p.c_str()); }, unchanged);
}
