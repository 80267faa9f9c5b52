// The game's frame matches, pixel for pixel, the frame drawn the plain way (skipped without a display).
#include "game/playgame.h"
#include "game/playstate.h"
#include "game/resources.h"
#include "kwui/kwui.h"
#include "screen_support.h"

#include <allegro5/allegro_font.h>
#include <allegro5/allegro_ttf.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <tuple>
#include <vector>

namespace {

struct ScreenSize {
    int width, height;
};

class GameFrameScreen : public ::testing::TestWithParam<ScreenSize> {
protected:
    TestScreen screen;

    void SetUp() override
    {
        if (!screen.Open(GetParam().width, GetParam().height)) GTEST_SKIP() << "no display";
        ASSERT_TRUE(screen.FontsLoaded()) << "the font is placed by the set-up";

        ASSERT_TRUE(gPlay.map.Load("base/maps/level05.map")) << gPlay.map.lastError;
        al_set_new_bitmap_flags(ALLEGRO_MIN_LINEAR | ALLEGRO_MAG_LINEAR);  // sprites filtered, tiles not
        ASSERT_TRUE(gResources.mowerSprite.Load("base/sprites/mower.spr"));
        ASSERT_TRUE(gResources.cloudSprite1.Load("base/sprites/cloud01.spr"));
        ASSERT_TRUE(gResources.cloudSprite2.Load("base/sprites/cloud02.spr"));
        // Frames step with every draw, not with the clock.
        for (Sprite* sprite : {&gResources.mowerSprite, &gResources.cloudSprite1, &gResources.cloudSprite2})
            for (int16_t i = 0; i < sprite->GetFrameCount(); ++i) sprite->SetFrameTime(i, 0);
        gPlay.mapWindow = al_create_bitmap(kFieldWidth, kFieldHeight);
        gPlay.audioStrip =
            al_create_sub_bitmap(al_get_backbuffer(screen.display), 0, kwScreenH - 65, kwScreenW, kStatusBandHeight);
        const WindowFit fit = FitMapWindow(kwScreenW, kwScreenH);
        std::tie(gPlay.windowWidth, gPlay.windowHeight, gPlay.windowX) = std::tie(fit.width, fit.height, fit.x);

        // Some grass cut, the turned mower over the bottom right corner, a cloud's shadow reaching past the field.
        gPlay.levelIndex = 4;
        CountGrass();
        for (int row = 0; row < kFieldRows; row += 3)
            for (int column = 0; column < kFieldColumns; column += 2) gPlay.cutFlags[row][column] = 1;
        gPlay.cutCount = 37;
        std::tie(gPlay.mowerX, gPlay.mowerY) = std::pair(kFieldWidth - 20.0f, kFieldHeight - 21.0f);
        gPlay.heading = 37.0f;
        gPlay.timeLeft = 42;
        std::srand(7);
        ScatterClouds(6, &gResources.cloudSprite1, &gResources.cloudSprite2);
        int cloudW = 0, cloudH = 0;
        gPlay.clouds[0].sprite->GetSize(cloudW, cloudH);
        gPlay.clouds[0].x = static_cast<float>(kFieldWidth - cloudW - 3);
        gPlay.clouds[0].y = static_cast<float>(kFieldHeight - cloudH - 2);
    }

    void TearDown() override
    {
        if (gPlay.audioStrip) al_destroy_bitmap(gPlay.audioStrip);
        if (gPlay.mapWindow) al_destroy_bitmap(gPlay.mapWindow);
        gPlay.audioStrip = gPlay.mapWindow = nullptr;
        ForgetFieldPicture();
        gPlay.map.tileSet.Unload();
        gPlay.map.loaded = false;
        gPlay.clouds.clear();
        std::tie(gPlay.windowWidth, gPlay.windowHeight, gPlay.windowX) = std::tuple(kFieldWidth, kFieldHeight, 0);
        for (Sprite* sprite : {&gResources.mowerSprite, &gResources.cloudSprite1, &gResources.cloudSprite2})
            sprite->Clear();
        screen.Close();
    }

