// Content path resolution.
#include "content/datapath.h"

#include "platform/platform.h"

#include <allegro5/allegro.h>

#include <cstring>

bool gUseModFolder = false;
std::string gModFolder;
const char* const kBaseFolder = "base/";

std::string ResolveDataPath(const std::string& path)
{
    if (PlatformIsAbsolutePath(path)) return path;
    if (gUseModFolder) {
        const std::string modded = PlatformJoinPath(gModFolder, path);
        if (al_filename_exists(modded.c_str())) return modded;
    }
    return kBaseFolder + path;
}

bool ResolveDataPath(char* path, size_t bufferSize)
{
    if (!path || bufferSize == 0) return false;
    const std::string resolved = ResolveDataPath(std::string(path));
    if (resolved.size() + 1 > bufferSize) return false;
    std::memcpy(path, resolved.c_str(), resolved.size() + 1);
    return true;
}

std::string GetDataPath(const std::string& relativePath)
{
    if (gUseModFolder) return PlatformJoinPath(gModFolder, relativePath);
    return kBaseFolder + relativePath;
}
