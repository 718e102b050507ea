#pragma once
// How a lamp looks when dark: a grey glow.
#include "scene3d/geometry/vectortypes.h"

inline const TVector kDarkGlow = {0.4f, 0.4f, 0.4f, 1};
