// The game's rules: window fit, skill times, steering, sliding, mowing, the status line, the order of endings.
#include "test_game_support.h"

#include "game/playgame.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <utility>

using namespace gametest;

class GameRules : public ::testing::Test {
protected:
    void SetUp() override { PaintField(state); }
    PlayState state;
};

TEST(GameSetUp, TheFieldScalesAboveTheStatusBandAndEasyDoublesNormalKeepsHardTakesThreeQuarters)
{
    // screen w, h -> field width, height, x (1.28 as a float is just below 1.28)
    const int cases[][5] = {
        {800, 600, 800, 512, 0}, {1024, 768, 1023, 655, 0}, {1920, 1080, 1587, 1016, 166}, {1280, 720, 1025, 656, 127}};
    for (const auto& c : cases) {
        const WindowFit fit = FitMapWindow(c[0], c[1]);
        EXPECT_EQ((std::array{fit.width, fit.height, fit.x}), (std::array{c[2], c[3], c[4]})) << c[0] << " x " << c[1];
    }

    EXPECT_EQ((std::array<int, 3>{SkillTimeLimit(0, 90), SkillTimeLimit(1, 90), SkillTimeLimit(2, 90)}), (std::array{180, 90, 67}));
    EXPECT_EQ(SkillTimeLimit(0, 65535), 32767) << "a huge limit on Easy must not wrap negative";
}

TEST(GameSteering, TableOrderDecidesConflictingKeys)
{
    // keys as "UDLR" flags -> heading; Up wins over Down, Left over Right
    const std::pair<const char*, float> cases[] = {{"U.L.", 224}, {"U..R", 32}, {"U...", 0},   {".DL.", 160},
                                                   {".D.R", 96},  {".D..", 128}, {"..L.", 192}, {"...R", 64},
                                                   {"UD..", 0},   {"..LR", 192}, {"UDLR", 224}};
    for (const auto& [keys, expected] : cases) {
        float heading = -1.0f;
        EXPECT_TRUE(SteerFromKeys(keys[0] == 'U', keys[1] == 'D', keys[2] == 'L', keys[3] == 'R', heading));
        EXPECT_EQ(heading, expected) << keys;
    }
}

TEST_F(GameRules, ReleasingTheKeysStopsAtOnceAndKeepsTheHeading)
{
    PlaceMower(state, 400, 256);
    Drive(state, 64);
    EXPECT_FLOAT_EQ(state.mowerX, 403.0f);
    EXPECT_FALSE(SteerFromKeys(false, false, false, false, state.targetHeading)) << "no key: no row applies";
    state.speed = 0.0f;
    MoveMower(state, kMowerBox);
    EXPECT_FLOAT_EQ(state.mowerX, 403.0f) << "no coasting";
    EXPECT_EQ(state.targetHeading, 64.0f) << "same direction again makes no skid";
}

TEST_F(GameRules, DiagonalIntoAWallSlidesStraightIntoItStops)
{
    // A wall of Solid cells in column 15, from x = 480; the mower's box spans x .. x + 32.
    PaintColumns(state.map, "...............#.........");
    PlaceMower(state, 447, 200);
    Drive(state, 96, 4);  // down and right
    EXPECT_LT(state.mowerX, 448.0f);
    EXPECT_GT(state.mowerY, 208.0f) << "slides down along the wall";

    const float x = state.mowerX, y = state.mowerY;
    Drive(state, 64, 5);  // straight right
    EXPECT_FLOAT_EQ(state.mowerX, x);
    EXPECT_FLOAT_EQ(state.mowerY, y) << "straight into the wall stops";
}

TEST_F(GameRules, TheMowerNeverLeavesTheField)
{
    for (float heading : {0, 32, 64, 96, 128, 160, 192, 224, 17, 201}) {
        PlaceMower(state, 384, 240);
        Drive(state, heading, 400);
        const PixelBox box = BoxAt(kMowerBox, state.mowerX, state.mowerY);
        EXPECT_TRUE(std::min(box.left, box.top) >= 0 && box.right < 800 && box.bottom < 512) << heading;
    }
}

