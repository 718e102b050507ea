#pragma once
// A watch on the native windows of the application: the hook hears of each
// one just before the window system destroys it, while it still exists.
// Qt frees a widget's children before the widget itself, so a child
// window's turn comes before its parent's.
#include <cstdint>
#include <functional>

// The native id of a window (an X11 window id).
using TWindowDestroyHook = std::function<void(std::uintptr_t Window)>;

// Installs the hook (one at a time) on the application object; an empty
// hook removes it. Without an application object nothing is watched.
void SetWindowDestroyHook(TWindowDestroyHook Hook);
