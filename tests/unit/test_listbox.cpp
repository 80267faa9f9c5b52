// List box: word wrap, scroll bars, paging, double clicks and text files.
#include "kwui/listbox.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
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

KW_DateTime At(int second, int hundredths)
{
    KW_DateTime t;
    t.hour = 12;
    t.minute = 30;
    t.second = static_cast<uint8_t>(second);
    t.hundredths = static_cast<uint8_t>(hundredths);
    return t;
}

}  // namespace

TEST(WordWrap, BreaksAtTheLastBlankBeforeTheLimit)
{
    EXPECT_EQ(KW_WrapText("the quick brown fox jumps", 100, TenPerCharacter), (Lines{"the quick", "brown fox", "jumps"}));
}

TEST(WordWrap, AWordWithoutBlanksIsCutAtTheWidth)
{
    const std::string word(2000, 'w');
    const auto lines = KW_WrapText(word, 100, TenPerCharacter);
    std::string joined;
    for (const std::string& line : lines) {
        EXPECT_LT(TenPerCharacter(line), 100);
        EXPECT_FALSE(line.empty());
        joined += line;
    }
    EXPECT_EQ(joined, word);
    EXPECT_EQ(lines.size(), 223u);  // 222 rows of 9 and the last 2
}

TEST(WordWrap, LineBreaksEndLinesAndKeepEmptyOnes)
{
    EXPECT_EQ(KW_WrapText("one\n\ntwo\n", 1000, TenPerCharacter), (Lines{"one", "", "two"}));
    EXPECT_TRUE(KW_WrapText("", 100, TenPerCharacter).empty());
}

TEST(WordWrap, ACharacterWiderThanTheLimitStillMovesOn)
{
    EXPECT_EQ(KW_WrapText("abc", 5, TenPerCharacter), (Lines{"a", "b", "c"}));
}

TEST(ListBox, VerticalBarAppearsWithOneRowMoreThanVisible)
{
    ListBoxClass exact = ListOf(10, 10);
    EXPECT_FALSE(exact.verticalBarShown);
    ListBoxClass more = ListOf(11, 10);
    ASSERT_TRUE(more.verticalBarShown);
    EXPECT_EQ(more.verticalBar.max, 1);
    EXPECT_EQ(more.verticalBar.x, 10 + 300 - more.RowHeight() + 1);
    EXPECT_TRUE(more.verticalBar.vertical);
    EXPECT_EQ(more.verticalBar.value, &more.topRow);
}

TEST(ListBox, RowsLoseATrailingLineBreak)
{
    ListBoxClass list = ListOf(0, 3);
    list.AddRow("hello\n", "tag");
    list.AddRow("windows\r\n");
    EXPECT_EQ(list.rows[0].text, "hello");
    EXPECT_EQ(list.rows[0].tag, "tag");
    EXPECT_EQ(list.rows[1].text, "windows");
    EXPECT_TRUE(KW_IsDefaultTexture(list.rows[0].icon));
}

TEST(ListBox, PageDownFromTheTopShowsTheNextTenRows)
{
    ListBoxClass list = ListOf(100, 10);
    list.PageDown();
    EXPECT_EQ(list.selected, 10);
    EXPECT_EQ(list.topRow, 10);
    for (int i = 0; i < 20; ++i) list.PageDown();
    EXPECT_EQ(list.selected, 99);
    EXPECT_EQ(list.topRow, 90);
    list.PageUp();
    EXPECT_EQ(list.selected, 89);
    EXPECT_EQ(list.topRow, 80);
    for (int i = 0; i < 20; ++i) list.PageUp();
    EXPECT_EQ(list.selected, 0);
    EXPECT_EQ(list.topRow, 0);
}

TEST(ListBox, ArrowsMoveTheSelectionAndScrollItIntoView)
{
    ListBoxClass list = ListOf(30, 10);
    EXPECT_TRUE(list.HandleKey(ALLEGRO_KEY_UP));
    EXPECT_EQ(list.selected, 0);
    for (int i = 0; i < 12; ++i) list.HandleKey(ALLEGRO_KEY_DOWN);
    EXPECT_EQ(list.selected, 12);
    EXPECT_EQ(list.topRow, 3);
    list.MoveSelection(100);
    EXPECT_EQ(list.selected, 29);
    EXPECT_EQ(list.topRow, 20);
    EXPECT_FALSE(list.HandleKey(ALLEGRO_KEY_A));
}

