// KWUI2 start-up and shut-down, the display, kwui2.ini's video section and
// the theme colours.
#include "kwui/core.h"

#include "kwui/console.h"
#include "kwui/dialogs.h"
#include "kwui/draw.h"
#include "kwui/frame.h"
#include "kwui/textures.h"
#include "kwui/timing.h"
#include "platform/platform.h"

#include <allegro5/allegro_image.h>
#include <allegro5/allegro_native_dialog.h>
#include <allegro5/allegro_primitives.h>

#include <algorithm>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <chrono>
#include <cstring>
#include <thread>
#include <string>

KW_Context kwContext;

void KW_ResetContext() { kwContext = KW_Context{}; }

std::string kwSettingsPath = "kwui2.ini";
std::vector<std::string> kwWindowIconPaths;
int kwForcedWindowed = -1;
std::string kwInitFailure;
// The windowed flag kwui2.ini held, written back while a forced mode lasts.
static bool gStoredWindowed = true;
static bool gStoredFullScreenWindow = false;

// [SECTION] Theme

const KW_Rgb kwThemeRgb[KWC_Count] = {
    {0, 0, 0},       {255, 0, 255},   {255, 255, 255}, {211, 211, 211}, {107, 107, 107}, {147, 147, 147},
    {179, 179, 179}, {79, 79, 79},    {3, 3, 255},     {255, 255, 255}, {55, 55, 255},   {0, 0, 0},
    {255, 255, 255}, {0, 0, 0},       {211, 211, 211}, {107, 107, 107}, {147, 147, 147}, {35, 35, 35},
    {131, 131, 131}, {27, 27, 255},   {255, 255, 255}, {0, 0, 0},       {128, 128, 128}, {0, 0, 0},
    {115, 115, 255}, {243, 115, 23},  {119, 79, 43},   {219, 219, 219}, {219, 219, 219}, {255, 255, 0},
    {255, 255, 0},   {83, 83, 255},   {255, 255, 255}, {255, 255, 255}, {3, 3, 131},     {3, 3, 131},
    {0, 0, 0},       {0, 0, 0},       {111, 3, 107},   {212, 208, 200}, {151, 151, 151}, {128, 255, 128},
    {129, 162, 255}, {47, 47, 47},    {111, 111, 111}, {143, 143, 255}, {0, 255, 0},     {230, 0, 0},
    {0, 0, 240},
};

void KW_BuildTheme()
{
    for (int i = 0; i < KWC_Count; ++i)
        kwContext.theme[i] = al_map_rgb(kwThemeRgb[i].r, kwThemeRgb[i].g, kwThemeRgb[i].b);
    kwContext.themeBuilt = true;
}

ALLEGRO_COLOR KW_Colour(KW_ThemeColour which)
{
    if (!kwContext.themeBuilt) KW_BuildTheme();
    if (which < 0 || which >= KWC_Count) return kwContext.theme[KWC_Background];
    return kwContext.theme[which];
}

void KW_ClearKey()
{
    kwKeyPending = false;
    kwKeyCode = -1;
    kwKeyChar = -1;
    kwKeyModifiers = 0;
    // a press taken before a dialog opened belongs to what opened it
    kwContext.leftPress = false;
}

// [SECTION] Video settings

bool KW_ParseWindowFlag(const char* text)
{
    if (!text) return true;
    return strcasecmp(text, "true") == 0 || strcasecmp(text, "yes") == 0 || strcasecmp(text, "1") == 0;
}

// As atoi reads a side, but a number too long for an int is held at the
// int's limit (and so refused as a screen size) instead of wrapping into a
// size that looks usable.
static int ReadScreenSide(const char* text)
{
    const long long value = std::strtoll(text, nullptr, 10);
    return static_cast<int>(std::clamp<long long>(value, INT_MIN, INT_MAX));
}

KW_VideoSettings KW_ReadVideoSettings(const ALLEGRO_CONFIG* config)
{
    KW_VideoSettings settings;
    if (!config) return settings;
    if (const char* w = al_get_config_value(config, "video", "width")) settings.width = ReadScreenSide(w);
    if (const char* h = al_get_config_value(config, "video", "height")) settings.height = ReadScreenSide(h);
    settings.windowed = KW_ParseWindowFlag(al_get_config_value(config, "video", "window"));
    const char* sharp = al_get_config_value(config, "video", "sharppixels");
    settings.sharpPixels = sharp && KW_ParseWindowFlag(sharp);
    const char* grown = al_get_config_value(config, "video", "fullscreenwindow");
    settings.fullScreenWindow = !settings.windowed && grown && KW_ParseWindowFlag(grown);
    return settings;
}

