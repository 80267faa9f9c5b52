// The gallery screen. Each frame: clear, widgets (draw + result), act on the
// results, print the values, frame end.
#include "tools/gallery/gallery.h"

#include "kwui/kwui.h"
#include "tools/reportlog.h"

#include <cstdio>
#include <string>

namespace {

void ReportRect(const char* name, int x, int y, int w, int h) { Report("at %s %d %d %d %d", name, x, y, w, h); }

const char* const kWrappedText =
    "Word wrap: this text is cut into rows at the list's width, breaking at the last blank before the edge.\n"
    "A line break ends a row.\n"
    "Averyveryveryverylongwordwithoutanyblankisstillcutattheedgeofthelistlikeeveryotherline.";

struct Gallery {
    KW_Toolbar toolbar, autoBar;
    KW_Button clickMe, flat, disabled, popupButton, displayMode, quit;
    ListBoxClass list, wrapped;
    KW_TextField name, code;
    KW_CheckBox check;
    SliderClass volume, red, page;
    FrameBoxClass volumeFrame;
    PopupMenuClass menu;

    int32_t volumeValue = 128, redValue = 64, pageValue = 0;
    int clicks = 0;
    int frames = 0;
    double startTime = 0.0;
    int lastToolbar = -1;
    int lastMenu = -1;
    int lastActivated = -1;
    // What the log last said, so that it reports changes only.
    int loggedVolume = -1, loggedRed = -1, loggedPage = -1, loggedSelected = -1;
    std::string loggedName, loggedCode;

