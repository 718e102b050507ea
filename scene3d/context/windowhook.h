#pragma once
// The contexts that draw into windows, each destroyed just before its window
// goes: when the window system is about to destroy a window of the
// application, every listed context whose window is that window or lies
// inside it is destroyed, last listed first. Qt destroys a widget's child
// windows before the widget's own, so a viewer's context goes with the
// viewer's window even when its parent form is freed. A failure to destroy
// goes to the application's exception handler.
#include "scene3d/context/context.h"

// Lists the pair; the first pair starts the watch on the application's
// windows.
void RegisterContextWindow(TOutputDevice Window, T3DContext* Context);
// Drops every pair of the window; the last one gone ends the watch.
void UnregisterContextWindow(TOutputDevice Window);
