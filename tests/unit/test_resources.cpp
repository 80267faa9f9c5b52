// game.ini's level list and the overlay pictures, read from a mod folder made by the test; the map editor's
// changes to the level list.
#include "content/datapath.h"
#include "content/savegame.h"
#include "editors/levellist.h"
#include "game/playgame.h"
#include "game/playstate.h"
#include "game/resources.h"
#include "kwui/console.h"
#include "kwui/core.h"

#include "content_testing.h"

#include <tuple>

namespace fs = std::filesystem;

class GameIni : public ::testing::Test {
protected:
    ScratchFolder scratch;
    fs::path mods = scratch.Path("mods");
    void SetUp() override
    {
        fs::create_directories(mods);
        gUseModFolder = true;
        gModFolder = mods.string();
        gPlay.errorText.clear();
    }
    void TearDown() override
    {
        gUseModFolder = false;
        gModFolder.clear();
        gPlay.mapPaths.clear();
        gPlay.musicNames.clear();
        kwInitialised = false;
    }
    bool LoadGameIni(const std::string& text)
    {
        std::ofstream(mods / "game.ini") << text;
        gPlay.mapPaths.clear();
        gPlay.musicNames.clear();
        return LoadMapsList();
    }
};

TEST_F(GameIni, ListsEveryLevelAndASectionWithoutMapGivesTheBareFolder)
{
    ASSERT_TRUE(LoadGameIni("[music]\nMenuMusic=music/menu.xm\n[info]\nMapsCount=3\n"
                            "[map0]\nmap=first.map\nmusic=a.xm\n[map1]\nmusic=b.xm\n[map2]\nmap=third.map\n"));
    EXPECT_EQ(gPlay.mapPaths, (std::vector<std::string>{"maps/first.map", "maps/", "maps/third.map"}));
    EXPECT_EQ(gPlay.musicNames, (std::vector<std::string>{"a.xm", "b.xm", ""}));
    EXPECT_TRUE(IsLevelInMapsList(2)) << "a saved level outside the list is refused";
    EXPECT_FALSE(IsLevelInMapsList(3));
    EXPECT_FALSE(IsLevelInMapsList(-1));

    // A name too long for a path buffer stays whole (cut, it could name another map).
    const std::string longName(400, 'x');
    ASSERT_TRUE(LoadGameIni("[info]\nMapsCount=1\n[map0]\nmap=" + longName + "\n"));
    EXPECT_EQ(gPlay.mapPaths, std::vector<std::string>{"maps/" + longName});
}

TEST_F(GameIni, NoUsableCountMeansNoEntriesAndAWrappedCountIsSaidSo)
{
    for (const std::string count : {"MapsCount=65536", "MapsCount=-2", "MapsCount=0", "MapsCount=none", ""}) {
        gPlay.errorText.clear();
        EXPECT_FALSE(LoadGameIni("[info]\n" + count + "\n[map0]\nmap=a.map\n")) << count;
        EXPECT_EQ(gPlay.errorText, "No entries in maps list") << count;
        EXPECT_TRUE(gPlay.mapPaths.empty());
    }
    // Taken as a signed 16-bit value, held at the longest number.
    for (const auto& [text, count] : {std::pair{"65537", 1}, {"-65535", 1}, {"99999999999999999999999", -1}})
        EXPECT_EQ(ParseMapsCount(text), count) << text;
    kwInitialised = true;  // a wrapped count looks like another list, so it is said
    ASSERT_TRUE(LoadGameIni("[info]\nMapsCount=65537\n[map0]\nmap=a.map\n"));
    EXPECT_EQ(KW_ConsoleWindowLines().back(), "MapsCount in " + (mods / "game.ini").string() + " is 65537, which is taken as 1");
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
}

TEST(GameSave, AMissingSaveFolderIsMadeAtTheLevelStart)
{
    ScratchFolder scratch;
    SaveGameSlot slot;
    slot.path = scratch.Path("savegames/000.sav");
    SaveGameSlot* previous = gCurrentSlot;
    gCurrentSlot = &slot;
    EXPECT_TRUE(SaveLevelProgress(3, 2)) << slot.lastError;
    int16_t level = -1, skill = -1;
    EXPECT_TRUE(LoadSavedGame(slot, level, skill));
    EXPECT_EQ(std::pair(level, skill), (std::pair<int16_t, int16_t>(3, 2)));
    gCurrentSlot = previous;
}

TEST(LevelList, AddAndRemoveRenumberTheListAndKeepEveryOtherKey)
{
    ScratchFolder scratch;
    const std::string ini = scratch.Path("game.ini");
    const std::string text = "[music]\nMenuMusic=music/menu.mod\n\n[info]\nMapsCount=2\nNote=kept\n\n"
                             "[map0]\nmap=a.map\nmusic=one.mod\nextra=1\n\n[map1]\nmap=b.map\nmusic=two.mod\n\n"
                             "[other]\nkey=value\n";
    WriteFileBytes(ini, Bytes(text.begin(), text.end()));
    std::string error;
    ASSERT_TRUE(AddToLevelList(ini, ini, "new.map", "three.mod", 1, error)) << error;
    int position = -1;
    EXPECT_FALSE(AddToLevelList(ini, ini, "b.map", "x.mod", 0, error));
    EXPECT_EQ(error, "b.map is level 3 already");
    ALLEGRO_CONFIG* config = al_load_config_file(ini.c_str());
    ASSERT_TRUE(config);
    for (const auto& [section, key, value] : {std::tuple{"music", "MenuMusic", "music/menu.mod"}, {"info", "Note", "kept"},
                                              {"other", "key", "value"}, {"map0", "extra", "1"},
                                              {"map1", "map", "new.map"}, {"map1", "music", "three.mod"}})
        EXPECT_STREQ(al_get_config_value(config, section, key), value) << section << "." << key;
    al_destroy_config(config);

    ASSERT_TRUE(RemoveFromLevelList(ini, ini, "a.map", position, error)) << error;
    EXPECT_EQ(position, 0);
    EXPECT_EQ(LevelListCount(ini, "b.map", position), 2);
    EXPECT_EQ(position, 1);
    EXPECT_FALSE(RemoveFromLevelList(ini, ini, "a.map", position, error));
    EXPECT_EQ(error, "a.map is not in the level list");
    EXPECT_EQ(scratch.Entries(), std::vector<std::string>{"game.ini"});
}
