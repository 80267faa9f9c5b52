// Input: one key character latched per frame, the mouse helpers, frame end.
#include "kwui/input.h"

#include "kwui/closing.h"
#include "kwui/console.h"
#include "kwui/core.h"
#include "kwui/timing.h"
#include "kwui/tooltip.h"

#include <cstdio>
#include <cstdlib>
#include <string>

// F11, or Alt with either Enter: full screen on or off, on every screen. The
// key goes no further (Alt+Enter is no Enter); a held key toggles once.
static bool IsFullScreenKey(const ALLEGRO_KEYBOARD_EVENT& key)
{
    if (key.keycode == ALLEGRO_KEY_F11) return true;
    return (key.keycode == ALLEGRO_KEY_ENTER || key.keycode == ALLEGRO_KEY_PAD_ENTER) &&
           (key.modifiers & ALLEGRO_KEYMOD_ALT) != 0;
}

void KW_PollEvents()
{
    if (kwAudioHooks.update) kwAudioHooks.update();
    KW_ClearKey();
    if (!kwQueue) return;

    // Take events until a key character turns up; anything behind it waits
    // for the next frame. At most 16 other events go per call.
    int discarded = 0;
    ALLEGRO_EVENT event;
    while (discarded < 16 && !al_is_event_queue_empty(kwQueue)) {
        if (!al_wait_for_event_timed(kwQueue, &event, 1.0f)) break;
        if (event.type == ALLEGRO_EVENT_DISPLAY_CLOSE) {
            KW_CloseWindow();
            continue;
        }
        if (event.type == ALLEGRO_EVENT_DISPLAY_RESIZE) {
            if (kwDisplay) al_acknowledge_resize(kwDisplay);
            KW_TargetFrame();
            continue;
        }
        if (event.type == ALLEGRO_EVENT_KEY_CHAR && IsFullScreenKey(event.keyboard)) {
            if (!event.keyboard.repeat && !KW_ToggleFullScreen())
                KW_Message("%s", "Full screen cannot be switched on this display.");
            continue;
        }
        if (event.type == ALLEGRO_EVENT_KEY_CHAR) {
            kwKeyPending = true;
            kwKeyCode = event.keyboard.keycode;
            kwKeyChar = event.keyboard.unichar;
            kwKeyModifiers = static_cast<int>(event.keyboard.modifiers);
            return;
        }
        ++discarded;
    }
}

bool KW_HotKeyMatches(int hotKey, int keyCode, int modifiers)
{
    if (hotKey <= 0 || keyCode <= 0) return false;
    const bool wantsCtrl = (hotKey & KW_HotKeyCtrl) != 0;
    const bool ctrlHeld = (modifiers & (ALLEGRO_KEYMOD_CTRL | ALLEGRO_KEYMOD_COMMAND)) != 0;
    return (hotKey & ~KW_HotKeyCtrl) == keyCode && wantsCtrl == ctrlHeld;
}

bool KW_HotKeyPressed(int hotKey)
{
    return kwKeyPending && KW_HotKeyMatches(hotKey, kwKeyCode, kwKeyModifiers);
}

// Where the frame lies in the window, from the last frame shown.
static KW_FrameFit gFit{0, 0, 0, 0};

KW_FrameFit KW_FitFrame(int frameW, int frameH, int windowW, int windowH)
{
    if (frameW <= 0 || frameH <= 0 || windowW <= 0 || windowH <= 0) return {0, 0, frameW, frameH};
    if (frameW == windowW && frameH == windowH) return {0, 0, frameW, frameH};
    // the whole frame, as large as the window allows, its shape kept, centred
    int w = windowW, h = static_cast<int>(static_cast<long long>(frameH) * windowW / frameW);
    if (h > windowH) {
        h = windowH;
        w = static_cast<int>(static_cast<long long>(frameW) * windowH / frameH);
    }
    return {(windowW - w) / 2, (windowH - h) / 2, w, h};
}

