// Tile set files: round trip, versions, damage and the atlas. (Indexes outside the set: test_map.)
#include "content/tileset.h"

#include "content_testing.h"

namespace {

// A tile set with a few recognisable tiles.
void MakeSampleSet(Tileset& set)
{
    set.New();
    set.description = "Sample";
    set.tiles[3].description = "Rock";
    set.tiles[3].type = static_cast<TileType>(7);
    set.tiles[5].description = "Fence";
    set.tiles[5].type = TileSolid;
    FillBitmap(set.tiles[5].image, al_map_rgb(10, 200, 30));
    PutPixelOn(set.tiles[5].image, 31, 31, al_map_rgb(1, 2, 3));
}

void ExpectSampleSet(const Tileset& set)
{
    ASSERT_TRUE(set.loaded);
    EXPECT_EQ(set.description, "Sample");
    EXPECT_EQ(set.tiles[3].description, "Rock");
    EXPECT_EQ((std::pair<int, int>(set.tiles[3].type, set.tiles[5].type)), (std::pair<int, int>(7, TileSolid)));
    EXPECT_EQ(PixelOf(set.GetTileImage(5), 0, 0), (Rgba{10, 200, 30, 255}));
    EXPECT_EQ(PixelOf(set.GetTileImage(5), 31, 31), (Rgba{1, 2, 3, 255}));
    EXPECT_EQ(PixelOf(set.GetTileImage(6), 0, 0), (Rgba{0, 0, 0, 255}));
}

} // namespace

TEST(Tileset, TilesRoundTripIntoOneAtlasAndRefusedAndTruncatedFilesKeepTheEarlierSet)
{
    ScratchFolder scratch;
    const std::string good = scratch.Path("good.til");
    Tileset set;
    MakeSampleSet(set);
    ASSERT_TRUE(set.Save(good.c_str()));
    const Bytes valid = ReadFileBytes(good);

    const std::string path = scratch.Path("v.til");
    Bytes advanced = valid;
    advanced[17] = 2; // version low byte
    const std::pair<Bytes, std::string> refused[] = {
        {advanced, "Tileset file version is too advanced"},
        {FileStart("Sodbolt Map File", 3), "Not a valid tileset file"},
        {Bytes(valid.begin(), valid.end() - 1), path + " is damaged or truncated"},
    };
    for (const auto& [bytes, message] : refused) {
        WriteFileBytes(path, bytes);
        EXPECT_FALSE(set.Load(path.c_str()));
        EXPECT_EQ(set.lastError, message);
        ExpectSampleSet(set);
        EXPECT_EQ(set.fileName, good);
    }
    ExpectEveryTruncationFails(
        path, valid, [&](const std::string& p) { return set.Load(p.c_str()); }, [&] { ExpectSampleSet(set); },
        /*stride=*/16381);

    Tileset back;
    ASSERT_TRUE(back.Load(good.c_str()));
    ExpectSampleSet(back);
    for (int i : {0, 1023}) EXPECT_EQ(al_get_parent_bitmap(back.GetTileImage(i)), back.GetAtlas()) << i;
    advanced[17] = 0;
    WriteFileBytes(path, advanced);
    EXPECT_TRUE(set.Load(path.c_str())) << "version 0 still loads";
}

TEST(Tileset, TilesOfAnotherSizeKeepTheirOwnBitmap)
{
    ScratchFolder scratch;
    const std::string path = scratch.Path("odd.til");
    Bytes bytes = FileStart("Sodbolt Tileset", 1);
    PutString(bytes, "");
    for (int i = 0; i < 1024; ++i) {
        PutString(bytes, "t");
        PutU8(bytes, 1);
        for (unsigned v : {2, 1}) PutU16(bytes, v);
        for (int p = 0; p < 6; ++p) PutU8(bytes, p == 0 ? 200 : 0);
    }
    WriteFileBytes(path, bytes);
    Tileset set;
    ASSERT_TRUE(set.Load(path.c_str()));
    EXPECT_EQ(al_get_bitmap_width(set.GetTileImage(9)), 2);
    EXPECT_EQ(PixelOf(set.GetTileImage(9), 0, 0), (Rgba{200, 0, 0, 255}));

    const std::string again = scratch.Path("again.til");
    ASSERT_TRUE(set.Save(again.c_str()));
    EXPECT_EQ(ReadFileBytes(again), bytes);
}
