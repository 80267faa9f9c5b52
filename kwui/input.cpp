// Input: one key character latched per frame, the mouse helpers, frame end.
#include "kwui/input.h"

#include "kwui/closing.h"
#include "kwui/console.h"
#include "kwui/core.h"
#include "kwui/frame.h"
#include "kwui/redraw.h"
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
        kwContext.eventsTaken = true;
        if (event.type == ALLEGRO_EVENT_DISPLAY_CLOSE) {
            KW_CloseWindow();
            continue;
        }
        if (KW_TakeFrameEvent(event)) continue;
        if (event.type == ALLEGRO_EVENT_MOUSE_BUTTON_DOWN && event.mouse.button == 1) {
            int x = event.mouse.x, y = event.mouse.y;
            KW_WindowToScreen(x, y);
            kwContext.leftPress = true;
            kwContext.leftPressX = x;
            kwContext.leftPressY = y;
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

void KW_RefreshMouse()
{
    // The grab is a round trip to the display server: once a frame is enough.
    if (kwDisplay && kwContext.mouseGrabFrame != kwContext.framesPresented + 1) {
        al_grab_mouse(kwDisplay);
        kwContext.mouseGrabFrame = kwContext.framesPresented + 1;
    }
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
    kwContext.leftPress = false;  // the press is answered
    // Rest between polls so that holding a button never spins a core.
    for (;;) {
        al_get_mouse_state(&kwMouse);
        if (kwMouse.buttons == 0) return;
        al_rest(0.001);
    }
}

bool KW_TakeLeftPress(int& x, int& y)
{
    if (!kwContext.leftPress) return false;
    kwContext.leftPress = false;
    x = kwContext.leftPressX;
    y = kwContext.leftPressY;
    return true;
}

void (*kwFramePresentedHook)() = nullptr;

unsigned KW_FramesPresented() { return kwContext.framesPresented; }

const KW_FrameOverlays& KW_LastFrameOverlays() { return kwContext.overlays; }

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

// What the queued tool tips say and where: a different one is a change to show.
static uint64_t ToolTipDigest()
{
    uint64_t digest = 1469598103934665603ull;
    const auto mix = [&digest](uint64_t value) { digest = (digest ^ value) * 1099511628211ull; };
    for (const KW_ToolTip& tip : KW_QueuedToolTips()) {
        for (const char c : tip.text) mix(static_cast<unsigned char>(c));
        mix(static_cast<uint64_t>(tip.x) << 32 | static_cast<uint32_t>(tip.y));
    }
    return digest;
}

void KW_PresentFrame()
{
    // the screen's own drawing is done: it must have drawn onto the screen
    if (kwDisplay && al_get_target_bitmap() != al_get_backbuffer(kwDisplay)) CheckFrameEnd("on entry:");
    ++kwContext.framesPresented;
    KW_PollEvents();
    KW_WaitForTick();
    KW_FrameOverlays& overlays = kwContext.overlays;
    overlays.toolTips = !KW_QueuedToolTips().empty();
    overlays.console = KW_ConsoleArea(overlays.x1, overlays.y1, overlays.x2, overlays.y2);
    KW_DrawConsoleAtFrameEnd();
    const uint64_t toolTips = ToolTipDigest();
    KW_DrawToolTips();
    CheckFrameEnd("at the flip:");
    // An unchanged frame is not shown: the window keeps the last one.
    if (kwDisplay && KW_FrameToBeShown()) {
        KW_ShowFrame();
        if (kwFramePresentedHook) kwFramePresentedHook();
    }
    const bool eventsTaken = kwContext.eventsTaken;
    kwContext.eventsTaken = false;
    KW_PrepareNextFrame(eventsTaken, toolTips);
}
