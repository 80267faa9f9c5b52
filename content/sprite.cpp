// Sprite: frames with their shadows, animation, drawing, and the sprite file
// format.
#include "content/sprite.h"

#include "content/binarystream.h"

#include <utility>

static const char* const kSpriteMagic = "Sodbolt Sprite";
static const int16_t kSpriteVersion = 1;
static const float kPi = 3.14159265358979f;

// A copy of source made with the current new-bitmap settings; every pixel,
// alpha included, is taken over as it is.
static ALLEGRO_BITMAP* CopyFrameImage(ALLEGRO_BITMAP* source)
{
    if (!source) return nullptr;
    ALLEGRO_BITMAP* copy = al_create_bitmap(al_get_bitmap_width(source), al_get_bitmap_height(source));
    if (!copy) return nullptr;
    ALLEGRO_STATE state;
    al_store_state(&state, ALLEGRO_STATE_TARGET_BITMAP | ALLEGRO_STATE_BLENDER);
    al_set_target_bitmap(copy);
    al_set_blender(ALLEGRO_ADD, ALLEGRO_ONE, ALLEGRO_ZERO);
    al_draw_bitmap(source, 0, 0, 0);
    al_restore_state(&state);
    return copy;
}

static void DestroyFrame(SpriteFrame& frame)
{
    if (frame.image) al_destroy_bitmap(frame.image);
    if (frame.shadow) al_destroy_bitmap(frame.shadow);
    frame.image = nullptr;
    frame.shadow = nullptr;
    frame.hasShadow = false;
}

SpriteBounds ComputeSpriteBounds(int width, int height)
{
    const int side = width < height ? width : height;
    SpriteBounds bounds;
    bounds.left = width / 2 - side / 2;
    bounds.top = height / 2 - side / 2;
    bounds.right = width / 2 + side / 2;
    bounds.bottom = height / 2 + side / 2;
    bounds.centreX = width / 2;
    bounds.centreY = height / 2;
    return bounds;
}

Sprite::Sprite() { KW_GetDateTime(frameStamp); }

Sprite::~Sprite()
{
    for (SpriteFrame& frame : frames) DestroyFrame(frame);
}

void Sprite::Clear()
{
    for (SpriteFrame& frame : frames) DestroyFrame(frame);
    frames.clear();
    currentFrame = 0;
    KW_GetDateTime(frameStamp);
}

void Sprite::FramesChanged()
{
    BuildShadows();
    UpdateBounds();
    currentFrame = 0;
    KW_GetDateTime(frameStamp);
}

// ---------------------------------------------------------------------------
// [SECTION] File format
//
//   string  magic "Sodbolt Sprite"
//   int16   version (1; above 1 refused)
//   string  description
//   uint16  frame count (read as int16; 0 or less: no frames)
//   count x { string name, uint16 displayTime (int16), stored bitmap image }
// Magenta (255, 0, 255) in a stored image marks a transparent pixel.

bool Sprite::Load(const char* path)
{
    BinaryStream in;
    int16_t version = 0;
    if (!in.OpenContentFile(path, kSpriteMagic, kSpriteVersion, version, "Not a valid sprite file",
                            "File format too advanced")) {
        lastError = in.lastError;
        return false;
    }

    // Read into a fresh sprite; keep it only when the whole file was sound.
    Sprite fresh;
    fresh.description = in.ReadStdString();
    const int16_t count = in.ReadInt16();
    for (int i = 0; i < count && !in.Damaged(); ++i) {
        SpriteFrame frame;
        frame.name = in.ReadStdString();
        frame.displayTime = in.ReadInt16();
        frame.image = in.ReadAllegroBitmap();
        if (!frame.image) {
            if (!in.Damaged()) {
                lastError = "Unable to allocate frame image";
                return false;
            }
            break;
        }
        al_convert_mask_to_alpha(frame.image, al_map_rgb(255, 0, 255));
        fresh.frames.push_back(std::move(frame));
    }
    if (in.Damaged()) {
        lastError = in.DamagedText();
        return false;
    }
    in.Close();
    fresh.FramesChanged();
    Swap(fresh);
    return true;
}

