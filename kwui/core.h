// KWUI2 core: the toolkit's globals (display, queue, fonts, theme, input),
// start-up and shut-down, and the display-mode change.
#pragma once

#include "kwui/context.h"

#include <allegro5/allegro.h>
#include <allegro5/allegro_font.h>

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

// ---------------------------------------------------------------------------
// Theme colours: 49 fixed entries built once by KW_Init.
enum KW_ThemeColour {
    KWC_Background,        // 0,0,0
    KWC_Mask,              // 255,0,255
    KWC_Console,           // 255,255,255
    KWC_WindowLight,       // 211,211,211
    KWC_WindowDark,        // 107,107,107
    KWC_WindowFill,        // 147,147,147
    KWC_TitleLight,        // 179,179,179
    KWC_TitleDark,         // 79,79,79
    KWC_TitleFill,         // 3,3,255
    KWC_TitleText,         // 255,255,255
    KWC_ButtonHover,       // 55,55,255
    KWC_ButtonText,        // 0,0,0
    KWC_ToolTipBox,        // 255,255,255
    KWC_ToolTipText,       // 0,0,0
    KWC_TabLight,          // 211,211,211
    KWC_TabDark,           // 107,107,107
    KWC_TabFill,           // 147,147,147
    KWC_StatusText,        // 35,35,35
    KWC_MenuItemFill,      // 131,131,131
    KWC_MenuHighlightFill, // 27,27,255
    KWC_MenuHighlightText, // 255,255,255
    KWC_FieldText,         // 0,0,0
    KWC_FieldReadOnlyText, // 128,128,128
    KWC_ListText,          // 0,0,0
    KWC_SoftBlue,          // 115,115,255
    KWC_Orange,            // 243,115,23
    KWC_Brown,             // 119,79,43
    KWC_FieldFill,         // 219,219,219
    KWC_ListFill,          // 219,219,219
    KWC_Yellow,            // 255,255,0
    KWC_SelectionYellow,   // 255,255,0
    KWC_MidBlue,           // 83,83,255
    KWC_PaperWhite,        // 255,255,255
    KWC_CheckWhite,        // 255,255,255
    KWC_Navy,              // 3,3,131
    KWC_DeepNavy,          // 3,3,131
    KWC_Ink,               // 0,0,0
    KWC_Shadow,            // 0,0,0
    KWC_Plum,              // 111,3,107
    KWC_Beige,             // 212,208,200
    KWC_Grey151,           // 151,151,151
    KWC_PaleGreen,         // 128,255,128
    KWC_LightBlue,         // 129,162,255 (object browser backdrop)
    KWC_Charcoal,          // 47,47,47
    KWC_Grey111,           // 111,111,111
    KWC_Lavender,          // 143,143,255
    KWC_Green,             // 0,255,0
    KWC_Red,               // 230,0,0
    KWC_Blue,              // 0,0,240
    KWC_Count,
    // Buttons share the window body's fill.
    KWC_ButtonFace = KWC_WindowFill
};
static_assert(KWC_Count == 49 && KWC_Count == kwThemeSize, "the theme has 49 colours");

// RGB of each entry, in enum order (usable without Allegro being up).
struct KW_Rgb { uint8_t r, g, b; };
extern const KW_Rgb kwThemeRgb[KWC_Count];

ALLEGRO_COLOR KW_Colour(KW_ThemeColour which);
void KW_BuildTheme();

// ---------------------------------------------------------------------------
// Fonts. (The toolkit's state, kwDisplay, kwFont, kwMouse and the rest, is
// the one record of kwui/context.h.)
extern std::string kwFontPath;  // "kwuidata/fonts/DejaVuSans.ttf" unless start-up sets another

// Line heights; fall back to the nominal pixel size while no font is loaded.
int KW_LineHeight();
int KW_MediumLineHeight();
int KW_LargeLineHeight();
int KW_TextWidth(const char* text);
int KW_TextWidth(ALLEGRO_FONT* font, const char* text);

// Clears the latched key character (and a left press the last poll took).
void KW_ClearKey();

// A modal dialog runs its loop inside one: the key that opened it does not
// act in it, and the key that closed it does not reach the screen beneath.
class KW_ModalScope {
public:
    KW_ModalScope() { KW_ClearKey(); }
    ~KW_ModalScope() { KW_ClearKey(); }
    KW_ModalScope(const KW_ModalScope&) = delete;
    KW_ModalScope& operator=(const KW_ModalScope&) = delete;
};

// ---------------------------------------------------------------------------
// Start-up, shut-down and display modes.
struct KW_VideoSettings {
    int width = -1;
    int height = -1;
    bool windowed = true;
    bool sharpPixels = false;  // whole-number scaling of a full-screen window (kwui/frame.h)
    // Full screen was the window grown over the screen (F11), not a display
    // mode of its own: the next start grows the window again, so F11 still
    // switches back.
    bool fullScreenWindow = false;
};

// Reads section "video" of kwui2.ini; a null config gives the defaults.
KW_VideoSettings KW_ReadVideoSettings(const ALLEGRO_CONFIG* config);
bool KW_ParseWindowFlag(const char* text);
// Display sizes kwui2.ini may ask for; anything else is asked about again.
constexpr int kwMinScreenWidth = 320;
constexpr int kwMinScreenHeight = 200;
constexpr int kwMaxScreenSide = 16384;
bool KW_IsUsableScreenSize(int width, int height);
// Whether the current display could be replaced by one of that size: a
// usable size no larger than the largest bitmap the display makes.
bool KW_DisplayCanMake(int width, int height);
void KW_WriteVideoSettings(ALLEGRO_CONFIG* config, int width, int height, bool windowed, bool sharpPixels = false,
                           bool fullScreenWindow = false);
// Writes a settings file (kwui2.ini, sodbolt.ini) beside the old one as
// path + ".new" and renames it over it: a failed or interrupted write leaves
// the old settings whole. False (temporary removed) on any failure.
bool KW_SaveConfigReplacing(const char* path, const ALLEGRO_CONFIG* config);

// Where the toolkit keeps its files; start-up may point them elsewhere before KW_Init.
extern std::string kwSettingsPath;                  // "kwui2.ini"
extern std::vector<std::string> kwWindowIconPaths;  // pictures of the window's icon, any sizes
// -1: windowed or full screen as kwui2.ini says; 0 or 1: full screen or windowed
// for this run only (kwui2.ini keeps its own choice unless the mode is changed).
extern int kwForcedWindowed;
// What made the last KW_Init fail, for the terminal ("" after a success).
extern std::string kwInitFailure;

bool KW_Init();
void KW_Shutdown();
bool KW_SetInitialScreenResolution(int width, int height, bool windowed);
// A size the display cannot make is refused with a message and the old mode
// kept; false whenever the mode did not change.
bool KW_ChangeDisplayMode(int width, int height, bool windowed);

// Display-mode selection record for the "Select Display Mode" dialog.
struct KW_DisplayModeChoice {
    std::vector<std::pair<int32_t, int32_t>> modes;
    int32_t width = 640;
    int32_t height = 480;
    bool windowed = false;
};

bool KW_SelectDisplayMode(KW_DisplayModeChoice& choice);
bool KW_ChangeResolution();

// Desktop size of monitor 0.
bool KW_GetDesktopSize(int& width, int& height);

// The end of a fault nothing can go on from (no display, no memory for the
// tile set): kwFatalHandler, the program's fatal path, else the native
// "Error" box, then exit code 1.
[[noreturn]] void KW_Fatal(const char* text);

// Shows a native box titled "Error" with an empty heading and the error icon.
void KW_NativeError(const char* text);