TEST_F(GameRules, AnyCoveredCellCountsAsCutAndTheChordCutsEveryGrassCell)
{
    PaintField(state, {"ggggg", "ggggg", "ggggg", "ggg#~"});
    ASSERT_EQ(state.grassTotal, 18);
    // Box 33..65 x 33..65: columns 1..2, rows 1..2, though it only grazes 2.
    PlaceMower(state, 33, 33);
    UpdateMowerCells(state, kMowerBox);
    MowCells(state);
    EXPECT_EQ((std::array<int, 3>{state.cutCount, state.cutFlags[2][2], static_cast<int>(state.mowingTimer)}), (std::array{4, 1, 20}));

    // Mowing the same cells again changes nothing; Land is never marked.
    state.mowingTimer = 0;
    MowCells(state);
    EXPECT_EQ((std::pair<int, int>(state.cutCount, state.mowingTimer)), std::pair(4, 0));
    PlaceMower(state, 600, 300);
    UpdateMowerCells(state, kMowerBox);
    MowCells(state);
    EXPECT_EQ(state.cutCount, 4);

    CutAllGrass(state);
    EXPECT_EQ(state.cutCount, 18);
    EXPECT_EQ(state.cutFlags[3][3] + state.cutFlags[3][4] + state.cutFlags[9][18], 0) << "only grass is cut";
}

TEST(GameStatus, LevelLineKeepsPercentSignsOfTheTitle)
{
    char line[256];
    FormatLevelLine(line, sizeof line, 3, "100% %s %d Lawn", 12.34);
    EXPECT_STREQ(line, "Level 3: 100% %s %d Lawn (12.3% complete)");

    PlayState state;
    EXPECT_EQ(CutPercentage(state), 100.0) << "a map without grass reads complete, not nan";
}

TEST(GameStatus, TheLevelLineDropsToTheBandsFootWhereItWouldRunIntoTheAudioButton)
{
    // A 64-pixel band at y 535 with the button at 350..450 x 516..548 and a 22-pixel line.
    const PixelBox button{350, 516, 450, 548};
    EXPECT_EQ(LevelLineY(500, 790, 535, 64, 22, button), 2) << "beside the button";
    EXPECT_EQ(LevelLineY(300, 790, 535, 64, 22, button), 40) << "across the button";
}

TEST(GameEndings, CompleteOneFrameAfterTheLastCutButOutOfTimeComesFirst)
{
    EndingTracker endings;
    EXPECT_EQ(endings.Check(30), FrameEnding::None) << "the frame of the last cut";
    endings.AfterEnding(FrameEnding::None, 10, 10);
    EXPECT_EQ(endings.Check(30), FrameEnding::LevelComplete) << "after the next frame";
    endings.AfterEnding(FrameEnding::LevelComplete, 0, 12);  // next level loaded
    EXPECT_EQ(endings.Check(30), FrameEnding::None);

    EndingTracker grassless;  // loaded by the previous ending: 0 of 0 cut
    grassless.AfterEnding(FrameEnding::LevelComplete, 0, 0);
    EXPECT_EQ(grassless.Check(90), FrameEnding::LevelComplete) << "a map without grass is won after its first frame";

    endings.AfterEnding(FrameEnding::None, 5, 5);
    EXPECT_EQ(endings.Check(0), FrameEnding::OutOfTime);
    // The level restarts: the completion of the lost run does not carry over.
    endings.AfterEnding(FrameEnding::OutOfTime, 0, 5);
    EXPECT_EQ(endings.Check(90), FrameEnding::None);
    // Regrowth one cell short: no win until every cell is cut at a frame end.
    endings.AfterEnding(FrameEnding::None, 4, 5);
    EXPECT_EQ(endings.Check(90), FrameEnding::None);
}
