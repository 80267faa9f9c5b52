// MenuScreen: title bar, item rows with icons, the bottom bar with the
// selected item's big icon, label and sliding description.
#include "app/menu.h"

#include "app/startup.h"
#include "audio/audio.h"
#include "kwui/kwui.h"

#include <allegro5/allegro_primitives.h>

#include <algorithm>

MenuAnimation gMenuAnimation;

static const char* const kWebLine = "mow.example";

void MenuAnimation::Step()
{
    if (greyFalling) {
        greyLevel -= 6;
        if (greyLevel <= 140) greyFalling = false;
    } else {
        greyLevel += 6;
        if (greyLevel >= 250) greyFalling = true;
    }
    if (iconShrinking) {
        iconScale -= 0.03f;
        if (iconScale <= 0.8f) iconShrinking = false;
    } else {
        iconScale += 0.03f;
        if (iconScale >= 1.6f) iconShrinking = true;
    }
    ticks += 1.0f;
}

void MenuScreen::Init(const std::string& newTitle)
{
    title = newTitle;
    versionText = kVersionText;
    webLine = kWebLine;
    statusText.clear();
    width = 320;
    rowHeight = std::max(32, KW_LineHeight()) + 25;
    descriptionX = kwScreenW;
    KW_StartTimer(animationTimer);
    items.clear();
    selected = -1;
    selectSound = moveSound = cancelSound = -1;
}

void MenuScreen::AddItem(const std::string& label, const std::string& description, const std::string& iconName)
{
    MenuItem item;
    item.label = label;
    item.description = description;
    item.iconName = iconName;
    item.icon = KW_GetInternalTexture(iconName);
    items.push_back(item);
    width = std::max(width, KW_TextWidth(label.c_str()) + 96);
}

void MenuScreen::FindSounds()
{
    const AudioClass& audio = AudioClass::GetInstance();
    selectSound = audio.FindSound("interface\\MenuSelect");
    moveSound = audio.FindSound("interface\\MenuMove");
    cancelSound = audio.FindSound("interface\\MenuCancel");
}

void MenuScreen::ReloadIcons()
{
    for (MenuItem& item : items) item.icon = KW_GetInternalTexture(item.iconName);
    rowHeight = std::max(32, KW_LineHeight()) + 25;
}

void MenuScreen::PlayMenuSound(int number) const { AudioClass::GetInstance().PlaySoundNumber(number); }

int MenuScreen::ItemRowHeight() const { return std::max(32, KW_LineHeight()) + 8; }

int MenuScreen::ItemRowTop(int index) const { return KW_MediumLineHeight() + 10 + index * ItemRowHeight(); }

void MenuScreen::KeepSelectionInRange()
{
    const int count = static_cast<int>(items.size());
    if (selected < 0) selected = count - 1;
    else if (selected >= count) selected = 0;
}

void MenuScreen::MoveSelection(int delta)
{
    selected += delta;
    KeepSelectionInRange();
    descriptionX = kwScreenW;
}

// Draws a texture scaled about its centre (cx, cy).
static void DrawScaledIcon(const KW_Texture& icon, float cx, float cy, float scale, int size = 0)
{
    if (!icon.bitmap) return;
    ALLEGRO_BITMAP* bitmap = icon.bitmap.get();
    const float w = static_cast<float>(al_get_bitmap_width(bitmap));
    const float h = static_cast<float>(al_get_bitmap_height(bitmap));
    const float sx = size > 0 ? size / w : scale;
    const float sy = size > 0 ? size / h : scale;
    al_draw_scaled_rotated_bitmap(bitmap, w / 2, h / 2, cx, cy, sx, sy, 0.0f, 0);
}

// The title at the left of the bar and the web line at its right, in the
// medium font while both fit side by side; else the web line, then the title
// too, in the standard font, so the two never run into each other.
void MenuScreen::DrawTitleBar()
{
    const ALLEGRO_COLOR white = al_map_rgb(255, 255, 255);
    const int mediumHeight = KW_MediumLineHeight();
    KW_DrawRect(0, 8, kwScreenW - 1, mediumHeight + 7, true, al_map_rgb(0, 0, 240), 128);

    constexpr int kGap = 24;
    ALLEGRO_FONT* titleFont = kwFontMedium;
    ALLEGRO_FONT* webFont = kwFontMedium;
    int webRight = kwScreenW - 32;
    const auto fits = [&] {
        return 15 + KW_TextWidth(titleFont, title.c_str()) + kGap <=
               webRight - KW_TextWidth(webFont, webLine.c_str());
    };
    if (!fits()) {
        webFont = kwFont;
        webRight = kwScreenW - 15;
    }
    if (!fits()) titleFont = kwFont;
    const auto middle = [&](ALLEGRO_FONT* font) {
        return font == kwFontMedium ? 8 : 8 + (mediumHeight - KW_LineHeight()) / 2;
    };
    KW_DrawFontText(titleFont, 15, middle(titleFont), white, title.c_str());
    KW_DrawFontText(webFont, webRight - KW_TextWidth(webFont, webLine.c_str()), middle(webFont), white,
                    webLine.c_str());
}

void MenuScreen::PlaceConsole(int lineCount, int& x, int& top) const
{
    const int lineHeight = KW_LineHeight();
    const int rowsBottom = ItemRowTop(static_cast<int>(items.size()));
    const int barTop = kwScreenH - 51;
    if (rowsBottom + 8 + lineCount * lineHeight < barTop) {
        x = 3;
        top = rowsBottom + 8;
    } else {
        x = width + 30;
        top = ItemRowTop(0);
    }
}