    void Build();
    void Release();
    bool Frame();
    void DrawValues();
};

void Gallery::Build()
{
    const int lh = KW_LineHeight();

    // toolbars: a draggable one with a status text, and an auto-hiding one;
    // function keys as hot keys, so that typing into the fields clicks nothing
    KW_InitToolbar(toolbar);
    KW_SetToolbarTitle(toolbar, "%s", "Gallery toolbar");
    KW_AddToolbarButton(toolbar, "new", "New", ALLEGRO_KEY_F6);
    KW_AddToolbarButton(toolbar, "load", "Load", ALLEGRO_KEY_F7);
    KW_AddToolbarButton(toolbar, "save", "Save", ALLEGRO_KEY_F8);
    KW_AddToolbarButton(toolbar, "seperator", "", -1);
    KW_AddToolbarButton(toolbar, "go", "Go A", ALLEGRO_KEY_F9);
    KW_AddToolbarButton(toolbar, "forward", "Go B", ALLEGRO_KEY_F9);
    KW_AddToolbarButton(toolbar, "seperator", "", -1);
    KW_AddToolbarButton(toolbar, "speaker", "Speaker", -1);
    toolbar.docked = false;
    toolbar.showStatus = true;
    toolbar.status = "Toolbar: -";

    KW_InitToolbar(autoBar);
    autoBar.x = kwScreenW - 200;
    KW_SetToolbarTitle(autoBar, "%s", "Auto-hide");
    KW_AddToolbarButton(autoBar, "copy", "Copy", ALLEGRO_KEY_F10);
    KW_AddToolbarButton(autoBar, "paste", "Paste", ALLEGRO_KEY_F11);
    autoBar.autoHide = true;
    autoBar.docked = false;

    // labelled buttons
    const int row = toolbar.height + 12;
    KW_CreateButton(clickMe, 10, row, "Click me", ALLEGRO_KEY_F2, "yes");
    KW_SetButtonSize(clickMe, -1, -1);
    KW_CreateButton(flat, clickMe.x + clickMe.width + 8, row, "Flat", ALLEGRO_KEY_F3, "no");
    KW_SetButtonSize(flat, -1, -1);
    flat.flat = true;
    KW_CreateButton(disabled, flat.x + flat.width + 8, row, "Disabled", -1, "cancel");
    KW_SetButtonSize(disabled, -1, -1);
    disabled.enabled = false;
    KW_CreateButton(popupButton, disabled.x + disabled.width + 8, row, "Pop-up menu", ALLEGRO_KEY_F4, "view");
    KW_SetButtonSize(popupButton, -1, -1);

    // lists: one with rows and keys, one with wrapped text
    const int listTop = row + clickMe.height + lh + 12;
    list.Create(10, listTop, 370, 7);
    for (int i = 0; i < 40; ++i) {
        char text[96];
        if (i == 3)
            std::snprintf(text, sizeof text, "Row %d: a row far too wide for the list shows the bar below", i);
        else
            std::snprintf(text, sizeof text, "Row %d", i);
        list.AddRow(text, std::to_string(i));
    }
    list.keyboard = true;
    const int wrappedTop = listTop + list.ListHeight() + lh + 8;
    wrapped.Create(10, wrappedTop, 370, 4);
    wrapped.horizontalScrolling = false;
    wrapped.highlightSelection = false;
    wrapped.SetWrappedText(kWrappedText);

    // right column: two text fields, a check box, a plain slider, a page slider
    const int column = 400;
    KW_CreateTextField(name, "Name", column, listTop, 20, -1);
    KW_CreateTextField(code, "Code (5 characters)", column, listTop + 2 * lh + 14, 6, -1);
    KW_FocusTextField(name);
    KW_CreateCheckBox(check, column, code.y + code.height + 12);

    red = SliderClass{};
    red.name = "Red";
    red.x = column;
    red.y = check.y + 48;
    red.w = 300;
    red.h = 20;
    red.max = 255;
    red.value = &redValue;

    page = SliderClass{};
    page.x = kwScreenW - 60;
    page.y = code.y;
    page.w = 32;
    page.h = 150;
    page.max = 9;
    page.vertical = true;
    page.pageSize = 1;
    page.value = &pageValue;

    KW_CreateButton(displayMode, column, red.y + red.h + lh + 12, "Display mode", ALLEGRO_KEY_F5, "view");
    KW_SetButtonSize(displayMode, -1, -1);
    KW_CreateButton(quit, displayMode.x + displayMode.width + 8, displayMode.y, "Quit", ALLEGRO_KEY_ESCAPE, "exit");
    KW_SetButtonSize(quit, -1, -1);

    // the volume group at the bottom
    const int frameTop = wrappedTop + wrapped.ListHeight() + 6;
    FrameBoxClass::Create(volumeFrame, "Sound Effects", 10, frameTop, 2 * lh + 40);
    volume = SliderClass{};
    volume.name = "Volume";
    volume.x = 30;
    volume.y = frameTop + lh;
    volume.w = 590;
    volume.h = 20;
    volume.max = 255;
    volume.levelColours = true;
    volume.value = &volumeValue;

    menu.Clear();
    menu.AddItem("Select", "yes");
    menu.AddItem("Edit", "edit");
    menu.AddItem("Cancel", "cancel");

    ReportRect("clickme", clickMe.x, clickMe.y, clickMe.width, clickMe.height);
    ReportRect("flat", flat.x, flat.y, flat.width, flat.height);
    ReportRect("popup", popupButton.x, popupButton.y, popupButton.width, popupButton.height);
    ReportRect("list", list.x, list.y, list.width, list.ListHeight());
    ReportRect("name", name.x, name.y, name.width, name.height);
    ReportRect("code", code.x, code.y, code.width, code.height);
    ReportRect("check", check.x, check.y, 32, 32);
    ReportRect("volume", volume.x, volume.y, volume.w, volume.h);
    ReportRect("displaymode", displayMode.x, displayMode.y, displayMode.width, displayMode.height);
    Report("lineheight %d", lh);
    Report("ready");
}

void Gallery::Release()
{
    KW_ReleaseTextField(name);
    KW_ReleaseTextField(code);
}

void Gallery::DrawValues()
{
    const int lh = KW_LineHeight();
    const ALLEGRO_COLOR ink = KW_Colour(KWC_Ink);
    const int x = 400;
    int y = displayMode.y + displayMode.height + 8;
    KW_DrawTextF(x, y, ink, "Clicks: %d   Toolbar: %d   Menu: %d", clicks, lastToolbar, lastMenu);
    y += lh;
    KW_DrawTextF(x, y, ink, "List: row %d, activated %d", list.selected, lastActivated);
    y += lh;
    KW_DrawTextF(x, y, ink, "Name: \"%s\"  Code: \"%s\"", name.text.c_str(), code.text.c_str());
    y += lh;
    KW_DrawTextF(x, y, ink, "Window: %s  Red: %d  Page: %d", check.checked ? "True" : "False", redValue, pageValue);
}

bool Gallery::Frame()
{
    if (frames++ == 0) startTime = al_get_time();
    al_clear_to_color(KW_Colour(KWC_WindowFill));

    // widgets
    KW_DrawTextF(10, list.y - KW_LineHeight() - 4, KW_Colour(KWC_Ink), "%s", "List box (keys and wheel on)");
    list.Update();
    wrapped.Update();
    FrameBoxClass::Draw(volumeFrame);
    SliderClass::Update(volume);
    SliderClass::Update(red);
    SliderClass::Update(page);
    KW_DoTextField(name);
    KW_DoTextField(code);
    const bool toggled = KW_DoCheckBox(check);
    const bool clickMeClicked = KW_DoButton(clickMe);
    const bool flatClicked = KW_DoButton(flat);
    KW_DoButton(disabled);
    const bool popupClicked = KW_DoButton(popupButton);
    const bool displayModeClicked = KW_DoButton(displayMode);
    const bool quitClicked = KW_DoButton(quit);
    DrawValues();
    const int autoResult = KW_DoToolbar(autoBar);
    const int toolbarResult = KW_DoToolbar(toolbar);

    // act on the results
    if (clickMeClicked) {
        ++clicks;
        Report("click Click me");
    }
    if (flatClicked) Report("click Flat");
    if (toolbarResult != -1) {
        lastToolbar = toolbarResult;
        toolbar.status = "Toolbar: " + toolbar.buttons[toolbarResult].text;
        std::string both;
        for (size_t i = 0; i < toolbar.buttons.size(); ++i)
            if (toolbar.buttons[i].clicked) both += " " + std::to_string(i);
        Report("toolbar %d %s (clicked:%s)", toolbarResult, toolbar.buttons[toolbarResult].text.c_str(), both.c_str());
    }
    if (autoResult != -1) Report("autobar %d %s", autoResult, autoBar.buttons[autoResult].text.c_str());
    if (toggled) Report("check %s", check.checked ? "True" : "False");
    if (list.activated != -1) {
        lastActivated = list.activated;
        Report("list activated %d", list.activated);
        list.activated = -1;
    }
    if (list.selected != loggedSelected) Report("list selected %d top %d", loggedSelected = list.selected, list.topRow);
    if (volumeValue != loggedVolume) Report("slider Volume %d", loggedVolume = volumeValue);
    if (redValue != loggedRed) Report("slider Red %d", loggedRed = redValue);
    if (pageValue != loggedPage) Report("slider Page %d", loggedPage = pageValue);
    if (name.text != loggedName) Report("field Name %s", (loggedName = name.text).c_str());
    if (code.text != loggedCode) Report("field Code %s", (loggedCode = code.text).c_str());

    if (popupClicked) {
        const int mx = KW_GetMouseX(), my = KW_GetMouseY();
        Report("menu open %d %d", mx, my);
        lastMenu = menu.Run(mx, my);
        Report("menu at %d %d item height %d", menu.x, menu.y, PopupMenuClass::ItemHeight(KW_LineHeight()));
        Report("menu %d", lastMenu);
        return true;
    }
    if (displayModeClicked) {
        KW_DisplayModeChoice choice;
        const bool accepted = KW_SelectDisplayMode(choice);
        for (const auto& mode : choice.modes) Report("mode %dx%d", mode.first, mode.second);
        const int allegroModes = al_get_num_display_modes();
        Report("allegro modes %d", allegroModes);
        if (accepted)
            Report("displaymode chosen %dx%d %s", choice.width, choice.height, choice.windowed ? "window" : "full");
        else
            Report("displaymode cancelled");
        Report("display %dx%d", kwScreenW, kwScreenH);
        return true;
    }
    if (quitClicked) {
        const double seconds = al_get_time() - startTime;
        Report("frames %d in %.1f s", frames, seconds);
        Report("quit");
        return false;
    }

    KW_PresentFrame();
    return true;
}

}  // namespace

void RunGallery()
{
    Gallery gallery;
    gallery.Build();
    while (gallery.Frame()) {
    }
    gallery.Release();
}
