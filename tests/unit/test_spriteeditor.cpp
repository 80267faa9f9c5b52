// The sprite editor's rules: frame stepping, the texts of its screen and the exported frame picture.
#include "content_testing.h"
#include "editors/spriteops.h"

#include <allegro5/allegro.h>
#include <gtest/gtest.h>

#include <array>
#include <string>
#include <utility>

TEST(SpriteEditorFrames, PreviousAndNextWrapRoundDeletingLeavesAValidFrameShownAndTheLineCountsFromOne)
{
    EXPECT_EQ(std::pair(PreviousFrameIndex(0, 3), NextFrameIndex(2, 3)), (std::pair<int16_t, int16_t>(2, 0)));
    EXPECT_EQ(FrameIndexAfterDelete(2, 2), 1) << "deleting the last frame shows the one before";
    for (const auto& [index, count] : {std::pair{-1, 0}, {0, 0}, {3, 3}}) EXPECT_FALSE(IsValidFrame(index, count)) << index;
    for (int16_t count = 1; count <= 4; ++count)
        for (int16_t deleted = 0; deleted <= count; ++deleted)
            EXPECT_TRUE(IsValidFrame(FrameIndexAfterDelete(deleted, count), count)) << deleted << " of " << count;

    EXPECT_EQ(SpriteFrameLine(-1, 0, -1), "No frames have been created - use Add Frame to add frames to this sprite.");
    EXPECT_EQ(SpriteFrameLine(2, 3, 20), "Frame 3 of 3 - Display time 20/100 sec");
    EXPECT_EQ(SpriteFrameLine(3, 3, 77), "Frame 4 of 3 - Display time -1/100 sec") << "no time outside the frames";
    EXPECT_EQ(SpriteEditorTitle("100%s.spr"), "100%s.spr - Sprite Editor");
}

TEST(SpriteEditorExport, TransparentPixelsGoOutMagentaAndImportBackTheSame)
{
    ALLEGRO_BITMAP* frame = MakeFilledBitmap(3, 2, al_map_rgba(0, 0, 0, 0));
    DrawOn(frame, [] {
        al_put_pixel(1, 0, al_map_rgb(255, 0, 0));
        al_put_pixel(2, 0, al_map_rgb(0, 0, 0));         // opaque black stays black
        al_put_pixel(0, 1, al_map_rgba(64, 0, 0, 128));  // half seen, premultiplied
    });
    ALLEGRO_BITMAP* picture = MakeFrameExportImage(frame);
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ((std::array{PixelOf(picture, 0, 0), PixelOf(picture, 1, 0), PixelOf(picture, 2, 0), PixelOf(picture, 0, 1)}),
              (std::array{Rgba{255, 0, 255, 255}, Rgba{255, 0, 0, 255}, Rgba{0, 0, 0, 255}, Rgba{127, 0, 0, 255}}));

    ScratchFolder scratch;
    for (const char* name : {"frame.bmp", "frame.tga", "frame.pcx"}) {
        const std::string path = scratch.Path(name);
        ASSERT_TRUE(al_save_bitmap(path.c_str(), picture)) << name;
        ALLEGRO_BITMAP* back = LoadFrameImage(path.c_str());
        ASSERT_NE(back, nullptr) << name;
        EXPECT_EQ(PixelOf(back, 0, 0).a + PixelOf(back, 1, 1).a, 0) << name << ": magenta comes back transparent";
        EXPECT_EQ(PixelOf(back, 1, 0), (Rgba{255, 0, 0, 255})) << name;
        EXPECT_EQ(PixelOf(back, 2, 0), (Rgba{0, 0, 0, 255})) << name;
        al_destroy_bitmap(back);
    }
    al_destroy_bitmap(picture);
    al_destroy_bitmap(frame);
    EXPECT_EQ(LoadFrameImage(scratch.Path("missing.bmp").c_str()), nullptr);
}
