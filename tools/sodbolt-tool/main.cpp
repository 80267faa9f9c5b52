// sodbolt-tool: Sodbolt's content from the command line, for scripts and mod
// packs; it opens no window and needs no display.
//   sodbolt-tool info FILE                      a .til/.map/.spr/.sav file's fields, one a line
//   sodbolt-tool export-map IN.map OUT.tmx      a Tiled map (and the tile set beside it)
//   sodbolt-tool import-map IN.tmx OUT.map
//   sodbolt-tool export-tileset IN.til OUT.tsx  writes OUT.png beside
//   sodbolt-tool import-tileset IN.tsx|IN.png OUT.til
//   sodbolt-tool export-sprite IN.spr OUT.png   writes OUT.json beside
//   sodbolt-tool import-sprite IN.png OUT.spr [--frame-width N]
//   sodbolt-tool check-map IN.map [--skill easy|normal|hard]
//   sodbolt-tool render-map IN.map OUT.png      the field as the game draws it
// Content (the game tile set, the mower) is found as the game finds it: in the
// working folder, else in the installed data folder. Exit codes: 0 done, 1 check-map found a fault, 2 bad
// input or a failed write.
#include "content/datapath.h"
#include "content/imagefile.h"
#include "content/map.h"
#include "content/picturefile.h"
#include "content/savegame.h"
#include "content/sheets.h"
#include "content/sprite.h"
#include "content/tiledmap.h"
#include "content/tileset.h"
#include "game/playstate.h"
#include "game/routeplanner.h"
#include "tools/mapfields.h"

#include <allegro5/allegro.h>
#include <allegro5/allegro_image.h>

#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

constexpr int kBadInput = 2;

struct Command {
    const char* name;
    const char* usage;
    const char* help;
    int (*run)(const std::vector<std::string>& args);
};

int Fail(const std::string& text)
{
    std::fprintf(stderr, "sodbolt-tool: %s\n", text.c_str());
    return kBadInput;
}

std::string Extension(const std::string& path)
{
    const std::string name = FileDisplayName(path);
    const size_t dot = name.rfind('.');
    std::string extension = dot == std::string::npos ? "" : name.substr(dot);
    for (char& c : extension) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return extension;
}

// A content file named on the command line, with what its loader said.
std::string LoadError(const std::string& path, const std::string& error)
{
    return error.find(path) == std::string::npos ? path + ": " + error : error;
}

bool LoadMap(Map& map, const std::string& path, std::string& error)
{
    if (map.Load(path.c_str())) return true;
    error = LoadError(path, map.lastError);
    return false;
}

// --- info -------------------------------------------------------------------

int InfoTileset(const std::string& path)
{
    Tileset tileset;
    if (!tileset.Load(path.c_str())) return Fail(LoadError(path, tileset.lastError));
    std::printf("kind=tile set\n");
    std::printf("description=%s\n", tileset.description.c_str());
    int counts[4] = {};
    int used = 0;
    for (const Tile& tile : tileset.tiles) {
        if (tile.type >= TileLand && tile.type <= TileWater) ++counts[tile.type];
        if (tile.description != "(none)") ++used;
    }
    std::printf("tiles=%d\n", Tileset::kTileCount);
    std::printf("described=%d\n", used);
    for (int type = TileLand; type <= TileWater; ++type)
        std::printf("%s=%d\n", GetTileTypeName(static_cast<int8_t>(type)).c_str(), counts[type]);
    for (int i = 0; i < Tileset::kTileCount; ++i) {
        const Tile& tile = tileset.tiles[i];
        if (tile.description == "(none)" && tile.type == TileLand) continue;
        const std::string type = GetTileTypeName(tile.type);
        std::printf("tile%d=%s, %s\n", i, type.empty() ? std::to_string(tile.type).c_str() : type.c_str(),
                    tile.description.c_str());
    }
    return 0;
}

