// The main menu with its Options and Tools submenus, the new-game screen
// (save slot, then skill level) and the delete-saved-game screen.
#include "app/credits.h"
#include "app/menu.h"
#include "app/startup.h"
#include "audio/audio.h"
#include "content/datapath.h"
#include "content/savegame.h"
#include "editors/mapeditor.h"
#include "editors/spriteeditor.h"
#include "editors/tileeditor.h"
#include "game/controls.h"
#include "game/gamepad.h"
#include "game/playgame.h"
#include "game/playstate.h"
#include "game/records.h"
#include "game/resources.h"
#include "game/results.h"
#include "kwui/kwui.h"

#include <algorithm>
#include <cstdio>
#include <memory>

namespace {

enum MainChoice { kPlay, kOptions, kTools, kHelp, kCredits, kExit };
enum OptionsChoice { kAudioPanel, kVideoOptions, kControls, kDeleteSavedGame, kOptionsBack };
enum ToolsChoice { kMapEditor, kTileEditor, kSpriteEditor, kToolsBack };

// One frame of a menu screen over its background; returns the menu's result.
int RunMenuFrame(MenuScreen& menu, ALLEGRO_BITMAP* background, const char* modLine = nullptr)
{
    DrawMenuBackground(background);
    const int result = menu.Update();
    if (modLine) {
        char text[256];
        std::snprintf(text, sizeof text, "Using mod folder: %s", modLine);
        KW_DrawFontText(kwFont, kwScreenW - 2 - KW_TextWidth(text), kwScreenH - 2 - KW_LineHeight(),
                        KW_Colour(KWC_Background), text);
    }
    // The console's lines go where they cover no entry, for this frame only.
    const int consoleX = kwConsoleX, consoleTop = kwConsoleTop;
    menu.PlaceConsole(static_cast<int>(kwConsoleLines.size()), kwConsoleX, kwConsoleTop);
    KW_PresentFrame();
    FeedGamepadKey();  // the pad moves through the menu as the arrows and Enter do
    kwConsoleX = consoleX;
    kwConsoleTop = consoleTop;
    return result;
}

// Runs a menu until an item is chosen or it is cancelled (-2).
int RunMenuUntilChoice(MenuScreen& menu, ALLEGRO_BITMAP* background)
{
    for (;;) {
        const int result = RunMenuFrame(menu, background);
        if (result != MenuScreen::kNothing) return result;
    }
}

void PlayMenuMusic()
{
    AudioClass::GetInstance().PlayMusic(MusicFilePath(gResources.menuMusic).c_str());
}

std::string SlotLabel(int number, SaveGameSlot& slot)
{
    char label[256];
    std::snprintf(label, sizeof label, "%d: %s", number, GetSlotDescription(slot).c_str());
    return label;
}

// Plays from a level of the slot's game and shows how the game ended.
void PlayFromLevel(int16_t level, int16_t skill, int16_t savedLevel)
{
    const GameEnd end = PlayGame("", level, skill, false, savedLevel);
    if (end == GameEnd::Error) {
        KW_ShowMessage("%s", GetGameError().c_str());
    } else if (end == GameEnd::Won) {
        ShowCredits();
        KW_Message("%s", "Well done, you completed the game.");
    }
}

// "Level 3: ★★☆ 41.2 s", or "Level 3: not won yet".
std::string LevelSelectLabel(int level, const Records& records, int skill)
{
    std::string label = "Level " + std::to_string(level + 1) + ": ";
    const LevelRecord* record = records.Find(skill, level);
    if (!record) return label + "not won yet";
    return label + StarsText(record->stars) + "  " + FormatSeconds(record->bestMilliseconds / 1000.0);
}

// The levels reached so far with their stars and best times, eight a page;
// -1 when the player goes back, else the chosen level.
int ChooseLevel(SaveGameSlot& slot, int16_t savedLevel, int16_t skill, ALLEGRO_BITMAP* background)
{
    if (!LoadMapsList()) {
        KW_ShowMessage("%s", GetGameError().c_str());
        return -1;
    }
    const int reached = std::min<int>(savedLevel + 1, static_cast<int>(gPlay.mapPaths.size()));
    Records records;
    std::string error;
    if (!LoadRecords(RecordsPathFor(slot.path), records, error)) KW_Message("%s", error.c_str());

    constexpr int kPerPage = 8;
    int first = 0;
    for (;;) {
        MenuScreen levels;
        levels.Init("Level Select");
        levels.FindSounds();
        const int last = std::min(reached, first + kPerPage);
        for (int level = first; level < last; ++level)
            levels.AddItem(LevelSelectLabel(level, records, skill),
                           "Play level " + std::to_string(level + 1) + " on " + GetSkillName(skill), "NewGame");
        const bool more = reached > kPerPage;
        if (more) levels.AddItem("More Levels", "The next page of levels", "NewGame");
        levels.AddItem("Back", "Go back", "back");
        const int choice = RunMenuUntilChoice(levels, background);
        const int count = last - first;
        if (choice >= 0 && choice < count) return first + choice;
        if (!more || choice != count) return -1;
        first = last >= reached ? 0 : last;
    }
}

void StartGameInSlot(SaveGameSlot& slot, ALLEGRO_BITMAP* background)
{
    gCurrentSlot = &slot;
    int16_t level = 0, skill = SkillNormal;
    if (!al_filename_exists(slot.path.c_str())) {
        MenuScreen skillMenu;
        skillMenu.Init("Skill Level");
        skillMenu.FindSounds();
        skillMenu.AddItem("Easy", "", "NewGame");
        skillMenu.AddItem("Normal", "", "NewGame");
        skillMenu.AddItem("Hard", "", "NewGame");
        skillMenu.AddItem("Back", "Go back", "back");
        const int choice = RunMenuUntilChoice(skillMenu, background);
        if (choice < 0 || choice > 2) return;
        skill = static_cast<int16_t>(choice);
        PlayFromLevel(0, skill, 0);
        return;
    }
    if (!LoadSavedGame(slot, level, skill)) {
        KW_ShowMessage("%s", slot.GetLastError().c_str());
        return;
    }
    enum { kContinue, kLevelSelect };
    MenuScreen slotGame;
    slotGame.Init(SlotLabel(static_cast<int>(&slot - gSaveSlots.data()) + 1, slot));
    slotGame.FindSounds();
    slotGame.AddItem("Continue", "Carry on from level " + std::to_string(level + 1), "NewGame");
    slotGame.AddItem("Level Select", "Play again a level reached so far", "NewGame");
    slotGame.AddItem("Back", "Go back", "back");
    slotGame.selected = kContinue;
    for (;;) {
        const int choice = RunMenuUntilChoice(slotGame, background);
        if (choice == kContinue) {
            PlayFromLevel(level, skill, level);
            return;
        }
        if (choice != kLevelSelect) return;
        const int chosen = ChooseLevel(slot, level, skill, background);
        if (chosen >= 0) {
            PlayFromLevel(static_cast<int16_t>(chosen), skill, level);
            return;
        }
    }
}

}  // namespace