bool KW_IsUsableScreenSize(int width, int height)
{
    return width >= kwMinScreenWidth && width <= kwMaxScreenSide && height >= kwMinScreenHeight &&
           height <= kwMaxScreenSide;
}

bool KW_DisplayCanMake(int width, int height)
{
    if (!KW_IsUsableScreenSize(width, height)) return false;
    // the back buffer is a bitmap: no side above the largest one the display makes
    const int largest = kwDisplay ? al_get_display_option(kwDisplay, ALLEGRO_MAX_BITMAP_SIZE) : 0;
    return largest <= 0 || (width <= largest && height <= largest);
}

void KW_WriteVideoSettings(ALLEGRO_CONFIG* config, int width, int height, bool windowed, bool sharpPixels,
                           bool fullScreenWindow)
{
    char text[32];
    std::snprintf(text, sizeof text, "%d", width);
    al_set_config_value(config, "video", "width", text);
    std::snprintf(text, sizeof text, "%d", height);
    al_set_config_value(config, "video", "height", text);
    al_set_config_value(config, "video", "window", windowed ? "True" : "False");
    al_set_config_value(config, "video", "sharppixels", sharpPixels ? "True" : "False");
    al_set_config_value(config, "video", "fullscreenwindow", !windowed && fullScreenWindow ? "True" : "False");
}

// [SECTION] Display

void KW_NativeError(const char* text)
{
    // A grabbed pointer could not reach the box's button. (Without a display
    // there is no grab, and no display server connection to release it on.)
    if (kwDisplay) al_ungrab_mouse();
    al_show_native_message_box(nullptr, "Error", "", text, nullptr, ALLEGRO_MESSAGEBOX_ERROR);
}

void KW_Fatal(const char* text)
{
    if (kwFatalHandler) kwFatalHandler(text);
    else KW_NativeError(text);
    std::exit(1);
}

bool KW_GetDesktopSize(int& width, int& height)
{
    ALLEGRO_MONITOR_INFO info;
    if (!al_get_monitor_info(0, &info)) return false;
    width = info.x2 - info.x1;
    height = info.y2 - info.y1;
    return true;
}

static void SetDisplayFlags(bool windowed)
{
    al_set_new_display_flags(windowed ? ALLEGRO_WINDOWED : ALLEGRO_FULLSCREEN);
}

static void UseStandardBlender()
{
    al_set_blender(ALLEGRO_ADD, ALLEGRO_ALPHA, ALLEGRO_INVERSE_ALPHA);
}

// What every new display gets: the title, the pointer grab, blending, and
// its size and mode in the toolkit's globals.
// The window's icon in every size there is a picture of (a missing one is left out).
static void SetWindowIcons()
{
    if (kwWindowIconPaths.empty() || !al_init_image_addon()) return;
    std::vector<ALLEGRO_BITMAP*> icons;
    const int oldFlags = al_get_new_bitmap_flags();
    al_set_new_bitmap_flags(ALLEGRO_MEMORY_BITMAP);
    for (const std::string& path : kwWindowIconPaths) {
        if (ALLEGRO_BITMAP* icon = al_load_bitmap(path.c_str())) icons.push_back(icon);
    }
    al_set_new_bitmap_flags(oldFlags);
    if (!icons.empty()) al_set_display_icons(kwDisplay, static_cast<int>(icons.size()), icons.data());
    for (ALLEGRO_BITMAP* icon : icons) al_destroy_bitmap(icon);
}

static void SetUpDisplay(bool windowed)
{
    al_set_window_title(kwDisplay, "Sodbolt");
    SetWindowIcons();
    al_grab_mouse(kwDisplay);
    UseStandardBlender();
    kwWindowed = windowed;
    kwScreenW = al_get_display_width(kwDisplay);
    kwScreenH = al_get_display_height(kwDisplay);
    KW_ProbeBackBuffer();
    // the close button comes in with the keys and the mouse
    if (kwQueue) al_register_event_source(kwQueue, al_get_display_event_source(kwDisplay));
}

// The first display without a word on failure, so that start-up can try
// another size before giving up.
static bool MakeInitialDisplay(int width, int height, bool windowed)
{
    SetDisplayFlags(windowed);
    kwDisplay = al_create_display(width, height);
    if (!kwDisplay) return false;
    SetUpDisplay(windowed);
    return true;
}

bool KW_SetInitialScreenResolution(int width, int height, bool windowed)
{
    if (MakeInitialDisplay(width, height, windowed)) return true;
    KW_NativeError("KW_SetInitialScreenResolution: al_create_display failed.");
    return false;
}

