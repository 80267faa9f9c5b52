// Map files of versions 1 to 3, the default tile set, damage, and drawing.
#include "content/map.h"

#include "content/datapath.h"
#include "content_testing.h"

#include <array>

namespace {

// Runs a test inside a scratch working folder, where "base/" is its own.
class MapTest : public ::testing::Test {
protected:
    void TearDown() override
    {
        gUseModFolder = false;
        gModFolder.clear();
    }
    // A tile set in FOLDER/tiles/sodbolt.til: tile 1 is green Grass, tile 1023 brown.
    void InstallTileset(const std::string& folder = "base")
    {
        std::filesystem::create_directories(folder + "/tiles");
        Tileset set;
        set.New();
        set.tiles[1].type = TileGrass;
        FillBitmap(set.tiles[1].image, al_map_rgb(0, 200, 0));
        FillBitmap(set.tiles[1023].image, al_map_rgb(120, 80, 40));
        ASSERT_TRUE(set.Save((folder + "/tiles/sodbolt.til").c_str()));
    }
    static Bytes MapHeader(int version, const std::string& title)
    {
        Bytes bytes = FileStart("Sodbolt Map File", static_cast<unsigned>(version));
        PutString(bytes, title);
        return bytes;
    }
    // time limit 120, 4 clouds, start at 100, 50
    static void PutSettings(Bytes& bytes) { for (unsigned v : {120, 4, 100, 50}) PutU16(bytes, v); }

    InScratchFolder here;
};

} // namespace

TEST_F(MapTest, ANewMapIs839BytesAndReadsBackWithEveryDefaultAndBlackTilesWithoutTheGameSet)
{
    Map map;
    map.New();
    ASSERT_TRUE(map.Save("new.map"));
    EXPECT_EQ(ReadFileBytes("new.map").size(), 839u);

    Map back;
    ASSERT_TRUE(back.Load("new.map"));
    EXPECT_EQ(back.GetTitle(), "New Map");
    EXPECT_EQ((std::array<int, 4>{back.timeLimit, back.cloudCount, back.startX, back.startY}), (std::array{90, 0, 400, 256}));
    for (uint16_t cell : back.cells) ASSERT_EQ(cell, 0);
    EXPECT_EQ(PixelOf(back.GetCellImage(0, 0), 5, 5), (Rgba{0, 0, 0, 255}));
}

TEST_F(MapTest, TheGameTilesetComesFromTheModFolderFirst)
{
    InstallTileset();
    Map map;
    map.New();
    EXPECT_EQ(map.tileSetFile, "base/tiles/sodbolt.til");
    EXPECT_EQ(map.tileSet.GetTileType(1), TileGrass);

    InstallTileset("mods");
    gUseModFolder = true;
    gModFolder = "mods";
    map.LoadDefaultTileset();
    EXPECT_EQ(map.tileSetFile, "mods/tiles/sodbolt.til");
}

TEST_F(MapTest, OlderVersions)
{
    // Version 2: no author; the cells follow start y directly.
    Bytes v2 = MapHeader(2, "Old");
    PutSettings(v2);
    for (int i = 0; i < 400; ++i) PutU16(v2, static_cast<unsigned>(i));
    WriteFileBytes("v2.map", v2);
    Map map;
    ASSERT_TRUE(map.Load("v2.map"));
    EXPECT_EQ(map.title + "|" + map.author, "Old|");
    EXPECT_EQ((std::array<int, 5>{map.timeLimit, map.cloudCount, map.startX, map.startY, map.GetCell(24, 15)}),
              (std::array{120, 4, 100, 50, 399}));

    // Version 1: 21 rows of 32; only the top-left 25 x 16 block stays.
    Bytes v1 = MapHeader(1, "Older");
    PutSettings(v1);
    for (int row = 0; row < 21; ++row)
        for (int column = 0; column < 32; ++column) PutU16(v1, static_cast<unsigned>(row * 100 + column));
    WriteFileBytes("v1.map", v1);
    ASSERT_TRUE(map.Load("v1.map"));
    EXPECT_EQ((std::pair<int, int>(map.GetCell(24, 15), map.GetCell(0, 3))), std::pair(1524, 300));
}

TEST_F(MapTest, RefusedAndTruncatedFilesLeaveTheMapAsItWas)
{
    Map source;
    source.New();
    source.title = "Cut";
    source.author = "Me";
    ASSERT_TRUE(source.Save("full.map"));
    const Bytes valid = ReadFileBytes("full.map");

    Map map;
    map.New();
    map.title = "Back Lawn";
    map.timeLimit = 45;
    map.SetCell(24, 15, 1);
    auto unchanged = [&] {
        EXPECT_EQ(map.title, "Back Lawn");
        EXPECT_EQ((std::pair<int, int>(map.timeLimit, map.GetCell(24, 15))), std::pair(45, 1));
    };
    const std::pair<Bytes, std::string> refused[] = {
        {MapHeader(4, "Future"), "x.map is too advanced."},
        {FileStart("Sodbolt Sprite", 1), "x.map is not a valid map file."},
        {Bytes(valid.begin(), valid.begin() + 100), "x.map is damaged or truncated"},
    };
    for (const auto& [bytes, message] : refused) {
        WriteFileBytes("x.map", bytes);
        EXPECT_FALSE(map.Load("x.map"));
        EXPECT_EQ(map.GetLastError(), message);
        unchanged();
    }
    EXPECT_FALSE(map.Load("missing.map"));
    EXPECT_EQ(map.lastError, "Unable to open missing.map");
    EXPECT_FALSE(source.Save("nofolder/a.map"));
    EXPECT_EQ(source.lastError, "Unable to create nofolder/a.map");
    ExpectEveryTruncationFails("cut.map", valid, [&](const std::string& p) { return map.Load(p.c_str()); }, unchanged);
}

TEST_F(MapTest, CellsPastTheTileSetAreEmptyLandStoredAsTheyAreAndTheFieldDrawsMownGrass)
{
    InstallTileset();
    Map map;
    map.New();
    map.SetCell(0, 0, 1);
    map.SetCell(1, 0, 1);
    map.SetCell(2, 0, 65535);
    map.SetCell(3, 0, 1024);
    EXPECT_EQ(map.GetCellType(0, 0), TileGrass);
    EXPECT_EQ(std::pair(map.GetCellType(3, 0), map.GetCellType(2, 0)), std::pair(TileLand, TileLand));
    EXPECT_EQ(map.GetCell(25, 0), 0);

    ASSERT_TRUE(map.Save("big.map"));
    Map back;
    ASSERT_TRUE(back.Load("big.map"));
    EXPECT_EQ(back.GetCell(2, 0), 65535);

    std::vector<uint8_t> cut(Map::kCellCount, 0);
    cut[1] = 1;
    ALLEGRO_BITMAP* field = MakeFilledBitmap(800, 512, al_map_rgb(9, 9, 9));
    DrawOn(field, [&] { map.Draw(0, 0, cut.data()); });
    EXPECT_EQ(PixelOf(field, 10, 10), (Rgba{0, 200, 0, 255}));  // grass
    EXPECT_EQ(PixelOf(field, 42, 10), (Rgba{120, 80, 40, 255})); // mown: tile 1023
    EXPECT_EQ(PixelOf(field, 74, 10), (Rgba{9, 9, 9, 255}));     // no such tile: nothing drawn
    al_destroy_bitmap(field);
}
