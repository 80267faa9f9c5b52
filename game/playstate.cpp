// The rules of play that need no screen: window fit, skill times, steering,
// collision, mowing, clouds and the order of a frame's endings.
#include "game/playstate.h"

#include "audio/audio.h"
#include "game/resources.h"
#include "kwui/geometry.h"

#include <algorithm>
#include <cstdlib>

PlayState gPlay;

std::string GetGameError() { return gPlay.errorText; }

// ---------------------------------------------------------------------------
// [SECTION] Window fit and level clock

WindowFit FitMapWindow(int screenWidth, int screenHeight)
{
    const double across = screenWidth / 800.0;
    const double down = (screenHeight - kStatusBandHeight) / 512.0;
    // Kept as a 32-bit float, so 1.28 lands just below and 1024 x 768 gives 1023.
    const float scale = static_cast<float>(across < down ? across : down);
    WindowFit fit;
    fit.width = static_cast<int>(800.0 * scale);
    fit.height = static_cast<int>(512.0 * scale);
    fit.x = (screenWidth - fit.width) / 2;
    return fit;
}

int16_t SkillTimeLimit(int skillLevel, int mapTimeLimit)
{
    long seconds;
    switch (skillLevel) {
    case 0: seconds = 2L * mapTimeLimit; break;
    case 2: seconds = static_cast<long>(0.75 * mapTimeLimit); break;
    default: seconds = mapTimeLimit; break;
    }
    // A long limit on Easy must not wrap round into a negative clock.
    return static_cast<int16_t>(std::min(seconds, 32767L));
}

// ---------------------------------------------------------------------------
// [SECTION] Steering

bool SteerFromKeys(bool up, bool down, bool left, bool right, float& targetHeading)
{
    // Tried top to bottom: Up wins over Down, Left over Right.
    if (up && left) targetHeading = 224;
    else if (up && right) targetHeading = 32;
    else if (up) targetHeading = 0;
    else if (down && left) targetHeading = 160;
    else if (down && right) targetHeading = 96;
    else if (down) targetHeading = 128;
    else if (left) targetHeading = 192;
    else if (right) targetHeading = 64;
    else return false;
    return true;
}

// ---------------------------------------------------------------------------
// [SECTION] Cells and collision

CellRect PixelRectToCells(int left, int top, int right, int bottom)
{
    CellRect cells;
    cells.firstColumn = std::clamp(left / kCellSize, 0, kFieldColumns - 1);
    cells.firstRow = std::clamp(top / kCellSize, 0, kFieldRows - 1);
    cells.lastColumn = std::clamp(right / kCellSize, 0, kFieldColumns - 1);
    cells.lastRow = std::clamp(bottom / kCellSize, 0, kFieldRows - 1);
    return cells;
}

int CellType(const Map& map, int column, int row) { return map.GetCellType(column, row); }

PixelBox CollisionBoxOf(const Sprite& sprite) { return {sprite.left, sprite.top, sprite.right, sprite.bottom}; }

PixelBox BoxAt(const PixelBox& box, double x, double y)
{
    return {static_cast<int>(x + box.left), static_cast<int>(y + box.top), static_cast<int>(x + box.right),
            static_cast<int>(y + box.bottom)};
}

bool IsAreaPassable(const PlayState& state, int left, int top, int right, int bottom, int mode)
{
    if (left < 0 || top < 0 || left >= kFieldWidth || top >= kFieldHeight) return false;
    if (right < 0 || right >= kFieldWidth || bottom < 0 || bottom >= kFieldHeight) return false;
    if (mode == kPassBoundsOnly) return true;

    const CellRect cells = PixelRectToCells(left, top, right, bottom);
    for (int row = cells.firstRow; row <= cells.lastRow; ++row)
        for (int column = cells.firstColumn; column <= cells.lastColumn; ++column) {
            const int type = CellType(state.map, column, row);
            if (type == TileSolid || type == TileWater) return false;
        }
    return true;
}

static bool MowerFitsAt(const PlayState& state, const PixelBox& mowerBox, double x, double y)
{
    const PixelBox box = BoxAt(mowerBox, x, y);
    return IsAreaPassable(state, box.left, box.top, box.right, box.bottom, kPassCells);
}

// ---------------------------------------------------------------------------
// [SECTION] Mower

void MoveMower(PlayState& state, const PixelBox& mowerBox)
{
    if (!(state.speed > 0.0f)) return;
    for (int step = 0; step < state.speed; ++step) {
        double newX = state.mowerX, newY = state.mowerY;
        KW_MoveByAngle(newX, newY, state.targetHeading, 1.0);
        if (MowerFitsAt(state, mowerBox, newX, newY)) {
            state.mowerX = static_cast<float>(newX);
            state.mowerY = static_cast<float>(newY);
        } else if (MowerFitsAt(state, mowerBox, newX, state.mowerY)) {
            state.mowerX = static_cast<float>(newX);
        } else if (MowerFitsAt(state, mowerBox, state.mowerX, newY)) {
            state.mowerY = static_cast<float>(newY);
        } else {
            break;
        }
    }
}

void UpdateMowerCells(PlayState& state, const PixelBox& mowerBox)
{
    const PixelBox box = BoxAt(mowerBox, state.mowerX, state.mowerY);
    state.mowerCells = PixelRectToCells(box.left, box.top, box.right, box.bottom);
}

