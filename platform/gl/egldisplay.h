#pragma once
// The EGL displays the program draws through. Mesa's default platform is
// X11, so without an X server eglGetDisplay(EGL_DEFAULT_DISPLAY) fails; each
// display here names its platform: the application's X connection when it
// has one (window and pbuffer surfaces), else Mesa's surfaceless platform,
// which needs no window system and renders into pbuffers.
#include <EGL/egl.h>

// Mesa's surfaceless display, initialised on first use and kept for the
// life of the process. Raises EEGLError when EGL offers no such platform or
// it cannot be initialised.
EGLDisplay SurfacelessDisplay();

// The EGL display on an X connection (an Xlib Display*), initialised; EGL
// hands out the same display for the same connection every time. Raises
// EEGLError.
EGLDisplay X11EGLDisplay(void* XDisplay);

// The display for the application: X11EGLDisplay on its X connection, or
// the surfaceless display when it has none (XDisplay nullptr).
EGLDisplay ApplicationEGLDisplay(void* XDisplay);

// Whether the display's driver renders in software (Mesa's llvmpipe and
// softpipe, known by the driver's name "swrast" or "kms_swrast"). False
// when the implementation does not tell its driver's name.
bool IsSoftwareDisplay(EGLDisplay Display);
