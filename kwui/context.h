// The toolkit's one state record: everything KWUI2 keeps for the whole
// process (the display and its size, the fonts, the input latched this
// frame, the text-field focus, the message console, the tool-tip queue, the
// frame timer, the texture registry, the hooks the program installs) lives
// in KW_Ctx(). The kw... names below are plain references into it, kept so
// that screens read as before; tests start from a fresh record with
// KW_ResetContext().
#pragma once

#include "kwui/redraw.h"
#include "kwui/textures.h"
#include "kwui/textwindow.h"
#include "kwui/timing.h"

#include <allegro5/allegro.h>
#include <allegro5/allegro_font.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

struct KW_ConsoleLine {
    std::string text;
    ALLEGRO_COLOR colour;
    int age = 0;
    long lastSecond = 0;
};

struct KW_ToolTip {
    std::string text;
    int x = 0, y = 0;
};

// The sound layer sits above the toolkit, so the toolkit reaches it through
// these hooks, which the program installs at start-up (InstallAudioHooks).
// KW_Init reads the "audio" settings from kwui2.ini right after the video
// ones and starts the sound last; KW_Shutdown writes them after the video
// ones and stops the sound last; KW_PollEvents updates the sound first,
// every frame. An empty hook is skipped.
struct KW_AudioHooks {
    void (*loadSettings)(const ALLEGRO_CONFIG* config) = nullptr;
    void (*saveSettings)(ALLEGRO_CONFIG* config) = nullptr;
    void (*start)() = nullptr;
    void (*stop)() = nullptr;
    void (*update)() = nullptr;
};

constexpr int kwThemeSize = 49;

struct KW_Context {
    // [SECTION] Display
    ALLEGRO_DISPLAY* display = nullptr;
    ALLEGRO_EVENT_QUEUE* queue = nullptr;
    int screenW = 0, screenH = 0;
    bool windowed = true;
    bool initialised = false;
    int tickRate = 60;
    ALLEGRO_COLOR theme[kwThemeSize] = {};
    bool themeBuilt = false;

    // [SECTION] Fonts
    ALLEGRO_FONT* font = nullptr;        // standard, 22 px
    ALLEGRO_FONT* fontMedium = nullptr;  // 48 px
    ALLEGRO_FONT* fontLarge = nullptr;   // 72 px

    // [SECTION] Input latched by KW_PollEvents
    bool keyPending = false;
    int keyCode = -1;
    int keyChar = -1;
    int keyModifiers = 0;
    ALLEGRO_MOUSE_STATE mouse{};
    unsigned mouseGrabFrame = 0;  // the frame (framesPresented + 1) the pointer was last grabbed in
    // A left press taken by the last poll, where it was (screen pixels): a
    // click let go before the frame read the buttons still counts.
    bool leftPress = false;
    int leftPressX = 0, leftPressY = 0;
    // text-field registry (one slot per field id) and the focused field
    uint8_t fieldSlots[256] = {};
    uint8_t focusedField = 0;

    // [SECTION] Message console and console window
    std::vector<KW_ConsoleLine> consoleLines;
    int consoleMaxLines = 10;
    int consoleX = 3;
    int consoleTop = 0;
    ALLEGRO_COLOR consoleColour = {1.0f, 1.0f, 1.0f, 1.0f};
    int consoleLifetime = 6;
    bool consoleWindowVisible = false;
    bool consoleDrawnUnder = false;  // a dialog drew the lines under its panel this frame
    TextWindowClass consoleWindow;
    bool consoleWindowMade = false;

    // [SECTION] Frame
    std::vector<KW_ToolTip> toolTips;
    unsigned framesPresented = 0;
    KW_ClockFn frameClock = nullptr;  // null: the platform's monotonic clock
    KW_FrameTimer frameTimer;
    std::vector<KW_Texture> textures;
    KW_RedrawState redraw;
    bool eventsTaken = false;  // KW_PollEvents took an event since the last frame end
    KW_FrameOverlays overlays;  // what the last frame end drew over the screen's picture

    // [SECTION] Closing and hooks
    std::vector<std::function<bool()>> closeGuards;
    bool askingGuards = false;
    // the program's fatal-error path, taken when the toolkit cannot go on (KW_Fatal)
    void (*fatalHandler)(const char* text) = nullptr;
    // the program's orderly shut-down when the window's close button ends it
    // (from any screen, or during a long load); the process then ends with 0
    void (*closeHandler)() = nullptr;
    KW_AudioHooks audio;
};

extern KW_Context kwContext;
inline KW_Context& KW_Ctx() { return kwContext; }
// A fresh record, as before KW_Init (the tests start every case from it).
void KW_ResetContext();

// The names screens use, bound to the record.
inline ALLEGRO_DISPLAY*& kwDisplay = kwContext.display;
inline ALLEGRO_EVENT_QUEUE*& kwQueue = kwContext.queue;
inline int& kwScreenW = kwContext.screenW;
inline int& kwScreenH = kwContext.screenH;
inline bool& kwWindowed = kwContext.windowed;
inline bool& kwInitialised = kwContext.initialised;
inline int& kwTickRate = kwContext.tickRate;
inline ALLEGRO_FONT*& kwFont = kwContext.font;
inline ALLEGRO_FONT*& kwFontMedium = kwContext.fontMedium;
inline ALLEGRO_FONT*& kwFontLarge = kwContext.fontLarge;
inline bool& kwKeyPending = kwContext.keyPending;
inline int& kwKeyCode = kwContext.keyCode;          // Allegro key code of this frame's key character, -1 when none
inline int& kwKeyChar = kwContext.keyChar;          // its Unicode character, -1 when none
inline int& kwKeyModifiers = kwContext.keyModifiers;  // ALLEGRO_KEYMOD_* flags held with it, 0 when none
inline ALLEGRO_MOUSE_STATE& kwMouse = kwContext.mouse;
inline uint8_t (&kwFieldSlots)[256] = kwContext.fieldSlots;
inline uint8_t& kwFocusedField = kwContext.focusedField;
inline std::vector<KW_ConsoleLine>& kwConsoleLines = kwContext.consoleLines;
inline int& kwConsoleMaxLines = kwContext.consoleMaxLines;
inline int& kwConsoleX = kwContext.consoleX;
inline int& kwConsoleTop = kwContext.consoleTop;
inline ALLEGRO_COLOR& kwConsoleColour = kwContext.consoleColour;
inline int& kwConsoleLifetime = kwContext.consoleLifetime;
inline bool& kwConsoleWindowVisible = kwContext.consoleWindowVisible;
inline void (*&kwFatalHandler)(const char* text) = kwContext.fatalHandler;
inline void (*&kwCloseHandler)() = kwContext.closeHandler;
inline KW_AudioHooks& kwAudioHooks = kwContext.audio;
