// Object browser: flowing pictures into rows and pages, finding an item's page, turning pages round at both ends.
#include "content/tileset.h"
#include "kwui/kwui.h"
#include "kwui/objectbrowser.h"
#include "screen_support.h"

#include <allegro5/allegro_primitives.h>

#include <gtest/gtest.h>

#include <array>
#include <utility>
#include <vector>

namespace {

struct Flow {
    std::vector<ObjectBrowserPlace> positions;
    std::vector<int> pageStarts;
};

Flow LayOut(const std::vector<ObjectBrowserPlace>& sizes)
{
    Flow flow;
    ObjectBrowserLayoutItems(sizes, 800, 600, 16, flow.positions, flow.pageStarts);
    return flow;
}
}  // namespace

TEST(ObjectBrowserLayout, TwentyThreeTilesARowFifteenRowsAPageThreePages)
{
    const Flow flow = LayOut(std::vector<ObjectBrowserPlace>(1024, {32, 32}));
    EXPECT_EQ((std::array{flow.positions[23].x, flow.positions[23].y, flow.positions[344].y}), (std::array{0, 33, 14 * 33}));
    EXPECT_EQ(flow.pageStarts, (std::vector<int>{0, 345, 690}));
}

TEST(ObjectBrowserLayout, RowsTakeTheTallestItemWideItemsNeverWrapFirstAndOversizedOnesGetAPage)
{
    // The 900-pixel item opens a row under the 60-pixel one; nothing fits behind it, yet it never wrapped on its own.
    const Flow flow = LayOut({{100, 20}, {100, 60}, {900, 10}, {10, 10}});
    EXPECT_EQ((std::array{flow.positions[2].x, flow.positions[2].y, flow.positions[3].x, flow.positions[3].y}),
              (std::array{0, 61, 0, 72}));

    // An item taller than the 526-pixel item area gets a page of its own, with no empty page in front.
    const Flow first = LayOut({{32, 700}, {32, 32}, {32, 32}});
    EXPECT_EQ(first.pageStarts, (std::vector<int>{0, 1}));
    EXPECT_EQ(first.positions[2].x, 33);
    EXPECT_EQ(LayOut({}).pageStarts, (std::vector<int>{0})) << "no items is one empty page";
}

TEST(ObjectBrowserPaging, PageOfAtTheEdgesAndPagesWrapBothWays)
{
    const std::vector<int> starts = {0, 345, 690};
    for (const auto& [item, page] :
         {std::pair{-1, 0}, {0, 0}, {344, 0}, {345, 1}, {689, 1}, {690, 2}, {1023, 2}, {1024, 0}})
        EXPECT_EQ(ObjectBrowserPageOf(starts, 1024, item), page) << item;
    // Next on the last page shows the first, previous on the first shows the last.
    for (const auto& [page, step, count, shown] :
         {std::array{2, 1, 3, 0}, {0, -1, 3, 2}, {1, 1, 3, 2}, {0, 1, 1, 0}, {0, -1, 1, 0}})
        EXPECT_EQ(ObjectBrowserTurnPage(page, step, count), shown) << page << " + " << step << " of " << count;
}

// Magenta see-through, the chosen tile outlined, a tile with a bitmap of its own among the atlas's.
TEST(ObjectBrowserScreen, PagesFromTheAtlasMatchTilesCopiedOneByOne)
{
    TestScreen screen;
    if (!screen.Open(800, 600)) GTEST_SKIP() << "no display";
    ASSERT_TRUE(screen.FontsLoaded());
    ALLEGRO_DISPLAY* display = screen.display;
    al_set_new_bitmap_flags(ALLEGRO_MIN_LINEAR | ALLEGRO_MAG_LINEAR);  // as the program makes bitmaps
    {
        Tileset set;
        ASSERT_TRUE(set.Load("base/tiles/sodbolt.til")) << set.lastError;
        // Magenta corners on some tiles of the first and the last page.
        for (int tile : {0, 5, 340, 1023}) {
            al_set_target_bitmap(set.tiles[tile].image);
            al_draw_filled_rectangle(0, 0, 12, 12, al_map_rgb(255, 0, 255));
        }
        ALLEGRO_BITMAP* own = al_create_bitmap(40, 24);
        al_set_target_bitmap(own);
        al_clear_to_color(al_map_rgb(255, 0, 255));
        al_draw_filled_rectangle(4, 4, 20, 20, al_map_rgb(10, 200, 30));
        al_set_target_backbuffer(display);

        ObjectBrowser before, now;
        for (int i = 0; i < Tileset::kTileCount; ++i) {
            ALLEGRO_BITMAP* image = i == 700 ? own : set.tiles[i].image;
            before.AddItem(image, "Tile %d", i);
            now.AddBorrowedItem(image, "Tile %d", i);
        }
        for (ObjectBrowser* browser : {&before, &now}) {
            browser->Layout();
            browser->items[5].outline = al_map_rgb(0, 255, 0);
        }
        ASSERT_EQ(now.pageStarts, before.pageStarts);
        EXPECT_EQ(now.items[7].caption, "Tile 7");
        EXPECT_FALSE(now.items[345].picture.hasBitmap) << "only the shown page is copied";
        for (int page : {0, 2}) {
            al_clear_to_color(KW_Colour(KWC_LightBlue));
            const int hovered = before.DrawPage(page, 40, 100);
            const std::vector<uint32_t> old = ReadScreenPixels();
            al_clear_to_color(KW_Colour(KWC_LightBlue));
            EXPECT_EQ(now.DrawPage(page, 40, 100), hovered);
            EXPECT_EQ(hovered, now.pageStarts[page] + 1) << "the second tile is under the pointer";
            const std::vector<uint32_t> fresh = ReadScreenPixels();
            ASSERT_FALSE(old.empty());
            size_t differing = 0;
            for (size_t i = 0; i < old.size(); ++i) differing += old[i] != fresh[i];
            EXPECT_EQ(differing, 0u) << "page " << page;
        }
        EXPECT_TRUE(now.items[700].picture.hasBitmap);
        before.Clear();
        now.Clear();
        al_destroy_bitmap(own);
    }
    screen.Close();
}
