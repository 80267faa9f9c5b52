// FrameBoxClass: a captioned rectangle that groups widgets.
#pragma once

#include <cstdint>
#include <string>

class FrameBoxClass {
public:
    int32_t x = 0, y = 0;
    int32_t w = 630;
    int32_t h = 0;
    int32_t innerX1 = 0, innerY1 = 0;
    int32_t innerX2 = 0, innerY2 = 0;
    std::string caption;
    int32_t captionWidth = 0;

    static void Create(FrameBoxClass& frame, const std::string& caption, int x, int y, int h);
    static void Draw(FrameBoxClass& frame);
};
