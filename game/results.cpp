// The results of a won level and the records of the current save slot.
#include "game/results.h"

#include "content/datapath.h"
#include "content/savegame.h"
#include "game/gamepad.h"
#include "game/par.h"
#include "game/playgame.h"
#include "game/playstate.h"
#include "game/records.h"
#include "game/resources.h"
#include "kwui/kwui.h"

#include <cmath>
#include <cstdio>

std::string FormatSeconds(double seconds)
{
    char text[32];
    if (seconds < 60.0) {
        std::snprintf(text, sizeof text, "%.1f s", seconds);
    } else {
        const int tenths = static_cast<int>(std::lround(seconds * 10.0));
        std::snprintf(text, sizeof text, "%d:%02d.%d", tenths / 600, tenths / 10 % 60, tenths % 10);
    }
    return text;
}

std::string StarsText(int stars)
{
    std::string text;
    for (int i = 0; i < 3; ++i) text += i < stars ? "\u2605" : "\u2606";
    return text;
}

LevelResult RecordLevelWin(int frames)
{
    LevelResult result;
    result.levelNumber = gPlay.levelIndex + 1;
    result.skill = gPlay.skillLevel;
    result.seconds = std::max(1, frames) / 60.0;
    result.parSeconds = LevelParSeconds(ResolveDataPath(gPlay.mapPaths[gPlay.levelIndex]), gPlay.map,
                                        gResources.mowerSprite);
    result.stars = StarsForTime(result.seconds, result.parSeconds);
    result.percentCut = CutPercentage();
    result.bestSeconds = result.seconds;
    result.newBest = true;

    const std::string savePath = CurrentSlotPath();
    if (savePath.empty()) return result;
    const std::string path = RecordsPathFor(savePath);
    Records records;
    if (!LoadRecords(path, records, result.recordsError)) {
        // A damaged file is replaced by the records from here on.
        KW_Message("%s", result.recordsError.c_str());
    }
    const int milliseconds = static_cast<int>(std::lround(result.seconds * 1000.0));
    result.newBest = records.AddWin(result.skill, gPlay.levelIndex, milliseconds, result.stars);
    result.bestSeconds = records.Find(result.skill, gPlay.levelIndex)->bestMilliseconds / 1000.0;
    std::string error;
    if (!SaveRecords(path, records, error)) {
        result.recordsError = error;
        KW_Message("%s", error.c_str());
    }
    return result;
}

void ShowResultsScreen(const LevelResult& result)
{
    const ALLEGRO_COLOR white = al_map_rgb(255, 255, 255);
    const ALLEGRO_COLOR gold = al_map_rgb(255, 215, 0);
    char heading[64];
    std::snprintf(heading, sizeof heading, "Level %d complete", result.levelNumber);
    char cut[32];
    std::snprintf(cut, sizeof cut, "%.1f%%", result.percentCut);
    const std::string skill = GetSkillName(static_cast<int16_t>(result.skill));
    const std::string rows[][2] = {
        {"Time", FormatSeconds(result.seconds)},
        {"Par", FormatSeconds(result.parSeconds)},
        {"Cut", cut},
        {"Best on " + (skill.empty() ? std::string("Normal") : skill), FormatSeconds(result.bestSeconds)},
    };
    const std::string stars = StarsText(result.stars);

    // The panel stands over the mown field; the console's lines would run across it.
    KW_ClearConsole();
    KW_ModalScope modal;
    for (;;) {
        const int line = KW_LineHeight(), medium = KW_MediumLineHeight();
        const int panelWidth = std::min(kwScreenW - 20, 520);
        const int panelHeight = medium * 2 + line * 7 + 30;
        const int left = (kwScreenW - panelWidth) / 2, top = std::max(5, (kwScreenH - panelHeight) / 2);
        al_clear_to_color(KW_Colour(KWC_Background));
        if (gPlay.mapWindow) {
            ALLEGRO_BITMAP* screen = al_get_target_bitmap();
            al_set_target_bitmap(gPlay.mapWindow);
            DrawField();
            al_set_target_bitmap(screen);
            al_draw_scaled_bitmap(gPlay.mapWindow, 0, 0, kFieldWidth, kFieldHeight, gPlay.windowX, 0,
                                  gPlay.windowWidth, gPlay.windowHeight, 0);
        }
        KW_DrawRect(left, top, left + panelWidth, top + panelHeight, true, al_map_rgb(0, 0, 160), 192);
        int y = top + 10;
        KW_DrawFontText(kwFontMedium, (kwScreenW - KW_TextWidth(kwFontMedium, heading)) / 2, y, white, heading);
        y += medium;
        KW_DrawFontText(kwFontMedium, (kwScreenW - KW_TextWidth(kwFontMedium, stars.c_str())) / 2, y, gold,
                        stars.c_str());
        y += medium + 10;
        for (const auto& row : rows) {
            KW_DrawFontText(kwFont, left + 30, y, white, row[0].c_str());
            KW_DrawFontText(kwFont, left + panelWidth - 30 - KW_TextWidth(row[1].c_str()), y, white, row[1].c_str());
            y += line;
        }
        if (result.newBest) KW_DrawFontText(kwFont, (kwScreenW - KW_TextWidth("New best!")) / 2, y, gold, "New best!");
        y += line * 2;
        const char* hint = "Enter or a click continues";
        KW_DrawFontText(kwFont, (kwScreenW - KW_TextWidth(hint)) / 2, y, white, hint);
        KW_PresentFrame();

        if (kwKeyPending && (kwKeyCode == ALLEGRO_KEY_ENTER || kwKeyCode == ALLEGRO_KEY_PAD_ENTER)) break;
        if (PollGamepad() == ALLEGRO_KEY_ENTER) break;
        KW_RefreshMouse();
        if (kwMouse.buttons & 1) {
            KW_WaitMouseRelease();
            break;
        }
    }
}
