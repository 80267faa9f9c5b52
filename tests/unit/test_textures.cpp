// Internal textures: a folder by name, the default texture, magenta made transparent, drawing at the corner.
#include "kwui/textures.h"

#include "content_testing.h"

#include "kwui/console.h"
#include "kwui/core.h"

#include <array>
#include <tuple>

// Lookup ignores case; unreadable files and unknown names give the white default.
TEST(Textures, AFolderLoadsByNameMagentaBecomesSeeThroughAndDrawingStartsAtTheTopLeft)
{
    InScratchFolder here;  // logged errors land in the scratch folder
    const std::string folder = here.scratch.Path("");
    // Each in one colour with a magenta top-left pixel; png is not one of the listed kinds.
    for (const auto& [name, w, h] : {std::tuple{"yes.bmp", 24, 16}, {"CheckBox_Checked.tga", 32, 32}, {"notes.png", 32, 32},
                                     {"dot.bmp", 6, 4}}) {
        ALLEGRO_BITMAP* bitmap = MakeFilledBitmap(w, h, al_map_rgb(0, 0, 255));
        PutPixelOn(bitmap, 0, 0, al_map_rgb(255, 0, 255));
        EXPECT_TRUE(al_save_bitmap((folder + name).c_str(), bitmap));
        al_destroy_bitmap(bitmap);
    }
    std::ofstream(folder + "broken.tga") << "this is not an image";
    KW_LoadInternalTexturesFrom(folder);

    const KW_Texture yes = KW_GetInternalTexture("YES");
    EXPECT_EQ(yes.name, "yes");
    EXPECT_EQ(std::make_pair(yes.width, yes.height), std::make_pair(24, 16));
    EXPECT_EQ(KW_GetInternalTexture("checkbox_checked").name, "CheckBox_Checked");
    const KW_Texture missing = KW_GetInternalTexture("no-such-icon");
    EXPECT_TRUE(KW_IsDefaultTexture(missing));
    ASSERT_TRUE(missing.hasBitmap);
    EXPECT_EQ(PixelOf(missing.bitmap.get(), 16, 16), (Rgba{255, 255, 255, 255}));
    EXPECT_TRUE(KW_IsDefaultTexture(KW_GetInternalTexture("notes")));
    EXPECT_TRUE(KW_IsDefaultTexture(KW_GetInternalTexture("broken")));

    // Drawn at angle zero, the top-left corner sits at the position; the magenta corner stays see-through.
    ALLEGRO_BITMAP* target = MakeFilledBitmap(20, 20, al_map_rgb(0, 0, 0));
    DrawOn(target, [] { KW_DrawTexture(10, 5, 0.0, 255, KW_GetInternalTexture("dot")); });
    const Rgba blue{0, 0, 255, 255}, black{0, 0, 0, 255};
    EXPECT_EQ((std::array{PixelOf(target, 11, 5), PixelOf(target, 15, 8), PixelOf(target, 10, 5), PixelOf(target, 16, 8),
                          PixelOf(target, 9, 6)}),
              (std::array{blue, blue, black, black, black}));
    al_destroy_bitmap(target);
    KW_ReleaseInternalTextures();
}
