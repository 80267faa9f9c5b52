// Exported pictures, written beside the target and renamed over it.
#include "content/imagefile.h"

#include "content/binarystream.h"
#include "platform/platform.h"

#include <cstdio>
#include <string>

bool SaveBitmapReplacing(const char* path, ALLEGRO_BITMAP* bitmap)
{
    if (!path || !bitmap) return false;
    const std::string target = path;
    // The format comes from the target's extension, not the temporary's.
    const size_t slash = target.find_last_of("/\\");
    const size_t dot = target.rfind('.');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) return false;
    const std::string extension = target.substr(dot);

    const std::string temporary = target + ".tmp~";
    ALLEGRO_FILE* file = al_fopen(temporary.c_str(), "wb");
    if (!file) return false;
    bool ok = al_save_bitmap_f(file, extension.c_str(), bitmap) && !al_ferror(file);
    if (!al_fclose(file)) ok = false;
    if (ok) ok = PlatformReplaceFile(temporary, target);
    if (!ok) std::remove(temporary.c_str());
    return ok;
}

bool SaveTextReplacing(const char* path, const std::string& text)
{
    BinaryStream out;
    if (!path || !out.OpenForWriting(path)) return false;
    out.WriteBytes(text.data(), text.size());
    return out.Finish();
}
