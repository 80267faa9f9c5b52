// A scrolling window of text lines with a blinking block caret (the console window).
#pragma once

#include <allegro5/allegro.h>

#include <cstdint>
#include <string>
#include <vector>

class TextWindowClass {
public:
    ALLEGRO_COLOR background;
    ALLEGRO_COLOR textColour;
    ALLEGRO_COLOR caretColour;
    uint8_t alpha = 255;
    int32_t x = 0, y = 0;
    int32_t w = 0, h = 0;
    int32_t scroll = 0;
    bool follow = true;
    std::vector<std::string> lines;
    int32_t lineSpacing = 0;

    TextWindowClass();
    static void Create(TextWindowClass& window, int w, int h);
    static void Print(TextWindowClass& window, const char* text);
    static void Clear(TextWindowClass& window);
    static void Draw(TextWindowClass& window);

    // The follow scroll offset and the range of lines in view.
    static int FollowScroll(int lineCount, int spacing, int height);
    static void VisibleRange(int lineCount, int spacing, int height, int scroll, int& first, int& last);
};
