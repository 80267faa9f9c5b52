// Modal dialogs: "Message", "Confirm", "Edit Text String", the number entry
// and "Select Colour". Each one clears the latched key on entry (so the key
// that opened it does not act inside) and on exit (so the key that closed it
// does not reach the screen underneath).
//
// [SECTION] Layout and conversion rules
// [SECTION] Shared frame parts
// [SECTION] Message and confirm
// [SECTION] Text and number entry
// [SECTION] Colour chooser
#include "kwui/dialogs.h"

#include "kwui/button.h"
#include "kwui/console.h"
#include "kwui/core.h"
#include "kwui/draw.h"
#include "kwui/input.h"
#include "kwui/listbox.h"
#include "kwui/slider.h"
#include "kwui/textfield.h"

#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <new>
#include <vector>

// [SECTION] Layout and conversion rules

int KW_MessagePanelWidth(int screenW)
{
    const int share = static_cast<int>(screenW * 0.8);
    return share < 950 ? share : 950;
}

KW_DialogRect KW_MessagePanelRect(int screenW, int screenH, int lineHeight)
{
    KW_DialogRect panel;
    panel.w = KW_MessagePanelWidth(screenW);
    panel.h = 8 * lineHeight;
    panel.x = (screenW - panel.w) / 2;
    panel.y = (screenH - panel.h) / 2;
    return panel;
}

KW_DialogRect KW_MessageListRect(const KW_DialogRect& panel, int lineHeight)
{
    KW_DialogRect list;
    list.x = panel.x + 5;
    list.y = panel.y + lineHeight * 3 / 2;
    list.w = panel.w - 10;
    list.h = 4;
    return list;
}

void KW_ConfirmButtonsX(int screenW, int buttonW, int& yesX, int& noX)
{
    yesX = (screenW - buttonW - buttonW - 5) / 2;
    noX = yesX + buttonW + 5;
}

std::string KW_NumberCaption(const char* caption, int min, int max)
{
    const char* shown = (caption && *caption) ? caption : "Enter a new number";
    std::string text = shown;
    text += " (" + std::to_string(min) + " to " + std::to_string(max) + ")";
    // Captions are 256-byte texts.
    if (text.size() > 255) text.resize(255);
    return text;
}

bool KW_ApplyNumberInput(const char* text, int min, int max, int& value)
{
    // As atoi reads it, but a number too long for an int cannot wrap into range.
    const long long number = text ? std::strtoll(text, nullptr, 10) : 0;
    if (number < min || number > max) return false;
    value = static_cast<int>(number);
    return true;
}

KW_InputTextLayout KW_LayoutInputText(int fieldWidth, int captionWidth, int buttonWidth, int lineHeight)
{
    KW_InputTextLayout layout;
    layout.panel.x = 20;
    layout.panel.y = 20;
    layout.panel.w = std::max(fieldWidth + 40, std::max(captionWidth + 20, 450));
    layout.panel.h = 6 * lineHeight;
    layout.fieldX = 40;
    layout.fieldY = 20 + 2 * lineHeight + 5;
    layout.okX = layout.panel.x + 10;
    layout.cancelX = layout.okX + buttonWidth + 10;
    layout.buttonsY = layout.panel.y + layout.panel.h - 42;
    return layout;
}

// [SECTION] Shared frame parts

// A text button of the dialogs: icon and label centred, hot key attached.
static void MakeDialogButton(KW_Button& button, int x, int y, const char* text, int hotKey, const char* icon,
                             int width, int height)
{
    KW_CreateButton(button, x, y, text, hotKey, icon);
    KW_SetButtonSize(button, width, height);
}

static void BeginDialogFrame(const KW_DialogRect& panel, const char* title)
{
    al_clear_to_color(KW_Colour(KWC_Background));
    KW_DrawConsoleUnderDialog();
    KW_DrawWindowFrame(panel.x, panel.y, panel.x + panel.w - 1, panel.y + panel.h - 1, "%s", title);
}

// [SECTION] Message and confirm

namespace {
// The panel, its read-only text list and the buttons' size, shared by
// "Message" and "Confirm".
struct MessagePanel {
    KW_DialogRect panel;
    ListBoxClass list;
    int buttonW = 0;
    int buttonH = 38;
    int buttonY = 0;

    explicit MessagePanel(const char* text)
    {
        const int lh = KW_LineHeight();
        panel = KW_MessagePanelRect(kwScreenW, kwScreenH, lh);
        const KW_DialogRect area = KW_MessageListRect(panel, lh);
        list.Create(area.x, area.y, area.w, area.h);
        list.highlightSelection = false;
        list.keyboard = true;  // the wheel and the arrows scroll a long text
        list.SetWrappedText(text);
        buttonW = KW_TextWidth("00000000") + 32;
        buttonY = panel.y + panel.h - lh / 4 - buttonH;
    }
};
}  // namespace

