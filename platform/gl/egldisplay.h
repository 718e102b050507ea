#pragma once
// The EGL display for drawing off screen. Mesa's default platform is X11,
// so without an X server eglGetDisplay(EGL_DEFAULT_DISPLAY) fails; the
// surfaceless platform needs no window system and renders into pbuffers.
#include <EGL/egl.h>

// Mesa's surfaceless display, initialised on first use and kept for the
// life of the process. Raises EEGLError when EGL offers no such platform or
// it cannot be initialised.
EGLDisplay SurfacelessDisplay();
