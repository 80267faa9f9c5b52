// Drawing only what changed: the frame end's decision and the clip that
// carries it out.
#include "kwui/redraw.h"

#include "kwui/core.h"
#include "kwui/frame.h"
#include "kwui/timing.h"

#include <algorithm>

static KW_RedrawState& State() { return kwContext.redraw; }

void KW_RedrawAll()
{
    KW_RedrawState& state = State();
    state.settle = kwSettleFrames;
    if (state.mode == KW_DrawMode::Whole) return;
    // Part of this frame may already be drawn clipped: the rest is drawn
    // whole, so that screens go on as in any drawn frame, but it is not shown.
    state.spoiled = true;
    state.mode = KW_DrawMode::Whole;
    if (kwDisplay && al_get_target_bitmap() == KW_FrameBitmap()) al_reset_clipping_rectangle();
}

void KW_RedrawArea(int x1, int y1, int x2, int y2)
{
    KW_RedrawState& state = State();
    if (x2 < x1 || y2 < y1) return;
    if (!state.wantArea) {
        state.areaX1 = x1, state.areaY1 = y1, state.areaX2 = x2, state.areaY2 = y2;
        state.wantArea = true;
        return;
    }
    state.areaX1 = std::min(state.areaX1, x1);
    state.areaY1 = std::min(state.areaY1, y1);
    state.areaX2 = std::max(state.areaX2, x2);
    state.areaY2 = std::max(state.areaY2, y2);
}

KW_DrawMode KW_FrameDrawMode() { return State().mode; }

bool KW_FrameIsDrawn() { return State().mode != KW_DrawMode::Nothing; }

bool KW_DrawingSkipped()
{
    return State().mode == KW_DrawMode::Nothing && kwDisplay && al_get_target_bitmap() == KW_FrameBitmap();
}

void KW_NoteConsoleChange() { ++State().consoleChanges; }

KW_DrawMode KW_DecideNextFrame(KW_RedrawState& state, const KW_FrameFacts& facts)
{
    if (facts.events || facts.held || facts.consoleChanged || facts.toolTipsChanged || state.spoiled)
        state.settle = kwSettleFrames;
    state.spoiled = false;

    KW_DrawMode next = KW_DrawMode::Nothing;
    if (state.settle > 0) {
        --state.settle;
        next = KW_DrawMode::Whole;
    } else if (facts.now - state.lastWhole >= kwRedrawAtLeastMs) {
        next = KW_DrawMode::Whole;
    } else if (state.wantArea) {
        next = state.backBufferKept ? KW_DrawMode::Area : KW_DrawMode::Whole;
    }
    if (next == KW_DrawMode::Whole) state.lastWhole = facts.now;
    state.wantArea = false;
    state.mode = next;
    return next;
}

bool KW_FrameToBeShown()
{
    const KW_RedrawState& state = State();
    return state.mode != KW_DrawMode::Nothing && !state.spoiled;
}

static bool SomethingHeld()
{
    if (al_is_mouse_installed()) {
        ALLEGRO_MOUSE_STATE mouse;
        al_get_mouse_state(&mouse);
        if (mouse.buttons != 0) return true;
    }
    if (al_is_keyboard_installed()) {
        ALLEGRO_KEYBOARD_STATE keys;
        al_get_keyboard_state(&keys);
        for (int key = 1; key < ALLEGRO_KEY_MAX; ++key)
            if (al_key_down(&keys, key)) return true;
    }
    return false;
}

void KW_PrepareNextFrame(bool eventsTaken, uint64_t toolTipDigest)
{
    KW_RedrawState& state = State();
    KW_FrameFacts facts;
    facts.events = eventsTaken;
    facts.held = SomethingHeld();
    facts.consoleChanged = state.consoleChanges != state.consoleSeen;
    facts.toolTipsChanged = toolTipDigest != state.toolTipsSeen;
    facts.now = KW_FrameClock();
    state.consoleSeen = state.consoleChanges;
    state.toolTipsSeen = toolTipDigest;
    const int x1 = state.areaX1, y1 = state.areaY1, x2 = state.areaX2, y2 = state.areaY2;
    const KW_DrawMode next = KW_DecideNextFrame(state, facts);

    if (!kwDisplay || !al_get_target_bitmap()) return;
    switch (next) {
    case KW_DrawMode::Whole: al_reset_clipping_rectangle(); break;
    case KW_DrawMode::Area: {
        const int left = std::max(0, x1), top = std::max(0, y1);
        const int right = std::min(kwScreenW - 1, x2), bottom = std::min(kwScreenH - 1, y2);
        al_set_clipping_rectangle(left, top, std::max(0, right - left + 1), std::max(0, bottom - top + 1));
        break;
    }
    case KW_DrawMode::Nothing: al_set_clipping_rectangle(0, 0, 0, 0); break;
    }
}

void KW_ClipWithin(int x, int y, int w, int h)
{
    int cx, cy, cw, ch;
    al_get_clipping_rectangle(&cx, &cy, &cw, &ch);
    const int left = std::max(x, cx), top = std::max(y, cy);
    const int right = std::min(x + w, cx + cw), bottom = std::min(y + h, cy + ch);
    al_set_clipping_rectangle(left, top, std::max(0, right - left), std::max(0, bottom - top));
}

ALLEGRO_BITMAP* KW_TargetSubBitmap(int x, int y, int w, int h)
{
    ALLEGRO_BITMAP* parent = al_get_target_bitmap();
    if (!parent || w <= 0 || h <= 0) return nullptr;
    int cx, cy, cw, ch;
    al_get_clipping_rectangle(&cx, &cy, &cw, &ch);
    ALLEGRO_BITMAP* sub = al_create_sub_bitmap(parent, x, y, w, h);
    if (!sub) return nullptr;
    al_set_target_bitmap(sub);
    KW_ClipWithin(cx - x, cy - y, cw, ch);
    return sub;
}

void KW_ProbeBackBuffer()
{
    KW_RedrawState& state = State();
    state.backBufferKept = false;
    state.mode = KW_DrawMode::Whole;
    state.settle = kwSettleFrames;
    if (!kwDisplay) return;
    ALLEGRO_BITMAP* back = al_get_backbuffer(kwDisplay);
    al_set_target_bitmap(back);
    al_reset_clipping_rectangle();
    // Three frames of shades too dark to see: each must still be there after its flip.
    bool kept = true;
    for (int shade = 1; shade <= 3 && kept; ++shade) {
        al_clear_to_color(al_map_rgb(0, 0, shade));
        al_flip_display();
        // one pixel read back, not the whole buffer
        ALLEGRO_LOCKED_REGION* pixel =
            al_lock_bitmap_region(back, 0, 0, 1, 1, ALLEGRO_PIXEL_FORMAT_ABGR_8888, ALLEGRO_LOCK_READONLY);
        if (!pixel) {
            kept = false;
            break;
        }
        const auto* bytes = static_cast<const unsigned char*>(pixel->data);
        kept = bytes[0] == 0 && bytes[1] == 0 && bytes[2] == shade;
        al_unlock_bitmap(back);
    }
    state.backBufferKept = kept;
    // the window shows black again, as a new one does, until the first frame
    al_clear_to_color(al_map_rgb(0, 0, 0));
    al_flip_display();
    al_clear_to_color(al_map_rgb(0, 0, 0));
}
