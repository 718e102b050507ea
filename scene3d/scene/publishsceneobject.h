#pragma once
// The published properties of scene objects. The base classes publish none:
// each concrete class publishes what it shows in stored descriptions, most
// of them all of these.
#include "platform/rtl/classbuilder.h"
#include "scene3d/scene/basesceneobject.h"

template <class C>
void PublishSceneObjectProperties(TClassBuilder<C>& P)
{
    P.Property("Position", &C::Position);
    P.Property("Direction", &C::Direction);
    P.Property("Up", &C::Up);
    P.Property("Scale", &C::Scale);
    P.Property("PitchAngle", &C::PitchAngle, &C::SetPitchAngle);
    P.Property("TurnAngle", &C::TurnAngle, &C::SetTurnAngle);
    P.Property("RollAngle", &C::RollAngle, &C::SetRollAngle);
    P.Property("Visible", &C::Visible, &C::SetVisible).Default(1);
    P.Property("ShowAxes", &C::ShowAxes, &C::SetShowAxes).Default(0);
    P.Property("ObjectsSorting", &C::ObjectsSorting, &C::SetObjectsSorting).Default(osInherited);
    P.Property("VisibilityCulling", &C::VisibilityCulling, &C::SetVisibilityCulling).Default(vcInherited);
    P.Property("OnProgress", &C::OnProgress, &C::SetOnProgress);
    P.Property("TagFloat", &C::TagFloat, &C::SetTagFloat);
}
