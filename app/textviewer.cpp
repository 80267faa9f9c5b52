// The text viewer: a file (help.txt) or a text in a scrolling list under a
// toolbar with one "Done" button.
#include "app/credits.h"

#include "kwui/kwui.h"

#include <cstdarg>
#include <cstdio>

void ShowTextViewer(const char* textOrPath, bool isFile, const char* titleFormat, ...)
{
    char title[1024];
    va_list args;
    va_start(args, titleFormat);
    std::vsnprintf(title, sizeof title, titleFormat, args);
    va_end(args);

    const int lineHeight = KW_LineHeight();
    ListBoxClass list;
    list.Create(5, lineHeight + 48, kwScreenW - 10, (kwScreenH - lineHeight - 48) / (lineHeight + 1));
    list.keyboard = true;
    if (isFile) {
        // A big file takes a while to wrap: a bar shows how far it has come.
        KW_Progress progress;
        KW_BeginProgress(progress, title);
        const bool loaded =
            list.LoadFromTextFile(textOrPath, [&progress](double done) { KW_StepProgress(progress, done); });
        KW_EndProgress(progress);
        if (!loaded) {
            KW_ShowMessage("Error reading %s", textOrPath);
            return;
        }
    } else {
        list.AddRow(textOrPath);
    }

    KW_Toolbar toolbar;
    KW_InitToolbar(toolbar);
    KW_SetToolbarTitle(toolbar, "%s", title);
    KW_AddToolbarButton(toolbar, "yes", "Done", ALLEGRO_KEY_ENTER);

    KW_ModalScope modal;
    for (;;) {
        al_clear_to_color(KW_Colour(KWC_Background));
        list.Update();
        const int clicked = KW_DoToolbar(toolbar);
        KW_PresentFrame();
        if (clicked == 0) break;
    }
}
