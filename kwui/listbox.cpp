// ListBoxClass: rows, word wrap, layout of the scroll bars, selection by mouse,
// keys and wheel, double-click activation, and loading a text file.
#include "kwui/listbox.h"

#include "kwui/console.h"
#include "kwui/core.h"
#include "kwui/redraw.h"
#include "kwui/draw.h"
#include "kwui/input.h"

#include <algorithm>
#include <cstdio>
#include <new>

static const std::string kNoText;

// [SECTION] Word wrap

// The first character boundary at or after 'at' (no further than 'end'): a
// UTF-8 character has at most three continuation bytes after its first.
static size_t CharacterBoundary(const std::string& text, size_t at, size_t end)
{
    for (int ahead = 0; ahead < 3 && at < end && (static_cast<unsigned char>(text[at]) & 0xC0) == 0x80; ++ahead) ++at;
    return at;
}

std::vector<std::string> KW_WrapText(const std::string& text, int limit, const KW_TextMeasure& measure,
                                     const KW_ProgressReport& onProgress)
{
    std::vector<std::string> lines;
    const size_t length = text.size();
    size_t start = 0;
    while (start < length) {
        if (onProgress && lines.size() % 64 == 0) onProgress(static_cast<double>(start) / length);
        size_t lineEnd = text.find('\n', start);
        if (lineEnd == std::string::npos) lineEnd = length;
        // Prefixes of growing length until one reaches the limit, then a
        // binary search between the last that fitted and it (the width only
        // grows as characters are added): a few measurements a row, so a
        // help file of megabytes, or one endless line, opens in moments.
        // Only whole characters are measured, so a cut falls between two.
        size_t fitting = start;  // the characters before this one fit
        size_t probe = start;
        bool wholeLineFits = lineEnd == start;
        for (size_t step = 64; !wholeLineFits; step *= 2) {
            probe = CharacterBoundary(text, std::min(lineEnd, fitting + step), lineEnd);
            if (measure(text.substr(start, probe - start)) >= limit) break;
            if (probe == lineEnd) wholeLineFits = true;
            fitting = probe;
        }
        if (wholeLineFits) {
            lines.push_back(text.substr(start, lineEnd - start));
            start = lineEnd + 1;
            continue;
        }
        size_t low = fitting, high = probe - 1;
        while (low < high) {
            const size_t middle = low + (high - low) / 2;
            if (measure(text.substr(start, CharacterBoundary(text, middle + 1, lineEnd) - start)) < limit)
                low = middle + 1;
            else
                high = middle;
        }
        const size_t pos = low;
        // Break at the last blank after the line start, or right here inside
        // a long word.
        size_t blank = std::string::npos;
        for (size_t b = pos; b > start; --b)
            if (text[b] == ' ') {
                blank = b;
                break;
            }
        if (blank != std::string::npos) {
            lines.push_back(text.substr(start, blank - start));
            start = blank + 1;
        } else {
            // A single character wider than the limit still makes progress.
            const size_t end = pos > start ? pos : CharacterBoundary(text, pos + 1, lineEnd);
            lines.push_back(text.substr(start, end - start));
            start = end;
        }
    }
    return lines;
}

// [SECTION] Rows and layout

void ListBoxClass::Create(int listX, int listY, int listWidth, int rowsVisible)
{
    rows.clear();
    x = listX;
    y = listY;
    width = listWidth;
    visibleRows = std::max(1, rowsVisible);
    selected = 0;
    topRow = 0;
    horizontalOffset = 0;
    activated = -1;
    lastClicked = -1;
    widest = 0;
    verticalBarShown = horizontalBarShown = false;
    keyboard = false;
    highlightSelection = true;
    horizontalScrolling = true;
    lastWheel = al_is_mouse_installed() ? KW_GetMouseZ() : 0;
}

void ListBoxClass::AddRow(const std::string& text, const std::string& tag, const std::string& iconName)
{
    ListBoxRow row;
    row.text = text;
    if (!row.text.empty() && row.text.back() == '\n') row.text.pop_back();
    if (!row.text.empty() && row.text.back() == '\r') row.text.pop_back();
    row.tag = tag;
    row.icon = KW_GetInternalTexture(iconName);
    row.textWidth = KW_TextWidth(row.text.c_str());
    if (!KW_IsDefaultTexture(row.icon)) row.textWidth += KW_LineHeight() + 2;
    widest = std::max(widest, row.textWidth);
    rows.push_back(std::move(row));
    Layout();
}

void ListBoxClass::Clear()
{
    rows.clear();
    selected = 0;
    topRow = 0;
    horizontalOffset = 0;
    widest = 0;
    // A click on the old rows must not pair with one on the new rows.
    lastClicked = -1;
    verticalBarShown = horizontalBarShown = false;
}

