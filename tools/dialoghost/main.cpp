// dialoghost: a small screen that opens one of the toolkit's dialogs when
// Enter is pressed and writes what the dialog returned to "dialoghost.txt".
// The dialogs' screen tests drive it; it is also a quick way to look at them.
//
//   dialoghost message|confirm|text|string|number|colour|file [start path]|image|browser|browser-edit
//
// Escape on the host screen itself writes "screen-escape" and quits.
#include "audio/audio.h"
#include "kwui/kwui.h"
#include "tools/reportlog.h"

#include <allegro5/allegro_primitives.h>

#include <cstdio>
#include <cstring>
#include <string>

namespace {
// A few hundred generated pictures: coloured squares of three sizes with a
// number, so that pages and tool tips have something to show.
void FillBrowser(ObjectBrowser& browser)
{
    ALLEGRO_STATE state;
    al_store_state(&state, ALLEGRO_STATE_TARGET_BITMAP | ALLEGRO_STATE_NEW_BITMAP_PARAMETERS);
    al_set_new_bitmap_flags(ALLEGRO_MEMORY_BITMAP);
    for (int i = 0; i < 400; ++i) {
        const int size = 32;
        ALLEGRO_BITMAP* picture = al_create_bitmap(size, size);
        if (!picture) continue;
        al_set_target_bitmap(picture);
        al_clear_to_color(al_map_rgb(static_cast<unsigned char>(40 + (i * 37) % 200),
                                     static_cast<unsigned char>(40 + (i * 71) % 200),
                                     static_cast<unsigned char>(40 + (i * 13) % 200)));
        al_draw_rectangle(0.5f, 0.5f, size - 0.5f, size - 0.5f, al_map_rgb(0, 0, 0), 1.0f);
        if (i % 7 == 0) al_draw_filled_circle(size / 2.0f, size / 2.0f, 6, al_map_rgb(255, 0, 255));
        browser.AddItem(picture, "Picture %d", i);
        al_destroy_bitmap(picture);
    }
    al_restore_state(&state);
    browser.title = "Select Picture";
    browser.Layout();
}

void OpenDialog(const std::string& mode, const std::string& startPath)
{
    if (mode == "message") {
        std::string text = "A long message that scrolls:";
        for (int i = 1; i <= 40; ++i) text += "\nLine " + std::to_string(i) + " of the message, 100% plain text.";
        KW_ShowMessage("%s", text.c_str());
        Report("message closed");
    } else if (mode == "confirm") {
        const bool answer = KW_Confirm("Overwrite the file %s?", "maps/level1.map");
        Report("confirm=%s", answer ? "true" : "false");
    } else if (mode == "text") {
        static char text[33] = "Back Lawn";
        const bool answer = KW_InputText(text, 32, "Map title");
        Report("text=%s value=%s", answer ? "true" : "false", text);
    } else if (mode == "string") {
        // A title already at the 32-character limit.
        static std::string title = "Castle Gardens of the Old Manor!";
        const bool answer = KW_InputString(title, 32, "Map Title");
        Report("string=%s length=%zu value=%s", answer ? "true" : "false", title.size(), title.c_str());
    } else if (mode == "number") {
        static int value = 50;
        const bool answer = KW_InputNumber(value, 1, 100, "%s", "");
        Report("number=%s value=%d", answer ? "true" : "false", value);
    } else if (mode == "colour") {
        static ALLEGRO_COLOR colour = al_map_rgb(200, 120, 40);
        const bool answer = KW_SelectColour(colour);
        unsigned char r, g, b;
        al_unmap_rgb(colour, &r, &g, &b);
        Report("colour=%s rgb=%d,%d,%d", answer ? "true" : "false", r, g, b);
    } else if (mode == "file" || mode == "image") {
        static char path[kPathBufferSize];
        if (!path[0]) std::snprintf(path, sizeof path, "%s", startPath.c_str());
        const bool answer = mode == "file" ? KW_SelectFile("map", "Select Map", path)
                                           : KW_SelectImageFile("Import Image", path);
        Report("file=%s path=%s", answer ? "true" : "false", path);
    } else if (mode == "browser" || mode == "browser-edit") {
        ObjectBrowser browser;
        FillBrowser(browser);
        const int chosen = browser.Run(5, mode == "browser-edit");
        Report("browser=%d edit=%s", chosen, browser.editRequested ? "true" : "false");
        browser.Clear();
    }
}
}  // namespace

int main(int argc, char** argv)
{
    const std::string mode = argc > 1 ? argv[1] : "confirm";
    const std::string startPath = argc > 2 ? argv[2] : "";
    InstallAudioHooks();
    if (!KW_Init()) return 1;
    OpenReportLog("dialoghost.txt", "a");
    Report("ready lh=%d w=%d h=%d", KW_LineHeight(), kwScreenW, kwScreenH);

    for (;;) {
        if (kwKeyCode == ALLEGRO_KEY_ESCAPE) {
            Report("screen-escape");
            break;
        }
        if (kwKeyCode == ALLEGRO_KEY_ENTER) OpenDialog(mode, startPath);

        al_clear_to_color(al_map_rgb(0, 90, 0));
        KW_DrawTextF(20, 20, KW_Colour(KWC_Console), "dialoghost: %s - Enter opens the dialog, Escape quits",
                     mode.c_str());
        KW_PresentFrame();
    }

    CloseReportLog();
    KW_Shutdown();
    return 0;
}
