// Linked into the suites that open a display. SDL loads the GL driver and its
// X11 extension libraries with dlopen and closes them again when video shuts
// down; the driver's caches, still held by the driver's own globals, then sit
// in memory no loaded module points to, and LeakSanitizer reports them at exit
// from an unloaded module no suppression can name. Loading the same libraries
// once more at start, never to be unloaded (RTLD_NODELETE), keeps those globals
// alive to the end, so the suites run with leak checking on and a leak of the
// game's own still shows. A library this machine lacks is simply skipped: SDL
// could not load it either.
#include <dlfcn.h>

#include <initializer_list>
#include <string>

namespace {

const char* const kDisplayLibraries[] = {
    "libGL.so.1",        "libGLX.so.0",       "libGLX_mesa.so.0",  "libGLdispatch.so.0", "libEGL.so.1",
    "libEGL_mesa.so.0",  "libXcursor.so.1",   "libXi.so.6",        "libXrandr.so.2",     "libXss.so.1",
    "libXinerama.so.1",  "libXxf86vm.so.1",   "libXext.so.6",      "libXfixes.so.3",     "libXrender.so.1",
    "libX11-xcb.so.1",   "libxkbcommon.so.0", "libdecor-0.so.0",
};

// Mesa's drivers live outside the library path; the software one is what Xvfb uses.
const char* const kDriverFolders[] = {"/usr/lib/x86_64-linux-gnu/dri/", "/usr/lib64/dri/", "/usr/lib/dri/"};

struct KeepDisplayLibraries {
    KeepDisplayLibraries() {
        for (const char* library : kDisplayLibraries) dlopen(library, RTLD_NOW | RTLD_NODELETE);
        for (const char* folder : kDriverFolders)
            for (const char* driver : {"swrast_dri.so", "kms_swrast_dri.so"})
                dlopen((std::string(folder) + driver).c_str(), RTLD_NOW | RTLD_NODELETE);
    }
};

const KeepDisplayLibraries keep;

}  // namespace
