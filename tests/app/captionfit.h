#pragma once
// Whether a window's captions can be read whole: every visible control's
// caption measured in the control's own font against the room the control
// draws it in.
#include <string>
#include <vector>

class TWinControl;

struct TClippedCaption {
    std::string Control;
    std::string Caption;
    int Needs;
    int Has;
};

// The captions under Root (Root's own title excluded) that need more room
// than their control gives them.
std::vector<TClippedCaption> ClippedCaptions(const TWinControl& Root);

// "name 'caption' needs N has M" lines, for a failure message.
std::string Describe(const std::vector<TClippedCaption>& Clipped);