// Takes over a freshly made display: its size, the pointer grab, blending, and
// the console window and icons that belong to a display.
static void AdoptNewDisplay(bool windowed)
{
    SetUpDisplay(windowed);
    KW_DestroyConsole();
    KW_CreateConsole();
    KW_LoadInternalTextures();
}

bool KW_ChangeDisplayMode(int width, int height, bool windowed)
{
    if (!kwInitialised) return false;
    if (!KW_DisplayCanMake(width, height)) {
        // Refused before the old display goes: asking the driver for such a
        // size can end the program, and it must never reach kwui2.ini.
        KW_Message("Unable to set new display mode %d by %d", width, height);
        return false;
    }
    const int oldW = kwScreenW, oldH = kwScreenH;
    const bool oldWindowed = kwWindowed;

    // Bitmaps tied to the old display go with it; the textures are rebuilt below.
    KW_ReleaseInternalTextures();
    if (kwQueue && kwDisplay) al_unregister_event_source(kwQueue, al_get_display_event_source(kwDisplay));
    KW_ForgetFrame();
    al_destroy_display(kwDisplay);
    kwDisplay = nullptr;

    SetDisplayFlags(windowed);
    kwDisplay = al_create_display(width, height);
    if (kwDisplay) {
        AdoptNewDisplay(windowed);
        kwForcedWindowed = -1;  // the player's own choice is kept
        KW_ShowMessage("%s", "The display resolution has been changed.  Performance will be affected until the "
                             "application is restarted.  Please exit and restart the application.");
        return true;
    }

    SetDisplayFlags(oldWindowed);
    kwDisplay = al_create_display(oldW, oldH);
    if (!kwDisplay) {
        // Without a display nothing can go on: end through the program's fatal path.
        char text[256];
        std::snprintf(text, sizeof text, "Unable to restore the display mode %d by %d", oldW, oldH);
        KW_Fatal(text);
    }
    AdoptNewDisplay(oldWindowed);
    KW_Message("Unable to set new display mode %d by %d", width, height);
    return false;
}

// [SECTION] Start-up and shut-down

static void FailInit(const char* text)
{
    kwInitFailure = text;
    KW_NativeError(text);
}

static void DestroyDisplay()
{
    KW_ForgetFrame();
    if (kwDisplay) al_destroy_display(kwDisplay);
    kwDisplay = nullptr;
}

// Starts Allegro with the keyboard and the mouse; returns the failure text or
// null. When the display server does not take Allegro's connection (a busy
// server can refuse one now and then) Allegro starts without it and the input
// devices cannot be installed: start it again a few times before giving up.
static const char* StartAllegroWithInput()
{
    const int attempts = 4;
    for (int attempt = 1;; ++attempt) {
        if (!al_init()) return "KW_Init: al_init failed.";
        al_init_native_dialog_addon();
        const char* failure = nullptr;
        if (!al_install_keyboard())
            failure = "KW_Init: al_install_keyboard failed.";
        else if (!al_install_mouse())
            failure = "KW_Init: al_install_mouse failed.";
        if (!failure) return nullptr;
        if (attempt == attempts) return failure;
        al_uninstall_system();
        std::this_thread::sleep_for(std::chrono::milliseconds(250 * attempt));
    }
}

