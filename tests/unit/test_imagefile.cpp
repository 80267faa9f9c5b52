// Exported pictures go through a temporary file: a failed export leaves the
// file that was there.
#include "content/imagefile.h"

#include <allegro5/allegro_image.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace fs = std::filesystem;

namespace {
std::string Bytes(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}
}  // namespace

TEST(ImageFile, AnExportReplacesTheFileWholeAndAFailedOneLeavesItAsItWas)
{
    al_init_image_addon();
    al_set_new_bitmap_flags(ALLEGRO_MEMORY_BITMAP);
    const fs::path folder = fs::temp_directory_path() / "sodbolt_imagefile_test";
    fs::remove_all(folder);
    fs::create_directories(folder);
    ALLEGRO_BITMAP* picture = al_create_bitmap(5, 3);
    ALLEGRO_STATE state;
    al_store_state(&state, ALLEGRO_STATE_TARGET_BITMAP);
    al_set_target_bitmap(picture);
    al_clear_to_color(al_map_rgb(10, 200, 30));
    al_restore_state(&state);

    // Over an old file: the picture, in the format the name asks for, and nothing beside it.
    const fs::path png = folder / "tile.png";
    std::ofstream(png) << "old";
    ASSERT_TRUE(SaveBitmapReplacing(png.c_str(), picture));
    ALLEGRO_BITMAP* back = al_load_bitmap(png.c_str());
    ASSERT_NE(back, nullptr);
    unsigned char r, g, b;
    al_unmap_rgb(al_get_pixel(back, 4, 2), &r, &g, &b);
    EXPECT_EQ(r + g * 256 + b * 65536, 10 + 200 * 256 + 30 * 65536);
    al_destroy_bitmap(back);
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 1);

    // Refused: no format by that name, no extension, the temporary's place taken by a folder.
    const fs::path kept = folder / "kept.xyz";
    std::ofstream(kept) << "old picture";
    fs::create_directories(folder / "blocked.png.tmp~");
    std::ofstream(folder / "blocked.png") << "old picture";
    for (const fs::path& path : {kept, folder / "noextension", folder / "blocked.png"}) {
        EXPECT_FALSE(SaveBitmapReplacing(path.c_str(), picture)) << path;
        EXPECT_FALSE(fs::exists(path.string() + ".tmp~") && !fs::is_directory(path.string() + ".tmp~")) << path;
    }
    EXPECT_EQ(Bytes(kept), "old picture");
    EXPECT_EQ(Bytes(folder / "blocked.png"), "old picture");
    EXPECT_FALSE(fs::exists(folder / "noextension"));
    EXPECT_FALSE(SaveBitmapReplacing(png.c_str(), nullptr));

    al_destroy_bitmap(picture);
    fs::remove_all(folder);
}
