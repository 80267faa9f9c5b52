// The check box: three textures (checked, unchecked, mouse over) and a label.
#include "kwui/checkbox.h"

#include "kwui/core.h"
#include "kwui/draw.h"
#include "kwui/input.h"
#include "kwui/tooltip.h"

void KW_CreateCheckBox(KW_CheckBox& box, int x, int y)
{
    box.label = "Window";
    box.x = x;
    box.y = y;
    box.checked = false;
    box.checkedTexture = KW_GetInternalTexture("CheckBox_Checked");
    box.uncheckedTexture = KW_GetInternalTexture("CheckBox_Unchecked");
    box.mouseOverTexture = KW_GetInternalTexture("CheckBox_MouseOver");
}

static int BoxWidth(const KW_CheckBox& box) { return box.uncheckedTexture.width > 0 ? box.uncheckedTexture.width : 32; }
static int BoxHeight(const KW_CheckBox& box)
{
    return box.uncheckedTexture.height > 0 ? box.uncheckedTexture.height : 32;
}

bool KW_CheckBoxHovered(const KW_CheckBox& box, int mx, int my)
{
    return mx >= box.x && mx <= box.x + BoxWidth(box) && my >= box.y && my <= box.y + BoxHeight(box);
}

bool KW_DoCheckBox(KW_CheckBox& box)
{
    const int mx = KW_GetMouseX();
    const int my = KW_GetMouseY();
    bool toggled = false;
    if (KW_CheckBoxHovered(box, mx, my)) {
        KW_DrawTexture(box.x, box.y, 0.0, 255, box.mouseOverTexture);
        KW_QueueToolTip(mx + 16, box.y + 16, "Click to toggle %s (currently %s)", box.label.c_str(),
                        box.checked ? "True" : "False");
        if (kwMouse.buttons & 1) {
            KW_WaitMouseRelease();
            box.checked = !box.checked;
            toggled = true;
        }
    }
    KW_DrawTexture(box.x, box.y, 0.0, 255, box.checked ? box.checkedTexture : box.uncheckedTexture);
    const int labelY = box.y + (BoxHeight(box) - KW_LineHeight()) / 2;
    KW_DrawFontText(kwFont, box.x + BoxWidth(box) + 4, labelY, KW_Colour(KWC_Ink), box.label.c_str());
    return toggled;
}
