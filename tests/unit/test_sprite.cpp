// Sprites: frames, times, animation, shadows, bounds, files and damage.
#include "content/sprite.h"

#include "content_testing.h"

#include <array>

namespace {

// A 4 x 2 frame: transparent top left, black at (1, 0), red elsewhere.
ALLEGRO_BITMAP* MakeFrameImage()
{
    ALLEGRO_BITMAP* image = MakeFilledBitmap(4, 2, al_map_rgb(200, 0, 0));
    PutPixelOn(image, 0, 0, al_map_rgba(0, 0, 0, 0));
    PutPixelOn(image, 1, 0, al_map_rgb(0, 0, 0));
    return image;
}

void ExpectFrameImage(ALLEGRO_BITMAP* image)
{
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(PixelOf(image, 0, 0).a, 0);
    EXPECT_EQ((std::array{PixelOf(image, 1, 0), PixelOf(image, 3, 1)}), (std::array{Rgba{0, 0, 0, 255}, Rgba{200, 0, 0, 255}}));
}

void MakeTwoFrames(Sprite& sprite)
{
    ALLEGRO_BITMAP* image = MakeFrameImage();
    ASSERT_TRUE(sprite.AddFrame(image, "a.tga"));
    sprite.SetFrameTime(0, 20);
    ASSERT_TRUE(sprite.AddFrame(image, "b.tga"));
    sprite.SetFrameTime(1, -1);
    al_destroy_bitmap(image);
    sprite.description = "Mower";
}

void ExpectTwoFrames(const Sprite& sprite)
{
    ASSERT_EQ(sprite.GetFrameCount(), 2);
    EXPECT_EQ(sprite.GetDescription(), "Mower");
    EXPECT_EQ(sprite.frames[0].name, "a.tga");
    EXPECT_EQ(std::pair(sprite.GetFrameTime(0), sprite.GetFrameTime(1)), (std::pair<int16_t, int16_t>(20, -1)));
    ExpectFrameImage(sprite.frames[1].image);
}

} // namespace

TEST(Sprite, FramesCopyTheImageWithItsShadowTimesFollowThePreviousAndDeletingKeepsTheRest)
{
    Sprite sprite;
    EXPECT_EQ(sprite.GetDescription(), "(none)");
    ALLEGRO_BITMAP* image = MakeFrameImage();
    ASSERT_TRUE(sprite.AddFrame(image, "one"));
    EXPECT_EQ(sprite.GetFrameTime(0), 50);
    sprite.SetFrameTime(0, 20);
    ASSERT_TRUE(sprite.AddFrame(image, "two"));
    EXPECT_EQ(sprite.GetFrameTime(1), 20);
    al_destroy_bitmap(image);

    // The frame holds its own copy, transparency included; the shadow is black where it shows.
    ExpectFrameImage(sprite.frames[0].image);
    const SpriteFrame& frame = sprite.frames[0];
    ASSERT_TRUE(frame.hasShadow);
    EXPECT_EQ(PixelOf(frame.shadow, 0, 0).a, 0);
    EXPECT_EQ(PixelOf(frame.shadow, 3, 1), (Rgba{0, 0, 0, 255}));

    // Frames that do not exist have no time and cannot be changed.
    EXPECT_EQ(sprite.GetFrameTime(5), -1);
    EXPECT_FALSE(sprite.SetFrameImage(2, image) || sprite.AddFrame(nullptr, "none") || sprite.DeleteFrame(2));
    ASSERT_TRUE(sprite.DeleteFrame(0));
    ASSERT_EQ(sprite.GetFrameCount(), 1);
    EXPECT_EQ(sprite.frames[0].name, "two");
}

