// PlayGame: a game from its first level to its end, and the pieces of its
// frame that other screens and the benchmark share.
#pragma once

#include <allegro5/allegro.h>

#include <cstdint>

struct PixelBox;

// How a game ended: the player left it (or a level could not be loaded, which
// was shown), the last level of the maps list was completed (never in test
// mode), or the game could not start (GetGameError then says why).
enum class GameEnd { Quit, Won, Error };

// savedLevel is the furthest level the slot has reached: the saves of this
// game never name less (a level replayed from the level select).
GameEnd PlayGame(const char* testMapPath, int16_t levelIndex, int16_t skillLevel, bool testMode,
                 int16_t savedLevel = 0);
// Gives back what a game holds (its map, tiles, clouds and bitmaps); nothing
// to do when no game runs. A game ends with it, and so does a program closed
// in the middle of one, before the toolkit goes.
void EndGame();
// Sets up one level; false (with the play state's error text) when its map
// cannot be loaded.
bool LoadLevel(int16_t levelIndex);
// Writes the current slot, making its folder first when it is missing.
bool SaveLevelProgress(int16_t levelIndex, int16_t skillLevel);
// Shows an overlay picture over the last game picture until Space or a click.
void ShowOverlayScreen(ALLEGRO_BITMAP* image);

// Draws the field of the current map into the current target: each cell's
// tile, or the mown-grass tile where it is cut.
void DrawField();
// True when the map window is shown 1:1 (the screen leaves the field unscaled).
bool MapWindowIsUnscaled();
// Clears the screen around the map window and draws field, mower and clouds
// (moving each cloud one frame) into the map window; when it is shown 1:1,
// straight onto the screen at its place instead.
void DrawPlayArea();
// The seconds left and the level line into the status band.
void DrawStatus();
// The map window scaled onto the screen (nothing to do when it is shown 1:1).
void ShowPlayArea();
// Lets go of the kept picture of the field (the level ended or its display went).
void ForgetFieldPicture();
// The y of the level line in the status band: 2, or near the band's bottom
// when the line would run into the Audio Panel button (its screen rectangle).
int LevelLineY(int lineLeft, int lineRight, int stripTop, int stripHeight, int lineHeight, const PixelBox& button);
// The status line of the level: "Level 2: Back Lawn (45.0% complete)".
void FormatLevelLine(char* buffer, int size, int levelNumber, const char* title, double percent);
