#include "app/lampplacement.h"

#include <algorithm>
#include <cmath>

#include "scene3d/geometry/angles.h"
#include "scene3d/scene/basesceneobject.h"

TLampPositions LinePositions(const TAffineVector& Begin, const TAffineVector& End, int N)
{
    TAffineVector step;
    for (int axis = 0; axis < 3; ++axis)
        step[axis] = N > 1 ? (End[axis] - Begin[axis]) / static_cast<float>(N - 1) : End[axis] - Begin[axis];
    TLampPositions positions;
    for (int i = 0; i < kSceneLamps; ++i) {
        positions[i].X = static_cast<float>(-(double{Begin.X} + i * double{step.X}));
        positions[i].Y = static_cast<float>(double{Begin.Y} + i * double{step.Y});
        positions[i].Z = static_cast<float>(double{Begin.Z} + i * double{step.Z});
    }
    return positions;
}

TLampPositions CirclePositions(const TAffineVector& Centre, float Radius, TSceneAxis Axis, int N)
{
    // A count of 0 is reachable through a scene file; 360 / 0 would put
    // every lamp at NaN.
    N = std::max(N, 1);
    TLampPositions positions;
    for (int i = 0; i < kSceneLamps; ++i) {
        const double a = DegreesToRadians(360.0 / N * i);
        const double along = Radius * std::cos(a);
        const double across = Radius * std::sin(a);
        TAffineVector& p = positions[i];
        switch (Axis) {
        case TSceneAxis::X:
            p = {-Centre.X, static_cast<float>(Centre.Y + across), static_cast<float>(Centre.Z + along)};
            break;
        case TSceneAxis::Y:
            p = {static_cast<float>(along - Centre.X), Centre.Y, static_cast<float>(Centre.Z + across)};
            break;
        case TSceneAxis::Z:
            p = {static_cast<float>(along - Centre.X), static_cast<float>(Centre.Y + across), Centre.Z};
            break;
        }
    }
    return positions;
}

void PlaceLamps(T3DBaseSceneObject& Group, const TLampPositions& Positions)
{
    for (int i = 0; i < kSceneLamps; ++i) {
        T3DCoordinates* position = Group.GetChild(i)->Position();
        position->SetX(Positions[i].X);
        position->SetY(Positions[i].Y);
        position->SetZ(Positions[i].Z);
    }
}

void TurnGroup(T3DBaseSceneObject& Group, TSceneAxis Axis, float Degrees)
{
    switch (Axis) {
    case TSceneAxis::X:
        Group.SetPitchAngle(Degrees);
        break;
    case TSceneAxis::Y:
        Group.SetTurnAngle(Degrees);
        break;
    case TSceneAxis::Z:
        Group.SetRollAngle(Degrees);
        break;
    }
}