TEST(Sprite, AnimationSteps)
{
    Sprite sprite;
    ALLEGRO_BITMAP* image = MakeFrameImage();
    for (int i = 0; i < 3; ++i) ASSERT_TRUE(sprite.AddFrame(image, ""));
    al_destroy_bitmap(image);

    // -1 and 0 advance at every step; a long time holds; an elapsed time on the last frame wraps to 0.
    sprite.SetFrameTime(0, -1);
    sprite.SetFrameTime(1, 0);
    sprite.SetFrameTime(2, 30000);
    for (int expected : {1, 2, 2}) {
        sprite.Animate();
        EXPECT_EQ(sprite.currentFrame, expected);
    }
    sprite.SetFrameTime(2, -1);
    sprite.Animate();
    EXPECT_EQ(sprite.currentFrame, 0);
    ALLEGRO_BITMAP* canvas = MakeFilledBitmap(16, 16, al_map_rgb(0, 0, 0));
    DrawOn(canvas, [&] { sprite.Draw(0, 0, 0, 0, 1, 255); });
    EXPECT_EQ(sprite.currentFrame, 1) << "drawing animates too";
    al_destroy_bitmap(canvas);
}

TEST(Sprite, BoundsFollowFrameZeroAndDrawingPlacesTheFrameAndItsShadow)
{
    // A tall frame: the collision square is its width, centred.
    Sprite sprite;
    ALLEGRO_BITMAP* image = MakeFilledBitmap(32, 48, al_map_rgb(1, 1, 1));
    ASSERT_TRUE(sprite.AddFrame(image, ""));
    al_destroy_bitmap(image);
    EXPECT_EQ((std::array{sprite.left, sprite.top, sprite.right, sprite.bottom, sprite.centreX, sprite.centreY}),
              (std::array{0, 8, 32, 40, 16, 24}));

    Sprite small;
    image = MakeFilledBitmap(4, 4, al_map_rgb(250, 250, 250));
    ASSERT_TRUE(small.AddFrame(image, ""));
    al_destroy_bitmap(image);
    ALLEGRO_BITMAP* canvas = MakeFilledBitmap(20, 20, al_map_rgb(0, 0, 255));
    DrawOn(canvas, [&] { small.Draw(2, 2, 4, 0, 1, 255); });
    // The shadow at half alpha darkens the blue beside the sprite.
    const Rgba shaded = PixelOf(canvas, 8, 8);
    EXPECT_TRUE(shaded.r == 0 && shaded.b > 110 && shaded.b < 140) << shaded;
    EXPECT_EQ(PixelOf(canvas, 3, 3), (Rgba{250, 250, 250, 255}));
    al_destroy_bitmap(canvas);
}

TEST(Sprite, SaveAndLoadKeepsFramesTimesAndTransparencyTwice)
{
    ScratchFolder scratch;
    const std::string path = scratch.Path("m.spr");
    Sprite sprite;
    MakeTwoFrames(sprite);
    ASSERT_TRUE(sprite.Save(path.c_str()));

    Sprite back;
    ASSERT_TRUE(back.Load(path.c_str()));
    ExpectTwoFrames(back);

    ASSERT_TRUE(back.Save(path.c_str()));
    ASSERT_TRUE(sprite.Load(path.c_str()));
    ExpectTwoFrames(sprite);  // saved and loaded again: still transparent, not black
}

TEST(Sprite, RefusedAndTruncatedFilesKeepTheSprite)
{
    ScratchFolder scratch;
    Sprite sprite;
    MakeTwoFrames(sprite);
    const std::string good = scratch.Path("good.spr");
    ASSERT_TRUE(sprite.Save(good.c_str()));
    const Bytes valid = ReadFileBytes(good);

    const std::string path = scratch.Path("x.spr");
    const std::pair<Bytes, std::string> refused[] = {
        {FileStart("Sodbolt Sprite", 2), "File format too advanced"},
        {FileStart("Sodbolt Sprites", 1), "Not a valid sprite file"},
        {Bytes(valid.begin(), valid.end() - 1), path + " is damaged or truncated"},
    };
    for (const auto& [bytes, message] : refused) {
        WriteFileBytes(path, bytes);
        EXPECT_FALSE(sprite.Load(path.c_str()));
        EXPECT_EQ(sprite.lastError, message);
        ExpectTwoFrames(sprite);
    }
    ExpectEveryTruncationFails(
        path, valid, [&](const std::string& p) { return sprite.Load(p.c_str()); }, [&] { ExpectTwoFrames(sprite); });
}
