#pragma once
// A light of the scene. While it is in a scene it holds one of the scene's
// eight light slots, which gives it its OpenGL light.
#include <GL/gl.h>

#include "scene3d/scene/basesceneobject.h"

class T3DLightSource : public T3DBaseSceneObject {
    LT_CLASS(T3DLightSource)
public:
    explicit T3DLightSource(TComponent* AOwner);

    // GL_LIGHT0 + the slot; 0 while the light holds no slot.
    GLenum LightID() const;
};
