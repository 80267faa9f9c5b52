// Start-up and shut-down in their fixed order, and FatalError.
#include "app/startup.h"

#include "app/commandline.h"
#include "audio/audio.h"
#include "content/datapath.h"
#include "content/picturefile.h"
#include "content/savegame.h"
#include "editors/toolpaths.h"
#include "game/playgame.h"
#include "game/resources.h"
#include "kwui/kwui.h"

#include <allegro5/allegro_native_dialog.h>

#include <cstdarg>
#include <cstdio>

std::string gSettingsFileName;
const char* const kVersionText = "Sodbolt v1.1";

static bool gShutDownDone = true;

static void FatalFromToolkit(const char* text) { FatalError("%s", text); }
// The window's close button (on any screen, or during a long load): shut down
// in order; the toolkit then ends the process.
static void CloseFromToolkit() { ShutDown(); }

bool StartUp()
{
    kwFatalHandler = &FatalFromToolkit;
    kwCloseHandler = &CloseFromToolkit;
    InstallAudioHooks();
    if (!KW_Init()) {
        ReportToolkitFailure();
        return false;
    }
    // TGA in either row order, BMP with alpha, LBM: the program's own readers.
    RegisterPictureFormats();
    gShutDownDone = false;

    gSettingsFileName = SettingsPath("sodbolt.ini");
    LoadToolPaths();

    AudioClass& audio = AudioClass::GetInstance();
    KW_ShowConsoleWindow(true);
    // The sounds always come from the base folder, also when a mod folder is set.
    audio.LoadSoundsFrom(BaseFolder() + "sound");
    audio.volumeTestSound = audio.FindSound("interface\\voltest");
    KW_ShowConsoleWindow(false);

    kwConsoleTop = kwScreenH - kwConsoleMaxLines * KW_LineHeight() - 100;

    BuildSaveSlots();

    if (!LoadGameResources()) {
        const std::string error = gResources.errorText;
        std::fprintf(stderr, "sodbolt: %s\n", error.c_str());
        ShutDown();
        KW_NativeError(error.c_str());
        return false;
    }
    return true;
}

void ShutDown()
{
    if (gShutDownDone) return;
    gShutDownDone = true;
    EndGame();
    FreeGameResources();
    SaveToolPaths();
    ClearSaveSlots();
    KW_Shutdown();
}

void FatalError(const char* format, ...)
{
    char text[512];
    va_list args;
    va_start(args, format);
    std::vsnprintf(text, sizeof text, format, args);
    va_end(args);
    ShutDown();
    KW_NativeError(text);
}