int InfoMap(const std::string& path)
{
    Map map;
    std::string error;
    if (!LoadMap(map, path, error)) return Fail(error);
    int grass = 0;
    for (int row = 0; row < Map::kRows; ++row)
        for (int column = 0; column < Map::kColumns; ++column) grass += map.GetCellType(column, row) == TileGrass;
    std::printf("kind=map\n");
    PrintMapFields(map);
    std::printf("grassCells=%d\n", grass);
    PrintMapRows(map);
    return 0;
}

int InfoSprite(const std::string& path)
{
    Sprite sprite;
    if (!sprite.Load(path.c_str())) return Fail(LoadError(path, sprite.lastError));
    std::printf("kind=sprite\n");
    std::printf("description=%s\n", sprite.description.c_str());
    std::printf("frames=%d\n", sprite.GetFrameCount());
    for (int16_t i = 0; i < sprite.GetFrameCount(); ++i)
        std::printf("frame%d=%s, %d x %d, %d\n", i, sprite.frames[i].name.c_str(), sprite.GetFrameWidth(i),
                    sprite.GetFrameHeight(i), sprite.GetFrameTime(i));
    return 0;
}

int InfoSave(const std::string& path)
{
    SaveGameSlot slot;
    slot.path = path;
    int16_t level = 0, skill = 0;
    if (!LoadSavedGame(slot, level, skill)) return Fail(LoadError(path, slot.lastError));
    std::printf("kind=saved game\n");
    std::printf("level=%d\n", level + 1);
    const std::string name = GetSkillName(skill);
    std::printf("skill=%s\n", name.empty() ? std::to_string(skill).c_str() : name.c_str());
    return 0;
}

int RunInfo(const std::vector<std::string>& args)
{
    const std::string& path = args[0];
    const std::string extension = Extension(path);
    if (extension == ".til") return InfoTileset(path);
    if (extension == ".map") return InfoMap(path);
    if (extension == ".spr") return InfoSprite(path);
    if (extension == ".sav") return InfoSave(path);
    return Fail(path + ": not a .til, .map, .spr or .sav file");
}

// --- conversions ----------------------------------------------------------------

int RunExportMap(const std::vector<std::string>& args)
{
    Map map;
    std::string error;
    if (!LoadMap(map, args[0], error)) return Fail(error);
    // A map without the game's tiles would go to Tiled all black.
    if (map.tileSetFile.empty()) return Fail(std::string("no game tile set at ") + GetDataPath(Map::kDefaultTileset));
    if (!ExportMapToTmx(map, args[1], error)) return Fail(error);
    return 0;
}

int RunImportMap(const std::vector<std::string>& args)
{
    Map map;
    map.New();
    std::string error;
    if (!ImportMapFromTmx(map, args[0], error)) return Fail(error);
    if (!map.Save(args[1].c_str())) return Fail(map.lastError);
    return 0;
}

int RunExportTileset(const std::vector<std::string>& args)
{
    Tileset tileset;
    if (!tileset.Load(args[0].c_str())) return Fail(LoadError(args[0], tileset.lastError));
    std::string error;
    if (!ExportTilesetToTsx(tileset, args[1], error)) return Fail(error);
    return 0;
}

int RunImportTileset(const std::vector<std::string>& args)
{
    // Into a new set: tiles the sheet does not hold come out unused.
    Tileset tileset;
    tileset.New();
    std::string error;
    const bool ok = Extension(args[0]) == ".tsx" ? ImportTilesetFromTsx(tileset, args[0], error)
                                                 : ImportTileSheetPng(tileset, args[0], error);
    if (!ok) return Fail(error);
    if (!tileset.Save(args[1].c_str())) return Fail(tileset.lastError);
    return 0;
}

int RunExportSprite(const std::vector<std::string>& args)
{
    Sprite sprite;
    if (!sprite.Load(args[0].c_str())) return Fail(LoadError(args[0], sprite.lastError));
    std::string error;
    if (!ExportSpriteStrip(sprite, args[1], error)) return Fail(error);
    return 0;
}

bool ParseNumber(const std::string& text, int lowest, int highest, int& value)
{
    char* end = nullptr;
    const long number = std::strtol(text.c_str(), &end, 10);
    if (text.empty() || *end != '\0' || number < lowest || number > highest) return false;
    value = static_cast<int>(number);
    return true;
}