void MenuScreen::DrawWithPointer(int mouseX, int mouseY, int buttons, bool& clicked)
{
    const ALLEGRO_COLOR white = al_map_rgb(255, 255, 255);
    const ALLEGRO_COLOR blue = al_map_rgb(0, 0, 240);
    const int lineHeight = KW_LineHeight();

    DrawTitleBar();

    // item rows, with the mouse choosing as it moves
    const bool mouseMoved = mouseX != lastMouseX || mouseY != lastMouseY;
    const int h = ItemRowHeight();
    for (int i = 0; i < static_cast<int>(items.size()); ++i) {
        const int y = ItemRowTop(i);
        const bool over = mouseX >= 15 && mouseX <= width + rowHeight && mouseY >= y && mouseY <= y + h;
        if (over && mouseMoved && i != selected) {
            selected = i;
            PlayMenuSound(moveSound);
            descriptionX = kwScreenW;
        }
        if (over && i == selected && (buttons & 1)) clicked = true;

        const bool isSelected = i == selected;
        KW_DrawRect(15, y + 1, width + 14, y + h - 1, true, isSelected ? blue : white, 96);
        KW_DrawFontText(kwFont, rowHeight, y + (h - lineHeight) / 2, isSelected ? white : al_map_rgb(0, 0, 0),
                        items[i].label.c_str());
        const KW_Texture& icon = items[i].icon;
        const int iconY = y + (h - icon.height) / 2;
        if (isSelected)
            DrawScaledIcon(icon, 20 + icon.width / 2.0f, iconY + icon.height / 2.0f, gMenuAnimation.iconScale);
        else
            KW_DrawTexture(20, iconY, 0, 255, icon);
    }
    lastMouseX = mouseX;
    lastMouseY = mouseY;

    // bottom bar
    KW_DrawRect(0, kwScreenH - 51, kwScreenW - 1, kwScreenH - 2, true, al_map_rgb(192, 192, 192), 112);
    if (selected >= 0 && selected < static_cast<int>(items.size())) {
        const MenuItem& item = items[selected];
        DrawScaledIcon(item.icon, 32.0f, kwScreenH - 65 + 32.0f, 1.0f, 64);
        const int c = gMenuAnimation.greyLevel;
        KW_DrawFontText(kwFont, 64, kwScreenH - 50, al_map_rgb(c, c, c), item.label.c_str());
        if (!item.description.empty()) {
            KW_DrawFontText(kwFont, descriptionX, kwScreenH - lineHeight - 4, white, item.description.c_str());
            descriptionX = std::max(descriptionX, 64);
        }
    }
    const ALLEGRO_COLOR background = KW_Colour(KWC_Background);
    KW_DrawFontText(kwFont, kwScreenW - 16 - KW_TextWidth(versionText.c_str()), kwScreenH - 50, background,
                    versionText.c_str());
    if (!statusText.empty())
        KW_DrawFontText(kwFont, kwScreenW - 16 - KW_TextWidth(statusText.c_str()), kwScreenH - 50 + lineHeight,
                        background, statusText.c_str());

    // animation
    if (KW_TimerTickOf(animationTimer, 60)) {
        gMenuAnimation.Step();
        if (descriptionX > 64) descriptionX -= 60;
    }
    AskForAnimatedParts();
}

// Only the pulsing icon, the pulsing label and a sliding description change
// from frame to frame: the rest of an idle menu is not drawn again.
void MenuScreen::AskForAnimatedParts() const
{
    if (selected < 0 || selected >= static_cast<int>(items.size())) return;
    const MenuItem& item = items[selected];
    // the selected row's icon at its largest
    const int h = ItemRowHeight();
    const int iconTop = ItemRowTop(selected) + (h - item.icon.height) / 2;
    const int reach = (std::max(item.icon.width, item.icon.height) * 4 + 4) / 5 + 2;  // 1.6x, halved, and a margin
    const int cx = 20 + item.icon.width / 2, cy = iconTop + item.icon.height / 2;
    KW_RedrawArea(cx - reach, cy - reach, cx + reach, cy + reach);
    // the bottom bar's label, and its description while it slides in
    const int lineHeight = KW_LineHeight();
    KW_RedrawArea(64, kwScreenH - 50, 64 + KW_TextWidth(item.label.c_str()) + 2, kwScreenH - 50 + lineHeight);
    if (descriptionX > 64) KW_RedrawArea(0, kwScreenH - lineHeight - 4, kwScreenW - 1, kwScreenH - 1);
}

int MenuScreen::Update()
{
    bool clicked = false;
    KW_RefreshMouse();
    DrawWithPointer(kwMouse.x, kwMouse.y, kwMouse.buttons, clicked);

    if (clicked) {
        PlayMenuSound(selectSound);
        KW_WaitMouseRelease();
        return selected;
    }

    if (kwKeyPending) {
        switch (kwKeyCode) {
        case ALLEGRO_KEY_ESCAPE:
            PlayMenuSound(cancelSound);
            KW_ClearKey();
            return kCancelled;
        case ALLEGRO_KEY_ENTER:
        case ALLEGRO_KEY_PAD_ENTER:
            // Alt+Enter is the full-screen key of other programs: never a choice
            // (on a fresh main menu it would pick Exit).
            if (kwKeyModifiers & (ALLEGRO_KEYMOD_ALT | ALLEGRO_KEYMOD_ALTGR)) break;
            PlayMenuSound(selectSound);
            KW_ClearKey();
            KeepSelectionInRange();
            return selected;
        case ALLEGRO_KEY_UP:
            PlayMenuSound(moveSound);
            MoveSelection(-1);
            break;
        case ALLEGRO_KEY_DOWN:
            PlayMenuSound(moveSound);
            MoveSelection(1);
            break;
        default: break;
        }
    }
    KeepSelectionInRange();
    return kNothing;
}

void DrawMenuBackground(ALLEGRO_BITMAP* background)
{
    KW_DrawBackdrop(background);
}