void KW_ShowMessage(const char* format, ...)
{
    char text[1024];
    va_list args;
    va_start(args, format);
    std::vsnprintf(text, sizeof text, format, args);
    va_end(args);

    // Without a window nobody could answer: the text goes to the console,
    // or to the error stream before the toolkit is up.
    if (!kwDisplay) {
        if (kwInitialised) KW_Message("%s", text);
        else std::fprintf(stderr, "%s\n", text);
        return;
    }
    std::fprintf(stderr, "%s\n", text);

    KW_ModalScope modal;
    MessagePanel dialog(text);
    KW_Button ok;
    MakeDialogButton(ok, (kwScreenW - dialog.buttonW) / 2, dialog.buttonY, "OK", ALLEGRO_KEY_ENTER, "yes",
                     dialog.buttonW, dialog.buttonH);

    bool done = false;
    while (!done) {
        BeginDialogFrame(dialog.panel, "Message");
        dialog.list.Update();
        if (KW_DoButton(ok)) done = true;
        KW_PresentFrame();
    }
}

bool KW_Confirm(const char* format, ...)
{
    char text[1024];
    va_list args;
    va_start(args, format);
    std::vsnprintf(text, sizeof text, format, args);
    va_end(args);

    if (!kwDisplay) {
        KW_Message("%s", text);
        return false;
    }

    KW_ModalScope modal;
    MessagePanel dialog(text);
    int yesX = 0, noX = 0;
    KW_ConfirmButtonsX(kwScreenW, dialog.buttonW, yesX, noX);
    KW_Button yes, no;
    MakeDialogButton(yes, yesX, dialog.buttonY, "Yes", ALLEGRO_KEY_ENTER, "yes", dialog.buttonW, dialog.buttonH);
    MakeDialogButton(no, noX, dialog.buttonY, "No", ALLEGRO_KEY_ESCAPE, "no", dialog.buttonW, dialog.buttonH);

    int answer = -1;
    while (answer < 0) {
        BeginDialogFrame(dialog.panel, "Confirm");
        dialog.list.Update();
        const bool yesClicked = KW_DoButton(yes);
        const bool noClicked = KW_DoButton(no);
        // "No" wins when both fire in one frame.
        if (noClicked) answer = 0;
        else if (yesClicked) answer = 1;
        KW_PresentFrame();
    }
    return answer == 1;
}

// [SECTION] Text and number entry

bool KW_InputText(char* text, int maxLength, const char* captionFormat, ...)
{
    if (!text || maxLength < 1 || !kwDisplay) return false;

    // Working copy of at most maxLength characters; a failed allocation
    // counts as a cancel.
    std::vector<char> working;
    try {
        working.assign(static_cast<size_t>(maxLength) + 1, '\0');
    } catch (const std::bad_alloc&) {
        return false;
    }
    const size_t currentLength = strnlen(text, static_cast<size_t>(maxLength));
    std::memcpy(working.data(), text, currentLength);

    char caption[256];
    va_list args;
    va_start(args, captionFormat);
    std::vsnprintf(caption, sizeof caption, captionFormat, args);
    va_end(args);

    KW_ModalScope modal;
    const uint8_t previousFocus = kwFocusedField;
    const int lh = KW_LineHeight();
    const int fieldLength = std::min(maxLength, 65535);

    KW_TextField field;
    KW_CreateTextField(field, caption, 40, 20 + 2 * lh + 5, fieldLength, -1);
    KW_SetTextFieldText(field, working.data());
    KW_FocusTextField(field);

    const int buttonW = KW_TextWidth("000000") + 64;
    const KW_InputTextLayout layout = KW_LayoutInputText(field.width, KW_TextWidth(caption), buttonW, lh);
    KW_Button ok, cancel;
    MakeDialogButton(ok, layout.okX, layout.buttonsY, "Ok", ALLEGRO_KEY_ENTER, "yes", buttonW, -1);
    MakeDialogButton(cancel, layout.cancelX, layout.buttonsY, "Cancel", ALLEGRO_KEY_ESCAPE, "cancel", buttonW, -1);

    int answer = -1;
    while (answer < 0) {
        BeginDialogFrame(layout.panel, "Edit Text String");
        KW_DoTextField(field);
        if (KW_DoButton(ok)) {
            const size_t length = std::min(field.text.size(), static_cast<size_t>(maxLength));
            std::memcpy(working.data(), field.text.data(), length);
            working[length] = '\0';
            answer = 1;
        }
        if (answer < 0 && KW_DoButton(cancel)) answer = 0;
        KW_PresentFrame();
    }

    if (answer == 1) std::memcpy(text, working.data(), std::strlen(working.data()) + 1);
    KW_ReleaseTextField(field);
    kwFocusedField = previousFocus;
    return answer == 1;
}

