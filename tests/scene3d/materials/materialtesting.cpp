#include "tests/scene3d/materials/materialtesting.h"

#include "platform/rtl/classbuilder.h"

LT_IMPLEMENT_CLASS(TSceneObjectSpy, T3DUpdateAbleComponent)
{
    P.Property("Color", &TSceneObjectSpy::Color);
    P.Property("Material", &TSceneObjectSpy::Material);
}
