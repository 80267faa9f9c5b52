// Sprite: frames, animation, drawing with shadow, and the sprite file format.
#include "content/sprite.h"

Sprite::Sprite() { KW_GetDateTime(frameStamp); }
Sprite::~Sprite() {}
void Sprite::Clear() {}
bool Sprite::Load(const char*) { return false; }
bool Sprite::Save(const char*) { return false; }
bool Sprite::AddFrame(ALLEGRO_BITMAP*, const char*) { return false; }
bool Sprite::SetFrameImage(int16_t, ALLEGRO_BITMAP*) { return false; }
bool Sprite::DeleteFrame(int16_t) { return false; }
void Sprite::SetFrameTime(int16_t, int16_t) {}
int16_t Sprite::GetFrameTime(int16_t) const { return -1; }
int Sprite::GetFrameWidth(int16_t) const { return 0; }
int Sprite::GetFrameHeight(int16_t) const { return 0; }
int16_t Sprite::GetFrameCount() const { return static_cast<int16_t>(frames.size()); }
void Sprite::GetSize(int& width, int& height) const { width = height = 0; }
void Sprite::Animate() {}
void Sprite::Draw(int, int, int16_t, uint8_t, int16_t, uint8_t) {}
void Sprite::BuildShadows() {}
void Sprite::UpdateBounds() {}
void Sprite::Swap(Sprite&) {}
void Sprite::FramesChanged() {}
SpriteBounds ComputeSpriteBounds(int, int) { return SpriteBounds{0, 0, 0, 0, 0, 0}; }
