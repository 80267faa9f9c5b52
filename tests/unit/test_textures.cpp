// Internal textures: loading a folder, lookup by name, the default texture,
// magenta made transparent, and drawing at the given corner.
#include "kwui/textures.h"

#include "content_testing.h"

#include "kwui/console.h"
#include "kwui/core.h"

#include <allegro5/allegro.h>
#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <utility>

namespace fs = std::filesystem;

namespace {

// A scratch folder that is also the working folder while it lives, so that
// logged errors land in it and not in the source tree.
struct TextureScratch : InScratchFolder {
    const std::string folder = scratch.Path("");
    ~TextureScratch() { KW_ReleaseInternalTextures(); }
    // Saves a w x h memory bitmap in one colour with a magenta top-left pixel.
    void SaveIcon(const std::string& fileName, int w, int h, ALLEGRO_COLOR colour)
    {
        ALLEGRO_STATE state;
        al_store_state(&state, ALLEGRO_STATE_TARGET_BITMAP | ALLEGRO_STATE_NEW_BITMAP_PARAMETERS);
        al_set_new_bitmap_flags(ALLEGRO_MEMORY_BITMAP);
        ALLEGRO_BITMAP* bitmap = al_create_bitmap(w, h);
        al_set_target_bitmap(bitmap);
        al_clear_to_color(colour);
        al_put_pixel(0, 0, al_map_rgb(255, 0, 255));
        al_restore_state(&state);
        EXPECT_TRUE(al_save_bitmap((folder + "/" + fileName).c_str(), bitmap));
        al_destroy_bitmap(bitmap);
    }
};

void ExpectPixel(ALLEGRO_BITMAP* bitmap, int x, int y, int r, int g, int b, int a)
{
    unsigned char pr, pg, pb, pa;
    al_unmap_rgba(al_get_pixel(bitmap, x, y), &pr, &pg, &pb, &pa);
    const bool opaque = a == 255;  // the colour of a see-through pixel does not matter
    EXPECT_EQ((std::array<int, 4>{opaque ? pr : r, opaque ? pg : g, opaque ? pb : b, pa}),
              (std::array<int, 4>{r, g, b, a}))
        << "at " << x << "," << y;
}

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
    ExpectPixel(yes.bitmap.get(), 0, 0, 0, 0, 0, 0);
    ExpectPixel(yes.bitmap.get(), 5, 5, 0, 200, 0, 255);
    EXPECT_EQ(KW_GetInternalTexture("checkbox_checked").name, "CheckBox_Checked");

    const KW_Texture missing = KW_GetInternalTexture("no-such-icon");
    EXPECT_TRUE(KW_IsDefaultTexture(missing));
    ASSERT_TRUE(missing.hasBitmap);
    EXPECT_EQ(std::make_pair(missing.width, missing.height), std::make_pair(32, 32));
    ExpectPixel(missing.bitmap.get(), 16, 16, 255, 255, 255, 255);
    EXPECT_TRUE(KW_IsDefaultTexture(KW_GetInternalTexture("notes")));
    EXPECT_TRUE(KW_IsDefaultTexture(KW_GetInternalTexture("broken")));
    EXPECT_EQ(KW_InternalTextures().size(), 4u);  // default, yes, CheckBox_Checked, dot

    std::ifstream log(scratch.folder + "/" + kwErrorLogName);
    const std::string all((std::istreambuf_iterator<char>(log)), std::istreambuf_iterator<char>());
    EXPECT_NE(all.find("KW_LoadInternalTextures: Unable to load texture from "), std::string::npos) << all;
    EXPECT_NE(all.find("broken.tga"), std::string::npos);

    // Drawn at angle zero, the top-left corner sits at the position.
    ALLEGRO_STATE state;
    al_store_state(&state, ALLEGRO_STATE_TARGET_BITMAP | ALLEGRO_STATE_NEW_BITMAP_PARAMETERS);
    al_set_new_bitmap_flags(ALLEGRO_MEMORY_BITMAP);
    ALLEGRO_BITMAP* target = al_create_bitmap(20, 20);
    al_set_target_bitmap(target);
    al_clear_to_color(al_map_rgb(0, 0, 0));
    KW_DrawTexture(10, 5, 0.0, 255, KW_GetInternalTexture("dot"));
    al_restore_state(&state);

    ExpectPixel(target, 11, 5, 0, 0, 255, 255);   // first row, second column
    ExpectPixel(target, 15, 8, 0, 0, 255, 255);   // bottom-right pixel of the icon
    ExpectPixel(target, 10, 5, 0, 0, 0, 255);     // the magenta corner stayed see-through
    ExpectPixel(target, 16, 8, 0, 0, 0, 255);     // just right of it
    ExpectPixel(target, 9, 6, 0, 0, 0, 255);      // just left of it
    al_destroy_bitmap(target);
}
