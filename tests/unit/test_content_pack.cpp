// The shipped content pack under base/ and kwuidata/textures/: every file the program asks for loads with its
// own loaders, the levels are consistent, the sounds and tunes are usable. Runs from the repository root.
#include "content/datapath.h"
#include "content/map.h"
#include "content/sheets.h"
#include "content/sprite.h"
#include "content/tileset.h"
#include "content_testing.h"
#include "game/playstate.h"
#include "game/resources.h"
#include "test_audio_support.h"

#include <array>
#include <atomic>
#include <cmath>
#include <map>
#include <set>

namespace {

namespace fs = std::filesystem;

bool IsMagenta(ALLEGRO_BITMAP* bmp, int x, int y)
{
    const Rgba p = PixelOf(bmp, x, y);
    return p.r == 255 && p.g == 0 && p.b == 255;
}

double MeanLuminance(ALLEGRO_BITMAP* bmp)
{
    double sum = 0;
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x) {
            unsigned char r, g, b;
            al_unmap_rgb(al_get_pixel(bmp, x, y), &r, &g, &b);
            sum += 0.3 * r + 0.59 * g + 0.11 * b;
        }
    return sum / 1024;
}

// The sound names the program looks up by name.
const char* const kLookedUpSounds[] = {"interface\\voltest", "interface\\MenuSelect", "interface\\MenuMove",
                                       "interface\\MenuCancel", "game\\skid", "game\\respawn",
                                       "game\\engine_idle", "game\\engine_moving", "game\\engine_mowing",
                                       "world\\birds", "world\\crickets", "world\\wind", "world\\battle",
                                       "world\\teleport"};

// The icon names the toolkit and the screens ask for.
const char* const kIconNames[] = {
    "yes", "no", "cancel", "seperator", "CheckBox_Checked", "CheckBox_Unchecked", "CheckBox_MouseOver", "speaker",
    "new", "load", "save", "saveas", "exit", "tileed", "pstart", "brush", "colour", "cdesc", "author", "clock",
    "rand", "run", "back", "bin", "pframe", "nframe", "import", "export", "view", "clocks", "z_in", "z_out",
    "zentor", "go", "forward", "copy", "paste", "flip", "mirror", "rotate", "tiletype", "play", "ptrack", "ntrack",
    "pause", "stop", "reset", "pageup", "pagedown", "edit", "NewGame", "options", "utils", "question", "credits",
    "vset", "maped", "sprite"};

}  // namespace

TEST(ContentPack, TheTileSetHasGrassOfSeveralKindsAndMownGrassThatStandsOutAsLand)
{
    Tileset set;
    ASSERT_TRUE(set.Load("base/tiles/sodbolt.til")) << set.lastError;
    EXPECT_EQ(set.tiles[1023].type, TileLand) << "the mown-grass picture is driven over, never mowed";

    std::map<int, int> typeCounts;
    double mown = MeanLuminance(set.tiles[1023].image);
    for (int i = 0; i < Tileset::kTileCount; ++i) {
        const Tile& tile = set.tiles[i];
        ASSERT_NE(tile.image, nullptr) << "tile " << i;
        EXPECT_EQ(std::pair(al_get_bitmap_width(tile.image), al_get_bitmap_height(tile.image)), std::pair(32, 32));
        if (tile.description == "(none)") {
            EXPECT_EQ(tile.type, TileLand) << "unused tile " << i;
            EXPECT_EQ(PixelOf(tile.image, 16, 16), (Rgba{0, 0, 0, 255})) << "unused tile " << i << " is black";
            continue;
        }
        EXPECT_TRUE(!tile.description.empty() && tile.description.size() <= 32u) << "tile " << i;
        ++typeCounts[tile.type];
        if (tile.type == TileGrass) {
            EXPECT_GT(mown - MeanLuminance(tile.image), 30.0) << "cut grass must read as cut next to grass tile " << i;
        }
    }
    EXPECT_TRUE(typeCounts[TileGrass] >= 4 && typeCounts[TileLand] >= 6 && typeCounts[TileSolid] >= 10 &&
                typeCounts[TileWater] >= 5);
}

// Every level can be won from its start: test_game_levels.
TEST(ContentPack, GameIniListsAtLeastTwelveLevelsWithTitlesAndRisingClouds)
{
    ASSERT_TRUE(LoadMapsList());
    ASSERT_GE(gPlay.mapPaths.size(), 12u);
    std::set<std::string> titles;
    int previousClouds = 0;
    for (const std::string& path : gPlay.mapPaths) {
        SCOPED_TRACE(path);
        Map map;
        ASSERT_TRUE(map.Load(ResolveDataPath(path).c_str())) << map.lastError;
        EXPECT_TRUE(!map.title.empty() && map.title.size() <= 32 && !map.author.empty());
        EXPECT_TRUE(titles.insert(map.title).second) << "titles are unique";
        EXPECT_GE(map.timeLimit, 60);
        EXPECT_TRUE(map.cloudCount >= previousClouds && map.cloudCount <= 6) << "clouds never get fewer";
        previousClouds = map.cloudCount;
        int grass = 0;
        for (int r = 0; r < Map::kRows; ++r)
            for (int c = 0; c < Map::kColumns; ++c) {
                EXPECT_NE(map.tileSet.tiles[map.GetCell(c, r)].description, "(none)") << "cell " << c << "," << r;
                if (map.GetCellType(c, r) == TileGrass) ++grass;
            }
        EXPECT_GE(grass, 100) << "every level has a real lawn to mow";
    }
}

