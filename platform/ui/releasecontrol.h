#pragma once
// Freeing a control from inside its own message handling: the control goes
// once the event loop has finished the message being handled.
#include <memory>

#include "platform/ui/controls.h"

// Frees Control when the event loop next runs.
void ReleaseControl(std::unique_ptr<TControl> Control);
