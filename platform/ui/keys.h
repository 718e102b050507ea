#pragma once
// Key codes: Qt's keys as virtual key codes and back.
#include "platform/ui/messages.h"

// The virtual key of a Qt key (0 when it has none).
unsigned VirtualKeyOf(int QtKey);
// The Qt key of a virtual key (0 when it has none).
int QtKeyOf(unsigned VirtualKey);
