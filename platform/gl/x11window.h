#pragma once
// What EGL needs to know of an X11 window, asked of the X server. The only
// code that speaks Xlib: its callers hold the connection as an opaque
// pointer (an Xlib Display*) and a window as its id.
#include <cstdint>

// The id of the window's visual; 0 when Window is no window of the server.
unsigned long X11WindowVisual(void* XDisplay, std::uintptr_t Window);

// Whether Window is Ancestor or lies inside it at any depth; false when
// either is no window of the server (or 0). Only a different window needs
// the connection.
bool X11WindowWithin(void* XDisplay, std::uintptr_t Window, std::uintptr_t Ancestor);
