#pragma once
// The X11 connection of the application, for code that draws into its
// windows through the window system directly (OpenGL through EGL).
typedef struct _XDisplay Display;

// Qt's Xlib display when the application runs on the xcb platform; nullptr
// on any other platform and without an application object.
Display* X11Display();
