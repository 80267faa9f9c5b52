// The menu's selection without a screen.
#include "app/menu.h"

#include <gtest/gtest.h>

TEST(Menu, UpFromTheFirstEntryWrapsToTheLastAndAnEmptyMenuSelectsNothing)
{
    MenuScreen menu;
    menu.Init("Main Menu");
    for (const char* label : {"Play", "Options", "Exit"}) menu.AddItem(label, "", "NewGame");
    menu.selected = 0;
    menu.MoveSelection(-1);
    EXPECT_EQ(menu.selected, 2);
    MenuScreen empty;
    empty.Init("Nothing");
    empty.MoveSelection(-1);
    EXPECT_EQ(empty.selected, -1);
}
