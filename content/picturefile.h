// Picture files from other programs: the program's own readers for TGA
// (either row order, RLE or not), BMP (1 to 32 bits, RLE, bit fields with
// alpha) and ILBM/LBM (1 to 8 planes with a colour map, uncompressed or
// ByteRun1), and a TGA writer whose files read the right way up elsewhere.
// Damaged or truncated files are refused rather than read with black rows.
#pragma once

#include <allegro5/allegro.h>

#include <cstddef>
#include <string>
#include <vector>

// Makes al_load_bitmap and al_save_bitmap use the readers and the TGA writer
// for ".tga", ".bmp", ".lbm", ".iff" and ".ilbm"; after al_init_image_addon.
void RegisterPictureFormats();

// Loads a picture with the current new-bitmap settings (alpha premultiplied
// unless flags hold ALLEGRO_NO_PREMULTIPLIED_ALPHA). Null with error set:
// "NAME is damaged or truncated" for a file of a known kind that ends early
// or contradicts itself, "Error reading PATH" otherwise.
ALLEGRO_BITMAP* LoadPicture(const std::string& path, std::string& error, int flags = 0);

// Decoders on bytes in memory, to RGBA rows top first (not premultiplied).
// False for a damaged or truncated file.
struct PicturePixels {
    int width = 0, height = 0;
    std::vector<unsigned char> rgba;
};
bool DecodeTga(const unsigned char* data, size_t size, PicturePixels& picture);
bool DecodeBmp(const unsigned char* data, size_t size, PicturePixels& picture);
bool DecodeIlbm(const unsigned char* data, size_t size, PicturePixels& picture);
