// The mowing route planner on small painted fields: what it reports as out of
// reach, the route time, and the play state it borrows coming back unchanged.
#include "test_game_support.h"

#include "game/routeplanner.h"

#include <gtest/gtest.h>

#include <array>
#include <chrono>
#include <tuple>
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

TEST_F(RoutePlanner, ThePlayStateAndTheGameMowerAreLeftAsTheyWere)
{
    // Everything of the game's the planner borrows.
    const auto gameState = [] {
        const Sprite& m = gResources.mowerSprite;
        const CellRect& cells = gPlay.mowerCells;
        const auto& tiles = gPlay.map.tileSet.tiles;
        return std::make_tuple(
            gPlay.map.cells, std::array{tiles[1].type, tiles[2].type, tiles[3].type},
            std::array{gPlay.mowerX, gPlay.mowerY, gPlay.heading, gPlay.targetHeading, gPlay.speed},
            std::array{cells.firstColumn, cells.firstRow, cells.lastColumn, cells.lastRow},
            std::vector<uint8_t>(&gPlay.cutFlags[0][0], &gPlay.cutFlags[0][0] + sizeof gPlay.cutFlags),
            std::array<int, 3>{gPlay.cutCount, gPlay.grassTotal, gPlay.mowingTimer},
            std::array{m.left, m.top, m.right, m.bottom});
    };
    // A game in progress on another map.
    PaintField();
    for (int i = 0; i < Map::kCellCount; ++i) gPlay.map.cells[i] = static_cast<uint16_t>(i % 4);
    gPlay.mowerX = 123.5f;
    gPlay.mowerY = 77.0f;
    gPlay.heading = 64;
    gPlay.targetHeading = 128;
    gPlay.speed = 3.0f;
    gPlay.mowerCells = {1, 2, 3, 4};
    for (int r = 0; r < kFieldRows; ++r)
        for (int c = 0; c < kFieldColumns; ++c) gPlay.cutFlags[r][c] = static_cast<uint8_t>((r + c) % 2);
    gPlay.cutCount = 7;
    gPlay.grassTotal = 9;
    gPlay.mowingTimer = 12;
    GiveSpriteFrame(gResources.mowerSprite, 20, 40);
    const auto before = gameState();

    PaintMap(map, {"ggggg", "ggggg", "ggggg"});
    map.tileSet.tiles[5].type = TileGrass;  // Land in the game's set
    map.SetCell(10, 10, 5);
    const RoutePlan plan = PlanMowingRoute(map, mower);
    EXPECT_TRUE(plan.unreachableCells.empty());
    EXPECT_EQ(plan.grassTotal, 16) << "the planned map's own tile types count";
    EXPECT_EQ(gameState(), before);
    gResources.mowerSprite.Clear();

    // Planning gPlay's own map leaves it as it was as well.
    PaintField();
    gPlay.map.SetCell(3, 3, 1);
    gPlay.map.startX = 16;
    gPlay.map.startY = 16;
    const auto ownCells = gPlay.map.cells;
    EXPECT_TRUE(PlanMowingRoute(gPlay.map, mower).unreachableCells.empty());
    EXPECT_EQ(gPlay.map.cells, ownCells);
}
