// The map editor's Add to Levels and Remove from Levels: game.ini's list renumbered, every other section and key kept.
#include "editors/levellist.h"
#include "content_testing.h"

#include <tuple>

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
