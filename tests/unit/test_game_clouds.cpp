// Clouds: they drift over everything, bounce at the field's edges without leaving it, and regrow only cut grass.
#include "test_game_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

using namespace gametest;

class Clouds : public ::testing::Test {
protected:
    void SetUp() override
    {
        GiveSpriteFrame(first, 128, 96);  // box 16..112 x 0..96
        gResources.respawnSound = -1;
        PaintField(state);
    }
    // A high cloud (shadow 32) of the first sprite.
    Cloud MakeCloud(float x, float y, float heading) { return {x, y, heading, 32, 1.0f, &first}; }
    Sprite first;
    PlayState state;
};

TEST_F(Clouds, DriftsOverSolidCellsAndBouncesAtTheEdgesWithoutLeavingTheField)
{
    PaintColumns(state.map, "#########################");
    Cloud cloud = MakeCloud(300, 200, 64);
    UpdateCloud(state, cloud);
    EXPECT_FLOAT_EQ(cloud.x, 301.0f);
    cloud.shadowDistance = 16;  // a low cloud is stopped by solid cells
    UpdateCloud(state, cloud);
    EXPECT_FLOAT_EQ(cloud.x, 301.0f);

    // At the top, drifting up: it stands still that frame, then leaves in another direction.
    PaintField(state);
    std::srand(31337);
    cloud = MakeCloud(100, 0, 0);
    UpdateCloud(state, cloud);
    EXPECT_FLOAT_EQ(cloud.y, 0.0f);
    float lowest = 0.0f;
    for (int frame = 0; frame < 5000; ++frame) {
        UpdateCloud(state, cloud);
        const PixelBox box = BoxAt(CollisionBoxOf(*cloud.sprite), cloud.x, cloud.y);
        ASSERT_TRUE(box.left >= 0 && box.top >= 0 && box.right < kFieldWidth && box.bottom < kFieldHeight)
            << "frame " << frame << ": " << cloud.x << "," << cloud.y;
        lowest = std::max(lowest, cloud.y);
    }
    EXPECT_GT(lowest, 50.0f) << "the cloud drifted away from the edge";
}

TEST_F(Clouds, OnlyCutGrassUnderTheCloudGrowsBackAndTheCutCountFollows)
{
    // Under the cloud's box (columns 0..3, rows 0..3): grass, some of it cut, and a wall.
    PaintField(state, {"ggg#gg", "ggg#gg", "gggggg", "gggggg"});
    const int cutCells[][2] = {{0, 0}, {2, 1}, {1, 2}, {3, 3}, {4, 0}};  // column, row; (4, 0) lies outside
    for (const auto& cell : cutCells) state.cutFlags[cell[1]][cell[0]] = 1;
    state.cutCount = 5;
    std::srand(5);
    for (int frame = 0; frame < 20000; ++frame) {
        Cloud cloud = MakeCloud(0, 0, 128);
        UpdateCloud(state, cloud);
    }
    for (const auto& cell : cutCells)
        EXPECT_EQ(state.cutFlags[cell[1]][cell[0]], cell[0] == 4 ? 1 : 0) << cell[0] << "," << cell[1];
    EXPECT_EQ(state.cutCount, 1) << "every cut cell under the cloud grew back in 20000 frames, no more";
}
