// gallery: every widget of the toolkit on one screen, with the values they
// edit printed live. The place to look at a widget change, and the target of
// the widgets' screen tests, which read what happened from "gallery.txt"
// (one line per event, and one "at" line per widget with its rectangle).
//
//   gallery [--textures folder]     (icons from another folder than kwuidata)
//   gallery --dialogs               the dialogs page instead
//
// Escape (the "Quit" button) ends it.
#include "tools/gallery/dialogs_page.h"
#include "tools/gallery/gallery.h"

#include "audio/audio.h"
#include "kwui/kwui.h"
#include "tools/reportlog.h"

#include <cstring>
#include <string>

int main(int argc, char** argv)
{
    std::string textureFolder;
    bool dialogsPage = false;
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], "--dialogs") == 0) dialogsPage = true;
    for (int i = 1; i + 1 < argc; ++i)
        if (std::strcmp(argv[i], "--textures") == 0) textureFolder = argv[i + 1];

    InstallAudioHooks();

    if (!KW_Init()) return 1;
    if (!textureFolder.empty()) KW_LoadInternalTexturesFrom(textureFolder);

    OpenReportLog("gallery.txt", "w");
    if (dialogsPage) RunDialogsPage();
    else RunGallery();
    CloseReportLog();

    KW_Shutdown();
    return 0;
}
