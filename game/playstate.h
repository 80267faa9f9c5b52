// The game in play: the play state record, the mower's steering, movement and
// collision, mowing, clouds, and the window fit of the 800 x 512 field.
#pragma once

#include "content/map.h"
#include "content/sprite.h"
#include "kwui/timing.h"

#include <allegro5/allegro.h>

#include <cstdint>
#include <string>
#include <vector>

// The band under the field for the status texts and the Audio Panel button.
constexpr int kStatusBandHeight = 64;

// IsAreaPassable modes: cells and bounds, or bounds only (high clouds).
enum { kPassCells = 1, kPassBoundsOnly = 2 };

struct Cloud {
    float x = 0.0f, y = 0.0f;
    float heading = 0.0f;
    int16_t shadowDistance = 32;
    float speed = 1.0f;
    Sprite* sprite = nullptr;
};

struct CellRect {
    int firstColumn = 0, firstRow = 0, lastColumn = 0, lastRow = 0;
};

// Four pixel edges, all inclusive: a sprite's collision box relative to its
// frame's top-left corner, or placed on the field or the screen.
struct PixelBox {
    int left = 0, top = 0, right = 0, bottom = 0;
};

struct PlayState {
    std::string errorText;
    Map map;
    std::vector<std::string> mapPaths;
    std::vector<std::string> musicNames;
    std::vector<Cloud> clouds;
    int16_t levelIndex = 0;
    int16_t skillLevel = 1;
    // The furthest level the save slot has reached: a level chosen from the
    // level select never saves less.
    int16_t progressLevel = 0;
    // Frames played in the current level (the pause and the pictures between
    // levels not counted): its time at 60 a second.
    int levelFrames = 0;

    ALLEGRO_BITMAP* mapWindow = nullptr;
    ALLEGRO_BITMAP* audioStrip = nullptr;
    int windowWidth = 800, windowHeight = 512, windowX = 0;

    float mowerX = 0.0f, mowerY = 0.0f;
    float heading = 0.0f;
    float targetHeading = 0.0f;
    float speed = 0.0f;
    CellRect mowerCells;

    uint8_t cutFlags[kFieldRows][kFieldColumns] = {};
    int16_t cutCount = 0;
    int16_t grassTotal = 0;
    int16_t timeLeft = 0;
    int16_t mowingTimer = 0;
    KW_DateTime secondStopwatch;

    // Where the Audio Panel button stands on the screen, so the level line
    // can keep clear of it (on narrow screens the two would overlap).
    PixelBox audioButton{0, 0, -1, -1};
};

// The game's own state. The rules below take a state of their own, so a
// planner can run them beside a game; the short forms play on this one.
extern PlayState gPlay;

std::string GetGameError();

// ---------------------------------------------------------------------------
// Pure rules.

struct WindowFit {
    int width = 800, height = 512, x = 0;
};
// Scales the 800 x 512 field into the screen above a 64-pixel status band.
WindowFit FitMapWindow(int screenWidth, int screenHeight);

// Seconds for a level: Easy twice, Normal once, Hard three quarters of the
// map's limit. Any other skill plays as Normal.
int16_t SkillTimeLimit(int skillLevel, int mapTimeLimit);

// The arrow keys' target heading; false (heading untouched) when no
// direction applies, so the mower stops and keeps its heading.
bool SteerFromKeys(bool up, bool down, bool left, bool right, float& targetHeading);

// Pixel rectangle to the cells it touches, clamped to the field.
CellRect PixelRectToCells(int left, int top, int right, int bottom);

// The tile type of a cell of the map; tiles outside the tile array count as Land.
int CellType(const Map& map, int column, int row);

// A sprite's collision box, and a box placed with its frame's top-left at
// (x, y), corners truncated.
PixelBox CollisionBoxOf(const Sprite& sprite);
PixelBox BoxAt(const PixelBox& box, double x, double y);

// True when the box lies wholly inside the field and (mode 1) touches no
// Solid or Water cell of the state's map.
bool IsAreaPassable(const PlayState& state, int left, int top, int right, int bottom, int mode);

// One frame of mower movement at its speed towards the target heading,
// sliding along obstacles.
void MoveMower(PlayState& state, const PixelBox& mowerBox);
// The mower cells from the mower's collision box at its position.
void UpdateMowerCells(PlayState& state, const PixelBox& mowerBox);
// Cuts the grass under the mower cells.
void MowCells(PlayState& state);

// One frame of a cloud: drift, bounce at the field's edges, regrow grass.
void UpdateCloud(PlayState& state, Cloud& cloud);
// Scatters the map's clouds, each wholly inside the field where it fits.
void ScatterClouds(PlayState& state, int cloudCount, Sprite* firstCloud, Sprite* secondCloud);

// Clears the cut flags and counts the map's grass.
void CountGrass(PlayState& state);
// Marks every grass cell cut (the test chord).
void CutAllGrass(PlayState& state);
// Percentage of grass cut; 100 for a map without grass.
double CutPercentage(const PlayState& state);

// The same rules on the game's own state and mower sprite.
void MoveMower();
void UpdateMowerCells();
void MowCells();
void UpdateCloud(Cloud& cloud);
void ScatterClouds(int cloudCount, Sprite* firstCloud, Sprite* secondCloud);
void CountGrass();
void CutAllGrass();
double CutPercentage();

// What ends a frame: the clock first, then a level completed one frame earlier.
enum class FrameEnding { None, OutOfTime, LevelComplete };
struct EndingTracker {
    bool levelComplete = false;
    FrameEnding Check(int timeLeft);
    // After the ending was handled (a level may have been loaded), marks the
    // level complete when every grass cell is cut.
    void AfterEnding(FrameEnding ending, int cutCount, int grassTotal);
};

// The level index names an entry of the maps list.
bool IsLevelInMapsList(int levelIndex);
