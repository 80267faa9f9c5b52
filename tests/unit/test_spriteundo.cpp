// The sprite editor's undo steps: every change the editor records is put
// back exactly by Undo and made again by Redo, and shows the frame it touched.
#include "content_testing.h"
#include "editors/spriteops.h"
#include "editors/spriteundo.h"
#include "editors/undohistory.h"

#include <allegro5/allegro.h>
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace {

// Everything of a sprite a user can see or save.
struct SpriteState {
    std::string description, fileName;
    std::vector<int16_t> times;
    std::vector<std::string> names;
    std::vector<FramePicture> pictures;
    bool operator==(const SpriteState& o) const
    {
        if (description != o.description || fileName != o.fileName || times != o.times || names != o.names ||
            pictures.size() != o.pictures.size())
            return false;
        for (size_t i = 0; i < pictures.size(); ++i)
            if (pictures[i].width != o.pictures[i].width || pictures[i].height != o.pictures[i].height ||
                pictures[i].pixels != o.pictures[i].pixels)
                return false;
        return true;
    }
};

SpriteState StateOf(const Sprite& sprite, const std::string& fileName)
{
    SpriteState state{sprite.description, fileName, {}, {}, {}};
    for (const SpriteFrame& frame : sprite.frames) {
        state.times.push_back(frame.displayTime);
        state.names.push_back(frame.name);
        state.pictures.push_back(CaptureFramePicture(frame.image));
    }
    return state;
}

// A w x h picture of one colour with a transparent top-left pixel.
ALLEGRO_BITMAP* Picture(int w, int h, int r, int g, int b)
{
    ALLEGRO_BITMAP* bitmap = MakeFilledBitmap(w, h, al_map_rgb(r, g, b));
    PutPixelOn(bitmap, 0, 0, al_map_rgba(0, 0, 0, 0));
    return bitmap;
}

void AddPicture(Sprite& sprite, int w, int h, int r, int g, int b, const char* name)
{
    ALLEGRO_BITMAP* bitmap = Picture(w, h, r, g, b);
    ASSERT_TRUE(sprite.AddFrame(bitmap, name));
    al_destroy_bitmap(bitmap);
}

// The editor's way of running a command: the step is taken before the change
// and recorded after it.
struct Editing {
    Sprite sprite;
    std::string fileName = "(unsaved file)";
    UndoHistory<SpriteUndoStep> history;
    int16_t shown = 0;

    void Change(SpriteUndoStep undo, const std::function<void()>& change)
    {
        change();
        history.Record(std::move(undo));
    }
    bool Undo()
    {
        return history.Undo([&](const SpriteUndoStep& s) { return ApplySpriteUndoStep(sprite, fileName, s, shown); });
    }
    bool Redo()
    {
        return history.Redo([&](const SpriteUndoStep& s) { return ApplySpriteUndoStep(sprite, fileName, s, shown); });
    }
};

}  // namespace

