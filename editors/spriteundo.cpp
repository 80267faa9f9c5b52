// The sprite editor's undo steps: copies of the frames a command changes,
// and putting them back into the sprite.
#include "editors/spriteundo.h"

#include "editors/spriteops.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr size_t kBytesPerPixel = 4;

int16_t ClampIndex(int value, int limit) { return static_cast<int16_t>(std::clamp(value, 0, std::max(limit, 0))); }

// The step's own fields that every kind shares.
SpriteUndoStep StepFor(const Sprite& sprite, int first)
{
    SpriteUndoStep step;
    step.first = ClampIndex(first, sprite.GetFrameCount());
    step.description = sprite.description;
    return step;
}

// What FramesChanged does inside the sprite after its frame list changed.
void FramesChanged(Sprite& sprite)
{
    sprite.BuildShadows();
    sprite.UpdateBounds();
    sprite.currentFrame = 0;
    KW_GetDateTime(sprite.frameStamp);
}

}  // namespace

FramePicture CaptureFramePicture(ALLEGRO_BITMAP* image)
{
    FramePicture picture;
    if (!image) return picture;
    ALLEGRO_LOCKED_REGION* region = al_lock_bitmap(image, ALLEGRO_PIXEL_FORMAT_ABGR_8888_LE, ALLEGRO_LOCK_READONLY);
    if (!region) return picture;
    picture.width = al_get_bitmap_width(image);
    picture.height = al_get_bitmap_height(image);
    const size_t row = static_cast<size_t>(picture.width) * kBytesPerPixel;
    picture.pixels.resize(row * static_cast<size_t>(picture.height));
    for (int y = 0; y < picture.height; ++y)
        std::memcpy(picture.pixels.data() + row * static_cast<size_t>(y),
                    static_cast<const uint8_t*>(region->data) + y * region->pitch, row);
    al_unlock_bitmap(image);
    return picture;
}

ALLEGRO_BITMAP* MakeFrameBitmap(const FramePicture& picture)
{
    if (picture.width <= 0 || picture.height <= 0) return nullptr;
    const size_t row = static_cast<size_t>(picture.width) * kBytesPerPixel;
    if (picture.pixels.size() < row * static_cast<size_t>(picture.height)) return nullptr;
    ALLEGRO_BITMAP* image = al_create_bitmap(picture.width, picture.height);
    if (!image) return nullptr;
    ALLEGRO_LOCKED_REGION* region = al_lock_bitmap(image, ALLEGRO_PIXEL_FORMAT_ABGR_8888_LE, ALLEGRO_LOCK_WRITEONLY);
    if (!region) {
        al_destroy_bitmap(image);
        return nullptr;
    }
    for (int y = 0; y < picture.height; ++y)
        std::memcpy(static_cast<uint8_t*>(region->data) + y * region->pitch,
                    picture.pixels.data() + row * static_cast<size_t>(y), row);
    al_unlock_bitmap(image);
    return image;
}

SpriteUndoStep CaptureSpriteFrames(const Sprite& sprite, int first, int count, int countAfter)
{
    SpriteUndoStep step = StepFor(sprite, first);
    const int last = std::min<int>(step.first + std::max(count, 0), sprite.GetFrameCount());
    for (int i = step.first; i < last; ++i) {
        const SpriteFrame& frame = sprite.frames[static_cast<size_t>(i)];
        step.frames.push_back({CaptureFramePicture(frame.image), frame.displayTime, frame.name});
    }
    step.replaceCount = static_cast<int16_t>(std::max(countAfter, 0));
    return step;
}

SpriteUndoStep CaptureSpriteTimes(const Sprite& sprite, int first, int count)
{
    SpriteUndoStep step = StepFor(sprite, first);
    step.timesOnly = true;
    const int last = std::min<int>(step.first + std::max(count, 0), sprite.GetFrameCount());
    for (int i = step.first; i < last; ++i) step.times.push_back(sprite.frames[static_cast<size_t>(i)].displayTime);
    return step;
}

SpriteUndoStep ApplySpriteUndoStep(Sprite& sprite, std::string& fileName, const SpriteUndoStep& step, int16_t& shown)
{
    const int count = sprite.GetFrameCount();
    const int16_t first = ClampIndex(step.first, count);
    SpriteUndoStep reverse;
    if (step.timesOnly) {
        reverse = CaptureSpriteTimes(sprite, first, static_cast<int>(step.times.size()));
        for (size_t i = 0; i < step.times.size() && first + static_cast<int>(i) < count; ++i)
            sprite.frames[first + i].displayTime = step.times[i];
        if (step.times.size() == 1) shown = first;
    } else {
        const int removed = std::min<int>(std::max<int>(step.replaceCount, 0), count - first);
        reverse = CaptureSpriteFrames(sprite, first, removed, static_cast<int>(step.frames.size()));
        const auto from = sprite.frames.begin() + first;
        for (auto it = from; it != from + removed; ++it) {
            if (it->image) al_destroy_bitmap(it->image);
            if (it->shadow) al_destroy_bitmap(it->shadow);
        }
        sprite.frames.erase(from, from + removed);
        std::vector<SpriteFrame> inserted;
        for (const FrameCopy& copy : step.frames) {
            SpriteFrame frame;
            frame.image = MakeFrameBitmap(copy.picture);
            frame.displayTime = copy.displayTime;
            frame.name = copy.name;
            inserted.push_back(std::move(frame));
        }
        sprite.frames.insert(sprite.frames.begin() + first, inserted.begin(), inserted.end());
        if (removed > 0 || !inserted.empty()) {
            FramesChanged(sprite);
            // The frame put back, or the one that took the removed one's place.
            shown = inserted.empty() ? FrameIndexAfterDelete(first, sprite.GetFrameCount()) : first;
        }
    }
    sprite.description = step.description;
    if (step.restoresFileName) {
        reverse.restoresFileName = true;
        reverse.fileName = fileName;
        fileName = step.fileName;
    }
    return reverse;
}

size_t SpriteUndoStepBytes(const SpriteUndoStep& step)
{
    size_t bytes = 0;
    for (const FrameCopy& copy : step.frames) bytes += copy.picture.pixels.size();
    return bytes;
}
