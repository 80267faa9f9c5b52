// Defaults for builds with AddressSanitizer and UndefinedBehaviorSanitizer
// (SODBOLT_SANITIZE): every program of the build reports the same way without
// any environment set. The linker is told to keep these symbols, so they
// reach each executable from the core library. Empty in a normal build.

#if defined(__SANITIZE_ADDRESS__)
#define SODBOLT_ASAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define SODBOLT_ASAN 1
#endif
#endif

#ifdef SODBOLT_ASAN

extern "C" {

// The sanitizers call these before main; they must stay plain and cheap.
const char* __asan_default_options()
{
    return "detect_leaks=1:strict_string_checks=1:detect_invalid_pointer_pairs=0:"
           "check_initialization_order=1:print_summary=1";
}

const char* __ubsan_default_options() { return "print_stacktrace=1:halt_on_error=1"; }

const char* __lsan_default_options() { return "print_suppressions=0"; }

// Leaks that belong to the system libraries, not to this program. The
// system libraries keep no frame pointers, so a leak's stack ends in the
// library that allocated the block: a module named here is that library
// itself. Allegro's own bitmaps, samples and streams are not listed, so an
// Allegro object this program forgets to destroy is still reported.
const char* __lsan_default_suppressions()
{
    return
        // Allegro's module music reader leaves its DUMBFILE and its reader
        // record behind when a module stream is destroyed (about 72 bytes a tune).
        "leak:dumbfile_open_ex\n"
        "leak:liballegro_acodec.so\n"
        // A display Allegro cannot create leaves its chosen visual behind.
        "leak:_al_xglx_config_select_visual\n"
        // The OpenGL driver and X11 keep context, GC and image records past
        // the display's destruction.
        "leak:libGLX_mesa.so\n"
        "leak:swrast_dri.so\n"
        "leak:libLLVM\n"
        "leak:libX11.so\n"
        "leak:libXext.so\n"
        "leak:libxcb\n"
        // GTK and D-Bus, brought up by the native message boxes and the file
        // chooser support, keep their singletons until the process ends.
        "leak:libdbus-1.so\n"
        "leak:libglib-2.0.so\n"
        "leak:libgobject-2.0.so\n"
        "leak:libgtk-3.so\n"
        "leak:libgdk-3.so\n"
        "leak:libfontconfig.so\n"
        "leak:libpulse\n";
}

}  // extern "C"

#ifndef _WIN32
#include <dlfcn.h>

// The software OpenGL driver is loaded with the display and unloaded when the
// display goes, before the leak report: its blocks then show no module name
// and the suppression above cannot match them. Holding the driver for the
// whole process keeps its name in the report.
__attribute__((constructor)) static void KeepOpenGlDriverLoaded()
{
    dlopen("/usr/lib/x86_64-linux-gnu/dri/swrast_dri.so", RTLD_LAZY | RTLD_NODELETE);
}
#endif

#endif
