// Menus and credits without a screen: the selection wraps and the credits pages keep their time.
#include "app/credits.h"
#include "app/menu.h"

#include <gtest/gtest.h>

#include <array>
#include <utility>

TEST(Menu, SelectionWrapsAtBothEnds)
{
    MenuScreen menu;
    menu.Init("Main Menu");
    EXPECT_EQ(menu.selected, -1);
    for (const char* label : {"Play", "Options", "Exit"}) menu.AddItem(label, "", "NewGame");

    menu.selected = 0;
    for (const auto& [step, expected] : {std::pair{-1, 2}, {1, 0}, {1, 1}}) {  // Up on the first selects the last
        menu.MoveSelection(step);
        EXPECT_EQ(menu.selected, expected);
    }

    MenuScreen empty;
    empty.Init("Nothing");
    empty.MoveSelection(-1);
    EXPECT_EQ(empty.selected, -1) << "no items: nothing selected";
}

TEST(Credits, APageStays150TicksAfterItsLastLineAndTheShowRepeats)
{
    CreditsShow show;
    show.pageCount = 2;
    show.StartPage(0, 800);
    int ticks = 0;
    while (show.linesShown < 1) {
        show.Tick(1, 800);
        ++ticks;
    }
    EXPECT_EQ(ticks, 13) << "800 pixels at 64 a tick, shown once below 11";
    for (int i = 0; i < 149; ++i) show.Tick(1, 800);
    EXPECT_EQ(show.pageIndex, 0);
    show.Tick(1, 800);
    EXPECT_EQ((std::array{show.pageIndex, show.linesShown, show.slideX}), (std::array{1, 0, 800})) << "next page after 150";

    while (show.linesShown < 2) show.Tick(2, 800);
    for (int i = 0; i < 150; ++i) show.Tick(2, 800);
    EXPECT_EQ(show.pageIndex, 0) << "after the last page the show starts again";
}
