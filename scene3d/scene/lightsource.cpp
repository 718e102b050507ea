#include "scene3d/scene/lightsource.h"

#include "platform/rtl/classbuilder.h"
#include "scene3d/scene/scene.h"

LT_IMPLEMENT_CLASS(T3DLightSource, T3DBaseSceneObject) {}

T3DLightSource::T3DLightSource(TComponent* AOwner) : T3DBaseSceneObject(AOwner) {}

GLenum T3DLightSource::LightID() const
{
    const int slot = Scene() ? Scene()->LightSlotOf(this) : -1;
    return slot < 0 ? 0 : static_cast<GLenum>(GL_LIGHT0 + slot);
}
