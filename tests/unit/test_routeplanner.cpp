// The mowing route planner on small painted fields: what it reports as out of reach and the route time.
#include "test_game_support.h"

#include "game/routeplanner.h"

#include <gtest/gtest.h>

#include <array>
#include <chrono>
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

TEST_F(RoutePlanner, AnOpenFieldOfGrassIsAllReachableWithARouteTimeAndCloudsPlayNoPart)
{
    PaintMap(map, {});
    for (uint16_t& cell : map.cells) cell = 1;
    map.cloudCount = 99;
    const auto started = std::chrono::steady_clock::now();
    const RoutePlan plan = PlanMowingRoute(map, mower);
    const double took = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    EXPECT_EQ(plan.grassTotal, 400);
    EXPECT_TRUE(plan.unreachableCells.empty());
    EXPECT_FALSE(plan.leftRoute);
    EXPECT_FALSE(plan.mowerStuck);
    // Lanes two cells wide across the field, 3 pixels a frame: about half a minute.
    EXPECT_GT(plan.Seconds(), 10.0);
    EXPECT_LT(plan.Seconds(), 60.0);
    EXPECT_LT(took, 2.0) << "the worst open field must plan quickly";
}

TEST_F(RoutePlanner, GrassBehindWallsWaterOrANarrowGapIsReportedAndTheRestIsMown)
{
    PaintMap(map, {
                      ".........................",
                      ".........................",
                      ".....###.....~~~....#.#..",
                      ".....#g#.....~g~....#g#..",
                      ".....###.....~~~....###..",
                      "g........................",
                  });
    const RoutePlan plan = PlanMowingRoute(map, mower);
    // Walled in, surrounded by water, and behind a 32-pixel gap the 33-pixel box cannot pass.
    EXPECT_EQ(plan.unreachableCells, (std::vector<int>{CellIndex(6, 3), CellIndex(14, 3), CellIndex(21, 3)}));
    EXPECT_EQ(plan.grassTotal, 4);
    EXPECT_GT(plan.frames, 0) << "the open grass cell at (0, 5) was driven to";
    EXPECT_FALSE(plan.leftRoute);

    // Two cells wide, the gap lets the mower in.
    PaintMap(map, {
                      ".........................",
                      ".........................",
                      "....................#..#.",
                      "....................#gg#.",
                      "....................####.",
                  });
    EXPECT_TRUE(PlanMowingRoute(map, mower).unreachableCells.empty());
}

TEST_F(RoutePlanner, NoGrassNeedsNoRouteAndAStartInAWallOrOffTheFieldLeavesTheMowerStuck)
{
    PaintMap(map, {"#########", "#########", "#########"});
    RoutePlan plan = PlanMowingRoute(map, mower);
    EXPECT_EQ(plan.grassTotal, 0);
    EXPECT_TRUE(plan.unreachableCells.empty());
    EXPECT_EQ(plan.frames, 0);
    EXPECT_FALSE(plan.mowerStuck) << "nothing to mow, nothing to report";

    // Starts in the wall, and off the field or half off it (a hand-edited file): the mower
    // cannot move and cuts only the field's grass under its box.
    map.SetCell(0, 0, 1);
    map.SetCell(12, 10, 1);
    const int corner = CellIndex(0, 0), far = CellIndex(12, 10);
    const struct {
        uint16_t x, y;
        std::vector<int> unreachable;
    } starts[] = {{16 + 64, 16 + 32, {corner, far}}, {16, 16, {far}},      {2000, 300, {corner, far}},
                  {300, 65535, {corner, far}},        {0, 0, {far}}};
    for (const auto& start : starts) {
        map.startX = start.x;
        map.startY = start.y;
        plan = PlanMowingRoute(map, mower);
        EXPECT_TRUE(plan.mowerStuck) << start.x << "," << start.y;
        EXPECT_EQ(plan.unreachableCells, start.unreachable) << start.x << "," << start.y;
    }

    // A box that pokes one pixel into the wall gets out with its first move.
    PaintMap(map, {"..g", "...", "...", "...", "###"});
    map.startX = 16 + 32;
    map.startY = 16 + 96;  // the 33-pixel box reaches y 128, the first pixel of row 4
    plan = PlanMowingRoute(map, mower);
    EXPECT_FALSE(plan.mowerStuck);
    EXPECT_TRUE(plan.unreachableCells.empty());
    EXPECT_FALSE(plan.leftRoute);
}

TEST_F(RoutePlanner, ThePlannedMapsOwnTileTypesCountAndAGameInPlayIsLeftAlone)
{
    // A game under way on another map.
    PaintField(gPlay, {"g#g#g"});
    PlaceMower(gPlay, 123.5f, 77.0f);
    gPlay.cutFlags[0][2] = 1;
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
    EXPECT_EQ((std::array<int, 3>{gPlay.cutCount, gPlay.grassTotal, gPlay.cutFlags[0][2]}), (std::array{1, 3, 1}));
}
