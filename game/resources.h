// The game's shared resources (overlay pictures, mower and cloud sprites,
// game sounds, menu and credits music) and the level list of game.ini.
#pragma once

#include "content/sprite.h"

#include <allegro5/allegro.h>

#include <string>

struct GameResources {
    bool loaded = false;
    std::string errorText;

    ALLEGRO_BITMAP* levelCompleteImage = nullptr;
    ALLEGRO_BITMAP* outOfTimeImage = nullptr;
    ALLEGRO_BITMAP* pausedImage = nullptr;

    Sprite mowerSprite;
    Sprite cloudSprite1;
    Sprite cloudSprite2;

    std::string menuMusic;
    std::string creditsMusic;

    int skidSound = -1;
    int respawnSound = -1;
    int idleEngineSound = -1;
    int movingEngineSound = -1;
    int mowingEngineSound = -1;
};

extern GameResources gResources;

bool LoadGameResources();
void FreeGameResources();
// Loads a picture from the content folders with magenta made transparent;
// on failure sets the resources' error text and returns null.
ALLEGRO_BITMAP* LoadOverlayImage(const char* relativePath);
// The file to stream for a music name (with its folder): from the mod folder
// when the mod has it, else from base/, so a mod without its own music keeps
// the game's tunes.
std::string MusicFilePath(const std::string& relativePath);
// Fills the play state's maps list from game.ini; on failure sets the play
// state's error text.
bool LoadMapsList();
// The level count of game.ini's "MapsCount" as the signed 16-bit value it is
// taken as (so 65536 reads as 0).
int16_t ParseMapsCount(const char* text);
