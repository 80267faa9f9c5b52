// Map editor: brush, texts, undo and redo, the unsaved marker, Check Map.
#include "test_game_support.h"

#include "editors/mapbrush.h"
#include "editors/mapeditor.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <functional>
#include <tuple>
#include <utility>

using gametest::GiveSpriteFrame;

namespace {

// Cell (c, r) holds c + 100 r, so every cell is told apart.
void FillNumbered(Map& map)
{
    for (int r = 0; r < Map::kRows; ++r)
        for (int c = 0; c < Map::kColumns; ++c) map.cells[r * Map::kColumns + c] = static_cast<uint16_t>(c + 100 * r);
}

// One frame of the brush with the pointer over a cell.
void PressAt(MapEditor& editor, int column, int row, bool left = true, bool right = false)
{
    editor.cursorColumn = column;
    editor.cursorRow = row;
    editor.ApplyTileBrush(left, right);
}

// A stroke as the loop makes it: the button held over several cells, then released.
void Stroke(MapEditor& editor, std::initializer_list<std::pair<int, int>> cells)
{
    for (const auto& [column, row] : cells) PressAt(editor, column, row);
    editor.EndPointerChange();
}

}  // namespace

TEST(MapEditorBrush, ThreeByThreeAtTheCornerPaintsOnlyTheTwoByTwoInsideAndOneCellItsCell)
{
    Map map;
    FillNumbered(map);
    const auto before = map.cells;
    EXPECT_EQ(PaintBrush(map, 23, 14, 3, 3, 1023), 4);
    EXPECT_EQ(PaintBrush(map, 0, 0, 1, 1, 1023), 1);
    for (int r = 0; r < Map::kRows; ++r)
        for (int c = 0; c < Map::kColumns; ++c) {
            const bool painted = (c >= 23 && r >= 14) || (c == 0 && r == 0);
            EXPECT_EQ(map.GetCell(c, r), painted ? 1023 : before[r * Map::kColumns + c]) << c << "," << r;
        }
}

TEST(MapEditorBrush, LeftWinsOverRightPaintingTheBlock)
{
    MapEditor editor;
    FillNumbered(editor.map);
    editor.brushTile = 9;
    editor.brushWidth = 2;
    editor.brushHeight = 3;
    PressAt(editor, 4, 5, true, true);
    EXPECT_EQ((std::array<int, 3>{editor.brushTile, editor.map.GetCell(5, 7), editor.map.GetCell(6, 7)}),
              (std::array{9, 9, 706}));
}

TEST(MapEditorDocument, NewResetsTheModeAndBrushAndTextsKeepUserTextLiteral)
{
    MapEditor editor;
    editor.fileName = "maps/a.map";
    editor.mode = kMapPlayerStartMode;
    editor.brushWidth = 4;
    editor.StartNewDocument();
    EXPECT_EQ(editor.toolbar.title, "(unsaved file) - Map Editor (Editing tiles)");
    EXPECT_EQ(editor.brushWidth, 1);
    EXPECT_EQ(MapEditorTitle("maps/a.map", kMapPlayerStartMode), "maps/a.map - Map Editor (Editing player start position)");
    editor.map.title = "100%s %d done";
    editor.map.author = "Ann";
    std::tie(editor.map.timeLimit, editor.map.cloudCount) = std::pair(9999, 3);
    EXPECT_EQ(MapEditorStatusLine(editor.map), "Title: 100%s %d done (by Ann) - Time Limit: 9999 - Cloud Count: 3");
}

TEST(MapEditorUndo, AStrokeOverFiveCellsUndoesInOneStepAndRedoesAndTheTitleMarksItUnsaved)
{
    MapEditor editor;
    editor.StartNewDocument();
    editor.brushTile = 7;
    // the pointer jumps two cells a frame: the cells between are painted too
    Stroke(editor, {{1, 1}, {3, 1}, {3, 3}});
    const auto painted = editor.map.cells;
    for (const auto& [column, row] : {std::pair(2, 1), {3, 2}}) EXPECT_EQ(editor.map.GetCell(column, row), 7);
    EXPECT_EQ(std::count(painted.begin(), painted.end(), 7), 5);
    EXPECT_EQ(editor.toolbar.title, "(unsaved file)* - Map Editor (Editing tiles)");

    editor.Undo();
    EXPECT_EQ(editor.toolbar.title, "(unsaved file) - Map Editor (Editing tiles)") << "back to the state of New";
    editor.Redo();
    EXPECT_EQ(editor.map.cells, painted);

    // A stroke that paints what is already there, or a pick, is no step.
    const size_t steps = editor.history.UndoCount();
    editor.brushTile = 0;
    Stroke(editor, {{20, 0}});
    PressAt(editor, 20, 0, false, true);
    editor.EndPointerChange();
    EXPECT_EQ(editor.history.UndoCount(), steps);

    editor.StartNewDocument();
    EXPECT_FALSE(editor.history.CanUndo()) << "New starts a fresh history";
}