int RunImportSprite(const std::vector<std::string>& args)
{
    int frameWidth = 0;
    if (args.size() == 4) {
        if (args[2] != "--frame-width" || !ParseNumber(args[3], 1, 32767, frameWidth))
            return Fail("--frame-width takes a number of pixels from 1 to 32767");
    } else if (args.size() != 2) {
        return Fail("import-sprite takes IN.png OUT.spr [--frame-width N]");
    }
    Sprite sprite;
    std::string error;
    if (!ImportSpriteStrip(sprite, args[0], frameWidth, error)) return Fail(error);
    if (!sprite.Save(args[1].c_str())) return Fail(sprite.lastError);
    return 0;
}

// --- check and render -------------------------------------------------------------

int RunCheckMap(const std::vector<std::string>& args)
{
    int skill = SkillNormal;
    if (args.size() == 3) {
        const std::string& name = args[2];
        if (args[1] != "--skill") return Fail("check-map takes IN.map [--skill easy|normal|hard]");
        if (name == "easy") skill = SkillEasy;
        else if (name == "normal") skill = SkillNormal;
        else if (name == "hard") skill = SkillHard;
        else return Fail("--skill is easy, normal or hard, not \"" + name + "\"");
    } else if (args.size() != 1) {
        return Fail("check-map takes IN.map [--skill easy|normal|hard]");
    }
    Map map;
    std::string error;
    if (!LoadMap(map, args[0], error)) return Fail(error);
    if (map.tileSetFile.empty()) return Fail(std::string("no game tile set at ") + GetDataPath(Map::kDefaultTileset));
    Sprite mower;
    const std::string mowerPath = ResolveDataPath(std::string("sprites/mower.spr"));
    if (!mower.Load(mowerPath.c_str())) return Fail(LoadError(mowerPath, mower.lastError));

    const RoutePlan plan = PlanMowingRoute(map, mower);
    if (plan.UnreachableCount() > 0) {
        std::printf("%s%d of %d grass cells can never be reached:\n",
                    plan.mowerStuck ? "The mower cannot leave its start point: " : "", plan.UnreachableCount(),
                    plan.grassTotal);
        for (int cell : plan.unreachableCells)
            std::printf("(%d, %d)\n", cell % Map::kColumns, cell / Map::kColumns);
        return 1;
    }
    const int limit = SkillTimeLimit(skill, map.timeLimit);
    const bool inTime = plan.Seconds() <= limit;
    std::printf("Every grass cell (%d) can be reached: the planned route takes %.1f s of the %d s limit on %s%s\n",
                plan.grassTotal, plan.Seconds(), limit, GetSkillName(static_cast<int16_t>(skill)).c_str(),
                inTime ? "." : ", too long.");
    return inTime ? 0 : 1;
}

int RunRenderMap(const std::vector<std::string>& args)
{
    Map map;
    std::string error;
    if (!LoadMap(map, args[0], error)) return Fail(error);
    ALLEGRO_STATE state;
    al_store_state(&state, ALLEGRO_STATE_NEW_BITMAP_PARAMETERS | ALLEGRO_STATE_TARGET_BITMAP);
    al_set_new_bitmap_flags(ALLEGRO_MEMORY_BITMAP);
    ALLEGRO_BITMAP* field = al_create_bitmap(kFieldWidth, kFieldHeight);
    bool ok = field != nullptr;
    if (ok) {
        al_set_target_bitmap(field);
        al_clear_to_color(al_map_rgb(0, 0, 0));
        map.Draw(0, 0);
    }
    al_restore_state(&state);
    if (ok) ok = SaveBitmapReplacing(args[1].c_str(), field);
    if (field) al_destroy_bitmap(field);
    return ok ? 0 : Fail("Unable to write " + args[1]);
}

