// Pop-up menu: placement on the screen, the item under the pointer, stepping.
#include "kwui/popupmenu.h"

#include <gtest/gtest.h>

#include <utility>

TEST(PopupMenu, ItemHeightPlacementItemUnderThePointerAndWrappingSteps)
{
    int x = 790, y = 590;
    PopupMenuClass::Place(x, y, 120, 36, 800, 600);
    EXPECT_EQ(std::make_pair(x, y), std::make_pair(800 - 1 - 120, 600 - 1 - 36));
    x = 900;
    y = 10;
    PopupMenuClass::Place(x, y, 1000, 36, 800, 600);  // wider than the screen
    EXPECT_EQ(std::make_pair(x, y), std::make_pair(0, 10));

    PopupMenuClass menu;
    EXPECT_EQ(menu.Run(10, 10), -1) << "an empty menu returns at once";
    menu.AddItem("Select", "yes");
    menu.AddItem("Edit", "edit");
    menu.AddItem("Cancel", "cancel");
    menu.x = 100;
    menu.y = 200;
    EXPECT_EQ(menu.ItemAt(110, 200, 120, 36), 0);
    EXPECT_EQ(menu.ItemAt(110, 200 + 36 + 5, 120, 36), 1);
    EXPECT_EQ(menu.ItemAt(110, 200 + 3 * 36 + 1, 120, 36), -1);
    EXPECT_EQ(menu.ItemAt(99, 210, 120, 36), -1);
    menu.current = 0;
    menu.Step(-1);
    EXPECT_EQ(menu.current, 2);
    menu.Step(1);
    EXPECT_EQ(menu.current, 0);
}

