// Exported pictures go through a temporary file: a failed export leaves the file that was there.
#include "content/imagefile.h"

#include "content_testing.h"

#include <allegro5/allegro_image.h>
#include <gtest/gtest.h>

#include <filesystem>

namespace fs = std::filesystem;

TEST(ImageFile, AnExportReplacesTheFileWholeAndAFailedOneLeavesItAsItWas)
{
    ScratchFolder folder;
    ALLEGRO_BITMAP* picture = MakeFilledBitmap(5, 3, al_map_rgb(10, 200, 30));
    const Bytes old = {'o', 'l', 'd'};
    const std::string png = folder.Path("tile.png");
    WriteFileBytes(png, old);
    ASSERT_TRUE(SaveBitmapReplacing(png.c_str(), picture));
    ALLEGRO_BITMAP* back = al_load_bitmap(png.c_str());
    ASSERT_NE(back, nullptr) << "the format the name asks for";
    EXPECT_EQ(PixelOf(back, 4, 2), (Rgba{10, 200, 30, 255}));
    al_destroy_bitmap(back);
    EXPECT_EQ(folder.Entries(), std::vector<std::string>{"tile.png"});

    // Refused: no format by that name, no extension, the temporary's place taken by a folder.
    fs::create_directories(folder.Path("blocked.png.tmp~"));
    for (const char* name : {"kept.xyz", "noextension", "blocked.png"}) {
        const std::string path = folder.Path(name);
        const bool existed = fs::path(path).has_extension();
        if (existed) WriteFileBytes(path, old);
        EXPECT_FALSE(SaveBitmapReplacing(path.c_str(), picture)) << name;
        EXPECT_FALSE(fs::is_regular_file(path + ".tmp~")) << name;
        EXPECT_EQ(fs::exists(path) ? ReadFileBytes(path) : Bytes(), existed ? old : Bytes()) << name;
    }
    EXPECT_FALSE(fs::exists(folder.Path("noextension")));
    al_destroy_bitmap(picture);
}
