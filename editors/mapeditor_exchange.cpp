// The map editor's exchange with other tools: the map as a Tiled TMX file
// and back, and the saved map into or out of game.ini's level list.
#include "editors/mapeditor.h"

#include "content/datapath.h"
#include "content/tiledmap.h"
#include "editors/levellist.h"
#include "kwui/console.h"
#include "kwui/dialogs.h"
#include "kwui/filedialog.h"

#include <allegro5/allegro.h>

#include <filesystem>

namespace {

// Where the Tiled dialogs start: the folder used last in this run.
std::string tiledPath;

// Where game.ini's level list is written: the mod's or the base folder's
// file, or the user's copy of it when the base folder is read-only.
std::string GameIniTarget()
{
    const std::string target = WritableContentPath(GetDataPath("game.ini"));
    PrepareFolderFor(target);
    return target;
}

// The file a path names, or false when they differ or either is missing.
bool SameFile(const std::string& a, const std::string& b)
{
    std::error_code ignored;
    return std::filesystem::equivalent(a, b, ignored);
}

} // namespace

void MapEditor::ExportToTiled()
{
    std::string path = tiledPath;
    if (!KW_SelectFile("tmx", "Export to Tiled", path)) return;
    if (al_filename_exists(path.c_str()) && !KW_Confirm("Overwrite existing file %s?", path.c_str())) return;
    std::string error;
    if (!ExportMapToTmx(map, path, error)) {
        KW_ShowMessage("%s", error.c_str());
        return;
    }
    tiledPath = path;
    KW_Message("Exported map to %s", path.c_str());
}

void MapEditor::ImportFromTiled()
{
    std::string path = tiledPath;
    if (!KW_SelectFile("tmx", "Import from Tiled", path)) return;
    const MapSnapshot before = TakeMapSnapshot(map);
    std::string error;
    if (!ImportMapFromTmx(map, path, error)) {
        KW_ShowMessage("%s", error.c_str());
        return;
    }
    // One undo step; the map is unsaved even when the file held the same map.
    RecordChange(before);
    history.MarkUnsaved();
    UpdateTitle();
    tiledPath = path;
    KW_Message("Imported map from %s", path.c_str());
}

void MapEditor::AddToLevels()
{
    if (fileName == kUnsavedFileName || Modified()) {
        if (!KW_Confirm("%s", "The map must be saved before it joins the levels.  Save it now?")) return;
        if (!SaveDocument(false)) return;
    }
    const std::string name = FileNameOnly(fileName);
    if (!SameFile(fileName, ResolveDataPath("maps/" + name))) {
        KW_ShowMessage("Only a map in the game's maps folder can be a level: save it as %s first",
                       GetDataPath("maps/" + name).c_str());
        return;
    }
    const std::string readPath = ResolveDataPath(std::string("game.ini"));
    int already = -1;
    const int count = LevelListCount(readPath, name, already);
    if (already >= 0) {
        KW_ShowMessage("%s is level %d already", name.c_str(), already + 1);
        return;
    }
    int position = count + 1;
    if (!KW_InputNumber(position, 1, count + 1, "Level number for %s (1 to %d)", name.c_str(), count + 1)) return;
    std::string music = LastLevelMusic(readPath);
    if (!KW_InputString(music, 255, "Music for the level (in the music folder)")) return;
    std::string error;
    if (!AddToLevelList(readPath, GameIniTarget(), name, music, position - 1, error)) {
        KW_ShowMessage("%s", error.c_str());
        return;
    }
    KW_ShowMessage("%s is now level %d of %d", name.c_str(), position, count + 1);
}

void MapEditor::RemoveFromLevels()
{
    const std::string name = FileNameOnly(fileName);
    const std::string readPath = ResolveDataPath(std::string("game.ini"));
    int position = -1;
    LevelListCount(readPath, name, position);
    if (fileName == kUnsavedFileName || position < 0) {
        KW_ShowMessage("%s is not in the level list", name.c_str());
        return;
    }
    if (!KW_Confirm("Take %s (level %d) out of the level list?", name.c_str(), position + 1)) return;
    std::string error;
    if (!RemoveFromLevelList(readPath, GameIniTarget(), name, position, error)) {
        KW_ShowMessage("%s", error.c_str());
        return;
    }
    KW_ShowMessage("%s is no longer a level", name.c_str());
}
