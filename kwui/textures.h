// The registry of internal textures: every icon of the program, by name.
#pragma once

#include <allegro5/allegro.h>

#include <memory>
#include <string>
#include <vector>

// A registered image. Copies share the bitmap; the registry owns it.
struct KW_Texture {
    std::shared_ptr<ALLEGRO_BITMAP> bitmap;
    int width = 0, height = 0;
    int halfWidth = 0, halfHeight = 0;  // the rotation centre
    bool hasBitmap = false;
    std::string lastError;  // "Unable to create bitmap" when registration failed
    std::string name;       // lookup key: the file name without extension
};

extern const char* const kwDefaultTextureName;  // "(no texture)"
extern std::string kwTextureFolder;  // "kwuidata/textures/" unless start-up sets another

// Fills the registry: the white default texture, then every BMP, PCX and TGA
// file of the texture folder. Failures are logged and skipped.
void KW_LoadInternalTextures();
// Loads from another folder (tests and tools); the registry is replaced.
void KW_LoadInternalTexturesFrom(const std::string& folder);
void KW_ReleaseInternalTextures();
// The texture of that name (case ignored), or the default "(no texture)".
KW_Texture KW_GetInternalTexture(const std::string& name);
bool KW_IsDefaultTexture(const KW_Texture& texture);
// Appends a texture to the registry from a copy of the bitmap.
KW_Texture& KW_RegisterTexture(ALLEGRO_BITMAP* source, const std::string& name);
const std::vector<KW_Texture>& KW_InternalTextures();
// Makes a texture record from a copy of a bitmap, magenta made transparent.
KW_Texture KW_MakeTexture(ALLEGRO_BITMAP* source, const std::string& name);
// Tinted white with the alpha (0-255), rotated about its centre by
// angle x pi / 128; at angle 0 its top-left corner is at (x, y).
void KW_DrawTexture(int x, int y, double angle, int alpha, const KW_Texture& texture);
