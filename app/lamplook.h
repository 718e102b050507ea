#pragma once
// How a lamp looks when dark: a grey glow.
#include "scene3d/geometry/vectortypes.h"

class T3DSprite;

inline const TVector kDarkGlow = {0.4f, 0.4f, 0.4f, 1};

// The look of a lamp at start: red, glowing dark, at 0.3 of its size.
void SetStartLook(T3DSprite* Lamp);
