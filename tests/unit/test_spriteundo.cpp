// The sprite editor's undo steps: every change is put back exactly by Undo, made again by Redo, and shows its frame.
#include "content_testing.h"
#include "editors/spriteops.h"
#include "editors/spriteundo.h"
#include "editors/undohistory.h"

#include <tuple>

namespace {

// Everything of a sprite a user can see or save.
using Picture = std::tuple<int, int, std::vector<uint8_t>>;
using SpriteState =
    std::tuple<std::string, std::string, std::vector<int16_t>, std::vector<std::string>, std::vector<Picture>>;

SpriteState StateOf(const Sprite& sprite, const std::string& fileName)
{
    SpriteState state{sprite.description, fileName, {}, {}, {}};
    for (const SpriteFrame& frame : sprite.frames) {
        const FramePicture picture = CaptureFramePicture(frame.image);
        std::get<2>(state).push_back(frame.displayTime);
        std::get<3>(state).push_back(frame.name);
        std::get<4>(state).emplace_back(picture.width, picture.height, picture.pixels);
    }
    return state;
}

// Adds a w x h frame of one colour with a transparent top-left pixel.
void AddPicture(Sprite& sprite, int w, int h, int r, int g, int b, const char* name)
{
    ALLEGRO_BITMAP* bitmap = MakeFilledBitmap(w, h, al_map_rgb(r, g, b));
    PutPixelOn(bitmap, 0, 0, al_map_rgba(0, 0, 0, 0));
    ASSERT_TRUE(sprite.AddFrame(bitmap, name));
    al_destroy_bitmap(bitmap);
}

// A sprite under editing, its history and the frame shown.
struct Editing {
    Sprite sprite;
    std::string fileName = "(unsaved file)";
    UndoHistory<SpriteUndoStep> history;
    int16_t shown = 0;

    SpriteUndoStep Apply(const SpriteUndoStep& step) { return ApplySpriteUndoStep(sprite, fileName, step, shown); }
    bool Undo() { return history.Undo([this](const SpriteUndoStep& s) { return Apply(s); }); }
    bool Redo() { return history.Redo([this](const SpriteUndoStep& s) { return Apply(s); }); }
};

}  // namespace

TEST(SpriteUndo, EveryCommandUndoesToTheStateBeforeItAndRedoesToTheStateAfterIt)
{
    Editing e;
    AddPicture(e.sprite, 4, 3, 255, 0, 0, "red.bmp");
    AddPicture(e.sprite, 5, 2, 0, 255, 0, "green.bmp");
    e.sprite.SetFrameTime(1, 20);

    // The step taken before a command, the change (which may complete it), the frame shown after undo (-7: kept).
    struct Command {
        const char* what;
        std::function<SpriteUndoStep(const Sprite&)> capture;
        std::function<void(Editing&, SpriteUndoStep&)> change;
        int16_t shownAfterUndo;
    };
    const std::vector<Command> commands = {
        {"add frame", [](const Sprite& s) { return CaptureSpriteFrames(s, s.GetFrameCount(), 0, 1); },
         [](Editing& e, SpriteUndoStep&) { AddPicture(e.sprite, 2, 2, 0, 0, 255, "blue.tga"); },
         1},  // the frame before the removed one
        {"delete frame 1", [](const Sprite& s) { return CaptureSpriteFrames(s, 1, 1, 0); },
         [](Editing& e, SpriteUndoStep&) { e.sprite.DeleteFrame(1); }, 1},
        {"new picture for frame 0", [](const Sprite& s) { return CaptureSpriteFrames(s, 0, 1, 1); },
         [](Editing& e, SpriteUndoStep&) {
             ALLEGRO_BITMAP* bitmap = MakeFilledBitmap(6, 6, al_map_rgb(9, 9, 9));
             e.sprite.SetFrameImage(0, bitmap);
             al_destroy_bitmap(bitmap);
         },
         0},
        {"time of every frame", [](const Sprite& s) { return CaptureSpriteTimes(s, 0, s.GetFrameCount()); },
         [](Editing& e, SpriteUndoStep&) {
             for (int16_t i = 0; i < e.sprite.GetFrameCount(); ++i) e.sprite.SetFrameTime(i, 1000);
         },
         -7},
        {"description", [](const Sprite& s) { return CaptureSpriteFrames(s, 0, 0, 0); },
         [](Editing& e, SpriteUndoStep&) { e.sprite.description = "Fast mower"; }, -7},
        {"legacy import over everything",
         [](const Sprite& s) { return CaptureSpriteFrames(s, 0, s.GetFrameCount(), 0); },
         [](Editing& e, SpriteUndoStep& undo) {
             undo.restoresFileName = true;
             undo.fileName = e.fileName;
             Sprite fresh;
             for (int c = 50; c <= 110; c += 30) AddPicture(fresh, 3, 3, c, c + 10, c + 20, "old");
             fresh.description = "Old mower";
             e.sprite.Swap(fresh);
             undo.replaceCount = e.sprite.GetFrameCount();
             e.fileName = "legacy/old3.spr";
         },
         0},
    };

    std::vector<SpriteState> states = {StateOf(e.sprite, e.fileName)};
    for (const Command& command : commands) {
        SpriteUndoStep undo = command.capture(e.sprite);
        command.change(e, undo);
        e.history.Record(std::move(undo));
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
    for (size_t i = 0; i < commands.size(); ++i) {
        ASSERT_TRUE(e.Redo()) << commands[i].what;
        EXPECT_TRUE(StateOf(e.sprite, e.fileName) == states[i + 1]) << "redo of " << commands[i].what;
    }
}
