// game.ini's level list and the overlay pictures, read from a mod folder made by the test.
#include "content/datapath.h"
#include "content/savegame.h"
#include "game/resources.h"
#include "kwui/console.h"
#include "kwui/core.h"
#include "game/playgame.h"
#include "game/playstate.h"

#include "content_testing.h"

#include <allegro5/allegro_image.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;

class GameIni : public ::testing::Test {
protected:
    fs::path mods;
    void SetUp() override
    {
        mods = fs::temp_directory_path() / "sodbolt_gameini_test";
        fs::remove_all(mods);
        fs::create_directories(mods);
        gUseModFolder = true;
        gModFolder = mods.string();
        gPlay.mapPaths.clear();
        gPlay.musicNames.clear();
        gPlay.errorText.clear();
    }
    void TearDown() override
    {
        gUseModFolder = false;
        gModFolder.clear();
        gPlay.mapPaths.clear();
        gPlay.musicNames.clear();
        fs::remove_all(mods);
    }
    void WriteGameIni(const std::string& text) { std::ofstream(mods / "game.ini") << text; }
};

TEST_F(GameIni, ListsEveryLevelAndASectionWithoutMapGivesTheBareFolder)
{
    WriteGameIni("[music]\nMenuMusic=music/menu.xm\n[info]\nMapsCount=3\n"
                 "[map0]\nmap=first.map\nmusic=a.xm\n[map1]\nmusic=b.xm\n[map2]\nmap=third.map\n");
    ASSERT_TRUE(LoadMapsList());
    EXPECT_EQ(gPlay.mapPaths, (std::vector<std::string>{"maps/first.map", "maps/", "maps/third.map"}));
    EXPECT_EQ(gPlay.musicNames, (std::vector<std::string>{"a.xm", "b.xm", ""}));
    // a saved level outside the list is refused
    EXPECT_TRUE(IsLevelInMapsList(2));
    EXPECT_FALSE(IsLevelInMapsList(3));
    EXPECT_FALSE(IsLevelInMapsList(-1));

    // A name too long for a path buffer stays whole (cut, it could name another map).
    const std::string longName(400, 'x');
    WriteGameIni("[info]\nMapsCount=1\n[map0]\nmap=" + longName + "\n");
    gPlay.mapPaths.clear();
    gPlay.musicNames.clear();
    ASSERT_TRUE(LoadMapsList());
    EXPECT_EQ(gPlay.mapPaths, std::vector<std::string>{"maps/" + longName});
}

TEST_F(GameIni, NoUsableCountMeansNoEntries)
{
    for (const std::string count : {"MapsCount=65536", "MapsCount=-2", "MapsCount=0", "MapsCount=none", ""}) {
        WriteGameIni("[info]\n" + count + "\n[map0]\nmap=a.map\n");
        gPlay.errorText.clear();
        EXPECT_FALSE(LoadMapsList()) << count;
        EXPECT_EQ(gPlay.errorText, "No entries in maps list") << count;
        EXPECT_TRUE(gPlay.mapPaths.empty());
    }
    EXPECT_EQ(ParseMapsCount("65537"), 1) << "taken as a signed 16-bit value";
    // ... and said so, since a count that wraps looks like a different list.
    kwInitialised = true;
    WriteGameIni("[info]\nMapsCount=65537\n[map0]\nmap=a.map\n");
    ASSERT_TRUE(LoadMapsList());
    EXPECT_EQ(gPlay.mapPaths.size(), 1u);
    const std::vector<std::string>& lines = KW_ConsoleWindowLines();
    EXPECT_NE(std::find(lines.begin(), lines.end(), "MapsCount in " + (mods / "game.ini").string() + " is 65537, which is taken as 1"),
              lines.end());
    kwInitialised = false;
    EXPECT_EQ(ParseMapsCount("99999999999999999999999"), -1) << "held at the longest number, whose low bits are -1";
    EXPECT_EQ(ParseMapsCount("-65535"), 1);
}

TEST_F(GameIni, AModWithoutItsOwnMusicPlaysTheGamesTunes)
{
    fs::create_directories(mods / "music");
    std::ofstream(mods / "music" / "mine.xm") << "tune";
    EXPECT_EQ(MusicFilePath("music/mine.xm"), (mods / "music" / "mine.xm").string());
    EXPECT_EQ(MusicFilePath("music/level1.mod"), "base/music/level1.mod");
}

TEST_F(GameIni, OverlayPicturesComeWithMagentaTransparent)
{
    ALLEGRO_BITMAP* picture = MakeFilledBitmap(4, 2, al_map_rgb(10, 200, 30));
    PutPixelOn(picture, 1, 1, al_map_rgb(255, 0, 255));
    ASSERT_TRUE(al_save_bitmap((mods / "frame.tga").c_str(), picture));
    al_destroy_bitmap(picture);

    ALLEGRO_BITMAP* loaded = LoadOverlayImage("frame.tga");
    ASSERT_NE(loaded, nullptr);
    EXPECT_EQ(PixelOf(loaded, 1, 1).a, 0);
    EXPECT_EQ(PixelOf(loaded, 0, 0), (Rgba{10, 200, 30, 255}));
    al_destroy_bitmap(loaded);

    gUseModFolder = false;
    EXPECT_EQ(LoadOverlayImage("missing_picture.tga"), nullptr);
    EXPECT_EQ(gResources.errorText, "Unable to load bitmap from base/missing_picture.tga");
}

TEST(GameSave, AMissingSaveFolderIsMadeAtTheLevelStart)
{
    const fs::path root = fs::temp_directory_path() / "sodbolt_savefolder_test";
    fs::remove_all(root);
    fs::create_directories(root);
    SaveGameSlot slot;
    slot.path = (root / "savegames" / "000.sav").string();
    SaveGameSlot* previous = gCurrentSlot;
    gCurrentSlot = &slot;

    EXPECT_TRUE(SaveLevelProgress(3, 2)) << slot.lastError;
    ASSERT_TRUE(fs::exists(slot.path));
    EXPECT_EQ(fs::file_size(slot.path), 26u);
    int16_t level = -1, skill = -1;
    EXPECT_TRUE(LoadSavedGame(slot, level, skill));
    EXPECT_EQ(level, 3);
    EXPECT_EQ(skill, 2);

    gCurrentSlot = previous;
    fs::remove_all(root);
}
