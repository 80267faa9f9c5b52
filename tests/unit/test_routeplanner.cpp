// The mowing route planner on small painted fields: what it reports as out of reach and the route time.
#include "test_game_support.h"

#include "game/routeplanner.h"

#include <gtest/gtest.h>

#include <array>
#include <vector>

using namespace gametest;

namespace {

int CellIndex(int column, int row) { return row * Map::kColumns + column; }

class RoutePlanner : public ::testing::Test {
protected:
    void SetUp() override
    {
        GiveSpriteFrame(mower, 32, 32);
        // The mower's top-left at (0, 0); its box is 33 pixels wide, so it covers cells 0 and 1.
        map.startX = 16;
        map.startY = 16;
    }
    Sprite mower;
    Map map;
};

}  // namespace

TEST_F(RoutePlanner, GrassBehindWallsWaterOrANarrowGapIsReportedAndTheRestIsMown)
{
    // Walled in, surrounded by water, and behind a 32-pixel gap the 33-pixel box cannot pass.
    PaintMap(map, {
                      ".........................",
                      ".........................",
                      ".....###.....~~~....#.#..",
                      ".....#g#.....~g~....#g#..",
                      ".....###.....~~~....###..",
                      "g........................",
                  });
    const RoutePlan plan = PlanMowingRoute(map, mower);
    EXPECT_EQ(plan.unreachableCells, (std::vector<int>{CellIndex(6, 3), CellIndex(14, 3), CellIndex(21, 3)}));
    EXPECT_FALSE(plan.leftRoute);
    PaintMap(map, {"", "", "....................#..#.", "....................#gg#.", "....................####."});
    EXPECT_TRUE(PlanMowingRoute(map, mower).unreachableCells.empty()) << "two cells wide, the gap lets the mower in";
}

TEST_F(RoutePlanner, AStartInAWallOrOffTheFieldLeavesTheMowerStuck)
{
    PaintMap(map, {"#########", "#########", "#########"});
    EXPECT_FALSE(PlanMowingRoute(map, mower).mowerStuck) << "nothing to mow, nothing to report";

    // In the wall, off the field or half off it (a hand-edited file): it cuts only the field's grass under its box.
    map.SetCell(0, 0, 1);
    map.SetCell(12, 10, 1);
    const int corner = CellIndex(0, 0), far = CellIndex(12, 10);
    const struct {
        uint16_t x, y;
        std::vector<int> unreachable;
    } starts[] = {{16 + 64, 16 + 32, {corner, far}}, {16, 16, {far}}, {2000, 300, {corner, far}}, {0, 0, {far}}};
    for (const auto& start : starts) {
        map.startX = start.x;
        map.startY = start.y;
        const RoutePlan plan = PlanMowingRoute(map, mower);
        EXPECT_TRUE(plan.mowerStuck) << start.x << "," << start.y;
        EXPECT_EQ(plan.unreachableCells, start.unreachable) << start.x << "," << start.y;
    }

    // A box that pokes one pixel into the wall gets out with its first move.
    PaintMap(map, {"..g", "...", "...", "...", "###"});
    map.startX = 16 + 32;
    map.startY = 16 + 96;  // the 33-pixel box reaches y 128, the first pixel of row 4
    const RoutePlan plan = PlanMowingRoute(map, mower);
    EXPECT_FALSE(plan.mowerStuck);
    EXPECT_TRUE(plan.unreachableCells.empty());
}

TEST_F(RoutePlanner, ThePlannedMapsOwnTileTypesCountAndAGameInPlayIsLeftAlone)
{
    PaintField(gPlay, {"g#g#g"});  // a game under way on another map
    PlaceMower(gPlay, 123.5f, 77.0f);
    gPlay.cutCount = 1;
    const auto gameCells = gPlay.map.cells;

    PaintMap(map, {"ggggg", "ggggg", "ggggg"});
    map.tileSet.tiles[5].type = TileGrass;  // Land in the game's set
    map.SetCell(10, 10, 5);
    const RoutePlan plan = PlanMowingRoute(map, mower);
    EXPECT_TRUE(plan.unreachableCells.empty());
    EXPECT_EQ(plan.grassTotal, 16);
    EXPECT_EQ(gPlay.map.cells, gameCells);
    EXPECT_EQ((std::array{gPlay.mowerX, gPlay.mowerY}), (std::array{123.5f, 77.0f}));
    EXPECT_EQ((std::array<int, 2>{gPlay.cutCount, gPlay.grassTotal}), (std::array{1, 3}));
}
