// Internal textures: a folder by name, the default texture, magenta made transparent, drawing at the corner.
#include "kwui/textures.h"

#include "content_testing.h"

#include "kwui/console.h"
#include "kwui/core.h"

#include <allegro5/allegro.h>
#include <gtest/gtest.h>

#include <array>
#include <fstream>
#include <string>
#include <utility>

namespace {

struct TextureScratch : InScratchFolder {  // logged errors land in the scratch folder
    const std::string folder = scratch.Path("");
    ~TextureScratch() { KW_ReleaseInternalTextures(); }
    // Saves a w x h picture in one colour with a magenta top-left pixel.
    void SaveIcon(const std::string& fileName, int w, int h, ALLEGRO_COLOR colour)
    {
        ALLEGRO_BITMAP* bitmap = MakeFilledBitmap(w, h, colour);
        PutPixelOn(bitmap, 0, 0, al_map_rgb(255, 0, 255));
        EXPECT_TRUE(al_save_bitmap((folder + "/" + fileName).c_str(), bitmap));
        al_destroy_bitmap(bitmap);
    }
};

}  // namespace

// Lookup ignores case; unreadable files and unknown names give the white default.
TEST(Textures, AFolderLoadsByNameMagentaBecomesSeeThroughAndDrawingStartsAtTheTopLeft)
{
    TextureScratch scratch;
    scratch.SaveIcon("yes.bmp", 24, 16, al_map_rgb(0, 200, 0));
    scratch.SaveIcon("CheckBox_Checked.tga", 32, 32, al_map_rgb(10, 20, 30));
    scratch.SaveIcon("notes.png", 32, 32, al_map_rgb(1, 2, 3));  // not one of the listed kinds
    scratch.SaveIcon("dot.bmp", 6, 4, al_map_rgb(0, 0, 255));
    std::ofstream(scratch.folder + "/broken.tga") << "this is not an image";
    KW_LoadInternalTexturesFrom(scratch.folder);

    const KW_Texture yes = KW_GetInternalTexture("YES");
    EXPECT_EQ(yes.name, "yes");
    ASSERT_TRUE(yes.hasBitmap);
    EXPECT_EQ(std::make_pair(yes.width, yes.height), std::make_pair(24, 16));
    EXPECT_EQ(PixelOf(yes.bitmap.get(), 0, 0).a, 0);
    EXPECT_EQ(PixelOf(yes.bitmap.get(), 5, 5), (Rgba{0, 200, 0, 255}));
    EXPECT_EQ(KW_GetInternalTexture("checkbox_checked").name, "CheckBox_Checked");

    const KW_Texture missing = KW_GetInternalTexture("no-such-icon");
    EXPECT_TRUE(KW_IsDefaultTexture(missing));
    ASSERT_TRUE(missing.hasBitmap);
    EXPECT_EQ(std::make_pair(missing.width, missing.height), std::make_pair(32, 32));
    EXPECT_EQ(PixelOf(missing.bitmap.get(), 16, 16), (Rgba{255, 255, 255, 255}));
    EXPECT_TRUE(KW_IsDefaultTexture(KW_GetInternalTexture("notes")));
    EXPECT_TRUE(KW_IsDefaultTexture(KW_GetInternalTexture("broken")));
    EXPECT_EQ(KW_InternalTextures().size(), 4u);  // default, yes, CheckBox_Checked, dot

    const Bytes log = ReadFileBytes(scratch.folder + "/" + kwErrorLogName);
    const std::string all(log.begin(), log.end());
    EXPECT_NE(all.find("KW_LoadInternalTextures: Unable to load texture from "), std::string::npos) << all;
    EXPECT_NE(all.find("broken.tga"), std::string::npos);

    // Drawn at angle zero, the top-left corner sits at the position.
    ALLEGRO_BITMAP* target = MakeFilledBitmap(20, 20, al_map_rgb(0, 0, 0));
    DrawOn(target, [] { KW_DrawTexture(10, 5, 0.0, 255, KW_GetInternalTexture("dot")); });
    const Rgba blue{0, 0, 255, 255}, black{0, 0, 0, 255};
    // first row, second column; the icon's bottom right; the magenta corner stayed see-through; just right and left
    EXPECT_EQ((std::array{PixelOf(target, 11, 5), PixelOf(target, 15, 8), PixelOf(target, 10, 5), PixelOf(target, 16, 8),
                          PixelOf(target, 9, 6)}),
              (std::array{blue, blue, black, black, black}));
    al_destroy_bitmap(target);
}
