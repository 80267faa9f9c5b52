// Sprite: an animated picture made of frames, drawn rotated, scaled and faded
// about its centre with a black drop shadow, and the sprite file format.
#pragma once

#include "kwui/timing.h"

#include <allegro5/allegro.h>

#include <cstdint>
#include <string>
#include <vector>

struct SpriteFrame {
    ALLEGRO_BITMAP* image = nullptr;  // owned; transparent pixels have alpha 0
    ALLEGRO_BITMAP* shadow = nullptr; // owned while hasShadow
    bool hasShadow = false;
    int16_t displayTime = 50; // hundredths of a second; -1 or 0: every step
    std::string name;
};

class Sprite {
public:
    static constexpr int16_t kFirstFrameTime = 50;

    std::string lastError;
    std::string description = "(none)";
    std::vector<SpriteFrame> frames;
    // Collision square relative to the sprite's top-left, from frame 0.
    int32_t left = 0, top = 0, right = 0, bottom = 0;
    int32_t centreX = 0, centreY = 0;
    int16_t currentFrame = 0;
    KW_DateTime frameStamp;

    Sprite();
    ~Sprite();
    Sprite(const Sprite&) = delete;
    Sprite& operator=(const Sprite&) = delete;

    // Removes every frame (the description is kept).
    void Clear();
    // On any failure lastError is set and the sprite keeps its earlier frames.
    bool Load(const char* path);
    // Pixels of alpha 0 are stored as magenta so they load back transparent.
    bool Save(const char* path);

    // Appends a frame holding a copy of source.
    bool AddFrame(ALLEGRO_BITMAP* source, const char* name);
    // Gives frame index a copy of source; false for an invalid index.
    bool SetFrameImage(int16_t index, ALLEGRO_BITMAP* source);
    // Removes frame index; false for an invalid index.
    bool DeleteFrame(int16_t index);
    void SetFrameTime(int16_t index, int16_t time);
    int16_t GetFrameTime(int16_t index) const;  // -1 for an invalid index
    int GetFrameWidth(int16_t index) const;     // 0 for an invalid index
    int GetFrameHeight(int16_t index) const;    // 0 for an invalid index
    int16_t GetFrameCount() const;
    std::string GetDescription() const { return description; }
    // Frame 0's size; 0, 0 without frames.
    void GetSize(int& width, int& height) const;

    void Animate();
    // (x, y) is the top-left of frame 0's box; every frame is drawn centred
    // on the centre of that box. angle: 256 steps a turn, clockwise.
    void Draw(int x, int y, int16_t shadowDistance, uint8_t angle, int16_t scale, uint8_t alpha);
    void BuildShadows();
    void UpdateBounds();

    void Swap(Sprite& other);

private:
    // After any change of the frame list: shadows, bounds, frame 0, stamp.
    void FramesChanged();
};

// The collision square and centre of a w x h frame 0, as UpdateBounds sets them.
struct SpriteBounds {
    int32_t left, top, right, bottom, centreX, centreY;
};
SpriteBounds ComputeSpriteBounds(int width, int height);