void RunNewGameScreen(ALLEGRO_BITMAP* background)
{
    MenuScreen slotMenu;
    slotMenu.Init("Select Game Slot");
    slotMenu.FindSounds();
    for (size_t i = 0; i < gSaveSlots.size(); ++i)
        slotMenu.AddItem(SlotLabel(static_cast<int>(i) + 1, gSaveSlots[i]), gSaveSlots[i].path, "save");
    slotMenu.AddItem("Back", "Go back", "back");

    const int choice = RunMenuUntilChoice(slotMenu, background);
    if (choice < 0 || choice >= static_cast<int>(gSaveSlots.size())) return;
    StartGameInSlot(gSaveSlots[choice], background);
}

void RunDeleteSaveScreen(ALLEGRO_BITMAP* background)
{
    MenuScreen deleteMenu;
    deleteMenu.Init("Delete Save Game");
    deleteMenu.FindSounds();
    for (size_t i = 0; i < gSaveSlots.size(); ++i) {
        SaveGameSlot& slot = gSaveSlots[i];
        char label[256];
        if (!al_filename_exists(slot.path.c_str()))
            std::snprintf(label, sizeof label, "%d: (no data)", static_cast<int>(i) + 1);
        else
            std::snprintf(label, sizeof label, "%d: Delete %s", static_cast<int>(i) + 1,
                          GetSlotDescription(slot).c_str());
        deleteMenu.AddItem(label, slot.path, "bin");
    }
    deleteMenu.AddItem("Back", "Go back", "back");

    for (;;) {
        const int choice = RunMenuUntilChoice(deleteMenu, background);
        if (choice < 0 || choice >= static_cast<int>(gSaveSlots.size())) return;
        const SaveGameSlot& slot = gSaveSlots[choice];
        if (!al_filename_exists(slot.path.c_str())) continue;
        if (!KW_Confirm("%s", "Are you sure that you want to delete this saved game?")) continue;
        al_remove_filename(slot.path.c_str());
        // Its records go with it.
        const std::string records = RecordsPathFor(slot.path);
        if (al_filename_exists(records.c_str())) al_remove_filename(records.c_str());
        return;
    }
}