void MowCells(PlayState& state)
{
    const CellRect& cells = state.mowerCells;
    for (int row = cells.firstRow; row <= cells.lastRow; ++row)
        for (int column = cells.firstColumn; column <= cells.lastColumn; ++column) {
            if (state.cutFlags[row][column] != 0) continue;
            if (CellType(state.map, column, row) != TileGrass) continue;
            state.cutFlags[row][column] = 1;
            ++state.cutCount;
            state.mowingTimer = 20;
        }
}

// ---------------------------------------------------------------------------
// [SECTION] Grass

void CountGrass(PlayState& state)
{
    state.cutCount = 0;
    state.grassTotal = 0;
    for (int row = 0; row < kFieldRows; ++row)
        for (int column = 0; column < kFieldColumns; ++column) {
            state.cutFlags[row][column] = 0;
            if (CellType(state.map, column, row) == TileGrass) ++state.grassTotal;
        }
}

void CutAllGrass(PlayState& state)
{
    state.cutCount = 0;
    for (int row = 0; row < kFieldRows; ++row)
        for (int column = 0; column < kFieldColumns; ++column)
            if (CellType(state.map, column, row) == TileGrass) {
                state.cutFlags[row][column] = 1;
                ++state.cutCount;
            }
}

double CutPercentage(const PlayState& state)
{
    if (state.grassTotal <= 0) return 100.0;
    return static_cast<double>(state.cutCount) / state.grassTotal * 100.0;
}

// ---------------------------------------------------------------------------
// [SECTION] Clouds

void ScatterClouds(PlayState& state, int cloudCount, Sprite* firstCloud, Sprite* secondCloud)
{
    state.clouds.clear();
    for (int i = 0; i < cloudCount; ++i) {
        Cloud cloud;
        cloud.sprite = (std::rand() % 2 == 0) ? secondCloud : firstCloud;
        (void)std::rand();  // drawn and not used, so the sequence stays as it always was
        int width = 0, height = 0;
        if (cloud.sprite) cloud.sprite->GetSize(width, height);
        // A cloud as big as the field still gets a place.
        cloud.y = static_cast<float>(std::rand() % std::max(1, kFieldHeight - height));
        cloud.x = static_cast<float>(std::rand() % std::max(1, kFieldWidth - width));
        cloud.heading = 0.0f;
        cloud.speed = 1.0f;
        cloud.shadowDistance = 32;
        state.clouds.push_back(cloud);
    }
}

static void RegrowUnderCloud(PlayState& state, const Cloud& cloud)
{
    const PixelBox box = BoxAt(CollisionBoxOf(*cloud.sprite), cloud.x, cloud.y);
    const CellRect cells = PixelRectToCells(box.left, box.top, box.right, box.bottom);
    for (int row = cells.firstRow; row <= cells.lastRow; ++row)
        for (int column = cells.firstColumn; column <= cells.lastColumn; ++column) {
            // One draw for every cell, cut or not.
            if (std::rand() % 5 != 0) continue;
            if (state.cutFlags[row][column] != 1) continue;
            state.cutFlags[row][column] = 0;
            --state.cutCount;
            AudioClass::GetInstance().PlaySound(gResources.respawnSound, "GRASS_RESPAWN", kCellSize * column - 400,
                                                kCellSize * row - 256, false);
        }
}

void UpdateCloud(PlayState& state, Cloud& cloud)
{
    if (!cloud.sprite) return;
    const float oldX = cloud.x, oldY = cloud.y;
    double x = cloud.x, y = cloud.y;
    KW_MoveByAngle(x, y, cloud.heading, cloud.speed);
    cloud.x = static_cast<float>(x);
    cloud.y = static_cast<float>(y);

    const PixelBox box = BoxAt(CollisionBoxOf(*cloud.sprite), cloud.x, cloud.y);
    const int mode = cloud.shadowDistance > 16 ? kPassBoundsOnly : kPassCells;
    if (!IsAreaPassable(state, box.left, box.top, box.right, box.bottom, mode)) {
        // Back to where it was: a bouncing cloud stands still for that frame.
        cloud.x = oldX;
        cloud.y = oldY;
        cloud.heading = static_cast<float>(std::rand() % 256);
    }

    if (std::rand() % 120 == 0) RegrowUnderCloud(state, cloud);
}

// ---------------------------------------------------------------------------
// [SECTION] The game's own state

void MoveMower() { MoveMower(gPlay, CollisionBoxOf(gResources.mowerSprite)); }
void UpdateMowerCells() { UpdateMowerCells(gPlay, CollisionBoxOf(gResources.mowerSprite)); }
void MowCells() { MowCells(gPlay); }
void UpdateCloud(Cloud& cloud) { UpdateCloud(gPlay, cloud); }
void ScatterClouds(int cloudCount, Sprite* firstCloud, Sprite* secondCloud)
{
    ScatterClouds(gPlay, cloudCount, firstCloud, secondCloud);
}
void CountGrass() { CountGrass(gPlay); }
void CutAllGrass() { CutAllGrass(gPlay); }
double CutPercentage() { return CutPercentage(gPlay); }

// ---------------------------------------------------------------------------
// [SECTION] Endings

FrameEnding EndingTracker::Check(int timeLeft)
{
    if (timeLeft < 1) return FrameEnding::OutOfTime;
    if (levelComplete) {
        levelComplete = false;
        return FrameEnding::LevelComplete;
    }
    return FrameEnding::None;
}

void EndingTracker::AfterEnding(FrameEnding ending, int cutCount, int grassTotal)
{
    // A completion noticed in the frame the clock ran out belongs to the lost
    // run: the restarted level must be mowed again.
    if (ending == FrameEnding::OutOfTime) {
        levelComplete = false;
        return;
    }
    if (cutCount == grassTotal) levelComplete = true;
}
