#pragma once
// Asking the X server about windows in tests: whether one is viewable yet,
// and the colours it shows. Connection is an Xlib Display*; no Xlib here,
// whose macros and types clash with Qt's and the platform's names.
#include <cstdint>

// Waits (running the event loop) until the window is viewable; fails the
// test when it never is.
void WaitUntilViewable(void* Connection, std::uintptr_t Window);
// The colour of the window's pixel as 0xRRGGBB, read from the X server
// once it has done every request made so far.
unsigned long PixelOf(void* Connection, std::uintptr_t Window, int X, int Y);
// Waits until the X server has done every request made so far.
void SyncXServer(void* Connection);
