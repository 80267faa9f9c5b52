// The text field: slots and focus, keys, caret, and one-character-per-frame
// scrolling that keeps the caret in view.
#include "kwui/textfield.h"

#include "kwui/core.h"
#include "kwui/redraw.h"
#include "kwui/draw.h"
#include "kwui/input.h"

#include <algorithm>

// [SECTION] Slots and focus

uint8_t KW_FreeFieldSlot(const uint8_t slots[256])
{
    for (int id = 0; id < 256; ++id)
        if (!slots[id]) return static_cast<uint8_t>(id);
    return 0;
}

uint8_t KW_NextFieldSlot(const uint8_t slots[256], uint8_t from)
{
    for (int step = 1; step < 256; ++step) {
        const uint8_t id = static_cast<uint8_t>((from + step) & 0xFF);
        if (slots[id]) return id;
    }
    return from;
}

void KW_CreateTextField(KW_TextField& field, const std::string& label, int x, int y, int maxLength, int width)
{
    if (field.created) KW_ReleaseTextField(field);
    field.text.clear();
    field.label = label;
    field.caret = 0;
    field.scroll = 0;
    field.x = x;
    field.y = y;
    field.maxLength = static_cast<uint16_t>(std::clamp(maxLength, 1, 65535));
    field.width = width == -1 ? KW_TextWidth("W") * field.maxLength : width;
    if (x + field.width > kwScreenW - 20) field.width = std::max(0, kwScreenW - 20 - x);
    field.height = KW_LineHeight() + 2;
    field.readOnly = false;
    field.slot = KW_FreeFieldSlot(kwFieldSlots);
    kwFieldSlots[field.slot] = 1;
    field.created = true;
}

void KW_ReleaseTextField(KW_TextField& field)
{
    if (!field.created) return;
    kwFieldSlots[field.slot] = 0;
    field.created = false;
}

void KW_FocusTextField(const KW_TextField& field) { kwFocusedField = field.slot; }

bool KW_TextFieldHasFocus(const KW_TextField& field) { return field.created && kwFocusedField == field.slot; }

// [SECTION] UTF-8

static bool IsContinuation(unsigned char byte) { return (byte & 0xC0) == 0x80; }