TEST(ContentPack, TheMowerFacesUpAndAnimatesAndTheCloudsAreSoftAndOfTwoSizes)
{
    Sprite mower;
    ASSERT_TRUE(mower.Load("base/sprites/mower.spr")) << mower.lastError;
    ASSERT_GE(mower.GetFrameCount(), 2);
    EXPECT_EQ(std::pair(mower.GetFrameWidth(0), mower.GetFrameHeight(0)), std::pair(32, 32));
    EXPECT_EQ(PixelOf(mower.frames[0].image, 0, 0).a, 0) << "the corner around the mower is transparent";
    EXPECT_EQ(PixelOf(mower.frames[0].image, 16, 2).a, 255) << "heading 0 drives the deck first";

    int sizes[2][2];
    const char* files[2] = {"base/sprites/cloud01.spr", "base/sprites/cloud02.spr"};
    for (int i = 0; i < 2; ++i) {
        Sprite cloud;
        ASSERT_TRUE(cloud.Load(files[i])) << cloud.lastError;
        cloud.GetSize(sizes[i][0], sizes[i][1]);
        EXPECT_TRUE(sizes[i][0] >= 96 && sizes[i][0] <= 160 && sizes[i][1] >= 64 && sizes[i][1] <= 160);
        const Rgba middle = PixelOf(cloud.frames[0].image, sizes[i][0] / 2, sizes[i][1] / 2);
        EXPECT_TRUE(middle.a == 255 && middle.r > 180) << "clouds are white";
    }
    EXPECT_NE(sizes[0][0], sizes[1][0]) << "the two clouds differ in size";
}

class ContentPackAudio : public audiotest::AudioDevice {};

TEST_F(ContentPackAudio, EverySoundIsAnAudible22kHzMonoWavAndTheEngineLoopsWithoutASeam)
{
    audio.LoadSoundsFrom("base/sound");
    for (const char* name : kLookedUpSounds) EXPECT_NE(audio.FindSound(name), -1) << name;
    for (const char* name : {"game\\skid", "world\\birds"})
        EXPECT_EQ(audio.sounds[std::max(audio.FindSound(name), 0)].samples.size(), 2u) << "two variants of " << name;
    size_t files = 0, samples = 0;
    for (const auto& entry : fs::recursive_directory_iterator("base/sound")) files += entry.is_regular_file();
    for (const SoundEntry& sound : audio.sounds)
        for (ALLEGRO_SAMPLE* sample : sound.samples) {
            ++samples;
            ASSERT_EQ((std::array<int, 3>{static_cast<int>(al_get_sample_frequency(sample)), al_get_sample_channels(sample),
                                          al_get_sample_depth(sample)}),
                      (std::array<int, 3>{22050, ALLEGRO_CHANNEL_CONF_1, ALLEGRO_AUDIO_DEPTH_INT16})) << sound.name;
            const int16_t* values = static_cast<const int16_t*>(al_get_sample_data(sample));
            const size_t length = al_get_sample_length(sample);
            ASSERT_GT(length, 1u) << sound.name;
            int peak = 0;
            double steps = 0;
            for (size_t i = 0; i < length; ++i) peak = std::max(peak, std::abs(static_cast<int>(values[i])));
            for (size_t i = 1; i < length; ++i) steps += std::abs(values[i] - values[i - 1]);
            EXPECT_TRUE(peak > 8000 && peak < 32767) << sound.name << " is audible and does not clip";
            // An engine sound loops: the jump from its end to its start is no bigger than a usual step.
            if (sound.name.rfind("game\\engine_", 0) == 0) {
                EXPECT_LT(std::abs(values[length - 1] - values[0]), 4 * steps / (length - 1) + peak / 50) << sound.name;
            }
        }
    EXPECT_EQ(samples, files) << "every file under base/sound is a WAV the bank loads";
}

