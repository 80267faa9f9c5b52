// GameResources and game.ini: the overlay pictures, sprites, game sounds and
// music names loaded at start-up, and the level list read at each game start.
#include "game/resources.h"

#include "audio/audio.h"
#include "content/datapath.h"
#include "game/playstate.h"
#include "kwui/kwui.h"

#include <cstdio>
#include <cstdlib>

GameResources gResources;

// A loaded configuration, released when it goes out of scope.
namespace {
struct ConfigFile {
    ALLEGRO_CONFIG* config;
    explicit ConfigFile(const std::string& path) : config(al_load_config_file(path.c_str())) {}
    ~ConfigFile()
    {
        if (config) al_destroy_config(config);
    }
    ConfigFile(const ConfigFile&) = delete;
    ConfigFile& operator=(const ConfigFile&) = delete;
    std::string Get(const char* section, const char* key) const
    {
        const char* value = config ? al_get_config_value(config, section, key) : nullptr;
        return value ? value : "";
    }
};
}  // namespace

ALLEGRO_BITMAP* LoadOverlayImage(const char* relativePath)
{
    const std::string path = ResolveDataPath(std::string(relativePath));
    ALLEGRO_BITMAP* image = al_load_bitmap(path.c_str());
    if (!image) {
        gResources.errorText = "Unable to load bitmap from " + path;
        return nullptr;
    }
    al_convert_mask_to_alpha(image, al_map_rgb(255, 0, 255));
    return image;
}

static void DestroyImage(ALLEGRO_BITMAP*& image)
{
    if (image) al_destroy_bitmap(image);
    image = nullptr;
}

static void LoadGameSprite(Sprite& sprite, const char* relativePath)
{
    const std::string path = ResolveDataPath(std::string(relativePath));
    if (sprite.Load(path.c_str())) return;
    gResources.errorText = sprite.lastError;
    // "Not a valid sprite file" alone would not say which of the three.
    if (sprite.lastError.find(path) == std::string::npos)
        KW_Message("%s: %s", path.c_str(), sprite.lastError.c_str());
    else
        KW_Message("%s", sprite.lastError.c_str());
}

bool LoadGameResources()
{
    if (gResources.loaded) FreeGameResources();

    {
        const ConfigFile gameIni(ResolveDataPath(std::string("game.ini")));
        gResources.menuMusic = gameIni.Get("music", "MenuMusic");
        gResources.creditsMusic = gameIni.Get("music", "CreditsMusic");
    }

    ALLEGRO_BITMAP** images[3] = {&gResources.levelCompleteImage, &gResources.outOfTimeImage,
                                  &gResources.pausedImage};
    const char* imageNames[3] = {"inter_LevelComplete.tga", "inter_OutOfTime.tga", "inter_Paused.tga"};
    for (int i = 0; i < 3; ++i) {
        *images[i] = LoadOverlayImage(imageNames[i]);
        if (!*images[i]) {
            for (int j = 0; j < i; ++j) DestroyImage(*images[j]);
            return false;
        }
    }

    LoadGameSprite(gResources.mowerSprite, "sprites/mower.spr");
    LoadGameSprite(gResources.cloudSprite1, "sprites/cloud01.spr");
    LoadGameSprite(gResources.cloudSprite2, "sprites/cloud02.spr");

    const AudioClass& audio = AudioClass::GetInstance();
    gResources.skidSound = audio.FindSound("game\\skid");
    gResources.respawnSound = audio.FindSound("game\\respawn");
    gResources.idleEngineSound = audio.FindSound("game\\engine_idle");
    gResources.movingEngineSound = audio.FindSound("game\\engine_moving");
    gResources.mowingEngineSound = audio.FindSound("game\\engine_mowing");

    gResources.loaded = true;
    return true;
}

void FreeGameResources()
{
    if (!gResources.loaded) return;
    DestroyImage(gResources.levelCompleteImage);
    DestroyImage(gResources.outOfTimeImage);
    DestroyImage(gResources.pausedImage);
    gResources.mowerSprite.Clear();
    gResources.cloudSprite1.Clear();
    gResources.cloudSprite2.Clear();
    gResources.loaded = false;
}

std::string MusicFilePath(const std::string& relativePath)
{
    if (relativePath.empty()) return GetDataPath(relativePath);
    return ResolveDataPath(relativePath);
}

// Read as atoi would and taken as a signed 16-bit value (65536 is 0), but a
// number too long for an int cannot make the read undefined.
int16_t ParseMapsCount(const char* text)
{
    const long long value = std::strtoll(text ? text : "", nullptr, 10);
    return static_cast<int16_t>(static_cast<uint16_t>(static_cast<unsigned long long>(value) & 0xFFFFu));
}

bool LoadMapsList()
{
    const std::string gameIniPath = ResolveDataPath(std::string("game.ini"));
    const ConfigFile gameIni(gameIniPath);
    const char* countText = gameIni.config ? al_get_config_value(gameIni.config, "info", "MapsCount") : nullptr;
    const int16_t count = countText ? ParseMapsCount(countText) : 0;
    if (countText && std::strtoll(countText, nullptr, 10) != count)
        KW_Message("MapsCount in %s is %.40s, which is taken as %d", gameIniPath.c_str(), countText, count);
    if (count <= 0) {
        gPlay.errorText = "No entries in maps list";
        return false;
    }
    for (int i = 0; i < count; ++i) {
        char section[32];
        std::snprintf(section, sizeof section, "map%d", i);
        // Kept whole: a name cut to fit a buffer could name another map.
        gPlay.mapPaths.push_back("maps/" + gameIni.Get(section, "map"));
        gPlay.musicNames.push_back(gameIni.Get(section, "music"));
    }
    return true;
}
