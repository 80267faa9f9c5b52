// Full screen on F11 / Alt+Enter, the frame picture of a scaled window and its
// way into the window, sharp pixels.
#include "kwui/frame.h"

#include "kwui/console.h"
#include "kwui/core.h"

#include <algorithm>

// The screens' picture while the window is a full-screen one of another size;
// null while the window has the screens' size and they draw into the back buffer.
static ALLEGRO_BITMAP* gFrame = nullptr;
static bool gSharp = false;
// Full screen made by growing the window itself (no window manager took the
// request), and where the window stood before.
static bool gGrownWindow = false;
static int gWindowX = 0, gWindowY = 0;

ALLEGRO_BITMAP* KW_FrameBitmap()
{
    if (gFrame) return gFrame;
    return kwDisplay ? al_get_backbuffer(kwDisplay) : nullptr;
}

bool KW_FrameKeptAfterShow() { return gFrame || kwContext.redraw.backBufferKept; }

void KW_TargetFrame()
{
    if (ALLEGRO_BITMAP* frame = KW_FrameBitmap()) al_set_target_bitmap(frame);
}

// Pixels as they are, whatever the screen's blending.
class CopyPixels {
public:
    CopyPixels()
    {
        al_get_blender(&op, &src, &dst);
        al_set_blender(ALLEGRO_ADD, ALLEGRO_ONE, ALLEGRO_ZERO);
    }
    ~CopyPixels() { al_set_blender(op, src, dst); }
    CopyPixels(const CopyPixels&) = delete;
    CopyPixels& operator=(const CopyPixels&) = delete;

private:
    int op = 0, src = 0, dst = 0;
};

static void DropFrame()
{
    if (!gFrame) return;
    if (al_get_target_bitmap() == gFrame && kwDisplay) al_set_target_backbuffer(kwDisplay);
    al_destroy_bitmap(gFrame);
    gFrame = nullptr;
}

void KW_ForgetFrame()
{
    DropFrame();
    gGrownWindow = false;
}

static ALLEGRO_BITMAP* MakeScreenBitmap(bool filtered)
{
    const int oldFlags = al_get_new_bitmap_flags();
    al_set_new_bitmap_flags(ALLEGRO_VIDEO_BITMAP | (filtered ? ALLEGRO_MIN_LINEAR | ALLEGRO_MAG_LINEAR : 0));
    ALLEGRO_BITMAP* bitmap = al_create_bitmap(kwScreenW, kwScreenH);
    al_set_new_bitmap_flags(oldFlags);
    return bitmap;
}

// Draws one screen-size picture into another, 1:1; the target is left on `to`.
static void CopyScreen(ALLEGRO_BITMAP* from, ALLEGRO_BITMAP* to)
{
    al_set_target_bitmap(to);
    if (!from) {
        al_clear_to_color(al_map_rgb(0, 0, 0));
        return;
    }
    const CopyPixels copy;
    al_draw_bitmap_region(from, 0, 0, static_cast<float>(kwScreenW), static_cast<float>(kwScreenH), 0, 0, 0);
}

// The frame picture exists exactly while the window's size differs from the
// screens'; what was drawn so far goes over, and the target is left on it.
// `drawn`: the picture drawn so far when the back buffer may have lost it.
static void FitFrameToWindow(ALLEGRO_BITMAP* drawn)
{
    if (!kwDisplay) return;
    const bool scaled = al_get_display_width(kwDisplay) != kwScreenW || al_get_display_height(kwDisplay) != kwScreenH;
    if (scaled && !gFrame) {
        gFrame = MakeScreenBitmap(!gSharp);
        if (gFrame && !drawn) CopyScreen(nullptr, gFrame);
    } else if (!scaled && gFrame) {
        if (!drawn) drawn = gFrame;
        CopyScreen(drawn, al_get_backbuffer(kwDisplay));
        if (drawn == gFrame) drawn = nullptr;
        DropFrame();
    }
    if (drawn && drawn != KW_FrameBitmap()) CopyScreen(drawn, KW_FrameBitmap());
    KW_TargetFrame();
}

bool KW_SharpPixels() { return gSharp; }

void KW_SetSharpPixels(bool sharp)
{
    if (sharp == gSharp) return;
    gSharp = sharp;
    if (!gFrame) return;
    // the filtering belongs to the picture: a new one, with what it held
    const bool wasTarget = al_get_target_bitmap() == gFrame;
    ALLEGRO_BITMAP* const old = gFrame;
    ALLEGRO_BITMAP* const remade = MakeScreenBitmap(!sharp);
    if (!remade) return;
    ALLEGRO_BITMAP* const previous = al_get_target_bitmap();
    CopyScreen(old, remade);
    gFrame = remade;
    al_set_target_bitmap(wasTarget ? remade : previous);
    al_destroy_bitmap(old);
}

static bool CoversDesktop(int& desktopW, int& desktopH)
{
    return KW_GetDesktopSize(desktopW, desktopH) && al_get_display_width(kwDisplay) == desktopW &&
           al_get_display_height(kwDisplay) == desktopH;
}