void KW_RefreshMouse()
{
    if (kwDisplay) al_grab_mouse(kwDisplay);
    al_get_mouse_state(&kwMouse);
    // the pointer in the screens' own pixels
    if (gFit.w > 0 && gFit.h > 0 && (gFit.w != kwScreenW || gFit.h != kwScreenH)) {
        kwMouse.x = static_cast<int>(static_cast<long long>(kwMouse.x - gFit.x) * kwScreenW / gFit.w);
        kwMouse.y = static_cast<int>(static_cast<long long>(kwMouse.y - gFit.y) * kwScreenH / gFit.h);
    }
}

int KW_GetMouseX()
{
    KW_RefreshMouse();
    return kwMouse.x;
}

int KW_GetMouseY()
{
    KW_RefreshMouse();
    return kwMouse.y;
}

int KW_GetMouseZ()
{
    KW_RefreshMouse();
    return kwMouse.z;
}

int KW_GetMouseButtons()
{
    KW_RefreshMouse();
    return kwMouse.buttons;
}

bool KW_MouseLeftDown() { return (KW_GetMouseButtons() & 1) != 0; }
bool KW_MouseRightDown() { return (KW_GetMouseButtons() & 2) != 0; }

void KW_WaitMouseRelease()
{
    // Rest between polls so that holding a button never spins a core.
    for (;;) {
        al_get_mouse_state(&kwMouse);
        if (kwMouse.buttons == 0) return;
        al_rest(0.001);
    }
}

void (*kwFramePresentedHook)() = nullptr;

unsigned KW_FramesPresented() { return kwContext.framesPresented; }

std::string KW_FrameEndFault()
{
    if (kwDisplay && al_get_target_bitmap() != KW_FrameBitmap())
        return "the drawing target was not put back on the screen";
    if (!KW_QueuedToolTips().empty()) return "tool tips were left in the queue";
    return "";
}

// Debug and sanitizer builds stop at a frame that leaves the wrong state
// behind, where the fault is, instead of frames later on a blank screen.
#if !defined(NDEBUG) || defined(__SANITIZE_ADDRESS__)
static void CheckFrameEnd(const char* when)
{
    const std::string fault = KW_FrameEndFault();
    if (fault.empty()) return;
    std::fprintf(stderr, "KW_PresentFrame: %s %s\n", when, fault.c_str());
    std::abort();
}
#else
static void CheckFrameEnd(const char*) {}
#endif

void KW_PresentFrame()
{
    // the screen's own drawing is done: it must have drawn onto the screen
    if (kwDisplay && al_get_target_bitmap() != KW_FrameBitmap()) CheckFrameEnd("on entry:");
    ++kwContext.framesPresented;
    KW_PollEvents();
    KW_WaitForTick();
    KW_DrawConsoleAtFrameEnd();
    KW_DrawToolTips();
    CheckFrameEnd("at the flip:");
    KW_ShowFrame();
    if (kwFramePresentedHook) kwFramePresentedHook();
}

void KW_ShowFrame()
{
    if (!kwDisplay) return;
    ALLEGRO_BITMAP* const frame = KW_FrameBitmap();
    ALLEGRO_BITMAP* const back = al_get_backbuffer(kwDisplay);
    if (frame && frame != back) {
        al_set_target_bitmap(back);
        int op, src, dst;
        al_get_blender(&op, &src, &dst);
        al_set_blender(ALLEGRO_ADD, ALLEGRO_ONE, ALLEGRO_ZERO);  // the frame's pixels as they are
        const int frameW = al_get_bitmap_width(frame), frameH = al_get_bitmap_height(frame);
        gFit = KW_FitFrame(frameW, frameH, al_get_bitmap_width(back), al_get_bitmap_height(back));
        if (gFit.x == 0 && gFit.y == 0 && gFit.w == frameW && gFit.h == frameH) {
            al_draw_bitmap(frame, 0, 0, 0);
        } else {
            al_clear_to_color(al_map_rgb(0, 0, 0));
            al_draw_scaled_bitmap(frame, 0, 0, static_cast<float>(frameW), static_cast<float>(frameH),
                                  static_cast<float>(gFit.x), static_cast<float>(gFit.y), static_cast<float>(gFit.w),
                                  static_cast<float>(gFit.h), 0);
        }
        al_set_blender(op, src, dst);
        al_flip_display();
        al_set_target_bitmap(frame);
        return;
    }
    al_flip_display();
}
