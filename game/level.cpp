// Level set-up: the loading screen, the save, the map and its music, grass,
// mower and clouds, and the clock for the skill level.
#include "game/playgame.h"
#include "game/playstate.h"

#include "audio/audio.h"
#include "content/datapath.h"
#include "content/savegame.h"
#include "game/resources.h"
#include "kwui/kwui.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <system_error>

// The save folder may be missing from a fresh or trimmed content folder:
// make it before the save, so a level start does not fail to save every time.
static void MakeSaveFolder()
{
    const std::string path = CurrentSlotPath();
    if (path.empty()) return;
    PrepareFolderFor(path);  // the user's own folders, installed: owner only
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

// The map editor's own limit for a map's clouds.
static constexpr int kMaxCloudsInPlay = 99;

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

    // The save names the level about to be played, or the furthest one
    // reached when that lies beyond it.
    gPlay.levelIndex = levelIndex;
    gPlay.progressLevel = std::max(gPlay.progressLevel, levelIndex);
    if (!SaveLevelProgress(gPlay.progressLevel, gPlay.skillLevel)) KW_ShowMessage("%s", CurrentSlotError().c_str());

    // Whole paths, never cut: a cut name could open another map or tune.
    const std::string mapPath = ResolveDataPath(gPlay.mapPaths[levelIndex]);
    const char* path = mapPath.c_str();
    // Tiles are only ever drawn 1:1 (into the map window, or onto the screen
    // when that window is shown unscaled): unfiltered they give the same
    // pixels for less work.
    const int bitmapFlags = al_get_new_bitmap_flags();
    al_set_new_bitmap_flags(bitmapFlags & ~(ALLEGRO_MIN_LINEAR | ALLEGRO_MAG_LINEAR));
    const bool loaded = gPlay.map.Load(path);
    al_set_new_bitmap_flags(bitmapFlags);
    if (!loaded) {
        gPlay.errorText = gPlay.map.lastError;
        return false;
    }

    AudioClass::GetInstance().PlayMusic(MusicFilePath("music/" + gPlay.musicNames[levelIndex]).c_str());

    CountGrass();

    int width = 0, height = 0;
    gResources.mowerSprite.GetSize(width, height);
    gPlay.mowerX = static_cast<float>(gPlay.map.startX - width / 2);
    gPlay.mowerY = static_cast<float>(gPlay.map.startY - height / 2);
    gPlay.heading = gPlay.targetHeading = gPlay.speed = 0.0f;
    UpdateMowerCells();

    // A map edited outside the editor may ask for thousands of clouds, which
    // would take seconds a frame: no more than the editor allows drift over it.
    int cloudCount = gPlay.map.cloudCount;
    if (cloudCount > kMaxCloudsInPlay) {
        KW_Message("%s asks for %d clouds; %d drift over it", path, cloudCount, kMaxCloudsInPlay);
        cloudCount = kMaxCloudsInPlay;
    }
    ScatterClouds(cloudCount, &gResources.cloudSprite1, &gResources.cloudSprite2);

    // At least a second on the clock: with none (a limit of 0, or 1 on Hard)
    // the out-of-time picture would come every frame and Escape never be seen.
    gPlay.timeLeft = std::max<int16_t>(1, SkillTimeLimit(gPlay.skillLevel, gPlay.map.timeLimit));
    KW_GetDateTime(gPlay.secondStopwatch);
    gPlay.mowingTimer = 0;
    gPlay.levelFrames = 0;
    return true;
}
