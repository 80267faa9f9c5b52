// The registry of internal textures: every icon of the program, by name.
#pragma once

#include <allegro5/allegro.h>

#include <memory>
#include <string>

// A registered image. Copies share the bitmap; the registry owns it.
struct KW_Texture {
    std::shared_ptr<ALLEGRO_BITMAP> bitmap;
    int width = 0, height = 0;
    int halfWidth = 0, halfHeight = 0;
    bool hasBitmap = false;
    std::string lastError;
    std::string name;
};

void KW_LoadInternalTextures();
void KW_ReleaseInternalTextures();
// The texture of that name (case ignored), or the default "(no texture)".
KW_Texture KW_GetInternalTexture(const std::string& name);
// Makes a texture record from a copy of a bitmap, magenta made transparent.
KW_Texture KW_MakeTexture(ALLEGRO_BITMAP* source, const std::string& name);
void KW_DrawTexture(int x, int y, double angle, int alpha, const KW_Texture& texture);