// The keys of a level's actions: choosing one waits for its new key (Escape
// cancels, a key another action has is swapped), "Reset to defaults" brings
// back the keys the game came with.
static void RunControlsScreen(ALLEGRO_BITMAP* background)
{
    MenuScreen menu;
    int selected = -1;
    for (;;) {
        menu.Init("Controls");
        menu.FindSounds();
        for (int i = 0; i < kActionCount; ++i) {
            const auto action = static_cast<ControlAction>(i);
            menu.AddItem(std::string(ActionName(action)) + ": " + KeyName(gKeyBindings.Key(action)),
                         "Choose, then press the new key (Escape cancels)", "options");
        }
        menu.AddItem("Reset to defaults", "The keys the game came with", "options");
        menu.AddItem("Back", "Go back", "back");
        menu.selected = selected;
        const int choice = RunMenuUntilChoice(menu, background);
        selected = choice;
        if (choice == kActionCount) {
            gKeyBindings = KeyBindings();
            continue;
        }
        if (choice < 0 || choice > kActionCount) return;

        const auto action = static_cast<ControlAction>(choice);
        menu.items[choice].label = std::string(ActionName(action)) + ": press a key";
        KW_ModalScope waitingForKey;
        for (;;) {
            DrawMenuBackground(background);
            bool clicked = false;
            menu.DrawWithPointer(-1, -1, 0, clicked);
            KW_PresentFrame();
            if (!kwKeyPending) continue;
            if (kwKeyCode == ALLEGRO_KEY_ESCAPE) break;
            if (IsBindableKey(kwKeyCode)) {
                gKeyBindings.Rebind(action, kwKeyCode);
                break;
            }
        }
    }
}

static void BuildMenu(MenuScreen& menu, const char* title)
{
    menu.Init(title);
    menu.FindSounds();
}

static ALLEGRO_BITMAP* LoadMenuBackground()
{
    return al_load_bitmap(ResolveDataPath(std::string("menuback.tga")).c_str());
}