void ListBoxClass::SetWrappedText(const std::string& text, const KW_ProgressReport& onProgress)
{
    // A help file of megabytes makes hundreds of thousands of rows: widths
    // come from the kept character table, and the rows are added as AddRow
    // would add them (plain text, default icon) with one layout at the end.
    const KW_TextWidthCache widths(kwFont);
    const int limit = width - KW_LineHeight() - 1;
    std::vector<std::string> lines =
        KW_WrapText(text, limit, [&widths](const std::string& s) { return widths.Width(s); }, onProgress);
    const KW_Texture defaultIcon = KW_GetInternalTexture("");
    rows.reserve(rows.size() + lines.size());
    for (std::string& line : lines) {
        ListBoxRow row;
        row.text = std::move(line);
        if (!row.text.empty() && row.text.back() == '\n') row.text.pop_back();
        if (!row.text.empty() && row.text.back() == '\r') row.text.pop_back();
        row.icon = defaultIcon;
        row.textWidth = widths.Width(row.text);
        widest = std::max(widest, row.textWidth);
        rows.push_back(std::move(row));
    }
    Layout();
}

const std::string& ListBoxClass::SelectedText() const
{
    return selected >= 0 && selected < RowCount() ? rows[selected].text : kNoText;
}

const std::string& ListBoxClass::SelectedTag() const
{
    return selected >= 0 && selected < RowCount() ? rows[selected].tag : kNoText;
}

int ListBoxClass::RowHeight() const { return KW_LineHeight() + 1; }

void ListBoxClass::Layout()
{
    const int lh = KW_LineHeight();
    verticalBarShown = horizontalBarShown = false;
    horizontalOffset = 0;
    topRow = 0;

    if (RowCount() > visibleRows) {
        verticalBarShown = true;
        SliderClass& bar = verticalBar;
        bar = SliderClass{};
        bar.x = x + width - lh;
        bar.y = y;
        bar.w = lh;
        bar.h = ListHeight();
        bar.min = 0;
        bar.max = RowCount() - visibleRows;
        bar.vertical = true;
        // The thumb shows the visible share of the rows.
        bar.thumbLength = bar.h * visibleRows / RowCount();
        bar.value = &topRow;
    }
    if (horizontalScrolling && widest + 3 > width) {
        horizontalBarShown = true;
        SliderClass& bar = horizontalBar;
        bar = SliderClass{};
        bar.x = x;
        bar.y = y + ListHeight() + 1;
        bar.w = width;
        bar.h = lh;
        bar.min = 0;
        bar.max = widest + 3 - width;
        bar.thumbLength = width > 0 ? width * width / (widest + 3) : -1;
        bar.value = &horizontalOffset;
    }
}

// [SECTION] Navigation

static int Clamp(int value, int low, int high) { return std::max(low, std::min(value, high)); }

void ListBoxClass::MoveSelection(int delta)
{
    if (rows.empty()) return;
    selected = Clamp(selected + delta, 0, RowCount() - 1);
    if (selected < topRow) topRow = selected;
    if (selected >= topRow + visibleRows) topRow = selected - visibleRows + 1;
    topRow = Clamp(topRow, 0, std::max(0, RowCount() - visibleRows));
}

void ListBoxClass::PageUp()
{
    selected = std::max(0, selected - visibleRows);
    topRow = std::max(0, topRow - visibleRows);
}

void ListBoxClass::PageDown()
{
    if (rows.empty()) return;
    selected = std::min(RowCount() - 1, selected + visibleRows);
    topRow = std::min(std::max(0, RowCount() - visibleRows), topRow + visibleRows);
}

bool ListBoxClass::HandleKey(int keyCode)
{
    switch (keyCode) {
    case ALLEGRO_KEY_UP: MoveSelection(-1); return true;
    case ALLEGRO_KEY_DOWN: MoveSelection(1); return true;
    case ALLEGRO_KEY_PGUP: PageUp(); return true;
    case ALLEGRO_KEY_PGDN: PageDown(); return true;
    case ALLEGRO_KEY_HOME: MoveSelection(-RowCount()); return true;
    case ALLEGRO_KEY_END: MoveSelection(RowCount()); return true;
    default: return false;
    }
}

void ListBoxClass::ApplyNavigation(bool keyPending, int keyCode, int wheel)
{
    if (!keyboard) return;
    if (keyPending) HandleKey(keyCode);
    // wheel up (a higher position) moves the selection up
    if (wheel != lastWheel) {
        MoveSelection(lastWheel - wheel);
        lastWheel = wheel;
    }
}

int ListBoxClass::RowAt(int mx, int my) const
{
    int right = x + width - 1;
    if (verticalBarShown) right = verticalBar.x - 1;
    if (mx < x + 1 || mx > right || my < y) return -1;
    const int viewRow = (my - y) / RowHeight();
    if (viewRow >= visibleRows) return -1;
    const int row = topRow + viewRow;
    return row < RowCount() ? row : -1;
}

void ListBoxClass::RegisterClick(int row, const KW_DateTime& now)
{
    if (row == lastClicked && !KW_TimeElapsedAt(clickStamp, kwDoubleClickHundredths, now)) {
        activated = row;
        // A third quick click starts a new pair instead of activating again.
        lastClicked = -1;
        return;
    }
    clickStamp = now;
    lastClicked = row;
}