std::string KW_Utf8Encode(int c)
{
    std::string out;
    if (c < 0 || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return out;
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
    return out;
}

int KW_Utf8Previous(const std::string& text, int at)
{
    at = std::clamp(at, 0, static_cast<int>(text.size()));
    if (at == 0) return 0;
    --at;
    // at most three continuation bytes belong to one character
    for (int back = 0; back < 3 && at > 0 && IsContinuation(static_cast<unsigned char>(text[at])); ++back) --at;
    return at;
}

int KW_Utf8Next(const std::string& text, int at)
{
    const int size = static_cast<int>(text.size());
    at = std::clamp(at, 0, size);
    if (at == size) return size;
    ++at;
    for (int ahead = 0; ahead < 3 && at < size && IsContinuation(static_cast<unsigned char>(text[at])); ++ahead) ++at;
    return at;
}

std::string KW_Utf8Cut(const std::string& text, size_t bytes)
{
    if (text.size() <= bytes) return text;
    int end = static_cast<int>(bytes);
    // a cut inside a character goes back to its start
    if (IsContinuation(static_cast<unsigned char>(text[static_cast<size_t>(end)])))
        end = KW_Utf8Previous(text, end);
    return text.substr(0, static_cast<size_t>(end));
}

// A caret or scroll offset put back onto a character boundary.
static int OnBoundary(const std::string& text, int at)
{
    at = std::clamp(at, 0, static_cast<int>(text.size()));
    if (at < static_cast<int>(text.size()) && IsContinuation(static_cast<unsigned char>(text[static_cast<size_t>(at)])))
        at = KW_Utf8Previous(text, at);
    return at;
}

void KW_SetTextFieldText(KW_TextField& field, const std::string& text)
{
    const size_t room = field.maxLength > 0 ? field.maxLength - 1u : 0u;
    field.text = KW_Utf8Cut(text, room);
    field.caret = static_cast<int>(field.text.size());
    field.scroll = std::min(field.scroll, field.caret);
}

// [SECTION] Keys and scrolling

bool KW_TextFieldKey(KW_TextField& field, int keyCode, int keyChar)
{
    const int length = static_cast<int>(field.text.size());
    field.caret = OnBoundary(field.text, field.caret);
    switch (keyCode) {
    case ALLEGRO_KEY_BACKSPACE:
        if (field.caret > 0) {
            const int start = KW_Utf8Previous(field.text, field.caret);
            field.text.erase(static_cast<size_t>(start), static_cast<size_t>(field.caret - start));
            field.caret = start;
        }
        return true;
    case ALLEGRO_KEY_DELETE:
        if (field.caret < length)
            field.text.erase(static_cast<size_t>(field.caret),
                             static_cast<size_t>(KW_Utf8Next(field.text, field.caret) - field.caret));
        return true;
    case ALLEGRO_KEY_TAB:
        kwFocusedField = KW_NextFieldSlot(kwFieldSlots, field.slot);
        return true;
    case ALLEGRO_KEY_LEFT:
        field.caret = KW_Utf8Previous(field.text, field.caret);
        return true;
    case ALLEGRO_KEY_RIGHT:
        field.caret = KW_Utf8Next(field.text, field.caret);
        return true;
    case ALLEGRO_KEY_ESCAPE:
    case ALLEGRO_KEY_ENTER:
    case ALLEGRO_KEY_PGUP:
    case ALLEGRO_KEY_PGDN:
    case ALLEGRO_KEY_UP:
    case ALLEGRO_KEY_DOWN:
        return false;
    default:
        break;
    }
    if (keyCode >= ALLEGRO_KEY_F1 && keyCode <= ALLEGRO_KEY_F12) return false;
    // Printable characters only, in any language; the limit counts bytes.
    if (keyChar < 32 || keyChar == 127) return false;
    const std::string bytes = KW_Utf8Encode(keyChar);
    if (bytes.empty()) return false;
    if (length + static_cast<int>(bytes.size()) > field.maxLength - 1) return false;
    field.text.insert(static_cast<size_t>(field.caret), bytes);
    field.caret += static_cast<int>(bytes.size());
    return true;
}

void KW_TextFieldScrollStep(KW_TextField& field, int (*measure)(const std::string&))
{
    field.caret = OnBoundary(field.text, field.caret);
    field.scroll = OnBoundary(field.text, field.scroll);
    if (field.caret < field.scroll) {
        field.scroll = KW_Utf8Previous(field.text, field.scroll);
        return;
    }
    // Room is left for the caret itself at the right edge.
    const std::string shown = field.text.substr(field.scroll, field.caret - field.scroll);
    if (measure(shown) > field.width - 4) field.scroll = KW_Utf8Next(field.text, field.scroll);
}

static int MeasureText(const std::string& text) { return KW_TextWidth(text.c_str()); }

// [SECTION] Update

void KW_DoTextField(KW_TextField& field)
{
    const int lh = KW_LineHeight();
    const int x2 = field.x + field.width, y2 = field.y + field.height;

    // draw the box and label
    KW_DrawBevelBox(field.x, field.y, x2, y2, 255, KW_Colour(KWC_WindowDark), KW_Colour(KWC_WindowLight),
                    KW_Colour(KWC_FieldFill));
    if (!field.label.empty())
        KW_DrawFontText(kwFont, field.x, field.y - lh - 2, KW_Colour(KWC_Background), field.label.c_str());

    KW_TextFieldScrollStep(field, MeasureText);

    // the text from the scroll position, clipped to the box
    int clipX, clipY, clipW, clipH;
    al_get_clipping_rectangle(&clipX, &clipY, &clipW, &clipH);
    KW_ClipWithin(field.x + 1, field.y + 1, std::max(0, field.width - 1), std::max(0, field.height - 1));
    const std::string shown = field.text.substr(static_cast<size_t>(field.scroll));
    const ALLEGRO_COLOR ink = KW_Colour(field.readOnly ? KWC_FieldReadOnlyText : KWC_FieldText);
    KW_DrawFontText(kwFont, field.x + 1, field.y + 1, ink, shown.c_str());

    // focus by click
    const int mx = KW_GetMouseX();
    const int my = KW_GetMouseY();
    const bool inside = mx >= field.x && mx <= x2 && my >= field.y && my <= y2;
    if (!KW_TextFieldHasFocus(field) && inside && (kwMouse.buttons & 1)) KW_FocusTextField(field);

    if (KW_TextFieldHasFocus(field) && !field.readOnly) {
        const std::string beforeCaret = field.text.substr(field.scroll, field.caret - field.scroll);
        KW_DrawCaret(field.x + 1 + MeasureText(beforeCaret), field.y + 1, KW_Colour(KWC_FieldText));
        if (kwKeyPending && KW_TextFieldKey(field, kwKeyCode, kwKeyChar) && kwKeyCode == ALLEGRO_KEY_TAB) {
            // Fields later in this frame must not pass the focus on again.
            KW_ClearKey();
        }
    }
    al_set_clipping_rectangle(clipX, clipY, clipW, clipH);
}
