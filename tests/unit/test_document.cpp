// The editors' shared frame: unsaved-change questions, undo messages and the recovery copy.
#include "content_testing.h"

#include "editors/document.h"
#include "editors/mapeditor.h"
#include "kwui/console.h"
#include "kwui/core.h"

namespace fs = std::filesystem;

namespace {

std::string LastConsoleLine() { return kwConsoleLines.empty() ? "" : kwConsoleLines.back().text; }

// A change to the map at nowMs, seen by the frame's once-a-frame look.
void ChangeTitle(MapEditor& editor, const std::string& title, int64_t nowMs)
{
    const MapSnapshot before = TakeMapSnapshot(editor.map);
    editor.map.title = title;
    editor.RecordChange(before);
    editor.KeepRecoveryCopy(nowMs);
}

// A saved document changed at 3 s, its copy written at 5 s.
void EditSavedMap(MapEditor& editor, const std::string& document)
{
    editor.StartNewDocument();
    ASSERT_TRUE(editor.map.Save(document.c_str()));
    editor.fileName = document;
    editor.KeepRecoveryCopy(0);
    ChangeTitle(editor, "Edited", 3000);
    editor.KeepRecoveryCopy(5000);
}

std::string TitleIn(const std::string& path)
{
    Map map;
    return map.Load(path.c_str()) ? map.title : "(does not load)";
}

}  // namespace

TEST(EditorFrame, TheTitleMarksUnsavedChangesAndTheQuestionsNameTheFileOnlyWhenSomethingIsLost)
{
    EXPECT_EQ(UnsavedChangesQuestion("a.map", false, "Exit?"), "Exit?");
    EXPECT_EQ(UnsavedChangesQuestion("a.map", true, "Exit?"), "There are unsaved changes in a.map.  Exit?");
}

TEST(EditorFrame, UndoAndRedoWithAnEmptyHistorySaySo)
{
    MapEditor editor;
    editor.StartNewDocument();
    kwInitialised = true;  // KW_Message writes only while the toolkit is up
    editor.Undo();
    EXPECT_EQ(LastConsoleLine(), "Nothing to undo");
    editor.Redo();
    EXPECT_EQ(LastConsoleLine(), "Nothing to redo");
}

TEST(EditorRecovery, ACopyIsWrittenTwoSecondsAfterChangesSettleOrAfterThirtySecondsOfSteadyChanges)
{
    InScratchFolder here;
    MapEditor editor;
    editor.StartNewDocument();
    editor.KeepRecoveryCopy(0);
    ChangeTitle(editor, "First", 1000);
    editor.KeepRecoveryCopy(2999);
    EXPECT_FALSE(fs::exists("recovery/unsaved.map")) << "the change has not settled yet";
    editor.KeepRecoveryCopy(3000);
    EXPECT_EQ(TitleIn("recovery/unsaved.map"), "First") << "a never-saved map has the editor's fixed name";

    // A change every second never settles; the copy follows it within 30 s.
    for (int second = 0; second < 30; ++second) ChangeTitle(editor, "Steady " + std::to_string(second), 10000 + 1000 * second);
    EXPECT_EQ(TitleIn("recovery/unsaved.map"), "First");
    ChangeTitle(editor, "Thirty", 40000);
    EXPECT_EQ(TitleIn("recovery/unsaved.map"), "Thirty");
}

TEST(EditorRecovery, UndoingToTheFileOrLeavingRemovesTheCopy)
{
    InScratchFolder here;
    const std::string document = here.scratch.Path("level03.map");
    MapEditor editor;
    EditSavedMap(editor, document);
    ASSERT_EQ(TitleIn("recovery/level03.map"), "Edited") << "the copy takes the document's name";
    editor.Undo();
    editor.KeepRecoveryCopy(5100);
    EXPECT_FALSE(fs::exists("recovery/level03.map")) << "undone back to the file: nothing to recover";
    ChangeTitle(editor, "Given up", 18000);
    editor.KeepRecoveryCopy(20000);
    ASSERT_TRUE(fs::exists("recovery/level03.map"));
    editor.DiscardRecoveryCopy();
    EXPECT_FALSE(fs::exists("recovery/level03.map")) << "leaving without saving";
}

TEST(EditorRecovery, OnOpeningACopyOlderThanItsDocumentIsRemovedAndNothingLoads)
{
    InScratchFolder here;
    const std::string document = here.scratch.Path("level03.map");
    {
        MapEditor crashed;
        EditSavedMap(crashed, document);
    }  // the run ends without Save or Exit: the copy stays; the document saved again after it is newer
    fs::last_write_time("recovery/level03.map", fs::last_write_time(document) - std::chrono::hours(1));
    MapEditor reopened;
    reopened.StartNewDocument();
    reopened.OfferRecovery();
    EXPECT_FALSE(fs::exists("recovery/level03.map"));
    EXPECT_EQ(reopened.fileName, kUnsavedFileName);
    EXPECT_FALSE(reopened.Modified());
}