static void RunOptionsMenu(MenuScreen& options, MenuScreen* allMenus[3], ALLEGRO_BITMAP*& background)
{
    for (;;) {
        const int choice = RunMenuFrame(options, background);
        if (choice == MenuScreen::kCancelled || choice == kOptionsBack) return;
        if (choice == kAudioPanel) {
            AudioClass::GetInstance().RunAudioPanel();
        } else if (choice == kVideoOptions) {
            if (!KW_ChangeResolution()) continue;
            // The display is new: pictures and icons belong to it.
            FreeGameResources();
            if (!LoadGameResources()) KW_ShowMessage("%s", gResources.errorText.c_str());
            ALLEGRO_BITMAP* reloaded = LoadMenuBackground();
            if (background) al_destroy_bitmap(background);
            background = reloaded;
            for (int i = 0; i < 3; ++i) allMenus[i]->ReloadIcons();
        } else if (choice == kControls) {
            RunControlsScreen(background);
        } else if (choice == kDeleteSavedGame) {
            RunDeleteSaveScreen(background);
        }
    }
}

// The editors' documents live as long as the main menu, so each keeps its
// work between visits.
struct Editors {
    MapEditor mapEditor;
    TileEditor tileEditor;
    SpriteEditor spriteEditor;
};

static void RunToolsMenu(MenuScreen& tools, ALLEGRO_BITMAP* background, Editors& editors)
{
    for (;;) {
        const int choice = RunMenuFrame(tools, background);
        if (choice == MenuScreen::kCancelled || choice == kToolsBack) return;
        if (choice == kMapEditor) {
            RunMapEditor(editors.mapEditor);
        } else if (choice == kTileEditor) {
            const std::string tiles = ResolveDataPath(std::string("tiles/sodbolt.til"));
            RunTileEditor(editors.tileEditor, tiles.c_str(), 0);
        } else if (choice == kSpriteEditor) {
            RunSpriteEditor(editors.spriteEditor);
        } else {
            continue;
        }
        KW_ClearConsole();
    }
}

void RunMainMenu()
{
    MenuScreen mainMenu, options, tools;
    BuildMenu(mainMenu, "Main Menu");
    mainMenu.AddItem("Play", "Get cutting", "NewGame");
    mainMenu.AddItem("Options", "Set options or delete saved games", "options");
    mainMenu.AddItem("Tools", "To the shed", "utils");
    mainMenu.AddItem("Help", "How to mow a meadow", "question");
    mainMenu.AddItem("Credits", "The people who made this game", "credits");
    mainMenu.AddItem("Exit", "Hit the road", "exit");

    BuildMenu(options, "Options");
    options.AddItem("Audio Panel", "", "speaker");
    options.AddItem("Video Options", "", "vset");
    options.AddItem("Controls", "The keys for steering, pause, audio panel and back", "options");
    options.AddItem("Delete Saved Game", "", "bin");
    options.AddItem("Back", "Go back", "back");

    BuildMenu(tools, "Tools");
    tools.AddItem("Map Editor", "", "maped");
    tools.AddItem("Tile Editor", "", "tileed");
    tools.AddItem("Sprite Editor", "", "sprite");
    tools.AddItem("Back", "Go back", "back");
    MenuScreen* allMenus[3] = {&mainMenu, &options, &tools};
    const std::unique_ptr<Editors> editors(new Editors());

    ALLEGRO_BITMAP* background = LoadMenuBackground();
    if (!background) {
        KW_ShowMessage("%s", "Unable to load menu background");
        return;
    }
    PlayMenuMusic();

    for (;;) {
        const int choice = RunMenuFrame(mainMenu, background, gUseModFolder ? gModFolder.c_str() : nullptr);
        switch (choice) {
        case kPlay:
            RunNewGameScreen(background);
            PlayMenuMusic();
            break;
        case kOptions: RunOptionsMenu(options, allMenus, background); break;
        case kTools: RunToolsMenu(tools, background, *editors); break;
        case kHelp: {
            KW_ClearConsole();
            const std::string helpPath = ResolveDataPath(std::string("help.txt"));
            ShowTextViewer(helpPath.c_str(), true, "%s", "Sodbolt Help");
            break;
        }
        case kCredits:
            ShowCredits();
            PlayMenuMusic();
            break;
        case kExit:
            if (background) al_destroy_bitmap(background);
            return;
        default: break;
        }
    }
}