bool Sprite::Save(const char* path)
{
    if (frames.empty()) {
        lastError = "Cannot save sprite because no frames exist";
        return false;
    }
    BinaryStream out;
    if (!out.OpenForWriting(path)) {
        lastError = out.lastError;
        return false;
    }
    out.WriteStdString(kSpriteMagic);
    out.WriteInt16(kSpriteVersion);
    out.WriteStdString(description);
    out.WriteUInt16(static_cast<uint16_t>(frames.size()));
    for (const SpriteFrame& frame : frames) {
        out.WriteStdString(frame.name);
        out.WriteInt16(frame.displayTime);
        // Transparent pixels go out as magenta, so that they load back
        // transparent instead of opaque black.
        out.WriteAllegroBitmap(frame.image, true);
    }
    if (!out.Finish()) {
        lastError = out.lastError;
        return false;
    }
    return true;
}

// ---------------------------------------------------------------------------
// [SECTION] Frame list

bool Sprite::AddFrame(ALLEGRO_BITMAP* source, const char* name)
{
    if (frames.size() >= static_cast<size_t>(INT16_MAX)) {
        lastError = "Unable to allocate frame image";
        return false;
    }
    SpriteFrame frame;
    frame.image = CopyFrameImage(source);
    if (!frame.image) {
        lastError = "Unable to allocate frame image";
        return false;
    }
    frame.displayTime = frames.empty() ? kFirstFrameTime : frames.back().displayTime;
    frame.name = name ? name : "";
    frames.push_back(std::move(frame));
    FramesChanged();
    return true;
}

bool Sprite::SetFrameImage(int16_t index, ALLEGRO_BITMAP* source)
{
    if (index < 0 || index >= GetFrameCount()) return false;
    ALLEGRO_BITMAP* copy = CopyFrameImage(source);
    if (!copy) {
        // The frame keeps its old picture.
        lastError = "Unable to allocate frame image";
        return false;
    }
    SpriteFrame& frame = frames[index];
    if (frame.image) al_destroy_bitmap(frame.image);
    frame.image = copy;
    FramesChanged();
    return true;
}

bool Sprite::DeleteFrame(int16_t index)
{
    if (index < 0 || index >= GetFrameCount()) return false;
    DestroyFrame(frames[index]);
    frames.erase(frames.begin() + index);
    FramesChanged();
    return true;
}

void Sprite::SetFrameTime(int16_t index, int16_t time)
{
    if (index >= 0 && index < GetFrameCount()) frames[index].displayTime = time;
}

int16_t Sprite::GetFrameTime(int16_t index) const
{
    if (index < 0 || index >= GetFrameCount()) return -1;
    return frames[index].displayTime;
}

int Sprite::GetFrameWidth(int16_t index) const
{
    if (index < 0 || index >= GetFrameCount() || !frames[index].image) return 0;
    return al_get_bitmap_width(frames[index].image);
}

int Sprite::GetFrameHeight(int16_t index) const
{
    if (index < 0 || index >= GetFrameCount() || !frames[index].image) return 0;
    return al_get_bitmap_height(frames[index].image);
}

int16_t Sprite::GetFrameCount() const { return static_cast<int16_t>(frames.size()); }

void Sprite::GetSize(int& width, int& height) const
{
    width = GetFrameWidth(0);
    height = GetFrameHeight(0);
}

// ---------------------------------------------------------------------------
// [SECTION] Shadows, bounds, animation, drawing

