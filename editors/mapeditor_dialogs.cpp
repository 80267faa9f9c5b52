// The map editor's "Set Tile Brush Size" dialog: a grid of blue squares, the
// brush size is the block from the top-left square to the one clicked.
#include "editors/mapeditor.h"

#include "kwui/kwui.h"
#include "kwui/toolbar.h"

#include <allegro5/allegro_primitives.h>

namespace {

// The grid of blue cells on the editor's background, or null without memory.
ALLEGRO_BITMAP* CreateGridBitmap(const BrushGrid& grid)
{
    if (!grid.Usable()) return nullptr;
    ALLEGRO_BITMAP* bitmap = al_create_bitmap(grid.width, grid.height);
    if (!bitmap) return nullptr;
    ALLEGRO_BITMAP* previous = al_get_target_bitmap();
    al_set_target_bitmap(bitmap);
    al_clear_to_color(KW_Colour(KWC_LightBlue));
    const ALLEGRO_COLOR blue = al_map_rgb(0, 0, 240);
    for (int row = 0; row < grid.rows; ++row)
        for (int column = 0; column < grid.columns; ++column)
            al_draw_filled_rectangle(33 * column, 33 * row, 33 * column + 32, 33 * row + 32, blue);
    al_set_target_bitmap(previous);
    return bitmap;
}

}  // namespace

void MapEditor::SetBrushSize()
{
    const BrushGrid grid = BrushGridLayout(kwScreenW, kwScreenH, KW_LineHeight());
    ALLEGRO_BITMAP* gridBitmap = CreateGridBitmap(grid);
    if (!gridBitmap) {
        KW_ShowMessage("%s", "Unable allocate tile grid bitmap");
        return;
    }

    KW_Toolbar dialogBar;
    KW_InitToolbar(dialogBar);
    KW_SetToolbarTitle(dialogBar, "%s", "Set Tile Brush Size");
    KW_AddToolbarButton(dialogBar, "cancel", "Cancel", ALLEGRO_KEY_ESCAPE);
    KW_ModalScope modal;

    const ALLEGRO_COLOR white = al_map_rgb(255, 255, 255);
    const ALLEGRO_COLOR yellow = al_map_rgb(255, 255, 0);
    bool done = false;
    while (!done) {
        al_clear_to_color(KW_Colour(KWC_LightBlue));
        KW_DrawConsoleUnderDialog();
        al_draw_bitmap(gridBitmap, 0, grid.top, 0);

        // the block under the pointer
        KW_RefreshMouse();
        const int mouseX = kwMouse.x, mouseY = kwMouse.y;
        int width = 0, height = 0;
        if (BrushGridSizeAt(grid, mouseX, mouseY, width, height)) {
            KW_DrawTextF(dialogBar.x + dialogBar.width + 2, 4, white, "%s", BrushSizeText(width, height).c_str());
            // 2 pixels thick, inside the block's edge pixels
            const int right = 33 * width - 1, bottom = grid.top + 33 * height - 1;
            al_draw_rectangle(1.0f, grid.top + 1.0f, right, bottom, yellow, 2.0f);
            if (kwMouse.buttons & 1) {
                brushWidth = static_cast<int16_t>(width);
                brushHeight = static_cast<int16_t>(height);
                KW_WaitMouseRelease();
                done = true;
            }
        }

        if (KW_DoToolbar(dialogBar) == 0) done = true;
        al_draw_pixel(mouseX + 0.5f, mouseY + 0.5f, white);
        KW_PresentFrame();
    }

    al_destroy_bitmap(gridBitmap);
    KW_ClearToolbar(dialogBar);
}