    // Drawing moves the clouds and steps the sprites: both renderings start alike.
    static void Restore(const std::vector<Cloud>& clouds, unsigned seed)
    {
        gPlay.clouds = clouds;
        std::srand(seed);
        for (Sprite* sprite : {&gResources.mowerSprite, &gResources.cloudSprite1, &gResources.cloudSprite2}) {
            sprite->currentFrame = 0;
            KW_GetDateTime(sprite->frameStamp);
        }
    }

    static void DrawGameFrame()
    {
        DrawPlayArea();
        DrawStatus();
        ShowPlayArea();
    }

    // The frame drawn the plain way, every step as it reads.
    static void DrawPlainFrame()
    {
        ALLEGRO_BITMAP* back = al_get_target_bitmap();
        al_clear_to_color(KW_Colour(KWC_Background));
        al_set_target_bitmap(gPlay.mapWindow);
        al_set_blender(ALLEGRO_ADD, ALLEGRO_ONE, ALLEGRO_ZERO);
        for (int row = 0; row < kFieldRows; ++row)
            for (int column = 0; column < kFieldColumns; ++column) {
                const int tile = gPlay.cutFlags[row][column] ? kMownGrassTile : gPlay.map.GetCell(column, row);
                al_draw_bitmap(gPlay.map.tileSet.GetTileImage(tile), 32.0f * column, 32.0f * row, 0);
            }
        al_set_blender(ALLEGRO_ADD, ALLEGRO_ONE, ALLEGRO_INVERSE_ALPHA);
        gResources.mowerSprite.Draw(static_cast<int>(gPlay.mowerX), static_cast<int>(gPlay.mowerY), 1,
                                    static_cast<uint8_t>(gPlay.heading), 1, 255);
        for (Cloud& cloud : gPlay.clouds) {
            UpdateCloud(cloud);
            cloud.sprite->Draw(static_cast<int>(cloud.x), static_cast<int>(cloud.y), 32, 0, 1, 128);
        }
        al_set_target_bitmap(gPlay.audioStrip);
        const ALLEGRO_COLOR white = al_map_rgb(255, 255, 255);
        KW_DrawFontTextF(kwFontMedium, gPlay.windowX, 2, white, "%03d", gPlay.timeLeft);
        char line[256];
        FormatLevelLine(line, sizeof line, gPlay.levelIndex + 1, gPlay.map.title.c_str(), CutPercentage());
        KW_DrawTextF(kwScreenW - gPlay.windowX - KW_TextWidth(line) - 2, 2, white, "%s", line);
        al_set_target_bitmap(back);
        al_set_blender(ALLEGRO_ADD, ALLEGRO_ONE, ALLEGRO_ZERO);
        al_draw_scaled_bitmap(gPlay.mapWindow, 0, 0, kFieldWidth, kFieldHeight, gPlay.windowX, 0, gPlay.windowWidth,
                              gPlay.windowHeight, 0);
        al_set_blender(ALLEGRO_ADD, ALLEGRO_ONE, ALLEGRO_INVERSE_ALPHA);
    }

};

TEST_P(GameFrameScreen, GameFrameMatchesThePlainFrame)
{
    al_set_target_backbuffer(screen.display);
    const std::vector<Cloud> clouds = gPlay.clouds;
    // Three frames each way: the second draws the kept level line, the third a new percentage.
    std::vector<uint32_t> plain, game;
    for (int frame = 0; frame < 3; ++frame) {
        if (frame == 2) {
            gPlay.cutFlags[1][1] = 1;
            ++gPlay.cutCount;
        }
        Restore(clouds, 11);
        DrawPlainFrame();
        plain = ReadScreenPixels();
        Restore(clouds, 11);
        DrawGameFrame();
        game = ReadScreenPixels();
        ASSERT_EQ(plain.size(), game.size());
        ASSERT_FALSE(plain.empty()) << "the back buffer could not be read";
        // The turned mower is filtered in the map window's upside-down texture space: a channel may round apart.
        size_t differing = 0, first = 0;
        int worst = 0;
        for (size_t i = 0; i < plain.size(); ++i) {
            if (plain[i] == game[i]) continue;
            if (differing++ == 0) first = i;
            for (int shift = 0; shift < 24; shift += 8)
                worst = std::max(worst, std::abs(static_cast<int>((plain[i] >> shift) & 0xFF) -
                                                 static_cast<int>((game[i] >> shift) & 0xFF)));
        }
        EXPECT_LE(worst, 1) << "frame " << frame << ": first difference at x " << first % kwScreenW << ", y "
                            << first / kwScreenW;
        EXPECT_LE(differing, 16u) << "frame " << frame;
    }
    EXPECT_NE(game, std::vector<uint32_t>(game.size(), game[0])) << "something was drawn";
}

// Where the screen keeps its last frame, a scaled field redrawn only where it changed shows a whole frame.
TEST_P(GameFrameScreen, FramesDrawnInPatchesMatchWholeFrames)
{
    if (MapWindowIsUnscaled()) GTEST_SKIP() << "the field is drawn in place";
    al_set_target_backbuffer(screen.display);
    for (Cloud& cloud : gPlay.clouds) {  // clear of the top-left corner, where a mark is left
        cloud.x = std::max(cloud.x, 300.0f);
        cloud.y = std::max(cloud.y, 200.0f);
    }
    const std::vector<Cloud> clouds = gPlay.clouds;
    const float mowerX = gPlay.mowerX, heading = gPlay.heading;
    const int16_t cutCount = gPlay.cutCount;
    const bool kept = kwContext.redraw.backBufferKept;
    const auto play = [&](bool patched) {
        kwContext.redraw.backBufferKept = patched;
        ForgetFieldPicture();
        Restore(clouds, 11);
        gPlay.mowerX = mowerX;
        gPlay.heading = heading;
        gPlay.cutFlags[0][5] = 0;
        gPlay.cutCount = cutCount;
        std::vector<std::vector<uint32_t>> frames;
        for (int frame = 0; frame < 5; ++frame) {
            gPlay.mowerX -= 3.0f;
            gPlay.heading += 7.0f;
            if (frame == 2) {
                gPlay.cutFlags[0][5] = 1;  // a cell cut far from every sprite
                ++gPlay.cutCount;
            }
            DrawGameFrame();
            frames.push_back(ReadScreenPixels());
        }
        return frames;
    };
    const auto whole = play(false);
    const auto patched = play(true);
    for (size_t frame = 0; frame < whole.size(); ++frame) {
        size_t differing = 0;
        for (size_t i = 0; i < whole[frame].size(); ++i) differing += whole[frame][i] != patched[frame][i];
        EXPECT_EQ(differing, 0u) << "frame " << frame;
    }
    al_put_pixel(gPlay.windowX + 4, 4, al_map_rgb(255, 0, 255));
    DrawGameFrame();
    EXPECT_EQ(ReadScreenPixels()[static_cast<size_t>(4 * kwScreenW + gPlay.windowX + 4)], 0xFF00FFu)
        << "a patched frame drew over a part of the field where nothing changed";
    kwContext.redraw.backBufferKept = kept;
}

// 1:1 at the left edge; 1:1 centred with a border; scaled through the map window.
INSTANTIATE_TEST_SUITE_P(Screens, GameFrameScreen,
                         ::testing::Values(ScreenSize{800, 600}, ScreenSize{900, 576}, ScreenSize{1024, 768}),
                         [](const ::testing::TestParamInfo<ScreenSize>& info) {
                             return std::to_string(info.param.width) + "x" + std::to_string(info.param.height);
                         });

}  // namespace
