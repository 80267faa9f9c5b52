// Where the program's files live: the content (base folder, the user's edited
// copies, the optional mod folder), the toolkit's data, the settings, saved
// games and the error log, in either of the two ways the game runs.
//
// Portable: the working folder holds base/ and kwuidata/; everything is read
// and written there, by relative paths. Installed: content comes from the
// read-only data folder (<prefix>/share/games/sodbolt/ beside the program's
// <prefix>/games/, or SODBOLT_DATA_DIR), and what the program writes goes to
// the user's XDG folders.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

enum class RunMode { Portable, Installed };

// What start-up finds on the disk and in the environment; ChooseFolders turns
// it into the folders without looking at anything itself.
struct FolderInputs {
    bool workingFolderHasContent = false;  // base/ and kwuidata/ in the working folder
    std::string workingFolder;
    std::string executablePath;   // absolute
    std::string dataDirOverride;  // SODBOLT_DATA_DIR
    std::string home;             // HOME
    std::string configHome;       // XDG_CONFIG_HOME
    std::string dataHome;         // XDG_DATA_HOME
    std::string stateHome;        // XDG_STATE_HOME
};

// Every folder name ends in "/" unless it is "" (the working folder).
struct ProgramFolders {
    RunMode mode = RunMode::Portable;
    std::string dataFolder;                 // installed: the read-only data folder
    std::string baseFolder = "base/";       // the game's own content
    std::string kwuiDataFolder = "kwuidata/";
    std::string userBaseFolder;             // installed: edited content, read before baseFolder
    std::string userDataFolder;             // installed: $XDG_DATA_HOME/sodbolt/ (savegames/, mods/)
    std::string settingsFolder;             // kwui2.ini, sodbolt.ini
    std::string stateFolder;                // the error log
};

// The system's copy of the font, used when the installed kwuidata has none.
extern const char* const kSystemFontPath;  // /usr/share/fonts/truetype/dejavu/DejaVuSans.ttf

FolderInputs ReadFolderInputs();
ProgramFolders ChooseFolders(const FolderInputs& inputs);
// The folders in use; portable until start-up sets them.
extern ProgramFolders gFolders;

// The folder of the settings files (and whatever else belongs beside them);
// "" is the working folder. SettingsPath joins a file name to it.
const std::string& SettingsFolder();
std::string SettingsPath(const std::string& name);

// Where a relative "-base" folder may be, in the order it is looked for: the
// working folder, then (installed) $XDG_DATA_HOME/sodbolt/mods/ and beside the
// installed base folder. An absolute folder is only itself.
std::vector<std::string> ModFolderCandidates(const std::string& folder, const ProgramFolders& folders);

extern bool gUseModFolder;
extern std::string gModFolder;
extern const char* const kBaseFolder;  // "base/", the portable base folder
// The base folder in use ("base/" or the installed one).
const std::string& BaseFolder();

// Resolves a relative content path: the mod folder's file when it has one,
// then the user's edited copy (installed; files only, so that a folder such
// as "maps/" names the shipped folder), else the base folder's. Absolute
// paths are kept.
std::string ResolveDataPath(const std::string& path);
// Rewrites a relative content path in place (buffer of bufferSize bytes).
// A result that does not fit leaves the buffer as it was and returns false.
bool ResolveDataPath(char* path, size_t bufferSize);
// The path under the mod folder when one is set, else under the base folder,
// without looking at the disk.
std::string GetDataPath(const std::string& relativePath);
// A saved game's file ("savegames/000.sav"): among the content when portable,
// under $XDG_DATA_HOME/sodbolt/ when installed.
std::string SaveGamePath(const std::string& relativePath);

// Where a save of that file goes: a file inside the read-only data folder is
// written to the same relative place under $XDG_DATA_HOME/sodbolt/ (base/...
// to the user's base folder, whose folders are made on the way); anything else
// to itself.
std::string WritableContentPath(const std::string& path);
// What a load of that file reads: the user's edited copy of a file in the
// data folder when there is one, else the file itself.
std::string ReadableContentPath(const std::string& path);
// Creates the missing folders above a file about to be written (owner-only).
void PrepareFolderFor(const std::string& filePath);
