// Clouds: scattering and drifting draw random numbers in a fixed order,
// bounce at the field's edges without moving, and regrow only cut grass.
#include "test_game_support.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

using namespace gametest;

class Clouds : public ::testing::Test {
protected:
    void SetUp() override
    {
        GiveSpriteFrame(gResources.cloudSprite1, 128, 96);  // box 16..112 x 0..96
        GiveSpriteFrame(gResources.cloudSprite2, 160, 64);
        gResources.respawnSound = -1;
        PaintField();
    }
    void TearDown() override
    {
        gResources.cloudSprite1.Clear();
        gResources.cloudSprite2.Clear();
        gPlay.clouds.clear();
    }
    // A high cloud (shadow 32) of the first sprite.
    static Cloud MakeCloud(float x, float y, float heading) { return {x, y, heading, 32, 1.0f, &gResources.cloudSprite1}; }
};

TEST_F(Clouds, ScatteringDrawsSpriteUnusedYThenX)
{
    std::srand(4242);
    ScatterClouds(6, &gResources.cloudSprite1, &gResources.cloudSprite2);
    ASSERT_EQ(gPlay.clouds.size(), 6u);

    std::srand(4242);
    for (const Cloud& cloud : gPlay.clouds) {
        const bool second = std::rand() % 2 == 0;
        (void)std::rand();
        const int w = second ? 160 : 128, h = second ? 64 : 96;
        const int y = std::rand() % (512 - h);
        const int x = std::rand() % (800 - w);
        EXPECT_EQ(cloud.sprite, second ? &gResources.cloudSprite2 : &gResources.cloudSprite1);
        EXPECT_EQ(cloud.x, x);
        EXPECT_EQ(cloud.y, y);
        EXPECT_EQ(cloud.heading, 0.0f);
        EXPECT_EQ(cloud.speed, 1.0f);
        EXPECT_EQ(cloud.shadowDistance, 32);
    }

    for (int none : {0, -3}) {
        ScatterClouds(none, &gResources.cloudSprite1, &gResources.cloudSprite2);
        EXPECT_TRUE(gPlay.clouds.empty()) << none;
    }
    GiveSpriteFrame(gResources.cloudSprite2, 900, 600);
    std::srand(7);
    ScatterClouds(4, &gResources.cloudSprite1, &gResources.cloudSprite2);
    EXPECT_EQ(gPlay.clouds.size(), 4u) << "a cloud bigger than the field still gets a place";
}

TEST_F(Clouds, DriftsOverSolidCellsAtShadowDistance32AndBouncesAtTheEdgeWithoutMoving)
{
    const char* rows[16];
    for (auto& row : rows) row = "#########################";
    PaintField(rows, 16);
    Cloud cloud = MakeCloud(300, 200, 64);
    UpdateCloud(cloud);
    EXPECT_FLOAT_EQ(cloud.x, 301.0f);
    EXPECT_FLOAT_EQ(cloud.y, 200.0f);
    EXPECT_EQ(cloud.heading, 64.0f);

    // A low cloud (shadow 16 or less) is stopped by solid cells.
    cloud.shadowDistance = 16;
    std::srand(99);
    UpdateCloud(cloud);
    EXPECT_FLOAT_EQ(cloud.x, 301.0f);

    PaintField();
    cloud = MakeCloud(100, 0, 0);  // drifting up, already at the top
    std::srand(31337);
    const int expectedHeading = std::rand() % 256;
    std::srand(31337);
    UpdateCloud(cloud);
    EXPECT_FLOAT_EQ(cloud.x, 100.0f);
    EXPECT_FLOAT_EQ(cloud.y, 0.0f);
    EXPECT_EQ(cloud.heading, static_cast<float>(expectedHeading));

    // Right edge: box right is x + 112, so x = 687 touches 799.
    cloud = MakeCloud(687, 200, 64);
    UpdateCloud(cloud);
    EXPECT_FLOAT_EQ(cloud.x, 687.0f);
}

TEST_F(Clouds, RegrowsOnlyCutGrassOneDrawPerCell)
{
    // Grass under the cloud's box (columns 0..3, rows 0..3), half of it cut; column 3 is Land.
    const char* rows[] = {"gggg.", "gggg.", "gggg.", "gggg."};
    PaintField(rows, 4);
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 3; ++c)
            if ((r + c) % 2 == 0) gPlay.cutFlags[r][c] = 1;
    const int cut = 6;
    gPlay.cutCount = cut;

    unsigned seed = 1;  // one whose first draw makes a regrowth pass
    for (std::srand(seed); std::rand() % 120 != 0; std::srand(++seed)) {}
    // The cloud drifts right into free space; then the regrowth pass.
    Cloud cloud = MakeCloud(0, 0, 64);
    std::srand(seed);
    (void)std::rand();
    std::vector<bool> regrow;
    for (int i = 0; i < 16; ++i) regrow.push_back(std::rand() % 5 == 0);
    const int after = std::rand();

    std::srand(seed);
    UpdateCloud(cloud);
    EXPECT_EQ(std::rand(), after) << "exactly one draw for every cell of the rectangle";

    int expectedCount = cut;
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c) {
            const int wasCut = c < 3 && (r + c) % 2 == 0;
            const bool grows = regrow[r * 4 + c] && wasCut;
            if (grows) --expectedCount;
            EXPECT_EQ(gPlay.cutFlags[r][c], grows ? 0 : wasCut) << r << "," << c;
        }
    EXPECT_EQ(gPlay.cutCount, expectedCount);
}

TEST_F(Clouds, TheCutCountNeverFallsBelowZero)
{
    const char* rows[] = {"gggg", "gggg", "gggg", "gggg"};
    PaintField(rows, 4);
    gPlay.cutFlags[1][1] = 1;
    gPlay.cutCount = 1;
    std::srand(5);
    for (int frame = 0; frame < 20000; ++frame) {
        Cloud cloud = MakeCloud(0, 0, 128);
        UpdateCloud(cloud);
        ASSERT_GE(gPlay.cutCount, 0);
    }
    EXPECT_EQ(gPlay.cutCount, 0) << "the one cut cell grew back in 20000 frames";
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c) EXPECT_EQ(gPlay.cutFlags[r][c], 0);
}
