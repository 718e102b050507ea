#pragma once
// Where the scene editing window puts the 16 lamps of a channel group. N is
// the main window's lamp count: the first N lamps span the line from its
// start to its end, or go once round the circle, and the others continue.
// The X of the entered start, end and centre is negated when placed (the
// circle's own offset is not).
#include <array>

#include "app/scenerecord.h"
#include "scene3d/geometry/vectortypes.h"

class T3DBaseSceneObject;

// The axes in the order of the window's axis selectors.
enum class TSceneAxis { X, Y, Z };

using TLampPositions = std::array<TAffineVector, kSceneLamps>;

TLampPositions LinePositions(const TAffineVector& Begin, const TAffineVector& End, int N);
// The circle lies across Axis; a count below 1 is taken as 1.
TLampPositions CirclePositions(const TAffineVector& Centre, float Radius, TSceneAxis Axis, int N);

// Moves lamp i (child i) of Group to Positions[i], hidden lamps included.
void PlaceLamps(T3DBaseSceneObject& Group, const TLampPositions& Positions);
// Sets the group's pitch (X), turn (Y) or roll (Z) angle to Degrees; the
// other two keep theirs.
void TurnGroup(T3DBaseSceneObject& Group, TSceneAxis Axis, float Degrees);
