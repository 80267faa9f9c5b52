// The sprite editor's undo steps: what a change took away (whole frames, or
// only display times) and how to put it back.
#pragma once

#include "content/sprite.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// A frame's picture as plain bytes (ABGR 8888 little endian, rows packed),
// kept off the video card while it waits in the history.
struct FramePicture {
    int width = 0, height = 0;
    std::vector<uint8_t> pixels;
};

struct FrameCopy {
    FramePicture picture;
    int16_t displayTime = 0;
    std::string name;
};

// One step: frames [first, first + replaceCount) give way to 'frames' (or,
// with timesOnly, the frames from 'first' on take the display times 'times'),
// and the description comes back. A legacy import also puts the file name back.
struct SpriteUndoStep {
    int16_t first = 0;
    int16_t replaceCount = 0;
    std::vector<FrameCopy> frames;
    bool timesOnly = false;
    std::vector<int16_t> times;
    std::string description;
    bool restoresFileName = false;
    std::string fileName;
};

FramePicture CaptureFramePicture(ALLEGRO_BITMAP* image);
// A bitmap made with the current new-bitmap settings; null for an empty picture.
ALLEGRO_BITMAP* MakeFrameBitmap(const FramePicture& picture);

// Taken before a change: the step that puts frames [first, first + count)
// back in place of the countAfter frames the change leaves there.
// Adding frame n: (n, 0, 1); deleting frame i: (i, 1, 0); a new picture for
// frame i: (i, 1, 1); a description alone: (0, 0, 0).
SpriteUndoStep CaptureSpriteFrames(const Sprite& sprite, int first, int count, int countAfter);
// Taken before a change of display times only: no pictures are copied.
SpriteUndoStep CaptureSpriteTimes(const Sprite& sprite, int first, int count);

// Applies a step and returns the one that reverses it. 'shown' becomes the
// frame the change is seen on; it is left alone when the step touched no
// single frame (a description, every frame's time).
SpriteUndoStep ApplySpriteUndoStep(Sprite& sprite, std::string& fileName, const SpriteUndoStep& step, int16_t& shown);

// The picture bytes a step holds (what it costs in the history).
size_t SpriteUndoStepBytes(const SpriteUndoStep& step);
