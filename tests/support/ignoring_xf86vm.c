/* A stand-in for the X video-mode extension library, libXxf86vm.so.1, that
 * emulates a display adapter which accepts gamma ramps without applying them:
 * Windows' SetDeviceGammaRamp returns TRUE and sets nothing when its heuristics
 * dislike a ramp. Wine's display driver opens the library by its soname, so a
 * folder holding this one first on LD_LIBRARY_PATH puts it in Wine's place.
 *
 * Every other call is the real library's: this one names it as a dependency by
 * its full path (REAL_XF86VM), and the lookups Wine makes through the handle it
 * opened search the dependencies too. Loads are ignored only in the programs
 * whose command line holds the text of IGNORE_RAMP_LOADS (Wine shows a
 * program's Windows command line as its process's), so that the test driver
 * beside them can still set the adapter's ramp. */
#include <dlfcn.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

typedef int (*SetGammaRampCall)(void* display, int screen, int size, unsigned short* red,
                                unsigned short* green, unsigned short* blue);

static SetGammaRampCall RealSetGammaRamp(void) {
    static SetGammaRampCall real;
    if (!real) {
        void* library = dlopen(REAL_XF86VM, RTLD_NOW | RTLD_NOLOAD);
        if (library) real = (SetGammaRampCall)dlsym(library, "XF86VidModeSetGammaRamp");
    }
    return real;
}

/* 1 when this process's command line holds the text named by IGNORE_RAMP_LOADS. */
static int IgnoresLoads(void) {
    const char* program = getenv("IGNORE_RAMP_LOADS");
    if (!program || !*program) return 0;
    char line[4096];
    FILE* file = fopen("/proc/self/cmdline", "rb");
    if (!file) return 0;
    const size_t length = fread(line, 1, sizeof line - 1, file);
    fclose(file);
    for (size_t i = 0; i < length; ++i)
        if (line[i] == 0) line[i] = ' ';
    line[length] = 0;
    return strstr(line, program) != 0;
}

int XF86VidModeSetGammaRamp(void* display, int screen, int size, unsigned short* red,
                            unsigned short* green, unsigned short* blue) {
    if (IgnoresLoads()) return 1; /* True: "done" */
    SetGammaRampCall real = RealSetGammaRamp();
    return real ? real(display, screen, size, red, green, blue) : 0;
}
