#include "scene3d/scene/sceneroot.h"

#include "platform/rtl/classbuilder.h"
#include "scene3d/base/engineassert.h"
#include "scene3d/scene/scene.h"

LT_IMPLEMENT_CLASS(T3DSceneRootObject, T3DBaseSceneObject) {}

T3DSceneRootObject::T3DSceneRootObject(TComponent* AOwner) : T3DBaseSceneObject(AOwner)
{
    auto* scene = dynamic_cast<T3DScene*>(AOwner);
    EngineAssert(scene != nullptr);
    SetObjectStyle({sfDirectDraw});
    SetScene(scene);
}