TEST(ListBox, KeysAndWheelMoveTheSelectionOnlyWithTheKeyboardOn)
{
    ListBoxClass list = ListOf(30, 10);
    list.lastWheel = 0;
    list.ApplyNavigation(true, ALLEGRO_KEY_DOWN, 0);
    list.ApplyNavigation(false, -1, -3);
    EXPECT_EQ(list.selected, 0);

    list.keyboard = true;
    list.ApplyNavigation(true, ALLEGRO_KEY_DOWN, 0);
    EXPECT_EQ(list.selected, 1);
    list.ApplyNavigation(false, -1, -3);  // three notches down
    EXPECT_EQ(list.selected, 4);
    list.ApplyNavigation(false, -1, -1);  // two notches up
    EXPECT_EQ(list.selected, 2);
    list.ApplyNavigation(false, -1, -1);  // the wheel did not move
    EXPECT_EQ(list.selected, 2);
}

TEST(ListBox, RowUnderThePointerLeavesOutTheScrollBar)
{
    ListBoxClass list = ListOf(30, 10);
    const int rh = list.RowHeight();
    EXPECT_EQ(list.RowAt(20, 10 + 2 * rh + 1), 2);
    EXPECT_EQ(list.RowAt(list.verticalBar.x + 1, 15), -1);
    EXPECT_EQ(list.RowAt(20, 10 + 10 * rh + 1), -1);
    list.topRow = 5;
    EXPECT_EQ(list.RowAt(20, 12), 5);
    ListBoxClass shortList = ListOf(2, 10);
    EXPECT_EQ(shortList.RowAt(20, 10 + 3 * rh), -1);
}

TEST(ListBox, DoubleClickNeedsTheSameRowWithinAQuarterSecond)
{
    ListBoxClass list = ListOf(5, 5);
    list.RegisterClick(2, At(10, 0));
    list.RegisterClick(2, At(10, 20));
    EXPECT_EQ(list.activated, 2);

    list.activated = -1;
    list.RegisterClick(3, At(20, 0));
    list.RegisterClick(3, At(20, 30));
    EXPECT_EQ(list.activated, -1);

    list.RegisterClick(1, At(30, 0));
    list.RegisterClick(4, At(30, 10));
    EXPECT_EQ(list.activated, -1);

    // clicks across a second boundary count too
    list.RegisterClick(0, At(40, 95));
    list.RegisterClick(0, At(41, 5));
    EXPECT_EQ(list.activated, 0);
}

TEST(ListBox, ClearEmptiesRowsSelectionAndBars)
{
    ListBoxClass list = ListOf(30, 10);
    list.PageDown();
    list.RegisterClick(10, At(1, 0));
    list.Clear();
    EXPECT_EQ(list.RowCount(), 0);
    EXPECT_EQ(list.selected, 0);
    EXPECT_EQ(list.topRow, 0);
    EXPECT_FALSE(list.verticalBarShown);
    list.AddRow("new");
    list.RegisterClick(10, At(1, 5));
    EXPECT_EQ(list.activated, -1);
}

TEST(ListBox, TextFileWithWindowsLineEndsGivesOneRowPerLine)
{
    const std::string path = testing::TempDir() + "kw_listbox_crlf.txt";
    std::FILE* file = std::fopen(path.c_str(), "wb");
    ASSERT_NE(file, nullptr);
    std::fputs("first line\r\nsecond\r\n\r\nfourth\r\n", file);
    std::fclose(file);

    ListBoxClass list;
    list.Create(0, 0, 2000, 5);
    ASSERT_TRUE(list.LoadFromTextFile(path));
    Lines rows;
    for (const ListBoxRow& row : list.rows) rows.push_back(row.text);
    EXPECT_EQ(rows, (Lines{"first line", "second", "", "fourth"}));
    std::remove(path.c_str());
}
