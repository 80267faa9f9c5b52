// spritedump: prints a sprite file as the game's own loader reads it, and
// makes the small files the sprite editor's end-to-end tests work with.
//   spritedump FILE.spr                 description, frame count, then per frame
//                                       its name, time, size, transparent pixel
//                                       count and a few pixels ("r g b a")
//   spritedump --picture FILE           the same pixels of an image file, read
//                                       as the editor imports it (magenta made
//                                       transparent)
//   spritedump --make-image FILE R G B  a 16 x 16 picture of one colour with a
//                                       two-pixel magenta border
//   spritedump --zentor3 FILE           a version 3 Zentor sprite: description
//                                       "Old mower", 16 x 16 grey frames of
//                                       display times 30 and 40
//   spritedump --line-height            the toolkit's standard line height
#include "content/sprite.h"
#include "editors/spriteops.h"
#include "kwui/core.h"
#include "kwui/draw.h"

#include <allegro5/allegro.h>
#include <allegro5/allegro_image.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

constexpr int kImageSize = 16;

void PrintPixel(const char* prefix, ALLEGRO_BITMAP* image, int x, int y)
{
    unsigned char r, g, b, a;
    al_unmap_rgba(al_get_pixel(image, x, y), &r, &g, &b, &a);
    std::printf("%spixel%d,%d=%d %d %d %d\n", prefix, x, y, r, g, b, a);
}

void PrintImage(const char* prefix, ALLEGRO_BITMAP* image)
{
    const int width = al_get_bitmap_width(image), height = al_get_bitmap_height(image);
    int transparent = 0;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            unsigned char r, g, b, a;
            al_unmap_rgba(al_get_pixel(image, x, y), &r, &g, &b, &a);
            if (a == 0) ++transparent;
        }
    std::printf("%ssize=%dx%d\n", prefix, width, height);
    std::printf("%stransparent=%d\n", prefix, transparent);
    PrintPixel(prefix, image, 0, 0);
    PrintPixel(prefix, image, width / 2, height / 2);
}

int DumpSprite(const char* path)
{
    Sprite sprite;
    if (!sprite.Load(path)) {
        std::fprintf(stderr, "%s\n", sprite.lastError.c_str());
        return 1;
    }
    std::printf("description=%s\n", sprite.GetDescription().c_str());
    std::printf("frames=%d\n", sprite.GetFrameCount());
    for (int i = 0; i < sprite.GetFrameCount(); ++i) {
        char prefix[32];
        std::snprintf(prefix, sizeof prefix, "frame%d.", i);
        std::printf("%sname=%s\n", prefix, sprite.frames[i].name.c_str());
        std::printf("%stime=%d\n", prefix, sprite.GetFrameTime(static_cast<int16_t>(i)));
        PrintImage(prefix, sprite.frames[i].image);
    }
    return 0;
}

int DumpPicture(const char* path)
{
    ALLEGRO_BITMAP* image = LoadFrameImage(path);
    if (!image) {
        std::fprintf(stderr, "spritedump: cannot read %s\n", path);
        return 1;
    }
    PrintImage("", image);
    al_destroy_bitmap(image);
    return 0;
}

int MakeImage(const char* path, int r, int g, int b)
{
    ALLEGRO_BITMAP* image = al_create_bitmap(kImageSize, kImageSize);
    if (!image) return 1;
    al_set_target_bitmap(image);
    al_clear_to_color(al_map_rgb(255, 0, 255));
    for (int y = 2; y < kImageSize - 2; ++y)
        for (int x = 2; x < kImageSize - 2; ++x) al_put_pixel(x, y, al_map_rgb(r, g, b));
    const bool saved = al_save_bitmap(path, image);
    al_destroy_bitmap(image);
    if (!saved) std::fprintf(stderr, "spritedump: cannot write %s\n", path);
    return saved ? 0 : 1;
}

void PutU8(std::vector<uint8_t>& bytes, unsigned value) { bytes.push_back(static_cast<uint8_t>(value)); }
void PutU32(std::vector<uint8_t>& bytes, uint32_t value)
{
    for (int i = 0; i < 4; ++i) bytes.push_back(static_cast<uint8_t>(value >> (8 * i)));
}
void PutFixed(std::vector<uint8_t>& bytes, const std::string& text, size_t width)
{
    for (size_t i = 0; i < width; ++i) bytes.push_back(i < text.size() ? static_cast<uint8_t>(text[i]) : 0);
}

// Version 3: no frame names, 1-byte pixels, a 1 + 1 + 4 byte trailer.
int MakeZentor3(const char* path)
{
    std::vector<uint8_t> bytes;
    PutFixed(bytes, "Qdx Sprite File", 32);
    PutU32(bytes, 3);
    PutFixed(bytes, "Old mower", 32);
    PutU8(bytes, 2);  // frames
    PutU8(bytes, 1);  // extra images
    PutU32(bytes, 0);
    // the extra image record, skipped on import
    PutFixed(bytes, "extra", 32);
    PutU32(bytes, 1);
    PutU32(bytes, 2);
    PutU32(bytes, 3);
    PutU32(bytes, 2);
    PutU32(bytes, 2);
    for (int p = 0; p < 4; ++p) PutU8(bytes, 0x11);
    const unsigned greys[2] = {0x60, 0xC0};
    const uint32_t times[2] = {30, 40};
    for (int frame = 0; frame < 2; ++frame) {
        PutU32(bytes, times[frame]);
        PutU32(bytes, kImageSize);
        PutU32(bytes, kImageSize);
        for (int p = 0; p < kImageSize * kImageSize; ++p) PutU8(bytes, greys[frame]);
    }
    PutU8(bytes, 0);
    PutU8(bytes, 0);
    PutU32(bytes, 0);

    FILE* file = std::fopen(path, "wb");
    if (!file) {
        std::fprintf(stderr, "spritedump: cannot write %s\n", path);
        return 1;
    }
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    const bool closed = std::fclose(file) == 0;
    return written && closed ? 0 : 1;
}

int PrintLineHeight()
{
    if (!KW_LoadFonts()) return 1;
    std::printf("%d\n", KW_LineHeight());
    KW_DestroyFonts();
    return 0;
}

}  // namespace

int main(int argc, char** argv)
{
    if (!al_init() || !al_init_image_addon()) {
        std::fprintf(stderr, "spritedump: Allegro could not start\n");
        return 2;
    }
    // Without a display every bitmap is a memory bitmap.
    if (argc == 2 && std::strcmp(argv[1], "--line-height") == 0) return PrintLineHeight();
    if (argc == 2 && argv[1][0] != '-') return DumpSprite(argv[1]);
    if (argc == 3 && std::strcmp(argv[1], "--picture") == 0) return DumpPicture(argv[2]);
    if (argc == 3 && std::strcmp(argv[1], "--zentor3") == 0) return MakeZentor3(argv[2]);
    if (argc == 6 && std::strcmp(argv[1], "--make-image") == 0)
        return MakeImage(argv[2], std::atoi(argv[3]), std::atoi(argv[4]), std::atoi(argv[5]));
    std::fprintf(stderr,
                 "usage: spritedump FILE.spr | --picture FILE | --make-image FILE R G B | --zentor3 FILE"
                 " | --line-height\n");
    return 2;
}
