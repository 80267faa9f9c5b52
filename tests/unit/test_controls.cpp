// The level's keys: rebinding, defaults, and sodbolt.ini's section.
#include "game/controls.h"

#include <gtest/gtest.h>

#include <array>

TEST(Controls, RebindingSwapsAKeyInUseAndTheDefaultsComeBack)
{
    KeyBindings keys;
    keys.Rebind(kActionRight, ALLEGRO_KEY_D);
    keys.Rebind(kActionLeft, ALLEGRO_KEY_D);  // D was Right's: Right takes Left's old key
    EXPECT_EQ(keys.Key(kActionLeft), ALLEGRO_KEY_D);
    EXPECT_EQ(keys.Key(kActionRight), ALLEGRO_KEY_LEFT);
    keys.Rebind(kActionPause, ALLEGRO_KEY_UP);
    EXPECT_EQ(keys.Key(kActionUp), ALLEGRO_KEY_P);
    for (int key : std::initializer_list<int>{ALLEGRO_KEY_ESCAPE, ALLEGRO_KEY_ENTER, ALLEGRO_KEY_PAD_ENTER, ALLEGRO_KEY_F11, ALLEGRO_KEY_LSHIFT, 0,
                    ALLEGRO_KEY_MAX})
        EXPECT_FALSE(IsBindableKey(key)) << key;
    EXPECT_TRUE(IsBindableKey(ALLEGRO_KEY_D));
    keys = KeyBindings();
    EXPECT_EQ(keys.Key(kActionRight), ALLEGRO_KEY_RIGHT);
    EXPECT_EQ(keys.Key(kActionBack), ALLEGRO_KEY_ESCAPE);
}

TEST(Controls, TheSettingsSectionKeepsDefaultsForUnknownKeysAndRefusesAKeyGivenTwice)
{
    if (!al_install_keyboard()) GTEST_SKIP() << "no keyboard";
    ALLEGRO_CONFIG* config = al_create_config();
    KeyBindings keys, loaded;
    keys.Rebind(kActionRight, ALLEGRO_KEY_D);
    SaveKeyBindings(config, keys);
    // An unknown name or Escape for a steering key keeps that action's default.
    al_set_config_value(config, "controls", "up", "NO SUCH KEY");
    al_set_config_value(config, "controls", "left", al_keycode_to_name(ALLEGRO_KEY_ESCAPE));
    ASSERT_TRUE(LoadKeyBindings(config, loaded));
    EXPECT_EQ((std::array<int, 3>{loaded.Key(kActionUp), loaded.Key(kActionLeft), loaded.Key(kActionRight)}),
              (std::array<int, 3>{ALLEGRO_KEY_UP, ALLEGRO_KEY_LEFT, ALLEGRO_KEY_D}));
    al_set_config_value(config, "controls", "pause", al_keycode_to_name(ALLEGRO_KEY_D));
    EXPECT_FALSE(LoadKeyBindings(config, loaded)) << "D for Right and Pause";
    EXPECT_EQ(loaded.Key(kActionRight), ALLEGRO_KEY_RIGHT);
    al_destroy_config(config);
    al_uninstall_keyboard();
}
