// The "Select Display Mode" dialog and the interactive resolution change.
#include "kwui/displaymode.h"

#include "kwui/button.h"
#include "kwui/checkbox.h"
#include "kwui/console.h"
#include "kwui/core.h"
#include "kwui/dialogs.h"
#include "kwui/draw.h"
#include "kwui/frame.h"
#include "kwui/input.h"
#include "kwui/listbox.h"

#include <algorithm>
#include <cstdio>

void KW_AddDisplayMode(std::vector<std::pair<int32_t, int32_t>>& modes, int32_t width, int32_t height)
{
    const std::pair<int32_t, int32_t> mode{width, height};
    if (std::find(modes.begin(), modes.end(), mode) == modes.end()) modes.push_back(mode);
}

int KW_DisplayModeListRows(int buttonTop, int panelTop, int lineHeight)
{
    if (lineHeight <= 0) return 1;
    return std::max(1, (buttonTop - 4 * lineHeight - panelTop) / lineHeight);
}

bool KW_SelectDisplayMode(KW_DisplayModeChoice& choice)
{
    // Refresh rate and pixel format do not matter here: one row per size.
    const int count = al_get_num_display_modes();
    for (int i = 0; i < count; ++i) {
        ALLEGRO_DISPLAY_MODE mode;
        if (al_get_display_mode(i, &mode)) KW_AddDisplayMode(choice.modes, mode.width, mode.height);
    }

    const int lh = KW_LineHeight();
    const int left = (kwScreenW - 640) / 2;
    const int top = (kwScreenH - 480) / 2;
    const int right = left + 640, bottom = top + 480;
    const int buttonW = KW_TextWidth("000000000") + 32;
    const int buttonH = std::max(34, lh + 2);
    const int buttonTop = bottom - 5 - buttonH;

    KW_Button ok, cancel;
    KW_CreateButton(ok, right - 5 - buttonW, buttonTop, "Ok", ALLEGRO_KEY_ENTER, "yes");
    KW_SetButtonSize(ok, buttonW, -1);
    KW_CreateButton(cancel, ok.x - 5 - buttonW, buttonTop, "Cancel", ALLEGRO_KEY_ESCAPE, "cancel");
    KW_SetButtonSize(cancel, buttonW, -1);

    ListBoxClass list;
    list.Create(left + 10, top + 2 * lh, 620, KW_DisplayModeListRows(buttonTop, top, lh));
    int startRow = 0;
    for (size_t i = 0; i < choice.modes.size(); ++i) {
        char text[64];
        std::snprintf(text, sizeof text, "%d x %d", choice.modes[i].first, choice.modes[i].second);
        list.AddRow(text);
        if (choice.modes[i].first == kwScreenW && choice.modes[i].second == kwScreenH) startRow = static_cast<int>(i);
    }
    // Start on the current size, so that Ok alone changes nothing but the window flag.
    list.selected = startRow;
    list.MoveSelection(0);

    KW_CheckBox window;
    KW_CreateCheckBox(window, left + 5, buttonTop);
    // How a full-screen window of another size shows the screens: at once,
    // whichever button ends the dialog (its label ends short of Cancel).
    const char* const sharpLabel = "Sharp pixels";
    const int afterWindow = window.x + 36 + KW_TextWidth(window.label.c_str()) + 8;
    KW_CheckBox sharp;
    KW_CreateCheckBox(sharp, std::max(afterWindow, cancel.x - 12 - KW_TextWidth(sharpLabel) - 36), buttonTop);
    sharp.label = sharpLabel;
    sharp.checked = KW_SharpPixels();

    KW_ModalScope modal;
    bool accepted = false;
    for (;;) {
        al_clear_to_color(KW_Colour(KWC_Background));
        KW_DrawConsoleUnderDialog();
        KW_DrawWindowFrame(left, top, right, bottom, "%s", "Select Display Mode");
        list.Update();
        const bool okClicked = KW_DoButton(ok);
        const bool cancelClicked = KW_DoButton(cancel);
        KW_DoCheckBox(window);
        if (KW_DoCheckBox(sharp)) KW_SetSharpPixels(sharp.checked);
        KW_DrawRect(left + 1, buttonTop - 5, right - 1, buttonTop - 5, true, KW_Colour(KWC_Background), 255);

        if (cancelClicked) break;
        const bool pick = okClicked || list.activated != -1;
        list.activated = -1;
        if (pick && list.selected >= 0 && list.selected < static_cast<int>(choice.modes.size())) {
            choice.width = choice.modes[list.selected].first;
            choice.height = choice.modes[list.selected].second;
            choice.windowed = window.checked;
            accepted = true;
            break;
        }
        KW_PresentFrame();
    }
    return accepted;
}

bool KW_ChangeResolution()
{
    KW_ModalScope modal;
    KW_DisplayModeChoice choice;
    if (!KW_SelectDisplayMode(choice)) return false;
    bool changed = KW_ChangeDisplayMode(choice.width, choice.height, choice.windowed);
    if (changed)
        KW_ShowMessage("Display resolution changed to %d by %d", kwScreenW, kwScreenH);
    else
        KW_ShowMessage("%s", "Resolution change failed.");
    return changed;
}