bool KW_Init()
{
    if (const char* failure = StartAllegroWithInput()) {
        FailInit(failure);
        return false;
    }

    KW_VideoSettings video;
    if (ALLEGRO_CONFIG* config = al_load_config_file(kwSettingsPath.c_str())) {
        video = KW_ReadVideoSettings(config);
        if (kwAudioHooks.loadSettings) kwAudioHooks.loadSettings(config);
        al_destroy_config(config);
    }
    gStoredWindowed = video.windowed;
    gStoredFullScreenWindow = video.fullScreenWindow;
    KW_SetSharpPixels(video.sharpPixels);
    if (kwForcedWindowed >= 0) video.windowed = kwForcedWindowed != 0;
    // A size no screen can show (a hand-edited or damaged file) would end the
    // start or crash the driver: ask about the resolution instead.
    if (video.width != -1 && video.height != -1 && !KW_IsUsableScreenSize(video.width, video.height)) {
        KW_LogError("KW_Init: kwui2.ini asks for a %d by %d display, which cannot be shown; asking for the "
                    "screen resolution instead.",
                    video.width, video.height);
        video.width = video.height = -1;
    }

    bool offerModeDialog = false;
    bool created = false;
    if (video.width != -1 && video.height != -1) {
        // A stored mode this screen cannot show (a full-screen size from
        // another monitor) leads to the question, not to a program that
        // cannot start until its settings file is deleted.
        const bool growWindow = kwForcedWindowed < 0 && !video.windowed && video.fullScreenWindow;
        created = MakeInitialDisplay(video.width, video.height, video.windowed || growWindow);
        if (created && growWindow && !KW_ToggleFullScreen())
            KW_LogError("KW_Init: the window could not be grown over the screen; it stays a window.");
        if (!created)
            KW_LogError("KW_Init: no %s %d by %d display could be made; asking for the screen resolution instead.",
                        video.windowed ? "windowed" : "full-screen", video.width, video.height);
    }
    if (!created) {
        const int answer = al_show_native_message_box(nullptr, "Screen Resolution", "",
                                                      "Use current desktop screen resolution?", nullptr,
                                                      ALLEGRO_MESSAGEBOX_YES_NO | ALLEGRO_MESSAGEBOX_QUESTION);
        int desktopW = 640, desktopH = 480;
        if (answer == 1 && KW_GetDesktopSize(desktopW, desktopH)) {
            created = KW_SetInitialScreenResolution(desktopW, desktopH, kwForcedWindowed == 1);
        } else {
            created = KW_SetInitialScreenResolution(640, 480, kwForcedWindowed != 0);
            offerModeDialog = true;
        }
    }
    if (!created) {
        kwInitFailure = "no display could be opened";
        return false;
    }
    kwInitFailure.clear();

    kwQueue = al_create_event_queue();
    if (!kwQueue) {
        FailInit("KW_Init: al_create_event_queue failed.");
        DestroyDisplay();
        return false;
    }
    if (!KW_LoadFonts()) {
        FailInit("KW_Init: KW_LoadFonts failed.");
        al_destroy_event_queue(kwQueue);
        kwQueue = nullptr;
        DestroyDisplay();
        return false;
    }

    al_init_image_addon();
    al_set_new_bitmap_flags(ALLEGRO_MIN_LINEAR | ALLEGRO_MAG_LINEAR);
    al_init_primitives_addon();

    KW_BuildTheme();

    kwTickRate = 60;
    KW_StartFrameTimer();

    std::memset(kwFieldSlots, 0, sizeof kwFieldSlots);
    kwFocusedField = 0;
    KW_ClearKey();

    al_register_event_source(kwQueue, al_get_keyboard_event_source());
    al_register_event_source(kwQueue, al_get_mouse_event_source());
    if (kwDisplay) al_register_event_source(kwQueue, al_get_display_event_source(kwDisplay));

    if (!KW_CreateConsole()) {
        FailInit("KW_Init: KW_CreateConsole failed.");
        return false;
    }
    KW_LoadInternalTextures();

    kwConsoleMaxLines = 10;
    kwConsoleX = 3;
    kwConsoleTop = kwScreenH - 10 * KW_LineHeight() - 60;
    kwConsoleColour = KW_Colour(KWC_Console);
    kwConsoleLifetime = 6;

    kwInitialised = true;

    if (offerModeDialog) {
        KW_DisplayModeChoice choice;
        if (KW_SelectDisplayMode(choice)) KW_ChangeDisplayMode(choice.width, choice.height, choice.windowed);
    }

    if (kwAudioHooks.start) kwAudioHooks.start();
    return true;
}

bool KW_SaveConfigReplacing(const char* path, const ALLEGRO_CONFIG* config)
{
    if (!path || !config) return false;
    const std::string temporary = std::string(path) + ".new";
    if (al_save_config_file(temporary.c_str(), config) && PlatformReplaceFile(temporary, path)) return true;
    std::remove(temporary.c_str());
    return false;
}

void KW_Shutdown()
{
    if (!kwInitialised) return;

    if (ALLEGRO_CONFIG* config = al_create_config()) {
        const bool forced = kwForcedWindowed >= 0;
        const bool grown = kwDisplay && !kwWindowed && !(al_get_display_flags(kwDisplay) & ALLEGRO_FULLSCREEN);
        KW_WriteVideoSettings(config, kwScreenW, kwScreenH, forced ? gStoredWindowed : kwWindowed, KW_SharpPixels(),
                              forced ? gStoredFullScreenWindow : grown);
        if (kwAudioHooks.saveSettings) kwAudioHooks.saveSettings(config);
        if (!KW_SaveConfigReplacing(kwSettingsPath.c_str(), config))
            KW_LogError("KW_Shutdown: Unable to write %s", kwSettingsPath.c_str());
        al_destroy_config(config);
    }

    KW_ReleaseInternalTextures();
    KW_DestroyFonts();
    KW_DestroyConsole();
    KW_ClearConsole();
    DestroyDisplay();
    if (kwQueue) al_destroy_event_queue(kwQueue);
    kwQueue = nullptr;

    kwInitialised = false;
    if (kwAudioHooks.stop) kwAudioHooks.stop();
}
