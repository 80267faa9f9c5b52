// The registry of internal textures: loaded from the texture folder at start-up
// and after a display-mode change, looked up by name for every icon.
#include "kwui/textures.h"

#include "kwui/console.h"
#include "kwui/core.h"
#include "kwui/redraw.h"
#include "kwui/dirlist.h"
#include "kwui/draw.h"
#include "platform/platform.h"

#include <cmath>

const char* const kwDefaultTextureName = "(no texture)";
std::string kwTextureFolder = "kwuidata/textures/";

// Bitmaps may outlive the registry in button copies; once Allegro itself has
// gone (exit), destroying them is neither possible nor needed.
static void DestroyBitmap(ALLEGRO_BITMAP* bitmap)
{
    if (bitmap && al_is_system_installed()) al_destroy_bitmap(bitmap);
}

// [SECTION] Making textures

KW_Texture KW_MakeTexture(ALLEGRO_BITMAP* source, const std::string& name)
{
    KW_Texture texture;
    texture.name = name;
    if (!source) {
        texture.lastError = "Unable to create bitmap";
        return texture;
    }
    const int w = al_get_bitmap_width(source);
    const int h = al_get_bitmap_height(source);
    ALLEGRO_BITMAP* copy = al_create_bitmap(w, h);
    if (!copy) {
        texture.lastError = "Unable to create bitmap";
        return texture;
    }
    // Copy the pixels exactly, then restore whatever target was current.
    ALLEGRO_STATE state;
    al_store_state(&state, ALLEGRO_STATE_TARGET_BITMAP | ALLEGRO_STATE_BLENDER);
    al_set_target_bitmap(copy);
    al_set_blender(ALLEGRO_ADD, ALLEGRO_ONE, ALLEGRO_ZERO);
    al_clear_to_color(al_map_rgba(0, 0, 0, 0));
    al_draw_bitmap(source, 0, 0, 0);
    al_convert_mask_to_alpha(copy, al_map_rgb(255, 0, 255));
    al_restore_state(&state);

    texture.bitmap = std::shared_ptr<ALLEGRO_BITMAP>(copy, DestroyBitmap);
    texture.hasBitmap = true;
    texture.width = w;
    texture.height = h;
    texture.halfWidth = w / 2;
    texture.halfHeight = h / 2;
    return texture;
}

KW_Texture& KW_RegisterTexture(ALLEGRO_BITMAP* source, const std::string& name)
{
    kwContext.textures.push_back(KW_MakeTexture(source, name));
    return kwContext.textures.back();
}

const std::vector<KW_Texture>& KW_InternalTextures() { return kwContext.textures; }

// [SECTION] Loading and releasing

void KW_ReleaseInternalTextures() { kwContext.textures.clear(); }

void KW_LoadInternalTexturesFrom(const std::string& folder)
{
    KW_ReleaseInternalTextures();

    // The default texture: a white square for every icon that is not there.
    ALLEGRO_BITMAP* blank = al_create_bitmap(32, 32);
    if (blank) {
        ALLEGRO_STATE state;
        al_store_state(&state, ALLEGRO_STATE_TARGET_BITMAP);
        al_set_target_bitmap(blank);
        al_clear_to_color(KW_Colour(KWC_Console));
        al_restore_state(&state);
        KW_RegisterTexture(blank, kwDefaultTextureName);
        al_destroy_bitmap(blank);
    } else {
        KW_LogError("KW_LoadInternalTextures: Unable to create default internal texture.");
    }

    DirectoryListClass listing;
    listing.AddExtension("BMP");
    listing.AddExtension("PCX");
    listing.AddExtension("TGA");
    listing.List(folder, DirectoryListClass::FilesOnly, false);
    for (const DirectoryEntry& entry : listing.Entries()) {
        if (entry.isFolder) continue;
        ALLEGRO_BITMAP* loaded = al_load_bitmap(entry.fullPath.c_str());
        if (!loaded) {
            const std::string path = PlatformJoinPath(folder, entry.name);
            KW_LogError("KW_LoadInternalTextures: Unable to load texture from %s", path.c_str());
            continue;
        }
        const size_t dot = entry.name.rfind('.');
        KW_RegisterTexture(loaded, dot == std::string::npos ? entry.name : entry.name.substr(0, dot));
        al_destroy_bitmap(loaded);
    }
}

void KW_LoadInternalTextures() { KW_LoadInternalTexturesFrom(kwTextureFolder); }

// [SECTION] Lookup and drawing

KW_Texture KW_GetInternalTexture(const std::string& name)
{
    for (const KW_Texture& texture : kwContext.textures)
        if (PlatformEqualsNoCase(texture.name, name)) return texture;
    for (const KW_Texture& texture : kwContext.textures)
        if (texture.name == kwDefaultTextureName) return texture;
    // No registry at all (nothing loaded yet): an empty default record.
    KW_Texture none;
    none.name = kwDefaultTextureName;
    return none;
}

bool KW_IsDefaultTexture(const KW_Texture& texture) { return texture.name == kwDefaultTextureName; }

void KW_DrawTexture(int x, int y, double angle, int alpha, const KW_Texture& texture)
{
    if (!texture.hasBitmap || !texture.bitmap || KW_DrawingSkipped()) return;
    if (alpha < 0) alpha = 0;
    if (alpha > 255) alpha = 255;
    const ALLEGRO_COLOR tint = al_map_rgba(255, 255, 255, static_cast<unsigned char>(alpha));
    const float radians = static_cast<float>(angle * ALLEGRO_PI / 128.0);
    al_draw_tinted_rotated_bitmap(texture.bitmap.get(), tint, static_cast<float>(texture.halfWidth),
                                  static_cast<float>(texture.halfHeight), static_cast<float>(x + texture.halfWidth),
                                  static_cast<float>(y + texture.halfHeight), radians, 0);
}
