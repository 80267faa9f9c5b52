// The dialogs page. Each frame: clear, buttons, act on the one clicked (the
// dialog runs as a nested loop), print the last answers, frame end.
#include "tools/gallery/dialogs_page.h"

#include "kwui/kwui.h"

#include <allegro5/allegro_primitives.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

// Pictures of three sizes with a magenta hole, so that rows of mixed height,
// transparency, pages and tool tips all show.
void FillBrowser(ObjectBrowser& browser, int count)
{
    ALLEGRO_STATE state;
    al_store_state(&state, ALLEGRO_STATE_TARGET_BITMAP | ALLEGRO_STATE_NEW_BITMAP_PARAMETERS);
    al_set_new_bitmap_flags(ALLEGRO_MEMORY_BITMAP);
    static const int kSizes[3] = {32, 48, 64};
    for (int i = 0; i < count; ++i) {
        const int size = kSizes[(i / 10) % 3];
        ALLEGRO_BITMAP* picture = al_create_bitmap(size, size);
        if (!picture) continue;
        al_set_target_bitmap(picture);
        al_clear_to_color(al_map_rgb(static_cast<unsigned char>(60 + (i * 53) % 190),
                                     static_cast<unsigned char>(60 + (i * 29) % 190),
                                     static_cast<unsigned char>(60 + (i * 97) % 190)));
        al_draw_filled_circle(size / 2.0f, size / 2.0f, size / 6.0f, al_map_rgb(255, 0, 255));
        al_draw_rectangle(0.5f, 0.5f, size - 0.5f, size - 0.5f, al_map_rgb(0, 0, 0), 1.0f);
        browser.AddItem(picture, "Picture %d (%d x %d)", i, size, size);
        al_destroy_bitmap(picture);
    }
    al_restore_state(&state);
}

struct DialogsPage {
    std::vector<KW_Button> buttons;
    std::vector<std::string> answers;  // newest last
    // What the dialogs edit, kept across openings.
    char text[41] = "Back Lawn";
    int number = 50;
    ALLEGRO_COLOR colour = al_map_rgb(200, 120, 40);
    char path[kPathBufferSize] = "";
    char imagePath[kPathBufferSize] = "";
    int browserChoice = 5;

    void Note(const std::string& answer)
    {
        answers.push_back(answer);
        if (answers.size() > 8) answers.erase(answers.begin());
    }
    void Open(int which);
};

enum {
    OpenMessage, OpenConfirm, OpenText, OpenNumber, OpenColour, OpenFile, OpenImage, OpenBrowser, Quit, ButtonCount
};

void DialogsPage::Open(int which)
{
    char line[kPathBufferSize + 64];
    switch (which) {
    case OpenMessage:
        KW_ShowMessage("%s", "The message box word-wraps its text into a list of four rows; a longer text "
                             "scrolls with the wheel, the arrow keys or the bar. Enter or OK closes it. "
                             "Text with 100% signs is shown as it is.");
        Note("Message closed");
        break;
    case OpenConfirm:
        Note(KW_Confirm("Overwrite %s?", "maps/level1.map") ? "Confirm: Yes" : "Confirm: No");
        break;
    case OpenText: {
        const bool accepted = KW_InputText(text, 40, "%s", "Map title");
        std::snprintf(line, sizeof line, "Text: %s \"%s\"", accepted ? "accepted" : "cancelled", text);
        Note(line);
        break;
    }
    case OpenNumber: {
        const bool accepted = KW_InputNumber(number, 1, 100, "%s", "");
        std::snprintf(line, sizeof line, "Number: %s %d", accepted ? "accepted" : "not changed", number);
        Note(line);
        break;
    }
    case OpenColour: {
        const bool accepted = KW_SelectColour(colour);
        unsigned char r, g, b;
        al_unmap_rgb(colour, &r, &g, &b);
        std::snprintf(line, sizeof line, "Colour: %s %d, %d, %d", accepted ? "accepted" : "cancelled", r, g, b);
        Note(line);
        break;
    }
    case OpenFile: {
        const bool chosen = KW_SelectFile("map", "Select Map", path);
        std::snprintf(line, sizeof line, "File: %s", chosen ? path : "cancelled");
        Note(line);
        break;
    }
    case OpenImage: {
        const bool chosen = KW_SelectImageFile("Import Image", imagePath);
        std::snprintf(line, sizeof line, "Image: %s", chosen ? imagePath : "cancelled");
        Note(line);
        break;
    }
    case OpenBrowser: {
        ObjectBrowser browser;
        browser.title = "Select Picture";
        FillBrowser(browser, 600);
        browser.Layout();
        const int chosen = browser.Run(browserChoice, true);
        if (chosen >= 0) browserChoice = chosen;
        std::snprintf(line, sizeof line, "Browser: %d%s", chosen, browser.editRequested ? " (edit)" : "");
        Note(line);
        browser.Clear();
        break;
    }
    default:
        break;
    }
}

}  // namespace

void RunDialogsPage()
{
    DialogsPage page;
    static const struct {
        const char* text;
        const char* icon;
        int key;
    } kButtons[ButtonCount] = {
        {"Message", "view", ALLEGRO_KEY_F1},  {"Confirm", "yes", ALLEGRO_KEY_F2},
        {"Text", "cdesc", ALLEGRO_KEY_F3},    {"Number", "clock", ALLEGRO_KEY_F4},
        {"Colour", "colour", ALLEGRO_KEY_F5}, {"File", "load", ALLEGRO_KEY_F6},
        {"Image file", "import", ALLEGRO_KEY_F7}, {"Browser", "tileed", ALLEGRO_KEY_F8},
        {"Quit", "exit", ALLEGRO_KEY_ESCAPE},
    };
    const int lh = KW_LineHeight();
    page.buttons.resize(ButtonCount);
    for (int i = 0; i < ButtonCount; ++i) {
        KW_Button& button = page.buttons[static_cast<size_t>(i)];
        KW_CreateButton(button, 20, 20 + lh + 10 + i * 44, kButtons[i].text, kButtons[i].key, kButtons[i].icon);
        KW_SetButtonSize(button, 200, -1);
    }

    for (;;) {
        al_clear_to_color(KW_Colour(KWC_WindowFill));
        KW_DrawTextF(20, 10, KW_Colour(KWC_Ink), "%s", "Dialogs: each button (or F1 to F8) opens one");

        int clicked = -1;
        for (int i = 0; i < ButtonCount; ++i)
            if (KW_DoButton(page.buttons[static_cast<size_t>(i)]) && clicked < 0) clicked = i;

        int y = 20 + lh + 10;
        for (const std::string& answer : page.answers) {
            KW_DrawTextF(250, y, KW_Colour(KWC_Ink), "%s", answer.c_str());
            y += lh + 4;
        }

        if (clicked == Quit) break;
        if (clicked >= 0) {
            page.Open(clicked);
            continue;
        }
        KW_PresentFrame();
    }
}