void Sprite::BuildShadows()
{
    for (SpriteFrame& frame : frames) {
        if (frame.shadow) al_destroy_bitmap(frame.shadow);
        frame.shadow = nullptr;
        frame.hasShadow = false;
        if (!frame.image) continue;
        const int width = al_get_bitmap_width(frame.image);
        const int height = al_get_bitmap_height(frame.image);
        ALLEGRO_BITMAP* shadow = al_create_bitmap(width, height);
        if (!shadow) continue;
        ALLEGRO_LOCKED_REGION* target =
            al_lock_bitmap(shadow, ALLEGRO_PIXEL_FORMAT_ABGR_8888_LE, ALLEGRO_LOCK_WRITEONLY);
        ALLEGRO_LOCKED_REGION* source =
            target ? al_lock_bitmap(frame.image, ALLEGRO_PIXEL_FORMAT_ABGR_8888_LE, ALLEGRO_LOCK_READONLY) : nullptr;
        if (!target || !source) {
            if (target) al_unlock_bitmap(shadow);
            al_destroy_bitmap(shadow);
            continue;
        }
        // Opaque black wherever the image shows; transparent pixels copied.
        for (int y = 0; y < height; ++y) {
            const unsigned char* in = static_cast<const unsigned char*>(source->data) + y * source->pitch;
            unsigned char* out = static_cast<unsigned char*>(target->data) + y * target->pitch;
            for (int x = 0; x < width; ++x, in += 4, out += 4) {
                if (in[3] != 0) {
                    out[0] = out[1] = out[2] = 0;
                    out[3] = 255;
                } else {
                    out[0] = in[0];
                    out[1] = in[1];
                    out[2] = in[2];
                    out[3] = in[3];
                }
            }
        }
        al_unlock_bitmap(frame.image);
        al_unlock_bitmap(shadow);
        frame.shadow = shadow;
        frame.hasShadow = true;
    }
}

void Sprite::UpdateBounds()
{
    int width = 0, height = 0;
    GetSize(width, height);
    const SpriteBounds bounds = ComputeSpriteBounds(width, height);
    left = bounds.left;
    top = bounds.top;
    right = bounds.right;
    bottom = bounds.bottom;
    centreX = bounds.centreX;
    centreY = bounds.centreY;
}

void Sprite::Animate()
{
    if (frames.empty()) return;
    if (currentFrame < 0 || currentFrame >= GetFrameCount()) currentFrame = 0;
    if (KW_TimeElapsed(frameStamp, frames[currentFrame].displayTime)) ++currentFrame;
    if (currentFrame >= GetFrameCount()) currentFrame = 0;
}

void Sprite::Draw(int x, int y, int16_t shadowDistance, uint8_t angle, int16_t scale, uint8_t alpha)
{
    if (frames.empty()) return;
    Animate();
    const SpriteFrame& frame = frames[currentFrame];
    if (!frame.image) return;
    const int width = al_get_bitmap_width(frame.image);
    const int height = al_get_bitmap_height(frame.image);
    const float radians = static_cast<float>(angle) * kPi / 128.0f;
    const float factor = static_cast<float>(scale);
    const float pivotX = static_cast<float>(width / 2);
    const float pivotY = static_cast<float>(height / 2);
    // Bitmaps hold premultiplied alpha, so a fade scales every channel.
    auto fade = [](int level) {
        const float f = static_cast<float>(level) / 255.0f;
        return al_map_rgba_f(f, f, f, f);
    };

    if (shadowDistance > 0 && frame.hasShadow && frame.shadow) {
        const float offset = static_cast<float>(shadowDistance) * factor;
        al_draw_tinted_scaled_rotated_bitmap(frame.shadow, fade(alpha / 2), pivotX, pivotY,
                                             static_cast<float>(x + centreX) + offset,
                                             static_cast<float>(y + centreY) + offset, factor, factor, radians, 0);
    }
    al_draw_tinted_scaled_rotated_bitmap(frame.image, fade(alpha), pivotX, pivotY, static_cast<float>(x + centreX),
                                         static_cast<float>(y + centreY), factor, factor, radians, 0);
}

void Sprite::Swap(Sprite& other)
{
    std::swap(description, other.description);
    std::swap(frames, other.frames);
    std::swap(left, other.left);
    std::swap(top, other.top);
    std::swap(right, other.right);
    std::swap(bottom, other.bottom);
    std::swap(centreX, other.centreX);
    std::swap(centreY, other.centreY);
    std::swap(currentFrame, other.currentFrame);
    std::swap(frameStamp, other.frameStamp);
}
