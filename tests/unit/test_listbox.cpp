// List box: word wrap, scroll bars, paging and double clicks. (Text files: test_help_progress.sh.)
#include "kwui/listbox.h"

#include "kwui/core.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace {
using Lines = std::vector<std::string>;

// Ten pixels a character keeps the wrapping easy to follow.
int TenPerCharacter(const std::string& text) { return static_cast<int>(text.size()) * 10; }

ListBoxClass ListOf(int rowCount, int visible)
{
    ListBoxClass list;
    list.Create(10, 10, 300, visible);
    for (int i = 0; i < rowCount; ++i) list.AddRow("row " + std::to_string(i));
    return list;
}

using Pair = std::pair<int, int>;
Pair SelectedAndTop(const ListBoxClass& list) { return {list.selected, list.topRow}; }

KW_DateTime At(uint8_t second, uint8_t hundredths) { return KW_DateTime{0, 0, 0, 12, 30, second, hundredths}; }

}  // namespace

TEST(WordWrap, BreaksAtBlanksAndLineBreaksAndCutsWordsThatDoNotFit)
{
    EXPECT_EQ(KW_WrapText("the quick brown fox jumps", 100, TenPerCharacter),
              (Lines{"the quick", "brown fox", "jumps"}));
    EXPECT_EQ(KW_WrapText("one\n\ntwo\n", 1000, TenPerCharacter), (Lines{"one", "", "two"}));
    EXPECT_TRUE(KW_WrapText("", 100, TenPerCharacter).empty());

    // Cut at the width, never inside a character of two to four bytes; a character wider than the line stays whole.
    EXPECT_EQ(KW_WrapText("a\u00e9\u20ac\U0001F600b", 45, TenPerCharacter),
              (Lines{"a\u00e9", "\u20ac", "\U0001F600", "b"}));
}

TEST(ListBox, RowsLoseATrailingLineBreakTheBarAppearsWithOneRowMoreAndIsNoRow)
{
    ListBoxClass list = ListOf(0, 3);
    list.AddRow("hello\n", "tag");
    list.AddRow("windows\r\n");
    EXPECT_EQ((Lines{list.rows[0].text, list.rows[0].tag, list.rows[1].text}), (Lines{"hello", "tag", "windows"}));

    EXPECT_FALSE(ListOf(10, 10).verticalBarShown);
    EXPECT_TRUE(ListOf(11, 10).verticalBarShown);

    // The row under the pointer leaves out the scroll bar.
    ListBoxClass thirty = ListOf(30, 10);
    const int rh = thirty.RowHeight();
    EXPECT_EQ(thirty.RowAt(20, 10 + 2 * rh + 1), 2);
    EXPECT_EQ(thirty.RowAt(thirty.verticalBar.x + 1, 15), -1);
}

TEST(ListBox, PagesArrowsAndWheelMoveTheSelectionAndScrollItIntoView)
{
    ListBoxClass list = ListOf(100, 10);
    list.PageDown();
    EXPECT_EQ(SelectedAndTop(list), Pair(10, 10));
    for (int i = 0; i < 20; ++i) list.PageUp();
    EXPECT_EQ(SelectedAndTop(list), Pair(0, 0));
    for (int i = 0; i < 12; ++i) list.HandleKey(ALLEGRO_KEY_DOWN);
    EXPECT_EQ(SelectedAndTop(list), Pair(12, 3));
    EXPECT_TRUE(list.HandleKey(ALLEGRO_KEY_END));
    EXPECT_EQ(SelectedAndTop(list), Pair(99, 90));
    EXPECT_FALSE(list.HandleKey(ALLEGRO_KEY_A));

    // Keys and wheel only count with the keyboard on; the wheel moves by the notches turned since the last frame.
    ListBoxClass wheel = ListOf(30, 10);
    wheel.lastWheel = 0;
    const struct { bool keyboard, keyPressed; int key, wheelPosition, selected; } frames[] = {
        {false, true, ALLEGRO_KEY_DOWN, 0, 0}, {false, false, -1, -3, 0}, {true, true, ALLEGRO_KEY_DOWN, 0, 1},
        {true, false, -1, -3, 4}, {true, false, -1, -1, 2}, {true, false, -1, -1, 2}};
    for (const auto& f : frames) {
        wheel.keyboard = f.keyboard;
        wheel.ApplyNavigation(f.keyPressed, f.key, f.wheelPosition);
        EXPECT_EQ(wheel.selected, f.selected) << "key " << f.key << ", wheel at " << f.wheelPosition;
    }
}

TEST(ListBox, DoubleClickNeedsTheSameRowWithinAQuarterSecond)
{
    // The same row within a quarter second, across a second boundary too; not later, not another row.
    const struct { int first, second; uint8_t s1, h1, s2, h2; int activated; } cases[] = {
        {2, 2, 10, 0, 10, 20, 2}, {3, 3, 20, 0, 20, 30, -1}, {1, 4, 30, 0, 30, 10, -1}, {0, 0, 40, 95, 41, 5, 0}};
    for (const auto& c : cases) {
        ListBoxClass list = ListOf(5, 5);
        list.RegisterClick(c.first, At(c.s1, c.h1));
        list.RegisterClick(c.second, At(c.s2, c.h2));
        EXPECT_EQ(list.activated, c.activated) << "rows " << c.first << ", " << c.second;
    }
}
