// The sprite editor: a full-screen editor that builds animated sprites frame
// by frame from image files, previews them over a lawn and saves them.
#pragma once

#include "content/sprite.h"
#include "editors/document.h"
#include "editors/spriteundo.h"
#include "editors/undohistory.h"
#include "kwui/toolbar.h"

#include <cstdint>
#include <string>

struct SpriteEditor : EditorDocument {
    SpriteEditor();

    Sprite sprite;
    int16_t zoom = 5;          // frame view and preview scale, 1 to 16
    int16_t currentFrame = 0;  // a valid index while the sprite has frames
    UndoHistory<SpriteUndoStep> history;
    bool onionSkin = false;  // the previous frame shows faintly under the current one
protected:
    // The document: an empty sprite, described "(none)".
    void ResetDocument() override;
    bool ReadFile(const std::string& path) override;
    bool WriteFile(const std::string& path) override { return sprite.Save(path.c_str()); }
    std::string LastError() const override { return sprite.lastError; }
    UndoRevisions& History() override { return history; }
    const UndoRevisions& History() const override { return history; }
    bool StepHistory(bool undo) override;
    std::string Title(const std::string& markedName) const override;
};

// Runs the editor until the user confirms Exit. Every call starts with an
// empty, unsaved sprite and ends by emptying it again.
void RunSpriteEditor(SpriteEditor& editor);

// The preview screen: the sprite animated and spinning over a generated lawn
// until V, Escape or a mouse button. Needs a display.
void RunSpritePreview(SpriteEditor& editor);
// A display-sized (width x height) lawn bitmap, or null when none could be made.
ALLEGRO_BITMAP* CreateLawnBackdrop(int width, int height);
