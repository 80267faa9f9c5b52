// Menus and credits without a screen: the selection wraps, the shared
// animation swings between its ends, and the credits pages keep their time.
#include "app/credits.h"
#include "app/menu.h"

#include <gtest/gtest.h>

#include <algorithm>
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

TEST(Menu, AnimationSwingsBetweenItsEnds)
{
    MenuAnimation animation;
    int lowestGrey = 255, highestGreyAfterLow = 0;
    float lowestScale = 1.0f, highestScale = 1.0f;
    for (int tick = 0; tick < 400; ++tick) {
        animation.Step();
        lowestGrey = std::min(lowestGrey, animation.greyLevel);
        if (lowestGrey <= 140) highestGreyAfterLow = std::max(highestGreyAfterLow, animation.greyLevel);
        lowestScale = std::min(lowestScale, animation.iconScale);
        highestScale = std::max(highestScale, animation.iconScale);
        ASSERT_TRUE(animation.greyLevel >= 0 && animation.greyLevel <= 255) << animation.greyLevel;
    }
    EXPECT_TRUE(lowestGrey <= 140 && lowestGrey > 134) << lowestGrey;
    EXPECT_GE(highestGreyAfterLow, 250);
    EXPECT_NEAR(lowestScale, 0.8f, 0.031f);
    EXPECT_NEAR(highestScale, 1.6f, 0.031f);
    EXPECT_EQ(animation.ticks, 400.0f);
}

TEST(Credits, PagesInOrderWithPersonLines)
{
    const std::vector<CreditsPage> pages = BuildCreditsPages();
    const char* headings[] = {"Sodbolt", "Game Created by", "Game Libraries", "Music", "Maps", "Thanks to"};
    ASSERT_EQ(pages.size(), 6u);
    for (size_t i = 0; i < pages.size(); ++i) EXPECT_EQ(pages[i].heading, headings[i]);
    for (int i : {1, 3, 4, 5})
        for (const std::string& line : pages[i].lines) EXPECT_EQ(line.rfind("- ", 0), 0u) << line;
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
