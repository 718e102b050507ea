#pragma once
// The system beep. Tests hear it through a hook instead of the speaker.
#include <functional>

using TMessageBeepHook = std::function<void(unsigned Type)>;

// Sounds the beep of the given kind (0: the simple beep).
void MessageBeep(unsigned Type);
// Replaces the beep (an empty hook restores it); returns the previous hook.
TMessageBeepHook SetMessageBeepHook(TMessageBeepHook Hook);
