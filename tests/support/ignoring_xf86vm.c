/* A stand-in for the X video-mode extension library, libXxf86vm.so.1, that
 * emulates a display adapter which accepts gamma ramps without applying them:
 * Windows' SetDeviceGammaRamp returns TRUE and sets nothing when its heuristics
 * dislike a ramp. Wine's display driver opens the library by its soname, so a
 * folder holding this one first on LD_LIBRARY_PATH puts it in Wine's place.
 *
 * Every other call is the real library's: this one names it as a dependency by
 * its full path (REAL_XF86VM), and the lookups Wine makes through the handle it
 * opened search the dependencies too. The load is ignored only in processes started with
 * IGNORE_RAMP_LOADS in their environment, so that the test driver beside the
 * program under test can still set the adapter's ramp. */
#include <dlfcn.h>
#include <stdlib.h>

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

int XF86VidModeSetGammaRamp(void* display, int screen, int size, unsigned short* red,
                            unsigned short* green, unsigned short* blue) {
    if (getenv("IGNORE_RAMP_LOADS")) return 1; /* True: "done" */
    SetGammaRampCall real = RealSetGammaRamp();
    return real ? real(display, screen, size, red, green, blue) : 0;
}
