// The command line and the folders chosen from it.
#include "app/commandline.h"

#include "content/datapath.h"
#include "kwui/console.h"
#include "kwui/core.h"
#include "kwui/textures.h"
#include "platform/platform.h"

#include <cstdio>

#ifndef SODBOLT_VERSION
#define SODBOLT_VERSION "1.1"
#endif

const char* const kUsageLine = "Usage: sodbolt [--help] [--version] [--fullscreen | --window] [-base FOLDER]";

static bool gFailurePrinted = false;

LaunchOptions ParseArguments(int argc, const char* const* argv)
{
    LaunchOptions options;
    auto refuse = [&options](const std::string& text) {
        if (options.action != LaunchOptions::Action::Refuse) options.error = "sodbolt: " + text;
        options.action = LaunchOptions::Action::Refuse;
    };
    bool help = false, version = false;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i] ? argv[i] : "";
        if (PlatformEqualsNoCase(arg, "-base")) {
            if (i + 1 >= argc || !argv[i + 1] || !*argv[i + 1]) {
                refuse("-base needs a folder");
                continue;
            }
            options.useModFolder = true;
            options.modFolder = argv[++i];
        } else if (arg == "--help" || arg == "-h") {
            help = true;
        } else if (arg == "--version") {
            version = true;
        } else if (arg == "--fullscreen") {
            options.windowed = 0;
        } else if (arg == "--window") {
            options.windowed = 1;
        } else if (!arg.empty() && arg[0] == '-') {
            refuse("unknown option '" + arg + "'");
        } else {
            refuse("unexpected argument '" + arg + "'");
        }
    }
    if (options.action == LaunchOptions::Action::Refuse) return options;
    if (help) options.action = LaunchOptions::Action::Help;
    else if (version) options.action = LaunchOptions::Action::Version;
    return options;
}

std::string VersionLine() { return std::string("Sodbolt ") + SODBOLT_VERSION; }

std::string UsageText()
{
    return std::string(kUsageLine) +
           "\n"
           "Sodbolt: mow every lawn before the clock runs out.\n"
           "\n"
           "Options:\n"
           "  -h, --help      show this text and exit\n"
           "  --version       show the version and exit\n"
           "  --fullscreen    start full screen (this run only)\n"
           "  --window        start in a window (this run only)\n"
           "  -base FOLDER    play with the mod folder FOLDER: each content file it holds\n"
           "                  replaces the game's own\n"
           "\n"
           "Folders:\n"
           "  Portable, when the working folder holds base/ and kwuidata/: everything is\n"
           "  read and written there (kwui2.ini, sodbolt.ini, base/savegames/, the error log).\n"
           "  Installed, otherwise:\n"
           "    content       PREFIX/share/games/sodbolt/ for the program PREFIX/games/sodbolt,\n"
           "                  or $SODBOLT_DATA_DIR (never written)\n"
           "    settings      $XDG_CONFIG_HOME/sodbolt/ (~/.config/sodbolt/)\n"
           "    saved games   $XDG_DATA_HOME/sodbolt/savegames/ (~/.local/share/sodbolt/)\n"
           "    edited files  $XDG_DATA_HOME/sodbolt/base/, read before the installed content\n"
           "    error log     $XDG_STATE_HOME/sodbolt/ (~/.local/state/sodbolt/)\n"
           "  A relative -base FOLDER is looked for in the working folder, then in\n"
           "  $XDG_DATA_HOME/sodbolt/mods/, then beside the installed base/.\n"
           "\n"
           "Environment:\n"
           "  SODBOLT_DATA_DIR  the installed data folder (holds base/ and kwuidata/)\n"
           "  XDG_CONFIG_HOME, XDG_DATA_HOME, XDG_STATE_HOME, HOME  the user's folders\n";
}

void ReportStartUpFailure(const std::string& text)
{
    std::fprintf(stderr, "sodbolt: %s\n", text.c_str());
    gFailurePrinted = true;
    KW_NativeError(text.c_str());
}

void ReportToolkitFailure()
{
    if (gFailurePrinted) return;
    gFailurePrinted = true;
    if (PlatformGetEnv("DISPLAY").empty() && PlatformGetEnv("WAYLAND_DISPLAY").empty())
        std::fprintf(stderr, "sodbolt: cannot open a window: no display (DISPLAY is not set)\n");
    else
        std::fprintf(stderr, "sodbolt: cannot start: %s\n",
                     kwInitFailure.empty() ? "the toolkit did not start" : kwInitFailure.c_str());
}

// "a, b and c"
static std::string ListOf(const std::vector<std::string>& items)
{
    std::string text;
    for (size_t i = 0; i < items.size(); ++i) {
        if (i > 0) text += i + 1 == items.size() ? " and " : ", ";
        text += items[i];
    }
    return text;
}

static std::string WithoutSlash(const std::string& folder)
{
    if (folder.size() > 1 && PlatformIsSeparator(folder.back())) return folder.substr(0, folder.size() - 1);
    return folder;
}

int PrepareFolders(const LaunchOptions& options)
{
    gFolders = ChooseFolders(ReadFolderInputs());
    const bool installed = gFolders.mode == RunMode::Installed;

    if (options.useModFolder) {
        const std::vector<std::string> candidates = ModFolderCandidates(options.modFolder, gFolders);
        std::vector<std::string> looked;
        for (const std::string& candidate : candidates) {
            if (PlatformIsFolder(candidate)) {
                gUseModFolder = true;
                gModFolder = candidate;
                break;
            }
            looked.push_back(WithoutSlash(PlatformCanonicalPath(candidate)));
        }
        if (!gUseModFolder) {
            std::fprintf(stderr, "sodbolt: mod folder '%s' not found (looked in %s)\n", options.modFolder.c_str(),
                         ListOf(looked).c_str());
            return 2;
        }
    }

    const std::string font = gFolders.kwuiDataFolder + "fonts/DejaVuSans.ttf";
    if (!installed) {
        // The toolkit says the rest in its own boxes, as it always has.
        if (!PlatformIsFile(font)) {
            std::fprintf(stderr, "sodbolt: cannot find the font: looked in %s\n", font.c_str());
            gFailurePrinted = true;
        }
    } else {
        if (!PlatformIsFolder(gFolders.baseFolder) || !PlatformIsFolder(gFolders.kwuiDataFolder)) {
            ReportStartUpFailure("cannot find the game's content: looked in " + WithoutSlash(gFolders.baseFolder) +
                                 " and ./base");
            return 1;
        }
        if (PlatformIsFile(font)) kwFontPath = font;
        else if (PlatformIsFile(kSystemFontPath)) kwFontPath = kSystemFontPath;
        else {
            ReportStartUpFailure("cannot find the font: looked in " + font + " and " + kSystemFontPath);
            return 1;
        }
        if (!PlatformMakeFolders(WithoutSlash(gFolders.settingsFolder)) ||
            !PlatformCanWriteFolder(gFolders.settingsFolder)) {
            ReportStartUpFailure("cannot write the settings folder " + WithoutSlash(gFolders.settingsFolder));
            return 1;
        }
        kwSettingsPath = SettingsPath("kwui2.ini");
        kwTextureFolder = gFolders.kwuiDataFolder + "textures/";
        kwErrorLogName = gFolders.stateFolder + "KWUI2 Error Log.txt";
    }
    kwWindowIconPaths.clear();
    for (const char* size : {"32", "48", "64", "128", "256"})
        kwWindowIconPaths.push_back(gFolders.kwuiDataFolder + "icons/sodbolt-" + size + ".png");
    kwForcedWindowed = options.windowed;
    return 0;
}
