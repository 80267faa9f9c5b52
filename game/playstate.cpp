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

bool IsAreaPassable(int left, int top, int right, int bottom, int mode)
{
    if (left < 0 || top < 0 || left >= kFieldWidth || top >= kFieldHeight) return false;
    if (right < 0 || right >= kFieldWidth || bottom < 0 || bottom >= kFieldHeight) return false;
    if (mode == kPassBoundsOnly) return true;

    const CellRect cells = PixelRectToCells(left, top, right, bottom);
    for (int row = cells.firstRow; row <= cells.lastRow; ++row)
        for (int column = cells.firstColumn; column <= cells.lastColumn; ++column) {
            const int type = CellType(gPlay.map, column, row);
            if (type == kTileSolid || type == kTileWater) return false;
        }
    return true;
}

void SpriteBoxAt(const Sprite& sprite, double x, double y, int& left, int& top, int& right, int& bottom)
{
    left = static_cast<int>(x + sprite.left);
    top = static_cast<int>(y + sprite.top);
    right = static_cast<int>(x + sprite.right);
    bottom = static_cast<int>(y + sprite.bottom);
}

static bool MowerFitsAt(double x, double y)
{
    int left, top, right, bottom;
    SpriteBoxAt(gResources.mowerSprite, x, y, left, top, right, bottom);
    return IsAreaPassable(left, top, right, bottom, kPassCells);
}

// ---------------------------------------------------------------------------
// [SECTION] Mower

void MoveMower()
{
    if (!(gPlay.speed > 0.0f)) return;
    for (int step = 0; step < gPlay.speed; ++step) {
        double newX = gPlay.mowerX, newY = gPlay.mowerY;
        KW_MoveByAngle(newX, newY, gPlay.targetHeading, 1.0);
        if (MowerFitsAt(newX, newY)) {
            gPlay.mowerX = static_cast<float>(newX);
            gPlay.mowerY = static_cast<float>(newY);
        } else if (MowerFitsAt(newX, gPlay.mowerY)) {
            gPlay.mowerX = static_cast<float>(newX);
        } else if (MowerFitsAt(gPlay.mowerX, newY)) {
            gPlay.mowerY = static_cast<float>(newY);
        } else {
            break;
        }
    }
}

void UpdateMowerCells()
{
    int left, top, right, bottom;
    SpriteBoxAt(gResources.mowerSprite, gPlay.mowerX, gPlay.mowerY, left, top, right, bottom);
    gPlay.mowerCells = PixelRectToCells(left, top, right, bottom);
}

void MowCells()
{
    const CellRect& cells = gPlay.mowerCells;
    for (int row = cells.firstRow; row <= cells.lastRow; ++row)
        for (int column = cells.firstColumn; column <= cells.lastColumn; ++column) {
            if (gPlay.cutFlags[row][column] != 0) continue;
            if (CellType(gPlay.map, column, row) != kTileGrass) continue;
            gPlay.cutFlags[row][column] = 1;
            ++gPlay.cutCount;
            gPlay.mowingTimer = 20;
        }
}

// ---------------------------------------------------------------------------
// [SECTION] Grass

void CountGrass()
{
    gPlay.cutCount = 0;
    gPlay.grassTotal = 0;
    for (int row = 0; row < kFieldRows; ++row)
        for (int column = 0; column < kFieldColumns; ++column) {
            gPlay.cutFlags[row][column] = 0;
            if (CellType(gPlay.map, column, row) == kTileGrass) ++gPlay.grassTotal;
        }
}

void CutAllGrass()
{
    gPlay.cutCount = 0;
    for (int row = 0; row < kFieldRows; ++row)
        for (int column = 0; column < kFieldColumns; ++column)
            if (CellType(gPlay.map, column, row) == kTileGrass) {
                gPlay.cutFlags[row][column] = 1;
                ++gPlay.cutCount;
            }
}

double CutPercentage()
{
    if (gPlay.grassTotal <= 0) return 100.0;
    return static_cast<double>(gPlay.cutCount) / gPlay.grassTotal * 100.0;
}

// ---------------------------------------------------------------------------
// [SECTION] Clouds

void ScatterClouds(int cloudCount, Sprite* firstCloud, Sprite* secondCloud)
{
    gPlay.clouds.clear();
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
        gPlay.clouds.push_back(cloud);
    }
}

static void RegrowUnderCloud(const Cloud& cloud)
{
    int left, top, right, bottom;
    SpriteBoxAt(*cloud.sprite, cloud.x, cloud.y, left, top, right, bottom);
    const CellRect cells = PixelRectToCells(left, top, right, bottom);
    for (int row = cells.firstRow; row <= cells.lastRow; ++row)
        for (int column = cells.firstColumn; column <= cells.lastColumn; ++column) {
            // One draw for every cell, cut or not.
            if (std::rand() % 5 != 0) continue;
            if (gPlay.cutFlags[row][column] != 1) continue;
            gPlay.cutFlags[row][column] = 0;
            --gPlay.cutCount;
            AudioClass::GetInstance().PlaySound(gResources.respawnSound, "GRASS_RESPAWN", kCellSize * column - 400,
                                                kCellSize * row - 256, false);
        }
}

void UpdateCloud(Cloud& cloud)
{
    if (!cloud.sprite) return;
    const float oldX = cloud.x, oldY = cloud.y;
    double x = cloud.x, y = cloud.y;
    KW_MoveByAngle(x, y, cloud.heading, cloud.speed);
    cloud.x = static_cast<float>(x);
    cloud.y = static_cast<float>(y);

    int left, top, right, bottom;
    SpriteBoxAt(*cloud.sprite, cloud.x, cloud.y, left, top, right, bottom);
    const int mode = cloud.shadowDistance > 16 ? kPassBoundsOnly : kPassCells;
    if (!IsAreaPassable(left, top, right, bottom, mode)) {
        // Back to where it was: a bouncing cloud stands still for that frame.
        cloud.x = oldX;
        cloud.y = oldY;
        cloud.heading = static_cast<float>(std::rand() % 256);
    }

    if (std::rand() % 120 == 0) RegrowUnderCloud(cloud);
}

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
