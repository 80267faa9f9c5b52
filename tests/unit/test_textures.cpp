// Internal textures: loading a folder, lookup by name, the default texture,
// magenta made transparent, and drawing at the given corner.
#include "kwui/textures.h"

#include "kwui/console.h"
#include "kwui/core.h"

#include <allegro5/allegro.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <iterator>
#include <fstream>
#include <string>
#include <unistd.h>

namespace {

// A scratch folder that is also the working folder while it lives, so that
// logged errors land in it and not in the source tree.
struct TextureScratch {
    std::string folder;
    std::string previous;
    TextureScratch()
    {
        char templ[] = "/tmp/kwtexXXXXXX";
        folder = mkdtemp(templ);
        char cwd[1024];
        previous = getcwd(cwd, sizeof cwd) ? cwd : ".";
        EXPECT_EQ(chdir(folder.c_str()), 0);
    }
    ~TextureScratch()
    {
        KW_ReleaseInternalTextures();
        EXPECT_EQ(chdir(previous.c_str()), 0);
        std::string command = "rm -rf '" + folder + "'";
        EXPECT_EQ(std::system(command.c_str()), 0);
    }
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
    EXPECT_EQ(pa, a) << "alpha at " << x << "," << y;
    if (a == 255) {
        EXPECT_EQ(pr, r) << "at " << x << "," << y;
        EXPECT_EQ(pg, g) << "at " << x << "," << y;
        EXPECT_EQ(pb, b) << "at " << x << "," << y;
    }
}

}  // namespace

TEST(Textures, LookupIgnoresCaseAndUnknownNamesGiveTheWhiteDefault)
{
    TextureScratch scratch;
    scratch.SaveIcon("yes.bmp", 24, 16, al_map_rgb(0, 200, 0));
    scratch.SaveIcon("CheckBox_Checked.tga", 32, 32, al_map_rgb(10, 20, 30));
    scratch.SaveIcon("notes.png", 32, 32, al_map_rgb(1, 2, 3));  // not one of the listed kinds
    KW_LoadInternalTexturesFrom(scratch.folder);

    const KW_Texture yes = KW_GetInternalTexture("YES");
    EXPECT_EQ(yes.name, "yes");
    EXPECT_TRUE(yes.hasBitmap);
    EXPECT_EQ(yes.width, 24);
    EXPECT_EQ(yes.height, 16);
    EXPECT_EQ(yes.halfWidth, 12);
    EXPECT_EQ(yes.halfHeight, 8);
    EXPECT_EQ(KW_GetInternalTexture("checkbox_checked").name, "CheckBox_Checked");

    const KW_Texture missing = KW_GetInternalTexture("no-such-icon");
    EXPECT_TRUE(KW_IsDefaultTexture(missing));
    ASSERT_TRUE(missing.hasBitmap);
    EXPECT_EQ(missing.width, 32);
    EXPECT_EQ(missing.height, 32);
    ExpectPixel(missing.bitmap.get(), 16, 16, 255, 255, 255, 255);
    EXPECT_TRUE(KW_IsDefaultTexture(KW_GetInternalTexture("notes")));
    // default + yes + CheckBox_Checked
    EXPECT_EQ(KW_InternalTextures().size(), 3u);
}

TEST(Textures, MagentaBecomesTransparentInTheRegisteredCopy)
{
    TextureScratch scratch;
    scratch.SaveIcon("go.bmp", 8, 8, al_map_rgb(200, 100, 50));
    KW_LoadInternalTexturesFrom(scratch.folder);
    const KW_Texture go = KW_GetInternalTexture("go");
    ASSERT_TRUE(go.hasBitmap);
    ExpectPixel(go.bitmap.get(), 0, 0, 0, 0, 0, 0);
    ExpectPixel(go.bitmap.get(), 5, 5, 200, 100, 50, 255);
}

TEST(Textures, AnUnreadableFileIsLoggedAndSkipped)
{
    TextureScratch scratch;
    std::ofstream(scratch.folder + "/broken.tga") << "this is not an image";
    scratch.SaveIcon("good.bmp", 4, 4, al_map_rgb(1, 1, 1));
    KW_LoadInternalTexturesFrom(scratch.folder);
    EXPECT_TRUE(KW_IsDefaultTexture(KW_GetInternalTexture("broken")));
    EXPECT_FALSE(KW_IsDefaultTexture(KW_GetInternalTexture("good")));
    std::ifstream log(scratch.folder + "/" + kwErrorLogName);
    std::string all((std::istreambuf_iterator<char>(log)), std::istreambuf_iterator<char>());
    EXPECT_NE(all.find("KW_LoadInternalTextures: Unable to load texture from "), std::string::npos) << all;
    EXPECT_NE(all.find("broken.tga"), std::string::npos);
}

TEST(Textures, DrawingAtAngleZeroPutsTheTopLeftCornerAtThePosition)
{
    TextureScratch scratch;
    scratch.SaveIcon("dot.bmp", 6, 4, al_map_rgb(0, 0, 255));
    KW_LoadInternalTexturesFrom(scratch.folder);

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
