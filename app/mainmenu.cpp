// The main menu. For now a holding screen that shows the console and the
// version until the menus arrive; Escape leaves.
#include "app/startup.h"

#include "kwui/kwui.h"

void RunMainMenu()
{
    KW_Message("%s", "Press Escape to leave");
    for (;;) {
        al_clear_to_color(al_map_rgb(24, 64, 24));
        KW_DrawFontText(kwFontMedium, 20, 20, al_map_rgb(255, 255, 255), "Sodbolt");
        KW_DrawTextF(kwScreenW - KW_TextWidth(kVersionText) - 16, kwScreenH - 50, KW_Colour(KWC_Console), "%s",
                     kVersionText);

        KW_PollEvents();
        KW_WaitForTick();
        KW_DrawConsole();
        KW_DrawToolTips();
        al_flip_display();

        if (kwKeyPending && kwKeyCode == ALLEGRO_KEY_ESCAPE) return;
    }
}
