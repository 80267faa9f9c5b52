// Internal textures (icons). Minimal registry until the widget set lands.
#include "kwui/textures.h"

void KW_LoadInternalTextures() {}
void KW_ReleaseInternalTextures() {}
KW_Texture KW_GetInternalTexture(const std::string&) { return KW_Texture{}; }
KW_Texture KW_MakeTexture(ALLEGRO_BITMAP*, const std::string& name)
{
    KW_Texture t;
    t.name = name;
    return t;
}
void KW_DrawTexture(int, int, double, int, const KW_Texture&) {}
