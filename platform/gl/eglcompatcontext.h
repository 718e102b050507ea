#pragma once
// Desktop OpenGL contexts of the compatibility profile (OpenGL 1.x calls
// included), and the root context through which all contexts of a display
// share their display lists and textures.
#include <EGL/egl.h>

// A compatibility-profile context on the config (EGL_NO_CONFIG_KHR for none)
// sharing with Share (EGL_NO_CONTEXT for none), with the OpenGL API bound on
// the calling thread; EGL_NO_CONTEXT on failure, with EGL's error pending.
EGLContext CreateCompatibilityContext(EGLDisplay Display, EGLConfig Config, EGLContext Share);

// The hidden context of the display that every context made on it shares
// with, so that contexts of any format share their objects. Made without a
// config (EGL_KHR_no_config_context) on first use and kept for the life of
// the process; it is never drawn into. Raises EEGLError when the display
// cannot make one.
EGLContext SharingRootContext(EGLDisplay Display);
