// Level set-up: the loading screen, the save, the map and its music, grass,
// mower and clouds, and the clock for the skill level.
#include "game/playgame.h"
#include "game/playstate.h"

#include "app/paths.h"
#include "app/resources.h"
#include "audio/audio.h"
#include "content/savegame.h"
#include "kwui/kwui.h"

#include <cstdio>
#include <filesystem>
#include <system_error>

// The save folder may be missing from a fresh or trimmed content folder:
// make it before the save, so a level start does not fail to save every time.
static void MakeSaveFolder()
{
    const std::string path = CurrentSlotPath();
    if (path.empty()) return;
    const std::filesystem::path folder = std::filesystem::path(path).parent_path();
    if (folder.empty()) return;
    std::error_code ignored;
    std::filesystem::create_directories(folder, ignored);
}

bool SaveLevelProgress(int16_t levelIndex, int16_t skillLevel)
{
    MakeSaveFolder();
    return SaveGame(levelIndex, skillLevel);
}

static void ShowLoadingScreen()
{
    al_clear_to_color(KW_Colour(KWC_Background));
    const char* text = "Loading map...";
    const int width = KW_TextWidth(kwFontLarge, text);
    KW_DrawFontText(kwFontLarge, (kwScreenW - width) / 2, (kwScreenH - KW_LargeLineHeight()) / 2,
                    al_map_rgb(255, 255, 255), text);
    KW_PresentFrame();
}

bool IsLevelInMapsList(int levelIndex)
{
    return levelIndex >= 0 && static_cast<size_t>(levelIndex) < gPlay.mapPaths.size();
}

bool LoadLevel(int16_t levelIndex)
{
    // Never save or index a level the list does not hold.
    if (!IsLevelInMapsList(levelIndex)) {
        char text[128];
        std::snprintf(text, sizeof text, "Saved level %d is not in the maps list", levelIndex);
        gPlay.errorText = text;
        return false;
    }

    ShowLoadingScreen();

    // The save always names the level about to be played.
    gPlay.levelIndex = levelIndex;
    if (!SaveLevelProgress(gPlay.levelIndex, gPlay.skillLevel)) KW_ShowMessage("%s", CurrentSlotError().c_str());

    char path[512];
    std::snprintf(path, sizeof path, "%s", gPlay.mapPaths[levelIndex].c_str());
    ResolveDataPath(path, sizeof path);
    // Tiles are only ever drawn 1:1 into the map window: unfiltered they give
    // the same pixels for less work.
    const int bitmapFlags = al_get_new_bitmap_flags();
    al_set_new_bitmap_flags(bitmapFlags & ~(ALLEGRO_MIN_LINEAR | ALLEGRO_MAG_LINEAR));
    const bool loaded = gPlay.map.Load(path);
    al_set_new_bitmap_flags(bitmapFlags);
    if (!loaded) {
        gPlay.errorText = gPlay.map.lastError;
        return false;
    }

    char music[512];
    std::snprintf(music, sizeof music, "music/%s", gPlay.musicNames[levelIndex].c_str());
    AudioClass::GetInstance().PlayMusic(MusicFilePath(music).c_str());

    CountGrass();

    int width = 0, height = 0;
    gResources.mowerSprite.GetSize(width, height);
    gPlay.mowerX = static_cast<float>(gPlay.map.startX - width / 2);
    gPlay.mowerY = static_cast<float>(gPlay.map.startY - height / 2);
    gPlay.heading = gPlay.targetHeading = gPlay.speed = 0.0f;
    UpdateMowerCells();

    ScatterClouds(gPlay.map.cloudCount, &gResources.cloudSprite1, &gResources.cloudSprite2);

    gPlay.timeLeft = SkillTimeLimit(gPlay.skillLevel, gPlay.map.timeLimit);
    KW_GetDateTime(gPlay.secondStopwatch);
    gPlay.mowingTimer = 0;
    return true;
}
