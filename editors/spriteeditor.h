// The sprite editor: a full-screen editor that builds animated sprites frame
// by frame from image files, previews them over a lawn and saves them.
#pragma once

#include "content/sprite.h"
#include "editors/spriteundo.h"
#include "editors/undohistory.h"
#include "kwui/toolbar.h"

#include <cstdint>
#include <string>

// The toolbar's buttons by index (separators count as entries).
enum SpriteEditorButton {
    kSpriteButtonNew = 0,
    kSpriteButtonLoad,
    kSpriteButtonSave,
    kSpriteButtonSaveAs,
    kSpriteButtonExit,
    kSpriteSeparator1,
    kSpriteButtonUndo,
    kSpriteButtonRedo,
    kSpriteSeparatorUndo,
    kSpriteButtonPrevious,
    kSpriteButtonNext,
    kSpriteSeparator2,
    kSpriteButtonAddFrame,
    kSpriteButtonDeleteFrame,
    kSpriteButtonFrameTime,
    kSpriteButtonImportImage,
    kSpriteButtonExportImage,
    kSpriteSeparator3,
    kSpriteButtonPreview,
    kSpriteButtonDescription,
    kSpriteButtonAllFramesTime,
    kSpriteSeparator4,
    kSpriteButtonZoomIn,
    kSpriteButtonZoomOut,
    kSpriteButtonOnionSkin,
    kSpriteSeparator5,
    kSpriteButtonImportZentor,
    kSpriteButtonCount
};

struct SpriteEditor {
    static constexpr const char* kUnsavedName = "(unsaved file)";

    KW_Toolbar toolbar;
    Sprite sprite;
    std::string fileName = kUnsavedName;
    int16_t zoom = 5;          // frame view and preview scale, 1 to 16
    int16_t currentFrame = 0;  // a valid index while the sprite has frames
    UndoHistory<SpriteUndoStep> history;
    bool onionSkin = false;  // the previous frame shows faintly under the current one
};

// Runs the editor until the user confirms Exit. Every call starts with an
// empty, unsaved sprite and ends by emptying it again.
void RunSpriteEditor(SpriteEditor& editor);

// The preview screen: the sprite animated and spinning over a generated lawn
// until V, Escape or a mouse button. Needs a display.
void RunSpritePreview(SpriteEditor& editor);
// A display-sized (width x height) lawn bitmap, or null when none could be made.
ALLEGRO_BITMAP* CreateLawnBackdrop(int width, int height);