bool KW_InputString(std::string& text, int maxCharacters, const char* caption)
{
    if (maxCharacters < 1) return false;
    // One byte for the character the field holds back, one for the terminator.
    std::vector<char> buffer(static_cast<size_t>(maxCharacters) + 2, '\0');
    const size_t length = std::min(text.size(), static_cast<size_t>(maxCharacters));
    std::memcpy(buffer.data(), text.data(), length);
    if (!KW_InputText(buffer.data(), maxCharacters + 1, "%s", caption)) return false;
    text.assign(buffer.data(), strnlen(buffer.data(), static_cast<size_t>(maxCharacters)));
    return true;
}

bool KW_InputNumber(int& value, int min, int max, const char* captionFormat, ...)
{
    char caption[256];
    va_list args;
    va_start(args, captionFormat);
    std::vsnprintf(caption, sizeof caption, captionFormat, args);
    va_end(args);

    char number[16];
    std::snprintf(number, sizeof number, "%d", value);
    const std::string shown = KW_NumberCaption(caption, min, max);
    if (!KW_InputText(number, kNumberFieldLength, "%s", shown.c_str())) return false;
    if (KW_ApplyNumberInput(number, min, max, value)) return true;
    KW_ShowMessage("Input out of range!");
    return false;
}

// [SECTION] Colour chooser

bool KW_SelectColour(ALLEGRO_COLOR& colour)
{
    if (!kwDisplay) return false;

    unsigned char r8, g8, b8;
    al_unmap_rgb(colour, &r8, &g8, &b8);
    int32_t channels[3] = {r8, g8, b8};

    KW_ModalScope modal;
    const int lh = KW_LineHeight();
    KW_DialogRect panel;
    panel.w = 600;
    panel.h = 400;
    panel.x = (kwScreenW - panel.w) / 2;
    panel.y = (kwScreenH - panel.h) / 2;
    const int right = panel.x + panel.w - 1;
    const int bottom = panel.y + panel.h - 1;

    const int buttonW = KW_TextWidth("000000000") + 32;
    KW_Button ok, cancel;
    MakeDialogButton(cancel, 0, 0, "Cancel", ALLEGRO_KEY_ESCAPE, "cancel", buttonW, -1);
    cancel.x = right - 5 - cancel.width;
    cancel.y = bottom - 5 - cancel.height;
    MakeDialogButton(ok, 0, 0, "Ok", ALLEGRO_KEY_ENTER, "yes", buttonW, -1);
    ok.x = cancel.x - 5 - ok.width;
    ok.y = cancel.y;

    // Three sliders under the title, each followed by its caption line.
    static const char* const kNames[3] = {"Red", "Green", "Blue"};
    SliderClass sliders[3];
    const int sliderH = 24;
    const int sliderStep = sliderH + lh + 14;
    const int firstTop = panel.y + lh + 4 + 14;
    for (int i = 0; i < 3; ++i) {
        SliderClass& slider = sliders[i];
        slider.name = kNames[i];
        slider.x = panel.x + 10;
        slider.y = firstTop + i * sliderStep;
        slider.w = panel.w - 20;
        slider.h = sliderH;
        slider.min = 0;
        slider.max = 255;
        slider.value = &channels[i];
    }
    const int previewTop = firstTop + 3 * sliderStep;
    const int lineY = ok.y - 5;

    int answer = -1;
    while (answer < 0) {
        BeginDialogFrame(panel, "Select Colour");
        const bool okClicked = KW_DoButton(ok);
        const bool cancelClicked = KW_DoButton(cancel);
        for (SliderClass& slider : sliders) SliderClass::Update(slider);

        const ALLEGRO_COLOR chosen = al_map_rgb(static_cast<unsigned char>(channels[0]),
                                                static_cast<unsigned char>(channels[1]),
                                                static_cast<unsigned char>(channels[2]));
        KW_DrawRect(sliders[0].x, previewTop, right - 10, lineY - 10, true, chosen, 255);
        KW_DrawRect(panel.x + 1, lineY, right - 1, lineY, true, KW_Colour(KWC_Background), 255);

        // "Ok" wins when both fire in one frame.
        if (okClicked) answer = 1;
        else if (cancelClicked) answer = 0;
        KW_PresentFrame();
    }
    if (answer == 1)
        colour = al_map_rgb(static_cast<unsigned char>(channels[0]), static_cast<unsigned char>(channels[1]),
                            static_cast<unsigned char>(channels[2]));
    return answer == 1;
}