TEST_F(ContentPackAudio, EveryTunePlaysAudiblyFromItsStartForHalfAMinute)
{
    ASSERT_TRUE(LoadMapsList());
    ALLEGRO_CONFIG* ini = al_load_config_file("base/game.ini");
    ASSERT_NE(ini, nullptr);
    std::set<std::string> tunes;
    for (const char* key : {"MenuMusic", "CreditsMusic"}) {
        const char* tune = al_get_config_value(ini, "music", key);
        tunes.insert(std::string("base/") + (tune ? tune : ""));
    }
    al_destroy_config(ini);
    for (const std::string& name : gPlay.musicNames) tunes.insert("base/music/" + name);
    ASSERT_GE(tunes.size(), 6u) << "menu, credits and at least four level tunes";

    ALLEGRO_MIXER* mixer = al_get_default_mixer();
    ASSERT_NE(mixer, nullptr);
    const bool canMeasure = al_get_mixer_depth(mixer) == ALLEGRO_AUDIO_DEPTH_FLOAT32 &&
                            al_get_mixer_channels(mixer) == ALLEGRO_CHANNEL_CONF_2;
    static std::atomic<double> energy{0};
    static std::atomic<long> count{0};
    audio.musicVolume = 255;
    for (const std::string& tune : tunes) {
        SCOPED_TRACE(tune);
        ASSERT_TRUE(audio.PlayMusic(tune.c_str())) << audio.lastError;
        EXPECT_GE(al_get_audio_stream_length_secs(audio.musicStream), 30.0) << "a tune lasts half a minute before it loops";
        if (!canMeasure) continue;
        energy = 0;
        count = 0;
        al_set_mixer_postprocess_callback(mixer, [](void* buffer, unsigned int frames, void*) {
            const float* data = static_cast<const float*>(buffer);
            double sum = 0;
            for (unsigned int i = 0; i < frames * 2; ++i) sum += static_cast<double>(data[i]) * data[i];
            energy = energy + sum;
            count = count + frames * 2;
        }, nullptr);
        al_rest(0.8);
        al_set_mixer_postprocess_callback(mixer, nullptr, nullptr);
        ASSERT_GT(count.load(), 4000) << "the mixer ran";
        EXPECT_GT(std::sqrt(energy.load() / count.load()), 0.02) << "the tune is heard from its start";
    }
}

TEST(ContentPack, PicturesAreTopRowFirstRunLengthTargasOfOverlaysOnMagentaFullScenesAndNamedIcons)
{
    const std::set<std::string> overlays = {"base/inter_LevelComplete.tga", "base/inter_OutOfTime.tga",
                                            "base/inter_Paused.tga"};
    const std::set<std::string> scenes = {"base/menuback.tga", "base/CreditsBack.tga"};
    std::set<std::string> files = overlays;
    files.insert(scenes.begin(), scenes.end());
    for (const auto& entry : fs::directory_iterator("kwuidata/textures")) files.insert(entry.path().string());
    for (const char* name : kIconNames)
        EXPECT_TRUE(files.count("kwuidata/textures/" + std::string(name) + ".tga")) << "the file name is exactly " << name;
    for (const std::string& file : files) {
        SCOPED_TRACE(file);
        std::vector<uint8_t> b = ReadFileBytes(file);
        ASSERT_GT(b.size(), 18u);
        EXPECT_EQ((std::array<int, 3>{b[2], b[16], b[17]}), (std::array{10, 24, 0x20})) << "24-bit RLE, top row first";
        const int w = b[12] | (b[13] << 8), h = b[14] | (b[15] << 8);
        std::unique_ptr<ALLEGRO_BITMAP, void (*)(ALLEGRO_BITMAP*)> picture(LoadPictureAsMemory(file), al_destroy_bitmap);
        ALLEGRO_BITMAP* bmp = picture.get();
        ASSERT_TRUE(bmp);
        EXPECT_EQ(std::pair(al_get_bitmap_width(bmp), al_get_bitmap_height(bmp)), std::pair(w, h));
        EXPECT_EQ(PixelOf(bmp, 0, 0), (Rgba{b[21], b[20], b[19], 255}));

        int magenta = 0;
        if (overlays.count(file)) {
            EXPECT_TRUE(w <= 800 && h <= 512);
            EXPECT_TRUE(IsMagenta(bmp, 0, 0) && IsMagenta(bmp, w - 1, h - 1) && !IsMagenta(bmp, w / 2, h / 2));
        } else if (scenes.count(file)) {
            EXPECT_TRUE(w >= 800 && h >= 600 && !IsMagenta(bmp, 0, 0) && !IsMagenta(bmp, 799, 599)) << "a full scene";
        } else {
            ASSERT_EQ(std::pair(w, h), std::pair(32, 32));
            EXPECT_TRUE(IsMagenta(bmp, 0, 0));
            for (int y = 0; y < 32; ++y)
                for (int x = 0; x < 32; ++x) magenta += IsMagenta(bmp, x, y);
            EXPECT_LT(magenta, 1024 - 80) << "the icon shows something";
        }
    }
}

TEST(ContentPack, HelpExplainsEveryTopicAndTheSaveFolderExists)
{
    std::ifstream help("base/help.txt");
    std::string text((std::istreambuf_iterator<char>(help)), std::istreambuf_iterator<char>());
    for (const char* topic : {"Arrow keys", "F5", "Escape", "Clouds", "Map Editor", "Tile Editor", "Sprite Editor",
                              "Ctrl+Z", "check map", "-base"})
        EXPECT_NE(text.find(topic), std::string::npos) << "help.txt explains " << topic;
    EXPECT_TRUE(fs::is_directory("base/savegames"));
}
