// Input: one key character latched per frame, the mouse helpers, frame end.
#include "kwui/input.h"

#include "kwui/closing.h"
#include "kwui/console.h"
#include "kwui/core.h"
#include "kwui/frame.h"
#include "kwui/timing.h"
#include "kwui/tooltip.h"

#include <cstdio>
#include <cstdlib>
#include <string>

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
        if (KW_TakeFrameEvent(event)) continue;
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

void KW_RefreshMouse()
{
    if (kwDisplay) al_grab_mouse(kwDisplay);
    al_get_mouse_state(&kwMouse);
    KW_WindowToScreen(kwMouse.x, kwMouse.y);
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
    if (kwDisplay && al_get_target_bitmap() != al_get_backbuffer(kwDisplay)) CheckFrameEnd("on entry:");
    ++kwContext.framesPresented;
    KW_PollEvents();
    KW_WaitForTick();
    KW_DrawConsoleAtFrameEnd();
    KW_DrawToolTips();
    CheckFrameEnd("at the flip:");
    if (kwDisplay) KW_ShowFrame();
    if (kwFramePresentedHook) kwFramePresentedHook();
}