TEST(MapEditorFill, AClickFillsTheClickedTilesAreaUpToOtherTilesAsOneStepAndWaitsForTheButtonToComeUp)
{
    MapEditor editor;
    editor.StartNewDocument();
    editor.brushTile = 2;
    Stroke(editor, {{10, 0}, {10, 15}});  // a wall down column 10
    const size_t steps = editor.history.UndoCount();
    editor.fillTool = true;
    editor.brushTile = 5;
    editor.pointerArmed = true;
    Stroke(editor, {{3, 3}});
    EXPECT_FALSE(editor.pointerArmed);
    EXPECT_EQ((std::array{editor.map.GetCell(0, 15), editor.map.GetCell(9, 0), editor.map.GetCell(11, 7)}),
              (std::array<uint16_t, 3>{5, 5, 0}));
    EXPECT_EQ(editor.history.UndoCount(), steps + 1);
    Stroke(editor, {{0, 0}});
    EXPECT_EQ(editor.history.UndoCount(), steps + 1) << "the area already has the tile";
}

TEST(MapEditorUndo, ADragOfTheStartPointAndTitleAndTimeChangesAreStepsOfTheirOwn)
{
    MapEditor editor;
    editor.StartNewDocument();
    for (int x = 100; x <= 140; x += 10) editor.MoveStartPoint(x, 50);
    editor.EndPointerChange();
    EXPECT_EQ(std::pair(editor.map.startX, editor.map.startY), (std::pair<uint16_t, uint16_t>(140, 50)));

    auto change = [&](const std::function<void()>& edit) {
        const MapSnapshot before = TakeMapSnapshot(editor.map);
        edit();
        editor.RecordChange(before);
    };
    change([&] { editor.map.title = "Back Lawn"; });
    change([&] { editor.map.timeLimit = 240; editor.map.cloudCount = 4; });
    change([] {});  // a dialog left with the same value
    EXPECT_EQ(editor.history.UndoCount(), 3u);

    editor.Undo();
    EXPECT_EQ(std::tuple(editor.map.title, editor.map.timeLimit, editor.map.cloudCount), std::tuple("Back Lawn", 90, 0));
    editor.Undo();
    editor.Undo();
    EXPECT_EQ(std::tuple(editor.map.title, editor.map.startX, editor.map.startY), std::tuple("New Map", 400, 256));
    for (int i = 0; i < 3; ++i) editor.Redo();
    EXPECT_EQ(editor.map.timeLimit, 240);
}

TEST(MapEditorCheck, TheReportNamesTheUnreachableCountOrTheRouteTimeAgainstTheNormalLimit)
{
    RoutePlan plan;
    const struct { int grass, unreachable, frames; bool stuck; const char* text; } cases[] = {
        {0, 0, 0, false, "There is no grass on this map: the level is won as soon as it starts."},
        {12, 1, 600, false, "1 grass cell of 12 can never be reached. It is marked in red on the map."},
        {12, 3, 600, false, "3 grass cells of 12 can never be reached. They are marked in red on the map."},
        {12, 11, 0, true,
         "The mower cannot leave its start point: 11 grass cells of 12 can never be reached. They are marked in red on "
         "the map."},
        {12, 0, 8610, false,
         "Every grass cell can be reached: the planned route takes 143.5 s of the 240 s limit on Normal."},
        {12, 0, 14430, false,
         "Every grass cell can be reached, but the planned route takes 240.5 s of the 240 s limit on Normal."},
    };
    for (const auto& c : cases) {
        plan.grassTotal = c.grass;
        plan.unreachableCells.assign(c.unreachable, 0);
        plan.frames = c.frames;
        plan.mowerStuck = c.stuck;
        EXPECT_EQ(MapCheckReport(plan, 240), c.text);
    }
    EXPECT_EQ(RunUnreachableQuestion(2), "2 grass cells can never be reached.  Run the map anyway?");
}

TEST(MapEditorCheck, AWalledOffCellIsMarkedUntilAnEditChangesTheMap)
{
    MapEditor editor;
    editor.StartNewDocument();
    GiveSpriteFrame(gResources.mowerSprite, 32, 32);
    gametest::PaintMap(editor.map, {});
    editor.brushWidth = editor.brushHeight = 3;
    editor.brushTile = 2;
    Stroke(editor, {{4, 4}});
    editor.brushWidth = editor.brushHeight = 1;
    editor.brushTile = 1;
    Stroke(editor, {{5, 5}});
    Stroke(editor, {{20, 12}});
    const size_t steps = editor.history.UndoCount();

    editor.CheckReachableGrass();
    EXPECT_EQ(editor.unreachableMarks, (std::vector<int>{5 * Map::kColumns + 5}));
    EXPECT_EQ(editor.history.UndoCount(), steps) << "a check changes nothing";

    editor.brushTile = 0;
    PressAt(editor, 0, 0);
    EXPECT_FALSE(editor.unreachableMarks.empty()) << "painting a tile over itself keeps the marks";
    editor.brushTile = 1;
    PressAt(editor, 1, 0);
    EXPECT_TRUE(editor.unreachableMarks.empty());
    editor.EndPointerChange();
    editor.CheckReachableGrass();
    ASSERT_FALSE(editor.unreachableMarks.empty());
    editor.Undo();
    EXPECT_TRUE(editor.unreachableMarks.empty()) << "undo clears them too";
    gResources.mowerSprite.Clear();
}
