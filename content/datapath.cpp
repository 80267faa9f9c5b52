// Where the program's files live, in the portable and the installed way.
#include "content/datapath.h"

#include "platform/platform.h"

#include <cstring>

bool gUseModFolder = false;
std::string gModFolder;
const char* const kBaseFolder = "base/";
const char* const kSystemFontPath = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";
ProgramFolders gFolders;

// [SECTION] Choosing the folders

namespace {
std::string AsFolder(const std::string& path)
{
    if (path.empty() || PlatformIsSeparator(path.back())) return path;
    return path + "/";
}

// The parent of a path's last part ("/usr/games/sodbolt" -> "/usr/games").
std::string ParentOf(const std::string& path)
{
    size_t end = path.size();
    while (end > 1 && PlatformIsSeparator(path[end - 1])) --end;
    while (end > 0 && !PlatformIsSeparator(path[end - 1])) --end;
    while (end > 1 && PlatformIsSeparator(path[end - 1])) --end;
    return path.substr(0, end);
}

// An XDG base folder: the variable when it holds an absolute path (anything
// else is to be ignored), else its default under the home folder.
std::string XdgFolder(const std::string& value, const std::string& home, const char* fallback)
{
    if (PlatformIsAbsolutePath(value)) return AsFolder(value);
    return AsFolder(PlatformJoinPath(home, fallback));
}

bool Exists(const std::string& path) { return PlatformIsFile(path) || PlatformIsFolder(path); }

bool IsInside(const std::string& path, const std::string& folder)
{
    return !folder.empty() && path.size() > folder.size() && path.compare(0, folder.size(), folder) == 0;
}
}  // namespace

FolderInputs ReadFolderInputs()
{
    FolderInputs inputs;
    inputs.workingFolderHasContent = PlatformIsFolder("base") && PlatformIsFolder("kwuidata");
    inputs.workingFolder = PlatformWorkingFolder();
    inputs.executablePath = PlatformExecutablePath();
    inputs.dataDirOverride = PlatformGetEnv("SODBOLT_DATA_DIR");
    inputs.home = PlatformHomeFolder();
    inputs.configHome = PlatformGetEnv("XDG_CONFIG_HOME");
    inputs.dataHome = PlatformGetEnv("XDG_DATA_HOME");
    inputs.stateHome = PlatformGetEnv("XDG_STATE_HOME");
    return inputs;
}

ProgramFolders ChooseFolders(const FolderInputs& inputs)
{
    ProgramFolders folders;
    if (inputs.workingFolderHasContent) return folders;

    folders.mode = RunMode::Installed;
    if (!inputs.dataDirOverride.empty()) {
        const std::string data = PlatformIsAbsolutePath(inputs.dataDirOverride)
                                     ? inputs.dataDirOverride
                                     : PlatformJoinPath(inputs.workingFolder, inputs.dataDirOverride);
        folders.dataFolder = AsFolder(PlatformCanonicalPath(data));
    } else {
        // <prefix>/games/sodbolt reads <prefix>/share/games/sodbolt/, wherever the prefix was moved.
        const std::string prefix = ParentOf(ParentOf(inputs.executablePath));
        folders.dataFolder = AsFolder(PlatformJoinPath(prefix, "share/games/sodbolt"));
    }
    folders.baseFolder = folders.dataFolder + "base/";
    folders.kwuiDataFolder = folders.dataFolder + "kwuidata/";
    folders.userDataFolder = XdgFolder(inputs.dataHome, inputs.home, ".local/share") + "sodbolt/";
    folders.userBaseFolder = folders.userDataFolder + "base/";
    folders.settingsFolder = XdgFolder(inputs.configHome, inputs.home, ".config") + "sodbolt/";
    folders.stateFolder = XdgFolder(inputs.stateHome, inputs.home, ".local/state") + "sodbolt/";
    return folders;
}

const std::string& SettingsFolder() { return gFolders.settingsFolder; }

std::string SettingsPath(const std::string& name) { return gFolders.settingsFolder + name; }

std::vector<std::string> ModFolderCandidates(const std::string& folder, const ProgramFolders& folders)
{
    if (folder.empty()) return {};
    std::vector<std::string> candidates{folder};
    if (PlatformIsAbsolutePath(folder) || folders.mode == RunMode::Portable) return candidates;
    candidates.push_back(folders.userDataFolder + "mods/" + folder);
    candidates.push_back(folders.dataFolder + folder);
    return candidates;
}

// [SECTION] Content paths

const std::string& BaseFolder() { return gFolders.baseFolder; }

std::string ResolveDataPath(const std::string& path)
{
    if (PlatformIsAbsolutePath(path)) return path;
    if (gUseModFolder) {
        const std::string modded = PlatformJoinPath(gModFolder, path);
        if (Exists(modded)) return modded;
    }
    if (!gFolders.userBaseFolder.empty() && !path.empty() && !PlatformIsSeparator(path.back())) {
        const std::string edited = gFolders.userBaseFolder + path;
        if (PlatformIsFile(edited)) return edited;
    }
    return gFolders.baseFolder + path;
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
    return gFolders.baseFolder + relativePath;
}

std::string SaveGamePath(const std::string& relativePath)
{
    if (gFolders.mode == RunMode::Portable || PlatformIsAbsolutePath(relativePath)) return ResolveDataPath(relativePath);
    return gFolders.userDataFolder + relativePath;
}

// [SECTION] Edited copies of shipped files

// The place under the user's data folder of a file inside the installed data
// folder; "" for any other path.
static std::string EditedCopyOf(const std::string& path)
{
    if (gFolders.mode != RunMode::Installed || !PlatformIsAbsolutePath(path)) return "";
    const std::string canonical = PlatformCanonicalPath(path);
    if (!IsInside(canonical, gFolders.dataFolder)) return "";
    return gFolders.userDataFolder + canonical.substr(gFolders.dataFolder.size());
}

std::string WritableContentPath(const std::string& path)
{
    const std::string edited = EditedCopyOf(path);
    if (edited.empty()) return path;
    PrepareFolderFor(edited);
    return edited;
}

std::string ReadableContentPath(const std::string& path)
{
    const std::string edited = EditedCopyOf(path);
    return !edited.empty() && PlatformIsFile(edited) ? edited : path;
}

void PrepareFolderFor(const std::string& filePath)
{
    if (gFolders.mode != RunMode::Installed) return;
    size_t end = filePath.size();
    while (end > 0 && !PlatformIsSeparator(filePath[end - 1])) --end;
    if (end > 1) PlatformMakeFolders(filePath.substr(0, end - 1));
}
