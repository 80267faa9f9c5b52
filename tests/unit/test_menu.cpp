// The menu's selection without a screen.
#include "app/menu.h"

#include <gtest/gtest.h>

#include <utility>

TEST(Menu, SelectionWrapsAtBothEndsAndAnEmptyMenuSelectsNothing)
{
    MenuScreen menu;
    menu.Init("Main Menu");
    for (const char* label : {"Play", "Options", "Exit"}) menu.AddItem(label, "", "NewGame");
    menu.selected = 0;
    for (const auto& [step, expected] : {std::pair{-1, 2}, {1, 0}}) {
        menu.MoveSelection(step);
        EXPECT_EQ(menu.selected, expected);
    }
    MenuScreen empty;
    empty.Init("Nothing");
    empty.MoveSelection(-1);
    EXPECT_EQ(empty.selected, -1);
}
