// ListBoxClass: a scrolling list of text rows with selection, double-click
// activation, optional keyboard and wheel navigation and automatic scroll
// bars. It also shows word-wrapped text (message boxes, help, console).
#pragma once

#include "kwui/slider.h"
#include "kwui/textures.h"
#include "kwui/timing.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

// Told how much of a long job is done, 0 to 1 (a progress bar's step).
using KW_ProgressReport = std::function<void(double)>;

struct ListBoxRow {
    std::string text;
    std::string tag;  // any data the owner attaches; "" when none
    KW_Texture icon;  // the default texture when none
    int textWidth = 0;
};

class ListBoxClass {
public:
    std::vector<ListBoxRow> rows;  // in the order added; never sorted
    int selected = 0;
    int x = 0, y = 0, width = 0;
    int visibleRows = 1;  // a row is line height + 1 pixels high
    int32_t horizontalOffset = 0;
    int32_t topRow = 0;
    SliderClass verticalBar, horizontalBar;
    bool verticalBarShown = false, horizontalBarShown = false;
    bool horizontalScrolling = true;
    bool highlightSelection = true;
    bool keyboard = false;  // arrow, page, Home and End keys and wheel move the selection
    int activated = -1;     // row activated by a double click; the owner resets it
    int lastClicked = -1;
    KW_DateTime clickStamp;
    int lastWheel = 0;
    int widest = 0;  // widest row text in pixels, kept as rows are added

    void Create(int x, int y, int width, int visibleRows);
    // A text ending in a line break loses it; "" icon name: the default texture.
    void AddRow(const std::string& text, const std::string& tag = "", const std::string& iconName = "");
    void Clear();
    // Word-wraps the text to the list's width less a line height and 1 and
    // adds the lines as rows; onProgress hears the share wrapped (0 to 1).
    void SetWrappedText(const std::string& text, const KW_ProgressReport& onProgress = {});
    // Handles input and draws, once per frame.
    void Update();
    bool LoadFromTextFile(const std::string& fileName, const KW_ProgressReport& onProgress = {});

    int RowCount() const { return static_cast<int>(rows.size()); }
    const std::string& SelectedText() const;
    const std::string& SelectedTag() const;

    // [SECTION] Logic without drawing (used by Update and the tests)
    void Layout();
    int RowHeight() const;
    // Moves the selection by delta rows (arrow keys, wheel) and scrolls it into view.
    void MoveSelection(int delta);
    void PageUp();
    void PageDown();
    // Applies a navigation key code (arrows, Page Up/Down, Home, End); true
    // when it was one.
    bool HandleKey(int keyCode);
    // One frame of keys and wheel; nothing happens while the keyboard is off.
    void ApplyNavigation(bool keyPending, int keyCode, int wheel);
    // The row under (mx, my), or -1.
    int RowAt(int mx, int my) const;
    // A click on a row at the given time: activates it on a quick second click.
    void RegisterClick(int row, const KW_DateTime& now);
    // Widest row (pixels) as measured when the rows were added.
    int WidestRow() const { return widest; }
    // Height of the row area in pixels.
    int ListHeight() const { return RowHeight() * visibleRows; }
};

bool KW_LoadFileToListBox(const std::string& fileName, ListBoxClass& list, const KW_ProgressReport& onProgress = {});

// Word wrap: cuts text into lines narrower than limit pixels, breaking at the
// last blank (or, inside a word that has none, between two UTF-8 characters);
// line breaks end lines.
// onProgress, when given, hears the share of the text wrapped now and then.
using KW_TextMeasure = std::function<int(const std::string&)>;
std::vector<std::string> KW_WrapText(const std::string& text, int limit, const KW_TextMeasure& measure,
                                     const KW_ProgressReport& onProgress = {});
// Two clicks on the same row this close (hundredths) make a double click.
constexpr int kwDoubleClickHundredths = 25;
