// Menus and credits at 800 x 600, read back pixel by pixel (skipped without a display).
#include "app/credits.h"
#include "app/menu.h"
#include "kwui/kwui.h"
#include "screen_support.h"

#include <allegro5/allegro_font.h>
#include <allegro5/allegro_ttf.h>
#include <gtest/gtest.h>

#include <vector>

namespace {

// The pixels where two pictures differ, as a bounding box (empty: right < left).
struct Box {
    int left = 1 << 20, top = 1 << 20, right = -1, bottom = -1;
    bool Empty() const { return right < left; }
};

class MenuScreenPixels : public ::testing::Test {
protected:
    TestScreen screen;
    ALLEGRO_DISPLAY* display = nullptr;

    void SetUp() override
    {
        if (!screen.Open(800, 600)) GTEST_SKIP() << "no display";
        display = screen.display;
        ASSERT_TRUE(screen.FontsLoaded()) << "the font is placed by the set-up";
        al_set_target_backbuffer(display);
    }

    void TearDown() override
    {
        KW_ClearConsole();
        screen.Close();
    }

    static Box Difference(const std::vector<uint32_t>& a, const std::vector<uint32_t>& b)
    {
        Box box;
        if (a.size() != b.size()) return box;
        for (size_t i = 0; i < a.size(); ++i) {
            if (a[i] == b[i]) continue;
            const int x = static_cast<int>(i % 800), y = static_cast<int>(i / 800);
            box.left = std::min(box.left, x);
            box.right = std::max(box.right, x);
            box.top = std::min(box.top, y);
            box.bottom = std::max(box.bottom, y);
        }
        return box;
    }

    static std::vector<uint32_t> DrawMenu(MenuScreen& menu)
    {
        al_clear_to_color(al_map_rgb(32, 64, 32));
        bool clicked = false;
        menu.DrawWithPointer(-1, -1, 0, clicked);
        return ReadScreenPixels();
    }
};

TEST_F(MenuScreenPixels, EveryCreditsLineIsSeenWholeAboveTheStatusLine)
{
    const int statusTop = CreditsStatusTop();
    for (const CreditsPage& page : BuildCreditsPages()) {
        DrawCreditsPage(nullptr, page, 0, 800);
        std::vector<uint32_t> before = ReadScreenPixels();
        const int count = static_cast<int>(page.lines.size());
        for (int shown = 1; shown <= count; ++shown) {
            DrawCreditsPage(nullptr, page, shown, 800);
            const std::vector<uint32_t> after = ReadScreenPixels();
            const Box line = Difference(before, after);
            ASSERT_FALSE(line.Empty()) << page.heading << ": line " << shown << " not drawn";
            EXPECT_LT(line.bottom, statusTop) << page.heading << ": line " << shown << " reaches the status line";
            EXPECT_GT(line.top, 0) << page.heading;
            EXPECT_LT(line.right, 800) << page.heading;
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
        // Each entry's label: from the row's text start to the end of its row.
        for (int i = 0; i < entries; ++i) {
            const int top = menu.ItemRowTop(i), bottom = top + menu.ItemRowHeight() - 1;
            for (int y = top; y <= bottom; ++y)
                for (int x = 15; x <= menu.width + 14; ++x)
                    ASSERT_EQ(bare[static_cast<size_t>(y) * 800 + x], withConsole[static_cast<size_t>(y) * 800 + x])
                        << entries << " entries: the console covers row " << i << " at x " << x << ", y " << y;
        }
        EXPECT_FALSE(Difference(bare, withConsole).Empty()) << "the console's lines were drawn";
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
        const std::vector<uint32_t> both = DrawMenu(menu);
        const Box titleBox = Difference(empty, titleOnly), webBox = Difference(titleOnly, both);
        ASSERT_FALSE(titleBox.Empty() || webBox.Empty()) << title;
        EXPECT_LT(titleBox.right + 8, webBox.left) << title << " runs into the web line";
        EXPECT_LT(webBox.right, 800) << title;
        EXPECT_LT(titleBox.bottom, menu.ItemRowTop(0)) << title;
    }
}

}  // namespace