// [SECTION] Update

void ListBoxClass::Update()
{
    const int lh = KW_LineHeight();
    const int rowHeight = RowHeight();
    const int listHeight = ListHeight();

    // draw: frame, background, then the rows clipped to the list
    KW_DrawBevelBox(x, y, x + width, y + listHeight, 255, KW_Colour(KWC_WindowDark), KW_Colour(KWC_WindowLight),
                    KW_Colour(KWC_ListFill));
    int clipX, clipY, clipW, clipH;
    al_get_clipping_rectangle(&clipX, &clipY, &clipW, &clipH);
    const int rowRight = verticalBarShown ? verticalBar.x - 1 : x + width - 1;
    KW_ClipWithin(x + 1, y + 1, std::max(0, rowRight - x), std::max(0, listHeight - 1));
    for (int i = 0; i < visibleRows; ++i) {
        const int index = topRow + i;
        if (index < 0 || index >= RowCount()) break;
        const ListBoxRow& row = rows[index];
        const int rowY = y + rowHeight * i;
        ALLEGRO_COLOR ink = KW_Colour(KWC_ListText);
        if (highlightSelection && index == selected) {
            KW_DrawRect(x + 1, rowY + 1, rowRight, rowY + rowHeight, true, KW_Colour(KWC_MenuHighlightFill), 255);
            ink = KW_Colour(KWC_MenuHighlightText);
        }
        int textX = x + 2 - horizontalOffset;
        if (!KW_IsDefaultTexture(row.icon) && row.icon.hasBitmap) {
            al_draw_tinted_scaled_bitmap(row.icon.bitmap.get(), al_map_rgba(255, 255, 255, 255), 0, 0,
                                         row.icon.width, row.icon.height, textX, rowY + 1, lh, lh, 0);
            textX += lh + 2;
        }
        KW_DrawFontText(kwFont, textX, rowY + 1, ink, row.text.c_str());
    }
    al_set_clipping_rectangle(clipX, clipY, clipW, clipH);

    // mouse: select, wait for the release, then look for a double click
    int mx = KW_GetMouseX();
    int my = KW_GetMouseY();
    const bool held = (kwMouse.buttons & 1) != 0;
    int pressX = 0, pressY = 0;
    const bool pressed = KW_TakeLeftPress(pressX, pressY);
    if (pressed && !held) mx = pressX, my = pressY;  // a quick click already let go: where it was
    const int row = RowAt(mx, my);
    if (row != -1 && (held || pressed)) {
        selected = row;
        KW_WaitMouseRelease();
        KW_DateTime now;
        KW_GetDateTime(now);
        RegisterClick(row, now);
    }

    // keyboard and wheel, when the owner asked for them
    if (keyboard) ApplyNavigation(kwKeyPending, kwKeyCode, KW_GetMouseZ());

    // scroll bars (bound again here: the record may have been copied)
    if (verticalBarShown) {
        verticalBar.value = &topRow;
        SliderClass::Update(verticalBar);
    }
    if (horizontalBarShown) {
        horizontalBar.value = &horizontalOffset;
        SliderClass::Update(horizontalBar);
    }
}

// [SECTION] Text files

// Reading a file is the first tenth of loading it, wrapping the rest.
static constexpr double kReadShare = 0.1;

bool KW_LoadFileToListBox(const std::string& fileName, ListBoxClass& list, const KW_ProgressReport& onProgress)
{
    std::FILE* file = std::fopen(fileName.c_str(), "r");
    if (!file) {
        KW_LogError("KW_LoadFileToListBox: The file \"%s\" could not be opened as \"r\".", fileName.c_str());
        return false;
    }
    std::fseek(file, 0, SEEK_END);
    const long size = std::ftell(file);
    std::fseek(file, 0, SEEK_SET);
    std::string text;
    try {
        text.reserve(size > 0 ? static_cast<size_t>(size) : 0);
    } catch (const std::bad_alloc&) {
        KW_LogError("ListBoxClass::LoadFromTextFile: Unable to allocate %ld bytes for file buffer", size);
        std::fclose(file);
        return false;
    }
    char chunk[16384];
    size_t got, read = 0;
    while ((got = std::fread(chunk, 1, sizeof chunk, file)) > 0) {
        // Text mode: Windows line ends become plain line breaks.
        const char* end = chunk + got;
        for (const char* part = chunk; part < end;) {
            const char* cr = std::find(part, end, '\r');
            text.append(part, cr);
            part = cr == end ? end : cr + 1;
        }
        read += got;
        if (onProgress && size > 0) onProgress(kReadShare * std::min(1.0, static_cast<double>(read) / size));
    }
    std::fclose(file);
    if (onProgress)
        list.SetWrappedText(text, [&onProgress](double done) { onProgress(kReadShare + (1.0 - kReadShare) * done); });
    else
        list.SetWrappedText(text);
    return true;
}

bool ListBoxClass::LoadFromTextFile(const std::string& fileName, const KW_ProgressReport& onProgress)
{
    return KW_LoadFileToListBox(fileName, *this, onProgress);
}
