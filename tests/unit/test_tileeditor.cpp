// The tile editor's operations on tiles and the rules of its screen.
#include "content/tileset.h"
#include "editors/gridline.h"
#include "editors/tileops.h"

#include "content_testing.h"

#include <memory>
#include <utility>

namespace {

std::vector<Rgba> PixelsOf(ALLEGRO_BITMAP* tile)
{
    std::vector<Rgba> pixels;
    for (int i = 0; i < 32 * 32; ++i) pixels.push_back(PixelOf(tile, i % 32, i / 32));
    return pixels;
}

// Every pixel of the tile gets its own colour, so any misplaced pixel shows.
void PaintPattern(ALLEGRO_BITMAP* tile)
{
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x) PaintTilePixel(tile, x, y, al_map_rgb(x * 8, y * 8, (x + y) % 2 ? 255 : 40));
}

// A loaded tile set whose tile images are sub-bitmaps of one atlas.
class TileOps : public ::testing::Test {
protected:
    void SetUp() override { tileset->New(); }
    ALLEGRO_BITMAP* Tile(int index) { return tileset->GetTileImage(index); }

    // The atlas outside tile 'index' is still all black.
    void ExpectOnlyTileTouched(int index)
    {
        ALLEGRO_BITMAP* atlas = tileset->GetAtlas();
        const int tx = Tileset::AtlasX(index), ty = Tileset::AtlasY(index);
        for (int y = ty - 1; y <= ty + 32; ++y)
            for (int x = tx - 1; x <= tx + 32; ++x) {
                if (x < 0 || y < 0 || (x >= tx && x < tx + 32 && y >= ty && y < ty + 32)) continue;
                ASSERT_EQ(PixelOf(atlas, x, y), (Rgba{0, 0, 0, 255})) << "atlas pixel " << x << "," << y << " changed";
            }
    }

    std::unique_ptr<Tileset> tileset = std::make_unique<Tileset>();
};

TEST_F(TileOps, RotateFlipAndMirrorMovePixelsAndUndoThemselvesInFourOrTwo)
{
    ALLEGRO_BITMAP* tile = Tile(37);
    PaintPattern(tile);
    const std::vector<Rgba> before = PixelsOf(tile);
    const Rgba corner = PixelOf(tile, 2, 1);

    ASSERT_TRUE(RotateTile(tile));
    EXPECT_EQ(PixelOf(tile, 30, 2), corner) << "a quarter clockwise";
    for (int turn = 0; turn < 3; ++turn) ASSERT_TRUE(RotateTile(tile));
    EXPECT_EQ(PixelsOf(tile), before);

    FlipTile(tile);
    EXPECT_EQ(PixelOf(tile, 2, 30), corner);
    FlipTile(tile);
    EXPECT_EQ(PixelsOf(tile), before);

    MirrorTile(tile);
    EXPECT_EQ(PixelOf(tile, 29, 1), corner);
    MirrorTile(tile);
    EXPECT_EQ(PixelsOf(tile), before);
    ExpectOnlyTileTouched(37);
}

TEST(TileEditorRules, StepsWrapRoundTheTilesAndTypesAndTextsKeepUserTextLiteral)
{
    EXPECT_EQ(std::pair(PreviousTileIndex(0), NextTileIndex(1023)), std::pair(1023, 0));
    // numbered from 1 on the status line; an unknown type is named with nothing
    EXPECT_EQ(TileEditorStatusLine(1023, "Fence", TileSolid), "Tile 1024 of 1024 - Fence - Solid");
    EXPECT_EQ(TilePickerCaption(3, "Rock", 7), "Tile 3: Rock - ");
    EXPECT_EQ(TilePickerCaption(0, "100% %s %n", TileGrass), "Tile 0: 100% %s %n - Grass");
    const int8_t next[][2] = {{TileLand, TileGrass}, {TileGrass, TileSolid}, {TileSolid, TileWater},
                              {TileWater, TileLand}, {7, TileLand},          {-3, TileLand}};
    for (const auto& c : next) EXPECT_EQ(NextTileType(c[0]), c[1]) << int(c[0]);
}

// Pictures drawn as text, one letter a pixel, for the flood fill cases.
std::vector<uint32_t> PixelsFromRows(const std::vector<std::string>& rows)
{
    std::vector<uint32_t> pixels;
    for (const std::string& row : rows)
        for (char c : row) pixels.push_back(static_cast<uint32_t>(c));
    return pixels;
}

TEST(TileEditorFloodFill, FillsTheFourConnectedAreaOfTheClickedColourOnly)
{
    struct Case {
        const char* what;
        std::vector<std::string> before;
        int x, y;
        bool changes;
        std::vector<std::string> after;
    };
    const Case cases[] = {
        {"pixels that touch only at a corner are not joined",
         {"ab.b", "baba", "abab", "baba"}, 0, 0, true, {"Fb.b", "baba", "abab", "baba"}},
        {"a winding path is followed round its corners",
         {"a...", "aaa.", "..a.", "aaa."}, 0, 0, true, {"F...", "FFF.", "..F.", "FFF."}},
        {"the fill colour on the fill colour changes nothing", {"FFa", "aFF"}, 0, 0, false, {"FFa", "aFF"}},
        {"off the block: nothing", {"ab", "ba"}, 2, 0, false, {"ab", "ba"}},
    };
    for (const Case& c : cases) {
        std::vector<uint32_t> pixels = PixelsFromRows(c.before);
        const int width = static_cast<int>(c.before[0].size()), height = static_cast<int>(c.before.size());
        EXPECT_EQ(FloodFillGrid(pixels, width, height, c.x, c.y, 'F'), c.changes) << c.what;
        EXPECT_EQ(pixels, PixelsFromRows(c.after)) << c.what;
    }
}

}  // namespace
