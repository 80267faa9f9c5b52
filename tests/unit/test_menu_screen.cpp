// Menus and credits at 800 x 600, read back pixel by pixel (skipped without a display).
#include "app/credits.h"
#include "app/menu.h"
#include "kwui/kwui.h"
#include "screen_support.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// The pixels where two pictures differ, as a bounding box (empty: right < left).
struct Box {
    int left = 1 << 20, top = 1 << 20, right = -1, bottom = -1;
    bool Empty() const { return right < left; }
};

Box Difference(const std::vector<uint32_t>& a, const std::vector<uint32_t>& b)
{
    Box box;
    for (size_t i = 0; i < a.size() && a.size() == b.size(); ++i) {
        if (a[i] == b[i]) continue;
        const int x = static_cast<int>(i % 800), y = static_cast<int>(i / 800);
        box = {std::min(box.left, x), std::min(box.top, y), std::max(box.right, x), std::max(box.bottom, y)};
    }
    return box;
}

std::vector<uint32_t> DrawMenu(MenuScreen& menu)
{
    al_clear_to_color(al_map_rgb(32, 64, 32));
    bool clicked = false;
    menu.DrawWithPointer(-1, -1, 0, clicked);
    return ReadScreenPixels();
}

class MenuScreenPixels : public ::testing::Test {
protected:
    TestScreen screen;
    void SetUp() override
    {
        if (!screen.Open(800, 600)) GTEST_SKIP() << "no display";
        ASSERT_TRUE(screen.FontsLoaded()) << "the font is placed by the set-up";
        al_set_target_backbuffer(screen.display);
    }
    void TearDown() override
    {
        KW_ClearConsole();
        screen.Close();
    }
};

TEST_F(MenuScreenPixels, EveryCreditsLineIsSeenWholeAboveTheStatusLine)
{
    for (const CreditsPage& page : BuildCreditsPages()) {
        DrawCreditsPage(nullptr, page, 0, 800);
        std::vector<uint32_t> before = ReadScreenPixels();
        for (int shown = 1; shown <= static_cast<int>(page.lines.size()); ++shown) {
            DrawCreditsPage(nullptr, page, shown, 800);
            const std::vector<uint32_t> after = ReadScreenPixels();
            const Box line = Difference(before, after);
            ASSERT_FALSE(line.Empty()) << page.heading << ": line " << shown << " not drawn";
            EXPECT_LT(line.bottom, CreditsStatusTop()) << page.heading << ": line " << shown << " reaches the status line";
            EXPECT_GT(line.top, 0) << page.heading;
            before = after;
        }
    }
}

TEST_F(MenuScreenPixels, ConsoleLinesCoverNoEntryText)
{
    for (int entries : {6, 9}) {
        MenuScreen menu;
        menu.Init("Select Game Slot");
        for (int i = 0; i < entries; ++i) menu.AddItem("8: Normal - Level 12 Entry", "", "save");
        const std::vector<uint32_t> bare = DrawMenu(menu);
        KW_ClearConsole();
        for (int i = 0; i < 9; ++i) KW_AddConsoleLine("Playing music from base/music/menu.mod");
        menu.PlaceConsole(static_cast<int>(kwConsoleLines.size()), kwConsoleX, kwConsoleTop);
        DrawMenu(menu);
        KW_DrawConsole();
        const std::vector<uint32_t> withConsole = ReadScreenPixels();
        EXPECT_FALSE(Difference(bare, withConsole).Empty()) << "the console's lines were drawn";
        // Each entry's label: from the row's text start to the end of its row.
        for (int i = 0; i < entries; ++i)
            for (int y = menu.ItemRowTop(i); y < menu.ItemRowTop(i) + menu.ItemRowHeight(); ++y)
                for (int x = 15; x <= menu.width + 14; ++x)
                    ASSERT_EQ(bare[static_cast<size_t>(y) * 800 + x], withConsole[static_cast<size_t>(y) * 800 + x])
                        << entries << " entries: the console covers row " << i << " at x " << x << ", y " << y;
    }
}

TEST_F(MenuScreenPixels, TitleAndWebLineNeverOverlap)
{
    for (const char* title : {"Main Menu", "Select Game Slot", "Delete Save Game", "Controls"}) {
        MenuScreen menu;
        menu.Init(title);
        const std::string web = menu.webLine;
        menu.title.clear();
        menu.webLine.clear();
        const std::vector<uint32_t> empty = DrawMenu(menu);
        menu.title = title;
        const std::vector<uint32_t> titleOnly = DrawMenu(menu);
        menu.webLine = web;
        const Box titleBox = Difference(empty, titleOnly), webBox = Difference(titleOnly, DrawMenu(menu));
        ASSERT_FALSE(titleBox.Empty() || webBox.Empty()) << title;
        EXPECT_LT(titleBox.right + 8, webBox.left) << title << " runs into the web line";
        EXPECT_LT(titleBox.bottom, menu.ItemRowTop(0)) << title;
    }
}

}  // namespace