static bool GoFullScreen()
{
    al_set_display_flag(kwDisplay, ALLEGRO_FULLSCREEN_WINDOW, true);
    al_acknowledge_resize(kwDisplay);
    int desktopW = 0, desktopH = 0;
    if (CoversDesktop(desktopW, desktopH)) return true;
    // No window manager answered: the window grows over the screen on its own.
    al_set_display_flag(kwDisplay, ALLEGRO_FULLSCREEN_WINDOW, false);
    if (desktopW <= 0 || desktopH <= 0) return false;
    al_get_window_position(kwDisplay, &gWindowX, &gWindowY);
    if (!al_resize_display(kwDisplay, desktopW, desktopH)) return false;
    al_set_window_position(kwDisplay, 0, 0);
    gGrownWindow = true;
    return true;
}

static bool LeaveFullScreen()
{
    if (!gGrownWindow) {
        const bool left = al_set_display_flag(kwDisplay, ALLEGRO_FULLSCREEN_WINDOW, false);
        al_acknowledge_resize(kwDisplay);
        return left;
    }
    gGrownWindow = false;
    const bool resized = al_resize_display(kwDisplay, kwScreenW, kwScreenH);
    al_set_window_position(kwDisplay, gWindowX, gWindowY);
    return resized;
}

bool KW_ToggleFullScreen()
{
    if (!kwDisplay) return false;
    // a display made in a full-screen mode of its own has no window to grow
    if (al_get_display_flags(kwDisplay) & ALLEGRO_FULLSCREEN) return false;
    // The back buffer may lose its pixels with the window's size: the frame
    // drawn so far is kept aside and put back.
    ALLEGRO_BITMAP* drawn = nullptr;
    if (!gFrame && (drawn = MakeScreenBitmap(false))) CopyScreen(al_get_backbuffer(kwDisplay), drawn);
    const bool full = kwWindowed;
    const bool switched = full ? GoFullScreen() : LeaveFullScreen();
    if (switched) {
        kwWindowed = !full;
        kwForcedWindowed = -1;  // the player's own choice goes to kwui2.ini
    }
    FitFrameToWindow(drawn);
    if (drawn) al_destroy_bitmap(drawn);
    return switched;
}

// F11, or Alt with either Enter.
static bool IsFullScreenKey(const ALLEGRO_KEYBOARD_EVENT& key)
{
    if (key.keycode == ALLEGRO_KEY_F11) return true;
    return (key.keycode == ALLEGRO_KEY_ENTER || key.keycode == ALLEGRO_KEY_PAD_ENTER) &&
           (key.modifiers & ALLEGRO_KEYMOD_ALT) != 0;
}

bool KW_TakeFrameEvent(const ALLEGRO_EVENT& event)
{
    if (event.type == ALLEGRO_EVENT_DISPLAY_RESIZE) {
        if (kwDisplay && event.display.source == kwDisplay) {
            al_acknowledge_resize(kwDisplay);
            FitFrameToWindow(nullptr);
        }
        return true;
    }
    if (event.type != ALLEGRO_EVENT_KEY_CHAR || !IsFullScreenKey(event.keyboard)) return false;
    // a held key switches once
    if (!event.keyboard.repeat && !KW_ToggleFullScreen())
        KW_Message("%s", "Full screen cannot be switched on this display.");
    return true;
}

KW_FrameFit KW_FitFrame(int frameW, int frameH, int windowW, int windowH, bool sharp)
{
    if (frameW <= 0 || frameH <= 0 || windowW <= 0 || windowH <= 0) return {0, 0, frameW, frameH};
    int w, h;
    const int scale = std::min(windowW / frameW, windowH / frameH);
    if (sharp && scale >= 1) {
        w = frameW * scale;
        h = frameH * scale;
    } else {
        // as large as the window allows, its shape kept
        w = windowW;
        h = static_cast<int>(static_cast<long long>(frameH) * windowW / frameW);
        if (h > windowH) {
            h = windowH;
            w = static_cast<int>(static_cast<long long>(frameW) * windowH / frameH);
        }
    }
    return {(windowW - w) / 2, (windowH - h) / 2, w, h};
}

static KW_FrameFit CurrentFit()
{
    return KW_FitFrame(kwScreenW, kwScreenH, al_get_display_width(kwDisplay), al_get_display_height(kwDisplay),
                       gSharp);
}

// value * num / den rounded down, also below zero (a pointer on the black left of the picture is off the screen).
static int ScaleDown(int value, int num, int den)
{
    const long long product = static_cast<long long>(value) * num;
    return static_cast<int>(product >= 0 ? product / den : -((-product + den - 1) / den));
}

void KW_WindowToScreen(int& x, int& y)
{
    if (!gFrame || !kwDisplay) return;
    const KW_FrameFit fit = CurrentFit();
    if (fit.w <= 0 || fit.h <= 0) return;
    x = ScaleDown(x - fit.x, kwScreenW, fit.w);
    y = ScaleDown(y - fit.y, kwScreenH, fit.h);
}

void KW_ShowFrame()
{
    if (!kwDisplay) return;
    if (!gFrame) {
        al_flip_display();
        return;
    }
    al_set_target_backbuffer(kwDisplay);
    al_clear_to_color(al_map_rgb(0, 0, 0));
    const KW_FrameFit fit = CurrentFit();
    {
        const CopyPixels copy;
        al_draw_scaled_bitmap(gFrame, 0, 0, static_cast<float>(kwScreenW), static_cast<float>(kwScreenH),
                              static_cast<float>(fit.x), static_cast<float>(fit.y), static_cast<float>(fit.w),
                              static_cast<float>(fit.h), 0);
    }
    al_flip_display();
    al_set_target_bitmap(gFrame);
}