TEST(SpriteUndo, EveryCommandUndoesToTheStateBeforeItAndRedoesToTheStateAfterIt)
{
    Editing e;
    AddPicture(e.sprite, 4, 3, 255, 0, 0, "red.bmp");
    AddPicture(e.sprite, 5, 2, 0, 255, 0, "green.bmp");
    e.sprite.SetFrameTime(1, 20);

    struct Command {
        const char* what;
        std::function<void(Editing&)> run;
        int16_t shownAfterUndo;  // -7: the shown frame is left alone
    };
    const std::vector<Command> commands = {
        {"add frame",
         [](Editing& e) {
             e.Change(CaptureSpriteFrames(e.sprite, e.sprite.GetFrameCount(), 0, 1),
                      [&] { AddPicture(e.sprite, 2, 2, 0, 0, 255, "blue.tga"); });
         },
         1},  // the frame before the removed one
        {"delete frame 1",
         [](Editing& e) {
             e.Change(CaptureSpriteFrames(e.sprite, 1, 1, 0), [&] { e.sprite.DeleteFrame(1); });
         },
         1},
        {"new picture for frame 0",
         [](Editing& e) {
             e.Change(CaptureSpriteFrames(e.sprite, 0, 1, 1), [&] {
                 ALLEGRO_BITMAP* bitmap = Picture(6, 6, 9, 9, 9);
                 e.sprite.SetFrameImage(0, bitmap);
                 al_destroy_bitmap(bitmap);
             });
         },
         0},
        {"time of frame 1",
         [](Editing& e) { e.Change(CaptureSpriteTimes(e.sprite, 1, 1), [&] { e.sprite.SetFrameTime(1, -1); }); }, 1},
        {"time of every frame",
         [](Editing& e) {
             e.Change(CaptureSpriteTimes(e.sprite, 0, e.sprite.GetFrameCount()), [&] {
                 for (int16_t i = 0; i < e.sprite.GetFrameCount(); ++i) e.sprite.SetFrameTime(i, 1000);
             });
         },
         -7},
        {"description",
         [](Editing& e) {
             e.Change(CaptureSpriteFrames(e.sprite, 0, 0, 0), [&] { e.sprite.description = "Fast mower"; });
         },
         -7},
        {"legacy import over everything",
         [](Editing& e) {
             SpriteUndoStep undo = CaptureSpriteFrames(e.sprite, 0, e.sprite.GetFrameCount(), 0);
             undo.restoresFileName = true;
             undo.fileName = e.fileName;
             Sprite fresh;
             AddPicture(fresh, 3, 3, 50, 60, 70, "old");
             AddPicture(fresh, 3, 3, 80, 90, 100, "old");
             AddPicture(fresh, 3, 3, 110, 120, 130, "old");
             fresh.description = "Old mower";
             e.sprite.Swap(fresh);
             undo.replaceCount = e.sprite.GetFrameCount();
             e.fileName = "legacy/old3.spr";
             e.history.Record(std::move(undo));
         },
         0},
    };

    std::vector<SpriteState> states = {StateOf(e.sprite, e.fileName)};
    for (const Command& command : commands) {
        command.run(e);
        states.push_back(StateOf(e.sprite, e.fileName));
        EXPECT_FALSE(states.back() == states[states.size() - 2]) << command.what << " changed nothing";
    }
    for (size_t i = commands.size(); i-- > 0;) {
        e.shown = -7;
        ASSERT_TRUE(e.Undo()) << commands[i].what;
        EXPECT_TRUE(StateOf(e.sprite, e.fileName) == states[i]) << "undo of " << commands[i].what;
        EXPECT_EQ(e.shown, commands[i].shownAfterUndo) << "undo of " << commands[i].what;
        // The restored frames are whole again: shadows and the collision square follow frame 0.
        for (const SpriteFrame& frame : e.sprite.frames) EXPECT_TRUE(frame.hasShadow) << commands[i].what;
        EXPECT_EQ(e.sprite.right, ComputeSpriteBounds(e.sprite.GetFrameWidth(0), e.sprite.GetFrameHeight(0)).right);
    }
    EXPECT_FALSE(e.Undo());
    for (size_t i = 0; i < commands.size(); ++i) {
        ASSERT_TRUE(e.Redo()) << commands[i].what;
        EXPECT_TRUE(StateOf(e.sprite, e.fileName) == states[i + 1]) << "redo of " << commands[i].what;
    }
    EXPECT_FALSE(e.Redo());
    EXPECT_EQ(e.fileName, "legacy/old3.spr");
}

TEST(SpriteUndo, StepsHoldOnlyThePicturesACommandChanged)
{
    Sprite sprite;
    for (int i = 0; i < 4; ++i) AddPicture(sprite, 10, 8, 200, 0, 0, "frame");
    const size_t framePixels = 10 * 8 * 4;
    EXPECT_EQ(SpriteUndoStepBytes(CaptureSpriteFrames(sprite, 4, 0, 1)), 0u);  // adding: nothing to keep
    EXPECT_EQ(SpriteUndoStepBytes(CaptureSpriteTimes(sprite, 0, 4)), 0u);     // times alone
    EXPECT_EQ(SpriteUndoStepBytes(CaptureSpriteFrames(sprite, 0, 0, 0)), 0u);  // the description
    EXPECT_EQ(SpriteUndoStepBytes(CaptureSpriteFrames(sprite, 2, 1, 1)), framePixels);
    // Ranges past the end are cut to the frames there are.
    EXPECT_EQ(SpriteUndoStepBytes(CaptureSpriteFrames(sprite, 3, 5, 0)), framePixels);
    EXPECT_EQ(CaptureSpriteTimes(sprite, 2, 9).times.size(), 2u);

    // Undoing the only frame's addition leaves no frames and frame 0 shown.
    Sprite single;
    std::string name = "x.spr";
    const SpriteUndoStep add = CaptureSpriteFrames(single, 0, 0, 1);
    AddPicture(single, 2, 2, 1, 2, 3, "one");
    int16_t shown = 0;
    const SpriteUndoStep redo = ApplySpriteUndoStep(single, name, add, shown);
    EXPECT_EQ(single.GetFrameCount(), 0);
    EXPECT_EQ(shown, 0);
    EXPECT_EQ(SpriteUndoStepBytes(redo), 2u * 2u * 4u);
    EXPECT_EQ(name, "x.spr");  // only a legacy import's step carries the file name
}