const Command kCommands[] = {
    {"info", "info FILE", "Prints a tile set (.til), map (.map), sprite (.spr) or saved game (.sav), one field a line.",
     RunInfo},
    {"export-map", "export-map IN.map OUT.tmx",
     "Writes the map as a Tiled map, and the game tile set beside it as NAME.tsx and NAME.png.", RunExportMap},
    {"import-map", "import-map IN.tmx OUT.map",
     "Reads a Tiled map (25 x 16 tiles of the Sodbolt tile set; CSV or base64 data, plain, zlib or gzip) into a map file.",
     RunImportMap},
    {"export-tileset", "export-tileset IN.til OUT.tsx",
     "Writes the tile set as a Tiled tile set and its 1024 x 1024 sheet as OUT.png beside it.", RunExportTileset},
    {"import-tileset", "import-tileset IN.tsx|IN.png OUT.til",
     "Reads a Tiled tile set and its sheet, or a bare PNG sheet (sides multiples of 32, at most 1024 tiles), into a "
     "tile set file.",
     RunImportTileset},
    {"export-sprite", "export-sprite IN.spr OUT.png",
     "Writes the frames side by side as one PNG strip and their names, rectangles and times as OUT.json beside it.",
     RunExportSprite},
    {"import-sprite", "import-sprite IN.png OUT.spr [--frame-width N]",
     "Reads a PNG strip and the JSON beside it into a sprite file; with --frame-width the strip is cut into frames "
     "N pixels wide instead.",
     RunImportSprite},
    {"check-map", "check-map IN.map [--skill easy|normal|hard]",
     "Drives the game's mower over the map as Check Map does. Prints the grass it cannot reach, or the planned time "
     "against the limit (Normal unless --skill says). Exit 0 when all grass is reached in time, 1 when not, 2 for a "
     "bad file.",
     RunCheckMap},
    {"render-map", "render-map IN.map OUT.png", "Draws the 800 x 512 field as the game shows it into a picture.",
     RunRenderMap},
};

// Arguments each command takes (check-map and import-sprite take options too).
size_t MinimumArguments(const Command& command)
{
    return std::strcmp(command.name, "info") == 0 || std::strcmp(command.name, "check-map") == 0 ? 1 : 2;
}

bool FixedArguments(const Command& command)
{
    return std::strcmp(command.name, "check-map") != 0 && std::strcmp(command.name, "import-sprite") != 0;
}

void PrintUsage(FILE* out)
{
    std::fprintf(out, "usage: sodbolt-tool COMMAND ARGUMENTS   (sodbolt-tool COMMAND --help for one)\n\n");
    for (const Command& command : kCommands) std::fprintf(out, "  sodbolt-tool %s\n", command.usage);
    std::fprintf(out, "\nContent (the game tile set, the mower) is found as the game finds it: in the working folder when\n"
                      "it holds base/ and kwuidata/, else in the installed content.\n");
}

} // namespace

int main(int argc, char** argv)
{
    std::vector<std::string> args(argv + 1, argv + argc);
    if (args.empty()) {
        PrintUsage(stderr);
        return kBadInput;
    }
    if (args[0] == "--help" || args[0] == "-h" || args[0] == "help") {
        PrintUsage(stdout);
        return 0;
    }
    const Command* command = nullptr;
    for (const Command& candidate : kCommands)
        if (args[0] == candidate.name) command = &candidate;
    if (!command) {
        std::fprintf(stderr, "sodbolt-tool: no command \"%s\"\n", args[0].c_str());
        PrintUsage(stderr);
        return kBadInput;
    }
    args.erase(args.begin());
    for (const std::string& arg : args) {
        if (arg == "--help" || arg == "-h") {
            std::printf("usage: sodbolt-tool %s\n%s\n", command->usage, command->help);
            return 0;
        }
    }
    if (args.size() < MinimumArguments(*command) || (FixedArguments(*command) && args.size() != MinimumArguments(*command))) {
        std::fprintf(stderr, "usage: sodbolt-tool %s\n", command->usage);
        return kBadInput;
    }
    if (!al_init() || !al_init_image_addon()) {
        std::fprintf(stderr, "sodbolt-tool: Allegro could not start\n");
        return kBadInput;
    }
    RegisterPictureFormats();
    // Installed (in P/games), the game's content is the one in P/share/games/sodbolt.
    gFolders = ChooseFolders(ReadFolderInputs());
    return command->run(args);
}
